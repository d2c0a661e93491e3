// KwMultiDocTemplate.cpp: the toolkit's MDI document template.
#include "frame/KwMultiDocTemplate.h"

IMPLEMENT_DYNAMIC(CKwMultiDocTemplate, CMultiDocTemplate)

namespace {
// Ends the frame of a document that failed to start. The document goes with its last view, or
// here when no view would take it along.
void DestroyFailedFrame(CFrameWnd* pFrame, CDocument* pDocument)
{
    BOOL bGoesWithView = pDocument->m_bAutoDelete && pDocument->GetFirstViewPosition() != NULL;
    pFrame->DestroyWindow();
    if (!bGoesWithView)
        delete pDocument;
}
}

CKwMultiDocTemplate::CKwMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
    CRuntimeClass* pViewClass, int bAddToMRU)
    : CMultiDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_bAddToMRU(bAddToMRU)
{
}

CRuntimeClass* CKwMultiDocTemplate::FindViewClass(UINT nViewID)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return NULL;
    POSITION pos = pApp->GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
        if (pTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)) && pTemplate->GetResourceID() == nViewID)
            return pTemplate->m_pViewClass;
    }
    return NULL;
}

CDocument* CKwMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = CreateNewDocument();
    if (pDocument == NULL)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return NULL;
    }
    // A frame that fails after its view took the document must not delete it on the way out:
    // it is deleted here.
    BOOL bAutoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateNewFrame(pDocument, NULL);
    pDocument->m_bAutoDelete = bAutoDelete;
    if (pFrame == NULL)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        delete pDocument;
        return NULL;
    }
    if (lpszPathName == NULL)
    {
        SetDefaultTitle(pDocument);
        if (!bMakeVisible)
            pDocument->m_bEmbedded = TRUE;
        if (!pDocument->OnNewDocument())
        {
            DestroyFailedFrame(pFrame, pDocument);
            return NULL;
        }
        m_nUntitledCount++;
    }
    else
    {
        CWaitCursor wait;
        if (!pDocument->OnOpenDocument(lpszPathName))
        {
            DestroyFailedFrame(pFrame, pDocument);
            return NULL;
        }
        pDocument->SetPathName(lpszPathName, m_bAddToMRU);
    }
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

void CKwMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strTitle, strExt;
    if (GetDocString(strTitle, docName) && !strTitle.IsEmpty())
        strTitle.AppendFormat("%d", m_nUntitledCount + 1);
    else
        strTitle.LoadString(AFX_IDS_UNTITLED);
    GetDocString(strExt, filterExt);
    pDocument->SetTitle(strTitle + strExt);
}
