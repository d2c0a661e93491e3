// COleStreamFile.cpp: CFile operations as IStream calls, OLE failures as file exceptions.
#include "COleStreamFile.h"
#include "afxoleglobals.h"
#include "CFileException.h"
#include "CNotSupportedException.h"

#include <string>

IMPLEMENT_DYNAMIC(COleStreamFile, CFile)

namespace {

// FALSE after filling *pError (when given) with the failure.
BOOL Fail(CFileException* pError, HRESULT hr, int cause, LPCTSTR lpszName)
{
    if (pError != NULL)
    {
        pError->m_cause = cause;
        pError->m_lOsError = (LONG)hr;
        pError->m_strFileName = lpszName;
    }
    return FALSE;
}

// The storage's mode for CFile's flags: the access and share modes have the same values; the
// compatibility share mode means exclusive, as with CFile.
DWORD StorageMode(DWORD nOpenFlags, BOOL bCreate)
{
    DWORD nMode = nOpenFlags & (CFile::modeWrite | CFile::modeReadWrite);
    DWORD nShare = nOpenFlags & 0x70;
    nMode |= nShare == CFile::shareCompat ? STGM_SHARE_EXCLUSIVE : nShare;
    if (bCreate && (nOpenFlags & CFile::modeCreate))
        nMode |= STGM_CREATE;
    return nMode;
}

} // namespace

COleStreamFile::COleStreamFile(LPSTREAM lpStream) : m_lpStream(lpStream) {}

COleStreamFile::~COleStreamFile()
{
    Abort();
}

void COleStreamFile::Attach(LPSTREAM lpStream)
{
    if (lpStream == m_lpStream)
        return;
    Abort();
    m_lpStream = lpStream;
}

LPSTREAM COleStreamFile::Detach()
{
    LPSTREAM lpStream = m_lpStream;
    m_lpStream = NULL;
    m_strFileName.Empty();
    return lpStream;
}

BOOL COleStreamFile::CreateMemoryStream(CFileException* pError)
{
    Abort();
    LPSTREAM lpStream = NULL;
    HRESULT hr = ::CreateStreamOnHGlobal(NULL, TRUE, &lpStream);
    if (FAILED(hr))
        return Fail(pError, hr, CFileException::genericException, NULL);
    m_lpStream = lpStream;
    return TRUE;
}

BOOL COleStreamFile::CreateStream(LPSTORAGE lpStorage, LPCTSTR lpszStreamName, DWORD nOpenFlags,
    CFileException* pError)
{
    Abort();
    if (lpStorage == NULL)
        return Fail(pError, E_POINTER, CFileException::invalidFile, lpszStreamName);
    if (lpszStreamName == NULL || *lpszStreamName == '\0')
        return Fail(pError, STG_E_INVALIDNAME, CFileException::badPath, lpszStreamName);
    LPSTREAM lpStream = NULL;
    HRESULT hr = lpStorage->CreateStream(AfxWideName(lpszStreamName).c_str(), StorageMode(nOpenFlags, TRUE), 0, 0, &lpStream);
    if (FAILED(hr))
        return Fail(pError, hr, AfxFileCauseOfHResult(hr), lpszStreamName);
    m_lpStream = lpStream;
    m_strFileName = lpszStreamName;
    return TRUE;
}

BOOL COleStreamFile::OpenStream(LPSTORAGE lpStorage, LPCTSTR lpszStreamName, DWORD nOpenFlags,
    CFileException* pError)
{
    Abort();
    if (lpStorage == NULL)
        return Fail(pError, E_POINTER, CFileException::invalidFile, lpszStreamName);
    if (lpszStreamName == NULL || *lpszStreamName == '\0')
        return Fail(pError, STG_E_INVALIDNAME, CFileException::badPath, lpszStreamName);
    LPSTREAM lpStream = NULL;
    HRESULT hr = lpStorage->OpenStream(AfxWideName(lpszStreamName).c_str(), NULL, StorageMode(nOpenFlags, FALSE), 0, &lpStream);
    if (FAILED(hr))
        return Fail(pError, hr, AfxFileCauseOfHResult(hr), lpszStreamName);
    m_lpStream = lpStream;
    m_strFileName = lpszStreamName;
    return TRUE;
}

