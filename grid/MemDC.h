// MemDC.h: CMemDC, an off-screen drawing surface over a target DC: drawing goes to a bitmap the
// size of the target's clip box, copied onto the target when the surface is destroyed.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CMemDC : public CDC
{
public:
    // Drawing code keeps using the target's coordinates. A printer DC is drawn on directly.
    explicit CMemDC(CDC* pDC);
    virtual ~CMemDC();

    CMemDC* operator->() { return this; }
    operator CMemDC*() { return this; }

private:
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
