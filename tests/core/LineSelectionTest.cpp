// Line selection under plain, Ctrl and Shift clicks: each script starts from an empty selection
// and checks the lines after every click, walked forward and backward.
#include "core/KwLineSelection.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

typedef std::vector<UINT> Lines;

// A click: 'n' plain, 'c' Ctrl, 's' Shift, 'o' outside any line; then the selection after it.
struct Click
{
    char kind;
    UINT line;
    Lines expected;
};

Lines Range(UINT first, UINT last)
{
    Lines lines;
    for (UINT line = first; line <= last; line++)
        lines.push_back(line);
    return lines;
}

void Play(std::initializer_list<Click> script)
{
    CKwLineSelection s;
    int step = 0;
    for (const Click& click : script)
    {
        step++;
        switch (click.kind)
        {
        case 'n': s.HitWithNothing(click.line); break;
        case 'c': s.HitWithControl(click.line); break;
        case 's': s.HitWithShift(click.line); break;
        default: s.HitOutside(); break;
        }
        Lines forward, backward;
        for (POSITION pos = s.GetHeadPosition(); pos;)
            forward.push_back(s.GetNext(pos));
        for (POSITION pos = s.GetTailPosition(); pos;)
            backward.insert(backward.begin(), s.GetPrev(pos));
        EXPECT_EQ(click.expected, forward) << "step " << step;
        EXPECT_EQ(click.expected, backward) << "step " << step;
        EXPECT_EQ(click.expected.size(), s.GetCount()) << "step " << step;
    }
}

} // namespace

TEST(LineSelection, ShiftExtendsFromTheAnchorAndCtrlMovesIt)
{
    Play({{'n', 5, {5}}, {'s', 2, {2, 3, 4, 5}}, {'s', 7, {5, 6, 7}}, {'c', 6, {5, 7}},
        {'s', 4, {4, 5, 6}} /* from the new anchor 6 */, {'s', 6, {6}}});
    // Without an anchor Shift adds and anchors; a click outside drops the anchor.
    Play({{'s', 3, {3}}, {'s', 5, {3, 4, 5}}, {'o', 0, {}}, {'s', 9, {9}}, {'s', 8, {8, 9}}});
}

TEST(LineSelection, CtrlClicksKeepTheLinesAscending)
{
    Play({{'c', 7, {7}}, {'c', 2, {2, 7}}, {'c', 9, {2, 7, 9}}, {'c', 4, {2, 4, 7, 9}}, {'c', 0, {0, 2, 4, 7, 9}},
        {'c', 4, {0, 2, 7, 9}}, {'c', 12, {0, 2, 7, 9, 12}}, {'c', 2, {0, 7, 9, 12}}, {'c', 5, {0, 5, 7, 9, 12}},
        {'c', 5, {0, 7, 9, 12}}, {'s', 3, {3, 4, 5}} /* from the last Ctrl click, 5 */, {'n', 1, {1}}});
}

TEST(LineSelection, ShorterAndLongerRangesUpToTheHighestLineNumbers)
{
    Play({{'n', 0xFFFFFFFE, {0xFFFFFFFE}}, {'s', 0xFFFFFFFC, {0xFFFFFFFC, 0xFFFFFFFD, 0xFFFFFFFE}},
        {'n', 0, {0}}, {'s', 0, {0}}});
    Play({{'n', 10, {10}}, {'s', 1000, Range(10, 1000)}, {'s', 12, {10, 11, 12}}, {'s', 8, {8, 9, 10}},
        {'n', 3, {3}}, {'c', 3, {}}, {'s', 1, {1, 2, 3}} /* the anchor stays at 3 */});
}
