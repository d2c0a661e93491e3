// CollectionElements.h: declares the element helpers of the collection templates (CopyElements,
// CompareElements, HashKey, SerializeElements) and the storage primitives they share.
// Hosts specialise the helpers for their own element types, as with the framework.
#pragma once

#include "afxtypes.h"
#include "CArchive.h"
#include "CArchiveException.h"
#include "CInvalidArgException.h"
#include "CMemoryException.h"
#include "CString.h"

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

// Bytes taken by nCount elements of cbElement bytes; throws CMemoryException when that cannot be
// represented (negative counts arrive here as huge sizes).
KWAFX_API size_t AfxCollectionBytes(size_t nCount, size_t cbElement);
// Raw storage for nCount elements; throws CMemoryException instead of failing or overflowing.
KWAFX_API void* AfxCollectionAlloc(size_t nCount, size_t cbElement);
// The same, but NULL when the storage cannot be had.
KWAFX_API void* AfxCollectionTryAlloc(size_t nCount, size_t cbElement);
KWAFX_API void AfxCollectionFree(void* p);

// Copies nCount elements by assignment.
template<class TYPE>
inline void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; i++)
        pDest[i] = pSrc[i];
}

// Compares a stored element with a searched value.
template<class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Writes or reads nCount elements. Plain values go as their bytes; objects of the framework
// through their own Serialize. Other types need a specialisation, as CString has: without one
// the archive refuses them rather than store addresses that mean nothing when read back.
template<class TYPE>
void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    if constexpr (std::is_base_of<CObject, TYPE>::value)
    {
        for (INT_PTR i = 0; i < nCount; i++)
            pElements[i].Serialize(ar);
    }
    else if constexpr (std::is_trivially_copyable<TYPE>::value)
    {
        BYTE* pBytes = reinterpret_cast<BYTE*>(pElements);
        size_t nBytes = AfxCollectionBytes((size_t)nCount, sizeof(TYPE));
        if (ar.IsLoading())
            ar.EnsureRemaining(nBytes);
        while (nBytes > 0)
        {
            UINT nChunk = nBytes > 0x40000000 ? 0x40000000 : (UINT)nBytes;
            if (ar.IsStoring())
                ar.Write(pBytes, nChunk);
            else if (ar.Read(pBytes, nChunk) != nChunk)
                AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
            pBytes += nChunk;
            nBytes -= nChunk;
        }
    }
    else
    {
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    }
}

template<>
inline void AFXAPI SerializeElements<CString>(CArchive& ar, CString* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; i++)
    {
        if (ar.IsStoring())
            ar << pElements[i];
        else
            ar >> pElements[i];
    }
}

// The hash of a map key. Numbers and pointers drop their low four bits, which are mostly
// alignment; 64-bit values fold their halves. Text keys have their own forms below.
template<class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    typedef typename std::decay<ARG_KEY>::type KEY;
    if constexpr (std::is_pointer<KEY>::value)
        return (UINT)((UINT_PTR)key >> 4);
    else if constexpr (sizeof(KEY) > sizeof(DWORD))
        return ((UINT)(DWORD)key >> 4) ^ ((UINT)(DWORD)((ULONGLONG)key >> 32) >> 4);
    else
        return (UINT)(DWORD)key >> 4;
}

template<>
inline UINT AFXAPI HashKey<LPCTSTR>(LPCTSTR key)
{
    UINT nHash = 0;
    while (*key)
        nHash = (nHash << 5) + nHash + (UINT)(int)(signed char)*key++;
    return nHash;
}

template<>
inline UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCTSTR>((LPCTSTR)key);
}

template<>
inline UINT AFXAPI HashKey<CString>(CString key)
{
    return HashKey<LPCTSTR>((LPCTSTR)key);
}

// Construction, destruction and relocation of element ranges in raw storage.
namespace AfxElements
{
// Value-initialises: numbers and pointers start at zero.
template<class TYPE>
void Construct(TYPE* p, INT_PTR nCount)
{
    INT_PTR i = 0;
    try
    {
        for (; i < nCount; i++)
            ::new ((void*)(p + i)) TYPE();
    }
    catch (...)
    {
        while (i-- > 0)
            p[i].~TYPE();
        throw;
    }
}

template<class TYPE>
void Destroy(TYPE* p, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; i++)
        p[i].~TYPE();
}

// Moves nCount elements from pSrc into the raw storage pDest and destroys the sources. A type
// whose move may throw is copied instead, so a failure leaves the sources as they were.
template<class TYPE>
void Relocate(TYPE* pDest, TYPE* pSrc, INT_PTR nCount)
{
    if constexpr (std::is_nothrow_move_constructible<TYPE>::value)
    {
        for (INT_PTR i = 0; i < nCount; i++)
            ::new ((void*)(pDest + i)) TYPE(std::move(pSrc[i]));
    }
    else
    {
        INT_PTR i = 0;
        try
        {
            for (; i < nCount; i++)
                ::new ((void*)(pDest + i)) TYPE(static_cast<const TYPE&>(pSrc[i]));
        }
        catch (...)
        {
            Destroy(pDest, i);
            throw;
        }
    }
    Destroy(pSrc, nCount);
}
} // namespace AfxElements

#ifndef _WIN32
// Natively long and wchar_t are wider than on Windows. Their elements go one at a time at the
// Windows widths (32 and 16 bits), and long keys hash as the 32-bit ones of Windows do, so that a
// map stores its pairs in the same order: a document comes out the same from every build.
namespace AfxElements
{
template<class TYPE>
void SerializeEach(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; i++)
    {
        if (ar.IsStoring())
            ar << pElements[i];
        else
            ar >> pElements[i];
    }
}
} // namespace AfxElements

template<>
inline void AFXAPI SerializeElements<long>(CArchive& ar, long* pElements, INT_PTR nCount)
{
    AfxElements::SerializeEach(ar, pElements, nCount);
}
template<>
inline void AFXAPI SerializeElements<unsigned long>(CArchive& ar, unsigned long* pElements, INT_PTR nCount)
{
    AfxElements::SerializeEach(ar, pElements, nCount);
}
template<>
inline void AFXAPI SerializeElements<wchar_t>(CArchive& ar, wchar_t* pElements, INT_PTR nCount)
{
    AfxElements::SerializeEach(ar, pElements, nCount);
}

template<>
inline UINT AFXAPI HashKey<long>(long key)
{
    return HashKey<DWORD>((DWORD)key);
}
template<>
inline UINT AFXAPI HashKey<const long&>(const long& key)
{
    return HashKey<DWORD>((DWORD)key);
}
template<>
inline UINT AFXAPI HashKey<unsigned long>(unsigned long key)
{
    return HashKey<DWORD>((DWORD)key);
}
template<>
inline UINT AFXAPI HashKey<const unsigned long&>(const unsigned long& key)
{
    return HashKey<DWORD>((DWORD)key);
}
#endif
