// CMemFile: a file in one growable block of memory.
#include "CMemFile.h"
#include "CFileException.h"
#include "CMemoryException.h"
#include "CNotSupportedException.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

// Positions are LONG: a memory file never grows past what Seek can address.
static const DWORD kMaxMemFileSize = 0x7FFFFFFF;

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0),
      m_lpBuffer(NULL), m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : CMemFile(0)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    if (m_lpBuffer != NULL)
        Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    if (m_lpBuffer != NULL)
        Close();
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_nBufferSize = lpBuffer != NULL ? nBufferSize : 0;
    m_nFileSize = nGrowBytes == 0 ? m_nBufferSize : 0;
    m_lpBuffer = lpBuffer;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = NULL;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
    return lpBuffer;
}

BOOL CMemFile::Open(LPCSTR, UINT, CFileException*)
{
    AfxThrowNotSupportedException();
}

BYTE* CMemFile::Alloc(DWORD nBytes)
{
    return (BYTE*)malloc(nBytes);
}

BYTE* CMemFile::Realloc(BYTE* lpMem, DWORD nBytes)
{
    return (BYTE*)realloc(lpMem, nBytes);
}

BYTE* CMemFile::Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, UINT nBytes)
{
    return (BYTE*)memcpy(lpMemTarget, lpMemSource, nBytes);
}

void CMemFile::Free(BYTE* lpMem)
{
    free(lpMem);
}

void CMemFile::GrowFile(DWORD dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0 || dwNewLen > kMaxMemFileSize)
        AfxThrowMemoryException();
    // Double the buffer at least, so that writing a large file in small pieces copies it a
    // bounded number of times; sizes stay multiples of the grow step.
    ULONGLONG wanted = (ULONGLONG)m_nBufferSize * 2;
    if (wanted < dwNewLen)
        wanted = dwNewLen;
    wanted = (wanted + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    if (wanted > kMaxMemFileSize)
        wanted = dwNewLen;
    BYTE* lpNew = m_lpBuffer == NULL ? Alloc((DWORD)wanted) : Realloc(m_lpBuffer, (DWORD)wanted);
    if (lpNew == NULL)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = (DWORD)wanted;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    UINT nRead = m_nFileSize - m_nPosition < nCount ? m_nFileSize - m_nPosition : nCount;
    Memcpy((BYTE*)lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    ULONGLONG newEnd = (ULONGLONG)m_nPosition + nCount;
    if (newEnd > kMaxMemFileSize)
        AfxThrowMemoryException();
    if (newEnd > m_nBufferSize)
        GrowFile((DWORD)newEnd);
    // Bytes skipped by a seek past the end read back as zeros, as in a disk file.
    if (m_nPosition > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    Memcpy(m_lpBuffer + m_nPosition, (const BYTE*)lpBuf, nCount);
    m_nPosition = (DWORD)newEnd;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

LONG CMemFile::Seek(LONG lOff, UINT nFrom)
{
    LONGLONG base;
    switch (nFrom) {
    case begin: base = 0; break;
    case current: base = m_nPosition; break;
    case end: base = m_nFileSize; break;
    default: AfxThrowFileException(CFileException::badSeek);
    }
    LONGLONG target = base + lOff;
    if (target < 0 || target > (LONGLONG)kMaxMemFileSize)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = (DWORD)target;
    return (LONG)m_nPosition;
}

DWORD CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(DWORD dwNewLen)
{
    if (dwNewLen > m_nBufferSize)
        GrowFile(dwNewLen);
    if (dwNewLen > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, dwNewLen - m_nFileSize);
    if (dwNewLen < m_nPosition)
        m_nPosition = dwNewLen;
    m_nFileSize = dwNewLen;
}

DWORD CMemFile::GetPosition() const
{
    return m_nPosition;
}

BOOL CMemFile::GetBytesRemaining(ULONGLONG& nBytes) const
{
    nBytes = m_nPosition < m_nFileSize ? m_nFileSize - m_nPosition : 0;
    return TRUE;
}

UINT CMemFile::GetBufferPtr(UINT nCommand, UINT nCount, void** ppBufStart, void** ppBufMax)
{
    switch (nCommand) {
    case bufferCheck:
        return bufferDirect;
    case bufferCommit:
        if (nCount == 0)
            return 0;
        Seek((LONG)nCount, current);
        if (m_nPosition > m_nFileSize)
            m_nFileSize = m_nPosition;
        return 0;
    case bufferWrite: {
        ULONGLONG wanted = (ULONGLONG)m_nPosition + nCount;
        if (wanted > m_nBufferSize && m_nGrowBytes != 0)
            GrowFile((DWORD)(wanted < kMaxMemFileSize ? wanted : kMaxMemFileSize));
        // What lies between the end of the data and the position reads back as zeros.
        if (m_nPosition > m_nFileSize && m_nPosition <= m_nBufferSize)
            memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
        DWORD nEnd = wanted < m_nBufferSize ? (DWORD)wanted : m_nBufferSize;
        nCount = nEnd > m_nPosition ? nEnd - m_nPosition : 0;
        break;
    }
    case bufferRead: {
        DWORD nLeft = m_nFileSize > m_nPosition ? m_nFileSize - m_nPosition : 0;
        nCount = nCount < nLeft ? nCount : nLeft;
        break;
    }
    default:
        return 0;
    }
    // An empty span still points into (or at) the buffer, never past it.
    BYTE* pStart = nCount != 0 ? m_lpBuffer + m_nPosition : m_lpBuffer;
    *ppBufStart = pStart;
    *ppBufMax = pStart + nCount;
    if (nCommand == bufferRead)
        m_nPosition += nCount;
    return nCount;
}

void CMemFile::Flush() {}

void CMemFile::Close()
{
    m_nPosition = m_nBufferSize = m_nFileSize = 0;
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = NULL;
}

void CMemFile::Abort()
{
    Close();
}
