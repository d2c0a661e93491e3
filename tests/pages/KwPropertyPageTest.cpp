// Real pages from templates under Wine: the child-style rewrite, anchored controls against the
// dialog manager's own conversion of the template, a combo box moved with its text and selection,
// the enabling and showing rules, tips on demand, the destruction request, opening a property,
// the Edit commands, and Enter, Up and Down in edits, combo boxes and a grid.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "grid/KwGridCtrl.h"
#include "grid/KwGridCtrlListener.h"
#include "pages/KwPagesMessages.h"
#include "pages/KwPropertyPage.h"
#include "support/MessageRecorder.h"
#include "support/OleTest.h"
#include "tips/UxToolTipInfo.h"
#include "PagesTest.rh"

namespace {

const int LRT = CKwPropertyPage::ANCHOR_LEFT | CKwPropertyPage::ANCHOR_RIGHT | CKwPropertyPage::ANCHOR_TOP;
const int ALL = LRT | CKwPropertyPage::ANCHOR_BOTTOM;

struct Anchor
{
    UINT nID;
    CRect rcTemplate; // dialog units, as the template has them
    int nFlags;
};

CRect Du(int x, int y, int cx, int cy) { return CRect(x, y, x + cx, y + cy); }

const Anchor kAnchors[] = {
    {IDC_PG_NAME, Du(PG_NAME), LRT},
    {IDC_PG_BUTTON, Du(PG_BUTTON), CKwPropertyPage::ANCHOR_RIGHT | CKwPropertyPage::ANCHOR_TOP},
    {IDC_PG_COMBO, Du(7, 25, 120, 12), CKwPropertyPage::ANCHOR_LEFT | CKwPropertyPage::ANCHOR_RIGHT |
                                           CKwPropertyPage::ANCHOR_BOTTOM}, // closed height
    {IDC_PG_NOTES, Du(PG_NOTES), ALL},
    {IDC_PG_LABEL, Du(PG_LABEL), CKwPropertyPage::ANCHOR_LEFT | CKwPropertyPage::ANCHOR_BOTTOM},
    {IDC_PG_FIXED, Du(PG_FIXED), 0},
};

class CAnchorPage : public CKwPropertyPage
{
public:
    CAnchorPage() : CKwPropertyPage(NULL, IDD_PGTEST_ANCHORS, IDS_PGTEST_CAPTION)
    {
        RegisterForResizing(IDC_PG_BUTTON, ANCHOR_LEFT); // replaced by the registration below
        for (const Anchor& anchor : kAnchors)
            RegisterForResizing(anchor.nID, anchor.nFlags);
        RegisterForResizing(9999, ALL); // no such control
    }
    int IsControlEnabled(UINT nID) override { return nID != IDC_PG_FIXED && nID != IDC_PG_BUTTON; }
    int IsControlVisible(UINT nID) override { return nID != IDC_PG_LABEL; }
    CString GetToolTipText(UINT nID) override
    {
        CString str;
        str.Format("tip %u", nID);
        return str;
    }
    HWND TipWnd() const { return m_ToolTip.m_hWnd; }
};

CRect ChildRect(CWnd& page, UINT nID)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(page.m_hWnd, nID), &rc);
    page.ScreenToClient(&rc);
    return rc;
}

class PropertyPageTest : public OleTest
{
protected:
    void SetUp() override
    {
        OleTest::SetUp();
        m_host.CreateEx(0, AfxRegisterWndClass(0), "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900, 700, NULL, NULL);
        m_host.SetForegroundWindow();
    }
    void TearDown() override
    {
        m_host.DestroyWindow();
        OleTest::TearDown();
    }
    CWnd m_host;
};

// Every anchored control lands where its template distances from the page's edges say, by the
// dialog manager's own conversion of the template; for a larger and for a smaller page.
TEST_F(PropertyPageTest, ResizedPagePlacesEveryControlByItsTemplateDistances)
{
    CAnchorPage page;
    ASSERT_TRUE(page.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_host, 5));
    ASSERT_EQ(7u, (UINT)page.GetResizeRecords().GetSize());
    EXPECT_EQ((UINT)IDC_PG_BUTTON, page.GetResizeRecords()[1].nID);
    EXPECT_EQ(kAnchors[1].nFlags, page.GetResizeRecords()[1].nFlags);

