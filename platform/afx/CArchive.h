// CArchive.h: CArchive, the buffered binary stream that documents serialise through, in the
// framework's published encodings (little-endian values, length-prefixed strings, counts,
// class and object tags), with the insertion and extraction operators of strings and objects.
#pragma once

#include "CObject.h"
#include "CString.h"

#include <cstring>

class CFile;
class CDocument;
struct CArchiveMaps;

class KWAFX_API CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4
    };

    // nBufSize is at least 128; lpBuf, when given, is the caller's buffer of nBufSize bytes.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
    // Closes (flushing what is stored) unless made with bNoFlushOnDelete; never throws.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    // Loading: TRUE when every byte read from the file so far has been consumed.
    BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
    CFile* GetFile() const { return m_pFile; }

    // Storing: writes the buffer to the file. Loading: moves the file back to the archive's
    // position, dropping what was read ahead.
    void Flush();
    void Close();
    // Lets go of the file without writing anything more; never throws.
    void Abort();

    // Raw bytes. Read returns fewer than nMax only at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);

    // Text lines: WriteString writes the characters only; ReadString reads up to a "\n" or
    // "\r\n" (a lone "\r" also ends a line) and drops it. FALSE / NULL at the end of the file.
    void WriteString(LPCSTR lpsz);
    BOOL ReadString(CString& rString);
    // Reads a line into lpsz, which holds nMax bytes: at most nMax - 1 characters and the
    // terminator; a longer line is continued by the next call.
    LPSTR ReadString(LPSTR lpsz, UINT nMax);

    // Element counts: a WORD, or 0xFFFF and a DWORD. Reading refuses a count larger than the
    // bytes left in the file, since every element takes one byte at least.
    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    // Throws CArchiveException::endOfFile unless nBytes more bytes can still be read. Files
    // that cannot tell their length pass every check.
    void EnsureRemaining(ULONGLONG nBytes);

    // Objects and classes, with back references to what was already written. Reading refuses
    // objects nested deeper than nMaxObjectDepth inside one another (badIndex), so a forged
    // file cannot exhaust the stack.
    enum { nMaxObjectDepth = 1000 };
    void WriteObject(const CObject* pOb);
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    void WriteClass(const CRuntimeClass* pClassRef);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL, UINT* pSchema = NULL,
                             DWORD* pObTag = NULL);
    void SerializeClass(const CRuntimeClass* pClassRef);
    // Numbers an object as if it had been written (or read), so later references reach it.
    void MapObject(const CObject* pOb);
    // Sizes of the tables of objects; before the first object only.
    void SetStoreParams(UINT nHashSize = 2053, UINT nBlockSize = 128);
    void SetLoadParams(UINT nGrowBy = 1024);

    // The schema of the object being read, for classes with VERSIONABLE_SCHEMA; reading it
    // resets it to (UINT)-1.
    UINT GetObjectSchema()
    {
        UINT nResult = m_nObjectSchema;
        m_nObjectSchema = (UINT)-1;
        return nResult;
    }
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Primitive values: fixed sizes, little-endian.
    CArchive& operator<<(BYTE by) { return Put(by); }
    CArchive& operator<<(WORD w) { return Put(w); }
    CArchive& operator<<(LONG l) { return Put(l); }
    CArchive& operator<<(DWORD dw) { return Put(dw); }
    CArchive& operator<<(float f) { return Put(f); }
    CArchive& operator<<(double d) { return Put(d); }
    CArchive& operator<<(LONGLONG n) { return Put(n); }
    CArchive& operator<<(ULONGLONG n) { return Put(n); }
    CArchive& operator<<(char ch) { return Put((BYTE)ch); }
    CArchive& operator<<(signed char ch) { return Put((BYTE)ch); }
    CArchive& operator<<(short s) { return Put((WORD)s); }
    CArchive& operator<<(bool b) { return Put((BYTE)(b ? 1 : 0)); }
    CArchive& operator<<(wchar_t ch) { return Put((WORD)ch); }
#ifdef _WIN32
    // Natively LONG and DWORD are int and unsigned int already.
    CArchive& operator<<(int i) { return Put((LONG)i); }
    CArchive& operator<<(unsigned int u) { return Put((LONG)u); }
