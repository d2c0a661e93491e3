// UxTipLayout.cpp: the tooltip's lines, tabulation, alignment, rules and pictures.
#include "tips/UxTipLayout.h"

#include <algorithm>
#include <climits>

namespace {

// Offsets are kept within this bound, so that absurd counts in <br=...>, <t=...> or <hr=...>
// saturate instead of overflowing; GDI draws nothing beyond 2^27 anyway.
const int64_t kMaxOffset = 1 << 26;

// Percentages of one line saturate here, which keeps their product with a width in 64 bits.
const uint64_t kMaxPercent = 0xFFFFFFFFull;

int64_t Saturate(int64_t v)
{
    return std::max(-kMaxOffset, std::min(kMaxOffset, v));
}

int ToInt(int64_t v)
{
    return (int)std::max<int64_t>(INT_MIN, std::min<int64_t>(INT_MAX, v));
}

// MulDiv's rounding (half away from zero) for a non-negative product, in 64 bits.
int64_t PercentOf(int64_t base, uint64_t percent)
{
    return (int64_t)(((uint64_t)base * percent + 50) / 100);
}

// Where a pass stands. Offsets are taken from the rectangle's left and top in 64 bits and
// saturated, so no markup can overflow them. The drawing pass takes a line the tables do not
// know (the text was not the one measured) as empty and of the base height.
class CPass
{
public:
    CPass(bool bMeasure, const UxTipRect& rect, int nHeight, int nAveCharWidth, UxTipLines& lines)
        : m_bMeasure(bMeasure), m_rect(rect), m_lines(lines),
          m_nAvailable(Saturate(std::max<int64_t>(0, (int64_t)rect.right - rect.left))),
          m_nBaseHeight(Saturate(std::max(nHeight, 0))), m_nTab(Saturate(4 * (int64_t)std::max(nAveCharWidth, 0))),
          m_h(m_nBaseHeight), m_percents(1, 0)
    {
        if (bMeasure) {
            m_lines.widths.clear();
            m_lines.heights.clear();
        }
    }

    // The pen position, the top of the line, and the top of text sitting on the line's bottom.
    int X() const { return ToInt(m_rect.left + m_dx); }
    int Y() const { return ToInt(m_rect.top + m_dy); }
    int TextY() const { return ToInt(m_rect.top + m_dy + LineHeight() - m_nBaseHeight); }
    // The line's height as measured; 0 while measuring, as pictures are told.
    int PictureLineHeight() const { return m_bMeasure ? 0 : ToInt(LineHeight()); }
    int MiddleY() const { return ToInt(m_rect.top + m_dy + LineHeight() / 2); }

    void SetAlign(unsigned nAlign) { m_nAlign = nAlign; }

    // Before the first run or picture of a line: the drawing pass places the line by its
    // alignment. A line wider than the rectangle is centred from the left edge.
    void StartLine()
    {
        if (!m_bLineStart)
            return;
        m_bLineStart = false;
        if (m_bMeasure)
            return;
        if (m_nAlign == UXTIP_ALIGN_CENTER)
            m_dx = std::max<int64_t>(0, (m_nAvailable - LineWidth()) / 2);
        else if (m_nAlign == UXTIP_ALIGN_RIGHT)
            m_dx = m_nAvailable - LineWidth();
    }

    // A run or picture of that size was placed at the pen.
    void Place(UxTipSize sz)
    {
        if (m_bMeasure)
            m_h = std::max<int64_t>(m_h, sz.cy);
        Advance(sz.cx);
    }

    void Advance(int64_t n) { m_dx = Saturate(m_dx + n); }

    // A count above 1 adds empty space but one entry of the tables only.
    void Break(uint32_t nCount)
    {
        int64_t nHeight = LineHeight();
        if (m_bMeasure) {
            int64_t nWidth = std::max<int64_t>(0, m_dx);
            m_lines.widths.push_back((unsigned)nWidth);
            m_lines.heights.push_back((unsigned)m_h);
            m_nWidest = std::max(m_nWidest, nWidth);
            m_percents.push_back(0);
        }
        m_dy = Saturate(m_dy + (int64_t)std::max<uint32_t>(nCount, 1) * nHeight);
        m_nLine++;
        m_bLineStart = true;
        m_h = m_nBaseHeight;
        m_dx = 0;
    }

    // To the next stop (counted as one) when between stops, then whole tabs. Stops lie every
    // four average characters from the rectangle's left edge; a font without width has none.
    void Tabulate(uint32_t nCount)
    {
        if (m_nTab <= 0)
            return;
        int64_t nLeft = std::max<uint32_t>(nCount, 1);
        int64_t r = ((m_dx % m_nTab) + m_nTab) % m_nTab;
        if (r != 0) {
            Advance(m_nTab - r);
            nLeft--;
        }
        Advance(nLeft * m_nTab);
    }

