// CHtmlLayout.cpp: blocks, line boxes, lists and tables of a page.
#include "CHtmlLayout.h"

#include <algorithm>
#include <cstdlib>

namespace {

const uint32_t s_crFrame = 0x808080;
const int s_nListIndent = 40;
const int s_nPageMargin = 8;
const uint32_t s_nMaxWord = 200; // bytes: longer words are cut into pieces of this size
const int s_nMaxColumns = 1000;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The length of the piece of at most s_nMaxWord bytes at p, cut between characters.
uint32_t PieceLength(const std::string& s, size_t p, size_t nEnd)
{
    if (nEnd - p <= s_nMaxWord)
        return (uint32_t)(nEnd - p);
    size_t q = p + s_nMaxWord;
    while (q > p + 1 && ((unsigned char)s[q] & 0xC0) == 0x80)
        q--;
    return (uint32_t)(q - p);
}

bool IsHeading(CHtmlDom::ETag nTag)
{
    return nTag >= CHtmlDom::tagH1 && nTag <= CHtmlDom::tagH6;
}

} // namespace

CHtmlLayout::CHtmlLayout(const CHtmlDom& dom, const std::vector<CHtmlStyle>& styles, IHtmlMeasurer& measurer)
    : m_dom(dom), m_styles(styles), m_measurer(measurer)
{
}

CHtmlFont CHtmlLayout::FontOf(const CHtmlStyle& style)
{
    CHtmlFont font;
    font.nSize = style.nFontSize;
    font.bBold = style.bBold;
    font.bItalic = style.bItalic;
    font.bUnderline = style.bUnderline;
    font.bMono = style.bMono;
    return font;
}

const CHtmlLayout::CMetrics& CHtmlLayout::Metrics(const CHtmlFont& font)
{
    auto it = m_metrics.find(font.Key());
    if (it == m_metrics.end()) {
        CMetrics metrics;
        m_measurer.IHtmlMeasurer_FontMetrics(font, metrics.nAscent, metrics.nHeight);
        metrics.nSpace = m_measurer.IHtmlMeasurer_TextWidth(font, " ", 1);
        it = m_metrics.emplace(font.Key(), metrics).first;
    }
    return it->second;
}

int CHtmlLayout::IntAttribute(int n, const char* pszName, int nDefault, int nMax) const
{
    const std::string* pValue = m_dom.Attribute(n, pszName);
    if (pValue == nullptr || pValue->empty())
        return nDefault;
    long v = strtol(pValue->c_str(), nullptr, 10);
    return v < 0 ? 0 : v > nMax ? nMax : (int)v;
}

bool CHtmlLayout::ImageSize(int n, int& cx, int& cy)
{
    const std::string* pSource = m_dom.Attribute(n, "src");
    int nWidth = 0, nHeight = 0;
    bool bRead = pSource && m_measurer.IHtmlMeasurer_ImageSize(*pSource, nWidth, nHeight);
    if (!bRead)
        nWidth = nHeight = 20;
    cx = IntAttribute(n, "width", -1, 10000);
    cy = IntAttribute(n, "height", -1, 10000);
    if (cx < 0 && cy < 0) {
        cx = std::min(nWidth, 10000);
        cy = std::min(nHeight, 10000);
    } else if (cx < 0)
        cx = nHeight > 0 ? (int)((long long)nWidth * cy / nHeight) : cy;
    else if (cy < 0)
        cy = nWidth > 0 ? (int)((long long)nHeight * cx / nWidth) : cx;
    return bRead;
}

