// CString.cpp: the framework's 8-bit string over a reference-counted buffer copied on write.
#include "CString.h"

#include "CMemoryException.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#ifdef _WIN32
#include "afxresource.h"
#else
#include <strings.h>
#endif

// One allocation holds this header and then the characters with their terminator.
struct CStringData
{
    std::atomic<long> nRefs; // owners; -1 = locked (one owner, never shared) or the empty string
    int nDataLength;         // characters in use, not counting the terminator
    int nAllocLength;        // room for characters, not counting the terminator

    char* data() { return reinterpret_cast<char*>(this + 1); }
};

namespace {

// Every empty string points at this one, which is never written nor freed.
struct EmptyString
{
    CStringData header;
    char chars[sizeof(CStringData)];
};
EmptyString g_empty = { { { -1 }, 0, 0 }, { 0 } };
CStringData* const g_pEmptyData = &g_empty.header;
static_assert(sizeof(CStringData) % alignof(CStringData) == 0, "characters follow the header");

// The longest string one allocation can hold, with its header and terminator.
const int kMaxLength = INT_MAX - (int)sizeof(CStringData) - 1;

[[noreturn]] void ThrowMemory()
{
    AfxThrowMemoryException();
}

CStringData* Header(const char* pch)
{
    return reinterpret_cast<CStringData*>(const_cast<char*>(pch)) - 1;
}

char* EmptyChars()
{
    return g_pEmptyData->data();
}

// A buffer of nLen characters, all in use, terminated; the caller fills it.
CStringData* AllocData(int nLen)
{
    if (nLen < 0 || nLen > kMaxLength)
        ThrowMemory();
    // Through operator new, as all of the framework's memory: a host's own operator new sees it.
    void* p = ::operator new(sizeof(CStringData) + (size_t)nLen + 1, std::nothrow);
    if (p == NULL)
        ThrowMemory();
    CStringData* pData = new (p) CStringData{ { 1 }, nLen, nLen };
    pData->data()[nLen] = '\0';
    return pData;
}

void FreeData(CStringData* pData)
{
    pData->~CStringData();
    ::operator delete(pData);
}

bool IsLocked(const CStringData* pData)
{
    return pData != g_pEmptyData && pData->nRefs.load(std::memory_order_relaxed) == -1;
}

// Only the caller holds it, so it may be written in place.
bool IsUnique(const CStringData* pData)
{
    if (pData == g_pEmptyData)
        return false;
    long nRefs = pData->nRefs.load(std::memory_order_acquire);
    return nRefs == 1 || nRefs == -1;
}

// The characters a new owner of pch's text gets: the same buffer, or a copy of a locked one.
char* Share(char* pch)
{
    CStringData* pData = Header(pch);
    if (pData == g_pEmptyData)
        return pch;
    if (IsLocked(pData)) {
        CStringData* pCopy = AllocData(pData->nDataLength);
        memcpy(pCopy->data(), pch, (size_t)pData->nDataLength);
        return pCopy->data();
    }
    pData->nRefs.fetch_add(1, std::memory_order_relaxed);
    return pch;
}

int SafeLength(LPCTSTR psz)
{
    if (psz == NULL)
        return 0;
    size_t n = strlen(psz);
    if (n > (size_t)kMaxLength)
        ThrowMemory();
    return (int)n;
}

// A resource id passed where text is expected (MAKEINTRESOURCE).
bool IsResourceId(LPCTSTR psz)
{
    return psz != NULL && ((ULONG_PTR)psz >> 16) == 0;
}

const char* FindChars(const char* pHay, int nHay, const char* pNeedle, int nNeedle)
{
    if (nNeedle == 0 || nNeedle > nHay)
        return nNeedle == 0 ? pHay : NULL;
    const char* pLast = pHay + (nHay - nNeedle);
    for (const char* p = pHay; p <= pLast; ++p) {
        p = static_cast<const char*>(memchr(p, pNeedle[0], (size_t)(pLast - p) + 1));
        if (p == NULL)
            return NULL;
        if (memcmp(p, pNeedle, (size_t)nNeedle) == 0)
            return p;
    }
    return NULL;
}

bool InSet(LPCTSTR pszSet, char ch)
{
    return ch != '\0' && strchr(pszSet, ch) != NULL;
}

CString FormatToString(LPCTSTR pszFormat, va_list args)
{
    CString result;
    if (pszFormat == NULL)
        return result;
    va_list measure;
    va_copy(measure, args);
    int nLen = vsnprintf(NULL, 0, pszFormat, measure);
    va_end(measure);
    if (nLen <= 0)
        return result;
    char* p = result.GetBuffer(nLen);
    vsnprintf(p, (size_t)nLen + 1, pszFormat, args);
    result.ReleaseBuffer(nLen);
    return result;
}

CString Concat(LPCTSTR pchA, int nA, LPCTSTR pchB, int nB)
{
    CString result;
    if (nA > kMaxLength - nB)
        ThrowMemory();
    if (nA + nB == 0)
        return result;
    char* p = result.GetBuffer(nA + nB);
    if (nA > 0)
        memcpy(p, pchA, (size_t)nA);
    if (nB > 0)
        memcpy(p + nA, pchB, (size_t)nB);
    result.ReleaseBuffer(nA + nB);
    return result;
}

int CaseInsensitiveCompare(const char* a, const char* b)
{
#ifdef _WIN32
    return _stricmp(a, b);
#else
    return strcasecmp(a, b);
#endif
}

int CaseInsensitiveCollate(const char* a, const char* b)
{
#ifdef _WIN32
    return _stricoll(a, b);
#else
    CString la(a), lb(b);
    return strcoll(la.MakeLower(), lb.MakeLower());
#endif
}

#ifdef _WIN32
// A string resource: its block of sixteen counted UTF-16 strings, checked against the
// resource's size so that a damaged table cannot be read past its end.
bool FindStringResource(HINSTANCE hInst, UINT nID, const WCHAR*& pText, int& nLen)
{
    HRSRC hRes = FindResourceA(hInst, MAKEINTRESOURCEA((nID >> 4) + 1), RT_STRING);
    if (hRes == NULL)
        return false;
    HGLOBAL hGlobal = LoadResource(hInst, hRes);
    const WCHAR* p = hGlobal ? static_cast<const WCHAR*>(LockResource(hGlobal)) : NULL;
    if (p == NULL)
        return false;
    const WCHAR* pEnd = p + SizeofResource(hInst, hRes) / sizeof(WCHAR);
    for (UINT i = nID & 15; p < pEnd; --i) {
        int n = *p++;
        if (n > pEnd - p)
            return false;
        if (i == 0) {
            pText = p;
            nLen = n;
            return true;
        }
        p += n;
    }
    return false;
}
#endif

} // namespace