    CRect rcPage(0, 0, PG_W, PG_H);
    ::MapDialogRect(page.m_hWnd, &rcPage);
    CRect rcBefore[6];
    page.MoveWindow(0, 0, rcPage.Width(), rcPage.Height());
    for (int i = 0; i < 6; i++)
        rcBefore[i] = ChildRect(page, kAnchors[i].nID);
    const CSize sizes[] = {CSize(rcPage.Width() + 173, rcPage.Height() + 91), CSize(rcPage.Width() - 31, rcPage.Height() - 17)};
    for (CSize size : sizes)
    {
        page.MoveWindow(0, 0, size.cx, size.cy);
        for (int i = 0; i < 6; i++)
        {
            CRect rcDu = kAnchors[i].rcTemplate;
            ::MapDialogRect(page.m_hWnd, &rcDu);
            int nFlags = kAnchors[i].nFlags;
            CRect want = rcBefore[i];
            int w = want.Width(), h = want.Height();
            if (nFlags & CKwPropertyPage::ANCHOR_RIGHT)
                want.right = size.cx - (rcPage.right - rcDu.right), want.left = want.right - w;
            if (nFlags & CKwPropertyPage::ANCHOR_LEFT)
                want.left = rcDu.left;
            if (nFlags & CKwPropertyPage::ANCHOR_BOTTOM)
                want.bottom = size.cy - (rcPage.bottom - rcDu.bottom), want.top = want.bottom - h;
            if (nFlags & CKwPropertyPage::ANCHOR_TOP)
                want.top = rcDu.top;
            if ((nFlags & CKwPropertyPage::ANCHOR_TOP) && !(nFlags & CKwPropertyPage::ANCHOR_BOTTOM))
                want.bottom = want.top + h;
            EXPECT_EQ(want, ChildRect(page, kAnchors[i].nID)) << "control " << kAnchors[i].nID << " at " << size.cx;
        }
    }
}

// Moved to a screen of twice the DPI, the page keeps its controls twice as far from its edges.
TEST_F(PropertyPageTest, AnchorsAreMeasuredAgainAtANewDpi)
{
    CAnchorPage page;
    ASSERT_TRUE(page.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_host, 5));
    page.MoveWindow(0, 0, 600, 400);
    const CSize gap96(600 - ChildRect(page, IDC_PG_BUTTON).right, 400 - ChildRect(page, IDC_PG_NOTES).bottom);
    page.SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192));
    page.MoveWindow(0, 0, 800, 600);
    const CSize gap192(800 - ChildRect(page, IDC_PG_BUTTON).right, 600 - ChildRect(page, IDC_PG_NOTES).bottom);
    EXPECT_NEAR(2 * gap96.cx, gap192.cx, 1 + gap192.cx / 6);
    EXPECT_NEAR(2 * gap96.cy, gap192.cy, 1 + gap192.cy / 6);
}