// Cuts every text node into words (preformatted text: into its lines) and measures each once.
void CHtmlLayout::MeasureWords()
{
    m_firstWord.assign((size_t)m_dom.Count() + 1, 0);
    m_trailingSpace.assign((size_t)m_dom.Count(), false);
    for (int n = 0; n < m_dom.Count(); n++) {
        m_firstWord[(size_t)n] = m_words.size();
        const CHtmlDom::CNode& node = m_dom.Node(n);
        if (node.nTag != CHtmlDom::tagText)
            continue;
        const std::string& s = node.strText;
        const CHtmlFont font = FontOf(m_styles[(size_t)n]);
        auto add = [&](size_t nStart, size_t nEnd, bool bSpace, bool bBreak) {
            do {
                uint32_t nLength = PieceLength(s, nStart, nEnd);
                int nWidth = nLength ? m_measurer.IHtmlMeasurer_TextWidth(font, s.data() + nStart, nLength) : 0;
                m_words.push_back(CWord { (uint32_t)nStart, nLength, nWidth, bSpace, bBreak });
                bSpace = bBreak = false;
                nStart += nLength;
            } while (nStart < nEnd);
        };
        if (m_styles[(size_t)n].bPre) {
            for (size_t p = 0, nLine = 0;; nLine++) {
                size_t nEnd = s.find('\n', p);
                size_t nStop = nEnd == std::string::npos ? s.size() : nEnd;
                size_t nCut = nStop > p && s[nStop - 1] == '\r' ? nStop - 1 : nStop;
                add(p, nCut, false, nLine > 0);
                if (nEnd == std::string::npos)
                    break;
                p = nEnd + 1;
            }
        } else {
            bool bSpace = false;
            for (size_t p = 0; p < s.size();) {
                if (IsSpace(s[p])) {
                    bSpace = true;
                    p++;
                    continue;
                }
                size_t q = p;
                while (q < s.size() && !IsSpace(s[q]))
                    q++;
                add(p, q, bSpace, false);
                bSpace = false;
                p = q;
            }
            m_trailingSpace[(size_t)n] = bSpace;
        }
    }
    m_firstWord[(size_t)m_dom.Count()] = m_words.size();
}

int CHtmlLayout::CellChrome(int nTable) const
{
    int nBorder = IntAttribute(nTable, "border", 0, 20) > 0 ? 1 : 0;
    return 2 * (IntAttribute(nTable, "cellpadding", 1, 50) + nBorder);
}

// Per column: the narrowest and widest of its cells, with their padding and borders.
void CHtmlLayout::TableColumns(int nTable, std::vector<int>& colMin, std::vector<int>& colMax) const
{
    colMin.clear();
    colMax.clear();
    const int nChrome = CellChrome(nTable);
    for (int r = m_dom.Node(nTable).nFirstChild; r >= 0; r = m_dom.Node(r).nNext) {
        if (m_dom.Node(r).nTag != CHtmlDom::tagTr)
            continue;
        size_t c = 0;
        for (int d = m_dom.Node(r).nFirstChild; d >= 0 && c < s_nMaxColumns; d = m_dom.Node(d).nNext) {
            CHtmlDom::ETag nTag = m_dom.Node(d).nTag;
            if (nTag != CHtmlDom::tagTd && nTag != CHtmlDom::tagTh)
                continue;
            if (c == colMin.size()) {
                colMin.push_back(0);
                colMax.push_back(0);
            }
            colMin[c] = std::max(colMin[c], m_minWidth[(size_t)d] + nChrome);
            colMax[c] = std::max(colMax[c], m_maxWidth[(size_t)d] + nChrome);
            c++;
        }
    }
}

