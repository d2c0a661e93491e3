// CollectionElements.cpp: the storage primitives of the collection templates.
#include "CollectionElements.h"

#include <cstdint>
#include <new>

size_t AfxCollectionBytes(size_t nCount, size_t cbElement)
{
    // Sizes must also fit the signed counts of the collections.
    if (cbElement != 0 && nCount > (size_t)PTRDIFF_MAX / cbElement)
        AfxThrowMemoryException();
    return nCount * cbElement;
}

void* AfxCollectionTryAlloc(size_t nCount, size_t cbElement)
{
    if (cbElement != 0 && nCount > (size_t)PTRDIFF_MAX / cbElement)
        return NULL;
    return ::operator new(nCount * cbElement, std::nothrow);
}

void* AfxCollectionAlloc(size_t nCount, size_t cbElement)
{
    void* p = AfxCollectionTryAlloc(nCount, cbElement);
    if (p == NULL)
        AfxThrowMemoryException();
    return p;
}

void AfxCollectionFree(void* p)
{
    ::operator delete(p);
}