BOOL COleStreamFile::Open(LPCSTR, UINT, CFileException*)
{
    AfxThrowNotSupportedException();
}

LPSTREAM COleStreamFile::Stream() const
{
    if (m_lpStream == NULL)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    return m_lpStream;
}

void COleStreamFile::ThrowOleError(HRESULT hr) const
{
    AfxThrowFileException(AfxFileCauseOfHResult(hr), (LONG)hr, m_strFileName);
}

UINT COleStreamFile::Read(void* lpBuf, UINT nCount)
{
    LPSTREAM lpStream = Stream();
    if (nCount == 0)
        return 0;
    ULONG nRead = 0;
    HRESULT hr = lpStream->Read(lpBuf, nCount, &nRead);
    if (FAILED(hr))
        ThrowOleError(hr);
    return nRead;
}

void COleStreamFile::Write(const void* lpBuf, UINT nCount)
{
    LPSTREAM lpStream = Stream();
    if (nCount == 0)
        return;
    ULONG nWritten = 0;
    HRESULT hr = lpStream->Write(lpBuf, nCount, &nWritten);
    if (FAILED(hr))
        ThrowOleError(hr);
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

LONG COleStreamFile::Seek(LONG lOff, UINT nFrom)
{
    LPSTREAM lpStream = Stream();
    LONGLONG base = 0;
    switch (nFrom)
    {
    case begin: break;
    case current: base = GetPosition(); break;
    case end: base = GetLength(); break;
    default: AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    }
    // Positions are LONG, as with CFile; a target outside them is refused before the stream moves.
    LONGLONG target = base + lOff;
    if (target < 0 || target > 0x7FFFFFFF)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    LARGE_INTEGER move;
    move.QuadPart = target;
    ULARGE_INTEGER now;
    HRESULT hr = lpStream->Seek(move, STREAM_SEEK_SET, &now);
    if (FAILED(hr))
        ThrowOleError(hr);
    return (LONG)now.QuadPart;
}

DWORD COleStreamFile::GetLength() const
{
    STATSTG stat;
    HRESULT hr = Stream()->Stat(&stat, STATFLAG_NONAME);
    if (FAILED(hr))
        ThrowOleError(hr);
    return (DWORD)stat.cbSize.QuadPart;
}

void COleStreamFile::SetLength(DWORD dwNewLen)
{
    ULARGE_INTEGER size;
    size.QuadPart = dwNewLen;
    HRESULT hr = Stream()->SetSize(size);
    if (FAILED(hr))
        ThrowOleError(hr);
}

DWORD COleStreamFile::GetPosition() const
{
    LARGE_INTEGER zero;
    zero.QuadPart = 0;
    ULARGE_INTEGER now;
    HRESULT hr = Stream()->Seek(zero, STREAM_SEEK_CUR, &now);
    if (FAILED(hr))
        ThrowOleError(hr);
    return (DWORD)now.QuadPart;
}

BOOL COleStreamFile::GetBytesRemaining(ULONGLONG& nBytes) const
{
    if (m_lpStream == NULL)
        return FALSE;
    STATSTG stat;
    LARGE_INTEGER zero;
    zero.QuadPart = 0;
    ULARGE_INTEGER now;
    if (FAILED(m_lpStream->Stat(&stat, STATFLAG_NONAME)) || FAILED(m_lpStream->Seek(zero, STREAM_SEEK_CUR, &now)))
        return FALSE;
    nBytes = stat.cbSize.QuadPart > now.QuadPart ? stat.cbSize.QuadPart - now.QuadPart : 0;
    return TRUE;
}

void COleStreamFile::Flush()
{
    if (m_lpStream == NULL)
        return;
    HRESULT hr = m_lpStream->Commit(STGC_DEFAULT);
    if (FAILED(hr))
        ThrowOleError(hr);
}

void COleStreamFile::Close()
{
    Abort();
}

void COleStreamFile::Abort()
{
    if (m_lpStream != NULL)
        m_lpStream->Release();
    m_lpStream = NULL;
    m_strFileName.Empty();
}
