// CMap.h: declares CMap, the framework's hash map template.
#pragma once

#include "afxtypes.h"
#include "CObject.h"
#include "CList.h"
#include "CPlex.h"
#include "CollectionElements.h"

// The position GetStartPosition gives before the first association has been visited.
#ifndef BEFORE_START_POSITION
#define BEFORE_START_POSITION ((POSITION)-1L)
#endif

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
    static_assert(alignof(KEY) <= alignof(std::max_align_t) && alignof(VALUE) <= alignof(std::max_align_t), "elements must not need more alignment than ordinary allocations give");

protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue; // the bucket
        KEY key;
        VALUE value;
    };

public:
    // Associations are allocated nBlockSize at a time (at least one); the table has 17 buckets
    // until InitHashTable says otherwise.
    explicit CMap(INT_PTR nBlockSize = 10);
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    // The value of key, added value-initialised when the key is new.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    // Empties the map and releases all its storage; the table size is kept.
    void RemoveAll();

    // Iteration in bucket order. Removing the association just returned is allowed.
    POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Sets the number of buckets (a prime works best). A map that already holds associations
    // keeps them, redistributed over the new table. 0 throws CInvalidArgException.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE);

    // The count, then key and value of each association in iteration order. Loading adds the
    // associations read (a key read again takes the later value); when the archive fails the
    // map is left as it was.
    void Serialize(CArchive& ar) override;