// The template becomes a child's: no popup, frame or caption unless asked for; the caption
// string names the page; the rules apply from the start (a locked edit is read-only, not
// disabled; a hidden label stays hidden), and later calls follow them.
TEST_F(PropertyPageTest, CreationRewritesTheTemplateAndAppliesTheRules)
{
    CAnchorPage page;
    ASSERT_TRUE(page.Create(WS_CHILD, CRect(3, 4, 403, 304), &m_host, 77));
    DWORD dwStyle = page.GetStyle();
    EXPECT_EQ((DWORD)WS_CHILD, dwStyle & (WS_CHILD | WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME));
    EXPECT_EQ(0u, page.GetExStyle() & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(77, page.GetDlgCtrlID());
    CString strCaption;
    page.GetWindowText(strCaption);
    EXPECT_STREQ("Anchored page", strCaption);

    CWnd* pFixed = page.GetDlgItem(IDC_PG_FIXED);
    EXPECT_TRUE(pFixed->IsWindowEnabled());
    EXPECT_TRUE(pFixed->GetStyle() & ES_READONLY);
    EXPECT_FALSE(page.IsDlgItemEnabled(IDC_PG_FIXED));
    EXPECT_FALSE(page.GetDlgItem(IDC_PG_BUTTON)->IsWindowEnabled());
    EXPECT_FALSE(page.GetDlgItem(IDC_PG_LABEL)->GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(page.IsDlgItemEnabled(IDC_PG_NAME));
    page.EnableControl(IDC_PG_NAME, FALSE);
    EXPECT_TRUE(page.GetDlgItem(IDC_PG_NAME)->IsWindowEnabled());
    EXPECT_FALSE(page.IsDlgItemEnabled(IDC_PG_NAME));
    page.EnableControl(IDC_PG_NAME, TRUE);
    EXPECT_TRUE(page.IsDlgItemEnabled(IDC_PG_NAME));
    page.EnableControl(IDC_PG_COMBO, FALSE);
    EXPECT_FALSE(page.GetDlgItem(IDC_PG_COMBO)->IsWindowEnabled());
    page.ShowControl(IDC_PG_LABEL, TRUE);
    EXPECT_FALSE(page.GetDlgItem(IDC_PG_LABEL)->GetStyle() & WS_VISIBLE);

    CKwPropertyPage absent(NULL, IDD_PGTEST_ABSENT, 0);
    EXPECT_FALSE(absent.Create(WS_CHILD, CRect(0, 0, 10, 10), &m_host, 78));
    EXPECT_EQ(NULL, absent.m_hWnd);
    CKwPropertyPage broken(NULL, IDD_PGTEST_BADINIT, 0);
    EXPECT_FALSE(broken.Create(WS_CHILD, CRect(0, 0, 10, 10), &m_host, 79));
    EXPECT_EQ(NULL, broken.m_hWnd);
    EXPECT_EQ(page.m_hWnd, ::GetWindow(m_host.m_hWnd, GW_CHILD)); // no half-made page left behind
}

// A combo box moved by its anchors keeps what was typed and the selection in it.
TEST_F(PropertyPageTest, MovedComboBoxKeepsTextAndSelection)
{
    CAnchorPage page;
    ASSERT_TRUE(page.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &m_host, 5));
    HWND hCombo = ::GetDlgItem(page.m_hWnd, IDC_PG_COMBO);
    ::SetWindowTextA(hCombo, "Berlin");
    ::SendMessageA(hCombo, CB_SETEDITSEL, 0, MAKELPARAM(1, 3));
    page.MoveWindow(0, 0, 600, 420);
    char sz[32] = {};
    ::GetWindowTextA(hCombo, sz, sizeof(sz));
    EXPECT_STREQ("Berlin", sz);
    DWORD dwSel = (DWORD)::SendMessageA(hCombo, CB_GETEDITSEL, 0, 0);
    EXPECT_EQ(1, LOWORD(dwSel));
    EXPECT_EQ(3, HIWORD(dwSel));
}

// The tip of the control under the cursor is asked for as it shows; none over the page itself
// or over a hidden control.
TEST_F(PropertyPageTest, TipTextIsAskedForTheVisibleControlUnderTheCursor)
{
    CAnchorPage page;
    ASSERT_TRUE(page.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &m_host, 5));
    ASSERT_TRUE(page.TipWnd() != NULL);
    auto tipAt = [&](CPoint ptClient) {
        UXTOOLTIP_INFO ti;
        ti.sTooltip = "stale";
        CPoint pt = ptClient;
        page.ClientToScreen(&pt);
        UXTOOLTIP_NOTIFY notify = {};
        notify.hdr.hwndFrom = page.TipWnd();
        notify.hdr.code = UXTTN_DISPLAY;
        notify.pt = &pt;
        notify.ti = &ti;
        EXPECT_EQ(0, page.SendMessage(WM_NOTIFY, 0, (LPARAM)&notify));
        return std::string(ti.sTooltip);
    };
    EXPECT_EQ("tip 1001", tipAt(ChildRect(page, IDC_PG_NAME).CenterPoint()));
    EXPECT_EQ("tip 1003", tipAt(ChildRect(page, IDC_PG_COMBO).CenterPoint()));
    EXPECT_EQ("", tipAt(ChildRect(page, IDC_PG_LABEL).CenterPoint()));
    EXPECT_EQ("", tipAt(CPoint(395, 295)));
}

// OpenProperty focuses the control; a subject's deletion (and AsyDestroyPage) asks the parent,
// after the current message, to destroy the pages.
TEST_F(PropertyPageTest, OpenPropertySelectsAndDeletionAsksTheParentLater)
{
    CAnchorPage page;
    ASSERT_TRUE(page.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &m_host, 5));
    page.SetDlgItemText(IDC_PG_NAME, "abcdef");
    EXPECT_TRUE(page.OpenProperty(IDC_PG_NAME, 0, 2, 4));
    EXPECT_EQ(::GetDlgItem(page.m_hWnd, IDC_PG_NAME), ::GetFocus());
    EXPECT_FALSE(page.OpenProperty(9999, 0, 0, 1));
    EXPECT_EQ(::GetDlgItem(page.m_hWnd, IDC_PG_NAME), ::GetFocus());

    MSG msg;
    page.NotifySubjectDeleted();
    ASSERT_TRUE(::PeekMessageA(&msg, m_host.m_hWnd, KWM_DELETEALLPAGES, KWM_DELETEALLPAGES, PM_REMOVE));
    EXPECT_FALSE(::PeekMessageA(&msg, m_host.m_hWnd, KWM_DELETEALLPAGES, KWM_DELETEALLPAGES, PM_REMOVE));
}

