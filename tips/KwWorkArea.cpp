// KwWorkArea.cpp: the work area with its fallback, and the first candidate that fits.
#include "tips/KwWorkArea.h"

CRect CKwWorkArea::Get()
{
    CRect area;
    if (!::SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0))
        area.SetRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return area;
}

BOOL CKwWorkArea::IsRectInRect(const CRect& inner, const CRect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

int CKwWorkArea::FirstInside(const CRect* pCandidates, int nCount, const CRect& area)
{
    for (int i = 0; i < nCount; i++)
        if (IsRectInRect(pCandidates[i], area))
            return i;
    return -1;
}
