// GridNavigatorTest.cpp: the white box and the selected lines without a window: the searches for
// free cells around locked ones, within the lines each insert mode lets the user reach, and the
// moves of keys and clicks.
#include "GridTestListener.h"

#include "core/KwLineSelection.h"
#include "grid/KwGridNavigator.h"

#include <gtest/gtest.h>

namespace {

typedef std::pair<UINT, UINT> Cell; // (column, line)
const UINT none = 0xFFFFFFFF;

// Three columns over nLines stored lines, insert mode 1 unless a test changes it.
class GridNavigator : public ::testing::Test
{
protected:
    void Fill(UINT nLines)
    {
        model.SetColumnCount(3);
        CKwGridCtrlItem item;
        item.sText = "x";
        for (UINT l = 0; l < nLines; l++)
            for (UINT c = 0; c < 3; c++)
                model.StoreItem(c, l, item);
    }
    void Lock(UINT nColumn, UINT nLine) { listener.locked.insert(Cell(nColumn, nLine)); }
    Cell Cur() const { return Cell(nav.GetColumn(), nav.GetLine()); }
    // The white box and the selected lines: "box 1 2, lines 2 3" ("box none" without a cell).
    std::string Box() const
    {
        std::string s = nav.HasCell() ? "box " + std::to_string(nav.GetColumn()) + " " + std::to_string(nav.GetLine())
                                      : "box none";
        s += ", lines";
        const CKwLineSelection& selection = nav.GetSelection();
        for (POSITION pos = selection.GetHeadPosition(); pos != NULL;)
            s += " " + std::to_string(selection.GetNext(pos));
        return s;
    }
    // The cells visited by repeated moves until one fails.
    template<class Move>
    std::vector<Cell> Walk(Move move)
    {
        std::vector<Cell> cells;
        while (move() && cells.size() < 50)
            cells.push_back(Cur());
        return cells;
    }

    CKwGridModel model;
    CKwGridNavigator nav;
    GridTestListener listener;
    CKwGridListenerLink link = listener.Link();
};

} // namespace

TEST_F(GridNavigator, RightAndLeftSkipLockedCellsWrapAtTheLineEndsAndStopAtTheReachableEnds)
{
    Fill(2);
    Lock(1, 0);
    Lock(0, 1);
    Lock(2, 2); // on the append line
    nav.SelectCell(0, 0);
    EXPECT_EQ((std::vector<Cell>{{2, 0}, {1, 1}, {2, 1}, {0, 2}, {1, 2}}), Walk([&] { return nav.Right(model, link); }));
    EXPECT_EQ("box 1 2, lines 2", Box());
    EXPECT_FALSE(nav.CanRight(model, link));
    EXPECT_EQ((std::vector<Cell>{{0, 2}, {2, 1}, {1, 1}, {2, 0}, {0, 0}}), Walk([&] { return nav.Left(model, link); }));
    EXPECT_FALSE(nav.CanLeft(model, link));

    // Fixed lines end at the last stored line; Down and Up skip locked cells of the column.
    model.SetInsertMode(CKwGridModel::eInsertFixed);
    nav.SelectCell(2, 1);
    EXPECT_FALSE(nav.CanRight(model, link));
    UINT nColumn = 0, nLine = 0;
    EXPECT_FALSE(nav.GetNextItemToTheBottom(model, link, nColumn, nLine)) << "line 1 of column 0 is locked";
    nColumn = 2;
    EXPECT_TRUE(nav.GetNextItemToTheBottom(model, link, nColumn, nLine));
    EXPECT_EQ(Cell(2, 1), Cell(nColumn, nLine));
    nColumn = 1;
    EXPECT_FALSE(nav.GetPrevItemToTheTop(model, link, nColumn, nLine)) << "line 0 of column 1 is locked";
    EXPECT_EQ(Cell(1, 1), Cell(nColumn, nLine)) << "a failed search leaves the cell";

    // No cell, no column, no line: nothing to search from.
    for (Cell start : {Cell(none, 0), Cell(0, none), Cell(3, 0), Cell(0, 2)})
    {
        nColumn = start.first;
        nLine = start.second;
        EXPECT_FALSE(nav.GetNextItemToTheRight(model, link, nColumn, nLine)) << nColumn << " " << nLine;
    }
    CKwGridModel noColumns;
    nColumn = 0;
    nLine = 1;
    EXPECT_FALSE(nav.GetPrevItemToTheLeft(noColumns, link, nColumn, nLine));

    // Without a listener no cell is locked.
    nav.SelectCell(0, 0);
    EXPECT_TRUE(nav.Right(model, CKwGridListenerLink()));
    EXPECT_EQ(Cell(1, 0), Cur());
}

