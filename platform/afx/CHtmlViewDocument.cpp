// CHtmlViewDocument.cpp: the HTML view's document as a COM object.
#include "CHtmlViewDocument.h"
#include "CHtmlView.h"

CHtmlViewDocument::CHtmlViewDocument(CHtmlView* pView) : m_nRefs(1), m_pView(pView) {}

STDMETHODIMP CHtmlViewDocument::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IHTMLDocument || riid == IID_IHTMLDocument2) {
        *ppv = static_cast<IHTMLDocument2*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CHtmlViewDocument::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_nRefs);
}

STDMETHODIMP_(ULONG) CHtmlViewDocument::Release()
{
    LONG n = ::InterlockedDecrement(&m_nRefs);
    if (n == 0)
        delete this;
    return (ULONG)n;
}

STDMETHODIMP CHtmlViewDocument::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == NULL)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP CHtmlViewDocument::write(SAFEARRAY* psarray)
{
    VARTYPE vt = VT_EMPTY;
    if (psarray == NULL || ::SafeArrayGetDim(psarray) != 1 || FAILED(::SafeArrayGetVartype(psarray, &vt)) || vt != VT_VARIANT)
        return E_INVALIDARG;
    LONG nLower = 0, nUpper = -1;
    ::SafeArrayGetLBound(psarray, 1, &nLower);
    ::SafeArrayGetUBound(psarray, 1, &nUpper);
    std::string strAdded;
    for (LONG i = nLower; i <= nUpper; i++) {
        VARIANT v, vText;
        ::VariantInit(&v);
        ::VariantInit(&vText);
        HRESULT hr = ::SafeArrayGetElement(psarray, &i, &v);
        if (SUCCEEDED(hr))
            hr = ::VariantChangeType(&vText, &v, 0, VT_BSTR);
        ::VariantClear(&v);
        if (FAILED(hr))
            return hr;
        UINT nLength = ::SysStringLen(vText.bstrVal);
        if (nLength > 0) {
            int n = ::WideCharToMultiByte(CP_UTF8, 0, vText.bstrVal, (int)nLength, NULL, 0, NULL, NULL);
            if ((size_t)n > maxWritten - m_strWritten.size() - strAdded.size()) {
                ::VariantClear(&vText);
                return E_OUTOFMEMORY; // nothing of this call is kept
            }
            size_t nAt = strAdded.size();
            strAdded.resize(nAt + (size_t)n);
            ::WideCharToMultiByte(CP_UTF8, 0, vText.bstrVal, (int)nLength, &strAdded[nAt], n, NULL, NULL);
        }
        ::VariantClear(&vText);
    }
    m_strWritten += strAdded;
    return S_OK;
}

STDMETHODIMP CHtmlViewDocument::close()
{
    std::string strPage;
    strPage.swap(m_strWritten);
    if (m_pView != NULL)
        m_pView->ShowWritten(strPage);
    return S_OK;
}
