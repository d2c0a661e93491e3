// GridModelTest.cpp: the grid's cells without a window: the cell record, storage and trimming,
// reads through the listener, columns added later, line swaps, and the line commands on text:
// copy, paste and clear.
#include "GridTestListener.h"

#include "core/KwLineSelection.h"
#include "grid/KwGridModel.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

typedef std::vector<std::string> Strings;

// The texts of all cells, a line per string, cells separated by '|' ("a0|b0|c0").
Strings Texts(const CKwGridModel& model)
{
    Strings lines;
    for (UINT l = 0; l < model.GetLineCount(); l++)
    {
        std::string line;
        for (UINT c = 0; c < model.GetColumnCount(); c++)
        {
            CKwGridCtrlItem item;
            model.GetItem(c, l, item, CKwGridListenerLink());
            line += (c ? "|" : "") + std::string((const char*)item.sText);
        }
        lines.push_back(line);
    }
    return lines;
}

CKwGridCtrlItem Text(const char* pszText)
{
    return GridItem(CKwGridCtrlItem::eText, pszText);
}

// A model of nColumns columns whose lines hold "a0|b0|c0", "a1|b1|c1", ...
class GridModel : public ::testing::Test
{
protected:
    void Fill(UINT nColumns, UINT nLines)
    {
        model.SetColumnCount(nColumns);
        for (UINT l = 0; l < nLines; l++)
            for (UINT c = 0; c < nColumns; c++)
                model.StoreItem(c, l, Text((std::string(1, (char)('a' + c)) + std::to_string(l)).c_str()));
    }
    static void Select(CKwLineSelection& selection, std::initializer_list<UINT> lines)
    {
        for (UINT l : lines)
            selection.HitWithControl(l);
    }
    void Delete(std::initializer_list<UINT> lines)
    {
        CKwLineSelection selection;
        Select(selection, lines);
        model.DeleteLines(selection);
    }
    std::string Copy(std::initializer_list<UINT> lines)
    {
        CKwLineSelection selection;
        Select(selection, lines);
        CString sText;
        EXPECT_TRUE(model.CopyLines(selection, listener.Link(), sText));
        return std::string(sText, sText.GetLength());
    }
    UINT Paste(UINT nLine, const char* pszText)
    {
        return model.PasteText(nLine, pszText, (int)strlen(pszText), listener.Link());
    }

    CKwGridModel model;
    GridTestListener listener;
};

// The slot of a virtual operation in the table, read from its member pointer (which holds the
// slot's byte offset plus one in this compiler's ABI).
template<class F>
ptrdiff_t Slot(F f)
{
    ptrdiff_t offset;
    memcpy(&offset, &f, sizeof(offset));
    return (offset - 1) / (ptrdiff_t)sizeof(void*);
}

} // namespace

TEST(GridListener, TheOperationsTakeTheFirstSlotsOfTheTableInOrder)
{
    typedef CKwGridCtrlListener L;
    const ptrdiff_t slots[] = {
        Slot(&L::CKwGridCtrlListener_OnContentChanged), Slot(&L::CKwGridCtrlListener_OnGetItem),
        Slot(&L::CKwGridCtrlListener_OnBeginEditItem), Slot(&L::CKwGridCtrlListener_OnItemChanged),
        Slot(&L::CKwGridCtrlListener_OnKillFocus), Slot(&L::CKwGridCtrlListener_OnCanDelete),
        Slot(&L::CKwGridCtrlListener_OnCanPaste), Slot(&L::CKwGridCtrlListener_OnCanSwapLines),
        Slot(&L::CKwGridCtrlListener_OnGetToolTipText), Slot(&L::CKwGridCtrlListener_OnContextMenu),
        Slot(&L::CKwGridCtrlListener_OnLockItem)};
    for (ptrdiff_t i = 0; i < 11; i++)
        EXPECT_EQ(i, slots[i]);
}

