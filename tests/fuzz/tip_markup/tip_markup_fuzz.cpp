// Tooltip markup from arbitrary bytes: measured, drawn into its measured size and into a width
// taken from the input, then placed around a cursor on a screen taken from the input. Every pass
// must end with its line tables consistent with the size it returns and its boxes within that
// size; the placed box must keep the tip's size, cut to the screen, and lie on the screen where
// it fits. A crash, a sanitizer report, a huge allocation or a hang is a fault too.
#include "../FuzzRequire.h"
#include "tips/UxTipFixedMeasurer.h"
#include "tips/UxTipPlacement.h"

#include <algorithm>
#include <cstring>

namespace {

// Offsets of a pass saturate here (a little above any real screen, far below overflow).
const int64_t kBound = 1 << 26;

// The right edge of a text or picture box, as the measurer sized it.
int64_t RightOf(const UxTipBox& box, CUxTipFixedMeasurer& measurer)
{
    UxTipSize sz;
    if (box.nKind == UxTipBox::TEXT) {
        measurer.SelectStyles(box.nStyles);
        sz = measurer.MeasureText(NULL, box.pRun->nLength);
    } else if (box.nKind == UxTipBox::PICTURE) {
        measurer.MeasurePicture(*box.pRun, sz);
    }
    return (int64_t)box.x + sz.cx;
}

void CheckMeasured(const UxTipLaidOut& out, bool bPercent)
{
    const UxTipLines& lines = out.lines;
    Require(lines.widths.size() == lines.heights.size());
    Require(out.markup.IsEmpty() == lines.widths.empty());
    Require(out.size.cx >= 0 && out.size.cy >= 0 && out.size.cx <= kBound && out.size.cy <= kBound);
    int64_t nHeights = 0;
    unsigned nWidest = 0;
    for (size_t n = 0; n < lines.widths.size(); n++) {
        Require(lines.widths[n] <= kBound && lines.heights[n] <= kBound && lines.heights[n] >= 13);
        nHeights += lines.heights[n];
        nWidest = std::max(nWidest, lines.widths[n]);
    }
    // Percentage rules only add to a line after the widest is known.
    Require((unsigned)out.size.cx <= nWidest && (bPercent || (unsigned)out.size.cx == nWidest));
    Require(out.size.cy >= std::min(nHeights, kBound));
}

// The drawing pass into the measured size keeps its boxes inside it, unless a percentage rule
// widened a line past the widest or an offset saturated. Tab stops lie on the rectangle, not on
// the line, so a centred or right-aligned line may reach up to one tab width further.
void CheckDrawn(const UxTipLaidOut& out, bool bPercent)
{
    CUxTipFixedMeasurer measurer;
    const bool bInside = !bPercent && out.size.cx < kBound && out.size.cy < kBound;
    int64_t nRight = out.size.cx;
    for (const UxTipRun& run : out.markup.Runs())
        if (run.nKind == UxTipRun::TAB)
            nRight = out.size.cx + 4 * measurer.nAveCharWidth - 1;
    for (const UxTipBox& box : out.boxes) {
        Require(box.x >= -kBound && box.x <= 2 * kBound && box.y >= -kBound && box.y <= 2 * kBound);
        if (box.nKind == UxTipBox::TEXT)
            Require(box.pRun->nLength > 0 && box.pRun->nText >= 0);
        if (!bInside)
            continue;
        Require(box.x >= 0 && box.y >= 0 && box.y <= out.size.cy && RightOf(box, measurer) <= nRight);
        if (box.nKind == UxTipBox::RULE)
            Require(box.x2 >= box.x && box.x2 <= nRight);
    }
}

// Drawn at another width, the text gives the same boxes on the same lines.
void CheckDrawnAt(const UxTipLaidOut& out, int nWidth)
{
    UxTipLines lines = out.lines;
    CUxTipFixedMeasurer measurer;
    UxTipRect rect = {0, 0, nWidth, out.size.cy};
    CUxTipLayout::LayOut(out.markup, rect, false, lines, measurer, measurer);
    Require(measurer.boxes.size() == out.boxes.size());
    for (size_t n = 0; n < out.boxes.size(); n++)
        Require(measurer.boxes[n].nKind == out.boxes[n].nKind && measurer.boxes[n].y == out.boxes[n].y);
}

// The tip, with its margins, placed on a screen; cursor and anchor within the screen as the
// system gives them.
void CheckPlaced(UxTipSize tip, const uint8_t* p)
{
    const UxTipSize area = {1 + p[0] * 8, 1 + p[1] * 8};
    const UxTipPoint cursor = {p[2] * area.cx / 256, p[3] * area.cy / 256};
    unsigned nDirection = p[4] & 7;
    const int nMargin = p[5] & 31;
    const UxTipSize shadow = {p[6] & 7, p[6] >> 5};
    tip.cx += 2 * (p[7] & 15);
    tip.cy += 2 * (p[7] >> 4);
    UxTipRect box = CUxTipPlacement::Place({0, 0, tip.cx, tip.cy}, cursor, nDirection, area, nMargin, shadow);
    Require(nDirection <= 3);
    Require(box.right - box.left == std::min(tip.cx, area.cx) && box.bottom - box.top == std::min(tip.cy, area.cy));
    if (CUxTipPlacement::IsLeft(nDirection)) {
        box.left -= shadow.cx;
        box.right -= shadow.cx;
        box.top -= shadow.cy;
        box.bottom -= shadow.cy;
    }
    // Each side either found room on the screen or kept its place.
    Require((box.left >= 0 && box.right <= area.cx) || box.left == 0);
    Require((box.top >= 0 && box.bottom <= area.cy) || box.top == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    UxTipLaidOut out;
    CUxTipFixedMeasurer::LayOutBytes(data, size, out);
    const bool bPercent = memchr(data, '%', size) != NULL;
    CheckMeasured(out, bPercent);
    CheckDrawn(out, bPercent);
    uint8_t params[8] = {};
    memcpy(params, data, std::min(size, sizeof(params)));
    CheckDrawnAt(out, params[0] * 4);
    CheckPlaced(out.size, params);
    return 0;
}
