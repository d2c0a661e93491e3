// ContextMenuTest.cpp: the grid's context menu: built by the listener, placed at the mouse or under
// the current cell, tracked owned by the window that routes its commands, which reach the grid's
// own edit commands.
#include "MenuDriver.h"
#include "NavigationFixture.h"

#include "core/KwClipboard.h"
#include "support/MessageRecorder.h"

#include <afxres.h>

namespace {

// A dialog that adds the edit commands to the grid's menu and, as hosts do for their controls,
// offers every command to the window with the focus first.
class MenuHost : public GridHost
{
public:
    BOOL CKwGridCtrlListener_OnContextMenu(UINT nColumn, UINT nLine, CMenu& menu, CKwGridCtrl* pGrid) override
    {
        GridHost::CKwGridCtrlListener_OnContextMenu(nColumn, nLine, menu, pGrid);
        menu.AppendMenu(MF_STRING, ID_EDIT_COPY, "Copy");
        menu.AppendMenu(MF_STRING, ID_EDIT_PASTE, "Paste");
        return TRUE;
    }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        CWnd* pFocus = CWnd::FromHandlePermanent(::GetFocus());
        if (pFocus != NULL && pFocus != this && pFocus->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        return GridHost::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

// A dialog that takes part in the context menus of its children.
class ChainHost : public MenuHost, public CKwWindow
{
public:
    void CKwWindow_OnExtendContextMenu(CMenu& menu) override
    {
        m_calls.push_back("ExtendContextMenu");
        menu.AppendMenu(MF_STRING, 0x8001, "From the dialog");
    }
};

} // namespace

class GridContextMenu : public GridNavigationTest
{
protected:
    explicit GridContextMenu(MenuHost* pHost = new MenuHost) : GridNavigationTest(pHost) {}
    MenuHost& Host() { return static_cast<MenuHost&>(host); }

    // WM_CONTEXTMENU as the system sends it: a screen point, or (-1, -1) from the keyboard.
    void ContextMenu(CPoint screenPoint)
    {
        grid.SendMessage(WM_CONTEXTMENU, (WPARAM)grid.m_hWnd, MAKELPARAM(screenPoint.x, screenPoint.y));
        host.Pump(100);
    }
};

const std::string kEditItems =
    "Copy=" + std::to_string(ID_EDIT_COPY) + "\nPaste=" + std::to_string(ID_EDIT_PASTE) + "\n";

TEST_F(GridContextMenu, ShowsTheListenersCommandsAtTheMouseAndRoutesTheChosenOneToTheGrid)
{
    // A right click on one of several selected lines keeps them for the menu's command.
    Fill(4);
    Click(1, 1);
    Click(1, 2, MK_SHIFT);
    RightClick(2, 1);
    CKwClipboard::PutText("before");
    host.m_calls.clear();
    CPoint point = ScreenPoint(host.CellPoint(2, 1));
    {
        MenuDriver driver;
        ContextMenu(point);
        EXPECT_FALSE(driver.m_bTimedOut);
        EXPECT_EQ(kEditItems, driver.m_items);
        EXPECT_EQ(point, driver.m_rect.TopLeft());
    }
    EXPECT_EQ(Calls{"ContextMenu 1 2"}, host.m_calls);
    EXPECT_STREQ("a1\tb1\tc1\r\na2\tb2\tc2", CKwClipboard::GetText()); // "Copy" reached the grid
    EXPECT_EQ(GridCell(1, 2), Cur());

    // From the keyboard: below the current cell, or at the grid's corner without one.
    CPoint centre = host.CellPoint(1, 2);
    int nLineHeight = centre.y - host.CellPoint(1, 1).y;
    CPoint bottomLeft(80, centre.y - nLineHeight / 2 + nLineHeight);
    {
        MenuDriver driver;
        ContextMenu(CPoint(-1, -1));
        EXPECT_TRUE(driver.m_bSeen);
        EXPECT_EQ(ScreenPoint(bottomLeft), driver.m_rect.TopLeft());
    }
    Click(1, 7); // below the lines: no current cell
    ASSERT_EQ(GridCell(none, none), Cur());
    host.m_calls.clear();
    MenuDriver driver;
    ContextMenu(CPoint(-1, -1));
    EXPECT_TRUE(driver.m_bSeen);
    EXPECT_EQ(ScreenPoint(CPoint(0, 0)), driver.m_rect.TopLeft());
    EXPECT_EQ(Calls{"ContextMenu -1 -1"}, host.m_calls);
}

class GridContextMenuInADialogThatTakesPart : public GridContextMenu
{
protected:
    GridContextMenuInADialogThatTakesPart() : GridContextMenu(new ChainHost) {}
};

TEST_F(GridContextMenuInADialogThatTakesPart, TheListenerAddsFirstAndThenTheDialog)
{
    Fill(2);
    Click(0, 1);
    host.m_calls.clear();
    MenuDriver driver;
    ContextMenu(ScreenPoint(host.CellPoint(0, 1)));
    EXPECT_EQ((Calls{"ContextMenu 0 1", "ExtendContextMenu"}), host.m_calls);
    EXPECT_EQ(kEditItems + "From the dialog=32769\n", driver.m_items);
}

TEST(GridContextMenuWithoutListener, NothingAddsCommandsSoNoMenuShows)
{
    GridWithoutListener parent;
    CKwGridCtrl& grid = parent.grid;
    MenuDriver driver;
    grid.SendMessage(WM_CONTEXTMENU, (WPARAM)grid.m_hWnd, MAKELPARAM(-1, -1));
    PumpMessages(100);
    EXPECT_FALSE(driver.m_bSeen);
}