TEST(GridItem, EmptinessCountsContentAndDataOnly)
{
    // Colour, boldness and choices are no content, nor is the text of an index drop-down.
    CStringArray choices;
    CKwGridCtrlItem item = GridItem(CKwGridCtrlItem::eIndexDropDown, "ignored");
    item.clrText = 0xFF;
    item.bBold = TRUE;
    item.pChoices = &choices;
    EXPECT_TRUE(item.IsEmpty());
    item.nIndex = 0;
    EXPECT_FALSE(item.IsEmpty());
    CKwGridCtrlItem onlyData;
    onlyData.pData = &choices;
    EXPECT_FALSE(onlyData.IsEmpty());
}

TEST_F(GridModel, LinesComeIntoBeingAndAreTrimmedBackAndTheModeSetsTheLimit)
{
    model.SetColumnCount(3);
    EXPECT_EQ(1u, model.GetLineCountLimit());
    model.StoreItem(1, 5, Text("x"));
    EXPECT_EQ((Strings{"||", "||", "||", "||", "||", "|x|"}), Texts(model));
    EXPECT_EQ(7u, model.GetLineCountLimit());
    model.SetInsertMode(CKwGridModel::eInsertFixed);
    EXPECT_EQ(6u, model.GetLineCountLimit());
    model.SetInsertMode(CKwGridModel::eInsertUnlimited);
    EXPECT_EQ(0xFFFFFFFFu, model.GetLineCountLimit());

    // Empty lines above the last non-empty one stay.
    model.StoreItem(0, 2, Text("y"));
    model.StoreItem(1, 5, CKwGridCtrlItem());
    EXPECT_EQ(3u, model.GetLineCount());
    model.StoreItem(0, 2, CKwGridCtrlItem());
    EXPECT_EQ(0u, model.GetLineCount());

    // Stores beyond the columns or at no line are ignored; a cell holding only data keeps its line.
    model.StoreItem(3, 0, Text("z"));
    model.StoreItem(0, 0xFFFFFFFF, Text("z"));
    EXPECT_EQ(0u, model.GetLineCount());
    CKwGridCtrlItem data;
    data.pData = &model;
    model.StoreItem(2, 1, data);
    EXPECT_EQ(2u, model.GetLineCount());
}

TEST_F(GridModel, EveryReadGoesThroughTheListenerAlsoOutOfRange)
{
    Fill(3, 1);
    listener.bRecordReads = true;
    listener.supply = [](UINT nColumn, UINT, CKwGridCtrlItem& item) {
        if (nColumn == 1)
            item.bBold = TRUE;
    };
    CKwGridCtrlItem item = Text("junk");
    item.nIndex = 4;
    model.GetItem(7, 0, item, listener.Link());
    EXPECT_TRUE(item.sText.IsEmpty() && item.nIndex == -1 && !item.bBold);
    model.GetItem(1, 9, item, listener.Link());
    EXPECT_TRUE(item.sText.IsEmpty() && item.bBold);
    model.GetItem(1, 0, item, listener.Link());
    EXPECT_STREQ("b0", item.sText);
    EXPECT_EQ((Strings{"GetItem 7 0", "GetItem 1 9", "GetItem 1 0"}), listener.calls);
}

TEST_F(GridModel, ColumnsAddedLaterReadDefaultUntilStoredAndCellsMayComeBeforeColumns)
{
    Fill(1, 2);
    model.SetColumnCount(2);
    CKwGridCtrlItem item = Text("junk");
    model.GetItem(1, 1, item, CKwGridListenerLink());
    EXPECT_TRUE(item.IsEmpty());
    model.StoreItem(1, 0, Text("b"));
    model.StoreItem(0, 1, CKwGridCtrlItem());
    EXPECT_EQ((Strings{"a0|b"}), Texts(model));

    // Fewer columns hide the cells beyond them without losing them.
    model.SetColumnCount(1);
    model.GetItem(1, 0, item, CKwGridListenerLink());
    EXPECT_TRUE(item.IsEmpty());
    model.SetColumnCount(2);
    EXPECT_EQ((Strings{"a0|b"}), Texts(model));
}

