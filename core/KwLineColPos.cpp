// Line and column arithmetic over single-byte text.
#include "core/KwLineColPos.h"

// A tab size of 0 would divide by zero: such a tab counts as one column.
UINT CKwLineColPos::Advance(UINT col, char c, UINT tabSize)
{
    if (c == '\t' && tabSize > 1)
        return (col / tabSize + 1) * tabSize;
    return col + 1;
}

UINT CKwLineColPos::GetLine(const CString& text, UINT pos)
{
    UINT end = pos < (UINT)text.GetLength() ? pos : (UINT)text.GetLength();
    const char* p = text;
    UINT line = 0;
    for (UINT i = 0; i < end; i++) {
        if (p[i] == '\n')
            line++;
    }
    return line;
}

UINT CKwLineColPos::GetCol(const CString& text, UINT pos, UINT tabSize)
{
    UINT end = pos < (UINT)text.GetLength() ? pos : (UINT)text.GetLength();
    const char* p = text;
    UINT start = end;
    while (start > 0 && p[start - 1] != '\r' && p[start - 1] != '\n')
        start--;
    UINT col = 0;
    for (UINT i = start; i < end; i++)
        col = Advance(col, p[i], tabSize);
    return col;
}

UINT CKwLineColPos::GetPos(const CString& text, UINT line, UINT col, UINT tabSize)
{
    const UINT length = (UINT)text.GetLength();
    const char* p = text;
    UINT pos = 0;
    for (UINT passed = 0; passed < line; passed++) {
        while (pos < length && p[pos] != '\n')
            pos++;
        if (pos == length)
            return length;
        pos++;
    }
    for (UINT c = 0; c < col && pos < length; pos++)
        c = Advance(c, p[pos], tabSize);
    return pos;
}