// ---- construction and assignment

CString::CString() : m_pchData(EmptyChars())
{
}

CString::CString(const CString& src) : m_pchData(Share(src.m_pchData))
{
}

CString::CString(CString&& src) noexcept : m_pchData(src.m_pchData)
{
    src.m_pchData = EmptyChars();
}

CString::CString(LPCTSTR psz) : m_pchData(EmptyChars())
{
    if (IsResourceId(psz))
        LoadString(LOWORD((ULONG_PTR)psz));
    else
        AssignCopy(SafeLength(psz), psz);
}

CString::CString(LPCTSTR pch, int nLength) : m_pchData(EmptyChars())
{
    if (nLength < 0)
        ThrowMemory();
    if (pch != NULL)
        AssignCopy(nLength, pch);
}

CString::CString(char ch, int nRepeat) : m_pchData(EmptyChars())
{
    if (nRepeat > 0) {
        CStringData* pData = AllocData(nRepeat);
        memset(pData->data(), ch, (size_t)nRepeat);
        m_pchData = pData->data();
    }
}

CString::~CString()
{
    Release();
}

CString& CString::operator=(const CString& src)
{
    if (m_pchData == src.m_pchData)
        return *this;
    if (IsLocked(GetData())) {
        AssignCopy(src.GetLength(), src.m_pchData); // keeps this buffer and its lock
    } else {
        char* pch = Share(src.m_pchData);
        Release();
        m_pchData = pch;
    }
    return *this;
}

CString& CString::operator=(CString&& src) noexcept
{
    if (this == &src)
        return *this;
    if (IsLocked(GetData())) {
        // Fits in place unless src is longer than the locked buffer; then it is src's buffer
        // that this string takes over, still without copying.
        if (src.GetLength() <= GetData()->nAllocLength) {
            AssignCopy(src.GetLength(), src.m_pchData);
            return *this;
        }
    }
    Release();
    m_pchData = src.m_pchData;
    src.m_pchData = EmptyChars();
    return *this;
}

CString& CString::operator=(LPCTSTR psz)
{
    AssignCopy(SafeLength(psz), psz);
    return *this;
}

