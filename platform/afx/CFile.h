// CFile.h: CFile, an unbuffered binary file on a system handle (the base of memory files and
// the file under every archive).
#pragma once

#include "CObject.h"
#include "CString.h"

class CFileException;

class KWAFX_API CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = (int)0x8000
    };
    enum SeekPosition
    {
        begin = 0x0,
        current = 0x1,
        end = 0x2
    };

    // The handle of a CFile that is not open (INVALID_HANDLE_VALUE).
    static const HANDLE hFileNull;

    CFile();
    // Wraps a handle the caller keeps: it is not closed on destruction.
    explicit CFile(HANDLE hFile);
    // Opens or throws CFileException.
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    // FALSE on failure, with the cause in *pError when given.
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual LONG Seek(LONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    DWORD SeekToEnd() { return (DWORD)Seek(0, end); }
    virtual DWORD GetLength() const;
    virtual void SetLength(DWORD dwNewLen);
    virtual DWORD GetPosition() const;
    virtual void Flush();
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();

    // The name and extension of the file, and its full path.
    virtual CString GetFileName() const;
    virtual CString GetFilePath() const;
    virtual void SetFilePath(LPCSTR lpszNewName);

    static void AFXAPI Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
    static void AFXAPI Remove(LPCSTR lpszFileName);

    // The bytes between the position and the end; FALSE when the file cannot tell (a pipe, or
    // no open handle). Archives use it to refuse lengths the data cannot hold.
    virtual BOOL GetBytesRemaining(ULONGLONG& nBytes) const;

    // Direct access to a file's own memory, for archives over memory files. bufferCheck
    // answers bufferDirect when the file offers it. bufferRead claims up to nCount bytes from
    // the position ((UINT)-1: all), bufferWrite makes room for nCount bytes at the position
    // (perhaps fewer if the file cannot grow), both returning the span in *ppBufStart and
    // *ppBufMax and its size; bufferCommit moves the position past nCount bytes written there.
    enum BufferCommand
    {
        bufferRead,
        bufferWrite,
        bufferCommit,
        bufferCheck
    };
    enum BufferFlags
    {
        bufferDirect = 1
    };
    virtual UINT GetBufferPtr(UINT nCommand, UINT nCount = 0, void** ppBufStart = NULL, void** ppBufMax = NULL);

    HANDLE m_hFile;
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};
