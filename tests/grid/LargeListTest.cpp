// LargeListTest.cpp: the large list view in a frame and the large list window in a parent
// window: cells on demand, sorted insertion, header clicks, the widths in an archive, opening a
// line, the view context, copy, clear all and where the context menus show.
#include "ClipboardHolder.h"
#include "MenuDriver.h"

#include "core/KwClipboard.h"
#include "core/KwWindow.h"
#include "grid/LargeListView.h"
#include "grid/LargeListWnd.h"
#include "support/ArchiveBytes.h"
#include "support/MessageRecorder.h"
#include "support/ModalDialogDriver.h"

#include <afxres.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Strings;

// Keys of two digits: column "Tens" orders by the first, "Units" by the second, "Note" not at
// all.
CString KeyText(long nKey)
{
    CString s;
    s.Format("%ld", nKey);
    return s;
}
CString NoteText(long nKey) { return "n" + KeyText(nKey); }
int CompareTens(long a, long b) { return (int)(a / 10 - b / 10); }
int CompareUnits(long a, long b) { return (int)(a % 10 - b % 10); }
int CompareKeys(long a, long b) { return a < b ? -1 : a > b; }

// A frame that takes part in its views' context menus.
class ListFrame : public CFrameWnd, public CKwWindow
{
public:
    void CKwWindow_OnExtendContextMenu(CMenu& menu) override { menu.AppendMenu(MF_STRING, 0x8001, "From the frame"); }
};

class TestListView : public CLargeListView
{
public:
    using CLargeListView::AddPool;
    using CLargeListView::NormalizeLayout;
    std::vector<int> m_opened;

protected:
    void OnOpenItem(int nIndex) override { m_opened.push_back(nIndex); }
};

class TestListWnd : public CLargeListWnd
{
public:
    Strings m_calls;

protected:
    void OnOpenItem(int nIndex) override { m_calls.push_back("open " + std::to_string(nIndex)); }
    void OnDeleteItem(int nIndex) override
    {
        m_calls.push_back("delete " + std::to_string(nIndex) + " of " + std::to_string(GetItemCount()));
    }
};

// The cells of every line, "a|b|c", read through the control as it paints them: all of them, or
// those of the first nColumns columns.
Strings Lines(CListCtrl& list, int nColumns = -1)
{
    if (nColumns < 0)
        nColumns = list.GetHeaderCtrl()->GetItemCount();
    Strings lines;
    for (int i = 0; i < list.GetItemCount(); i++)
    {
        std::string line;
        for (int c = 0; c < nColumns; c++)
            line += (c ? "|" : "") + std::string((LPCSTR)list.GetItemText(i, c));
        lines.push_back(line);
    }
    return lines;
}

void Select(CListCtrl& list, int nItem)
{
    list.SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// The header's column in the list's client coordinates (the header sits at the top).
CRect HeaderItemRect(CListCtrl& list, int nColumn)
{
    CRect rect;
    list.GetHeaderCtrl()->SendMessage(HDM_GETITEMRECT, (WPARAM)nColumn, (LPARAM)&rect);
    return rect;
}

// The keyboard's context-menu request, answered by a driver that notes where the menu showed.
CPoint KeyboardMenuPoint(CWnd& wnd, std::string* pItems = NULL)
{
    MenuDriver driver;
    wnd.SendMessage(WM_CONTEXTMENU, (WPARAM)wnd.m_hWnd, MAKELPARAM(-1, -1));
    PumpMessages(100);
    EXPECT_TRUE(driver.m_bSeen);
    EXPECT_FALSE(driver.m_bTimedOut);
    if (pItems != NULL)
        *pItems = driver.m_items;
    return driver.m_rect.TopLeft();
}

CPoint ToScreen(CWnd& wnd, CPoint point)
{
    wnd.ClientToScreen(&point);
    return point;
}

} // namespace