CString& CString::operator=(char ch)
{
    AssignCopy(1, &ch);
    return *this;
}

// ---- buffer management

CStringData* CString::GetData() const
{
    return Header(m_pchData);
}

void CString::Release()
{
    CStringData* pData = GetData();
    m_pchData = EmptyChars();
    if (pData == g_pEmptyData)
        return;
    if (IsLocked(pData) || pData->nRefs.fetch_sub(1, std::memory_order_acq_rel) == 1)
        FreeData(pData);
}

// Replaces the buffer by pData (already filled); a locked string stays locked.
void CString::Adopt(CStringData* pData)
{
    if (IsLocked(GetData()))
        pData->nRefs.store(-1, std::memory_order_relaxed);
    Release();
    m_pchData = pData->data();
}

void CString::SetEmpty()
{
    if (IsLocked(GetData()))
        SetLength(0);
    else
        Release();
}

void CString::SetLength(int nLen)
{
    GetData()->nDataLength = nLen;
    m_pchData[nLen] = '\0';
}

// pch may point into this string's own characters.
void CString::AssignCopy(int nLen, LPCTSTR pch)
{
    if (nLen == 0) {
        SetEmpty();
        return;
    }
    CStringData* pData = GetData();
    if (IsUnique(pData) && nLen <= pData->nAllocLength) {
        memmove(m_pchData, pch, (size_t)nLen);
        SetLength(nLen);
        return;
    }
    CStringData* pNew = AllocData(nLen);
    memcpy(pNew->data(), pch, (size_t)nLen);
    Adopt(pNew);
}

// pch may point into this string's own characters. Growing strings get spare room so that
// appending in a loop stays linear.
void CString::ConcatInPlace(int nLen, LPCTSTR pch)
{
    if (nLen == 0)
        return;
    int nOld = GetLength();
    if (nLen > kMaxLength - nOld)
        ThrowMemory();
    int nNew = nOld + nLen;
    CStringData* pData = GetData();
    if (IsUnique(pData) && nNew <= pData->nAllocLength) {
        memmove(m_pchData + nOld, pch, (size_t)nLen);
        SetLength(nNew);
        return;
    }
    int nAlloc = nOld == 0 ? nNew : (int)std::min<long long>((long long)nNew * 3 / 2, kMaxLength);
    CStringData* pNew = AllocData(nAlloc);
    memcpy(pNew->data(), m_pchData, (size_t)nOld);
    memcpy(pNew->data() + nOld, pch, (size_t)nLen);
    pNew->nDataLength = nNew;
    pNew->data()[nNew] = '\0';
    Adopt(pNew);
}

void CString::CopyBeforeWrite()
{
    CStringData* pData = GetData();
    if (pData == g_pEmptyData || IsUnique(pData))
        return;
    CStringData* pNew = AllocData(pData->nDataLength);
    memcpy(pNew->data(), m_pchData, (size_t)pData->nDataLength);
    Adopt(pNew);
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0 || nMinBufLength > kMaxLength)
        ThrowMemory();
    CStringData* pData = GetData();
    if (!IsUnique(pData) || nMinBufLength > pData->nAllocLength) {
        int nLen = pData->nDataLength;
        CStringData* pNew = AllocData(std::max(nMinBufLength, nLen));
        memcpy(pNew->data(), m_pchData, (size_t)nLen);
        pNew->nDataLength = nLen;
        pNew->data()[nLen] = '\0';
        Adopt(pNew);
    }
    return m_pchData;
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    GetBuffer(nNewLength);
    SetLength(nNewLength);
    return m_pchData;
}

// The length never runs past the buffer: a length the buffer cannot hold is taken, like -1,
// from the terminator the caller wrote (or the end of the buffer when there is none).
void CString::ReleaseBuffer(int nNewLength)
{
    if (GetData() == g_pEmptyData)
        return;
    CopyBeforeWrite();
    int nAlloc = GetData()->nAllocLength;
    if (nNewLength < 0 || nNewLength > nAlloc)
        nNewLength = (int)strnlen(m_pchData, (size_t)nAlloc);
    SetLength(nNewLength);
}

void CString::FreeExtra()
{
    CStringData* pData = GetData();
    if (pData == g_pEmptyData || pData->nDataLength == pData->nAllocLength)
        return;
    if (pData->nDataLength == 0 && !IsLocked(pData)) {
        Release();
        return;
    }
    CStringData* pNew = AllocData(pData->nDataLength);
    memcpy(pNew->data(), m_pchData, (size_t)pData->nDataLength);
    Adopt(pNew);
}

