// Tests of where a tip goes around the cursor on a work area of known size, with fallbacks at the
// edges and the shift for the shadow, and of the balloon's shape.
#include <gtest/gtest.h>

#include "tips/UxTipPlacement.h"

#include <string>

namespace {

std::string Text(const UxTipRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

struct PlacementCase
{
    const char* what;
    unsigned nDirection;
    int nShadow;
    UxTipPoint pt;
    UxTipSize box;
    const char* expected; // box, then the direction reached
};

} // namespace

TEST(TipPlacement, FallsBackAtTheEdgesAndShiftsForTheShadowOnTheLeft)
{
    // An area of 800 by 600, the anchor 16 from the box's side.
    const UxTipSize box = {200, 100};
    const PlacementCase cases[] = {
        {"below right", 3, 0, {100, 100}, box, "84,100,284,200 3"},
        {"near the left edge", 3, 0, {8, 100}, box, "0,100,200,200 3"},
        {"right edge flips to the left", 3, 0, {700, 100}, box, "516,100,716,200 2"},
        {"left extends to the edge at most", 2, 0, {795, 100}, box, "600,100,800,200 2"},
        {"bottom edge flips upwards", 3, 0, {100, 550}, box, "84,450,284,550 1"},
        {"corner flips both ways", 3, 0, {790, 590}, box, "600,490,800,590 0"},
        {"left and top edges flip the other way", 0, 0, {100, 50}, box, "84,50,284,150 3"},
        {"neither way fits: at the edge", 3, 0, {400, 300}, {200, 599}, "384,0,584,599 1"},
        {"wider than the area: cut to it", 3, 0, {100, 100}, {900, 100}, "0,100,800,200 2"},
        {"taller than the area: cut to it", 3, 0, {100, 100}, {200, 700}, "84,0,284,600 1"},
        {"shadow, above left: moved", 0, 4, {400, 300}, box, "220,204,420,304 0"},
        {"shadow, below left: moved", 2, 4, {400, 300}, box, "220,304,420,404 2"},
        {"shadow, above right: in place", 1, 4, {400, 300}, box, "384,200,584,300 1"},
        {"shadow, below right: in place", 3, 4, {400, 300}, box, "384,300,584,400 3"},
        {"shadow after a flip to the left", 3, 4, {790, 300}, box, "604,304,804,404 2"},
        {"a direction that names none is below right", 7, 0, {100, 100}, box, "84,100,284,200 3"},
    };
    for (const PlacementCase& c : cases) {
        unsigned nDirection = c.nDirection;
        const UxTipRect placed = CUxTipPlacement::Place({0, 0, c.box.cx, c.box.cy}, c.pt, nDirection, {800, 600}, 16,
                                                        {c.nShadow, c.nShadow});
        EXPECT_EQ(c.expected, Text(placed) + " " + std::to_string(nDirection)) << c.what;
    }
}

TEST(TipPlacement, TheBalloonLeavesRoomForTheAnchorOnTheCursorsSide)
{
    // Anchor 16 high, 12 wide, 16 from the side: its base runs away from the side it starts at.
    const char* expected[] = {
        "0,0,200,84 184..172@84", // above, extending to the left
        "0,0,200,84 16..28@84",   // above, to the right
        "0,16,200,100 184..172@16",
        "0,16,200,100 16..28@16",
    };
    for (unsigned nDirection = 0; nDirection < 4; nDirection++) {
        const CUxTipPlacement::Balloon b = CUxTipPlacement::Shape({200, 100}, nDirection, 16, 12, 16);
        EXPECT_EQ(expected[nDirection], Text(b.body) + " " + std::to_string(b.x1) + ".." + std::to_string(b.x2) + "@" +
                                            std::to_string(b.yBase));
    }
}
