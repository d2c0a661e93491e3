// CDocument.cpp: the document's views, titles and the new/open/save/close cycle.
#include "CDocument.h"
#include "CArchive.h"
#include "CDocTemplate.h"
#include "CFile.h"
#include "CFileException.h"
#include "CFrameWnd.h"
#include "CUserException.h"
#include "CView.h"
#include "CWaitCursor.h"
#include "CWinApp.h"
#include "afxstrings.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() : m_pDocTemplate(NULL), m_bModified(FALSE), m_bAutoDelete(TRUE), m_bEmbedded(FALSE) {}

CDocument::~CDocument()
{
    // A view that outlives its document must not reach back into it.
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
        GetNextView(pos)->m_pDocument = NULL;
    m_viewList.RemoveAll();
    if (m_pDocTemplate != NULL)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    char szFull[MAX_PATH * 2];
    char* pszFilePart = NULL;
    DWORD n = ::GetFullPathNameA(lpszPathName, sizeof(szFull), szFull, &pszFilePart);
    m_strPathName = (n > 0 && n < sizeof(szFull)) ? szFull : lpszPathName;
    // The title is the name the shell shows for the file.
    char szTitle[MAX_PATH];
    if (::GetFileTitleA(m_strPathName, szTitle, sizeof(szTitle)) == 0)
        SetTitle(szTitle);
    else
        SetTitle(pszFilePart != NULL && n < sizeof(szFull) ? pszFilePart : (LPCTSTR)m_strPathName);
    if (bAddToMRU && AfxGetApp() != NULL)
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView)
{
    if (pView == NULL || pView->m_pDocument == this)
        return;
    if (pView->m_pDocument != NULL)
        pView->m_pDocument->RemoveView(pView);
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == NULL)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = NULL;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete)
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::UpdateFrameCounts()
{
    // The distinct frames of the views, in view order.
    CPtrList frames;
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != NULL && frames.Find(pFrame) == NULL)
            frames.AddTail(pFrame);
    }
    int nFrames = (int)frames.GetCount();
    int nWindow = 1;
    pos = frames.GetHeadPosition();
    while (pos != NULL)
    {
        CFrameWnd* pFrame = (CFrameWnd*)frames.GetNext(pos);
        pFrame->m_nWindow = nFrames > 1 ? nWindow++ : 0;
        if (pFrame->m_hWnd != NULL)
            pFrame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::Serialize(CArchive&) {}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

CFile* CDocument::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    CFile* pFile = new CFile;
    if (!pFile->Open(lpszFileName, nOpenFlags, pError))
    {
        delete pFile;
        return NULL;
    }
    return pFile;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    if (bAbort)
        pFile->Abort();
    else
        pFile->Close();
    delete pFile;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (pFile == NULL)
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(); // until the whole file is in
    try
    {
        CArchive ar(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        CWaitCursor wait;
        if (pFile->GetLength() != 0)
            Serialize(ar);
        ar.Close();
        ReleaseFile(pFile, FALSE);
    }
    catch (CException* e)
    {
        ReleaseFile(pFile, TRUE);
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::SaveReplacing(LPCTSTR lpszPathName, const std::function<void(LPCTSTR lpszTempName)>& write)
{
    // The new file goes next to the old one, which it replaces only once it is complete: a
    // failed save leaves the old file as it was.
    CString strFolder(lpszPathName);
    int nSlash = strFolder.ReverseFind('\\');
    if (strFolder.ReverseFind('/') > nSlash)
        nSlash = strFolder.ReverseFind('/');
    strFolder = nSlash >= 0 ? strFolder.Left(nSlash + 1) : CString(".");
    char szTemp[MAX_PATH];
    try
    {
        // A write-protected file stays as it is, as Windows keeps it (Wine would rename over it).
        DWORD dwAttrib = ::GetFileAttributesA(lpszPathName);
        if (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY))
            AfxThrowFileException(CFileException::accessDenied, ERROR_ACCESS_DENIED, lpszPathName);
        if (::GetTempFileNameA(strFolder, "kws", 0, szTemp) == 0)
            AfxThrowFileException(CFileException::accessDenied, (LONG)::GetLastError(), lpszPathName);
        try
        {
            CWaitCursor wait;
            write(szTemp);
            // A rename within the folder: the old file is either kept or replaced whole, never
            // copied over half-way.
            if (!::MoveFileExA(szTemp, lpszPathName, MOVEFILE_REPLACE_EXISTING))
                AfxThrowFileException(CFileException::accessDenied, (LONG)::GetLastError(), lpszPathName);
        }
        catch (CException* e)
        {
            ::DeleteFileA(szTemp);
            // The user knows the document's file, not the temporary one.
            if (e->IsKindOf(RUNTIME_CLASS(CFileException)))
                ((CFileException*)e)->m_strFileName = lpszPathName;
            throw;
        }
    }
    catch (CException* e)
    {
        ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::WriteNewFile(LPCTSTR lpszFileName, LPCTSTR lpszPathName, const std::function<void(CFile* pFile)>& write)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszFileName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (pFile == NULL)
        AfxThrowFileException(fe.m_cause, fe.m_lOsError, lpszPathName);
    try
    {
        write(pFile);
        ReleaseFile(pFile, FALSE);
    }
    catch (CException*)
    {
        ReleaseFile(pFile, TRUE);
        throw;
    }
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    return SaveReplacing(lpszPathName, [&](LPCTSTR lpszTempName) {
        WriteNewFile(lpszTempName, lpszPathName, [&](CFile* pFile) {
            CArchive ar(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
            ar.m_pDocument = this;
            Serialize(ar);
            ar.Close();
        });
    });
}

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    // The user already heard of a cancelled operation.
    if (e != NULL && e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return;
    char szCause[512] = "";
    CString strPrompt;
    if (e != NULL && e->GetErrorMessage(szCause, sizeof(szCause)) && szCause[0] != '\0')
        strPrompt = szCause;
    else
        strPrompt.LoadString(nIDPDefault);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPDefault);
}

void CDocument::OnCloseDocument()
{
    // The views go with their frames; the document must live until the last one is gone.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* pView = (CView*)m_viewList.GetHead();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != NULL)
        {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        }
        // A view without a frame, or one its frame did not take along, only leaves the list.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != NULL && pFrame->m_nWindow > 0)
            return TRUE; // another frame still shows the document
    }
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString strName = m_strPathName;
    if (strName.IsEmpty())
        strName = m_strTitle;
    if (strName.IsEmpty())
        strName.LoadString(AFX_IDS_UNTITLED);
    CString strPrompt;
    AfxFormatString1(strPrompt, AFX_IDP_ASK_TO_SAVE, strName);
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    // A document never saved, or one whose file is gone or read-only, asks for a name.
    DWORD dwAttrib = ::GetFileAttributesA(m_strPathName);
    if (m_strPathName.IsEmpty() || dwAttrib == INVALID_FILE_ATTRIBUTES || (dwAttrib & FILE_ATTRIBUTE_READONLY))
        return DoSave(NULL);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString strNewName = lpszPathName;
    if (strNewName.IsEmpty())
    {
        CDocTemplate* pTemplate = GetDocTemplate();
        strNewName = m_strPathName;
        if (bReplace && strNewName.IsEmpty())
        {
            // The title, up to the first character no file name should start with, and the
            // template's extension.
            strNewName = m_strTitle;
            int nBad = strNewName.FindOneOf(" #%;/\\");
            if (nBad != -1)
                strNewName = strNewName.Left(nBad);
            CString strExt;
            if (pTemplate != NULL && pTemplate->GetDocString(strExt, CDocTemplate::filterExt) && !strExt.IsEmpty())
                strNewName += strExt;
        }
        CWinApp* pApp = AfxGetApp();
        if (pApp == NULL ||
            !pApp->DoPromptFileName(strNewName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, pTemplate))
            return FALSE;
    }
    CWaitCursor wait;
    if (!OnSaveDocument(strNewName))
        return FALSE; // the old file, if any, is untouched
    if (bReplace)
        SetPathName(strNewName);
    return TRUE;
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(NULL);
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != NULL && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
