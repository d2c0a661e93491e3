// ComSupport.cpp: the support library behind <comdef.h> and <comutil.h>, which the compiler's
// headers declare but MinGW does not ship: the missing-argument VARIANT, the string conversions of
// _bstr_t and _variant_t, raising a COM error with the object's error information, and calling
// members through IDispatch. Exported from the toolkit so that hosts using those headers link.
#include "core/ComSupport.h"

#include <stdarg.h>

#include <vector>

#define KW_COM_SUPPORT __declspec(dllexport)

KW_COM_SUPPORT _variant_t vtMissing(DISP_E_PARAMNOTFOUND, VT_ERROR);

namespace _com_util
{
KW_COM_SUPPORT BSTR WINAPI ConvertStringToBSTR(const char* pSrc)
{
    if (pSrc == NULL)
        return NULL;
    int n = ::MultiByteToWideChar(CP_ACP, 0, pSrc, -1, NULL, 0);
    if (n <= 0)
        _com_issue_error(HRESULT_FROM_WIN32(::GetLastError()));
    BSTR result = ::SysAllocStringLen(NULL, n - 1);
    if (result == NULL)
        _com_issue_error(E_OUTOFMEMORY);
    ::MultiByteToWideChar(CP_ACP, 0, pSrc, -1, result, n);
    return result;
}

// The result belongs to the caller, who frees it with delete[] (as _bstr_t does).
KW_COM_SUPPORT char* WINAPI ConvertBSTRToString(BSTR pSrc)
{
    if (pSrc == NULL)
        return NULL;
    // The terminating zero goes along, so that an empty string converts too.
    int length = (int)::SysStringLen(pSrc) + 1;
    int n = ::WideCharToMultiByte(CP_ACP, 0, pSrc, length, NULL, 0, NULL, NULL);
    if (n <= 0)
        _com_issue_error(HRESULT_FROM_WIN32(::GetLastError()));
    char* result = new char[n];
    ::WideCharToMultiByte(CP_ACP, 0, pSrc, length, result, n, NULL, NULL);
    return result;
}
} // namespace _com_util

// The object's own error information goes with the error, when the object says it keeps some for
// the interface that failed.
KW_COM_SUPPORT void WINAPI _com_issue_errorex(HRESULT hr, IUnknown* punk, REFIID riid)
{
    IErrorInfo* info = NULL;
    ISupportErrorInfo* support = NULL;
    if (punk != NULL && SUCCEEDED(punk->QueryInterface(IID_ISupportErrorInfo, (void**)&support)) && support != NULL)
    {
        if (support->InterfaceSupportsErrorInfo(riid) != S_OK || ::GetErrorInfo(0, &info) != S_OK)
            info = NULL;
        support->Release();
    }
    __mingw_com_error_handler(hr, info);
}

