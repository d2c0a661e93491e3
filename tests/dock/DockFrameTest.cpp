// The docking MDI frame with its menu bar: the bar's place in the layout, the menus the children
// put in, the maximized child's parts, commands from the bar, idle updates of the frame's bars,
// and the frame hearing of the toolkit's popup menus.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPMDIChildWnd.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMenuBar.h"
#include "CBCGPPopupMenu.h"
#include "DockFrameTest.rh"
#include "core/KwLook.h"
#include "core/KwMenu.h"
#include "support/MenuText.h"
#include "support/MessageRecorder.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// The maximize calls the frame makes, in order.
class CRecordingMenuBar : public CBCGPMenuBar
{
public:
    std::vector<std::pair<BOOL, CWnd*>>* m_pCalls = nullptr;
    void SetMaximizeMode(BOOL bMax, CWnd* pWnd, BOOL bRecalcLayout) override
    {
        m_pCalls->push_back({bMax, pWnd});
        CBCGPMenuBar::SetMaximizeMode(bMax, pWnd, bRecalcLayout);
    }
};

// Handles Open and Run (while m_bRunEnabled); notes what it handled. When one of its
// menus opens it writes the items down and, from a timer, presses the next keys of m_keys, else
// picks the item m_nDowns lines down (Escape when negative).
class CTestFrame : public CBCGPMDIFrameWnd
{
public:
    std::string m_log;
    std::string m_menuSeen;
    std::vector<std::pair<BOOL, CWnd*>> m_calls;
    BOOL m_bRunEnabled = TRUE;
    BOOL m_bAllowPopup = TRUE;
    int m_nDowns = 1;
    std::vector<std::vector<UINT>> m_keys;
    CBCGPPopupMenu* m_pShown = nullptr;

