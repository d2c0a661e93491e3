// Control wrappers over the real controls: texts of any length, item data, selection walks,
// geometry and hit testing, and owner drawing through reflection.
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

TEST_F(ControlTest, ComboBoxItemsTextsDataAndSelection)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_SORT | WS_VSCROLL, CRect(5, 5, 200, 200),
        &m_host, 1));
    EXPECT_EQ(0, combo.AddString("beta"));
    EXPECT_EQ(0, combo.AddString("Alpha")); // sorted, ignoring case
    CString strLong('L', 700);
    EXPECT_EQ(2, combo.AddString(strLong));
    EXPECT_EQ(1, combo.InsertString(1, "Inserted")); // inserting does not sort
    EXPECT_EQ(4, combo.GetCount());

    CString str;
    combo.GetLBText(2, str);
    EXPECT_STREQ("beta", str);
    combo.GetLBText(3, str);
    EXPECT_STREQ(strLong, str);
    EXPECT_EQ(700, combo.GetLBTextLen(3));
    combo.GetLBText(9, str); // no such item
    EXPECT_STREQ("", str);
    char sz[8];
    EXPECT_EQ(CB_ERR, combo.GetLBText(9, sz));
    EXPECT_EQ(4, combo.GetLBText(2, sz));
    EXPECT_STREQ("beta", sz);

    EXPECT_EQ(2, combo.FindString(-1, "BE"));
    EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, "be"));
    EXPECT_EQ(2, combo.FindStringExact(-1, "BETA"));
    EXPECT_NE(CB_ERR, combo.SetItemData(2, 0xABCDEF));
    EXPECT_EQ(0xABCDEFu, combo.GetItemData(2));

    EXPECT_EQ(CB_ERR, combo.GetCurSel());
    EXPECT_EQ(2, combo.SelectString(-1, "b"));
    EXPECT_EQ(2, combo.GetCurSel());
    CString strText;
    combo.GetWindowText(strText);
    EXPECT_STREQ("beta", strText);
    EXPECT_TRUE(combo.SetEditSel(1, 3));
    EXPECT_EQ((DWORD)MAKELONG(1, 3), combo.GetEditSel());


    EXPECT_EQ(3, combo.DeleteString(0));
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
}

TEST_F(ControlTest, ListBoxItemsAndMultipleSelection)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_EXTENDEDSEL | LBS_NOTIFY, CRect(5, 5, 200, 200), &m_host, 2));
    for (const char* psz : {"one", "two", "three", "four"})
        list.AddString(psz);
    CString strLong('w', 500);
    list.InsertString(0, strLong);
    CString str;
    list.GetText(0, str);
    EXPECT_STREQ(strLong, str);
    list.GetText(1, str);
    EXPECT_STREQ("one", str);
    list.GetText(-1, str);
    EXPECT_STREQ("", str);
    EXPECT_EQ(LB_ERR, list.GetTextLen(17));

    list.SetSel(1);
    list.SetSel(3);
    EXPECT_EQ(2, list.GetSelCount());
    int selected[4] = {};
    ASSERT_EQ(2, list.GetSelItems(4, selected));
    EXPECT_EQ(1, selected[0]);
    EXPECT_EQ(3, selected[1]);

    CRect rc;
    ASSERT_NE(LB_ERR, list.GetItemRect(2, &rc));
    BOOL bOutside = TRUE;
    EXPECT_EQ(2u, list.ItemFromPoint(rc.CenterPoint(), bOutside));
    EXPECT_FALSE(bOutside);
}

// The list's items carry their sort key as data.
int CALLBACK CompareDescending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    return (int)(lParam2 - lParam1);
}

std::vector<int> SelectedItems(const CListCtrl& list)
{
    std::vector<int> items;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != NULL;)
        items.push_back(list.GetNextSelectedItem(pos));
    return items;
}