namespace
{
// One argument taken from the variable list as its VARTYPE says. VT_VARIANT arguments come as
// pointers to VARIANTs and are passed on as they are; VT_BYREF ones as the pointer.
void TakeArgument(VARIANT& arg, VARTYPE vt, va_list& args)
{
    ::VariantInit(&arg);
    V_VT(&arg) = vt;
    if (vt & VT_BYREF)
    {
        V_BYREF(&arg) = va_arg(args, void*);
        return;
    }
    switch (vt)
    {
    case VT_UI1: V_UI1(&arg) = (BYTE)va_arg(args, int); break;
    case VT_I2: V_I2(&arg) = (SHORT)va_arg(args, int); break;
    case VT_BOOL: V_BOOL(&arg) = (VARIANT_BOOL)va_arg(args, int); break;
    case VT_I4: V_I4(&arg) = va_arg(args, LONG); break;
    case VT_ERROR: V_ERROR(&arg) = va_arg(args, SCODE); break;
    case VT_R4: V_R4(&arg) = (float)va_arg(args, double); break;
    case VT_R8: V_R8(&arg) = va_arg(args, double); break;
    case VT_DATE: V_DATE(&arg) = va_arg(args, DATE); break;
    case VT_CY: V_CY(&arg) = va_arg(args, CY); break;
    case VT_BSTR: V_BSTR(&arg) = va_arg(args, BSTR); break;
    case VT_DISPATCH: V_DISPATCH(&arg) = va_arg(args, IDispatch*); break;
    case VT_UNKNOWN: V_UNKNOWN(&arg) = va_arg(args, IUnknown*); break;
    case VT_VARIANT: arg = *va_arg(args, VARIANT*); break;
    default: V_VT(&arg) = VT_EMPTY; throw E_INVALIDARG;
    }
}

// Invokes with the arguments the format names (one VARTYPE per character) and converts the result
// into *pvRet as vtRet says. An exception reported by the member becomes the thread's error
// information and its code the result.
HRESULT Invoke(IDispatch* pDispatch, DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
               const wchar_t* pwParamInfo, va_list args)
{
    if (pDispatch == NULL)
        return E_POINTER;
    size_t count = pwParamInfo != NULL ? wcslen(pwParamInfo) : 0;
    // The arguments go last to first.
    std::vector<VARIANT> argv(count);
    try
    {
        for (size_t i = 0; i < count; i++)
            TakeArgument(argv[count - 1 - i], pwParamInfo[i], args);
    }
    catch (HRESULT hr)
    {
        return hr;
    }
    // Whatever error information is found after a failure then comes from this call.
    ::SetErrorInfo(0, NULL);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {count ? argv.data() : NULL, NULL, (UINT)count, 0};
    if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
    {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    VARIANT result;
    ::VariantInit(&result);
    EXCEPINFO excep = {};
    UINT argErr = 0;
    HRESULT hr = pDispatch->Invoke(dwDispID, IID_NULL, 0, wFlags, &params, vtRet != VT_EMPTY ? &result : NULL,
                                   &excep, &argErr);
    if (hr == DISP_E_EXCEPTION)
    {
        if (excep.pfnDeferredFillIn != NULL)
            excep.pfnDeferredFillIn(&excep);
        hr = excep.scode != 0 ? excep.scode : _com_error::WCodeToHRESULT(excep.wCode);
        ICreateErrorInfo* create = NULL;
        if (SUCCEEDED(::CreateErrorInfo(&create)))
        {
            create->SetSource(excep.bstrSource);
            create->SetDescription(excep.bstrDescription);
            create->SetHelpFile(excep.bstrHelpFile);
            create->SetHelpContext(excep.dwHelpContext);
            IErrorInfo* info = NULL;
            if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, (void**)&info)))
            {
                ::SetErrorInfo(0, info);
                info->Release();
            }
            create->Release();
        }
        ::SysFreeString(excep.bstrSource);
        ::SysFreeString(excep.bstrDescription);
        ::SysFreeString(excep.bstrHelpFile);
        return hr;
    }
    if (FAILED(hr) || vtRet == VT_EMPTY)
    {
        ::VariantClear(&result);
        return hr;
    }
    if (vtRet == VT_VARIANT)
    {
        *(VARIANT*)pvRet = result;
        return hr;
    }
    hr = ::VariantChangeType(&result, &result, 0, vtRet);
    if (SUCCEEDED(hr))
    {
        switch (vtRet)
        {
        case VT_UI1: *(BYTE*)pvRet = V_UI1(&result); break;
        case VT_I2: *(SHORT*)pvRet = V_I2(&result); break;
        case VT_BOOL: *(VARIANT_BOOL*)pvRet = V_BOOL(&result); break;
        case VT_I4: *(LONG*)pvRet = V_I4(&result); break;
        case VT_ERROR: *(SCODE*)pvRet = V_ERROR(&result); break;
        case VT_R4: *(float*)pvRet = V_R4(&result); break;
        case VT_R8: *(double*)pvRet = V_R8(&result); break;
        case VT_DATE: *(DATE*)pvRet = V_DATE(&result); break;
        case VT_CY: *(CY*)pvRet = V_CY(&result); break;
        // Pointers and strings change hands with their reference.
        case VT_BSTR: *(BSTR*)pvRet = V_BSTR(&result); return hr;
        case VT_DISPATCH: *(IDispatch**)pvRet = V_DISPATCH(&result); return hr;
        case VT_UNKNOWN: *(IUnknown**)pvRet = V_UNKNOWN(&result); return hr;
        default: hr = DISP_E_TYPEMISMATCH; break;
        }
    }
    ::VariantClear(&result);
    return hr;
}

