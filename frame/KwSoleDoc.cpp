// KwSoleDoc.cpp: the sole document: kept as a compound file, announced to the main frame when
// made or read, closed together with every child window.
#include "frame/KwSoleDoc.h"

#include "core/CoreGlobalMethods.h"
#include "frame/KwMDITools.h"
#include "frame/KwSoleDocApp.h"
#include "frame/KwSoleDocMDIFrameWnd.h"

IMPLEMENT_DYNCREATE(CKwSoleDoc, COleDocument)

namespace {
CKwSoleDocMDIFrameWnd* SoleDocFrame()
{
    return dynamic_cast<CKwSoleDocMDIFrameWnd*>(AfxGetMainWnd());
}
} // namespace

CKwSoleDoc::CKwSoleDoc()
{
    EnableCompoundFile();
    // The frame of the last view closes only itself, not the document.
    m_bAutoDelete = FALSE;
}

int CKwSoleDoc::Close()
{
    if (!SaveModified())
        return FALSE;
    OnCloseDocument();
    return TRUE;
}

int CKwSoleDoc::GetReadOnly() const
{
    DWORD dwAttrib = ::GetFileAttributesA(m_strPathName);
    return dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY) != 0;
}

int CKwSoleDoc::OnFinalConstruct()
{
    return TRUE;
}

BOOL CKwSoleDoc::OnNewDocument()
{
    if (!COleDocument::OnNewDocument() || !OnFinalConstruct())
        return FALSE;
    if (CKwSoleDocMDIFrameWnd* pFrame = SoleDocFrame())
        pFrame->OnOpenSoleDoc(this);
    return TRUE;
}

BOOL CKwSoleDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    if (!COleDocument::OnOpenDocument(lpszPathName))
        return FALSE;
    if (CKwSoleDocMDIFrameWnd* pFrame = SoleDocFrame())
        pFrame->OnOpenSoleDoc(this);
    return TRUE;
}

void CKwSoleDoc::OnCloseDocument()
{
    CKwMDITools::CloseAllMDIChildWindows();
    if (CKwSoleDocMDIFrameWnd* pFrame = SoleDocFrame())
        pFrame->OnCloseSoleDoc();
    // The views left (in control bars, or in a child that stayed open) go now.
    for (INT_PTR nLeft = m_viewList.GetCount(); nLeft > 0 && !m_viewList.IsEmpty(); nLeft--)
    {
        CView* pView = (CView*)m_viewList.GetHead();
        CMDIChildWnd* pChild = dynamic_cast<CMDIChildWnd*>(pView->GetParentFrame());
        if (pChild != NULL)
        {
            PreCloseFrame(pChild);
            pChild->DestroyWindow();
        }
        else
            pView->DestroyWindow();
        // A view whose destruction did not take it off the list (one that outlives its window)
        // would be met again forever.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    ReleaseRootStorage();
    DeleteContents();
    // Its template owns it, not its views (which never delete it): closing ends it.
    delete this;
}

BOOL CKwSoleDoc::SaveModified()
{
    CList<CDocument*, CDocument*> docs;
    CCoreGlobalMethods::GetDocList(docs);
    for (POSITION pos = docs.GetHeadPosition(); pos != NULL;)
    {
        CDocument* pDoc = docs.GetNext(pos);
        if (pDoc != this && !pDoc->SaveModified())
            return FALSE;
    }
    return COleDocument::SaveModified();
}

BOOL CKwSoleDoc::CanCloseFrame(CFrameWnd* pFrame)
{
    if (pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
        return TRUE;
    return COleDocument::CanCloseFrame(pFrame);
}

BOOL CKwSoleDoc::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID == ID_FILE_CLOSE || nID == ID_FILE_SAVE || nID == ID_FILE_SAVE_AS)
        return FALSE;
    return COleDocument::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CKwSoleDoc::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    COleDocument::SetPathName(lpszPathName, bAddToMRU);
    if (CKwSoleDocApp* pApp = dynamic_cast<CKwSoleDocApp*>(AfxGetApp()))
        pApp->SetPathNameForOpenDialog(m_strPathName);
}

void CKwSoleDoc::OnChangedViewList() {}
