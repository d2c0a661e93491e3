// CHtmlPainter.h: CHtmlPainter paints a laid-out page with GDI (pictures with GDI+): the page
// colour, then its items in their order, those outside the clip box left out.
#pragma once

#include "afxtypes.h"
#include "html/CHtmlDisplayList.h"

#include <windows.h>

class CHtmlGdiResources;

class KWAFX_API CHtmlPainter
{
public:
    // Paints the page with its top left at (-xScroll, -yScroll) of the device context, over the
    // box rcClip of the device context. The page is laid out in pixels of 96 DPI and painted at
    // nDpi: its boxes, lines and fonts grow alike, its text keeps the places it was laid out at.
    static void Paint(HDC hDC, const CHtmlDisplayList& list, CHtmlGdiResources& resources, int xScroll, int yScroll,
        const RECT& rcClip, UINT nDpi = 96);

private:
    static void Fill(HDC hDC, const RECT& rc, COLORREF cr);
    static void Frame(HDC hDC, const RECT& rc, COLORREF cr, int nThickness);
};
