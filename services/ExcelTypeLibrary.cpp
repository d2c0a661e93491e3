// ExcelTypeLibrary.cpp: see ExcelTypeLibrary.h.
#include "services/ExcelTypeLibrary.h"

namespace
{
// A failed call raises its result with error information that names the interface, keeping what
// the program reported (source, description, help).
void Check(HRESULT hr, REFIID iid)
{
    if (SUCCEEDED(hr))
        return;
    IErrorInfoPtr reported;
    ::GetErrorInfo(0, &reported);
    ICreateErrorInfo* create = NULL;
    IErrorInfo* info = NULL;
    if (SUCCEEDED(::CreateErrorInfo(&create)))
    {
        create->SetGUID(iid);
        BSTR text = NULL;
        DWORD context = 0;
        if (reported && SUCCEEDED(reported->GetSource(&text)))
            create->SetSource(text), ::SysFreeString(text);
        if (reported && SUCCEEDED(reported->GetDescription(&text)))
            create->SetDescription(text), ::SysFreeString(text);
        if (reported && SUCCEEDED(reported->GetHelpFile(&text)))
            create->SetHelpFile(text), ::SysFreeString(text);
        if (reported && SUCCEEDED(reported->GetHelpContext(&context)))
            create->SetHelpContext(context);
        create->QueryInterface(IID_IErrorInfo, (void**)&info);
        create->Release();
    }
    __mingw_com_error_handler(hr, info);
}

// The member's DISPID as the object names it; every call passes locale 0.
DISPID IdOf(IDispatch* object, const wchar_t* name, REFIID iid)
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    Check(object->GetIDsOfNames(IID_NULL, names, 1, 0, &id), iid);
    return id;
}

IDispatchPtr GetMember(IDispatch* object, const wchar_t* name, REFIID iid)
{
    IDispatch* result = NULL;
    Check(_com_dispatch_raw_propget(object, IdOf(object, name, iid), VT_DISPATCH, &result), iid);
    return IDispatchPtr(result, false);
}
} // namespace

VARIANT_BOOL _Application::GetVisible()
{
    VARIANT_BOOL visible = VARIANT_FALSE;
    Check(_com_dispatch_raw_propget(this, IdOf(this, L"Visible", __uuidof(_Application)), VT_BOOL, &visible),
          __uuidof(_Application));
    return visible;
}

void _Application::PutVisible(VARIANT_BOOL visible)
{
    Check(_com_dispatch_raw_propput(this, IdOf(this, L"Visible", __uuidof(_Application)), VT_BOOL, visible),
          __uuidof(_Application));
}

void _Application::PutWindowState(long state)
{
    Check(_com_dispatch_raw_propput(this, IdOf(this, L"WindowState", __uuidof(_Application)), VT_I4, state),
          __uuidof(_Application));
}

void _Application::PutUserControl(VARIANT_BOOL user)
{
    Check(_com_dispatch_raw_propput(this, IdOf(this, L"UserControl", __uuidof(_Application)), VT_BOOL, user),
          __uuidof(_Application));
}

WorkbooksPtr _Application::GetWorkbooks()
{
    return GetMember(this, L"Workbooks", __uuidof(_Application));
}

_WorkbookPtr _Application::GetActiveWorkbook()
{
    return GetMember(this, L"ActiveWorkbook", __uuidof(_Application));
}

IDispatchPtr _Application::GetActiveWindow()
{
    return GetMember(this, L"ActiveWindow", __uuidof(_Application));
}

long Workbooks::GetCount()
{
    long count = 0;
    Check(_com_dispatch_raw_propget(this, IdOf(this, L"Count", __uuidof(Workbooks)), VT_I4, &count),
          __uuidof(Workbooks));
    return count;
}

_WorkbookPtr Workbooks::Add(const _variant_t& templ)
{
    IDispatch* result = NULL;
    Check(_com_dispatch_raw_method(this, IdOf(this, L"Add", __uuidof(Workbooks)), DISPATCH_METHOD, VT_DISPATCH,
                                   &result, L"\x000c", &templ),
          __uuidof(Workbooks));
    return IDispatchPtr(result, false);
}

IDispatchPtr _Workbook::GetWorksheets()
{
    return GetMember(this, L"Worksheets", __uuidof(_Workbook));
}

IDispatchPtr _Workbook::GetActiveSheet()
{
    return GetMember(this, L"ActiveSheet", __uuidof(_Workbook));
}

void _Worksheet::Paste(const _variant_t& destination, const _variant_t& link)
{
    Check(_com_dispatch_raw_method(this, IdOf(this, L"Paste", __uuidof(_Worksheet)), DISPATCH_METHOD, VT_EMPTY,
                                   NULL, L"\x000c\x000c", &destination, &link),
          __uuidof(_Worksheet));
}