#endif

    CArchive& operator>>(BYTE& by) { return Get(by); }
    CArchive& operator>>(WORD& w) { return Get(w); }
    CArchive& operator>>(LONG& l) { return Get(l); }
    CArchive& operator>>(DWORD& dw) { return Get(dw); }
    CArchive& operator>>(float& f) { return Get(f); }
    CArchive& operator>>(double& d) { return Get(d); }
    CArchive& operator>>(LONGLONG& n) { return Get(n); }
    CArchive& operator>>(ULONGLONG& n) { return Get(n); }
    CArchive& operator>>(char& ch) { return Get(reinterpret_cast<BYTE&>(ch)); }
    CArchive& operator>>(signed char& ch) { return Get(reinterpret_cast<BYTE&>(ch)); }
    CArchive& operator>>(short& s) { return Get(reinterpret_cast<WORD&>(s)); }
    CArchive& operator>>(bool& b)
    {
        BYTE by;
        Get(by);
        b = by != 0;
        return *this;
    }
    CArchive& operator>>(wchar_t& ch)
    {
        WORD w;
        Get(w);
        ch = (wchar_t)w;
        return *this;
    }
#ifdef _WIN32
    CArchive& operator>>(int& i) { return Get(reinterpret_cast<LONG&>(i)); }
    CArchive& operator>>(unsigned int& u) { return Get(reinterpret_cast<LONG&>(u)); }
#endif

    // Text is written as a CString would be; without this a literal would go out as a bool.
    CArchive& operator<<(LPCSTR lpsz)
    {
        return PutString(CString(lpsz));
    }

    CArchive& operator<<(const CObject* pOb)
    {
        WriteObject(pOb);
        return *this;
    }
    CArchive& operator>>(CObject*& pOb)
    {
        pOb = ReadObject(NULL);
        return *this;
    }
    CArchive& operator>>(const CObject*& pOb)
    {
        pOb = ReadObject(NULL);
        return *this;
    }

    CDocument* m_pDocument; // the document being read or written, for objects that need it
    CString m_strFileName; // the file's path, reported in exceptions