TEST_F(GridNavigator, SearchesOfAnUnlimitedGridEndAfterAWholeLockedLineBeyondTheStoredOnes)
{
    // A host caps its lines by locking every line from line 3 on.
    Fill(2);
    model.SetInsertMode(CKwGridModel::eInsertUnlimited);
    listener.nLockFrom = 3;
    nav.SelectCell(2, 2);
    EXPECT_FALSE(nav.CanRight(model, link));
    EXPECT_FALSE(nav.CanDown(model, link));
    EXPECT_LT(listener.nLockQuestions, 20);
    // Without locks the search goes on past the stored lines.
    listener.nLockFrom = none;
    EXPECT_TRUE(nav.Right(model, link));
    EXPECT_EQ(Cell(0, 3), Cur());
    EXPECT_TRUE(nav.CanStepDown(model));
}

TEST_F(GridNavigator, UpAndDownStepWithinTheReachableLinesAndShiftExtendsTheSelection)
{
    Fill(3);
    EXPECT_FALSE(nav.CanStepDown(model));
    EXPECT_FALSE(nav.CanStepUp());
    nav.SelectCell(1, 1);
    Lock(1, 2); // locks do not stop Up and Down
    nav.ToLine(2, TRUE);
    nav.ToLine(3, TRUE);
    EXPECT_EQ("box 1 3, lines 1 2 3", Box());
    EXPECT_FALSE(nav.CanStepDown(model)) << "line 3 is the append line";
    nav.ToLine(2, TRUE);
    EXPECT_EQ("box 1 2, lines 1 2", Box());
    nav.ToLine(1, FALSE);
    EXPECT_EQ("box 1 1, lines 1", Box());
    model.SetInsertMode(CKwGridModel::eInsertFixed);
    nav.ToLine(2, FALSE);
    EXPECT_FALSE(nav.CanStepDown(model));
    nav.ToLine(0, FALSE);
    EXPECT_FALSE(nav.CanStepUp());
}

TEST_F(GridNavigator, HomeEndAndGoToLandOnFreeCellsOfReachableLinesOnly)
{
    Fill(3);
    EXPECT_TRUE(nav.End(model, link, FALSE));
    EXPECT_EQ("box 2 2, lines 2", Box()); // the last stored line, not the append line
    Lock(2, 2);
    Lock(0, 0);
    EXPECT_TRUE(nav.End(model, link, FALSE));
    EXPECT_EQ(Cell(1, 2), Cur());
    EXPECT_TRUE(nav.Home(model, link, TRUE));
    EXPECT_EQ("box 1 0, lines 0 1 2", Box());

    // A locked cell with no free one after it keeps the box; beyond the reach nothing moves.
    Lock(1, 3);
    Lock(2, 3);
    EXPECT_TRUE(nav.GoTo(model, link, 1, 3, FALSE));
    EXPECT_EQ(Cell(1, 3), Cur());
    EXPECT_FALSE(nav.GoTo(model, link, 0, 4, FALSE));
    EXPECT_FALSE(nav.GoTo(model, link, 3, 0, FALSE));
    EXPECT_EQ(Cell(1, 3), Cur());
    CKwGridModel fixedEmpty;
    fixedEmpty.SetColumnCount(2);
    fixedEmpty.SetInsertMode(CKwGridModel::eInsertFixed);
    EXPECT_FALSE(nav.Home(fixedEmpty, link, FALSE));
    EXPECT_FALSE(nav.End(fixedEmpty, link, FALSE));
}

TEST_F(GridNavigator, ClicksBuildTheSelectionAndALockedCellHandsOnWithinItsLineOnly)
{
    Fill(6);
    nav.Click(model, link, 0, 1, FALSE, FALSE);
    nav.Click(model, link, 2, 3, FALSE, TRUE);
    EXPECT_EQ("box 2 3, lines 1 2 3", Box());
    nav.Click(model, link, 1, 2, TRUE, FALSE);
    nav.Click(model, link, 1, 5, TRUE, FALSE);
    EXPECT_EQ("box 1 5, lines 1 3 5", Box());

    Lock(0, 1);
    Lock(1, 1);
    EXPECT_TRUE(nav.Click(model, link, 0, 1, FALSE, FALSE));
    EXPECT_EQ("box 2 1, lines 1", Box());
    Lock(1, 2);
    Lock(2, 2); // the next free cell is on line 3
    EXPECT_TRUE(nav.Click(model, link, 1, 2, FALSE, FALSE));
    EXPECT_EQ("box none, lines", Box());
    EXPECT_FALSE(nav.Click(model, link, 0, none, FALSE, FALSE));
    EXPECT_FALSE(nav.Click(model, link, 0, 4, FALSE, FALSE));
    EXPECT_EQ("box 0 4, lines 4", Box());
    nav.SelectCell(0, none);
    EXPECT_EQ("box none, lines", Box()) << "no line is selected for no line";
}
