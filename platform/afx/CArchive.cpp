// CArchive: buffering, strings, counts, and the numbering of classes and objects that lets an
// archive refer back to what it has already written or read.
#include "CArchive.h"
#include "CArchiveException.h"
#include "CFile.h"
#include "CMemoryException.h"
#include "CNotSupportedException.h"

#include <cstdlib>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

// Tags of the object stream.
const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const DWORD dwBigClassTag = 0x80000000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD nMaxMapCount = 0x3FFFFFFE;

// The longest class name a reader accepts.
const UINT nMaxClassName = 64;

// Large strings from files that cannot tell their length are read this much at a time, so a
// forged length costs no more memory than the data really there.
const UINT nStringChunk = 64 * 1024;

} // namespace

// What was read, by index; each entry knows whether it is a class or an object, so a
// reference of the wrong kind is refused instead of misused.
struct CArchiveMaps
{
    struct LoadEntry
    {
        void* p;
        bool isClass;
    };
    std::unordered_map<const void*, DWORD> storeMap;
    std::vector<LoadEntry> loadArray;
    // Versionable classes read with a schema other than their own.
    std::unordered_map<const CRuntimeClass*, UINT> schemaMap;
};

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pDocument(NULL), m_nMode(nMode), m_nObjectSchema((UINT)-1), m_pFile(pFile),
      m_nMapCount(1), m_nDepth(0), m_nHashSize(2053), m_nGrowSize(1024), m_pMaps(NULL)
{
    if (pFile != NULL)
        m_strFileName = pFile->GetFilePath();
    // Every primitive value must fit in the buffer at once.
    if (nBufSize < 128) {
        nBufSize = 128;
        lpBuf = NULL;
    }
    m_nBufSize = (UINT)nBufSize;
    m_bUserBuf = lpBuf != NULL;
    // Through operator new, as all of the framework's memory: a host's own operator new sees it.
    m_lpBuffer = m_bUserBuf ? (BYTE*)lpBuf : (BYTE*)::operator new(m_nBufSize, std::nothrow);
    if (m_lpBuffer == NULL)
        AfxThrowMemoryException();
    m_bDirectBuffer = pFile != NULL && (pFile->GetBufferPtr(CFile::bufferCheck) & CFile::bufferDirect);
    if (m_bDirectBuffer || IsLoading()) {
        Park();
    } else {
        m_lpBufStart = m_lpBufCur = m_lpBuffer;
        m_lpBufMax = m_lpStoreMax = m_lpBuffer + m_nBufSize;
        m_lpLoadMax = m_lpBuffer;
    }
}

CArchive::~CArchive()
{
    try {
        if (m_pFile != NULL && !(m_nMode & bNoFlushOnDelete))
            Close();
    } catch (CException* e) {
        e->Delete();
    }
    Abort();
    if (!m_bUserBuf)
        ::operator delete(m_lpBuffer);
    delete m_pMaps;
}

void CArchive::Throw(int cause) const
{
    AfxThrowArchiveException(cause, m_strFileName);
}

void CArchive::Park()
{
    m_lpBufStart = m_lpBufCur = m_lpBufMax = m_lpStoreMax = m_lpLoadMax = m_lpBuffer;
}

void CArchive::Flush()
{
    if (m_pFile == NULL)
        return;
    if (IsLoading()) {
        // Give back what was read ahead, so that the file stands where the archive does.
        if (m_lpBufMax != m_lpBufCur)
            m_pFile->Seek(-(LONG)(m_lpBufMax - m_lpBufCur), CFile::current);
        if (m_bDirectBuffer)
            Park();
        else
            m_lpBufCur = m_lpBufMax;
    } else if (m_bDirectBuffer) {
        UINT n = (UINT)(m_lpBufCur - m_lpBufStart);
        Park();
        if (n != 0)
            m_pFile->GetBufferPtr(CFile::bufferCommit, n);
    } else {
        UINT n = (UINT)(m_lpBufCur - m_lpBufStart);
        m_lpBufCur = m_lpBufStart;
        if (n != 0)
            m_pFile->Write(m_lpBufStart, n);
    }
}

void CArchive::Close()
{
    Flush();
    Abort();
}

void CArchive::Abort()
{
    // Every later operation takes the slow path and is refused there.
    m_pFile = NULL;
    Park();
}

