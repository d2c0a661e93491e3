// The toolkit's edit box: its owner decides whether the standard context menu shows; when not,
// the parent gets the request.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "pickers/KwEdit.h"
#include "support/MessageRecorder.h"

#include <string>

namespace {

std::string g_log;

std::string PointText(CPoint pt)
{
    return std::to_string(pt.x) + "," + std::to_string(pt.y);
}

class CParentWnd : public CWnd
{
public:
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos)
    {
        g_log += "parent WM_CONTEXTMENU " + std::string(pWnd->m_hWnd == m_hEdit ? "edit " : "other ") + PointText(pos) + ";";
    }
    HWND m_hEdit = NULL;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

class COwner : public IKwEditOwner
{
public:
    bool m_bAllow = true;
    bool IKwEditOwner_OnQueryContextMenu(CPoint ptScreen, CKwEdit* pEdit) override
    {
        g_log += "owner asked " + std::string(pEdit == m_pEdit ? "edit " : "other ") + PointText(ptScreen) + ";";
        return m_bAllow;
    }
    CKwEdit* m_pEdit = NULL;
};

// The edit box tracks its standard menu without notifications; a thread timer sees the menu
// window and closes it.
void CALLBACK CloseMenuTimer(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hMenu = ::FindWindowA("#32768", NULL);
    if (hMenu != NULL && ::IsWindowVisible(hMenu))
    {
        g_log += "standard menu;";
        ::PostMessageA(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
    }
}

struct EditFixture : ::testing::Test
{
    CParentWnd parent;
    CKwEdit edit;
    COwner owner;
    UINT_PTR nTimer = 0;
    void SetUp() override
    {
        g_log.clear();
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
            200, NULL, NULL));
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 40), &parent, 1));
        parent.m_hEdit = edit.m_hWnd;
        owner.m_pEdit = &edit;
        parent.SetForegroundWindow();
        edit.SetFocus();
        nTimer = ::SetTimer(NULL, 0, 30, CloseMenuTimer);
    }
    void TearDown() override
    {
        ::KillTimer(NULL, nTimer);
        parent.DestroyWindow();
    }
    void RightClick()
    {
        edit.SendMessage(WM_CONTEXTMENU, (WPARAM)edit.m_hWnd, MAKELPARAM(40, 25));
        PumpMessages(100);
    }
};

// Without an owner, with one that agrees, with one that refuses, and without it again: the
// requests in order, compared whole.
TEST_F(EditFixture, TheOwnerDecidesBetweenTheStandardMenuAndTheParent)
{
    EXPECT_EQ(nullptr, edit.GetEditOwner());
    RightClick();
    edit.SetEditOwner(&owner);
    EXPECT_EQ(&owner, edit.GetEditOwner());
    RightClick();
    owner.m_bAllow = false;
    RightClick();
    edit.SetEditOwner(NULL);
    RightClick();
    EXPECT_EQ("standard menu;"
              "owner asked edit 40,25;standard menu;"
              "owner asked edit 40,25;parent WM_CONTEXTMENU edit 40,25;"
              "standard menu;",
        g_log);
}

} // namespace