// Narrowest and widest content of every node, children before parents (the tree's order
// backwards), and where each subtree ends.
void CHtmlLayout::MeasureWidths()
{
    const size_t nCount = (size_t)m_dom.Count();
    m_minWidth.assign(nCount, 0);
    m_maxWidth.assign(nCount, 0);
    m_subtreeEnd.assign(nCount, 0);
    std::vector<int> colMin, colMax;
    for (int n = (int)nCount - 1; n >= 0; n--) {
        const CHtmlDom::CNode& node = m_dom.Node(n);
        m_subtreeEnd[(size_t)n] = node.nLastChild >= 0 ? m_subtreeEnd[(size_t)node.nLastChild] : n + 1;
        int nMin = 0, nMax = 0, nRun = 0;
        if (node.nTag == CHtmlDom::tagText) {
            const int nSpace = Metrics(FontOf(m_styles[(size_t)n])).nSpace;
            for (size_t w = m_firstWord[(size_t)n]; w < m_firstWord[(size_t)n + 1]; w++) {
                const CWord& word = m_words[w];
                if (word.bBreakBefore) {
                    nMax = std::max(nMax, nRun);
                    nRun = 0;
                }
                nRun += word.nWidth + (word.bSpaceBefore && nRun > 0 ? nSpace : 0);
                nMin = std::max(nMin, word.nWidth);
            }
            nMax = std::max(nMax, nRun);
            if (m_styles[(size_t)n].bPre)
                nMin = nMax;
        } else if (node.nTag == CHtmlDom::tagImg) {
            int cy;
            ImageSize(n, nMin, cy);
            nMax = nMin;
        } else if (node.nTag == CHtmlDom::tagTable) {
            TableColumns(n, colMin, colMax);
            int nChrome = 2 * IntAttribute(n, "border", 0, 20) + IntAttribute(n, "cellspacing", 2, 50) * ((int)colMin.size() + 1);
            for (size_t c = 0; c < colMin.size(); c++) {
                nMin += colMin[c];
                nMax += colMax[c];
            }
            nMin += nChrome;
            nMax += nChrome;
        } else {
            for (int c = node.nFirstChild; c >= 0; c = m_dom.Node(c).nNext) {
                CHtmlDom::ETag nTag = m_dom.Node(c).nTag;
                if (CHtmlDom::IsBlock(nTag) || nTag == CHtmlDom::tagBr) {
                    nMax = std::max(std::max(nMax, nRun), m_maxWidth[(size_t)c]);
                    nRun = 0;
                } else
                    nRun += m_maxWidth[(size_t)c];
                nMin = std::max(nMin, m_minWidth[(size_t)c]);
            }
            nMax = std::max(nMax, nRun);
            if (node.nTag == CHtmlDom::tagUl || node.nTag == CHtmlDom::tagOl) {
                nMin += s_nListIndent;
                nMax += s_nListIndent;
            }
        }
        m_minWidth[(size_t)n] = std::min(nMin, 1 << 24);
        m_maxWidth[(size_t)n] = std::min(nMax, 1 << 24);
    }
}

void CHtmlLayout::Run(int nWidth, CHtmlDisplayList& list)
{
    m_pList = &list;
    list.items.clear();
    list.links.clear();
    list.anchors.clear();
    MeasureWords();
    MeasureWidths();
    list.crPage = m_styles[0].crBack != CHtmlStyle::none ? m_styles[0].crBack : 0xFFFFFF;
    m_y = m_yContent = 0;
    m_line = CLine();
    Block(0, 0, std::max(nWidth, 0));

    // Unused places of backgrounds go; links get their boxes.
    auto& items = list.items;
    items.erase(std::remove_if(items.begin(), items.end(), [](const CHtmlDisplayList::CItem& item) {
        return item.nKind == CHtmlDisplayList::CItem::kindFill && item.cr == CHtmlStyle::none;
    }), items.end());
    list.cx = nWidth;
    for (const auto& item : items) {
        list.cx = std::max(list.cx, item.box.right + s_nPageMargin);
        if (item.nLink >= 0)
            list.links.push_back(CHtmlDisplayList::CLink { item.box, *m_dom.Attribute(item.nLink, "href") });
    }
    list.cy = m_y;
}

void CHtmlLayout::Margin(int nMargin, bool bBottom)
{
    if (m_y == m_yMarginEnd) {
        m_y += std::max(0, nMargin - m_nLastMargin);
        m_nLastMargin = std::max(m_nLastMargin, nMargin);
    } else {
        m_y += nMargin;
        m_nLastMargin = nMargin;
    }
    m_yMarginEnd = m_y;
}

size_t CHtmlLayout::Placeholder()
{
    CHtmlDisplayList::CItem item;
    item.nKind = CHtmlDisplayList::CItem::kindFill;
    item.cr = CHtmlStyle::none;
    m_pList->items.push_back(item);
    return m_pList->items.size() - 1;
}

void CHtmlLayout::AddAnchors(int n)
{
    for (const char* pszName : { "id", "name" }) {
        const std::string* pValue = m_dom.Attribute(n, pszName);
        if (pValue && !pValue->empty() && (pszName[0] == 'i' || m_dom.Node(n).nTag == CHtmlDom::tagA))
            m_pList->anchors.emplace_back(*pValue, m_y);
    }
}