TEST_F(GridModel, RemoveLinesFromTrimsTheEmptyLinesAboveToo)
{
    model.SetColumnCount(2);
    model.StoreItem(0, 0, Text("a"));
    model.StoreItem(1, 3, Text("b"));
    model.StoreItem(0, 4, Text("c"));
    model.RemoveLinesFrom(7);
    EXPECT_EQ(5u, model.GetLineCount());
    model.RemoveLinesFrom(3);
    EXPECT_EQ((Strings{"a|"}), Texts(model));
    model.RemoveLinesFrom(0);
    EXPECT_EQ(0u, model.GetLineCount());
}

TEST_F(GridModel, LinesSwapWholeCellsReadThroughTheListenerAndTrimWhatIsLeftEmpty)
{
    model.SetColumnCount(2);
    model.StoreItem(0, 0, Text("a"));
    model.StoreItem(1, 1, Text("b"));
    model.StoreItem(0, 2, GridItem(CKwGridCtrlItem::eIndexDropDown, "", 1));
    listener.supply = [](UINT nColumn, UINT nLine, CKwGridCtrlItem& item) {
        if (nColumn == 1 && nLine == 0)
            item.bBold = TRUE;
    };
    EXPECT_TRUE(model.SwapLines(0, 1, listener.Link()));
    EXPECT_EQ((Strings{"|b", "a|", "|"}), Texts(model));
    CKwGridCtrlItem item;
    model.GetItem(1, 1, item, CKwGridListenerLink());
    EXPECT_TRUE(item.bBold) << "what the listener supplied travels with the line";

    // The last line moves into a new one with its cell's type, and back, leaving the empty
    // line to trimming.
    EXPECT_TRUE(model.SwapLines(2, 3, listener.Link()));
    EXPECT_EQ(4u, model.GetLineCount());
    EXPECT_TRUE(model.SwapLines(3, 2, listener.Link()));
    EXPECT_EQ(3u, model.GetLineCount());
    EXPECT_EQ((Strings{"CanSwapLines 0 1", "CanSwapLines 2 3", "CanSwapLines 3 2"}), listener.calls);

    listener.bCanSwap = FALSE;
    EXPECT_FALSE(model.SwapLines(0, 1, listener.Link()));
    EXPECT_EQ((Strings{"|b", "a|", "|"}), Texts(model));
    EXPECT_TRUE(model.SwapLines(0, 1, CKwGridListenerLink())) << "without a listener nothing is asked";
}

TEST_F(GridModel, CopyJoinsTheLinesWithTabsAndLineBreaksAndLeavesIndexTextsOut)
{
    model.SetColumnCount(3);
    for (UINT l = 0; l < 4; l++)
    {
        model.StoreItem(0, l, Text(("t" + std::to_string(l)).c_str()));
        model.StoreItem(1, l, GridItem(CKwGridCtrlItem::eIndexDropDown, "hidden", 1));
        model.StoreItem(2, l, GridItem(CKwGridCtrlItem::eTextDropDown, ("d" + std::to_string(l)).c_str()));
    }
    EXPECT_EQ("t1\t\td1\r\nt3\t\td3", Copy({3, 1}));
    EXPECT_EQ("\t\t", Copy({9})) << "a line beyond the stored ones is one of default cells";
    EXPECT_EQ("", Copy({}));

    // Many lines come out whole and in order, read through the listener.
    std::string expected;
    for (UINT l = 4; l < 37; l++)
    {
        model.StoreItem(0, l, Text(std::to_string(l).c_str()));
        expected += std::to_string(l) + "\t\t" + (l < 36 ? "\r\n" : "");
    }
    CKwLineSelection lines;
    lines.HitWithNothing(4);
    lines.HitWithShift(36);
    listener.bRecordReads = true;
    CString sText;
    ASSERT_TRUE(model.CopyLines(lines, listener.Link(), sText));
    EXPECT_EQ(expected, std::string(sText));
    EXPECT_EQ(33u * 3, listener.calls.size());
}

