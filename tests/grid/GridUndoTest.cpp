// GridUndoTest.cpp: the grid's undo history without a window: every kind of step undone and
// redone back to the very cells it left, the byte budget, turning it off, and a history the
// lines no longer fit.
#include "GridTestListener.h"

#include "core/KwLineSelection.h"
#include "grid/KwGridUndo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

typedef std::vector<std::string> Strings;

// Every stored line with every field of its cells that storage keeps, and the line count.
Strings Dump(const CKwGridModel& model)
{
    Strings lines{std::to_string(model.GetLineCount())};
    for (UINT l = 0; l < model.GetLineCount(); l++)
    {
        std::string line;
        for (UINT c = 0; c < model.GetColumnCount(); c++)
        {
            CKwGridCtrlItem item = model.GetStoredItem(c, l);
            line += std::string(item.sText) + "/" + std::to_string(item.nType) + std::to_string(item.bBold) + "|";
        }
        lines.push_back(line);
    }
    return lines;
}

class GridUndo : public ::testing::Test
{
protected:
    GridUndo()
    {
        model.SetColumnCount(3);
        for (UINT l = 0; l < 6; l++)
            model.StoreItem(l % 3, l, GridItem(CKwGridCtrlItem::eText, ("t" + std::to_string(l)).c_str()));
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

// Each action's state is kept; undoing all of them walks back through every state and redoing
// walks forward again, to the same stored fields and line counts.
TEST_F(GridUndo, EveryStepUndoesAndRedoesToTheCellsItLeft)
{
    model.SetInsertMode(CKwGridModel::eInsertUnlimited);
    std::vector<Strings> states{Dump(model)};
    std::vector<std::function<void()>> actions{
        [&] { Clear({5}); },                  // leaves an empty last line, which the paste trims
        [&] { Paste(2, "p\tq\r\nr\r\n"); },
        [&] { Paste(9, "far"); },             // empty lines come into being above it
        [&] { Clear({0, 1, 3, 4, 9}); },      // three runs
        [&] { Edit(1, 7, "x"); Edit(1, 7, "xy"); }, // one step, the line made by typing
        [&] { Edit(2, 1, ""); },              // a cell emptied
        [&] { undo.SwapLines(model, 0, 1, listener.Link(), 0); },
        [&] { Paste(0, ""); },                // one line of copies of line 0
    };
    for (auto& action : actions)
    {
        action();
        states.push_back(Dump(model));
    }
    for (size_t i = states.size() - 1; i > 0; i--)
    {
        ASSERT_TRUE(undo.Undo(model) != NULL) << i;
        EXPECT_EQ(states[i - 1], Dump(model)) << i;
    }
    EXPECT_FALSE(undo.CanUndo());
    for (size_t i = 1; i < states.size(); i++)
    {
        ASSERT_TRUE(undo.Redo(model) != NULL) << i;
        EXPECT_EQ(states[i], Dump(model)) << i;
    }
    EXPECT_TRUE(undo.Redo(model) == NULL);
    // A new action after an undo makes the undone step unreachable.
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
    // The first edit went; the paste and the second edit stay.
    ASSERT_TRUE(undo.Undo(model) && undo.Undo(model));
    EXPECT_STREQ("a", model.GetStoredItem(0, 0).sText);
    EXPECT_FALSE(undo.CanUndo());
    // An undone step cannot go alone: the ones after it would be redone out of order.
    undo.SetBudget(undo.GetUsedBytes() - 1);
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_EQ(0u, undo.GetUsedBytes());
    // A step bigger than the whole budget is not kept.
    undo.SetBudget(100);
    Edit(0, 0, "c");
    EXPECT_FALSE(undo.CanUndo());

    undo.SetBudget(CKwGridUndo::kDefaultBudget);
    Edit(0, 0, "c");
    undo.SetEnabled(FALSE);
    EXPECT_FALSE(undo.CanUndo());
    Paste(0, "q");
    Edit(0, 0, "d");
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_EQ(0u, undo.GetUsedBytes());
}

// Lines put back between the old ones keep the old ones in order; a run beyond the old end
// finds lines without cells above it.
TEST_F(GridUndo, PutLinesFillsTheRunsAndKeepsTheRestInOrder)
{
    CKwGridModel::CLines lines;
    lines.SetSize(2);
    lines[0].SetSize(3);
    lines[0][0] = GridItem(CKwGridCtrlItem::eText, "n0");
    lines[1].SetSize(3);
    lines[1][0] = GridItem(CKwGridCtrlItem::eText, "n1");
    model.RemoveLinesFrom(2);
    model.PutLines({{1, 1}, {5, 1}}, lines);
    EXPECT_EQ(Strings({"6", "t0/00|/00|/00|", "n0/00|/00|/00|", "/00|t1/00|/00|", "/00|/00|/00|", "/00|/00|/00|",
                       "n1/00|/00|/00|"}),
              Dump(model));
}

// Lines that came or went behind the history's back: the step is not applied and the history
// goes, rather than taking the wrong lines out.
TEST_F(GridUndo, AHistoryTheLinesNoLongerFitIsForgotten)
{
    Paste(1, "a\r\nb");
    model.StoreItem(0, 20, GridItem(CKwGridCtrlItem::eText, "behind"));
    Strings before = Dump(model);
    EXPECT_TRUE(undo.Undo(model) == NULL);
    EXPECT_EQ(before, Dump(model));
    EXPECT_FALSE(undo.CanUndo() || undo.CanRedo());
}