void CHtmlLayout::Block(int n, int x, int nWidth)
{
    const CHtmlStyle& style = m_styles[(size_t)n];
    const CHtmlDom::ETag nTag = m_dom.Node(n).nTag;
    int nMargin = 0;
    if (nTag == CHtmlDom::tagP || nTag == CHtmlDom::tagPre)
        nMargin = style.nFontSize;
    else if (IsHeading(nTag))
        nMargin = style.nFontSize * 2 / 3;
    else if ((nTag == CHtmlDom::tagUl || nTag == CHtmlDom::tagOl) && m_dom.Node(m_dom.Node(n).nParent).nTag != CHtmlDom::tagLi)
        nMargin = style.nFontSize;
    else if (nTag == CHtmlDom::tagHtml)
        nMargin = s_nPageMargin;
    FlushLine();
    Margin(nMargin, false);
    if (nTag == CHtmlDom::tagTable) {
        Table(n, x, nWidth);
        Margin(nMargin, true);
        return;
    }
    const CLine saved = m_line;
    size_t nBack = style.crBack != CHtmlStyle::none && nTag != CHtmlDom::tagHtml ? Placeholder() : SIZE_MAX;
    const int yTop = m_y;
    int nIndent = nTag == CHtmlDom::tagHtml ? s_nPageMargin
        : nTag == CHtmlDom::tagUl || nTag == CHtmlDom::tagOl ? s_nListIndent : 0;
    m_line = CLine();
    m_line.nLeft = m_line.x = x + nIndent;
    m_line.nWidth = std::max(0, nWidth - nIndent * (nTag == CHtmlDom::tagHtml ? 2 : 1));
    m_line.nAlign = style.nAlign;
    m_line.nFirstItem = m_pList->items.size();
    AddAnchors(n);
    Children(n);
    FlushLine();
    if (m_nMarkerNode == n)
        m_strMarker.clear(); // an item without a line of text shows no marker
    if (nBack != SIZE_MAX) {
        CHtmlDisplayList::CItem& back = m_pList->items[nBack];
        back.box = CHtmlDisplayList::CBox { x, yTop, x + nWidth, m_y };
        back.cr = style.crBack;
    }
    m_line = saved;
    m_line.x = m_line.nLeft;
    m_line.nFirstItem = m_pList->items.size();
    m_line.nAscent = m_line.nDescent = 0;
    m_line.bPendingSpace = false;
    Margin(nMargin, true);
}

void CHtmlLayout::Children(int n)
{
    const CHtmlDom::ETag nTag = m_dom.Node(n).nTag;
    const bool bList = nTag == CHtmlDom::tagUl || nTag == CHtmlDom::tagOl;
    int nOrdinal = nTag == CHtmlDom::tagOl ? IntAttribute(n, "start", 1, 1 << 24) - 1 : 0;
    for (int c = m_dom.Node(n).nFirstChild; c >= 0; c = m_dom.Node(c).nNext) {
        CHtmlDom::ETag nChild = m_dom.Node(c).nTag;
        if (bList && nChild == CHtmlDom::tagLi) {
            m_strMarker = nTag == CHtmlDom::tagUl ? "\xE2\x80\xA2" : std::to_string(++nOrdinal) + ".";
            m_nMarkerNode = c;
        }
        if (CHtmlDom::IsBlock(nChild))
            Block(c, m_line.nLeft, m_line.nWidth);
        else
            Inline(c);
    }
}

void CHtmlLayout::Inline(int n)
{
    const int nEnd = m_subtreeEnd[(size_t)n];
    for (int i = n; i < nEnd; i++) {
        const CHtmlDom::ETag nTag = m_dom.Node(i).nTag;
        if (nTag == CHtmlDom::tagText) {
            for (size_t w = m_firstWord[(size_t)i]; w < m_firstWord[(size_t)i + 1]; w++)
                AddWord(i, m_words[w]);
            if (m_trailingSpace[(size_t)i])
                m_line.bPendingSpace = true;
        } else if (nTag == CHtmlDom::tagBr)
            Break(m_styles[(size_t)i]);
        else if (nTag == CHtmlDom::tagImg) {
            int cx, cy;
            ImageSize(i, cx, cy);
            AddBox(i, cx, cy);
        } else if (CHtmlDom::IsBlock(nTag)) {
            Block(i, m_line.nLeft, m_line.nWidth);
            i = m_subtreeEnd[(size_t)i] - 1;
        } else
            AddAnchors(i);
    }
}

