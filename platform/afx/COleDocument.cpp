// COleDocument.cpp: documents kept in compound files.
#include "COleDocument.h"
#include "CArchive.h"
#include "CArchiveException.h"
#include "CDocfileExtent.h"
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
    if (!CheckWhole(lpszPathName))
        return FALSE;
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
        // The user knows the document's file, not the stream inside it.
        if (e->IsKindOf(RUNTIME_CLASS(CFileException)))
            ((CFileException*)e)->m_strFileName = lpszPathName;
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    // Read whole: the file stays free for others (and for saving over it).
    ReleaseRootStorage();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL COleDocument::CheckWhole(LPCTSTR lpszPathName)
{
    // A compound file cut short opens without complaint and reads stale bytes for what is
    // missing: its sectors are checked against its length first.
    CFile file;
    CFileException fe;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe))
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    int nCause = CArchiveException::none;
    try
    {
        CDocfileExtent::Result result = CDocfileExtent::Check(file);
        nCause = result == CDocfileExtent::cutShort     ? CArchiveException::endOfFile
                 : result == CDocfileExtent::notDocfile ? CArchiveException::badIndex
                                                        : CArchiveException::none;
    }
    catch (CException* e)
    {
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    if (nCause == CArchiveException::none)
        return TRUE;
    CArchiveException ae(nCause, lpszPathName);
    ReportSaveLoadException(lpszPathName, &ae, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
    return FALSE;
}

BOOL COleDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    if (!m_bCompoundFile)
        return CDocument::OnSaveDocument(lpszPathName);
    return SaveReplacing(lpszPathName, [&](LPCTSTR lpszTempName) {
        // The storage is built in memory and written out as a flat file is: the storage's own
        // file writing does not report a full disk reliably (under Wine it never returns).
        LPLOCKBYTES lpBytes = NULL;
        HRESULT hr = ::CreateILockBytesOnHGlobal(NULL, TRUE, &lpBytes);
        if (FAILED(hr))
            ThrowStorageError(hr, lpszPathName);
        try
        {
            LPSTORAGE lpStorage = NULL;
            hr = ::StgCreateDocfileOnILockBytes(lpBytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &lpStorage);
            if (FAILED(hr) || lpStorage == NULL)
                ThrowStorageError(hr, lpszPathName);
            ReleaseRootStorage();
            m_lpRootStg = lpStorage;
            SaveToStorage();
            hr = m_lpRootStg->Commit(STGC_DEFAULT);
            if (FAILED(hr))
                ThrowStorageError(hr, lpszPathName);
            ReleaseRootStorage();
            WriteBytes(lpBytes, lpszTempName, lpszPathName);
        }
        catch (CException*)
        {
            ReleaseRootStorage();
            lpBytes->Release();
            throw;
        }
        lpBytes->Release();
    });
}

void COleDocument::WriteBytes(LPLOCKBYTES lpBytes, LPCTSTR lpszFileName, LPCTSTR lpszPathName)
{
    STATSTG stat = {};
    HGLOBAL hGlobal = NULL;
    HRESULT hr = lpBytes->Stat(&stat, STATFLAG_NONAME);
    if (SUCCEEDED(hr))
        hr = ::GetHGlobalFromILockBytes(lpBytes, &hGlobal);
    if (FAILED(hr))
        ThrowStorageError(hr, lpszPathName);
    const void* pBytes = ::GlobalLock(hGlobal);
    try
    {
        WriteNewFile(lpszFileName, lpszPathName, [&](CFile* pFile) { pFile->Write(pBytes, stat.cbSize.LowPart); });
    }
    catch (CException*)
    {
        ::GlobalUnlock(hGlobal);
        throw;
    }
    ::GlobalUnlock(hGlobal);
}

void COleDocument::OnCloseDocument()
{
    ReleaseRootStorage();
    CDocument::OnCloseDocument();
}
