// CMultiDocTemplate.cpp: documents in MDI child frames, with the template's shared menu.
#include "CMultiDocTemplate.h"
#include "CDocument.h"
#include "CFrameWnd.h"
#include "CWaitCursor.h"
#include "CWinApp.h"
#include "afxresource.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
    CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_hMenuShared(NULL), m_hAccelTable(NULL),
      m_nUntitledCount(0)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    // The documents still open leave with their template.
    while (!m_docList.IsEmpty())
        delete (CDocument*)m_docList.GetHead();
    if (m_hMenuShared != NULL)
        ::DestroyMenu(m_hMenuShared);
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    LPCTSTR pszName = MAKEINTRESOURCEA(m_nIDResource);
    if (m_hMenuShared == NULL)
    {
        HINSTANCE hInst = AfxFindResourceHandle(pszName, RT_MENU);
        if (::FindResourceA(hInst, pszName, RT_MENU) != NULL)
            m_hMenuShared = ::LoadMenuA(hInst, pszName);
    }
    if (m_hAccelTable == NULL)
    {
        HINSTANCE hInst = AfxFindResourceHandle(pszName, RT_ACCELERATOR);
        if (::FindResourceA(hInst, pszName, RT_ACCELERATOR) != NULL)
            m_hAccelTable = ::LoadAcceleratorsA(hInst, pszName);
    }
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    POSITION pos = m_docList.Find(pDoc);
    if (pos != NULL)
        m_docList.RemoveAt(pos);
}

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

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    return OpenDocumentFile(lpszPathName, TRUE, bMakeVisible);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bAddToMRU, BOOL bMakeVisible)
{
    CDocument* pDocument = CreateNewDocument();
    if (pDocument == NULL)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return NULL;
    }
    // The document must outlive a frame that fails halfway.
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
        pDocument->SetPathName(lpszPathName, bAddToMRU);
    }
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strDocName;
    if (GetDocString(strDocName, docName) && !strDocName.IsEmpty())
        strDocName.AppendFormat("%d", m_nUntitledCount + 1);
    else
        strDocName.LoadString(AFX_IDS_UNTITLED);
    pDocument->SetTitle(strDocName);
}