void CHtmlLayout::AddWord(int nText, const CWord& word)
{
    const CHtmlStyle& style = m_styles[(size_t)nText];
    const CHtmlFont font = FontOf(style);
    const CMetrics metrics = Metrics(font);
    if (word.bBreakBefore)
        Break(style);
    if (word.bSpaceBefore)
        m_line.bPendingSpace = true;
    auto& items = m_pList->items;
    int nGap = m_line.bPendingSpace && items.size() > m_line.nFirstItem ? metrics.nSpace : 0;
    if (items.size() > m_line.nFirstItem && !style.bPre && m_line.x + nGap + word.nWidth > m_line.nLeft + m_line.nWidth) {
        FlushLine();
        nGap = 0;
    }
    m_line.bPendingSpace = false;
    m_line.nAscent = std::max(m_line.nAscent, metrics.nAscent);
    m_line.nDescent = std::max(m_line.nDescent, metrics.nHeight - metrics.nAscent);
    if (word.nLength == 0)
        return;
    const char* pText = m_dom.Node(nText).strText.data() + word.nStart;
    const int nRight = m_line.x + nGap + word.nWidth;
    if (items.size() > m_line.nFirstItem) {
        CHtmlDisplayList::CItem& last = items.back();
        if (last.nKind == CHtmlDisplayList::CItem::kindText && last.font == font && last.cr == style.crText &&
            last.crBack == style.crBack && last.nLink == style.nLink && last.box.right == m_line.x) {
            if (nGap)
                last.strText += ' ';
            last.strText.append(pText, word.nLength);
            last.box.right = nRight;
            m_line.x = nRight;
            return;
        }
    }
    CHtmlDisplayList::CItem item;
    item.box = CHtmlDisplayList::CBox { m_line.x + nGap, 0, nRight, metrics.nHeight };
    item.cr = style.crText;
    item.crBack = style.crBack;
    item.font = font;
    item.nAscent = metrics.nAscent;
    item.nLink = style.nLink;
    item.strText.assign(pText, word.nLength);
    items.push_back(std::move(item));
    m_line.x = nRight;
}

// A picture stands on the baseline like a word.
void CHtmlLayout::AddBox(int n, int cx, int cy)
{
    const CHtmlStyle& style = m_styles[(size_t)n];
    auto& items = m_pList->items;
    int nGap = m_line.bPendingSpace && items.size() > m_line.nFirstItem ? Metrics(FontOf(style)).nSpace : 0;
    if (items.size() > m_line.nFirstItem && m_line.x + nGap + cx > m_line.nLeft + m_line.nWidth) {
        FlushLine();
        nGap = 0;
    }
    m_line.bPendingSpace = false;
    CHtmlDisplayList::CItem item;
    item.nKind = CHtmlDisplayList::CItem::kindImage;
    item.box = CHtmlDisplayList::CBox { m_line.x + nGap, 0, m_line.x + nGap + cx, cy };
    item.nAscent = cy;
    item.nLink = style.nLink;
    const std::string* pSource = m_dom.Attribute(n, "src");
    item.strText = pSource ? *pSource : std::string();
    items.push_back(std::move(item));
    m_line.x += nGap + cx;
    m_line.nAscent = std::max(m_line.nAscent, cy);
}

// A forced line end: an empty line still takes the height of its font.
void CHtmlLayout::Break(const CHtmlStyle& style)
{
    const CMetrics& metrics = Metrics(FontOf(style));
    if (m_pList->items.size() == m_line.nFirstItem) {
        m_line.nAscent = std::max(m_line.nAscent, metrics.nAscent);
        m_line.nDescent = std::max(m_line.nDescent, metrics.nHeight - metrics.nAscent);
    }
    FlushLine();
}