TEST_F(GridModel, PasteInsertsTheLinesAboveTheLineWhichKeepsItsContent)
{
    Fill(3, 4);
    EXPECT_EQ(2u, Paste(2, "p\tq\tr\r\ns\tt\tu"));
    EXPECT_EQ((Strings{"a0|b0|c0", "a1|b1|c1", "p|q|r", "s|t|u", "a2|b2|c2", "a3|b3|c3"}), Texts(model));

    // Onto the empty line after the last, the line after the final break and that line itself
    // are trimmed.
    EXPECT_EQ(3u, Paste(6, "v\tw\tx\r\ny\tz\t0\r\n"));
    EXPECT_EQ(8u, model.GetLineCount());
    EXPECT_EQ("y|z|0", Texts(model)[7]);

    // Onto a line that holds something, the nothing after the final break is a line of copies
    // of its cells with an empty first cell; no text at all is one such line as well.
    model.RemoveLinesFrom(2);
    EXPECT_EQ(2u, Paste(0, "v\tw\r\n"));
    EXPECT_EQ(1u, Paste(0, ""));
    EXPECT_EQ((Strings{"|w|c0", "v|w|c0", "|b0|c0", "a0|b0|c0", "a1|b1|c1"}), Texts(model));

    // Beyond the stored lines of an unlimited grid, the lines above come into being.
    model.SetInsertMode(CKwGridModel::eInsertUnlimited);
    EXPECT_EQ(1u, Paste(9, "p"));
    Strings texts = Texts(model);
    ASSERT_EQ(10u, texts.size());
    EXPECT_EQ((Strings{"a1|b1|c1", "||", "||", "||", "||", "p||"}), Strings(texts.begin() + 4, texts.end()));
    EXPECT_EQ(0u, Paste(0xFFFFFFFF, "p")) << "no line: nothing";
    EXPECT_EQ(0u, Paste(0xFFFFFFFE, "p")) << "no line could follow it: nothing";
    EXPECT_EQ(1u, model.PasteText(10, "p", -1, listener.Link())) << "a negative length is no text";
    EXPECT_EQ(10u, model.GetLineCount());
}

TEST_F(GridModel, PastedCellsStartAsCopiesOfTheLinesCellsAndTakeOneTokenPerColumn)
{
    Fill(3, 2);
    CKwGridCtrlItem cell = GridItem(CKwGridCtrlItem::eTextDropDown, "m");
    cell.bBold = TRUE;
    cell.clrText = 0xFF;
    cell.pData = &model;
    model.StoreItem(2, 1, cell);

    // Five tokens into three columns: a full line, then two tokens and the line's third cell.
    EXPECT_EQ(2u, Paste(1, "1\t2\t3\t4\t5"));
    EXPECT_EQ((Strings{"a0|b0|c0", "1|2|3", "4|5|m", "a1|b1|m"}), Texts(model));
    for (UINT l = 1; l <= 3; l++)
    {
        CKwGridCtrlItem item;
        model.GetItem(2, l, item, CKwGridListenerLink());
        EXPECT_TRUE(item.nType == cell.nType && item.bBold && item.clrText == cell.clrText && item.pData == &model) << l;
    }

    // Every kind of line break counts once; a lone break still makes a line, tokens keep their
    // spaces, and empty tokens empty their cells. Without columns every line is the line's copy.
    EXPECT_EQ(4u, Paste(0, "x\ny\rz\r\n\t v "));
    const Strings texts = Texts(model);
    EXPECT_EQ((Strings{"x|b0|c0", "y|b0|c0", "z|b0|c0", "| v |c0", "a0|b0|c0"}), Strings(texts.begin(), texts.begin() + 5));
    CKwGridModel empty;
    empty.PasteText(0, "a\tb\nc", 5, CKwGridListenerLink());
    EXPECT_EQ(0u, empty.GetLineCount());
}

TEST_F(GridModel, DeleteLinesRemovesTheSelectedLinesThatExist)
{
    Fill(1, 6);
    Delete({4, 1, 2, 9});
    EXPECT_EQ((Strings{"a0", "a3", "a5"}), Texts(model));
    Delete({});
    EXPECT_EQ(3u, model.GetLineCount());
    Delete({0, 1, 2});
    EXPECT_EQ(0u, model.GetLineCount());
}
