// LargeListWidths.h: CLargeListWidths, the record of a large list's column widths in a document:
// a reserved word 0, the column count, then each column's width, all 32-bit words.
#pragma once

#include "core/KwUiExport.h"

#include <afx.h>
#include <afxcoll.h>

class KWUI_API CLargeListWidths
{
public:
    static void Store(CArchive& ar, const CDWordArray& widths);

    // Reads a record written for a list of at most nColumns columns into widths (the low 16 bits
    // of each word). Every word is read before widths changes: a count above nColumns, or one
    // that the bytes left cannot hold, throws CArchiveException and leaves widths as it was.
    static void Load(CArchive& ar, int nColumns, CDWordArray& widths);
};
