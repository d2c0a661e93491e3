// Menus: loading through the resource chain, item texts, and tracking a popup owned by a
// framework window.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "DialogTest.rh"

namespace {

CString ItemString(CMenu& menu, UINT nItem, UINT nFlags)
{
    CString str;
    menu.GetMenuString(nItem, str, nFlags);
    return str;
}

TEST(Menu, LoadsFromTheResourceChainAndGivesItemTextsOfAnyLength)
{
    CMenu menu;
    EXPECT_FALSE(menu.LoadMenu(IDD_DLGTEST_ABSENT));
    EXPECT_EQ(NULL, menu.GetSafeHmenu());
    ASSERT_TRUE(menu.LoadMenu(IDR_DLGTEST_MENU));
    CMenu* pFile = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, pFile);
    EXPECT_EQ(pFile, menu.GetSubMenu(0));
    EXPECT_STREQ("&Open...\tCtrl+O", ItemString(*pFile, ID_DLGTEST_OPEN, MF_BYCOMMAND));
    EXPECT_STREQ("", ItemString(*pFile, 2, MF_BYPOSITION)); // the separator
    char sz[4];
    EXPECT_EQ(3, pFile->GetMenuString(ID_DLGTEST_OPEN, sz, sizeof(sz), MF_BYCOMMAND)); // cut to the buffer
    EXPECT_STREQ("&Op", sz);
    CString strLong('x', 600);
    ASSERT_TRUE(pFile->ModifyMenu(ID_DLGTEST_OPEN, MF_BYCOMMAND | MF_STRING, ID_DLGTEST_OPEN, strLong));
    EXPECT_STREQ(strLong, ItemString(*pFile, ID_DLGTEST_OPEN, MF_BYCOMMAND));
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_EQ(NULL, menu.m_hMenu);
}

// The owner of a tracked popup learns which menu opens, as the permanent object, and picks the
// command through the keyboard.
class COwnerWnd : public CWnd
{
public:
    CMenu* m_pInitMenu = NULL;
    UINT m_nCommand = 0;

    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
    {
        m_pInitMenu = pPopupMenu;
        SetTimer(1, 20, NULL);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        // The popup's own window takes the keys while it tracks.
        HWND hPopup = ::FindWindowA("#32768", NULL);
        ::PostMessageA(hPopup, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(hPopup, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(hPopup, WM_KEYDOWN, VK_RETURN, 0);
    }
    afx_msg void OnTwenty() { m_nCommand = 20; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
    ON_WM_INITMENUPOPUP()
    ON_WM_TIMER()
    ON_COMMAND(20, &COwnerWnd::OnTwenty)
END_MESSAGE_MAP()

TEST(Menu, TrackedPopupReportsToItsOwnerAndReturnsTheCommand)
{
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
        NULL, NULL));
    owner.SetForegroundWindow();
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, 10, "Ten");
    popup.AppendMenu(MF_STRING, 20, "Twenty");
    popup.AppendMenu(MF_STRING, 30, "Thirty");

    EXPECT_EQ(20, popup.TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, 10, 10, &owner));
    EXPECT_EQ(&popup, owner.m_pInitMenu);
    EXPECT_EQ(0u, owner.m_nCommand); // returned, not sent
    owner.DestroyWindow();
}

} // namespace