protected:
    CAssoc** m_pHashTable;
    UINT m_nHashTableSize;
    INT_PTR m_nCount;
    CAssoc* m_pFreeList;
    CPlex* m_pBlocks;
    INT_PTR m_nBlockSize;

    CAssoc* NewAssoc(ARG_KEY key, UINT nHash);
    void FreeAssoc(CAssoc* pAssoc);
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const;
};

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CMap(INT_PTR nBlockSize)
    : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0), m_pFreeList(NULL), m_pBlocks(NULL),
      m_nBlockSize(nBlockSize > 0 ? nBlockSize : 1)
{
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize, BOOL bAllocNow)
{
    if (nHashSize == 0)
        AfxThrowInvalidArgException();
    CAssoc** pNewTable = NULL;
    if (bAllocNow || m_nCount > 0)
    {
        pNewTable = static_cast<CAssoc**>(AfxCollectionAlloc(nHashSize, sizeof(CAssoc*)));
        for (UINT i = 0; i < nHashSize; i++)
            pNewTable[i] = NULL;
    }
    for (UINT nBucket = 0; m_pHashTable != NULL && nBucket < m_nHashTableSize; nBucket++)
    {
        CAssoc* pAssoc = m_pHashTable[nBucket];
        while (pAssoc != NULL)
        {
            CAssoc* pNext = pAssoc->pNext;
            pAssoc->nHashValue = HashKey<ARG_KEY>(pAssoc->key) % nHashSize;
            pAssoc->pNext = pNewTable[pAssoc->nHashValue];
            pNewTable[pAssoc->nHashValue] = pAssoc;
            pAssoc = pNext;
        }
    }
    AfxCollectionFree(m_pHashTable);
    m_pHashTable = pNewTable;
    m_nHashTableSize = nHashSize;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    for (UINT nBucket = 0; m_pHashTable != NULL && nBucket < m_nHashTableSize; nBucket++)
    {
        for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != NULL; pAssoc = pAssoc->pNext)
        {
            pAssoc->key.~KEY();
            pAssoc->value.~VALUE();
        }
    }
    AfxCollectionFree(m_pHashTable);
    m_pHashTable = NULL;
    m_nCount = 0;
    m_pFreeList = NULL;
    if (m_pBlocks != NULL)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewAssoc(ARG_KEY key, UINT nHash)
{
    if (m_pFreeList == NULL)
        CPlex::AddFreeNodes(m_pBlocks, m_pFreeList, (size_t)m_nBlockSize);
    CAssoc* pAssoc = m_pFreeList;
    try
    {
        ::new ((void*)&pAssoc->key) KEY(key);
        try
        {
            ::new ((void*)&pAssoc->value) VALUE();
        }
        catch (...)
        {
            pAssoc->key.~KEY();
            throw;
        }
    }
    catch (...)
    {
        if (m_nCount == 0)
            RemoveAll();
        throw;
    }
    m_pFreeList = pAssoc->pNext;
    pAssoc->nHashValue = nHash;
    pAssoc->pNext = m_pHashTable[nHash];
    m_pHashTable[nHash] = pAssoc;
    m_nCount++;
    return pAssoc;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FreeAssoc(CAssoc* pAssoc)
{
    pAssoc->key.~KEY();
    pAssoc->value.~VALUE();
    pAssoc->pNext = m_pFreeList;
    m_pFreeList = pAssoc;
    m_nCount--;
    if (m_nCount == 0)
        RemoveAll();
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT& nHash) const
{
    nHash = HashKey<ARG_KEY>(key) % m_nHashTableSize;
    if (m_pHashTable == NULL)
        return NULL;
    for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext)
        if (CompareElements(&pAssoc->key, &key))
            return pAssoc;
    return NULL;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (pAssoc == NULL)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (pAssoc == NULL)
    {
        if (m_pHashTable == NULL)
            InitHashTable(m_nHashTableSize);
        pAssoc = NewAssoc(key, nHash);
    }
    return pAssoc->value;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == NULL)
        return FALSE;
    CAssoc** ppAssocPrev = &m_pHashTable[HashKey<ARG_KEY>(key) % m_nHashTableSize];
    for (CAssoc* pAssoc = *ppAssocPrev; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (CompareElements(&pAssoc->key, &key))
        {
            *ppAssocPrev = pAssoc->pNext;
            FreeAssoc(pAssoc);
            return TRUE;
        }
        ppAssocPrev = &pAssoc->pNext;
    }
    return FALSE;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
{
    CAssoc* pAssocRet = (CAssoc*)rNextPosition;
    if (pAssocRet == NULL || m_pHashTable == NULL)
        AfxThrowInvalidArgException();
    if (rNextPosition == BEFORE_START_POSITION)
    {
        pAssocRet = NULL;
        for (UINT nBucket = 0; pAssocRet == NULL && nBucket < m_nHashTableSize; nBucket++)
            pAssocRet = m_pHashTable[nBucket];
    }
    CAssoc* pAssocNext = pAssocRet->pNext;
    for (UINT nBucket = pAssocRet->nHashValue + 1; pAssocNext == NULL && nBucket < m_nHashTableSize; nBucket++)
        pAssocNext = m_pHashTable[nBucket];
    rNextPosition = (POSITION)pAssocNext;
    rKey = pAssocRet->key;
    rValue = pAssocRet->value;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD_PTR)m_nCount);
        for (UINT nBucket = 0; m_pHashTable != NULL && nBucket < m_nHashTableSize; nBucket++)
        {
            for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != NULL; pAssoc = pAssoc->pNext)
            {
                SerializeElements<KEY>(ar, &pAssoc->key, 1);
                SerializeElements<VALUE>(ar, &pAssoc->value, 1);
            }
        }
        return;
    }
    // Everything is read before the map changes, in the archive's order.
    struct CPair
    {
        KEY key;
        VALUE value;
    };
    CList<CPair, const CPair&> loaded;
    for (DWORD_PTR nNewCount = ar.ReadCount(); nNewCount > 0; nNewCount--)
    {
        CPair pair{};
        SerializeElements<KEY>(ar, &pair.key, 1);
        SerializeElements<VALUE>(ar, &pair.value, 1);
        loaded.AddTail(pair);
    }
    for (POSITION pos = loaded.GetHeadPosition(); pos != NULL;)
    {
        const CPair& pair = loaded.GetNext(pos);
        (*this)[pair.key] = pair.value;
    }
}