LPTSTR CString::LockBuffer()
{
    GetBuffer(0);
    GetData()->nRefs.store(-1, std::memory_order_relaxed);
    return m_pchData;
}

void CString::UnlockBuffer()
{
    if (IsLocked(GetData()))
        GetData()->nRefs.store(1, std::memory_order_relaxed);
}

// ---- size and characters

int CString::GetLength() const
{
    return GetData()->nDataLength;
}

bool CString::IsEmpty() const
{
    return GetLength() == 0;
}

void CString::Empty()
{
    SetEmpty();
}

char CString::GetAt(int nIndex) const
{
    return (unsigned)nIndex < (unsigned)GetLength() ? m_pchData[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch)
{
    if ((unsigned)nIndex >= (unsigned)GetLength())
        return;
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

// ---- concatenation

CString& CString::operator+=(const CString& s)
{
    ConcatInPlace(s.GetLength(), s.m_pchData);
    return *this;
}

CString& CString::operator+=(LPCTSTR psz)
{
    ConcatInPlace(SafeLength(psz), psz);
    return *this;
}

CString& CString::operator+=(char ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    return Concat(a, a.GetLength(), b, b.GetLength());
}

CString operator+(const CString& a, LPCTSTR b)
{
    return Concat(a, a.GetLength(), b, SafeLength(b));
}

CString operator+(LPCTSTR a, const CString& b)
{
    return Concat(a, SafeLength(a), b, b.GetLength());
}

CString operator+(const CString& a, char b)
{
    return Concat(a, a.GetLength(), &b, 1);
}

CString operator+(char a, const CString& b)
{
    return Concat(&a, 1, b, b.GetLength());
}

// ---- comparison

int CString::Compare(LPCTSTR psz) const
{
    return strcmp(m_pchData, psz ? psz : "");
}

int CString::CompareNoCase(LPCTSTR psz) const
{
    return CaseInsensitiveCompare(m_pchData, psz ? psz : "");
}

int CString::Collate(LPCTSTR psz) const
{
    return strcoll(m_pchData, psz ? psz : "");
}

int CString::CollateNoCase(LPCTSTR psz) const
{
    return CaseInsensitiveCollate(m_pchData, psz ? psz : "");
}

// ---- extraction

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, INT_MAX);
}

CString CString::Mid(int nFirst, int nCount) const
{
    int nLen = GetLength();
    nFirst = std::min(std::max(nFirst, 0), nLen);
    nCount = std::min(std::max(nCount, 0), nLen - nFirst);
    if (nFirst == 0 && nCount == nLen)
        return *this;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    int nLen = GetLength();
    nCount = std::min(std::max(nCount, 0), nLen);
    return Mid(nLen - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR pszCharSet) const
{
    return Left(pszCharSet ? (int)strspn(m_pchData, pszCharSet) : 0);
}

CString CString::SpanExcluding(LPCTSTR pszCharSet) const
{
    return Left(pszCharSet ? (int)strcspn(m_pchData, pszCharSet) : GetLength());
}

// ---- searching

int CString::Find(char ch) const
{
    return Find(ch, 0);
}

int CString::Find(char ch, int nStart) const
{
    int nLen = GetLength();
    nStart = std::max(nStart, 0);
    if (nStart >= nLen)
        return -1;
    const void* p = memchr(m_pchData + nStart, ch, (size_t)(nLen - nStart));
    return p ? (int)(static_cast<const char*>(p) - m_pchData) : -1;
}

int CString::Find(LPCTSTR pszSub) const
{
    return Find(pszSub, 0);
}

int CString::Find(LPCTSTR pszSub, int nStart) const
{
    int nLen = GetLength();
    nStart = std::max(nStart, 0);
    if (nStart > nLen || pszSub == NULL)
        return -1;
    const char* p = FindChars(m_pchData + nStart, nLen - nStart, pszSub, SafeLength(pszSub));
    return p ? (int)(p - m_pchData) : -1;
}

int CString::ReverseFind(char ch) const
{
    for (int i = GetLength() - 1; i >= 0; --i)
        if (m_pchData[i] == ch)
            return i;
    return -1;
}

int CString::FindOneOf(LPCTSTR pszCharSet) const
{
    if (pszCharSet == NULL)
        return -1;
    const char* p = strpbrk(m_pchData, pszCharSet);
    return p ? (int)(p - m_pchData) : -1;
}

// ---- editing

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew)
        return 0;
    int nLen = GetLength();
    int nCount = (int)std::count(m_pchData, m_pchData + nLen, chOld);
    if (nCount > 0) {
        CopyBeforeWrite();
        std::replace(m_pchData, m_pchData + nLen, chOld, chNew);
    }
    return nCount;
}

