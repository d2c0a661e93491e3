// StructPicture.h: CStructPicture, a member's cross-section picture (the bytes of a picture file)
// drawn through GDI+.
#pragma once

#include <afxwin.h>

class CStructPicture
{
public:
    // The picture fitted into rect, its proportions kept; FALSE (nothing drawn) when the bytes are
    // no picture GDI+ can read.
    static BOOL Draw(CDC* pDC, const CByteArray& bytes, const CRect& rect);
};