void CArchive::MakeRoom(UINT nBytes)
{
    if (IsLoading())
        Throw(CArchiveException::readOnly);
    if (m_pFile == NULL)
        Throw(CArchiveException::genericException);
    Flush();
    if (m_bDirectBuffer) {
        void *pStart, *pMax;
        UINT nGot = m_pFile->GetBufferPtr(CFile::bufferWrite, nBytes > m_nBufSize ? nBytes : m_nBufSize,
                                         &pStart, &pMax);
        // A memory file that cannot grow has no room left.
        if (nGot < nBytes)
            AfxThrowMemoryException();
        // The file's memory is not the archive's buffer: every limit is set within it, or a
        // comparison with the parked buffer would let a read through, by where memory happens to lie.
        m_lpBufStart = m_lpBufCur = m_lpLoadMax = (BYTE*)pStart;
        m_lpBufMax = m_lpStoreMax = (BYTE*)pMax;
    }
}

UINT CArchive::FillBufferUpTo(UINT nBytes)
{
    if (IsStoring())
        Throw(CArchiveException::writeOnly);
    if (m_pFile == NULL)
        Throw(CArchiveException::genericException);
    UINT nHave = (UINT)(m_lpBufMax - m_lpBufCur);
    if (nHave >= nBytes)
        return nHave;
    if (m_bDirectBuffer) {
        // Claim everything left in the file, starting again from the first unread byte.
        if (nHave != 0)
            m_pFile->Seek(-(LONG)nHave, CFile::current);
        void *pStart, *pMax;
        nHave = m_pFile->GetBufferPtr(CFile::bufferRead, (UINT)-1, &pStart, &pMax);
        if (nHave == 0) {
            Park();
        } else {
            m_lpBufStart = m_lpBufCur = m_lpStoreMax = (BYTE*)pStart;
            m_lpBufMax = m_lpLoadMax = (BYTE*)pMax;
        }
        return nHave;
    }
    memmove(m_lpBufStart, m_lpBufCur, nHave);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + nHave;
    while (nHave < nBytes) {
        UINT n = m_pFile->Read(m_lpBufMax, m_nBufSize - nHave);
        if (n == 0)
            break;
        nHave += n;
        m_lpBufMax += n;
    }
    m_lpLoadMax = m_lpBufMax;
    return nHave;
}

void CArchive::FillBuffer(UINT nBytes)
{
    if (FillBufferUpTo(nBytes) < nBytes)
        Throw(CArchiveException::endOfFile);
}

BOOL CArchive::PeekByte(BYTE& by)
{
    if (m_lpBufCur == m_lpBufMax && FillBufferUpTo(1) == 0)
        return FALSE;
    by = *m_lpBufCur;
    return TRUE;
}

BOOL CArchive::GetBytesRemaining(ULONGLONG& nBytes) const
{
    ULONGLONG nInFile;
    if (!IsLoading() || m_pFile == NULL || !m_pFile->GetBytesRemaining(nInFile))
        return FALSE;
    nBytes = nInFile + (ULONGLONG)(m_lpBufMax - m_lpBufCur);
    return TRUE;
}