    // The width of a rule of p percent while drawing. While measuring the percentage waits for
    // the widest line and 0 is returned.
    int64_t PercentRule(uint64_t nPercent)
    {
        if (!m_bMeasure)
            return Saturate(PercentOf(m_nAvailable, nPercent));
        m_percents[m_nLine] = std::min(kMaxPercent, m_percents[m_nLine] + nPercent);
        return 0;
    }

    // After the last break: percentage rules take their share of the widest line.
    UxTipSize Finish()
    {
        UxTipSize sz;
        if (!m_bMeasure)
            return sz;
        for (size_t n = 0; n < m_lines.widths.size(); n++)
            if (m_percents[n] != 0)
                m_lines.widths[n] = (unsigned)Saturate(m_lines.widths[n] + PercentOf(m_nWidest, m_percents[n]));
        sz.cx = (int)m_nWidest;
        sz.cy = (int)m_dy;
        return sz;
    }

private:
    int64_t LineHeight() const
    {
        if (m_bMeasure)
            return m_h;
        return m_nLine < m_lines.heights.size() ? (int64_t)m_lines.heights[m_nLine] : m_nBaseHeight;
    }
    int64_t LineWidth() const
    {
        return m_nLine < m_lines.widths.size() ? (int64_t)m_lines.widths[m_nLine] : 0;
    }

    bool m_bMeasure;
    UxTipRect m_rect;
    UxTipLines& m_lines;
    int64_t m_nAvailable;      // the rectangle's width, within bounds
    int64_t m_nBaseHeight;     // the base font's text height
    int64_t m_nTab;
    int64_t m_dx = 0;          // pen position
    int64_t m_dy = 0;          // top of the line
    size_t m_nLine = 0;
    unsigned m_nAlign = UXTIP_ALIGN_LEFT; // in force across lines until changed
    bool m_bLineStart = true;
    int64_t m_h;               // height of the line being measured
    int64_t m_nWidest = 0;
    std::vector<uint64_t> m_percents; // of the widest line, per line
};

} // namespace

UxTipSize CUxTipLayout::LayOut(const CUxTipMarkup& markup, const UxTipRect& rect, bool bMeasure, UxTipLines& lines,
                               IUxTipMeasurer& measurer, IUxTipBoxSink& sink)
{
    if (markup.IsEmpty()) {
        if (bMeasure) {
            lines.widths.clear();
            lines.heights.clear();
        }
        return UxTipSize();
    }
    int nHeight = 0, nAveCharWidth = 0;
    unsigned nStyles = 0;
    measurer.BaseFont(nHeight, nAveCharWidth, nStyles);
    CPass pass(bMeasure, rect, nHeight, nAveCharWidth, lines);
    for (const UxTipRun& run : markup.Runs()) {
        UxTipBox box = { UxTipBox::TEXT, nStyles, pass.X(), 0, 0, 0, &run };
        switch (run.nKind) {
        case UxTipRun::TEXT: {
            pass.StartLine();
            UxTipSize sz = measurer.MeasureText(markup.Chars(run), run.nLength);
            box.x = pass.X();
            box.y = pass.TextY();
            sink.Box(box);
            pass.Place(sz);
            break;
        }
        case UxTipRun::BREAK:
            pass.Break(run.nValue);
            break;
        case UxTipRun::TAB:
            pass.Tabulate(run.nValue);
            break;
        case UxTipRun::STYLE: {
            // Repeated opening tags do not add up.
            unsigned nNew = run.bClose ? (nStyles & ~run.nValue) : (nStyles | run.nValue);
            if (nNew != nStyles)
                measurer.SelectStyles(nStyles = nNew);
            break;
        }
        case UxTipRun::TEXT_COLOR:
        case UxTipRun::BK_COLOR:
            box.nKind = run.nKind == UxTipRun::TEXT_COLOR ? UxTipBox::TEXT_COLOR : UxTipBox::BK_COLOR;
            sink.Box(box);
            break;
        case UxTipRun::ALIGN:
            pass.SetAlign(run.nValue);
            break;
        case UxTipRun::RULE: {
            int64_t nWidth = run.bPercent ? pass.PercentRule(run.nValue) : Saturate(run.nValue);
            box.nKind = UxTipBox::RULE;
            box.x2 = ToInt((int64_t)box.x + nWidth);
            box.y = pass.MiddleY();
            sink.Box(box);
            pass.Advance(nWidth);
            break;
        }
        case UxTipRun::PICTURE:
        case UxTipRun::IMAGE_LIST:
        case UxTipRun::ICON:
        case UxTipRun::BITMAP: {
            UxTipSize sz;
            if (!measurer.MeasurePicture(run, sz))
                break;
            pass.StartLine();
            box.nKind = UxTipBox::PICTURE;
            box.x = pass.X();
            box.y = pass.Y();
            box.nLineHeight = pass.PictureLineHeight();
            sink.Box(box);
            pass.Place(sz);
            break;
        }
        }
    }
    pass.Break(1); // closes the last line
    return pass.Finish();
}
