// CPlex.h: declares CPlex, a chain of raw memory blocks from which the lists and maps take
// their nodes.
#pragma once

#include "afxtypes.h"

#include <cstddef>

struct KWAFX_API CPlex
{
    CPlex* pNext;

    // The nodes of a block start after its header, aligned for any type.
    static const size_t cbHeader = (sizeof(CPlex*) + alignof(std::max_align_t) - 1)
        / alignof(std::max_align_t) * alignof(std::max_align_t);

    void* data() { return reinterpret_cast<BYTE*>(this) + cbHeader; }

    // Links a new block of nMax elements of cbElement bytes in front of pHead and returns it.
    // A size that cannot be allocated throws CMemoryException; pHead is then unchanged.
    static CPlex* Create(CPlex*& pHead, size_t nMax, size_t cbElement);

    // Adds a block of nMax nodes to the chain pHead and puts its nodes on the free list pFree,
    // to be handed out in address order. NODE links through pNext.
    template<class NODE>
    static void AddFreeNodes(CPlex*& pHead, NODE*& pFree, size_t nMax)
    {
        NODE* pNode = static_cast<NODE*>(Create(pHead, nMax, sizeof(NODE))->data()) + nMax;
        while (nMax-- > 0)
        {
            --pNode;
            pNode->pNext = pFree;
            pFree = pNode;
        }
    }

    // Frees this block and every block after it.
    void FreeDataChain();
};
