// Command routing: menu commands that their update handler disabled, command-UI updates of
// real menu items, and UpdateDialogControls over child buttons.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "support/MessageRecorder.h"

namespace {

MessageRecorder* recorder = NULL;

void Note(const char* who, UINT nID = 0)
{
    if (recorder != NULL)
        recorder->Note(who, 0, nID);
}

enum
{
    ID_DISABLED = 200, // update handler disables it
    ID_CHECKED, // update handler checks it and renames it
    ID_ORPHAN, // neither update nor command handler
    ID_PLAIN, // command handler only
    ID_RADIO, // update handler sets a radio mark
    ID_EX, // extended handler that passes the command on
    ID_RANGE_FIRST = 210,
    ID_RANGE_LAST = 219,
    IDC_PUSH = 300, // push button without handlers
    IDC_CHECK, // auto check box without handlers
    IDC_UPDATED, // push button with an update handler in the parent
    IDC_SELF, // a control that updates itself
};

class CCommandWnd : public CWnd
{
public:
    afx_msg void OnDisabled() { Note("OnDisabled", ID_DISABLED); }
    afx_msg void OnPlain() { Note("OnPlain", ID_PLAIN); }
    afx_msg BOOL OnEx(UINT nID)
    {
        Note("OnEx", nID);
        return FALSE;
    }
    afx_msg void OnRange(UINT nID) { Note("OnRange", nID); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI)
    {
        Note("OnUpdateDisabled", pCmdUI->m_nID);
        pCmdUI->Enable(FALSE);
    }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI)
    {
        Note("OnUpdateChecked", pCmdUI->m_nID);
        pCmdUI->SetCheck(1);
        pCmdUI->SetText("Renamed");
    }
    afx_msg void OnUpdateRadio(CCmdUI* pCmdUI)
    {
        Note("OnUpdateRadio", pCmdUI->m_nID);
        pCmdUI->SetRadio(TRUE);
    }
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI)
    {
        Note("OnUpdateRange", pCmdUI->m_nID);
        // The next target in the route may update it as well.
        pCmdUI->ContinueRouting();
    }
    // One handler passes the message on through the base class, the other keeps it.
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        Note("OnSize");
        CWnd::OnSize(nType, cx, cy);
    }
    afx_msg void OnMove(int, int) { Note("OnMove"); }
    afx_msg void OnUpdateButton(CCmdUI* pCmdUI)
    {
        Note("OnUpdateButton", pCmdUI->m_nID);
        pCmdUI->SetText("Go");
        pCmdUI->SetCheck(1);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_COMMAND(ID_DISABLED, &CCommandWnd::OnDisabled)
    ON_COMMAND(ID_PLAIN, &CCommandWnd::OnPlain)
    ON_COMMAND_EX(ID_EX, &CCommandWnd::OnEx)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, &CCommandWnd::OnRange)
    ON_UPDATE_COMMAND_UI(ID_DISABLED, &CCommandWnd::OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_CHECKED, &CCommandWnd::OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_RADIO, &CCommandWnd::OnUpdateRadio)
    ON_UPDATE_COMMAND_UI_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, &CCommandWnd::OnUpdateRange)
    ON_UPDATE_COMMAND_UI(IDC_UPDATED, &CCommandWnd::OnUpdateButton)
END_MESSAGE_MAP()

class CSelfUpdatingButton : public CWnd
{
public:
    afx_msg void OnUpdateSelf(CCmdUI* pCmdUI)
    {
        Note("Button::OnUpdateSelf", pCmdUI->m_nID);
        pCmdUI->Enable(FALSE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfUpdatingButton, CWnd)
    ON_UPDATE_COMMAND_UI_REFLECT(&CSelfUpdatingButton::OnUpdateSelf)
END_MESSAGE_MAP()

class CmdRouting : public ::testing::Test
{
protected:
    MessageRecorder m_recorder;
    CCommandWnd m_wnd;
    void SetUp() override
    {
        recorder = &m_recorder;
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), "commands", WS_POPUP, CRect(0, 0, 300, 200), NULL, 0));
        m_recorder.Clear(); // the handlers' notes of the creation
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        recorder = NULL;
    }
};