void CArchive::EnsureRemaining(ULONGLONG nBytes)
{
    if (nBytes <= (ULONGLONG)(m_lpBufMax - m_lpBufCur))
        return;
    ULONGLONG nRemaining;
    if (GetBytesRemaining(nRemaining) && nRemaining < nBytes)
        Throw(CArchiveException::endOfFile);
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (IsStoring())
        Throw(CArchiveException::writeOnly);
    if (nMax == 0 || m_pFile == NULL)
        return 0;
    BYTE* p = (BYTE*)lpBuf;
    UINT nLeft = nMax;
    UINT n = (UINT)(m_lpBufMax - m_lpBufCur) < nLeft ? (UINT)(m_lpBufMax - m_lpBufCur) : nLeft;
    memcpy(p, m_lpBufCur, n);
    m_lpBufCur += n;
    p += n;
    nLeft -= n;
    // What the buffer could not hold comes straight from the file.
    while (!m_bDirectBuffer && nLeft >= m_nBufSize) {
        UINT nRead = m_pFile->Read(p, nLeft);
        if (nRead == 0)
            return nMax - nLeft;
        p += nRead;
        nLeft -= nRead;
    }
    if (nLeft > 0) {
        UINT nHave = FillBufferUpTo(nLeft);
        n = nHave < nLeft ? nHave : nLeft;
        memcpy(p, m_lpBufCur, n);
        m_lpBufCur += n;
        nLeft -= n;
    }
    return nMax - nLeft;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (IsLoading())
        Throw(CArchiveException::readOnly);
    if (m_pFile == NULL)
        Throw(CArchiveException::genericException);
    const BYTE* p = (const BYTE*)lpBuf;
    UINT nRoom = (UINT)(m_lpBufMax - m_lpBufCur);
    if (nMax <= nRoom) {
        memcpy(m_lpBufCur, p, nMax);
        m_lpBufCur += nMax;
        return;
    }
    if (m_bDirectBuffer) {
        MakeRoom(nMax);
        memcpy(m_lpBufCur, p, nMax);
        m_lpBufCur += nMax;
        return;
    }
    memcpy(m_lpBufCur, p, nRoom);
    m_lpBufCur += nRoom;
    p += nRoom;
    nMax -= nRoom;
    Flush();
    if (nMax >= m_nBufSize) {
        m_pFile->Write(p, nMax);
    } else {
        memcpy(m_lpBufCur, p, nMax);
        m_lpBufCur += nMax;
    }
}

void CArchive::WriteString(LPCSTR lpsz)
{
    if (lpsz != NULL)
        Write(lpsz, (UINT)strlen(lpsz));
}

// Takes the next character of a text line. FALSE at the end of the data or of the line, with
// the line's end (LF, CR or CR LF) consumed.
BOOL CArchive::NextLineChar(BYTE& ch)
{
    if (!PeekByte(ch))
        return FALSE;
    m_lpBufCur++;
    if (ch == '\n')
        return FALSE;
    if (ch == '\r') {
        BYTE next;
        if (PeekByte(next) && next == '\n')
            m_lpBufCur++;
        return FALSE;
    }
    return TRUE;
}

BOOL CArchive::ReadString(CString& rString)
{
    std::string line;
    BYTE ch;
    if (!PeekByte(ch)) {
        rString.Empty();
        return FALSE;
    }
    while (NextLineChar(ch))
        line += (char)ch;
    rString = CString(line.data(), (int)line.size());
    return TRUE;
}

LPSTR CArchive::ReadString(LPSTR lpsz, UINT nMax)
{
    BYTE ch;
    if (lpsz == NULL || nMax == 0)
        return NULL;
    lpsz[0] = '\0';
    if (!PeekByte(ch))
        return NULL;
    UINT n = 0;
    while (n + 1 < nMax && NextLineChar(ch))
        lpsz[n++] = (char)ch;
    lpsz[n] = '\0';
    return lpsz;
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF) {
        *this << (WORD)dwCount;
    } else {
        // The format has no room for more; cutting the count would corrupt the file.
        if (((ULONGLONG)dwCount >> 32) != 0)
            Throw(CArchiveException::genericException);
        *this << (WORD)0xFFFF << (DWORD)dwCount;
    }
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    DWORD dwCount = wCount;
    if (wCount == 0xFFFF)
        *this >> dwCount;
    EnsureRemaining(dwCount);
    return dwCount;
}

void CArchive::CheckCount()
{
    if (m_nMapCount >= nMaxMapCount)
        Throw(CArchiveException::badIndex);
}

void CArchive::SetStoreParams(UINT nHashSize, UINT nBlockSize)
{
    m_nHashSize = nHashSize;
}

void CArchive::SetLoadParams(UINT nGrowBy)
{
    m_nGrowSize = nGrowBy;
}

void CArchive::MapObject(const CObject* pOb)
{
    if (m_pMaps == NULL) {
        m_pMaps = new CArchiveMaps;
        if (IsStoring()) {
            m_pMaps->storeMap.reserve(m_nHashSize < 65536 ? m_nHashSize : 65536);
        } else {
            m_pMaps->loadArray.reserve(m_nGrowSize < 65536 ? m_nGrowSize : 65536);
            m_pMaps->loadArray.push_back({NULL, false});
        }
    }
    if (pOb == NULL)
        return;
    CheckCount();
    if (IsStoring())
        m_pMaps->storeMap[pOb] = m_nMapCount++;
    else {
        m_pMaps->loadArray.push_back({(void*)pOb, false});
        m_nMapCount++;
    }
}

