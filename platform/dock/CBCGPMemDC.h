// CBCGPMemDC.h: CBCGPMemDC, drawing kept off-screen and copied to its window in one piece when it
// ends, so that a bar repainted as the mouse or the focus moves never flickers.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class KWDOCK_API CBCGPMemDC
{
public:
    // A surface the size of rect (in dc's coordinates, which drawing keeps using). Without memory
    // for one, drawing goes straight to dc.
    CBCGPMemDC(CDC& dc, const CRect& rect);
    // Copies what was drawn to dc.
    ~CBCGPMemDC();
    CBCGPMemDC(const CBCGPMemDC&) = delete;
    CBCGPMemDC& operator=(const CBCGPMemDC&) = delete;

    CDC& GetDC() { return m_bMemDC ? m_dcMem : m_dc; }
    BOOL IsMemDC() const { return m_bMemDC; }

private:
    CDC& m_dc;
    CRect m_rect;
    CDC m_dcMem;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
    BOOL m_bMemDC;
};
