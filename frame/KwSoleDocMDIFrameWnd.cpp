// KwSoleDocMDIFrameWnd.cpp: the sole-document application's main frame.
#include "frame/KwSoleDocMDIFrameWnd.h"

#include "frame/KwSoleDoc.h"
#include "frame/KwSoleDocApp.h"

IMPLEMENT_DYNAMIC(CKwSoleDocMDIFrameWnd, CKwMDIFrameWnd)

CKwSoleDocMDIFrameWnd::CKwSoleDocMDIFrameWnd() {}

BOOL CKwSoleDocMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (HIWORD(nCode) == WM_NOTIFY)
        return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    return CKwMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CKwSoleDocMDIFrameWnd::OnCmdMsgAfterActiveView(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CKwSoleDocApp* pApp = dynamic_cast<CKwSoleDocApp*>(AfxGetApp());
    CKwSoleDoc* pDoc = pApp != NULL ? pApp->GetSoleDoc() : NULL;
    return pDoc != NULL && pDoc->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CKwSoleDocMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CKwSoleDocApp* pApp = dynamic_cast<CKwSoleDocApp*>(AfxGetApp());
    if (pApp == NULL)
        return CKwMDIFrameWnd::OnUpdateFrameTitle(bAddToTitle);
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    // The sole document, whatever child is active.
    CKwSoleDoc* pDoc = pApp->GetSoleDoc();
    UpdateFrameTitleForDocumentKw(bAddToTitle && pDoc != NULL ? (LPCTSTR)pDoc->GetTitle() : NULL);
}

void CKwSoleDocMDIFrameWnd::OnOpenSoleDoc(CDocument*) {}

void CKwSoleDocMDIFrameWnd::OnCloseSoleDoc() {}
