// CFile: binary files over CreateFile/ReadFile/WriteFile on Windows and over POSIX descriptors
// elsewhere, with the same errors (CFileException causes) on both.
#include "CFile.h"
#include "CFileException.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = (HANDLE)(LONG_PTR)-1;

namespace {

#ifdef _WIN32
const LONG kNegativeSeekError = ERROR_NEGATIVE_SEEK;

[[noreturn]] void ThrowLastError(LPCSTR lpszFileName)
{
    LONG error = (LONG)::GetLastError();
    AfxThrowFileException(CFileException::OsErrorToException(error), error, lpszFileName);
}

BOOL Position(HANDLE h, LONGLONG offset, DWORD from, LONGLONG& result)
{
    LARGE_INTEGER move, now;
    move.QuadPart = offset;
    if (!::SetFilePointerEx(h, move, &now, from))
        return FALSE;
    result = now.QuadPart;
    return TRUE;
}

BOOL Size(HANDLE h, LONGLONG& result)
{
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(h, &size))
        return FALSE;
    result = size.QuadPart;
    return TRUE;
}

CString FullPath(LPCSTR lpszFileName)
{
    char buffer[MAX_PATH];
    char* pFilePart = NULL;
    DWORD n = ::GetFullPathNameA(lpszFileName, MAX_PATH, buffer, &pFilePart);
    return n != 0 && n < MAX_PATH ? CString(buffer) : CString(lpszFileName);
}
#else
const LONG kNegativeSeekError = EINVAL;

int Fd(HANDLE h)
{
    return (int)(intptr_t)h;
}

[[noreturn]] void ThrowLastError(LPCSTR lpszFileName)
{
    int error = errno;
    AfxThrowFileException(CFileException::ErrnoToException(error), error, lpszFileName);
}

BOOL Position(HANDLE h, LONGLONG offset, int from, LONGLONG& result)
{
    off_t now = lseek(Fd(h), (off_t)offset, from);
    if (now < 0)
        return FALSE;
    result = now;
    return TRUE;
}

// Reads or writes until nCount bytes are through or the file ends, retrying interruptions.
template <class TSysCall, class TBuffer>
UINT Transfer(TSysCall sysCall, int fd, TBuffer* p, UINT nCount, LPCSTR lpszFileName)
{
    UINT nDone = 0;
    while (nDone < nCount) {
        ssize_t n = sysCall(fd, p + nDone, nCount - nDone);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ThrowLastError(lpszFileName);
        if (n == 0)
            break;
        nDone += (UINT)n;
    }
    return nDone;
}

BOOL Size(HANDLE h, LONGLONG& result)
{
    struct stat st;
    if (fstat(Fd(h), &st) != 0)
        return FALSE;
    result = st.st_size;
    return TRUE;
}

CString FullPath(LPCSTR lpszFileName)
{
    if (lpszFileName[0] == '/')
        return CString(lpszFileName);
    char buffer[4096];
    if (getcwd(buffer, sizeof buffer) == NULL)
        return CString(lpszFileName);
    CString path(buffer);
    if (path.Right(1) != "/")
        path += '/';
    return path + lpszFileName;
}
#endif

} // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    // A destructor cannot report a failed close; Abort closes quietly.
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != hFileNull)
        Abort();
    if (lpszFileName == NULL || *lpszFileName == '\0') {
        if (pError != NULL) {
            pError->m_cause = CFileException::badPath;
            pError->m_lOsError = -1;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_strFileName = FullPath(lpszFileName);
    LONG osError = 0;
    int cause = CFileException::none;

#ifdef _WIN32
    DWORD access = 0;
    switch (nOpenFlags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
    }
    DWORD share = 0; // compatibility mode is exclusive, as it always was on Win32
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: break;
    }
    SECURITY_ATTRIBUTES sa = {sizeof(sa), NULL, (nOpenFlags & modeNoInherit) == 0};
    DWORD creation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    HANDLE h = ::CreateFileA(lpszFileName, access, share, &sa, creation, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE) {
        osError = (LONG)::GetLastError();
        cause = CFileException::OsErrorToException(osError);
    }
#else
    int flags = 0;
    switch (nOpenFlags & 3) {
    case modeRead: flags = O_RDONLY; break;
    case modeWrite: flags = O_WRONLY; break;
    default: flags = O_RDWR; break;
    }
    if (nOpenFlags & modeCreate)
        flags |= O_CREAT | ((nOpenFlags & modeNoTruncate) ? 0 : O_TRUNC);
    if (nOpenFlags & modeNoInherit)
        flags |= O_CLOEXEC;
    // Share modes become advisory locks: an exclusive open excludes every other open.
    int lockMode = (nOpenFlags & 0x70) <= shareExclusive ? LOCK_EX : LOCK_SH;
    int fd = open(lpszFileName, flags, 0666);
    if (fd < 0) {
        osError = errno;
        cause = CFileException::ErrnoToException(osError);
    } else if (flock(fd, lockMode | LOCK_NB) != 0) {
        osError = errno;
        cause = CFileException::sharingViolation;
        close(fd);
        fd = -1;
    }
    HANDLE h = (HANDLE)(intptr_t)fd;
#endif

    if (cause != CFileException::none) {
        m_strFileName.Empty();
        if (pError != NULL) {
            pError->m_cause = cause;
            pError->m_lOsError = osError;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = h;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
#ifdef _WIN32
    DWORD nRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &nRead, NULL))
        ThrowLastError(m_strFileName);
    return nRead;
#else
    return Transfer(read, Fd(m_hFile), (char*)lpBuf, nCount, m_strFileName);
#endif
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
#ifdef _WIN32
    DWORD nWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &nWritten, NULL))
        ThrowLastError(m_strFileName);
