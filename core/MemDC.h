// MemDC.h: CMemDC, an off-screen drawing surface over a target DC: drawing goes to a bitmap the
// size of the target's clip box, copied onto the target when the surface is destroyed.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

#include <functional>

class KWUI_API CMemDC : public CDC
{
public:
    // Drawing code keeps using the target's coordinates. A printer DC, or a target whose clip
    // box cannot be backed by a bitmap, is drawn on directly. The bitmap of one surface is kept
    // for the next of the same kind that it can hold.
    explicit CMemDC(CDC* pDC);
    virtual ~CMemDC();

    CMemDC* operator->() { return this; }
    operator CMemDC*() { return this; }

    // FALSE when drawing goes straight to the target.
    BOOL IsOffScreen() const { return m_bMemDC; }

    // For a window's WM_PAINT: runs draw over the DC given in wParam (a picture asked for there,
    // as the common controls take it), else over the window's paint DC.
    static void PaintWindow(CWnd* pWnd, const std::function<void(CDC&)>& draw);

private:
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
    CDC* m_pDC;
    CRect m_rect; // the target's clip box, in its logical coordinates
    BOOL m_bMemDC;
};