// Puts the line's items on a common baseline, aligns them, and starts the next line below.
void CHtmlLayout::FlushLine()
{
    auto& items = m_pList->items;
    if (items.size() == m_line.nFirstItem && m_line.nAscent + m_line.nDescent == 0) {
        m_line.bPendingSpace = false;
        return;
    }
    const int nBaseline = m_y + m_line.nAscent;
    const int nFree = m_line.nWidth - (m_line.x - m_line.nLeft);
    const int dx = nFree <= 0 ? 0 : m_line.nAlign == CHtmlStyle::alignCenter ? nFree / 2
        : m_line.nAlign == CHtmlStyle::alignRight ? nFree : 0;
    for (size_t i = m_line.nFirstItem; i < items.size(); i++) {
        CHtmlDisplayList::CBox& box = items[i].box;
        int nHeight = box.bottom;
        box.top = nBaseline - items[i].nAscent;
        box.bottom = box.top + nHeight;
        box.left += dx;
        box.right += dx;
    }
    if (!m_strMarker.empty() && items.size() > m_line.nFirstItem) {
        CHtmlDisplayList::CItem marker;
        const CHtmlStyle& style = m_styles[(size_t)m_nMarkerNode];
        marker.font = FontOf(style);
        const CMetrics& metrics = Metrics(marker.font);
        int nWidth = m_measurer.IHtmlMeasurer_TextWidth(marker.font, m_strMarker.data(), m_strMarker.size());
        marker.box = CHtmlDisplayList::CBox { m_line.nLeft - nWidth - 8, nBaseline - metrics.nAscent, m_line.nLeft - 8,
            nBaseline - metrics.nAscent + metrics.nHeight };
        marker.cr = style.crText;
        marker.nAscent = metrics.nAscent;
        marker.strText = m_strMarker;
        items.push_back(std::move(marker));
        m_strMarker.clear();
    }
    m_y = nBaseline + m_line.nDescent;
    m_yContent = m_y;
    m_line.x = m_line.nLeft;
    m_line.nFirstItem = items.size();
    m_line.nAscent = m_line.nDescent = 0;
    m_line.bPendingSpace = false;
}

void CHtmlLayout::Shift(size_t nFirst, size_t nEnd, int dy)
{
    for (size_t i = nFirst; i < nEnd; i++) {
        m_pList->items[i].box.top += dy;
        m_pList->items[i].box.bottom += dy;
    }
}