void CArchive::WriteReference(DWORD nIndex, bool bClass)
{
    if (nIndex < wBigObjectTag)
        *this << (WORD)((bClass ? wClassTag : 0) | nIndex);
    else
        *this << wBigObjectTag << ((bClass ? dwBigClassTag : 0) | nIndex);
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    if (pClassRef->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();
    if (strlen(pClassRef->m_lpszClassName) > nMaxClassName)
        Throw(CArchiveException::badClass);
    MapObject(NULL);
    auto found = m_pMaps->storeMap.find(pClassRef);
    if (found != m_pMaps->storeMap.end()) {
        WriteReference(found->second, true);
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    CheckCount();
    m_pMaps->storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb)
{
    MapObject(NULL);
    if (pOb == NULL) {
        *this << wNullTag;
        return;
    }
    auto found = m_pMaps->storeMap.find(pOb);
    if (found != m_pMaps->storeMap.end()) {
        WriteReference(found->second, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    CheckCount();
    m_pMaps->storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    MapObject(NULL);
    WORD wTag;
    DWORD obTag;
    *this >> wTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = ((DWORD)(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag)) {
        if (pObTag == NULL)
            Throw(CArchiveException::badIndex);
        *pObTag = obTag;
        return NULL;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        // Only serial classes may come out of a file.
        if (pClassRef == NULL || pClassRef->m_wSchema == 0xFFFF || pClassRef->m_pfnCreateObject == NULL)
            Throw(CArchiveException::badClass);
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema) {
            if (!(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
                Throw(CArchiveException::badSchema);
            m_pMaps->schemaMap[pClassRef] = nSchema;
        }
        CheckCount();
        m_pMaps->loadArray.push_back({pClassRef, true});
        m_nMapCount++;
    } else {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_pMaps->loadArray.size() ||
            !m_pMaps->loadArray[nClassIndex].isClass)
            Throw(CArchiveException::badIndex);
        pClassRef = (CRuntimeClass*)m_pMaps->loadArray[nClassIndex].p;
        auto found = m_pMaps->schemaMap.find(pClassRef);
        nSchema = found != m_pMaps->schemaMap.end() ? found->second
                                                    : pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA;
    }

    if (pClassRefRequested != NULL && !pClassRef->IsDerivedFrom(pClassRefRequested))
        Throw(CArchiveException::badClass);
    if (pSchema != NULL)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != NULL)
        *pObTag = obTag;
    return pClassRef;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema;
    DWORD obTag;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);

    if (pClassRef == NULL) {
        if (obTag >= m_pMaps->loadArray.size() || m_pMaps->loadArray[obTag].isClass)
            Throw(CArchiveException::badIndex);
        CObject* pOb = (CObject*)m_pMaps->loadArray[obTag].p;
        if (pOb != NULL && pClassRefRequested != NULL && !pOb->IsKindOf(pClassRefRequested))
            Throw(CArchiveException::badClass);
        return pOb;
    }

    if (m_nDepth >= nMaxObjectDepth)
        Throw(CArchiveException::badIndex);
    CObject* pOb = pClassRef->CreateObject();
    if (pOb == NULL)
        AfxThrowMemoryException();
    // Numbered before it is read, so that what it contains may refer back to it.
    size_t nEntry = m_pMaps->loadArray.size();
    try {
        CheckCount();
        m_pMaps->loadArray.push_back({pOb, false});
        m_nMapCount++;
    } catch (...) {
        delete pOb;
        throw;
    }
    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    m_nDepth++;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        // Nobody else can own an object whose reading failed: release it.
        m_pMaps->loadArray[nEntry].p = NULL;
        m_nObjectSchema = nSchemaSave;
        m_nDepth--;
        delete pOb;
        throw;
    }
    m_nDepth--;
    m_nObjectSchema = nSchemaSave;
    return pOb;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef, NULL, NULL);
}

CArchive& CArchive::PutLongString(const CString& string)
{
    DWORD nLen = (DWORD)string.GetLength();
    if (nLen < 0xFF) {
        *this << (BYTE)nLen;
    } else if (nLen < 0xFFFE) {
        *this << (BYTE)0xFF << (WORD)nLen;
    } else {
        *this << (BYTE)0xFF << (WORD)0xFFFF << nLen;
    }
    Write((LPCSTR)string, nLen);
    return *this;
}

