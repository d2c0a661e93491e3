// COleDocument.cpp: documents kept in compound files.
#include "COleDocument.h"
#include "CArchive.h"
#include "COleStreamFile.h"
#include "CFileException.h"
#include "CWaitCursor.h"
#include "afxoleglobals.h"
#include "afxres.h"

IMPLEMENT_DYNAMIC(COleDocument, CDocument)

namespace {
const char kContents[] = "Contents";

// A storage call's failure as the file exception the document reports.
[[noreturn]] void ThrowStorageError(HRESULT hr, LPCTSTR lpszPathName)
{
    AfxThrowFileException(AfxFileCauseOfHResult(hr), (LONG)hr, lpszPathName);
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
    HRESULT hr = ::StgOpenStorage(AfxWideName(lpszPathName).c_str(), NULL,
        STGM_READ | STGM_SHARE_DENY_WRITE | STGM_TRANSACTED, NULL, 0, &lpStorage);
    if (FAILED(hr) || lpStorage == NULL)
    {
        CFileException fe(AfxFileCauseOfHResult(hr), (LONG)hr, lpszPathName);
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
    return SaveReplacing(lpszPathName, [&](LPCTSTR lpszTempName) {
        LPSTORAGE lpStorage = NULL;
        HRESULT hr = ::StgCreateDocfile(AfxWideName(lpszTempName).c_str(),
            STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &lpStorage);
        if (FAILED(hr) || lpStorage == NULL)
            ThrowStorageError(hr, lpszPathName);
        ReleaseRootStorage();
        m_lpRootStg = lpStorage;
        try
        {
            SaveToStorage();
            hr = m_lpRootStg->Commit(STGC_DEFAULT);
            if (FAILED(hr))
                ThrowStorageError(hr, lpszPathName);
        }
        catch (CException*)
        {
            ReleaseRootStorage();
            throw;
        }
        ReleaseRootStorage(); // the file must be closed before it replaces the old one
    });
}

void COleDocument::OnCloseDocument()
{
    ReleaseRootStorage();
    CDocument::OnCloseDocument();
}