    CBCGPMenuBar* NewMenuBar() override
    {
        CRecordingMenuBar* pBar = new CRecordingMenuBar;
        pBar->m_pCalls = &m_calls;
        return pBar;
    }
    BOOL OnShowPopupMenu(CBCGPPopupMenu* pMenuPopup) override
    {
        m_log += "show popup;";
        m_pShown = pMenuPopup;
        return m_bAllowPopup;
    }
    afx_msg void OnOpen() { m_log += "open;"; }
    afx_msg void OnRun() { m_log += "run;"; }
    afx_msg void OnUpdateRun(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bRunEnabled); }
    afx_msg void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu)
    {
        CBCGPMDIFrameWnd::OnInitMenuPopup(pMenu, nIndex, bSysMenu);
        for (int i = 0; i < pMenu->GetMenuItemCount(); i++)
        {
            CString strText;
            pMenu->GetMenuString((UINT)i, strText, MF_BYPOSITION);
            UINT nState = pMenu->GetMenuState((UINT)i, MF_BYPOSITION);
            m_menuSeen += std::string(strText) + ((nState & MF_GRAYED) ? " (grey);" : ";");
        }
        // A popup nested in one of the bar's opens by the keys sent already: none of its own.
        HMENU hBarMenu = GetMenuBar()->GetHMenu();
        for (int i = 0; i < ::GetMenuItemCount(hBarMenu); i++)
            for (int j = 0; j < ::GetMenuItemCount(::GetSubMenu(hBarMenu, i)); j++)
                if (::GetSubMenu(::GetSubMenu(hBarMenu, i), j) == pMenu->m_hMenu)
                    return;
        SetTimer(1, 20, NULL);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        HWND hPopup = ::FindWindowA("#32768", NULL);
        if (!m_keys.empty())
        {
            for (UINT nKey : m_keys.front())
                ::PostMessageA(hPopup, WM_KEYDOWN, nKey, 0);
            m_keys.erase(m_keys.begin());
            return;
        }
        for (int i = 0; i < m_nDowns; i++)
            ::PostMessageA(hPopup, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(hPopup, WM_KEYDOWN, m_nDowns < 0 ? VK_ESCAPE : VK_RETURN, 0);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CBCGPMDIFrameWnd)
    ON_COMMAND(ID_DOCK_OPEN, &CTestFrame::OnOpen)
    ON_COMMAND(ID_DOCK_RUN, &CTestFrame::OnRun)
    ON_UPDATE_COMMAND_UI(ID_DOCK_RUN, &CTestFrame::OnUpdateRun)
    ON_WM_INITMENUPOPUP()
    ON_WM_TIMER()
END_MESSAGE_MAP()

// A bar of a fixed thickness that counts its idle updates.
class CCountingBar : public CBCGPControlBar
{
public:
    int m_nUpdates = 0;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override { return CSize(bStretch ? 32767 : 50, 20); }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override { m_nUpdates++; }
};

struct DockFrameFixture : ::testing::Test
{
    CWinApp m_app{"KwDockTests"};
    CTestFrame* m_pFrame = nullptr;
    HMENU m_hDocMenu = NULL;
    std::vector<CWnd*> m_children; // named one, two, ... in the order they opened

    void SetUp() override
    {
        m_hDocMenu = ::LoadMenuA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_DOCK_DOC));
        m_pFrame = new CTestFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_DOCK_MAIN));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->SetWindowPos(NULL, 0, 0, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
        m_pFrame->SetForegroundWindow();
        PumpMessages(0);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow(); // deletes it
        m_app.m_pMainWnd = NULL;
        ::DestroyMenu(m_hDocMenu);
    }
    CBCGPMenuBar* Bar() { return m_pFrame->GetMenuBar(); }
    CBCGPMDIChildWnd* OpenChild()
    {
        CBCGPMDIChildWnd* pChild = new CBCGPMDIChildWnd;
        pChild->m_hMenuShared = m_hDocMenu;
        if (!pChild->LoadFrame(IDR_DOCK_DOC, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, m_pFrame))
            return nullptr;
        m_children.push_back(pChild);
        return pChild;
    }
    std::string Buttons()
    {
        std::string text;
        for (int i = 0; i < Bar()->GetCount(); i++)
            text += std::string(i > 0 ? "|" : "") + (const char*)Bar()->GetButtonText(i) +
                    (Bar()->IsButtonEnabled(i) ? "" : " (grey)");
        return text;
    }
    // The maximize calls so far as "on one", "off -", and clears them.
    std::string TakeCalls()
    {
        std::string text;
        for (auto& call : m_pFrame->m_calls)
        {
            std::string name = call.second == nullptr ? "-" : "?";
            for (size_t i = 0; i < m_children.size(); i++)
                if (m_children[i] == call.second)
                    name = std::to_string(i + 1);
            text += std::string(call.first ? "on " : "off ") + name + ";";
        }
        m_pFrame->m_calls.clear();
        return text;
    }
    CRect RectInFrame(HWND hWnd)
    {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        m_pFrame->ScreenToClient(&rect);
        return rect;
    }
    // Presses and releases the mouse over a part of the bar.
    void Click(const CRect& rect)
    {
        LPARAM lParam = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
        Bar()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        Bar()->SendMessage(WM_LBUTTONUP, 0, lParam);
        PumpMessages(0);
    }
};

