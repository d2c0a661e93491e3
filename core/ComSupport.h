// ComSupport.h: the compiler's COM support (<comdef.h>: _com_ptr_t, _com_error, _bstr_t,
// _variant_t) with the standard smart pointers MinGW leaves out for its compiler. The functions
// behind these headers are the toolkit's (ComSupport.cpp).
#pragma once

#include <comdef.h>

#if !USE___UUIDOF
_COM_SMARTPTR_TYPEDEF(IUnknown, __uuidof(IUnknown));
_COM_SMARTPTR_TYPEDEF(IDispatch, __uuidof(IDispatch));
_COM_SMARTPTR_TYPEDEF(IErrorInfo, __uuidof(IErrorInfo));
#endif