#else
    UINT nWritten = Transfer(write, Fd(m_hFile), (const char*)lpBuf, nCount, m_strFileName);
#endif
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    if (nFrom > end)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    // Both systems number begin, current and end alike.
    LONGLONG base = 0;
    if (nFrom == current && !Position(m_hFile, 0, current, base))
        ThrowLastError(m_strFileName);
    if (nFrom == end && !Size(m_hFile, base))
        ThrowLastError(m_strFileName);
    LONGLONG target = base + lOff;
    if (target < 0)
        AfxThrowFileException(CFileException::badSeek, kNegativeSeekError, m_strFileName);
    if (target > 0x7FFFFFFF)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    LONGLONG result;
    if (!Position(m_hFile, target, begin, result))
        ThrowLastError(m_strFileName);
    return (LONG)result;
}

DWORD CFile::GetLength() const
{
    LONGLONG size;
    if (!Size(m_hFile, size))
        ThrowLastError(m_strFileName);
    return (DWORD)size;
}

void CFile::SetLength(DWORD dwNewLen)
{
#ifdef _WIN32
    LONGLONG result;
    if (!Position(m_hFile, dwNewLen, begin, result) || !::SetEndOfFile(m_hFile))
        ThrowLastError(m_strFileName);
#else
    LONGLONG result;
    if (ftruncate(Fd(m_hFile), (off_t)dwNewLen) != 0 || !Position(m_hFile, dwNewLen, begin, result))
        ThrowLastError(m_strFileName);
#endif
}

DWORD CFile::GetPosition() const
{
    LONGLONG position;
    if (!Position(m_hFile, 0, current, position))
        ThrowLastError(m_strFileName);
    return (DWORD)position;
}

BOOL CFile::GetBytesRemaining(ULONGLONG& nBytes) const
{
    LONGLONG position, size;
    if (m_hFile == hFileNull || !Position(m_hFile, 0, current, position) || !Size(m_hFile, size))
        return FALSE;
    nBytes = size > position ? (ULONGLONG)(size - position) : 0;
    return TRUE;
}

UINT CFile::GetBufferPtr(UINT, UINT, void**, void**)
{
    return 0;
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
#ifdef _WIN32
    if (!::FlushFileBuffers(m_hFile))
        ThrowLastError(m_strFileName);
#else
    if (fsync(Fd(m_hFile)) != 0 && errno != EINVAL)
        ThrowLastError(m_strFileName);
#endif
}

void CFile::Close()
{
    BOOL bError = FALSE;
    LONG error = 0;
    if (m_hFile != hFileNull) {
#ifdef _WIN32
        bError = !::CloseHandle(m_hFile);
        error = bError ? (LONG)::GetLastError() : 0;
#else
        bError = close(Fd(m_hFile)) != 0;
        error = bError ? errno : 0;
#endif
    }
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString name = m_strFileName;
    m_strFileName.Empty();
    if (bError) {
#ifdef _WIN32
        CFileException::ThrowOsError(error, name);
#else
        CFileException::ThrowErrno(error, name);
#endif
    }
}

void CFile::Abort()
{
    if (m_hFile != hFileNull) {
#ifdef _WIN32
        ::CloseHandle(m_hFile);
#else
        close(Fd(m_hFile));
#endif
        m_hFile = hFileNull;
    }
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CString CFile::GetFileName() const
{
    int n = m_strFileName.GetLength();
    while (n > 0 && strchr("\\/:", m_strFileName[n - 1]) == NULL)
        n--;
    return m_strFileName.Mid(n);
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

void CFile::SetFilePath(LPCSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

void AFXAPI CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
#ifdef _WIN32
    if (!::MoveFileA(lpszOldName, lpszNewName))
        ThrowLastError(lpszOldName);
#else
    // MoveFile refuses to replace an existing file; rename(2) would replace it.
    struct stat st;
    if (lstat(lpszOldName, &st) != 0)
        ThrowLastError(lpszOldName);
    if (lstat(lpszNewName, &st) == 0)
        AfxThrowFileException(CFileException::accessDenied, EEXIST, lpszOldName);
    if (::rename(lpszOldName, lpszNewName) != 0)
        ThrowLastError(lpszOldName);
#endif
}

void AFXAPI CFile::Remove(LPCSTR lpszFileName)
{
#ifdef _WIN32
    if (!::DeleteFileA(lpszFileName))
        ThrowLastError(lpszFileName);
#else
    if (unlink(lpszFileName) != 0)
        ThrowLastError(lpszFileName);
#endif
}