// The result is built in a new buffer, so pszOld and pszNew may point into this string.
int CString::Replace(LPCTSTR pszOld, LPCTSTR pszNew)
{
    int nOld = SafeLength(pszOld);
    if (nOld == 0)
        return 0;
    int nNew = SafeLength(pszNew);
    int nLen = GetLength();
    const char* pEnd = m_pchData + nLen;
    int nCount = 0;
    for (const char* p = m_pchData; (p = FindChars(p, (int)(pEnd - p), pszOld, nOld)) != NULL; p += nOld)
        ++nCount;
    if (nCount == 0)
        return 0;
    long long nResult = nLen + (long long)nCount * (nNew - nOld);
    if (nResult > kMaxLength)
        ThrowMemory();
    if (nResult == 0) {
        SetEmpty();
        return nCount;
    }
    CStringData* pData = AllocData((int)nResult);
    char* pOut = pData->data();
    const char* pFrom = m_pchData;
    for (const char* p; (p = FindChars(pFrom, (int)(pEnd - pFrom), pszOld, nOld)) != NULL; pFrom = p + nOld) {
        memcpy(pOut, pFrom, (size_t)(p - pFrom));
        pOut += p - pFrom;
        memcpy(pOut, pszNew, (size_t)nNew);
        pOut += nNew;
    }
    memcpy(pOut, pFrom, (size_t)(pEnd - pFrom));
    Adopt(pData);
    return nCount;
}

int CString::Remove(char ch)
{
    int nLen = GetLength();
    int nCount = (int)std::count(m_pchData, m_pchData + nLen, ch);
    if (nCount > 0) {
        CopyBeforeWrite();
        std::remove(m_pchData, m_pchData + nLen, ch);
        SetLength(nLen - nCount);
    }
    return nCount;
}

int CString::Insert(int nIndex, char ch)
{
    return InsertChars(nIndex, &ch, 1);
}

int CString::Insert(int nIndex, LPCTSTR psz)
{
    return InsertChars(nIndex, psz, SafeLength(psz));
}

// An index beyond either end inserts at that end.
int CString::InsertChars(int nIndex, LPCTSTR pch, int nLen)
{
    int nOld = GetLength();
    if (nLen == 0)
        return nOld;
    if (nLen > kMaxLength - nOld)
        ThrowMemory();
    nIndex = std::min(std::max(nIndex, 0), nOld);
    CStringData* pData = AllocData(nOld + nLen);
    memcpy(pData->data(), m_pchData, (size_t)nIndex);
    memcpy(pData->data() + nIndex, pch, (size_t)nLen);
    memcpy(pData->data() + nIndex + nLen, m_pchData + nIndex, (size_t)(nOld - nIndex));
    Adopt(pData);
    return nOld + nLen;
}

int CString::Delete(int nIndex, int nCount)
{
    int nLen = GetLength();
    nIndex = std::max(nIndex, 0);
    if (nCount <= 0 || nIndex >= nLen)
        return nLen;
    nCount = std::min(nCount, nLen - nIndex);
    CopyBeforeWrite();
    memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, (size_t)(nLen - nIndex - nCount));
    SetLength(nLen - nCount);
    return nLen - nCount;
}

// Drops nLeft characters from the start and nRight from the end.
void CString::TrimSpan(int nLeft, int nRight)
{
    if (nLeft == 0 && nRight == 0)
        return;
    AssignCopy(GetLength() - nLeft - nRight, m_pchData + nLeft);
}

namespace {

template <typename Pred> int CountLeading(const char* p, int nLen, Pred match)
{
    int n = 0;
    while (n < nLen && match(p[n]))
        ++n;
    return n;
}

template <typename Pred> int CountTrailing(const char* p, int nLen, Pred match)
{
    int n = 0;
    while (n < nLen && match(p[nLen - 1 - n]))
        ++n;
    return n;
}

bool IsSpace(char ch)
{
    return isspace((unsigned char)ch) != 0;
}

} // namespace