// A command-UI probe: what the page's update handler decided.
class CProbeCmdUI : public CCmdUI
{
public:
    explicit CProbeCmdUI(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    BOOL m_bEnabled = -1;
};

// The Edit commands act on the focused edit and are offered by its selection, its read-only
// state and the clipboard; with the focus elsewhere they are all off.
TEST_F(PropertyPageTest, EditCommandsFollowTheFocusedEdit)
{
    CAnchorPage page;
    ASSERT_TRUE(page.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &m_host, 5));
    auto offered = [&](UINT nID) {
        CProbeCmdUI ui(nID);
        page.OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &ui, NULL);
        return ui.m_bEnabled;
    };
    CWnd* pName = page.GetDlgItem(IDC_PG_NAME);
    pName->SetWindowText("hello");
    pName->SetFocus();
    pName->SendMessage(EM_SETSEL, 0, 2);
    EXPECT_EQ((std::vector<BOOL>{FALSE, FALSE, TRUE, TRUE, TRUE}),
        (std::vector<BOOL>{offered(ID_EDIT_UNDO), offered(ID_EDIT_REDO), offered(ID_EDIT_CUT), offered(ID_EDIT_COPY),
            offered(ID_EDIT_CLEAR)}));
    page.SendMessage(WM_COMMAND, ID_EDIT_CUT, 0);
    char sz[16] = {};
    pName->GetWindowText(sz, sizeof(sz));
    EXPECT_STREQ("llo", sz);
    EXPECT_TRUE(offered(ID_EDIT_UNDO));
    EXPECT_TRUE(offered(ID_EDIT_PASTE));
    page.SendMessage(WM_COMMAND, ID_EDIT_PASTE, 0);
    pName->GetWindowText(sz, sizeof(sz));
    EXPECT_STREQ("hello", sz);

    pName->SendMessage(EM_SETSEL, 0, 2);
    page.EnableControl(IDC_PG_NAME, FALSE);
    EXPECT_EQ((std::vector<BOOL>{FALSE, TRUE, FALSE, FALSE}),
        (std::vector<BOOL>{offered(ID_EDIT_CUT), offered(ID_EDIT_COPY), offered(ID_EDIT_CLEAR), offered(ID_EDIT_PASTE)}));
    page.GetDlgItem(IDC_PG_COMBO)->SetFocus();
    EXPECT_FALSE(offered(ID_EDIT_COPY));
}

// A page holding a grid, for the keys.
class CKeysPage : public CKwPropertyPage, public CKwGridCtrlListener
{
public:
    CKeysPage() : CKwPropertyPage(NULL, IDD_PGTEST_KEYS, 0) {}
    CKwGridCtrl m_grid;
    void OnInitPropertyPage() override
    {
        m_grid.Initialize(IDC_PG_GRID, this);
        m_grid.AddColumn("Value", 120);
        for (UINT nLine = 0; nLine < 3; nLine++)
            m_grid.SetTextItem(0, nLine, CString("line"));
        CKwPropertyPage::OnInitPropertyPage();
    }
    BOOL CKwGridCtrlListener_OnBeginEditItem(UINT, UINT, CKwGridCtrlItem&, CKwGridCtrl*) override { return TRUE; }
};

void Key(HWND hWnd, UINT nKey)
{
    ::PostMessageA(hWnd, WM_KEYDOWN, nKey, 1);
    PumpWithPreTranslate(0);
}

