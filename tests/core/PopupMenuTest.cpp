// Popup menus of the docking library: shown from the queue with their own copy of the menu, the
// command reaching the owner after the menu has gone, and the window deleting itself.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPPopupMenu.h"
#include "CBCGPVisualManager.h"
#include "core/KwLook.h"
#include "core/KwMenu.h"
#include "support/MenuText.h"
#include "support/MessageRecorder.h"
#include "support/TestSurface.h"

#include <memory>
#include <string>

namespace {

// Notes what it sees, in order; when a menu opens it picks an item through the keyboard (or
// closes the menu with Escape) from a timer, as the popup's own window takes the keys.
class COwnerWnd : public CWnd
{
public:
    std::string m_log;
    int m_nDowns = 2; // -1: Escape
    std::string m_menuSeen;
    std::unique_ptr<TestSurface> m_pShown; // with bShoot, the menu as it showed
    bool m_bShoot = false;

    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
    {
        m_log += "init;";
        m_menuSeen = MenuText(pPopupMenu->m_hMenu);
        if (CBCGPPopupMenu::GetActiveMenu() != NULL)
            m_log += "active;";
        SetTimer(1, 20, NULL);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        HWND hPopup = ::FindWindowA("#32768", NULL);
        CRect rect;
        if (m_bShoot && ::GetClientRect(hPopup, &rect))
        {
            m_pShown.reset(new TestSurface(rect.Width(), rect.Height()));
            HDC hDC = ::GetDC(hPopup);
            ::BitBlt(m_pShown->DC().m_hDC, 0, 0, rect.Width(), rect.Height(), hDC, 0, 0, SRCCOPY);
            ::ReleaseDC(hPopup, hDC);
        }
        if (m_nDowns < 0)
            ::PostMessageA(hPopup, WM_KEYDOWN, VK_ESCAPE, 0);
        for (int i = 0; i < m_nDowns; i++)
            ::PostMessageA(hPopup, WM_KEYDOWN, VK_DOWN, 0);
        if (m_nDowns >= 0)
            ::PostMessageA(hPopup, WM_KEYDOWN, VK_RETURN, 0);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_log += "command " + std::to_string(LOWORD(wParam)) + (CBCGPPopupMenu::GetActiveMenu() ? " active;" : ";");
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
    ON_WM_INITMENUPOPUP()
    ON_WM_TIMER()
END_MESSAGE_MAP()

struct PopupFixture : ::testing::Test
{
    COwnerWnd owner;
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
            200, NULL, NULL));
        owner.SetForegroundWindow();
    }
    void TearDown() override { owner.DestroyWindow(); }

    // Pumps until the popup window of the owner has gone (bounded).
    void WaitForMenuToClose()
    {
        for (int i = 0; i < 100 && (PopupWindows() != 0 || owner.m_log.empty()); i++)
            PumpMessages(20);
        PumpMessages(0);
    }
    // The popup windows the owner owns now.
    int PopupWindows()
    {
        OwnedCount count = {owner.m_hWnd, 0};
        ::EnumThreadWindows(::GetCurrentThreadId(), CountOwned, (LPARAM)&count);
        return count.n;
    }
    struct OwnedCount
    {
        HWND hOwner;
        int n;
    };
    static BOOL CALLBACK CountOwned(HWND hWnd, LPARAM lParam)
    {
        OwnedCount* p = (OwnedCount*)lParam;
        if (::GetWindow(hWnd, GW_OWNER) == p->hOwner)
            p->n++;
        return TRUE;
    }
};

TEST_F(PopupFixture, TheChosenCommandReachesTheOwnerAfterTheMenuHasGone)
{
    owner.m_nDowns = 3;
    {
        CKwMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, 10, "Ten");
        CMenu sub;
        sub.CreatePopupMenu();
        sub.AppendMenu(MF_STRING, 21, "Twenty-one");
        menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.Detach(), "More");
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING, 40, "Forty");
        menu.TrackPopupMenu(&owner, CPoint(20, 20));
        // Nothing shows before the queue is reached; the window is there already.
        EXPECT_EQ("", owner.m_log);
        EXPECT_EQ(1, PopupWindows());
    } // the caller's menu goes: the popup shows its own copy
    WaitForMenuToClose();
    // Three times Down passes the popup "More" and skips the separator: Forty.
    EXPECT_EQ("init;active;command 40;", owner.m_log);
    EXPECT_EQ("Ten=10\nMore>\n  Twenty-one=21\n-\nForty=40\n", owner.m_menuSeen);
    EXPECT_EQ(0, PopupWindows());
    EXPECT_EQ(nullptr, CBCGPPopupMenu::GetActiveMenu());
}

// In the dark look the manager draws the items on its own menu colour; the owner sets them up
// and gets the command as before, and the menu is given back as it was.
TEST_F(PopupFixture, TheDarkLookDrawsTheItemsAndTheOwnerSeesTheSameMenu)
{
    owner.m_nDowns = 2; // the separator is skipped
    owner.m_bShoot = true;
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    const COLORREF menu = pManager->GetSysColor(COLOR_MENU), text = pManager->GetSysColor(COLOR_MENUTEXT);
    CKwMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, 10, "Ten");
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING, 40, "Forty\tCtrl+F");
    popup.TrackPopupMenu(&owner, CPoint(20, 20));
    WaitForMenuToClose();
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    CBCGPVisualManager::SetDefaultManager(NULL);
    EXPECT_EQ("init;active;command 40;", owner.m_log);
    EXPECT_EQ("Ten=10\n-\nForty\tCtrl+F=40\n", owner.m_menuSeen);
    ASSERT_TRUE(owner.m_pShown != nullptr);
    const CRect all(0, 0, owner.m_pShown->Width(), owner.m_pShown->Height());
    EXPECT_GT(owner.m_pShown->Count(all, menu), all.Width() * all.Height() / 3);
    EXPECT_GT(owner.m_pShown->Count(all, text), 20);
}

TEST_F(PopupFixture, EscapeClosesWithoutACommand)
{
    owner.m_nDowns = -1;
    CKwMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 10, "Ten");
    menu.TrackPopupMenu(&owner, CPoint(20, 20));
    WaitForMenuToClose();
    EXPECT_EQ("init;active;", owner.m_log);
    EXPECT_EQ(0, PopupWindows());
}

TEST_F(PopupFixture, AMenuClosedBeforeItShowsNeverShows)
{
    CBCGPPopupMenu* pPopup = new CBCGPPopupMenu;
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 10, "Ten");
    ASSERT_TRUE(pPopup->Create(&owner, 20, 20, menu.m_hMenu, TRUE, TRUE));
    EXPECT_NE(menu.m_hMenu, pPopup->GetHMenu());
    pPopup->CloseMenu(); // deletes it
    PumpMessages(100);
    EXPECT_EQ("", owner.m_log);
    EXPECT_EQ(0, PopupWindows());
}

TEST_F(PopupFixture, NoOwnerOrNoMenuCreatesNothing)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    CBCGPPopupMenu popup; // never gets a window, so it may live on the stack
    EXPECT_FALSE(popup.Create(NULL, 0, 0, menu.m_hMenu));
    EXPECT_FALSE(popup.Create(&owner, 0, 0, NULL));
    EXPECT_EQ(nullptr, popup.GetSafeHwnd());
    CKwMenu kwMenu; // no menu yet: TrackPopupMenu shows nothing
    kwMenu.TrackPopupMenu(&owner, CPoint(0, 0));
    PumpMessages(50);
    EXPECT_EQ(0, PopupWindows());
    EXPECT_EQ("", owner.m_log);
}

} // namespace