CString& CString::TrimLeft()
{
    TrimSpan(CountLeading(m_pchData, GetLength(), IsSpace), 0);
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    TrimSpan(CountLeading(m_pchData, GetLength(), [=](char c) { return c == chTarget; }), 0);
    return *this;
}

CString& CString::TrimLeft(LPCTSTR pszTargets)
{
    if (pszTargets != NULL)
        TrimSpan(CountLeading(m_pchData, GetLength(), [=](char c) { return InSet(pszTargets, c); }), 0);
    return *this;
}

CString& CString::TrimRight()
{
    TrimSpan(0, CountTrailing(m_pchData, GetLength(), IsSpace));
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    TrimSpan(0, CountTrailing(m_pchData, GetLength(), [=](char c) { return c == chTarget; }));
    return *this;
}

CString& CString::TrimRight(LPCTSTR pszTargets)
{
    if (pszTargets != NULL)
        TrimSpan(0, CountTrailing(m_pchData, GetLength(), [=](char c) { return InSet(pszTargets, c); }));
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCTSTR pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

// Case follows the system's ANSI code page on Windows and the C locale elsewhere.
CString& CString::MakeUpper()
{
    CopyBeforeWrite();
#ifdef _WIN32
    CharUpperBuffA(m_pchData, (DWORD)GetLength());
#else
    std::transform(m_pchData, m_pchData + GetLength(), m_pchData, [](char c) { return (char)toupper((unsigned char)c); });
#endif
    return *this;
}

CString& CString::MakeLower()
{
    CopyBeforeWrite();
#ifdef _WIN32
    CharLowerBuffA(m_pchData, (DWORD)GetLength());
#else
    std::transform(m_pchData, m_pchData + GetLength(), m_pchData, [](char c) { return (char)tolower((unsigned char)c); });
#endif
    return *this;
}

CString& CString::MakeReverse()
{
    CopyBeforeWrite();
    std::reverse(m_pchData, m_pchData + GetLength());
    return *this;
}

// ---- formatting

void CString::Format(LPCTSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...)
{
    CString format;
    format.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

// The text is built apart, so the arguments may include this string itself.
void CString::FormatV(LPCTSTR pszFormat, va_list args)
{
    *this = FormatToString(pszFormat, args);
}

void CString::AppendFormat(LPCTSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormatV(LPCTSTR pszFormat, va_list args)
{
    *this += FormatToString(pszFormat, args);
}

// ---- resources and wide text

BOOL CString::LoadString(UINT nID)
{
    SetEmpty();
#ifdef _WIN32
    HINSTANCE hInst = AfxFindStringResourceHandle(nID);
    const WCHAR* pText = NULL;
    int nWide = 0;
    if (hInst == NULL || !FindStringResource(hInst, nID, pText, nWide) || nWide == 0)
        return FALSE;
    int nLen = WideCharToMultiByte(CP_ACP, 0, pText, nWide, NULL, 0, NULL, NULL);
    CString text;
    WideCharToMultiByte(CP_ACP, 0, pText, nWide, text.GetBuffer(nLen), nLen, NULL, NULL);
    text.ReleaseBuffer(nLen);
    *this = std::move(text);
    return TRUE;
#else
    return FALSE;
#endif
}

#ifdef _WIN32
CString::CString(const wchar_t* pwsz) : m_pchData(EmptyChars())
{
    AssignWide(pwsz);
}

CString& CString::operator=(const wchar_t* pwsz)
{
    AssignWide(pwsz);
    return *this;
}

void CString::AssignWide(const wchar_t* pwsz)
{
    size_t nWide = pwsz ? wcslen(pwsz) : 0;
    if (nWide > (size_t)kMaxLength)
        ThrowMemory();
    if (nWide == 0) {
        SetEmpty();
        return;
    }
    int nLen = WideCharToMultiByte(CP_ACP, 0, pwsz, (int)nWide, NULL, 0, NULL, NULL);
    CString text;
    WideCharToMultiByte(CP_ACP, 0, pwsz, (int)nWide, text.GetBuffer(nLen), nLen, NULL, NULL);
    text.ReleaseBuffer(nLen);
    *this = std::move(text);
}

BSTR CString::AllocSysString() const
{
    int nWide = MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), NULL, 0);
    BSTR bstr = SysAllocStringLen(NULL, (UINT)nWide);
    if (bstr == NULL)
        ThrowMemory();
    MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), bstr, nWide);
    return bstr;
}
#endif
