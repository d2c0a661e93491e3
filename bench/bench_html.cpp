// The HTML view's engine on a report of a table of 2,000 rows: parsed, laid out with GDI metrics
// and painted, against DrawText of the same cell texts in the same rectangles; and 4,000 rows
// against 2,000, for a layout that grows in proportion to the page.
#include "harness/BenchHarness.h"

#ifdef _WIN32

#include <afxwin.h>

#include "CHtmlGdiResources.h"
#include "CHtmlPainter.h"
#include "html/CHtmlPage.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kRounds = 11;
const int kWidth = 600;
const int kHeight = 800;

std::string ReportText(int nRows)
{
    std::string s = "<h2>Load cases</h2><table border=1><tr><th>Case</th><th>Moment</th><th>Remark</th></tr>";
    char sz[160];
    for (int i = 0; i < nRows; i++) {
        snprintf(sz, sizeof sz, "<tr><td>LC%d</td><td align=right>%d.%02d</td><td>dead load and live load %d</td></tr>",
            i, i * 7 % 1000, i % 100, i % 13);
        s += sz;
    }
    return s + "</table>";
}

// The page painted whole onto a window-sized surface: what lies below it is clipped by GDI, as
// it is for DrawText.
struct Surface {
    Surface()
    {
        HDC hScreen = ::GetDC(NULL);
        hDC = ::CreateCompatibleDC(hScreen);
        hBitmap = ::CreateCompatibleBitmap(hScreen, kWidth, kHeight);
        ::ReleaseDC(NULL, hScreen);
        hOld = ::SelectObject(hDC, hBitmap);
    }
    ~Surface()
    {
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hDC);
    }
    HDC hDC;
    HBITMAP hBitmap;
    HGDIOBJ hOld;
};

struct Report {
    explicit Report(int nRows) : strSource(ReportText(nRows)) {}
    void Show(Surface& surface, CHtmlGdiResources& resources)
    {
        page.Load(strSource);
        page.Layout(resources, kWidth);
        const CHtmlDisplayList& list = page.DisplayList();
        CHtmlPainter::Paint(surface.hDC, list, resources, 0, 0, RECT { 0, 0, kWidth, list.cy });
    }
    std::string strSource;
    CHtmlPage page;
};

} // namespace

int main()
{
    Surface surface;
    CHtmlGdiResources resources;
    Report small(2000), large(4000);
    small.Show(surface, resources);

    // The cells' texts, fonts and rectangles as the page laid them out.
    struct CCell {
        std::wstring strText;
        HFONT hFont;
        RECT rc;
    };
    std::vector<CCell> cells;
    for (const auto& item : small.page.DisplayList().items)
        if (item.nKind == CHtmlDisplayList::CItem::kindText)
            cells.push_back(CCell { CHtmlGdiResources::Wide(item.strText.data(), item.strText.size()),
                resources.Font(item.font), RECT { item.box.left, item.box.top, item.box.right, item.box.bottom } });
    std::printf("report: %d rows, %u texts, %d px high\n", 2000, (unsigned)cells.size(), small.page.DisplayList().cy);

    int over = 0;
    const std::vector<BenchTimes> times = BenchHarness::Compare(
        { { "HTML: parse, lay out and paint 2,000 rows", [&] { small.Show(surface, resources); } },
          { "DrawText of the same cells", [&] {
                ::SetBkMode(surface.hDC, TRANSPARENT);
                for (const CCell& cell : cells) {
                    ::SelectObject(surface.hDC, cell.hFont);
                    RECT rc = cell.rc;
                    ::DrawTextW(surface.hDC, cell.strText.c_str(), (int)cell.strText.size(), &rc,
                        DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
                }
            } },
          { "HTML: 4,000 rows", [&] { large.Show(surface, resources); } } },
        kRounds, 1e3, "ms");
    over += !BenchHarness::Ratio("  HTML / DrawText, 2,000 rows (under 10)", times[0], times[1], 10.0);
    over += !BenchHarness::Ratio("  HTML 4,000 rows / 2,000 rows (at most 2.4)", times[2], times[0], 2.4);
    return over == 0 ? 0 : 1;
}

#else

#include <cstdio>

int main()
{
    std::printf("HTML view: Windows only\n");
    return 0;
}

#endif
