// CArray.h: declares CArray, the framework's growable array template.
#pragma once

#include "afxtypes.h"
#include "CObject.h"
#include "CollectionElements.h"

template<class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
    static_assert(alignof(TYPE) <= alignof(std::max_align_t), "elements must not need more alignment than ordinary allocations give");

public:
    CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    ~CArray() override { SetSize(0, -1); }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }

    // New elements are value-initialised (numbers start at 0). A negative nGrowBy keeps the
    // current step; 0 lets the array choose (an eighth of its size, from 4 to 1024).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    // Indexes outside the array throw CInvalidArgException.
    const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[CheckIndex(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_pData[CheckIndex(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[CheckIndex(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement);
    // Appends src (which may be this array) and returns the index of its first element.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    // Inserting beyond the end first grows the array up to nIndex.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

    // The count, then the elements through SerializeElements. Loading replaces the contents,
    // or leaves them as they were when the archive fails.
    void Serialize(CArchive& ar) override;

protected:
    TYPE* m_pData;
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
    INT_PTR m_nGrowBy;

    INT_PTR CheckIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nSize)
            AfxThrowInvalidArgException();
        return nIndex;
    }

    // Exchanges the elements (and the grow step) of two arrays.
    void SwapContents(CArray& other) noexcept
    {
        std::swap(m_pData, other.m_pData);
        std::swap(m_nSize, other.m_nSize);
        std::swap(m_nMaxSize, other.m_nMaxSize);
        std::swap(m_nGrowBy, other.m_nGrowBy);
    }

private:
    void Reallocate(INT_PTR nNewSize, INT_PTR nNewMax);
};

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0)
        AfxThrowMemoryException();
    AfxCollectionBytes((size_t)nNewSize, sizeof(TYPE));
    INT_PTR nStep = nGrowBy >= 0 ? nGrowBy : m_nGrowBy;

    if (nNewSize == 0)
    {
        AfxElements::Destroy(m_pData, m_nSize);
        AfxCollectionFree(m_pData);
        m_pData = NULL;
        m_nSize = m_nMaxSize = 0;
    }
    else if (nNewSize <= m_nMaxSize)
    {
        if (nNewSize > m_nSize)
            AfxElements::Construct(m_pData + m_nSize, nNewSize - m_nSize);
        else
            AfxElements::Destroy(m_pData + nNewSize, m_nSize - nNewSize);
        m_nSize = nNewSize;
    }
    else
    {
        INT_PTR nNewMax;
        if (m_pData == NULL)
            nNewMax = nStep > nNewSize ? nStep : nNewSize;
        else
        {
            INT_PTR nGrow = nStep;
            if (nGrow == 0)
                nGrow = m_nSize / 8 < 4 ? 4 : (m_nSize / 8 > 1024 ? 1024 : m_nSize / 8);
            if (nGrow > INTPTR_MAX - m_nMaxSize)
                nNewMax = INTPTR_MAX;
            else
                nNewMax = nGrow > nNewSize - m_nMaxSize ? m_nMaxSize + nGrow : nNewSize;
        }
        Reallocate(nNewSize, nNewMax);
    }
    m_nGrowBy = nStep;
}