TEST_F(ControlTest, ListCtrlColumnsTextsSelectionSortingAndHitTests)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(5, 5, 480, 300), &m_host, 3));
    EXPECT_EQ(0, list.InsertColumn(0, "Name", LVCFMT_LEFT, 120));
    EXPECT_EQ(1, list.InsertColumn(1, "Size", LVCFMT_RIGHT, 60));
    EXPECT_EQ(2, list.InsertColumn(2, "Notes"));
    EXPECT_EQ(120, list.GetColumnWidth(0));
    EXPECT_TRUE(list.SetColumnWidth(2, 150)); // measured in the item bounds below
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    ASSERT_NE(nullptr, pHeader);
    EXPECT_EQ(3, pHeader->GetItemCount());

    for (int i = 0; i < 5; i++)
    {
        CString strName;
        strName.Format("item %d", i);
        ASSERT_EQ(i, list.InsertItem(i, strName));
        list.SetItemText(i, 1, CString('0' + i, i + 1));
        list.SetItemData(i, (DWORD_PTR)(i * 10));
    }
    EXPECT_EQ(5, list.GetItemCount());
    EXPECT_STREQ("item 3", list.GetItemText(3, 0));
    EXPECT_STREQ("222", list.GetItemText(2, 1));
    EXPECT_STREQ("", list.GetItemText(2, 2));
    CString strLong('n', 1000);
    ASSERT_TRUE(list.SetItemText(4, 2, strLong));
    EXPECT_STREQ(strLong, list.GetItemText(4, 2)); // longer than the first buffer tried
    char sz[5];
    EXPECT_EQ(4, list.GetItemText(0, 0, sz, sizeof(sz))); // cut to the buffer
    EXPECT_STREQ("item", sz);
    EXPECT_EQ(30u, list.GetItemData(3));

    EXPECT_TRUE(SelectedItems(list).empty());
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(2u, list.GetSelectedCount());
    EXPECT_EQ((std::vector<int>{1, 3}), SelectedItems(list));
    EXPECT_EQ(3, list.GetNextItem(-1, LVNI_FOCUSED));
    EXPECT_EQ((UINT)LVIS_SELECTED, list.GetItemState(3, LVIS_SELECTED)); // only the bits asked for
    ASSERT_TRUE(list.DeleteItem(1));
    EXPECT_EQ((std::vector<int>{2}), SelectedItems(list));

    ASSERT_TRUE(list.SortItems(CompareDescending, 0));
    std::vector<CString> names;
    for (int i = 0; i < list.GetItemCount(); i++)
        names.push_back(list.GetItemText(i, 0));
    EXPECT_EQ((std::vector<CString>{"item 4", "item 3", "item 2", "item 0"}), names);
    EXPECT_EQ((std::vector<int>{1}), SelectedItems(list)); // the selection moved with its item

    CRect rc;
    ASSERT_TRUE(list.GetItemRect(2, &rc, LVIR_BOUNDS));
    EXPECT_EQ(120 + 60 + 150, rc.Width()); // all columns
    // Without full-row selection only the first column's label is the item.
    ASSERT_TRUE(list.GetItemRect(2, &rc, LVIR_LABEL));
    EXPECT_LE(rc.right, 120);
    UINT nFlags = 0;
    EXPECT_EQ(2, list.HitTest(rc.CenterPoint(), &nFlags));
    EXPECT_TRUE(nFlags & LVHT_ONITEM);
    EXPECT_EQ(-1, list.HitTest(CPoint(5, 280)));
    EXPECT_TRUE(list.EnsureVisible(3, FALSE));

    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ((DWORD)LVS_EX_FULLROWSELECT, list.SetExtendedStyle(LVS_EX_GRIDLINES));
    EXPECT_EQ((DWORD)LVS_EX_GRIDLINES, list.GetExtendedStyle());

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 1, 1));
    EXPECT_EQ(NULL, list.SetImageList(&images, LVSIL_SMALL)->GetSafeHandle());
    EXPECT_EQ(images.m_hImageList, list.GetImageList(LVSIL_SMALL)->GetSafeHandle());
    list.SetImageList(NULL, LVSIL_SMALL);

    ASSERT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());
    EXPECT_EQ(nullptr, list.GetFirstSelectedItemPosition());
}