protected:
    // The fast paths: a bounds check and a copy. The slow paths refill or empty the buffer
    // and check the direction.
    template <class T>
    CArchive& Put(T value)
    {
        if (m_lpBufCur + sizeof(T) > m_lpStoreMax)
            MakeRoom(sizeof(T));
        memcpy(m_lpBufCur, &value, sizeof(T));
        m_lpBufCur += sizeof(T);
        return *this;
    }
    template <class T>
    CArchive& Get(T& value)
    {
        if (m_lpBufCur + sizeof(T) > m_lpLoadMax)
            FillBuffer(sizeof(T));
        memcpy(&value, m_lpBufCur, sizeof(T));
        m_lpBufCur += sizeof(T);
        return *this;
    }
    // Storing: flushes so that nBytes fit. Loading: throws readOnly.
    void MakeRoom(UINT nBytes);
    // Loading: reads until nBytes are buffered, or throws endOfFile. Storing: throws writeOnly.
    void FillBuffer(UINT nBytes);
    // Loading: reads until nBytes are buffered or the file ends; returns the bytes buffered.
    UINT FillBufferUpTo(UINT nBytes);
    // The bytes the archive can still read: buffered plus left in the file; FALSE if unknown.
    BOOL GetBytesRemaining(ULONGLONG& nBytes) const;
    // The next byte without consuming it; FALSE at the end of the file.
    BOOL PeekByte(BYTE& by);
    BOOL NextLineChar(BYTE& ch);
    void CheckCount();
    // A reference to a class or object already written: its index, tagged for classes.
    void WriteReference(DWORD nIndex, bool bClass);
    [[noreturn]] void Throw(int cause) const;
    // Points every limit at the start of the archive's own buffer: nothing to read or fill.
    void Park();

    // Copies a string's characters (fewer than 255) in a few word moves, the last one
    // overlapping the one before rather than running past the end: the C library's memcpy
    // costs more in its call and set-up than the copy itself at these lengths.
    static void CopyShort(BYTE* pTo, const BYTE* pFrom, UINT nLen)
    {
        if (nLen >= 16) {
            for (UINT i = 0; i + 16 < nLen; i += 16)
                memcpy(pTo + i, pFrom + i, 16);
            memcpy(pTo + nLen - 16, pFrom + nLen - 16, 16);
        } else if (nLen >= 8) {
            memcpy(pTo, pFrom, 8);
            memcpy(pTo + nLen - 8, pFrom + nLen - 8, 8);
        } else if (nLen >= 4) {
            memcpy(pTo, pFrom, 4);
            memcpy(pTo + nLen - 4, pFrom + nLen - 4, 4);
        } else if (nLen != 0) {
            pTo[0] = pFrom[0];
            pTo[nLen / 2] = pFrom[nLen / 2];
            pTo[nLen - 1] = pFrom[nLen - 1];
        }
    }

    // Strings: short ones that fit the buffer inline, the rest out of line.
    CArchive& PutString(const CString& string)
    {
        UINT nLen = (UINT)string.GetLength();
        if (nLen < 0xFF && m_lpBufCur + 1 + nLen <= m_lpStoreMax) {
            *m_lpBufCur = (BYTE)nLen;
            CopyShort(m_lpBufCur + 1, (const BYTE*)(LPCSTR)string, nLen);
            m_lpBufCur += 1 + nLen;
            return *this;
        }
        return PutLongString(string);
    }
    CArchive& GetString(CString& string)
    {
        // A short string whole in the buffer cannot fail once the string is changed.
        if (m_lpBufCur < m_lpLoadMax && *m_lpBufCur < 0xFF && m_lpBufCur + 1 + *m_lpBufCur <= m_lpLoadMax) {
            UINT nLen = *m_lpBufCur;
            if (nLen == 0)
                string.Empty();
            else
                CopyShort((BYTE*)string.GetBufferSetLength((int)nLen), m_lpBufCur + 1, nLen);
            m_lpBufCur += 1 + nLen;
            return *this;
        }
        return GetLongString(string);
    }
    CArchive& PutLongString(const CString& string);
    CArchive& GetLongString(CString& string);

    friend CArchive& operator<<(CArchive& ar, const CString& string);
    friend CArchive& operator>>(CArchive& ar, CString& string);

    UINT m_nMode;
    UINT m_nObjectSchema;
    CFile* m_pFile;
    // The span in use: the buffer, or the file's memory when buffering directly.
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax; // storing: end of the span; loading: end of the bytes read
    // Limits of the fast paths: the one of the other direction is the buffer start, so a
    // value of the wrong direction always takes the slow path and is refused there.
    BYTE* m_lpStoreMax;
    BYTE* m_lpLoadMax;
    UINT m_nBufSize;
    BOOL m_bUserBuf;
    BYTE* m_lpBuffer; // the archive's own (or the caller's) buffer
    // Over a memory file the archive works in the file's own memory instead of its buffer.
    BOOL m_bDirectBuffer;
    DWORD m_nMapCount; // next index of the shared class and object numbering (0 is NULL)
    UINT m_nDepth; // objects being read inside one another
    UINT m_nHashSize;
    UINT m_nGrowSize;
    CArchiveMaps* m_pMaps;
};

// Strings: the length (a BYTE below 0xFF; 0xFF and a WORD below 0xFFFE; 0xFF, 0xFFFF and a
// DWORD), then the characters. Reading also accepts UTF-16 strings, marked by 0xFF 0xFFFE
// before the length, and converts them to the ANSI code page.
inline CArchive& operator<<(CArchive& ar, const CString& string)
{
    return ar.PutString(string);
}
inline CArchive& operator>>(CArchive& ar, CString& string)
{
    return ar.GetString(string);
}

#ifndef _WIN32
// Natively long may be 64 bits wide; archives hold it as Windows does, in 32 bits, so that a
// document reads the same in every build. A value 32 bits cannot hold is refused
// (CArchiveException::genericException) rather than cut.
KWAFX_API CArchive& operator<<(CArchive& ar, long l);
KWAFX_API CArchive& operator<<(CArchive& ar, unsigned long u);
KWAFX_API CArchive& operator>>(CArchive& ar, long& l);
KWAFX_API CArchive& operator>>(CArchive& ar, unsigned long& u);
#endif
