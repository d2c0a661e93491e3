// Control wrappers over the real controls: texts of any length, the list's selection walk, and
// owner drawing through reflection.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

// A visible top-level window that hosts the controls of one test.
class ControlTest : public ::testing::Test
{
protected:
    CWnd m_host;
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
        ::InitCommonControlsEx(&icc);
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0), "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
            400, NULL, NULL));
    }
    void TearDown() override { m_host.DestroyWindow(); }
};

// Texts come back whole however long they are, as "" for an item that is not there, and cut
// to a caller's buffer.
TEST_F(ControlTest, TextsOfAnyLengthComeBackWhole)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(5, 5, 200, 200), &m_host, 1));
    CString strLong('L', 700);
    combo.AddString("beta");
    combo.AddString(strLong);
    CString str;
    combo.GetLBText(1, str);
    EXPECT_STREQ(strLong, str);
    combo.GetLBText(9, str);
    EXPECT_STREQ("", str);
    char sz[8];
    EXPECT_EQ(CB_ERR, combo.GetLBText(9, sz));

    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_EXTENDEDSEL, CRect(5, 5, 200, 200), &m_host, 2));
    list.AddString(strLong);
    list.GetText(0, str);
    EXPECT_STREQ(strLong, str);
    list.GetText(-1, str);
    EXPECT_STREQ("", str);

    CListCtrl items;
    ASSERT_TRUE(items.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(5, 5, 480, 300), &m_host, 3));
    items.InsertColumn(0, "Name", LVCFMT_LEFT, 120);
    items.InsertColumn(1, "Notes");
    items.InsertItem(0, "item 0");
    CString strLonger('n', 1000);
    ASSERT_TRUE(items.SetItemText(0, 1, strLonger));
    EXPECT_STREQ(strLonger, items.GetItemText(0, 1)); // longer than the first buffer tried
    char szShort[5];
    EXPECT_EQ(4, items.GetItemText(0, 0, szShort, sizeof(szShort)));
    EXPECT_STREQ("item", szShort);

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(5, 5, 300, 200), &m_host, 6));
    edit.SetWindowText("a\r\nbc\r\ndef");
    char szOne[1] = {'?'};
    EXPECT_EQ(1, edit.GetLine(2, szOne, 1)); // a buffer too small for the size word
    EXPECT_EQ('d', szOne[0]);
}

std::vector<int> SelectedItems(const CListCtrl& list)
{
    std::vector<int> items;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != NULL;)
        items.push_back(list.GetNextSelectedItem(pos));
    return items;
}

TEST_F(ControlTest, ListCtrlWalksItsSelectionThroughDeletion)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(5, 5, 480, 300), &m_host, 3));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 120);
    for (int i = 0; i < 5; i++)
        list.InsertItem(i, CString((char)('a' + i), 1));
    EXPECT_TRUE(SelectedItems(list).empty());
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ((std::vector<int>{1, 3}), SelectedItems(list));
    ASSERT_TRUE(list.DeleteItem(1));
    EXPECT_EQ((std::vector<int>{2}), SelectedItems(list));
    ASSERT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(nullptr, list.GetFirstSelectedItemPosition());
}

// A button drawn by its own DrawItem: the parent's WM_DRAWITEM comes back to it.
class CDrawnButton : public CButton
{
public:
    int m_nDraws = 0;
    UINT m_nCtlID = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        m_nDraws++;
        m_nCtlID = lpDIS->CtlID;
    }
};

TEST_F(ControlTest, OwnerDrawnButtonsDrawThemselvesThroughReflection)
{
    CDrawnButton drawn;
    ASSERT_TRUE(drawn.Create("Drawn", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(5, 30, 100, 50), &m_host, 8));
    drawn.Invalidate();
    drawn.UpdateWindow();
    EXPECT_GE(drawn.m_nDraws, 1);
    EXPECT_EQ(8u, drawn.m_nCtlID);
}

TEST(WaitCursor, NestedWaitsKeepTheHourglassUntilTheOutermostEnds)
{
    HCURSOR hWait = ::LoadCursor(NULL, IDC_WAIT);
    HCURSOR hArrow = ::LoadCursor(NULL, IDC_ARROW);
    ::SetCursor(hArrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(hWait, ::GetCursor());
        {
            CWaitCursor inner;
        }
        EXPECT_EQ(hWait, ::GetCursor());
        ::SetCursor(hArrow); // as a message box would
        outer.Restore();
        EXPECT_EQ(hWait, ::GetCursor());
    }
    EXPECT_NE(hWait, ::GetCursor());
}

} // namespace
