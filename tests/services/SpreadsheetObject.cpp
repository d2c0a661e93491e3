// SpreadsheetObject.cpp: see SpreadsheetObject.h.
#include "SpreadsheetObject.h"

#include <map>

std::vector<CSpreadsheetObject::CApp> CSpreadsheetObject::s_apps;
std::string CSpreadsheetObject::s_log;
std::wstring CSpreadsheetObject::s_failing;
int CSpreadsheetObject::s_nLive = 0;

namespace
{
// The program's interfaces by the IIDs it registers; the sheets and the window are late-bound only.
const IID kIIDs[] = {
    {0x000208D5, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}, {0x000208DB, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}},
    {0x000208DA, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}, IID_IDispatch,
    {0x000208D8, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}, IID_IDispatch};
// Members by name and by the program's DISPIDs.
const std::map<std::wstring, DISPID> kMembers = {
    {L"Count", 0x76},         {L"Item", 0xAA},          {L"Add", 0xB5},          {L"WindowState", 0x18C},
    {L"Visible", 0x22E},      {L"UserControl", 0x4BA},  {L"Workbooks", 0x23C},   {L"ActiveWorkbook", 0x134},
    {L"ActiveWindow", 0x2F7}, {L"Worksheets", 0x1EE},   {L"ActiveSheet", 0x133}, {L"Paste", 0xD3}};
} // namespace

STDMETHODIMP CSpreadsheetObject::CFactory::QueryInterface(REFIID riid, void** ppv)
{
    *ppv = riid == IID_IUnknown || riid == IID_IClassFactory ? this : NULL;
    return *ppv != NULL ? S_OK : E_NOINTERFACE;
}