TEST_F(CmdRouting, MenuCommandsRouteUnlessTheirUpdateHandlerDisablesThem)
{
    m_recorder.Watch(m_wnd.m_hWnd, "wnd");
    m_recorder.Clear();
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_DISABLED, 0), 0);
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_PLAIN, 0), 0);
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_RANGE_FIRST + 4, 1), 0); // from an accelerator
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_ORPHAN, 0), 0);
    EXPECT_FALSE(m_wnd.OnCmdMsg(ID_EX, CN_COMMAND, NULL, NULL)); // the handler passes it on
    // A command that a handler took stops there; one that nobody handles goes on to the
    // default window procedure.
    const std::vector<ExpectedMsg> expected = {
        {"wnd", WM_COMMAND, msgSent | msgNoDefault},
        {"OnUpdateDisabled", 0, msgNote | msgWParam, ID_DISABLED},
        {"wnd", WM_COMMAND, msgSent | msgNoDefault},
        {"OnPlain", 0, msgNote | msgWParam, ID_PLAIN},
        {"wnd", WM_COMMAND, msgSent | msgNoDefault},
        {"OnUpdateRange", 0, msgNote | msgWParam, ID_RANGE_FIRST + 4},
        {"OnRange", 0, msgNote | msgWParam, ID_RANGE_FIRST + 4},
        {"wnd", WM_COMMAND, msgSent | msgDefault},
        {"OnEx", 0, msgNote | msgWParam, ID_EX},
    };
    EXPECT_TRUE(m_recorder.Matches(expected));

    // Asking whether a handler exists calls nothing.
    m_recorder.Clear();
    AFX_CMDHANDLERINFO info = {NULL, NULL};
    EXPECT_TRUE(m_wnd.OnCmdMsg(ID_PLAIN, CN_COMMAND, NULL, &info));
    EXPECT_EQ(&m_wnd, info.pTarget);
    EXPECT_FALSE(m_wnd.OnCmdMsg(ID_ORPHAN, CN_COMMAND, NULL, &info));
    EXPECT_TRUE(m_recorder.Log().empty());
}

TEST_F(CmdRouting, OnlyHandlersThatCallTheBaseClassReachTheDefaultProcedure)
{
    m_recorder.Watch(m_wnd.m_hWnd, "wnd");
    m_recorder.Clear();
    m_wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(30, 20));
    m_wnd.SendMessage(WM_MOVE, 0, MAKELPARAM(5, 6));
    m_wnd.SendMessage(WM_USER + 7); // no handler at all
    const std::vector<ExpectedMsg> expected = {
        {"wnd", WM_SIZE, msgSent | msgDefault},
        {"OnSize", 0, msgNote},
        {"wnd", WM_MOVE, msgSent | msgNoDefault},
        {"OnMove", 0, msgNote},
        {"wnd", WM_USER + 7, msgSent | msgDefault},
    };
    EXPECT_TRUE(m_recorder.Matches(expected));
}

