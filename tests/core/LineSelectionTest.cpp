// Line selection under plain, Ctrl and Shift clicks.
#include "core/KwLineSelection.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

typedef std::vector<UINT> Lines;

Lines Forward(const CKwLineSelection& s)
{
    Lines lines;
    for (POSITION pos = s.GetHeadPosition(); pos;)
        lines.push_back(s.GetNext(pos));
    EXPECT_EQ(lines.size(), s.GetCount());
    return lines;
}

Lines Backward(const CKwLineSelection& s)
{
    Lines lines;
    for (POSITION pos = s.GetTailPosition(); pos;)
        lines.insert(lines.begin(), s.GetPrev(pos));
    return lines;
}

} // namespace

TEST(LineSelection, ShiftExtendsFromTheAnchorAndCtrlMovesIt)
{
    CKwLineSelection s;
    s.HitWithNothing(5);
    EXPECT_EQ(Lines({5}), Forward(s));
    s.HitWithShift(2);
    EXPECT_EQ(Lines({2, 3, 4, 5}), Forward(s));
    s.HitWithShift(7);
    EXPECT_EQ(Lines({5, 6, 7}), Forward(s));
    s.HitWithControl(6);
    EXPECT_EQ(Lines({5, 7}), Forward(s));
    EXPECT_EQ(Lines({5, 7}), Backward(s));
    s.HitWithShift(4); // from the new anchor 6
    EXPECT_EQ(Lines({4, 5, 6}), Forward(s));
    s.HitWithShift(6);
    EXPECT_EQ(Lines({6}), Forward(s));
}

TEST(LineSelection, ShiftWithoutAnchorAddsAndAnchors)
{
    CKwLineSelection s;
    s.HitWithShift(3);
    EXPECT_EQ(Lines({3}), Forward(s));
    s.HitWithShift(5);
    EXPECT_EQ(Lines({3, 4, 5}), Forward(s));

    // After a click outside, Shift adds to nothing and anchors again.
    s.HitOutside();
    EXPECT_EQ(Lines(), Forward(s));
    EXPECT_EQ(nullptr, s.GetHeadPosition());
    s.HitWithShift(9);
    s.HitWithShift(8);
    EXPECT_EQ(Lines({8, 9}), Forward(s));
}

TEST(LineSelection, CtrlClicksKeepTheLinesAscending)
{
    CKwLineSelection s;
    const UINT clicks[] = {7, 2, 9, 4, 0, 4, 12, 2};
    for (UINT line : clicks)
        s.HitWithControl(line);
    EXPECT_EQ(Lines({0, 7, 9, 12}), Forward(s));
    EXPECT_EQ(Lines({0, 7, 9, 12}), Backward(s));
    s.HitWithControl(5);
    s.HitWithControl(5);
    EXPECT_EQ(Lines({0, 7, 9, 12}), Forward(s));
    s.HitWithShift(3); // from the last Ctrl click, 5
    EXPECT_EQ(Lines({3, 4, 5}), Forward(s));
    s.HitWithNothing(1);
    EXPECT_EQ(Lines({1}), Forward(s));
}

TEST(LineSelection, RangesReachTheHighestLineNumbers)
{
    CKwLineSelection s;
    s.HitWithNothing(0xFFFFFFFE);
    s.HitWithShift(0xFFFFFFFC);
    EXPECT_EQ(Lines({0xFFFFFFFC, 0xFFFFFFFD, 0xFFFFFFFE}), Forward(s));
    s.HitWithNothing(0);
    s.HitWithShift(0);
    EXPECT_EQ(Lines({0}), Forward(s));
}

TEST(LineSelection, ShorterAndLongerRangesAfterEachOther)
{
    CKwLineSelection s;
    s.HitWithNothing(10);
    s.HitWithShift(1000);
    EXPECT_EQ(991u, s.GetCount());
    s.HitWithShift(12);
    EXPECT_EQ(Lines({10, 11, 12}), Forward(s));
    EXPECT_EQ(Lines({10, 11, 12}), Backward(s));
    s.HitWithShift(8);
    EXPECT_EQ(Lines({8, 9, 10}), Forward(s));
    s.HitWithNothing(3);
    EXPECT_EQ(Lines({3}), Backward(s));
    s.HitWithControl(3);
    EXPECT_EQ(Lines(), Forward(s));
    s.HitWithShift(1); // the anchor stays at 3
    EXPECT_EQ(Lines({1, 2, 3}), Forward(s));
}
