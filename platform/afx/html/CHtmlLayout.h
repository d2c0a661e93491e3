// CHtmlLayout.h: CHtmlLayout turns a styled tree into a display list for a page width: blocks
// stack, text flows into line boxes and wraps at spaces, lists get their markers, tables size
// their columns from their cells' narrowest and widest contents. Every word is measured once;
// block nesting is bounded by the parser's depth, so the recursion over blocks is too.
#pragma once

#include "CHtmlDisplayList.h"
#include "CHtmlDom.h"
#include "CHtmlStyle.h"
#include "IHtmlMeasurer.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CHtmlLayout
{
public:
    CHtmlLayout(const CHtmlDom& dom, const std::vector<CHtmlStyle>& styles, IHtmlMeasurer& measurer);

    void Run(int nWidth, CHtmlDisplayList& list);

private:
    struct CWord {
        uint32_t nStart, nLength;
        int nWidth;
        bool bSpaceBefore; // white space (collapsed to one blank) before it
        bool bBreakBefore; // a line end of preformatted text before it
    };
    struct CMetrics {
        int nAscent, nHeight, nSpace;
    };
    struct CLine { // the line box being filled, in its container
        int nLeft = 0, nWidth = 0;
        CHtmlStyle::EAlign nAlign = CHtmlStyle::alignLeft;
        int x = 0;              // where the next item goes
        size_t nFirstItem = 0;  // its items are the list's last ones, from this one
        int nAscent = 0, nDescent = 0;
        bool bPendingSpace = false;
    };

    const CHtmlDom& m_dom;
    const std::vector<CHtmlStyle>& m_styles;
    IHtmlMeasurer& m_measurer;
    CHtmlDisplayList* m_pList = nullptr;

    std::vector<CWord> m_words;            // of every text node, in order
    std::vector<size_t> m_firstWord;       // per node: its first word in m_words
    std::vector<bool> m_trailingSpace;     // per text node: ends with white space
    std::vector<int> m_minWidth, m_maxWidth; // per node: narrowest and widest content
    std::vector<int> m_subtreeEnd;         // per node: the index after its last descendant
    std::map<int, CMetrics> m_metrics;     // per font key

    CLine m_line;
    int m_y = 0;
    int m_yContent = 0; // the bottom of the last line or table, margins left out
    int m_yMarginEnd = -1, m_nLastMargin = 0; // for collapsing adjacent margins
    std::string m_strMarker;               // a list marker waiting for its item's first line
    int m_nMarkerNode = -1;

    const CMetrics& Metrics(const CHtmlFont& font);
    static CHtmlFont FontOf(const CHtmlStyle& style);
    void MeasureWords();
    void MeasureWidths();
    void TableColumns(int nTable, std::vector<int>& colMin, std::vector<int>& colMax) const;
    int CellChrome(int nTable) const;

    void Margin(int nMargin, bool bBottom);
    void Block(int n, int x, int nWidth);
    void Children(int n);
    void Table(int n, int x, int nWidth);
    void Inline(int n);
    void AddWord(int nText, const CWord& word);
    void AddBox(int n, int cx, int cy);
    void Break(const CHtmlStyle& style);
    void FlushLine();
    void AddAnchors(int n);
    void Shift(size_t nFirst, size_t nEnd, int dy);
    bool ImageSize(int n, int& cx, int& cy);
    int IntAttribute(int n, const char* pszName, int nDefault, int nMax) const;
    size_t Placeholder();
};