STDMETHODIMP CSpreadsheetObject::CFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv)
{
    *ppv = NULL;
    if (outer != NULL)
        return CLASS_E_NOAGGREGATION;
    s_apps.push_back({false, {}});
    s_log += "App" + std::to_string(s_apps.size()) + " created\n";
    CSpreadsheetObject* object = new CSpreadsheetObject(Application, (int)s_apps.size() - 1);
    HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

CSpreadsheetObject::CSpreadsheetObject(EKind kind, int app, int book, int sheet)
    : m_nRefs(1), m_kind(kind), m_nApp(app), m_nBook(book), m_nSheet(sheet)
{
    s_nLive++;
}

STDMETHODIMP CSpreadsheetObject::QueryInterface(REFIID riid, void** ppv)
{
    *ppv = riid == IID_IUnknown || riid == IID_IDispatch || riid == kIIDs[m_kind] ? this : NULL;
    return *ppv != NULL ? (AddRef(), S_OK) : E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CSpreadsheetObject::Release()
{
    ULONG refs = --m_nRefs;
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP CSpreadsheetObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID lcid, DISPID* ids)
{
    auto it = kMembers.find(names[0]);
    ids[0] = it != kMembers.end() ? it->second : DISPID_UNKNOWN;
    return it != kMembers.end() ? S_OK : DISP_E_UNKNOWNNAME;
}

std::string CSpreadsheetObject::GetName() const
{
    static const char* kSuffixes[] = {"", ".Workbooks", "", ".Worksheets", ".Sheet", ".Window"};
    bool ofApp = m_kind == Application || m_kind == Workbooks || m_kind == Window;
    std::string name = (ofApp ? "App" + std::to_string(m_nApp + 1) : "Book" + std::to_string(m_nBook + 1));
    return name + kSuffixes[m_kind] + (m_kind == Worksheet ? std::to_string(m_nSheet + 1) : "");
}

std::string CSpreadsheetObject::Describe(const VARIANT& v)
{
    if (V_VT(&v) == VT_ERROR && V_ERROR(&v) == DISP_E_PARAMNOTFOUND)
        return "missing";
    if (V_VT(&v) == VT_BOOL)
        return V_BOOL(&v) == VARIANT_TRUE ? "true" : V_BOOL(&v) == VARIANT_FALSE ? "false" : "bad bool";
    if (V_VT(&v) == VT_I4)
        return std::to_string(V_I4(&v));
    if (V_VT(&v) == VT_DISPATCH && V_DISPATCH(&v) != NULL)
        return static_cast<CSpreadsheetObject*>(V_DISPATCH(&v))->GetName();
    return "type " + std::to_string(V_VT(&v));
}

STDMETHODIMP CSpreadsheetObject::Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params,
                                       VARIANT* result, EXCEPINFO* excep, UINT*)
{
    std::wstring member;
    for (const auto& m : kMembers)
        if (m.second == id)
            member = m.first;
    const char* how = flags & DISPATCH_PROPERTYGET ? " get " : flags & DISPATCH_METHOD ? " call " : " put ";
    std::string line = GetName() + how + std::string(member.begin(), member.end()) + "(";
    // The arguments come last to first.
    for (UINT i = params->cArgs; i > 0; i--)
        line += Describe(params->rgvarg[i - 1]) + (i > 1 ? "," : "");
    s_log += line + ")" + (lcid != 0 ? " locale " + std::to_string(lcid) : "") + "\n";
    if (result != NULL)
        VariantInit(result);
    if (member != s_failing)
        return Call(member, flags, params, result);
    // A failing paste reports an exception, as late-bound members do; anything else fails the way
    // a program the user has closed does.
    if (member != L"Paste" || excep == NULL)
        return RPC_E_DISCONNECTED;
    excep->scode = kPasteError;
    excep->bstrDescription = SysAllocString(L"Paste failed");
    return DISP_E_EXCEPTION;
}

HRESULT CSpreadsheetObject::Return(VARIANT* result, EKind kind, int book, int sheet)
{
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = new CSpreadsheetObject(kind, m_nApp, book, sheet);
    return S_OK;
}

HRESULT CSpreadsheetObject::Call(const std::wstring& member, WORD flags, const DISPPARAMS* params, VARIANT* result)
{
    CApp& app = s_apps[m_nApp];
    const VARIANT* args = params->rgvarg;
    // A value put comes as the one named argument.
    bool get = flags & DISPATCH_PROPERTYGET;
    bool puts = (flags & DISPATCH_PROPERTYPUT) && params->cArgs == 1 && params->cNamedArgs == 1 &&
                *params->rgdispidNamedArgs == DISPID_PROPERTYPUT;
    int last = (int)app.books.size() - 1;
    CBook* book = m_kind >= Workbook && m_kind <= Worksheet ? &app.books[m_nBook] : NULL;
    if (m_kind == Application && member == L"Visible" && get)
        return V_VT(result) = VT_BOOL, V_BOOL(result) = app.visible ? VARIANT_TRUE : VARIANT_FALSE, S_OK;
    if (m_kind == Application && member == L"Visible" && puts && V_VT(args) == VT_BOOL)
        return app.visible = V_BOOL(args) == VARIANT_TRUE, S_OK;
    // The window states and the user's control are only logged.
    if ((m_kind == Application || m_kind == Window) && member == L"WindowState" && puts && V_VT(args) == VT_I4)
        return S_OK;
    if (m_kind == Application && member == L"UserControl" && puts && V_VT(args) == VT_BOOL)
        return S_OK;
    if (m_kind == Application && member == L"Workbooks" && get)
        return Return(result, Workbooks);
    if (m_kind == Application && (member == L"ActiveWorkbook" || member == L"ActiveWindow") && get && last >= 0)
        return Return(result, member == L"ActiveWindow" ? Window : Workbook, last);
    if (m_kind == Workbooks && member == L"Count" && get)
        return V_VT(result) = VT_I4, V_I4(result) = last + 1, S_OK;
    if (m_kind == Workbooks && member == L"Add" && params->cArgs == 1)
        return app.books.push_back({1, 0}), Return(result, Workbook, last + 1);
    if (m_kind == Workbook && member == L"Worksheets" && get)
        return Return(result, Worksheets, m_nBook);
    if (m_kind == Workbook && member == L"ActiveSheet" && get)
        return Return(result, Worksheet, m_nBook, book->active);
    if (m_kind == Worksheets && member == L"Count" && get)
        return V_VT(result) = VT_I4, V_I4(result) = book->sheets, S_OK;
    if (m_kind == Worksheets && member == L"Item" && get && params->cArgs == 1 && V_VT(args) == VT_I4 &&
        V_I4(args) >= 1 && V_I4(args) <= book->sheets)
        return Return(result, Worksheet, m_nBook, V_I4(args) - 1);
    // Add(Before, After, Count, Type): the new sheet goes after After and becomes the active one.
    if (m_kind == Worksheets && member == L"Add" && params->cArgs == 4 && V_VT(&args[2]) == VT_DISPATCH)
    {
        book->active = static_cast<CSpreadsheetObject*>(V_DISPATCH(&args[2]))->m_nSheet + 1;
        book->sheets++;
        return Return(result, Worksheet, m_nBook, book->active);
    }
    // The clipboard's text, as the sheet receives it.
    if (m_kind == Worksheet && member == L"Paste" && params->cArgs == 2 && OpenClipboard(NULL))
    {
        HANDLE data = GetClipboardData(CF_TEXT);
        const char* text = data != NULL ? (const char*)GlobalLock(data) : NULL;
        s_log += std::string("pasted '") + (text != NULL ? text : "(none)") + "'\n";
        if (text != NULL)
            GlobalUnlock(data);
        CloseClipboard();
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}
