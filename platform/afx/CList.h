// CList.h: declares CList, the framework's doubly linked list template.
#pragma once

#include "afxtypes.h"
#include "CObject.h"
#include "CPlex.h"
#include "CollectionElements.h"

template<class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
    static_assert(alignof(TYPE) <= alignof(std::max_align_t), "elements must not need more alignment than ordinary allocations give");

protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    // Nodes are allocated nBlockSize at a time (at least one).
    explicit CList(INT_PTR nBlockSize = 10);
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // The ends of an empty list throw CInvalidArgException.
    TYPE& GetHead() { return CheckNode(m_pNodeHead)->data; }
    const TYPE& GetHead() const { return CheckNode(m_pNodeHead)->data; }
    TYPE& GetTail() { return CheckNode(m_pNodeTail)->data; }
    const TYPE& GetTail() const { return CheckNode(m_pNodeTail)->data; }
    TYPE RemoveHead();
    TYPE RemoveTail();

    POSITION AddHead(ARG_TYPE newElement);
    POSITION AddTail(ARG_TYPE newElement);
    // Adds the elements of another list (or of this one) keeping their order.
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);
    // Empties the list and releases all its storage.
    void RemoveAll();

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
    // Return the element at rPosition and move it on; NULL after the last one.
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, &CNode::pNext); }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, &CNode::pNext); }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, &CNode::pPrev); }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, &CNode::pPrev); }

    TYPE& GetAt(POSITION position) { return CheckNode((CNode*)position)->data; }
    const TYPE& GetAt(POSITION position) const { return CheckNode((CNode*)position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { CheckNode((CNode*)pos)->data = newElement; }
    void RemoveAt(POSITION position);

    // A NULL position inserts at the head (InsertBefore) or at the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // The first match after startAfter (from the head when NULL), or NULL.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    // The position of the nIndex-th element from the head, or NULL.
    POSITION FindIndex(INT_PTR nIndex) const;

    // The count, then each element through SerializeElements. Loading appends to the list, or
    // leaves it as it was when the archive fails.
    void Serialize(CArchive& ar) override;

protected:
    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;
    CNode* m_pNodeFree;
    CPlex* m_pBlocks;
    INT_PTR m_nBlockSize;

    static CNode* CheckNode(CNode* pNode)
    {
        if (pNode == NULL)
            AfxThrowInvalidArgException();
        return pNode;
    }

    TYPE& Step(POSITION& rPosition, CNode* CNode::*pLink) const
    {
        CNode* pNode = CheckNode((CNode*)rPosition);
        rPosition = (POSITION)(pNode->*pLink);
        return pNode->data;
    }

    // A node holding a copy of value; the list is unchanged when the copy throws.
    template<class ARG>
    CNode* NewNode(CNode* pPrev, CNode* pNext, ARG&& value);
    void FreeNode(CNode* pNode);
    POSITION Link(CNode* pNode);
};

template<class TYPE, class ARG_TYPE>
CList<TYPE, ARG_TYPE>::CList(INT_PTR nBlockSize)
    : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0), m_pNodeFree(NULL), m_pBlocks(NULL),
      m_nBlockSize(nBlockSize > 0 ? nBlockSize : 1)
{
}

template<class TYPE, class ARG_TYPE>
template<class ARG>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::NewNode(CNode* pPrev, CNode* pNext, ARG&& value)
{
    if (m_pNodeFree == NULL)
        CPlex::AddFreeNodes(m_pBlocks, m_pNodeFree, (size_t)m_nBlockSize);
    CNode* pNode = m_pNodeFree;
    try
    {
        ::new ((void*)&pNode->data) TYPE(std::forward<ARG>(value));
    }
    catch (...)
    {
        if (m_nCount == 0)
            RemoveAll();
        throw;
    }
    m_pNodeFree = pNode->pNext;
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    m_nCount++;
    return pNode;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::FreeNode(CNode* pNode)
{
    pNode->data.~TYPE();
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    m_nCount--;
    if (m_nCount == 0)
        RemoveAll();
}

// Hooks a new node in between its neighbours.
template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Link(CNode* pNode)
{
    if (pNode->pPrev != NULL)
        pNode->pPrev->pNext = pNode;
    else
        m_pNodeHead = pNode;
    if (pNode->pNext != NULL)
        pNode->pNext->pPrev = pNode;
    else
        m_pNodeTail = pNode;
    return (POSITION)pNode;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
        pNode->data.~TYPE();
    m_nCount = 0;
    m_pNodeHead = m_pNodeTail = m_pNodeFree = NULL;
    if (m_pBlocks != NULL)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddHead(ARG_TYPE newElement)
{
    return Link(NewNode(NULL, m_pNodeHead, newElement));
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddTail(ARG_TYPE newElement)
{
    return Link(NewNode(m_pNodeTail, NULL, newElement));
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList)
{
    if (pNewList == NULL)
        AfxThrowInvalidArgException();
    // Count first: the list may be this one, which grows meanwhile.
    INT_PTR n = pNewList->m_nCount;
    CNode* pNode = pNewList->m_pNodeTail;
    for (; n > 0; n--, pNode = pNode->pPrev)
        AddHead(pNode->data);
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList)
{
    if (pNewList == NULL)
        AfxThrowInvalidArgException();
    INT_PTR n = pNewList->m_nCount;
    CNode* pNode = pNewList->m_pNodeHead;
    for (; n > 0; n--, pNode = pNode->pNext)
        AddTail(pNode->data);
}

template<class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    TYPE returnValue(std::move(CheckNode(m_pNodeHead)->data));
    RemoveAt((POSITION)m_pNodeHead);
    return returnValue;
}

template<class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    TYPE returnValue(std::move(CheckNode(m_pNodeTail)->data));
    RemoveAt((POSITION)m_pNodeTail);
    return returnValue;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pOldNode = CheckNode((CNode*)position);
    if (pOldNode == m_pNodeHead)
        m_pNodeHead = pOldNode->pNext;
    else
        pOldNode->pPrev->pNext = pOldNode->pNext;
    if (pOldNode == m_pNodeTail)
        m_pNodeTail = pOldNode->pPrev;
    else
        pOldNode->pNext->pPrev = pOldNode->pPrev;
    FreeNode(pOldNode);
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
        return AddHead(newElement);
    CNode* pOldNode = (CNode*)position;
    return Link(NewNode(pOldNode->pPrev, pOldNode, newElement));
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
        return AddTail(newElement);
    CNode* pOldNode = (CNode*)position;
    return Link(NewNode(pOldNode, pOldNode->pNext, newElement));
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter == NULL ? m_pNodeHead : ((CNode*)startAfter)->pNext;
    for (; pNode != NULL; pNode = pNode->pNext)
        if (CompareElements(&pNode->data, &searchValue))
            return (POSITION)pNode;
    return NULL;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return (POSITION)pNode;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD_PTR)m_nCount);
        for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
            SerializeElements<TYPE>(ar, &pNode->data, 1);
        return;
    }
    DWORD_PTR nNewCount = ar.ReadCount();
    INT_PTR nOldCount = m_nCount;
    try
    {
        while (nNewCount-- > 0)
        {
            TYPE newData{};
            SerializeElements<TYPE>(ar, &newData, 1);
            Link(NewNode(m_pNodeTail, NULL, std::move(newData)));
        }
    }
    catch (...)
    {
        while (m_nCount > nOldCount)
            RemoveAt((POSITION)m_pNodeTail);
        throw;
    }
}
