// ExcelTypeLibrary.cpp: see ExcelTypeLibrary.h.
#include "services/ExcelTypeLibrary.h"

namespace
{
// The member's DISPID as the object names it; every call passes locale 0.
DISPID IdOf(IDispatch* object, const wchar_t* name, REFIID iid)
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    if (FAILED(hr))
        _com_issue_errorex(hr, object, iid);
    return id;
}

IDispatchPtr GetMember(IDispatch* object, const wchar_t* name, REFIID iid)
{
    IDispatch* result = NULL;
    _com_dispatch_propget(object, IdOf(object, name, iid), VT_DISPATCH, &result);
    return IDispatchPtr(result, false);
}
} // namespace

VARIANT_BOOL _Application::GetVisible()
{
    VARIANT_BOOL visible = VARIANT_FALSE;
    _com_dispatch_propget(this, IdOf(this, L"Visible", __uuidof(_Application)), VT_BOOL, &visible);
    return visible;
}

void _Application::PutVisible(VARIANT_BOOL visible)
{
    _com_dispatch_propput(this, IdOf(this, L"Visible", __uuidof(_Application)), VT_BOOL, visible);
}

void _Application::PutWindowState(long state)
{
    _com_dispatch_propput(this, IdOf(this, L"WindowState", __uuidof(_Application)), VT_I4, state);
}

void _Application::PutUserControl(VARIANT_BOOL user)
{
    _com_dispatch_propput(this, IdOf(this, L"UserControl", __uuidof(_Application)), VT_BOOL, user);
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
    _com_dispatch_propget(this, IdOf(this, L"Count", __uuidof(Workbooks)), VT_I4, &count);
    return count;
}

_WorkbookPtr Workbooks::Add(const _variant_t& templ)
{
    IDispatch* result = NULL;
    _com_dispatch_method(this, IdOf(this, L"Add", __uuidof(Workbooks)), DISPATCH_METHOD, VT_DISPATCH, &result,
                         L"\x000c", &templ);
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
    _com_dispatch_method(this, IdOf(this, L"Paste", __uuidof(_Worksheet)), DISPATCH_METHOD, VT_EMPTY, NULL,
                         L"\x000c\x000c", &destination, &link);
}