namespace {

// One length prefix; TRUE in bWide when it was the UTF-16 marker, whose length follows.
DWORD ReadStringLength(CArchive& ar, bool& bWide)
{
    BYTE bLen;
    ar >> bLen;
    if (bLen < 0xFF)
        return bLen;
    WORD wLen;
    ar >> wLen;
    if (wLen == 0xFFFE) {
        bWide = true;
        return 0;
    }
    if (wLen < 0xFFFF)
        return wLen;
    DWORD dwLen;
    ar >> dwLen;
    return dwLen;
}

// Reads nBytes into bytes, a chunk at a time when the archive cannot vouch for them.
void ReadStringBytes(CArchive& ar, ULONGLONG nBytes, std::vector<char>& bytes, bool bKnown)
{
    while (bytes.size() < nBytes) {
        size_t nOld = bytes.size();
        ULONGLONG nLeft = nBytes - nOld;
        UINT nChunk = bKnown || nLeft < nStringChunk ? (UINT)nLeft : nStringChunk;
        bytes.resize(nOld + nChunk);
        if (ar.Read(bytes.data() + nOld, nChunk) != nChunk)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
}

CString WideToAnsi(const std::vector<char>& bytes)
{
    int nChars = (int)(bytes.size() / 2);
    if (nChars == 0)
        return CString();
    std::vector<WCHAR> wide(nChars);
    memcpy(wide.data(), bytes.data(), (size_t)nChars * 2);
#ifdef _WIN32
    int nAnsi = ::WideCharToMultiByte(CP_ACP, 0, (LPCWSTR)wide.data(), nChars, NULL, 0, NULL, NULL);
    CString result;
    if (nAnsi > 0) {
        LPSTR p = result.GetBufferSetLength(nAnsi);
        ::WideCharToMultiByte(CP_ACP, 0, (LPCWSTR)wide.data(), nChars, p, nAnsi, NULL, NULL);
        result.ReleaseBuffer(nAnsi);
    }
    return result;
#else
    // Without code pages: ASCII passes, anything else (a surrogate pair counting once) is '?'.
    std::string ansi;
    for (int i = 0; i < nChars; i++) {
        WCHAR ch = wide[i];
        if (ch >= 0xD800 && ch < 0xDC00 && i + 1 < nChars && wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000)
            i++;
        ansi += ch < 0x80 ? (char)ch : '?';
    }
    return CString(ansi.data(), (int)ansi.size());
#endif
}

} // namespace

CArchive& CArchive::GetLongString(CString& string)
{
    bool bWide = false;
    DWORD nLen = ReadStringLength(*this, bWide);
    if (bWide) {
        bool bAgain = false;
        nLen = ReadStringLength(*this, bAgain);
        if (bAgain)
            Throw(CArchiveException::genericException);
    }
    ULONGLONG nBytes = (ULONGLONG)nLen * (bWide ? 2 : 1);
    EnsureRemaining(nBytes);
    if (nBytes > 0x7FFFFFFF)
        AfxThrowMemoryException();
    ULONGLONG nRemaining;
    bool bKnown = GetBytesRemaining(nRemaining);
    if (!bWide && bKnown) {
        CString result;
        LPSTR p = result.GetBufferSetLength((int)nLen);
        if (Read(p, nLen) != nLen)
            Throw(CArchiveException::endOfFile);
        string = result;
        return *this;
    }
    std::vector<char> bytes;
    ReadStringBytes(*this, nBytes, bytes, bKnown);
    string = bWide ? WideToAnsi(bytes) : CString(bytes.data(), (int)bytes.size());
    return *this;
}

#ifndef _WIN32
CArchive& operator<<(CArchive& ar, long l)
{
    if (l != (long)(LONG)l)
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    return ar << (LONG)l;
}

CArchive& operator<<(CArchive& ar, unsigned long u)
{
    if (u != (unsigned long)(DWORD)u)
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    return ar << (DWORD)u;
}

CArchive& operator>>(CArchive& ar, long& l)
{
    LONG v;
    ar >> v;
    l = v;
    return ar;
}

CArchive& operator>>(CArchive& ar, unsigned long& u)
{
    DWORD v;
    ar >> v;
    u = v;
    return ar;
}
#endif