TEST_F(DockFrameFixture, TheMenuBarTakesTheTopOfTheClientAreaAndTheMDIClientTheRest)
{
    ASSERT_NE(nullptr, Bar());
    EXPECT_EQ(NULL, ::GetMenu(m_pFrame->m_hWnd)); // the menu is in the bar only
    EXPECT_EQ("&File|&Run|&Stop|&Window", Buttons());
    EXPECT_TRUE(Bar()->IsDefaultMenu());
    int cy = Bar()->CalcFixedLayout(TRUE, TRUE).cy;
    EXPECT_GT(cy, 10);
    for (CSize size : {CSize(640, 480), CSize(500, 300)})
    {
        m_pFrame->SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE);
        m_pFrame->RecalcLayout();
        CRect rectClient;
        m_pFrame->GetClientRect(&rectClient);
        EXPECT_EQ(CRect(0, 0, rectClient.right, cy), RectInFrame(Bar()->m_hWnd));
        EXPECT_EQ(CRect(0, cy, rectClient.right, rectClient.bottom), RectInFrame(m_pFrame->m_hWndMDIClient));
    }
    // A bar at the bottom takes its side of what is left.
    CCountingBar bottom;
    ASSERT_TRUE(bottom.CreateBar("Bottom", WS_CHILD | WS_VISIBLE, CBRS_BOTTOM, CRect(0, 0, 0, 0), m_pFrame, 0xE820));
    m_pFrame->RecalcLayout();
    CRect rectClient;
    m_pFrame->GetClientRect(&rectClient);
    EXPECT_EQ(CRect(0, rectClient.bottom - 20, rectClient.right, rectClient.bottom), RectInFrame(bottom.m_hWnd));
    EXPECT_EQ(CRect(0, cy, rectClient.right, rectClient.bottom - 20), RectInFrame(m_pFrame->m_hWndMDIClient));
}

TEST_F(DockFrameFixture, TheButtonsFollowTheActiveChildsMenuAndComeBackWhenTheLastCloses)
{
    CBCGPMDIChildWnd* pOne = OpenChild();
    ASSERT_NE(nullptr, pOne);
    EXPECT_EQ(m_hDocMenu, Bar()->GetHMenu());
    EXPECT_EQ("&File|&Edit|&Window", Buttons());
    EXPECT_FALSE(Bar()->IsDefaultMenu());
    CBCGPMDIChildWnd* pTwo = OpenChild();
    ASSERT_NE(nullptr, pTwo);
    EXPECT_EQ(pTwo, m_pFrame->MDIGetActive());
    EXPECT_EQ(NULL, ::GetMenu(m_pFrame->m_hWnd));
    pTwo->SendMessage(WM_CLOSE);
    PumpMessages(0);
    EXPECT_EQ("&File|&Edit|&Window", Buttons());
    pOne->SendMessage(WM_CLOSE);
    PumpMessages(0);
    EXPECT_EQ(nullptr, m_pFrame->MDIGetActive());
    EXPECT_EQ("&File|&Run|&Stop|&Window", Buttons());
    EXPECT_TRUE(Bar()->IsDefaultMenu());
    EXPECT_EQ(NULL, ::GetMenu(m_pFrame->m_hWnd));
}

TEST_F(DockFrameFixture, MaximizeModeFollowsTheActiveChild)
{
    CBCGPMDIChildWnd* pOne = OpenChild();
    CBCGPMDIChildWnd* pTwo = OpenChild();
    ASSERT_TRUE(pOne != nullptr && pTwo != nullptr);
    EXPECT_EQ("", TakeCalls());
    pTwo->MDIMaximize();
    EXPECT_EQ("on 2;", TakeCalls());
    EXPECT_EQ(pTwo, Bar()->GetMaximizedWnd());
    // The maximized state passes to the child that activates.
    pOne->MDIActivate();
    EXPECT_EQ("on 1;", TakeCalls());
    pOne->MDIRestore();
    EXPECT_EQ("off -;", TakeCalls());
    EXPECT_FALSE(Bar()->IsMaximizeMode());
    // The bar's own restore button restores the child; its close button closes it.
    pOne->MDIMaximize();
    EXPECT_EQ("on 1;", TakeCalls());
    Click(Bar()->GetSysPartRect(CBCGPMenuBar::hitRestore));
    EXPECT_EQ("off -;", TakeCalls());
    EXPECT_FALSE(pOne->IsZoomed());
    pOne->MDIMaximize();
    Click(Bar()->GetSysPartRect(CBCGPMenuBar::hitClose));
    EXPECT_EQ("on 1;on 2;", TakeCalls());
    EXPECT_EQ(pTwo, m_pFrame->MDIGetActive());
    // The last maximized child closing ends maximize mode.
    pTwo->SendMessage(WM_CLOSE);
    PumpMessages(0);
    EXPECT_EQ("off -;", TakeCalls());
}