// Enter moves on from a single-line edit and a combo box, and stays in a multi-line edit that
// wants it and in a grid (which edits its cell, then moves its editor on); Up and Down do not
// turn a closed combo box, and move the grid's current line.
TEST_F(PropertyPageTest, EnterUpAndDownInEditsComboBoxesAndAGrid)
{
    CKeysPage page;
    ASSERT_TRUE(page.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 400), &m_host, 5));
    HWND hEdit = ::GetDlgItem(page.m_hWnd, IDC_PG_EDIT);
    HWND hMulti = ::GetDlgItem(page.m_hWnd, IDC_PG_MULTI);
    HWND hCombo = ::GetDlgItem(page.m_hWnd, IDC_PG_DROPDOWN);
    ::SetFocus(hEdit);
    Key(hEdit, VK_RETURN);
    EXPECT_EQ(hMulti, ::GetFocus());
    Key(hMulti, VK_RETURN);
    EXPECT_EQ(hMulti, ::GetFocus());
    EXPECT_EQ(2, ::GetWindowTextLengthA(hMulti));

    ::SendMessageA(hCombo, CB_SETCURSEL, 1, 0);
    HWND hComboEdit = ::GetWindow(hCombo, GW_CHILD);
    ::SetFocus(hComboEdit);
    Key(hComboEdit, VK_DOWN);
    Key(hComboEdit, VK_UP);
    Key(hComboEdit, VK_UP);
    EXPECT_EQ(1, ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0));
    Key(hComboEdit, VK_RETURN);
    EXPECT_EQ(page.m_grid.m_hWnd, ::GetFocus());

    UINT nColumn = 9, nLine = 9;
    page.m_grid.SetCurItem(0, 0);
    Key(page.m_grid.m_hWnd, VK_DOWN);
    page.m_grid.GetCurItem(nColumn, nLine);
    EXPECT_EQ(1u, nLine);
    Key(page.m_grid.m_hWnd, VK_RETURN);
    HWND hEditor = ::GetFocus();
    ASSERT_TRUE(::IsChild(page.m_grid.m_hWnd, hEditor));
    // The grid's editor takes Enter itself (to the next cell) before the page would move on.
    Key(hEditor, VK_RETURN);
    EXPECT_TRUE(::IsChild(page.m_grid.m_hWnd, ::GetFocus()));
    page.m_grid.GetCurItem(nColumn, nLine);
    EXPECT_EQ(2u, nLine);
    HWND hLast = ::GetDlgItem(page.m_hWnd, IDC_PG_LAST);
    ::SetFocus(hLast);
    Key(hLast, VK_RETURN);
    EXPECT_NE(hLast, ::GetFocus());

    page.EnableControl(IDC_PG_GRID, FALSE);
    EXPECT_TRUE(page.m_grid.GetReadOnly());
    EXPECT_TRUE(page.m_grid.IsWindowEnabled());
    EXPECT_FALSE(page.IsDlgItemEnabled(IDC_PG_GRID));
}

// The page's drop target hands each drag event to the page's own operation, in client coordinates.
class CDropPage : public CKwPropertyPage
{
public:
    CDropPage() : CKwPropertyPage(NULL, IDD_PGTEST_SIMPLE, 0) {}
    DROPEFFECT OnDragEnter(COleDataObject*, DWORD, CPoint pt) override { return Log("enter", pt), DROPEFFECT_COPY; }
    DROPEFFECT OnDragOver(COleDataObject*, DWORD, CPoint pt) override { return Log("over", pt), DROPEFFECT_MOVE; }
    void OnDragLeave() override { m_log += "leave;"; }
    BOOL OnDrop(COleDataObject*, DROPEFFECT, CPoint pt) override { return Log("drop", pt), TRUE; }
    LPDROPTARGET Target() { return m_DropTarget.GetDropTarget(); }
    void Log(const char* what, CPoint pt) { m_log += what + (" " + std::to_string(pt.x) + "," + std::to_string(pt.y)) + ";"; }
    std::string m_log;
};

TEST_F(PropertyPageTest, DragEventsReachThePagesOwnOperations)
{
    CDropPage page;
    ASSERT_TRUE(page.Create(WS_CHILD | WS_VISIBLE, CRect(10, 20, 310, 220), &m_host, 5));
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4));
    LPDATAOBJECT lpData = (LPDATAOBJECT)source.GetInterface(&IID_IDataObject);
    CPoint origin(0, 0);
    page.ClientToScreen(&origin);
    POINTL pt = {origin.x + 5, origin.y + 6};
    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    page.Target()->DragEnter(lpData, 0, pt, &dwEffect);
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, dwEffect);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    page.Target()->DragOver(0, pt, &dwEffect);
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE, dwEffect);
    page.Target()->DragLeave();
    page.Target()->DragEnter(lpData, 0, pt, &dwEffect);
    page.Target()->Drop(lpData, 0, pt, &dwEffect);
    EXPECT_EQ("enter 5,6;over 5,6;leave;enter 5,6;over 5,6;drop 5,6;", page.m_log);
}

} // namespace