// A view made in a frame as the frame's pane, its columns added before its initial update.
class LargeListViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new ListFrame;
        ASSERT_TRUE(m_pFrame->Create(NULL, "Large list", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 500, 400)));
        m_pView = new TestListView;
    }
    void TearDown() override
    {
        if (m_pFrame->GetSafeHwnd() != NULL)
            m_pFrame->DestroyWindow();
        PumpMessages();
    }
    void CreateView()
    {
        ASSERT_TRUE(m_pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 10, 10), m_pFrame, AFX_IDW_PANE_FIRST));
        m_pFrame->SetActiveView(m_pView);
        m_pFrame->RecalcLayout();
        m_pView->OnInitialUpdate();
    }
    void AddThreeColumns()
    {
        m_pView->AddColumn("Tens", KeyText, NULL, CompareTens);
        m_pView->AddColumn("Units", NULL, NULL, CompareUnits);
        m_pView->AddColumn("Note", NoteText, NULL, NULL);
    }
    // A left click on a column's header, as the mouse gives it.
    void ClickHeader(int nColumn)
    {
        CHeaderCtrl* pHeader = List().GetHeaderCtrl();
        CPoint centre = HeaderItemRect(List(), nColumn).CenterPoint();
        pHeader->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        pHeader->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    }
    std::vector<int> Widths()
    {
        std::vector<int> widths;
        for (int c = 0; c < List().GetHeaderCtrl()->GetItemCount(); c++)
            widths.push_back(List().GetColumnWidth(c));
        return widths;
    }
    CListCtrl& List() { return m_pView->GetListCtrl(); }

    ListFrame* m_pFrame = NULL;
    TestListView* m_pView = NULL;
};

TEST_F(LargeListViewTest, InsertsAtTheSortedPlaceBeforeEqualKeysAndAsksForEveryCell)
{
    m_pView->AddColumn("Key", KeyText, NULL, CompareKeys);
    m_pView->AddColumn("Tens", NULL, NULL, CompareTens);
    CreateView();
    for (long nKey : {5, 1, 3})
        m_pView->InsertItem(nKey);
    EXPECT_EQ((Strings{"1|", "3|", "5|"}), Lines(List()));
    // A header click turns the order round; a new line goes to its place in it.
    ClickHeader(0);
    EXPECT_EQ((Strings{"5", "3", "1"}), Lines(List(), 1));
    EXPECT_EQ(2, m_pView->InsertItem(2));
    EXPECT_EQ(1, m_pView->InsertItem(4));
    EXPECT_EQ((Strings{"5", "4", "3", "2", "1"}), Lines(List(), 1));

    // Keys the sort order holds equal: each new line goes before the ones there.
    TestListView* pTens = new TestListView;
    pTens->AddColumn("Key", KeyText, NULL, CompareTens);
    m_pView->DestroyWindow();
    m_pView = pTens;
    CreateView();
    for (long nKey : {11, 12, 3, 13, 25})
        m_pView->InsertItem(nKey);
    EXPECT_EQ((Strings{"3", "13", "12", "11", "25"}), Lines(List(), 1));
}

TEST_F(LargeListViewTest, HeaderClicksSortByTheClickedColumnFirstEachTimeTheOtherWayRoundKeepingTheSelection)
{
    AddThreeColumns();
    CreateView();
    for (long nKey : {21, 12, 22, 11, 13, 31})
        m_pView->InsertItem(nKey);
    EXPECT_EQ((Strings{"11||n11", "12||n12", "13||n13", "21||n21", "22||n22", "31||n31"}), Lines(List()));
    Select(List(), 4); // 22

    // The header's arrows, column by column: ^ ascending, v descending.
    auto arrows = [&] {
        std::string s;
        for (int c = 0; c < 3; c++)
        {
            HDITEM item = {};
            item.mask = HDI_FORMAT;
            List().GetHeaderCtrl()->GetItem(c, &item);
            s += item.fmt & HDF_SORTUP ? '^' : item.fmt & HDF_SORTDOWN ? 'v' : '-';
        }
        return s;
    };
    EXPECT_EQ("^--", arrows());
    struct
    {
        int nColumn;
        Strings expected;
        const char* pszArrows;
    } const clicks[] = {
        {1, {"13", "12", "22", "11", "21", "31"}, "-v-"}, // units descending, then tens ascending
        {1, {"11", "21", "31", "12", "22", "13"}, "-^-"}, // units ascending
        {0, {"31", "21", "22", "11", "12", "13"}, "v--"}, // tens descending, then units ascending
        {0, {"11", "12", "13", "21", "22", "31"}, "^--"},
        {2, {"11", "12", "13", "21", "22", "31"}, "^--"}, // the note does not sort: tens, then units
        {1, {"13", "12", "22", "11", "21", "31"}, "-v-"},
    };
    for (const auto& click : clicks)
    {
        ClickHeader(click.nColumn);
        Strings firsts = Lines(List(), 1);
        EXPECT_EQ(click.expected, firsts) << "column " << click.nColumn;
        EXPECT_EQ(click.pszArrows, arrows()) << "column " << click.nColumn;
        int nSelected = m_pView->GetSelectedItem();
        ASSERT_GE(nSelected, 0);
        EXPECT_EQ("22", firsts[(size_t)nSelected]);
        EXPECT_EQ(nSelected, List().GetNextItem(-1, LVNI_FOCUSED));
    }
    // Another button does not sort.
    NMHEADERA header = {};
    header.hdr.hwndFrom = List().GetHeaderCtrl()->m_hWnd;
    header.hdr.code = HDN_ITEMCLICKA;
    header.iItem = 0;
    header.iButton = 1;
    m_pView->SendMessage(WM_NOTIFY, 0, (LPARAM)&header);
    EXPECT_EQ(clicks[5].expected, Lines(List(), 1));
}

