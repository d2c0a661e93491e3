// UxTipText.h: CUxTipText, a tip's marked-up text on a device context: read once into runs, laid
// out and measured (the line tables kept), then laid out again and drawn.
#pragma once

#include "core/KwUiExport.h"

#include "tips/UxTipLayout.h"
#include "tips/UxTipMarkup.h"
#include "tips/UxTipPictures.h"

#include <afxwin.h>

class KWUI_API CUxTipText
{
public:
    // Measuring (bMeasure) rebuilds the line tables and returns the widest line and the total
    // height; drawing places the lines by the tables of the last measured text and returns (0, 0).
    // Every pass starts from the base font and gives the context its font back; slots of colour
    // tags are read from pColors.
    CSize Print(CDC* pDC, const CRect& rect, const CString& sText, BOOL bMeasure, const LOGFONT& lfBase,
                const COLORREF* pColors, CUxTipPictures& pictures);

    const UxTipLines& Lines() const { return m_lines; }
    void Clear();

private:
    UxTipLines m_lines;
    CUxTipMarkup m_markup;  // the runs of m_sText
    CString m_sText;
};
