// KwSoleDocTemplate.cpp: the sole document's template: one document, no frames.
#include "frame/KwSoleDocTemplate.h"

#include "frame/KwSoleDocApp.h"

IMPLEMENT_DYNAMIC(CKwSoleDocTemplate, CDocTemplate)

namespace {
// The position GetFirstDocPosition hands out while a document is held (the lists' before-start).
const POSITION s_posOnlyDoc = (POSITION)(INT_PTR)-1;
} // namespace

CKwSoleDocTemplate::CKwSoleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass)
    : CDocTemplate(nIDResource, pDocClass, NULL, NULL), m_pOnlyDoc(NULL)
{
}

CKwSoleDocTemplate* CKwSoleDocTemplate::FindByID(UINT nID)
{
    CKwSoleDocApp* pApp = dynamic_cast<CKwSoleDocApp*>(AfxGetApp());
    for (CKwSoleDocTemplate* p = pApp != NULL ? pApp->GetFirstSoleDocTemplate() : NULL; p != NULL;
         p = pApp->GetNextSoleDocTemplate(p))
    {
        if (p->GetResourceID() == nID)
            return p;
    }
    return NULL;
}

POSITION CKwSoleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc != NULL ? s_posOnlyDoc : NULL;
}

CDocument* CKwSoleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = rPos == s_posOnlyDoc ? m_pOnlyDoc : NULL;
    rPos = NULL;
    return pDoc;
}

namespace {
void DelayMainFrameTitle()
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        ((CFrameWnd*)pMain)->DelayUpdateFrameTitle();
}
} // namespace

void CKwSoleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
    DelayMainFrameTitle();
}

void CKwSoleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (pDoc == m_pOnlyDoc)
        m_pOnlyDoc = NULL;
    DelayMainFrameTitle();
}

BOOL CKwSoleDocTemplate::CheckReadable(LPCTSTR lpszPathName)
{
    HANDLE hFile = ::CreateFileA(lpszPathName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile != INVALID_HANDLE_VALUE)
        return ::CloseHandle(hFile), TRUE;
    // The message the document would give had it tried.
    LONG lOsError = (LONG)::GetLastError();
    CFileException fe(CFileException::OsErrorToException(lOsError), lOsError, lpszPathName);
    char szCause[512] = "";
    CString strPrompt;
    if (fe.GetErrorMessage(szCause, sizeof(szCause)) && szCause[0] != '\0')
        strPrompt = szCause;
    else
        strPrompt.LoadString(AFX_IDP_FAILED_TO_OPEN_DOC);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, AFX_IDP_FAILED_TO_OPEN_DOC);
    return FALSE;
}

CDocument* CKwSoleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CKwSoleDocApp* pApp = dynamic_cast<CKwSoleDocApp*>(AfxGetApp());
    if (pApp == NULL)
        return NULL;
    // The open model stays when the file it would give way to cannot even be read.
    if (lpszPathName != NULL && !CheckReadable(lpszPathName))
    {
        pApp->RemoveFromRecentFileList(lpszPathName);
        return NULL;
    }
    if (!pApp->CloseSoleDoc())
        return NULL;
    CDocument* pDoc = CreateNewDocument();
    if (pDoc == NULL)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return NULL;
    }
    if (lpszPathName != NULL)
    {
        CWaitCursor wait;
        pDoc->SetPathName(lpszPathName, TRUE);
        if (!pDoc->OnOpenDocument(lpszPathName))
        {
            delete pDoc;
            pApp->RemoveFromRecentFileList(lpszPathName);
            return NULL;
        }
    }
    else
    {
        SetDefaultTitle(pDoc);
        if (!bMakeVisible)
            pDoc->m_bEmbedded = TRUE;
        if (!pDoc->OnNewDocument())
        {
            delete pDoc;
            return NULL;
        }
    }
    return pDoc;
}

void CKwSoleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strTitle;
    if (!GetDocString(strTitle, docName) || strTitle.IsEmpty())
        strTitle.LoadString(AFX_IDS_UNTITLED);
    pDocument->SetTitle(strTitle);
}

CDocTemplate::Confidence CKwSoleDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch)
{
    Confidence match = CDocTemplate::MatchDocType(lpszPathName, rpDocMatch);
    return match == yesAttemptNative || match == yesAlreadyOpen ? match : noAttempt;
}
