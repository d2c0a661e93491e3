// CPlex.cpp: the node blocks of the lists and maps.
#include "CPlex.h"

#include "CollectionElements.h"

#include <new>

CPlex* CPlex::Create(CPlex*& pHead, size_t nMax, size_t cbElement)
{
    size_t cbData = AfxCollectionBytes(nMax, cbElement);
    if (cbData > SIZE_MAX - cbHeader)
        AfxThrowMemoryException();
    void* pMem = ::operator new(cbHeader + cbData, std::nothrow);
    if (pMem == NULL)
        AfxThrowMemoryException();
    CPlex* p = static_cast<CPlex*>(pMem);
    p->pNext = pHead;
    pHead = p;
    return p;
}

void CPlex::FreeDataChain()
{
    CPlex* p = this;
    while (p != NULL)
    {
        CPlex* pNext = p->pNext;
        ::operator delete(p);
        p = pNext;
    }
}