void CHtmlLayout::Table(int n, int x, int nWidth)
{
    std::vector<int> colMin, colMax;
    TableColumns(n, colMin, colMax);
    const int nBorder = IntAttribute(n, "border", 0, 20);
    const int nSpacing = IntAttribute(n, "cellspacing", 2, 50);
    const int nCellBorder = nBorder > 0 ? 1 : 0;
    const int nChrome = CellChrome(n);
    const int nColumns = (int)colMin.size();
    const int nAround = 2 * nBorder + nSpacing * (nColumns + 1);

    // Column widths: the widest contents when they fit, else shared out between narrowest and
    // widest; a width asked for spreads the room left over the columns.
    long long nMinSum = 0, nMaxSum = 0;
    for (int c = 0; c < nColumns; c++) {
        nMinSum += colMin[(size_t)c];
        nMaxSum += colMax[(size_t)c];
    }
    long long nAvailable = std::max(0, nWidth - nAround);
    if (const std::string* pWidth = m_dom.Attribute(n, "width")) {
        long nAsked = strtol(pWidth->c_str(), nullptr, 10);
        if (pWidth->find('%') != std::string::npos)
            nAsked = (long)(std::min(nAsked, 100L) * (long long)nWidth / 100);
        if (nAsked - nAround > nMaxSum && nAsked - nAround <= std::max(nAvailable, nMaxSum))
            nMaxSum = std::max(0L, nAsked - nAround), nAvailable = nMaxSum;
    }
    std::vector<int> widths(colMax);
    long long nMaxOfCells = 0;
    for (int c = 0; c < nColumns; c++)
        nMaxOfCells += colMax[(size_t)c];
    if (nMaxSum > nMaxOfCells) { // a wider table: the room left goes to the columns as they are wide
        for (int c = 0; c < nColumns; c++)
            widths[(size_t)c] += (int)(nMaxOfCells > 0 ? (nMaxSum - nMaxOfCells) * colMax[(size_t)c] / nMaxOfCells
                                                        : (nMaxSum - nMaxOfCells) / nColumns);
    } else if (nMaxSum > nAvailable) {
        for (int c = 0; c < nColumns; c++)
            widths[(size_t)c] = nMinSum >= nAvailable ? colMin[(size_t)c]
                : colMin[(size_t)c] + (int)((colMax[(size_t)c] - colMin[(size_t)c]) * (nAvailable - nMinSum) / (nMaxSum - nMinSum));
    }
    int nTableWidth = nAround;
    for (int w : widths)
        nTableWidth += w;

    const CHtmlStyle& style = m_styles[(size_t)n];
    size_t nBack = style.crBack != CHtmlStyle::none ? Placeholder() : SIZE_MAX;
    const int yTop = m_y;
    AddAnchors(n);
    int y = yTop + nBorder + nSpacing;
    const CLine saved = m_line;
    struct CCell {
        int n, x, nWidth, nHeight;
        size_t nBack, nFirst, nEnd;
    };
    std::vector<CCell> cells;
    for (int r = m_dom.Node(n).nFirstChild; r >= 0; r = m_dom.Node(r).nNext) {
        if (m_dom.Node(r).nTag != CHtmlDom::tagTr)
            continue;
        size_t nRowBack = m_styles[(size_t)r].crBack != CHtmlStyle::none ? Placeholder() : SIZE_MAX;
        cells.clear();
        int cx = x + nBorder + nSpacing, nRowHeight = 0, c = 0;
        for (int d = m_dom.Node(r).nFirstChild; d >= 0 && c < nColumns; d = m_dom.Node(d).nNext) {
            if (m_dom.Node(d).nTag != CHtmlDom::tagTd && m_dom.Node(d).nTag != CHtmlDom::tagTh)
                continue;
            CCell cell { d, cx, widths[(size_t)c], 0, Placeholder(), 0, 0 };
            cell.nFirst = m_pList->items.size();
            // The cell's contents start without a margin above them.
            m_y = m_yContent = y + nChrome / 2;
            m_yMarginEnd = m_y;
            m_nLastMargin = 1 << 20;
            m_line = CLine();
            m_line.nLeft = m_line.x = cx + nChrome / 2;
            m_line.nWidth = std::max(0, cell.nWidth - nChrome);
            m_line.nAlign = m_styles[(size_t)d].nAlign;
            m_line.nFirstItem = cell.nFirst;
            AddAnchors(d);
            Children(d);
            FlushLine();
            cell.nEnd = m_pList->items.size();
            cell.nHeight = m_yContent - y + nChrome / 2;
            nRowHeight = std::max(nRowHeight, cell.nHeight);
            cells.push_back(cell);
            cx += cell.nWidth + nSpacing;
            c++;
        }
        for (const CCell& cell : cells) {
            Shift(cell.nFirst, cell.nEnd, (nRowHeight - cell.nHeight) / 2); // cells centre their contents
            CHtmlDisplayList::CBox box { cell.x, y, cell.x + cell.nWidth, y + nRowHeight };
            if (m_styles[(size_t)cell.n].crBack != CHtmlStyle::none) {
                m_pList->items[cell.nBack].box = box;
                m_pList->items[cell.nBack].cr = m_styles[(size_t)cell.n].crBack;
            }
            if (nCellBorder) {
                CHtmlDisplayList::CItem frame;
                frame.nKind = CHtmlDisplayList::CItem::kindFrame;
                frame.box = box;
                frame.cr = s_crFrame;
                m_pList->items.push_back(frame);
            }
        }
        if (nRowBack != SIZE_MAX && !cells.empty()) {
            m_pList->items[nRowBack].box = CHtmlDisplayList::CBox { cells.front().x, y, cx - nSpacing, y + nRowHeight };
            m_pList->items[nRowBack].cr = m_styles[(size_t)r].crBack;
        }
        if (!cells.empty())
            y += nRowHeight + nSpacing;
    }
    const CHtmlDisplayList::CBox box { x, yTop, x + nTableWidth, y + nBorder };
    if (nBack != SIZE_MAX) {
        m_pList->items[nBack].box = box;
        m_pList->items[nBack].cr = style.crBack;
    }
    if (nBorder) {
        CHtmlDisplayList::CItem frame;
        frame.nKind = CHtmlDisplayList::CItem::kindFrame;
        frame.box = box;
        frame.cr = s_crFrame;
        frame.nThickness = nBorder;
        m_pList->items.push_back(frame);
    }
    m_line = saved;
    m_line.x = m_line.nLeft;
    m_line.nFirstItem = m_pList->items.size();
    m_y = m_yContent = box.bottom;
    m_yMarginEnd = -1;
}
