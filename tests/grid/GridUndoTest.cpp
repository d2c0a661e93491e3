// GridUndoTest.cpp: the grid's undo history without a window: every kind of step undone and
// redone back to the cells it left, the byte budget, turning it off, and lines that no longer fit.
#include "GridTestListener.h"

#include "core/KwLineSelection.h"
#include "grid/KwGridUndo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

typedef std::vector<std::string> Strings;

class GridUndo : public ::testing::Test
{
protected:
    GridUndo()
    {
        model.SetColumnCount(3);
        for (UINT l = 0; l < 6; l++)
            model.StoreItem(l % 3, l, GridItem(CKwGridCtrlItem::eText, ("t" + std::to_string(l)).c_str()));
    }
    // A line per stored line, with the fields of its cells as stored.
    Strings Dump()
    {
        Strings lines(model.GetLineCount());
        for (UINT l = 0; l < lines.size(); l++)
            for (UINT c = 0; c < 3; c++)
            {
                CKwGridCtrlItem item = model.GetStoredItem(c, l);
                lines[l] += std::string(item.sText) + "/" + std::to_string(item.nType + item.bBold) + "|";
            }
        return lines;
    }
    void Paste(UINT nLine, const char* pszText)
    {
        undo.PasteText(model, nLine, pszText, (int)strlen(pszText), listener.Link(), 0);
    }
    void Clear(std::initializer_list<UINT> lines)
    {
        CKwLineSelection selection;
        for (UINT l : lines)
            selection.HitWithControl(l);
        undo.DeleteLines(model, selection, 0);
    }
    void Edit(UINT nColumn, UINT nLine, const char* pszText)
    {
        CKwGridCtrlItem item = GridItem(CKwGridCtrlItem::eEditableDropDown, pszText);
        item.bBold = TRUE;
        undo.StoreEdited(model, nColumn, nLine, item);
    }

    CKwGridModel model;
    CKwGridUndo undo;
    GridTestListener listener;
};

} // namespace

// Undoing every action walks back through every state it left, and redoing walks forward.
TEST_F(GridUndo, EveryStepUndoesAndRedoesToTheCellsItLeft)
{
    model.SetInsertMode(CKwGridModel::eInsertUnlimited);
    std::vector<Strings> states{Dump()};
    for (const std::function<void()>& action : std::vector<std::function<void()>>{
             [&] { Clear({5}); }, // leaves an empty last line, which the paste trims
             [&] { Paste(2, "p\tq\r\nr\r\n"); },
             [&] { Paste(9, "far"); },         // lines without cells come into being above it
             [&] { Clear({0, 1, 3, 4, 9}); },  // three runs
             [&] { Edit(1, 7, "x"); Edit(1, 7, "xy"); }, // one step, its line made by typing
             [&] { Edit(2, 1, ""); },
             [&] { undo.SwapLines(model, 0, 1, listener.Link(), 0); },
             [&] { Paste(0, ""); }})
    {
        action();
        states.push_back(Dump());
    }
    for (size_t i = states.size() - 1; i > 0; i--)
    {
        ASSERT_TRUE(undo.Undo(model) != NULL) << i;
        EXPECT_EQ(states[i - 1], Dump()) << i;
    }
    EXPECT_FALSE(undo.CanUndo());
    for (size_t i = 1; i < states.size(); i++)
    {
        ASSERT_TRUE(undo.Redo(model) != NULL) << i;
        EXPECT_EQ(states[i], Dump()) << i;
    }
    EXPECT_TRUE(undo.Redo(model) == NULL);
    undo.Undo(model);
    Edit(0, 0, "new");
    EXPECT_FALSE(undo.CanRedo());
}

TEST_F(GridUndo, TheBudgetLetsTheOldestGoAndOffRecordsNothing)
{
    Edit(0, 0, "a");
    undo.Seal();
    Edit(0, 0, "b");
    Paste(0, "x\r\ny\r\nz");
    undo.SetBudget(undo.GetUsedBytes() - 1);
    ASSERT_TRUE(undo.Undo(model) && undo.Undo(model));
    EXPECT_STREQ("a", model.GetStoredItem(0, 0).sText);
    EXPECT_FALSE(undo.CanUndo());
    // An undone step cannot go alone: the ones after it would be redone out of order.
    undo.SetBudget(undo.GetUsedBytes() - 1);
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_EQ(0u, undo.GetUsedBytes());
    undo.SetBudget(100); // smaller than any step
    Edit(0, 0, "c");
    EXPECT_FALSE(undo.CanUndo());

    undo.SetBudget(CKwGridUndo::kDefaultBudget);
    Edit(0, 0, "c");
    undo.SetEnabled(FALSE);
    Paste(0, "q");
    Edit(0, 0, "d");
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_EQ(0u, undo.GetUsedBytes());
}

// Lines stored behind the history's back: the step is not applied and the history goes.
TEST_F(GridUndo, AHistoryTheLinesNoLongerFitIsForgottenAndPutLinesKeepsTheOrder)
{
    Paste(1, "a\r\nb");
    model.StoreItem(0, 20, GridItem(CKwGridCtrlItem::eText, "behind"));
    Strings before = Dump();
    EXPECT_TRUE(undo.Undo(model) == NULL);
    EXPECT_EQ(before, Dump());
    EXPECT_FALSE(undo.CanUndo() || undo.CanRedo());

    // Lines put back between the old ones, and beyond them over lines without cells.
    CKwGridModel::CLines lines;
    lines.SetSize(2);
    lines[0].Add(GridItem(CKwGridCtrlItem::eText, "n0"));
    lines[1].Add(GridItem(CKwGridCtrlItem::eText, "n1"));
    model.RemoveLinesFrom(2);
    model.PutLines({{1, 1}, {5, 1}}, lines);
    EXPECT_EQ(Strings({"t0/0|/0|/0|", "n0/0|/0|/0|", "a/0|t1/0|/0|", "/0|/0|/0|", "/0|/0|/0|", "n1/0|/0|/0|"}), Dump());
}