// Moves the elements into new storage for nNewMax and grows them to nNewSize; on failure the
// array is left as it was. A grow step too large to allocate falls back to the exact size.
template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR nNewSize, INT_PTR nNewMax)
{
    TYPE* pNew = NULL;
    if (nNewMax > nNewSize)
        pNew = static_cast<TYPE*>(AfxCollectionTryAlloc((size_t)nNewMax, sizeof(TYPE)));
    if (pNew == NULL)
    {
        nNewMax = nNewSize;
        pNew = static_cast<TYPE*>(AfxCollectionAlloc((size_t)nNewMax, sizeof(TYPE)));
    }
    INT_PTR nKeep = m_nSize < nNewSize ? m_nSize : nNewSize;
    try
    {
        AfxElements::Construct(pNew + nKeep, nNewSize - nKeep);
        try
        {
            AfxElements::Relocate(pNew, m_pData, nKeep);
        }
        catch (...)
        {
            AfxElements::Destroy(pNew + nKeep, nNewSize - nKeep);
            throw;
        }
    }
    catch (...)
    {
        AfxCollectionFree(pNew);
        throw;
    }
    AfxElements::Destroy(m_pData + nKeep, m_nSize - nKeep);
    AfxCollectionFree(m_pData);
    m_pData = pNew;
    m_nSize = nNewSize;
    m_nMaxSize = nNewMax;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    if (m_nSize == 0)
        SetSize(0, -1);
    else
        Reallocate(m_nSize, m_nSize);
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0)
        AfxThrowInvalidArgException();
    if (nIndex < m_nSize)
    {
        m_pData[nIndex] = newElement;
        return;
    }
    if (nIndex == INTPTR_MAX)
        AfxThrowMemoryException();
    // newElement may live in this array: copy it before the storage moves.
    TYPE value(newElement);
    SetSize(nIndex + 1, -1);
    m_pData[nIndex] = std::move(value);
}

template<class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

template<class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = m_nSize;
    INT_PTR nCount = src.m_nSize;
    if (nCount > INTPTR_MAX - nOldSize)
        AfxThrowMemoryException();
    SetSize(nOldSize + nCount, -1);
    // Read src's storage only now: when appending to itself it has just moved.
    CopyElements<TYPE>(m_pData + nOldSize, src.m_pData, nCount);
    return nOldSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    CopyElements<TYPE>(m_pData, src.m_pData, src.m_nSize);
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0)
        AfxThrowInvalidArgException();
    if (nCount == 0)
        return;
    INT_PTR nOldSize = m_nSize;
    INT_PTR nFrom = nIndex < nOldSize ? nOldSize : nIndex;
    if (nCount > INTPTR_MAX - nFrom)
        AfxThrowMemoryException();
    TYPE value(newElement); // newElement may live in this array
    SetSize(nFrom + nCount, -1);
    for (INT_PTR i = nOldSize - 1; i >= nIndex; i--)
        m_pData[i + nCount] = std::move(m_pData[i]);
    for (INT_PTR i = nIndex; i < nIndex + nCount; i++)
        m_pData[i] = value;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
{
    if (pNewArray == NULL || nStartIndex < 0)
        AfxThrowInvalidArgException();
    if (pNewArray == this)
    {
        CArray copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    INT_PTR nCount = pNewArray->GetSize();
    if (nCount == 0)
        return;
    InsertAt(nStartIndex, pNewArray->GetAt(0), nCount);
    for (INT_PTR i = 1; i < nCount; i++)
        m_pData[nStartIndex + i] = pNewArray->m_pData[i];
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0 || nIndex > m_nSize || nCount > m_nSize - nIndex)
        AfxThrowInvalidArgException();
    for (INT_PTR i = nIndex + nCount; i < m_nSize; i++)
        m_pData[i - nCount] = std::move(m_pData[i]);
    AfxElements::Destroy(m_pData + m_nSize - nCount, nCount);
    m_nSize -= nCount;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD_PTR)m_nSize);
        SerializeElements<TYPE>(ar, m_pData, m_nSize);
    }
    else
    {
        // The elements are read into new storage that grows with what actually arrives, so a
        // count the file cannot back fails before it costs much memory, and a failure leaves
        // the old contents in place.
        DWORD_PTR nCount = ar.ReadCount();
        if (nCount > (DWORD_PTR)INTPTR_MAX)
            AfxThrowMemoryException();
        CArray loaded;
        INT_PTR nDone = 0;
        while (nDone < (INT_PTR)nCount)
        {
            INT_PTR nStep = nDone > 1024 ? nDone : 1024;
            if (nStep > (INT_PTR)nCount - nDone)
                nStep = (INT_PTR)nCount - nDone;
            loaded.SetSize(nDone + nStep);
            SerializeElements<TYPE>(ar, loaded.m_pData + nDone, nStep);
            nDone += nStep;
        }
        loaded.m_nGrowBy = m_nGrowBy;
        SwapContents(loaded);
    }
}
