// KwHtmlView.cpp: the host's text written into the blank page, and link clicks handed to the host.
#include "pickers/KwHtmlView.h"

#include <mshtml.h>

IMPLEMENT_DYNCREATE(CKwHtmlView, CHtmlView)

BEGIN_MESSAGE_MAP(CKwHtmlView, CHtmlView)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CKwHtmlView::CKwHtmlView() {}

void CKwHtmlView::SetContents(CString html)
{
    m_strContents = html;
}

void CKwHtmlView::ResetContents()
{
    m_strContents.Empty();
}

bool CKwHtmlView::IsEmptyContents() const
{
    return m_strContents == "";
}

bool CKwHtmlView::OnLButtonClick(CString)
{
    return false;
}

void CKwHtmlView::OnInitialUpdate()
{
    CHtmlView::OnInitialUpdate();
    Navigate2("about:blank");
}

void CKwHtmlView::OnBeforeNavigate2(LPCTSTR lpszURL, DWORD, LPCTSTR, CByteArray&, LPCTSTR, BOOL* pbCancel)
{
    if (OnLButtonClick(lpszURL))
        *pbCancel = TRUE;
}

// Only the blank page takes the text: a file or another page that completes first leaves it
// waiting.
void CKwHtmlView::OnDocumentComplete(LPCTSTR lpszURL)
{
    if (IsEmptyContents() || lstrcmpiA(lpszURL, "about:blank") != 0)
        return;
    IDispatch* pDisp = GetHtmlDocument();
    if (pDisp == NULL)
        return;
    IHTMLDocument2* pDoc = NULL;
    if (FAILED(pDisp->QueryInterface(IID_IHTMLDocument2, (void**)&pDoc))) {
        pDisp->Release();
        return;
    }
    int nChars = ::MultiByteToWideChar(CP_ACP, 0, m_strContents, m_strContents.GetLength(), NULL, 0);
    BSTR bstr = ::SysAllocStringLen(NULL, (UINT)nChars);
    SAFEARRAY* psa = ::SafeArrayCreateVector(VT_VARIANT, 0, 1);
    VARIANT* pv = NULL;
    if (bstr != NULL && psa != NULL && SUCCEEDED(::SafeArrayAccessData(psa, (void**)&pv))) {
        ::MultiByteToWideChar(CP_ACP, 0, m_strContents, m_strContents.GetLength(), bstr, nChars);
        pv->vt = VT_BSTR;
        pv->bstrVal = bstr; // the array owns it from here
        bstr = NULL;
        ::SafeArrayUnaccessData(psa);
        pDoc->write(psa);
        pDoc->close();
    }
    if (psa != NULL)
        ::SafeArrayDestroy(psa);
    ::SysFreeString(bstr);
    pDoc->Release();
    pDisp->Release();
    ResetContents();
}

// The view's destroy handling runs the plain view's after its own.
void CKwHtmlView::OnDestroy()
{
    CHtmlView::OnDestroy();
}