TEST_F(ControlTest, HeaderItemsLayoutAndHitTest)
{
    CHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 400, 20), &m_host, 4));
    for (int i = 0; i < 3; i++)
    {
        HDITEM item = {};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.cxy = 50 + 10 * i;
        char szText[16];
        wsprintfA(szText, "Col %d", i);
        item.pszText = szText;
        ASSERT_EQ(i, header.InsertItem(i, &item));
    }
    HDITEM item = {};
    char szText[16];
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    ASSERT_TRUE(header.GetItem(1, &item));
    EXPECT_STREQ("Col 1", szText);
    EXPECT_EQ(60, item.cxy);
    item.mask = HDI_WIDTH;
    item.cxy = 100;
    ASSERT_TRUE(header.SetItem(1, &item));

    CRect rc;
    ASSERT_TRUE(header.GetItemRect(1, &rc));
    EXPECT_EQ(50, rc.left);
    EXPECT_EQ(150, rc.right);
    HDHITTESTINFO hit = {};
    hit.pt = CPoint(120, rc.CenterPoint().y);
    EXPECT_EQ(1, header.HitTest(&hit));
    EXPECT_TRUE(hit.flags & HHT_ONHEADER);

    // Layout places the header at the top of the rectangle and takes its height away.
    CRect rcParent(0, 0, 300, 200);
    WINDOWPOS pos = {};
    HDLAYOUT layout = {&rcParent, &pos};
    ASSERT_TRUE(header.Layout(&layout));
    EXPECT_GT(pos.cy, 0);
    EXPECT_EQ(pos.cy, rcParent.top);
    EXPECT_EQ(300, pos.cx);

    int order[3] = {};
    ASSERT_TRUE(header.GetOrderArray(order));
    EXPECT_EQ(2, order[2]);
    ASSERT_TRUE(header.DeleteItem(0));
    EXPECT_EQ(2, header.GetItemCount());
}

TEST_F(ControlTest, TabCtrlSelectionDisplayAreaAndHitTest)
{
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 410, 310), &m_host, 5));
    EXPECT_EQ(0, tabs.InsertItem(0, "First"));
    EXPECT_EQ(1, tabs.InsertItem(1, "Second"));
    EXPECT_EQ(1, tabs.InsertItem(1, "Between"));
    EXPECT_EQ(0, tabs.GetCurSel());
    EXPECT_EQ(0, tabs.SetCurSel(2)); // the previous tab
    EXPECT_EQ(2, tabs.GetCurSel());

    TCITEM item = {};
    char szText[16];
    item.mask = TCIF_TEXT;
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_STREQ("Between", szText);

    // The display area lies inside the control, below the tabs, and converts back.
    CRect rcWindow(0, 0, 400, 300);
    CRect rcDisplay = rcWindow;
    tabs.AdjustRect(FALSE, &rcDisplay);
    EXPECT_GT(rcDisplay.top, rcWindow.top + 10);
    EXPECT_LT(rcDisplay.right, rcWindow.right);
    tabs.AdjustRect(TRUE, &rcDisplay);
    EXPECT_EQ(rcWindow, rcDisplay);

    CRect rcTab;
    ASSERT_TRUE(tabs.GetItemRect(1, &rcTab));
    TCHITTESTINFO hit = {rcTab.CenterPoint(), 0};
    EXPECT_EQ(1, tabs.HitTest(&hit));
    hit.pt = CPoint(200, 200);
    EXPECT_EQ(-1, tabs.HitTest(&hit));
    ASSERT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(2, tabs.GetItemCount());
}