// The throwing forms raise what the raw forms return, with the error information the failure left.
HRESULT Raise(HRESULT hr)
{
    if (FAILED(hr))
    {
        IErrorInfo* info = NULL;
        if (::GetErrorInfo(0, &info) != S_OK)
            info = NULL;
        __mingw_com_error_handler(hr, info);
    }
    return hr;
}
} // namespace

KW_COM_SUPPORT HRESULT __cdecl _com_dispatch_raw_method(IDispatch* pDispatch, DISPID dwDispID, WORD wFlags,
                                                        VARTYPE vtRet, void* pvRet, const wchar_t* pwParamInfo,
                                                        ...) throw()
{
    va_list args;
    va_start(args, pwParamInfo);
    HRESULT hr = Invoke(pDispatch, dwDispID, wFlags, vtRet, pvRet, pwParamInfo, args);
    va_end(args);
    return hr;
}

KW_COM_SUPPORT HRESULT __cdecl _com_dispatch_method(IDispatch* pDispatch, DISPID dwDispID, WORD wFlags,
                                                    VARTYPE vtRet, void* pvRet, const wchar_t* pwParamInfo, ...)
{
    va_list args;
    va_start(args, pwParamInfo);
    HRESULT hr = Invoke(pDispatch, dwDispID, wFlags, vtRet, pvRet, pwParamInfo, args);
    va_end(args);
    return Raise(hr);
}

KW_COM_SUPPORT HRESULT WINAPI _com_dispatch_raw_propget(IDispatch* pDispatch, DISPID dwDispID, VARTYPE vtProp,
                                                        void* pvProp) throw()
{
    return _com_dispatch_raw_method(pDispatch, dwDispID, DISPATCH_PROPERTYGET, vtProp, pvProp, NULL);
}

KW_COM_SUPPORT HRESULT WINAPI _com_dispatch_propget(IDispatch* pDispatch, DISPID dwDispID, VARTYPE vtProp,
                                                    void* pvProp)
{
    return Raise(_com_dispatch_raw_propget(pDispatch, dwDispID, vtProp, pvProp));
}

namespace
{
// A property is put by reference when it takes an object.
HRESULT PutProperty(IDispatch* pDispatch, DISPID dwDispID, VARTYPE vtProp, va_list args)
{
    WORD flags = (vtProp == VT_DISPATCH || vtProp == VT_UNKNOWN) ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    const wchar_t format[2] = {(wchar_t)vtProp, 0};
    return Invoke(pDispatch, dwDispID, flags, VT_EMPTY, NULL, format, args);
}
} // namespace

KW_COM_SUPPORT HRESULT __cdecl _com_dispatch_raw_propput(IDispatch* pDispatch, DISPID dwDispID, VARTYPE vtProp,
                                                         ...) throw()
{
    va_list args;
    va_start(args, vtProp);
    HRESULT hr = PutProperty(pDispatch, dwDispID, vtProp, args);
    va_end(args);
    return hr;
}

KW_COM_SUPPORT HRESULT __cdecl _com_dispatch_propput(IDispatch* pDispatch, DISPID dwDispID, VARTYPE vtProp, ...)
{
    va_list args;
    va_start(args, vtProp);
    HRESULT hr = PutProperty(pDispatch, dwDispID, vtProp, args);
    va_end(args);
    return Raise(hr);
}