TEST_F(LargeListViewTest, FitsEveryColumnAndTakesTheWidthsFromAnArchiveInsteadOnce)
{
    AddThreeColumns();
    CreateView();
    for (int nWidth : Widths())
        EXPECT_GT(nWidth, 0);
    const Bytes record = Bytes{0, 0, 0, 0, 3, 0, 0, 0} + Bytes{100, 0, 0, 0, 50, 0, 0, 0, 80, 0, 0, 0};
    LoadBytes(record, [&](CArchive& ar) { m_pView->Serialize(ar); });
    EXPECT_EQ((std::vector<int>{100, 50, 80}), Widths());
    EXPECT_EQ(record, StoreBytes([&](CArchive& ar) { m_pView->Serialize(ar); }));
    // Read from the document, the widths are not fitted again.
    m_pView->NormalizeLayout();
    EXPECT_EQ((std::vector<int>{100, 50, 80}), Widths());
}

TEST_F(LargeListViewTest, ATextHandedToTheControlOutlivesTheNextTwo)
{
    AddThreeColumns();
    CreateView();
    std::vector<CString> texts = {"first", "second", "third"};
    char* pFirst = m_pView->AddPool(&texts[0]);
    char* pSecond = m_pView->AddPool(&texts[1]);
    m_pView->AddPool(&texts[2]);
    EXPECT_STREQ("first", pFirst);
    EXPECT_STREQ("second", pSecond);
}

TEST_F(LargeListViewTest, EnterAndDoubleClickOpenTheSelectedLine)
{
    AddThreeColumns();
    CreateView();
    for (long nKey = 10; nKey < 90; nKey++)
        m_pView->InsertItem(nKey);
    m_pView->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    List().SetItemState(70, LVIS_SELECTED, LVIS_SELECTED); // the focus would scroll to it
    m_pView->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(std::vector<int>{70}, m_pView->m_opened);
    EXPECT_GT(List().GetTopIndex(), 0); // Enter scrolled the line into view

    List().EnsureVisible(0, FALSE);
    Select(List(), 1);
    CRect rect;
    List().GetItemRect(1, &rect, LVIR_BOUNDS);
    m_pView->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rect.left + 5, rect.CenterPoint().y));
    EXPECT_EQ((std::vector<int>{70, 1}), m_pView->m_opened);
}

TEST_F(LargeListViewTest, KeyboardContextMenuShowsAtTheSelectedLineScrolledIntoViewOrAtTheCorner)
{
    AddThreeColumns();
    CreateView();
    for (long nKey = 10; nKey < 90; nKey++)
        m_pView->InsertItem(nKey);
    std::string items;
    EXPECT_EQ(ToScreen(*m_pView, CPoint(10, 30)), KeyboardMenuPoint(*m_pView, &items));
    EXPECT_EQ("From the frame=32769\n", items);

    List().SetItemState(75, LVIS_SELECTED, LVIS_SELECTED);
    CPoint point = KeyboardMenuPoint(*m_pView);
    int nTop = List().GetTopIndex();
    EXPECT_GT(nTop, 0);
    CRect line;
    List().GetItemRect(75, &line, LVIR_BOUNDS);
    EXPECT_EQ(ToScreen(*m_pView, CPoint(HeaderItemRect(List(), 0).right, line.top)), point);
}

