// UxTipMarkup.h: CUxTipMarkup, the tooltip's markup read once into runs: pieces of text, line
// breaks, tabulations, style and colour switches, alignments, rules and pictures. Portable: the
// reading rules are the markup's own, with numbers read as Windows reads them (32 bits).
#pragma once

#include "core/KwUiExport.h"

#include <cstdint>
#include <string>
#include <vector>

// Font styles the tags switch.
enum
{
    UXTIP_STYLE_BOLD = 1,
    UXTIP_STYLE_ITALIC = 2,
    UXTIP_STYLE_STRIKEOUT = 4,
    UXTIP_STYLE_UNDERLINE = 8,
    UXTIP_STYLE_COUNT = 16,
};

// Alignments of a line.
enum EUxTipAlign
{
    UXTIP_ALIGN_LEFT,
    UXTIP_ALIGN_CENTER,
    UXTIP_ALIGN_RIGHT,
};

struct UxTipRun
{
    enum EKind : unsigned char
    {
        TEXT,          // nText, nLength: the characters, escapes resolved
        BREAK,         // nValue: count
        TAB,           // nValue: count
        STYLE,         // nValue: one UXTIP_STYLE_* bit, bClose: off
        TEXT_COLOR,    // nValue: colour, or slot with bSlot
        BK_COLOR,      // nValue: colour, or slot with bSlot; bClose: transparent
        ALIGN,         // nValue: EUxTipAlign
        RULE,          // nValue: pixels, or percent with bPercent
        PICTURE,       // nText, nLength: the name; cx, cy
        IMAGE_LIST,    // nValue: index
        ICON,          // nValue: resource; cx, cy
        BITMAP,        // nValue: resource; cx, cy; crMask with bMask
    };
    EKind nKind = TEXT;
    bool bClose = false;
    bool bSlot = false;
    bool bPercent = false;
    bool bMask = false;
    uint32_t nValue = 0;
    uint32_t cx = 0;
    uint32_t cy = 0;
    uint32_t crMask = 0;
    int nText = 0;
    int nLength = 0;
};

class KWUI_API CUxTipMarkup
{
public:
    // Reads the text; the runs of an earlier text are gone.
    void Parse(const char* pszText, int nLength);

    const std::vector<UxTipRun>& Runs() const { return m_runs; }
    // An empty text has no lines at all.
    bool IsEmpty() const { return m_source.empty(); }
    // The characters of a text run or the name of a picture (not terminated).
    const char* Chars(const UxTipRun& run) const { return m_chars.data() + run.nText; }

    // The scanner: each moves i through p[0..n) and never past its end.
    // The text run starting at i ends at the next '<' that is neither doubled nor the last
    // character, at a line feed or at the end; returns where it began.
    static int ScanRun(const char* p, int n, int& i);
    // A tag or property name: empty when a line feed stands where it would begin (i is left on
    // it); ends before '=' or '>', or after a space; line feeds and carriage returns are left out.
    static std::string ReadName(const char* p, int n, int& i);
    // The value after '=': empty, with i on the first character that is not blank, when no '='
    // comes first. Ends before '>' or after a space.
    static std::string ReadValue(const char* p, int n, int& i);
    // A number as the value, nDefault without one.
    static uint32_t ReadNumber(const char* p, int n, int& i, uint32_t nDefault);
    // To the next '>' or line feed, and past it.
    static void SkipToEndOfTag(const char* p, int n, int& i);
    // strtoul in base 0 with a 32-bit result: too large saturates, a minus sign wraps.
    static uint32_t ToNumber(const std::string& s);

private:
    void AddText(const char* p, int nBegin, int nEnd);
    void AddTag(const char* p, int n, int& i);
    void AddPicture(UxTipRun::EKind nKind, const char* p, int n, int& i, int nProperties);
    void ReadSizes(const char* p, int n, int& i, int nCount, UxTipRun& run);
    UxTipRun& Add(UxTipRun::EKind nKind, uint32_t nValue = 0);

    std::string m_source;           // the text read, tabs made spaces
    std::vector<UxTipRun> m_runs;
    std::string m_chars;            // the characters of text runs and picture names
};
