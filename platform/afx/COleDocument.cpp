// COleDocument.cpp: documents kept in compound files.
#include "COleDocument.h"
#include "CArchive.h"
#include "COleStreamFile.h"
#include "CFileException.h"
#include "CWaitCursor.h"
#include "afxres.h"

#include <string>

IMPLEMENT_DYNAMIC(COleDocument, CDocument)

namespace {
const char kContents[] = "Contents";

// The storage call's failure as the file exception the document reports.
CFileException StorageError(HRESULT hr, LPCTSTR lpszPathName)
{
    int nCause = CFileException::genericException;
    if (hr == STG_E_FILENOTFOUND || hr == STG_E_PATHNOTFOUND)
        nCause = CFileException::fileNotFound;
    else if (hr == STG_E_ACCESSDENIED || hr == STG_E_SHAREVIOLATION || hr == STG_E_LOCKVIOLATION)
        nCause = CFileException::accessDenied;
    else if (hr == STG_E_FILEALREADYEXISTS || hr == STG_E_INVALIDHEADER || hr == STG_E_DOCFILECORRUPT)
        nCause = CFileException::invalidFile;
    else if (hr == STG_E_MEDIUMFULL)
        nCause = CFileException::diskFull;
    return CFileException(nCause, (LONG)hr, lpszPathName);
}

std::wstring Wide(LPCTSTR lpsz)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, lpsz, -1, NULL, 0);
    std::wstring w(n > 0 ? n : 1, L'\0');
    if (n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, lpsz, -1, &w[0], n);
    return w;
}
}

COleDocument::COleDocument() : m_lpRootStg(NULL), m_bCompoundFile(FALSE) {}

COleDocument::~COleDocument()
{
    ReleaseRootStorage();
}

void COleDocument::ReleaseRootStorage()
{
    if (m_lpRootStg != NULL)
    {
        m_lpRootStg->Release();
        m_lpRootStg = NULL;
    }
}

BOOL COleDocument::OnNewDocument()
{
    ReleaseRootStorage();
    return CDocument::OnNewDocument();
}

void COleDocument::LoadFromStorage()
{
    COleStreamFile file;
    CFileException fe;
    if (!file.OpenStream(m_lpRootStg, kContents, CFile::modeRead | CFile::shareExclusive, &fe))
        AfxThrowFileException(fe.m_cause, fe.m_lOsError, kContents);
    CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
    ar.m_pDocument = this;
    Serialize(ar);
    ar.Close();
    file.Close();
}

void COleDocument::SaveToStorage()
{
    COleStreamFile file;
    CFileException fe;
    if (!file.CreateStream(m_lpRootStg, kContents, CFile::modeReadWrite | CFile::shareExclusive | CFile::modeCreate,
            &fe))
        AfxThrowFileException(fe.m_cause, fe.m_lOsError, kContents);
    CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
    ar.m_pDocument = this;
    Serialize(ar);
    ar.Close();
    file.Close();
}

BOOL COleDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    if (!m_bCompoundFile)
        return CDocument::OnOpenDocument(lpszPathName);
    LPSTORAGE lpStorage = NULL;
    HRESULT hr = ::StgOpenStorage(Wide(lpszPathName).c_str(), NULL, STGM_READ | STGM_SHARE_DENY_WRITE | STGM_TRANSACTED,
        NULL, 0, &lpStorage);
    if (FAILED(hr) || lpStorage == NULL)
    {
        CFileException fe = StorageError(hr, lpszPathName);
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    ReleaseRootStorage();
    m_lpRootStg = lpStorage;
    DeleteContents();
    SetModifiedFlag(); // until the whole file is in
    try
    {
        CWaitCursor wait;
        LoadFromStorage();
    }
    catch (CException* e)
    {
        ReleaseRootStorage();
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    // Read whole: the file stays free for others (and for saving over it).
    ReleaseRootStorage();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL COleDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    if (!m_bCompoundFile)
        return CDocument::OnSaveDocument(lpszPathName);
    // A new compound file next to the old one, which it replaces once complete.
    CString strFolder(lpszPathName);
    int nSlash = strFolder.ReverseFind('\\');
    if (strFolder.ReverseFind('/') > nSlash)
        nSlash = strFolder.ReverseFind('/');
    strFolder = nSlash >= 0 ? strFolder.Left(nSlash + 1) : CString(".");
    char szTemp[MAX_PATH];
    if (::GetTempFileNameA(strFolder, "kws", 0, szTemp) == 0)
    {
        CFileException fe(CFileException::accessDenied, (LONG)::GetLastError(), lpszPathName);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    LPSTORAGE lpStorage = NULL;
    HRESULT hr = ::StgCreateDocfile(Wide(szTemp).c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
        &lpStorage);
    if (FAILED(hr) || lpStorage == NULL)
    {
        ::DeleteFileA(szTemp);
        CFileException fe = StorageError(hr, lpszPathName);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    ReleaseRootStorage();
    m_lpRootStg = lpStorage;
    try
    {
        CWaitCursor wait;
        SaveToStorage();
        hr = m_lpRootStg->Commit(STGC_DEFAULT);
        if (FAILED(hr))
            AfxThrowFileException(StorageError(hr, lpszPathName).m_cause, (LONG)hr, lpszPathName);
    }
    catch (CException* e)
    {
        ReleaseRootStorage();
        ::DeleteFileA(szTemp);
        ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        e->Delete();
        return FALSE;
    }
    ReleaseRootStorage();
    if (!::MoveFileExA(szTemp, lpszPathName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
    {
        CFileException fe(CFileException::accessDenied, (LONG)::GetLastError(), lpszPathName);
        ::DeleteFileA(szTemp);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void COleDocument::OnCloseDocument()
{
    ReleaseRootStorage();
    CDocument::OnCloseDocument();
}
