// KwLineColPos.h: CKwLineColPos, conversion between character offsets in a multi-line text and
// (line, visual column) pairs with tabs expanded.
#pragma once

#include "core/KwUiExport.h"

#include <afx.h>

class KWUI_API CKwLineColPos
{
public:
    // The 0-based line of pos: the line feeds among the first min(pos, length) characters.
    static UINT GetLine(const CString& text, UINT pos);

    // The visual column of pos within its line (a line starts after a carriage return or a
    // line feed); a tab reaches the next multiple of tabSize.
    static UINT GetCol(const CString& text, UINT pos, UINT tabSize);

    // The offset of visual column col on line line. A column past the line's end runs on into
    // the next lines; a line past the last gives the text's length.
    static UINT GetPos(const CString& text, UINT line, UINT col, UINT tabSize);

private:
    static UINT Advance(UINT col, char c, UINT tabSize);
};
