// Splitting text at separator characters, multibyte-aware where the platform is.
#include "core/KwStringParser.h"

#include <cstring>

#ifdef _WIN32
#include <mbstring.h>
#endif

namespace {

// The first character of text that is one of chars, or null.
const char* FindAny(const char* text, const char* chars)
{
#ifdef _WIN32
    return (const char*)_mbspbrk((const unsigned char*)text, (const unsigned char*)chars);
#else
    return strpbrk(text, chars);
#endif
}

} // namespace

CKwStringParser::CKwStringParser(const char* text, const char* separators)
    : m_text(text), m_separators(separators), m_pos(0)
{
}

int CKwStringParser::GetNextSubstring(CString& out)
{
    out.Empty();
    if (m_separators.IsEmpty())
        return 0;
    return Next(m_text, m_text.GetLength(), m_separators, m_pos, out);
}

int CKwStringParser::GetNextSubstring(const char* text, const char* separators, int& pos, CString& out)
{
    out.Empty();
    if (!text)
        text = "";
    if (!separators || !*separators || !IsValidPosition(text, pos))
        return 0;
    return Next(text, -1, separators, pos, out);
}

int CKwStringParser::GetNextLine(const char* text, int& pos, CString& out)
{
    out.Empty();
    if (!text)
        text = "";
    if (!IsValidPosition(text, pos))
        return 0;
    Next(text, -1, "\r\n", pos, out);
    // Next stepped over the first break character; CR LF ends one line only.
    if (text[pos - 1] == '\r' && text[pos] == '\n')
        pos++;
    return 1;
}

// pos may be the text's length (one last, empty piece) but not beyond; only the characters
// before pos are looked at, so a position the caller got wrong never reads past the text.
bool CKwStringParser::IsValidPosition(const char* text, int pos)
{
    return pos >= 0 && strnlen(text, (size_t)pos) == (size_t)pos;
}

// The piece from pos up to the next of the separators; a length of -1 is measured when needed.
int CKwStringParser::Next(const char* text, int length, const char* separators, int& pos, CString& out)
{
    if (length >= 0 && pos > length)
        return 0;
    const char* start = text + pos;
    const char* found = FindAny(start, separators);
    if (found) {
        out = CString(start, (int)(found - start));
        pos = (int)(found - text) + 1;
    } else {
        int rest = (int)strlen(start);
        out = CString(start, rest);
        pos += rest + 1;
    }
    return 1;
}
