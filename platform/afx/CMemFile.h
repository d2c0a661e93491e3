// CMemFile.h: CMemFile, a file held in memory that grows by a given step, or works over a
// caller's buffer.
#pragma once

#include "CFile.h"

class KWAFX_API CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    // Works over the caller's buffer; nGrowBytes 0 keeps it fixed (see Attach).
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    // With nGrowBytes 0 the buffer is the whole file and cannot grow; otherwise the file starts
    // empty and the buffer (which must then come from malloc) is reallocated as it grows. The
    // caller keeps the buffer: take it back with Detach.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Gives up the buffer (allocated with malloc when the file made it) and empties the file.
    BYTE* Detach();

    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetLength() const override;
    void SetLength(DWORD dwNewLen) override;
    DWORD GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;
    BOOL GetBytesRemaining(ULONGLONG& nBytes) const override;
    UINT GetBufferPtr(UINT nCommand, UINT nCount = 0, void** ppBufStart = NULL, void** ppBufMax = NULL) override;

protected:
    virtual BYTE* Alloc(DWORD nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, DWORD nBytes);
    virtual BYTE* Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, UINT nBytes);
    virtual void Free(BYTE* lpMem);
    // Makes the buffer hold at least dwNewLen bytes, or throws CMemoryException.
    virtual void GrowFile(DWORD dwNewLen);

    UINT m_nGrowBytes;
    DWORD m_nPosition;
    DWORD m_nBufferSize;
    DWORD m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete;
};
