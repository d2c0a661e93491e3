// KwStringParser.h: CKwStringParser, which splits a text into the pieces between separator
// characters, or into lines, one piece per call.
#pragma once

#include "core/KwUiExport.h"

#include <afx.h>

class KWUI_API CKwStringParser
{
public:
    CKwStringParser(const char* text, const char* separators);

    // The next piece of the text; 0 once the text is used up.
    int GetNextSubstring(CString& out);

    // The piece of text from pos up to the next separator character, which pos then passes.
    // Adjacent separators give empty pieces; a text ending in a separator ends in an empty
    // piece. Returns 0 (and an empty out) with no separators or once pos is past the end.
    static int GetNextSubstring(const char* text, const char* separators, int& pos, CString& out);

    // The line starting at pos; CR LF, a lone LF and a lone CR each end one line. Returns 0
    // once pos is past the end.
    static int GetNextLine(const char* text, int& pos, CString& out);

private:
    static int Next(const char* text, int length, const char* separators, int& pos, CString& out);
    static bool IsValidPosition(const char* text, int pos);

    CString m_text;
    CString m_separators;
    int m_pos;
};
