// The tooltip's markup engine: measuring and drawing a marked-up text of 1,000 lines against
// DrawText measuring and drawing the same text without its tags, on the same memory DC with the
// same font, timed in turns.
#include "harness/BenchHarness.h"

#ifdef _WIN32

#include "tips/UxTipText.h"
#include "tips/UxToolTip.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kRounds = 15;
const int kLines = 1000;

// The markup engine as the tooltip runs it: a text measured and drawn in the tooltip's font and
// colours.
class CBenchTip
{
public:
    CUxToolTip tip;
    CSize PrintTitleString(CDC* pDC, CRect rect, const CString& str, BOOL bMeasure)
    {
        return tip.PrintMarkup(pDC, rect, str, bMeasure, m_text, m_names);
    }

private:
    CUxTipNamedPictures m_names;
    CUxTipText m_text;
};

// A text of kLines lines, marked up and plain. `dense` lines carry five runs in four styles,
// the others a bold label and a coloured value (three runs), as the grid's tips do.
struct CText
{
    CString markup;
    CString plain;
};

CText MakeText(bool dense)
{
    std::string markup, plain;
    for (int n = 0; n < kLines; n++) {
        std::string number = std::to_string(n);
        if (dense) {
            markup += "<b>Item " + number + ":</b> the value is <ct=0xFF>red</ct>, <u>struck out</u> and <i>in italics</i> for this line\n";
            plain += "Item " + number + ": the value is red, struck out and in italics for this line\n";
        } else {
            markup += "<b>Column " + number + ":</b> the cell holds the value <ct=0xFF>" + number + "</ct>, last changed today\n";
            plain += "Column " + number + ": the cell holds the value " + number + ", last changed today\n";
        }
    }
    return { CString(markup.c_str()), CString(plain.c_str()) };
}

// A memory DC over a DIB section.
class CSurface
{
public:
    CSurface(int cx, int cy)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = cx;
        info.bmiHeader.biHeight = -cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pBits = NULL;
        m_hBitmap = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
        m_dc.CreateCompatibleDC(NULL);
        m_hOld = SelectObject(m_dc.m_hDC, m_hBitmap);
        m_dc.SetBkMode(TRANSPARENT);
    }
    ~CSurface()
    {
        SelectObject(m_dc.m_hDC, m_hOld);
        m_dc.DeleteDC();
        DeleteObject(m_hBitmap);
    }
    CDC& DC() { return m_dc; }

private:
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    CDC m_dc;
};

// Markup and DrawText timed in turns, so that a busy machine slows both alike. Prints both and
// their ratio; returns whether the ratio keeps the limit (0: for information).
bool Compare(const char* name, const CText& text, CBenchTip& tip, CFont& font, double limit)
{
    CSize sz;
    CRect calc(0, 0, 0, 0);
    {
        CSurface probe(1, 1);
        sz = tip.PrintTitleString(&probe.DC(), CRect(0, 0, 0, 0), text.markup, TRUE);
        CFont* pOld = probe.DC().SelectObject(&font);
        probe.DC().DrawText(text.plain, &calc, DT_CALCRECT | DT_NOPREFIX | DT_LEFT);
        probe.DC().SelectObject(pOld);
    }
    CSurface surface(std::max<int>(sz.cx, calc.Width()) + 20, std::max<int>(sz.cy, calc.Height()) + 20);
    CDC& dc = surface.DC();

    auto markup = [&] {
        CSize measured = tip.PrintTitleString(&dc, CRect(10, 10, 10, 10), text.markup, TRUE);
        tip.PrintTitleString(&dc, CRect(CPoint(10, 10), measured), text.markup, FALSE);
    };
    auto drawText = [&] {
        CFont* pOld = dc.SelectObject(&font);
        CRect rect(10, 10, 10, 10);
        dc.DrawText(text.plain, &rect, DT_CALCRECT | DT_NOPREFIX | DT_LEFT);
        dc.DrawText(text.plain, &rect, DT_NOPREFIX | DT_LEFT);
        dc.SelectObject(pOld);
    };
    printf("%s\n", name);
    std::vector<BenchTimes> t = BenchHarness::Compare(
        {{"  PrintTitleString, measure and draw", markup}, {"  DrawText, measure and draw, untagged", drawText}},
        kRounds, 1e3, "ms");
    return BenchHarness::Ratio("  markup vs DrawText", t[0], t[1], limit);
}

} // namespace

int main()
{
    LOGFONT lf = {};
    lf.lfHeight = -13;
    lf.lfWeight = FW_NORMAL;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    CBenchTip tip;
    tip.tip.SetDefaultColors();
    tip.tip.SetFont(&lf);
    CFont font;
    font.CreateFontIndirect(&lf);

    bool ok = Compare("1,000 lines, a bold label and a coloured value each", MakeText(false), tip, font, 3.0);
    // For information: each run is one more call to draw text and each style tag one more font
    // selected in each pass, where DrawText makes one call a line. Those calls cost most of the
    // time, so five runs a line in four styles come to about three times DrawText.
    Compare("1,000 lines, five runs in four styles each", MakeText(true), tip, font, 0);
    return ok ? 0 : 1;
}

#else

// The tooltip is a Windows window: nothing to measure elsewhere.
int main()
{
    return 0;
}

#endif
