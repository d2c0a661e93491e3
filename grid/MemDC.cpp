// MemDC.cpp: the off-screen drawing surface.
#include "grid/MemDC.h"

CMemDC::CMemDC(CDC* pDC) : m_pOldBitmap(NULL), m_pDC(pDC), m_bMemDC(FALSE)
{
    // Until the surface is built, drawing goes to the target itself.
    Attach(pDC->m_hDC);
}

CMemDC::~CMemDC()
{
    Detach();
}