TEST_F(LargeListViewTest, TakesTheContextItIsCreatedWithAndAnswersForItIgnoringTheSeventhValue)
{
    AddThreeColumns();
    CViewContext ctx;
    ctx.m_strText1 = "Beam B1";
    ctx.m_nValue1 = 4;
    ctx.m_nValue7 = 9;
    {
        CViewContextPush push(ctx);
        CreateView();
    }
    EXPECT_EQ(CString("Beam B1"), m_pView->GetViewContextObjectName());
    CViewContext answer;
    EXPECT_EQ(1, m_pView->SendMessage(WM_KW_GETVIEWCONTEXT, 0, (LPARAM)&answer));
    EXPECT_TRUE(answer == ctx);

    CViewContext other(ctx);
    other.m_nValue7 = 1;
    EXPECT_TRUE(m_pView->SendMessage(WM_KW_COMPAREVIEWCONTEXT, 0, (LPARAM)&other));
    other.m_nValue6 = 1;
    EXPECT_FALSE(m_pView->SendMessage(WM_KW_COMPAREVIEWCONTEXT, 0, (LPARAM)&other));
}

// A list window of two columns in a parent window.
class LargeListWndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, NULL, "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, NULL, NULL, NULL));
        m_list.AddColumn("A");
        m_list.AddColumn("B");
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_parent, 1));
        for (const char* psz : {"0", "1", "2"})
        {
            CStringArray texts;
            texts.Add(CString("a") + psz);
            texts.Add(CString("b") + psz);
            m_list.InsertLine(texts);
        }
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CWnd m_parent;
    TestListWnd m_list;
};

TEST_F(LargeListWndTest, CopiesTheSelectedLinesAsTabbedTextWithALineBreakAfterEach)
{
    EXPECT_EQ((Strings{"a0|b0", "a1|b1", "a2|b2"}), Lines(m_list));
    Select(m_list, 2);
    Select(m_list, 0);
    m_list.SendMessage(WM_COMMAND, ID_EDIT_COPY);
    EXPECT_STREQ("a0\tb0\r\na2\tb2\r\n", CKwClipboard::GetText());

    // The window's own menu, from the keyboard at the first selected line; its first command
    // copies.
    CKwClipboard::PutText("before");
    std::string items;
    CRect line;
    m_list.GetItemRect(0, &line, LVIR_BOUNDS);
    EXPECT_EQ(ToScreen(m_list, CPoint(HeaderItemRect(m_list, 0).right, line.top)), KeyboardMenuPoint(m_list, &items));
    EXPECT_EQ("&Copy=57634\nCl&ear All=57633\n", items);
    PumpMessages(100);
    EXPECT_STREQ("a0\tb0\r\na2\tb2\r\n", CKwClipboard::GetText());
}

TEST_F(LargeListWndTest, ACopyToAClipboardAnotherProgramHoldsTellsTheUser)
{
    Select(m_list, 1);
    CKwClipboard::PutText("before");
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Holds());
    ModalDialogDriver driver([](HWND hBox) { ::PostMessageA(hBox, WM_COMMAND, IDOK, 0); }, "Error");
    m_list.SendMessage(WM_COMMAND, ID_EDIT_COPY);
    EXPECT_TRUE(driver.Answered());
    holder.LetGo();
    EXPECT_STREQ("before", CKwClipboard::GetText());
}

TEST_F(LargeListWndTest, ClearAllTellsOfEveryLineInOrderBeforeRemovingThem)
{
    m_list.SendMessage(WM_COMMAND, ID_EDIT_CLEAR_ALL);
    EXPECT_EQ((Strings{"delete 0 of 3", "delete 1 of 3", "delete 2 of 3"}), m_list.m_calls);
    EXPECT_EQ(0, m_list.GetItemCount());
}

TEST_F(LargeListWndTest, EnterAndDoubleClickOpenTheSelectedLineAndTheLastColumnFillsTheWidth)
{
    m_list.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    Select(m_list, 2);
    m_list.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    Select(m_list, 1);
    m_list.SetItemState(2, 0, LVIS_SELECTED);
    CRect rect;
    m_list.GetItemRect(1, &rect, LVIR_BOUNDS);
    m_list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rect.left + 5, rect.CenterPoint().y));
    EXPECT_EQ((Strings{"open 2", "open 1"}), m_list.m_calls);

    m_list.MoveWindow(0, 0, 360, 200);
    CRect client;
    m_list.GetClientRect(&client);
    EXPECT_EQ(client.right, HeaderItemRect(m_list, 1).right);
}