TEST_F(ControlTest, EditLinesSelectionAndEditingCommands)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, CRect(5, 5, 300, 200), &m_host, 6));
    edit.SetWindowText("a\r\nbc\r\ndef");
    EXPECT_EQ(3, edit.GetLineCount());
    EXPECT_EQ(7, edit.LineIndex(2));
    EXPECT_EQ(2, edit.LineFromChar(8));
    EXPECT_EQ(2, edit.LineLength(3));
    char sz[8] = {};
    EXPECT_EQ(3, edit.GetLine(2, sz, sizeof(sz)));
    EXPECT_EQ(0, memcmp(sz, "def", 3));
    char szOne[1] = {'?'};
    EXPECT_EQ(1, edit.GetLine(2, szOne, 1)); // a buffer too small for the size word
    EXPECT_EQ('d', szOne[0]);

    edit.SetSel(3, 5);
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(3, nStart);
    EXPECT_EQ(5, nEnd);
    EXPECT_EQ((DWORD)MAKELONG(3, 5), edit.GetSel());
    edit.SetModify(FALSE);
    edit.ReplaceSel("XY", TRUE);
    CString str;
    edit.GetWindowText(str);
    EXPECT_STREQ("a\r\nXY\r\ndef", str);
    EXPECT_TRUE(edit.GetModify());
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.Undo());
    edit.GetWindowText(str);
    EXPECT_STREQ("a\r\nbc\r\ndef", str);

    edit.LimitText(20);
    EXPECT_EQ(20u, edit.GetLimitText());
    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
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

TEST_F(ControlTest, ButtonsCheckStylesAndOwnerDrawing)
{
    CButton check;
    ASSERT_TRUE(check.Create("Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(5, 5, 100, 25), &m_host, 7));
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
    EXPECT_TRUE(check.GetState() & BST_CHECKED);
    EXPECT_EQ((UINT)BS_AUTOCHECKBOX, check.GetButtonStyle() & 0x0F);
    check.SetButtonStyle(BS_PUSHBUTTON);
    EXPECT_EQ((UINT)BS_PUSHBUTTON, check.GetButtonStyle() & 0x0F);

    CDrawnButton drawn;
    ASSERT_TRUE(drawn.Create("Drawn", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(5, 30, 100, 50), &m_host, 8));
    drawn.Invalidate();
    drawn.UpdateWindow();
    EXPECT_GE(drawn.m_nDraws, 1);
    EXPECT_EQ(8u, drawn.m_nCtlID);
}

TEST_F(ControlTest, ScrollBarRangePageAndLimit)
{
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(5, 5, 25, 200), &m_host, 9));
    bar.SetScrollRange(0, 99);
    SCROLLINFO info = {};
    info.fMask = SIF_PAGE | SIF_POS;
    info.nPage = 10;
    info.nPos = 95; // beyond what the page allows
    bar.SetScrollInfo(&info);
    EXPECT_EQ(90, bar.GetScrollLimit());
    EXPECT_EQ(90, bar.GetScrollPos());
    int nMin = -1, nMax = -1;
    bar.GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(0, nMin);
    EXPECT_EQ(99, nMax);
    EXPECT_EQ(90, bar.SetScrollPos(7)); // the previous position
    EXPECT_EQ(7, bar.GetScrollPos());
}

TEST_F(ControlTest, StaticPicturesReturnThePreviousOne)
{
    CStatic icon;
    ASSERT_TRUE(icon.Create(NULL, WS_CHILD | WS_VISIBLE | SS_ICON, CRect(5, 5, 40, 40), &m_host));
    HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    HICON hOther = ::LoadIcon(NULL, IDI_WARNING);
    EXPECT_EQ(NULL, icon.SetIcon(hIcon));
    EXPECT_EQ(hIcon, icon.GetIcon());
    EXPECT_EQ(hIcon, icon.SetIcon(hOther));
    EXPECT_EQ(hOther, icon.GetIcon());
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
