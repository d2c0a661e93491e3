// KwWorkArea.h: CKwWorkArea, the part of the screen a popup may cover, and the choice of the first
// of several candidate places that lies wholly inside it.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwWorkArea
{
public:
    // The desktop's work area, or the whole primary screen when the system does not give one.
    static CRect Get();
    // TRUE when inner lies wholly inside outer; the edges may touch.
    static BOOL IsRectInRect(const CRect& inner, const CRect& outer);
    // The index of the first candidate inside the area, or -1 when none is.
    static int FirstInside(const CRect* pCandidates, int nCount, const CRect& area);
};