TEST_F(DockFrameFixture, ACommandChosenFromABarPopupReachesTheFramesRoute)
{
    // With no child, the frame's own menu: an item without a handler is greyed.
    m_pFrame->m_nDowns = 1;
    Bar()->OpenPopup(0); // returns when the menu has closed
    PumpMessages(0);
    EXPECT_EQ("&Open;&Unhandled (grey);", m_pFrame->m_menuSeen);
    EXPECT_EQ("open;", m_pFrame->m_log);
    // With a child, its menu; the command goes through the child's route to the frame.
    ASSERT_NE(nullptr, OpenChild());
    m_pFrame->m_log.clear();
    m_pFrame->m_menuSeen.clear();
    Bar()->OpenPopup(0);
    PumpMessages(0);
    EXPECT_EQ("&Open;&Save (grey);", m_pFrame->m_menuSeen);
    EXPECT_EQ("open;", m_pFrame->m_log);
    // Alt+F opens the same popup; Escape closes it without a command.
    m_pFrame->m_log.clear();
    m_pFrame->m_menuSeen.clear();
    m_pFrame->m_nDowns = -1;
    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 'f');
    PumpMessages(0);
    EXPECT_EQ("&Open;&Save (grey);", m_pFrame->m_menuSeen);
    EXPECT_EQ("", m_pFrame->m_log);
}

TEST_F(DockFrameFixture, LeftAndRightGoOnToTheNeighbouringPopupsRoundTheEnds)
{
    // The frame's menu: from File, Right passes the command buttons to Window.
    m_pFrame->m_keys = {{VK_RIGHT}, {VK_ESCAPE}};
    Bar()->OpenPopup(0);
    EXPECT_EQ("&Open;&Unhandled (grey);&Cascade (grey);", m_pFrame->m_menuSeen);
    // The child's menu: File, Right: Edit, where Right and Left open and close the nested popup
    // More twice before Left goes back to File; Left again: Window, round the start.
    ASSERT_NE(nullptr, OpenChild());
    m_pFrame->m_menuSeen.clear();
    m_pFrame->m_keys = {{VK_RIGHT}, {VK_DOWN, VK_RIGHT, VK_LEFT, VK_RIGHT, VK_LEFT, VK_LEFT}, {VK_LEFT}, {VK_ESCAPE}};
    Bar()->OpenPopup(0);
    // The Window popup lists the child (a separator, then "&1 " for the untitled child).
    const std::string separators = " (grey); (grey); (grey); (grey); (grey); (grey); (grey);";
    EXPECT_EQ("&Open;&Save (grey);&More;" + separators + "&Undo (grey);&Undo (grey);&Open;&Save (grey);&Cascade; (grey);&1 ;",
        m_pFrame->m_menuSeen);
    EXPECT_EQ("", m_pFrame->m_log);
}

// The items' types, nested popups' within.
std::string ItemTypes(HMENU hMenu)
{
    std::string text;
    MENUITEMINFOA item = {sizeof(item), MIIM_FTYPE | MIIM_SUBMENU};
    for (UINT i = 0; ::GetMenuItemInfoA(hMenu, i, TRUE, &item); i++)
        text += std::to_string(item.fType) + (item.hSubMenu != NULL ? "(" + ItemTypes(item.hSubMenu) + ")" : ";");
    return text;
}

// The dark look lends the bar's items to its drawing while a drop-down is open, and gives every one
// back as it was, a neighbour's and a nested popup's too.
TEST_F(DockFrameFixture, TheDarkLookGivesTheBarsMenuItsItemsBack)
{
    ASSERT_NE(nullptr, OpenChild());
    const HMENU hMenu = Bar()->GetHMenu();
    const std::string before = ItemTypes(hMenu) + MenuText(hMenu);
    // File, Right: Edit, where Down and Right open More; Escape closes both.
    m_pFrame->m_keys = {{VK_RIGHT}, {VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE}};
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    Bar()->OpenPopup(0);
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    EXPECT_EQ(before, ItemTypes(hMenu) + MenuText(hMenu));
}