TEST_F(CmdRouting, UpdatesRealMenuItemsByPosition)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_DISABLED, "Disabled");
    menu.AppendMenu(MF_STRING, ID_CHECKED, "Checked");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_ORPHAN, "Orphan");
    menu.AppendMenu(MF_STRING, ID_PLAIN, "Plain");
    menu.AppendMenu(MF_STRING, ID_RADIO, "Radio");
    menu.AppendMenu(MF_STRING, ID_RANGE_FIRST, "Range");

    CCmdUI state;
    state.m_pMenu = &menu;
    state.m_nIndexMax = (UINT)menu.GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = menu.GetMenuItemID((int)state.m_nIndex);
        state.DoUpdate(&m_wnd, TRUE);
    }

    const std::vector<ExpectedMsg> expected = {
        {"OnUpdateDisabled", 0, msgNote | msgWParam, ID_DISABLED},
        {"OnUpdateChecked", 0, msgNote | msgWParam, ID_CHECKED},
        {"OnUpdateRadio", 0, msgNote | msgWParam, ID_RADIO},
        {"OnUpdateRange", 0, msgNote | msgWParam, ID_RANGE_FIRST},
    };
    EXPECT_TRUE(m_recorder.Matches(expected));

    auto state_of = [&](UINT nID) { return menu.GetMenuState(nID, MF_BYCOMMAND); };
    EXPECT_TRUE(state_of(ID_DISABLED) & MF_GRAYED);
    EXPECT_TRUE(state_of(ID_CHECKED) & MF_CHECKED);
    // Its update handler did not enable it and no target handles the command itself.
    EXPECT_TRUE(state_of(ID_CHECKED) & MF_GRAYED);
    char szText[64] = "";
    menu.GetMenuString(ID_CHECKED, szText, sizeof(szText), MF_BYCOMMAND);
    EXPECT_STREQ("Renamed", szText);
    EXPECT_TRUE(state_of(ID_ORPHAN) & MF_GRAYED); // no handler at all
    EXPECT_FALSE(state_of(ID_PLAIN) & MF_GRAYED); // a command handler is enough
    EXPECT_FALSE(state_of(ID_RANGE_FIRST) & MF_GRAYED); // its update did not enable or disable it
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    ASSERT_TRUE(::GetMenuItemInfoA(menu.m_hMenu, ID_RADIO, FALSE, &info));
    EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
    EXPECT_TRUE(info.fState & MFS_CHECKED);
}

TEST_F(CmdRouting, UpdateDialogControlsAsksTheControlThenTheParentThenTheTarget)
{
    auto button = [&](UINT nID, DWORD dwStyle, const char* text) {
        return ::CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 60, 20, m_wnd.m_hWnd,
            (HMENU)(UINT_PTR)nID, NULL, NULL);
    };
    HWND hPush = button(IDC_PUSH, BS_PUSHBUTTON, "Push");
    HWND hCheck = button(IDC_CHECK, BS_AUTOCHECKBOX, "Check");
    HWND hUpdated = button(IDC_UPDATED, BS_AUTOCHECKBOX, "Updated");
    button(IDC_SELF, BS_PUSHBUTTON, "Self");
    CSelfUpdatingButton self;
    ASSERT_TRUE(self.SubclassDlgItem(IDC_SELF, &m_wnd));

    m_wnd.UpdateDialogControls(&m_wnd, TRUE);

    const std::vector<ExpectedMsg> expected = {
        {"OnUpdateButton", 0, msgNote | msgWParam, IDC_UPDATED},
        {"Button::OnUpdateSelf", 0, msgNote | msgWParam, IDC_SELF},
    };
    EXPECT_TRUE(m_recorder.Matches(expected));
    EXPECT_FALSE(::IsWindowEnabled(hPush)); // push buttons need a handler
    EXPECT_TRUE(::IsWindowEnabled(hCheck)); // check boxes keep their state
    EXPECT_TRUE(::IsWindowEnabled(hUpdated));
    char szText[32] = "";
    ::GetWindowTextA(hUpdated, szText, sizeof(szText));
    EXPECT_STREQ("Go", szText);
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(hUpdated, BM_GETCHECK, 0, 0));
    EXPECT_FALSE(::IsWindowEnabled(self.m_hWnd));
}

TEST(WindowText, AnUnchangedTextIsNotSetAgain)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "same", WS_POPUP, 0, 0, 50, 20, NULL, NULL, NULL, NULL);
    MessageRecorder rec;
    rec.Watch(hWnd, "static");
    AfxSetWindowText(hWnd, "same");
    AfxSetWindowText(hWnd, "other");
    AfxSetWindowText(hWnd, "other text that is longer than before");
    int nSetText = 0;
    for (const MessageRecorder::Entry& entry : rec.Log())
        nSetText += entry.message == WM_SETTEXT;
    EXPECT_EQ(2, nSetText);
    char szText[64] = "";
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    EXPECT_STREQ("other text that is longer than before", szText);
    ::DestroyWindow(hWnd);
}

} // namespace
