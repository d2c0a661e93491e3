// UxTipDrawer.h: CUxTipDrawer, which draws the tooltip with GDI: the boxes of laid-out markup
// (text, rules, pictures, and the colours the tags switch), and the background effects.
#pragma once

#include "core/KwUiExport.h"

#include "tips/UxTipLayout.h"
#include "tips/UxTipPictures.h"

#include <afxwin.h>

class KWUI_API CUxTipDrawer : public IUxTipBoxSink
{
public:
    // Colour boxes are applied in both passes, as the tags set them on the context and leave
    // them there; the rest is drawn only when bDraw. Slots are read from pColors.
    CUxTipDrawer(CDC* pDC, const CUxTipMarkup& markup, const COLORREF* pColors, CUxTipPictures& pictures, BOOL bDraw)
        : m_pDC(pDC), m_markup(markup), m_pColors(pColors), m_pictures(pictures), m_bDraw(bDraw)
    {
    }

    void Box(const UxTipBox& box) override;

    // A solid line one pixel wide in the context's text colour.
    static void DrawRule(CDC* pDC, int xStart, int xEnd, int y);
    // Background effect nEffect (UXTT_EFFECT_*) over rect in the first, middle and last colour.
    static void FillBackground(CDC* pDC, const CRect& rect, UINT nEffect, COLORREF crFirst, COLORREF crMid,
                               COLORREF crLast);
    // 64 bands from one colour to the other, across (bHorz) or downwards.
    static void FillGradient(CDC* pDC, const CRect& rect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);

private:
    COLORREF Color(const UxTipRun& run) const { return run.bSlot ? m_pColors[run.nValue] : run.nValue; }

    CDC* m_pDC;
    const CUxTipMarkup& m_markup;
    const COLORREF* m_pColors;
    CUxTipPictures& m_pictures;
    BOOL m_bDraw;
};