TEST_F(DockFrameFixture, CommandButtonsAreGreyedByTheCommandUIAtIdleAndSendTheirCommand)
{
    m_app.OnIdle(0);
    EXPECT_EQ("&File|&Run|&Stop (grey)|&Window", Buttons());
    Click(Bar()->GetButtonRect(1));
    Click(Bar()->GetButtonRect(2)); // greyed: nothing
    EXPECT_EQ("run;", m_pFrame->m_log);
    m_pFrame->m_bRunEnabled = FALSE;
    m_app.OnIdle(0);
    EXPECT_EQ("&File|&Run (grey)|&Stop (grey)|&Window", Buttons());
    Click(Bar()->GetButtonRect(1));
    EXPECT_EQ("run;", m_pFrame->m_log);
}

TEST_F(DockFrameFixture, EveryBarOfTheFrameIsUpdatedOnceAtIdleAndLeavesTheListWithItsWindow)
{
    int nBars = m_pFrame->GetControlBarCount(); // the menu bar
    CCountingBar docked, floating;
    ASSERT_TRUE(docked.CreateBar("Docked", WS_CHILD | WS_VISIBLE, CBRS_BOTTOM, CRect(0, 0, 0, 0), m_pFrame, 0xE820));
    ASSERT_TRUE(floating.CreateBar("Floating", WS_POPUP | WS_VISIBLE, CBRS_TOP, CRect(0, 0, 80, 40), m_pFrame, 0));
    m_pFrame->AddControlBar(&docked);
    m_pFrame->AddControlBar(&floating);
    EXPECT_EQ(nBars + 2, m_pFrame->GetControlBarCount());
    m_app.OnIdle(0);
    EXPECT_EQ(1, docked.m_nUpdates);
    EXPECT_EQ(1, floating.m_nUpdates);
    floating.DestroyWindow();
    EXPECT_EQ(nBars + 1, m_pFrame->GetControlBarCount());
    m_app.OnIdle(0);
    EXPECT_EQ(2, docked.m_nUpdates);
}

TEST_F(DockFrameFixture, TheFrameHearsOfAToolkitPopupMenuWhenItIsTheMainWindow)
{
    CKwMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_DOCK_OPEN, "Open");
    menu.TrackPopupMenu(m_pFrame, CPoint(20, 20));
    EXPECT_EQ("show popup;", m_pFrame->m_log);
    ASSERT_NE(nullptr, m_pFrame->m_pShown);
    EXPECT_EQ(m_pFrame, m_pFrame->m_pShown->GetParentWnd());
    m_pFrame->m_pShown->CloseMenu(); // before it shows: it goes without a command
    // Another main window hears nothing.
    m_app.m_pMainWnd = NULL;
    m_pFrame->m_log.clear();
    menu.TrackPopupMenu(m_pFrame, CPoint(20, 20));
    EXPECT_EQ("", m_pFrame->m_log);
    m_pFrame->m_nDowns = -1;
    PumpMessages(0); // shows the menu, which Escape closes
    EXPECT_EQ(nullptr, CBCGPPopupMenu::GetActiveMenu());
    EXPECT_EQ("Open;", m_pFrame->m_menuSeen);
    // A frame that refuses the popup: it never shows.
    m_app.m_pMainWnd = m_pFrame;
    m_pFrame->m_bAllowPopup = FALSE;
    m_pFrame->m_menuSeen.clear();
    menu.TrackPopupMenu(m_pFrame, CPoint(20, 20));
    PumpMessages(0);
    EXPECT_EQ("", m_pFrame->m_menuSeen);
}

} // namespace
