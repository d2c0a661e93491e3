// COleStreamFile.h: COleStreamFile, a file over an OLE stream (IStream): a stream of a compound
// file's storage or one in memory, read and written as any CFile, under archives too
// (Windows only).
#pragma once

#include "CFile.h"

#include <objidl.h>

class KWAFX_API COleStreamFile : public CFile
{
    DECLARE_DYNAMIC(COleStreamFile)
public:
    // Takes over the caller's reference to lpStream, when given (see Attach).
    explicit COleStreamFile(LPSTREAM lpStream = NULL);
    ~COleStreamFile() override;

    // The file takes over the caller's reference (without AddRef) and releases it on Close,
    // after closing the stream it held before.
    void Attach(LPSTREAM lpStream);
    // Gives the stream and its reference back to the caller, leaving the file closed.
    LPSTREAM Detach();
    IStream* GetStream() const { return m_lpStream; }

    // A new stream in global memory. FALSE on failure, with the cause in *pError when given.
    BOOL CreateMemoryStream(CFileException* pError = NULL);
    // A stream of the storage by name: CreateStream makes it (with modeCreate replacing one of
    // that name, without it failing when there is one), OpenStream opens an existing one. The
    // mode and share flags are CFile's; a storage opens its streams exclusively only. FALSE on
    // failure, with the cause, the OLE status and the stream's name in *pError when given.
    BOOL CreateStream(LPSTORAGE lpStorage, LPCTSTR lpszStreamName,
        DWORD nOpenFlags = modeReadWrite | shareExclusive | modeCreate, CFileException* pError = NULL);
    BOOL OpenStream(LPSTORAGE lpStorage, LPCTSTR lpszStreamName, DWORD nOpenFlags = modeReadWrite | shareExclusive,
        CFileException* pError = NULL);

    // A stream file opens no files by name: throws CNotSupportedException.
    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;
    // As CFile's, failures thrown as CFileException with the OLE status in m_lOsError. Read
    // gives fewer bytes at the end of the stream.
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetLength() const override;
    void SetLength(DWORD dwNewLen) override;
    DWORD GetPosition() const override;
    // Commits the stream.
    void Flush() override;
    // Release the stream (Abort quietly, also when none is open).
    void Close() override;
    void Abort() override;
    BOOL GetBytesRemaining(ULONGLONG& nBytes) const override;

    LPSTREAM m_lpStream;

protected:
    // The stream, or throws CFileException (invalidFile) when none is open.
    LPSTREAM Stream() const;
    // Throws the failure of an OLE call as a CFileException.
    [[noreturn]] void ThrowOleError(HRESULT hr) const;
};
