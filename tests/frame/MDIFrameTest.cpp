// The application's main frame: the command route recorded whole (focus chain, view, frame,
// application), activation with a floating window, its placement in the profile, its title, and
// the window-list commands.
#include "FrameHost.h"
#include "MDIFrameTest.rh"

#include "frame/KwMDIFrameWnd.h"
#include "support/AfxExceptionCatch.h"
#include "support/MessageRecorder.h"

#include <CBCGPControlBar.h>
#include <CBCGPMDIChildWnd.h>
#include <CUserException.h>
#include <afxpriv.h>

#include <shlwapi.h>

#include <algorithm>

namespace {

// Notes each target a command reaches (not the update passes).
void NoteOffer(const char* who, int nCode, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nCode == CN_COMMAND && pHandlerInfo == NULL)
        Note(who);
}

class CRouteDoc : public CDocument
{
    DECLARE_DYNCREATE(CRouteDoc)
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        NoteOffer("doc", nCode, pHandlerInfo);
        return CDocument::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};
IMPLEMENT_DYNCREATE(CRouteDoc, CDocument)

// Handles a command of its own and Copy.
class CRouteView : public CView
{
    DECLARE_DYNCREATE(CRouteView)
public:
    void OnDraw(CDC*) override {}
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        NoteOffer("view", nCode, pHandlerInfo);
        return CView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    afx_msg void OnViewCmd() { Note("view handles"); }
    afx_msg void OnCopy() { Note("view copies"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRouteView, CView)
BEGIN_MESSAGE_MAP(CRouteView, CView)
    ON_COMMAND(ID_KW_TEST_VIEWCMD, &CRouteView::OnViewCmd)
    ON_COMMAND(ID_EDIT_COPY, &CRouteView::OnCopy)
END_MESSAGE_MAP()

class CRouteChild : public CBCGPMDIChildWnd
{
    DECLARE_DYNCREATE(CRouteChild)
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        NoteOffer("child", nCode, pHandlerInfo);
        return CBCGPMDIChildWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};
IMPLEMENT_DYNCREATE(CRouteChild, CBCGPMDIChildWnd)

// An edit control of a bar that copies, asks its frame again for one command (once) and
// throws for another.
class CRouteEdit : public CEdit
{
public:
    int m_nDepth = 0;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        NoteOffer("edit", nCode, pHandlerInfo);
        if (nID == ID_KW_TEST_REENTER && nCode == CN_COMMAND && pHandlerInfo == NULL && m_nDepth == 0)
        {
            m_nDepth++;
            Note(GetTopLevelFrame()->OnCmdMsg(nID, nCode, pExtra, NULL) ? "again: handled" : "again: refused");
            m_nDepth--;
        }
        if (nID == ID_EDIT_FIND && nCode == CN_COMMAND && pHandlerInfo == NULL)
            AfxThrowUserException();
        return CEdit::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    afx_msg void OnCopy() { Note("edit copies"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRouteEdit, CEdit)
    ON_COMMAND(ID_EDIT_COPY, &CRouteEdit::OnCopy)
END_MESSAGE_MAP()

class CRouteBar : public CBCGPControlBar
{
public:
    CSize CalcFixedLayout(BOOL bStretch, BOOL) override { return CSize(bStretch ? 32767 : 200, 24); }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        NoteOffer("bar", nCode, pHandlerInfo);
        return CBCGPControlBar::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

class CTestFrame : public CKwMDIFrameWnd
{
public:
    UINT Flags() const { return m_nFlags; }
    afx_msg void OnFrameCmd() { Note("frame handles"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestFrame, CKwMDIFrameWnd)
    ON_COMMAND(ID_KW_TEST_FRAMECMD, &CTestFrame::OnFrameCmd)
END_MESSAGE_MAP()

class CRouteApp : public CKwWinApp
{
public:
    CRouteApp() : CKwWinApp("KwMDIFrameTests") {}
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        NoteOffer("app", nCode, pHandlerInfo);
        return CKwWinApp::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

// A window floating beside the frame (owned by it) that keeps the frame's caption active while
// m_bSync, and notes what the frame tells it.
class CFloatingWnd : public CWnd
{
public:
    std::vector<WPARAM> m_status;
    BOOL m_bSync = TRUE;
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM)
    {
        m_status.push_back(wParam);
        return (wParam & FS_SYNCACTIVE) != 0 && m_bSync;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFloatingWnd, CWnd)
    ON_MESSAGE(WM_FLOATSTATUS, &CFloatingWnd::OnFloatStatus)
END_MESSAGE_MAP()

CString WindowText(CWnd* pWnd)
{
    CString strText;
    pWnd->GetWindowText(strText);
    return strText;
}

const char s_szCompany[] = "KwUi Tests (MDIFrame)";

// A main frame (the application's main window, shown at 640 x 480) with the "Model" document
// type; the profile under a key of the test's own.
struct MDIFrameTest : ::testing::Test
{
    CRouteApp m_app;
    CTestFrame* m_pFrame = nullptr;
    CMultiDocTemplate* m_pTemplate = nullptr;

    void SetUp() override
    {
        g_calls.clear();
        ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + s_szCompany);
        m_app.SetRegistryKey(s_szCompany);
        m_pTemplate = new CMultiDocTemplate(IDR_KW_VIEWER_DOC, RUNTIME_CLASS(CRouteDoc), RUNTIME_CLASS(CRouteChild),
            RUNTIME_CLASS(CRouteView));
        m_app.AddDocTemplate(m_pTemplate);
        m_pFrame = NewFrame();
        ASSERT_TRUE(m_pFrame != nullptr);
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->SetWindowPos(NULL, 0, 0, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
        m_pFrame->SetForegroundWindow();
        PumpMessages(0);
    }
    void TearDown() override
    {
        m_app.CloseAllDocuments(FALSE);
        m_app.m_pMainWnd = NULL;
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow(); // deletes it
        ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + s_szCompany);
    }
    static CTestFrame* NewFrame()
    {
        CTestFrame* pFrame = new CTestFrame;
        return pFrame->LoadFrame(IDR_KW_VIEWER) ? pFrame : nullptr;
    }
    CRouteChild* OpenModel()
    {
        CDocument* pDoc = m_pTemplate->OpenDocumentFile(NULL);
        return pDoc != NULL ? (CRouteChild*)m_pFrame->MDIGetActive() : nullptr;
    }
    // The route of one command sent as from a menu.
    Calls Route(UINT nID)
    {
        g_calls.clear();
        m_pFrame->SendMessage(WM_COMMAND, nID, 0);
        return g_calls;
    }
    BOOL Enabled(UINT nID)
    {
        struct CStateCmdUI : CCmdUI
        {
            BOOL m_bOn = -1;
            void Enable(BOOL bOn) override { m_bOn = bOn; }
        } state;
        state.m_nID = nID;
        m_pFrame->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, NULL);
        return state.m_bOn;
    }
    // The five entries of "Frame" (-99 for a missing one).
    std::vector<int> Profile()
    {
        std::vector<int> values;
        for (const char* entry : {"showCmd.showMaximized", "rcNormalPosition.left", "rcNormalPosition.top",
                 "rcNormalPosition.right", "rcNormalPosition.bottom"})
            values.push_back((int)m_app.GetProfileInt("Frame", entry, -99));
        return values;
    }
    static CRect NormalRect(CWnd* pWnd)
    {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof(wp);
        pWnd->GetWindowPlacement(&wp);
        return wp.rcNormalPosition;
    }
};

TEST_F(MDIFrameTest, CommandsGoToTheFocusChainFirstAndEditCommandsNeverToTheViewPastIt)
{
    CRouteBar bar;
    ASSERT_TRUE(bar.CreateBar("Tools", WS_CHILD | WS_VISIBLE, CBRS_TOP, CRect(0, 0, 0, 0), m_pFrame, 0xE820));
    CRouteEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(2, 2, 150, 20), &bar, 100));
    m_pFrame->RecalcLayout();
    ASSERT_TRUE(OpenModel() != nullptr);
    CView* pView = m_pFrame->MDIGetActive()->GetActiveView();

    edit.SetFocus();
    ASSERT_EQ(edit.m_hWnd, ::GetFocus());
    EXPECT_EQ((Calls{"edit", "edit copies"}), Route(ID_EDIT_COPY));
    // An edit command nobody in the chain takes skips the view and its document.
    EXPECT_EQ((Calls{"edit", "bar", "app"}), Route(ID_EDIT_UNDO));
    // Other commands reach the active view, then the frame's handlers, then the application.
    EXPECT_EQ((Calls{"edit", "bar", "view", "view handles"}), Route(ID_KW_TEST_VIEWCMD));
    EXPECT_EQ((Calls{"edit", "bar", "view", "doc", "frame handles"}), Route(ID_KW_TEST_FRAMECMD));
    EXPECT_EQ((Calls{"edit", "bar", "view", "doc", "app"}), Route(ID_FILE_PRINT));
    // Paste special is the document's, not the control's.
    EXPECT_EQ((Calls{"edit", "bar", "view", "doc", "app"}), Route(ID_EDIT_PASTE_SPECIAL));
    // A window of the chain that asks its frame again gets nothing; the route goes on.
    EXPECT_EQ((Calls{"edit", "again: refused", "bar", "view", "doc", "app"}), Route(ID_KW_TEST_REENTER));
    // A handler that throws leaves the frame ready for the next command.
    EXPECT_TRUE(ThrowsAfx<CUserException>([&] { m_pFrame->OnCmdMsg(ID_EDIT_FIND, CN_COMMAND, NULL, NULL); }));
    EXPECT_EQ((Calls{"edit", "bar", "view", "view handles"}), Route(ID_KW_TEST_VIEWCMD));

    // With the focus in the view, the chain stops at its child frame.
    pView->SetFocus();
    ASSERT_EQ(pView->m_hWnd, ::GetFocus());
    EXPECT_EQ((Calls{"view", "view copies"}), Route(ID_EDIT_COPY));
    EXPECT_EQ((Calls{"view", "doc", "view", "doc", "frame handles"}), Route(ID_KW_TEST_FRAMECMD));
    bar.DestroyWindow();
}

TEST_F(MDIFrameTest, TheFocusComesBackAfterDeactivationAndAFloatingWindowKeepsTheCaptionActive)
{
    CRouteBar bar;
    ASSERT_TRUE(bar.CreateBar("Tools", WS_CHILD | WS_VISIBLE, CBRS_TOP, CRect(0, 0, 0, 0), m_pFrame, 0xE820));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(2, 2, 150, 20), &bar, 100));
    ASSERT_TRUE(OpenModel() != nullptr);
    CFloatingWnd floating;
    ASSERT_TRUE(floating.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Floating", WS_POPUP | WS_CAPTION | WS_VISIBLE,
        700, 0, 100, 100, m_pFrame->m_hWnd, NULL));
    HWND hOther = ::CreateWindowExA(0, "STATIC", "Other", WS_POPUP | WS_VISIBLE, 700, 200, 100, 100, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(hOther != NULL);

    m_pFrame->SetForegroundWindow();
    edit.SetFocus();
    floating.m_status.clear();
    ::SetForegroundWindow(hOther);
    PumpMessages(0);
    EXPECT_EQ(0u, m_pFrame->Flags() & WF_STAYACTIVE);
    m_pFrame->SetForegroundWindow();
    PumpMessages(0);
    EXPECT_EQ(edit.m_hWnd, ::GetFocus()); // not the active child's view
    EXPECT_EQ(WF_STAYACTIVE, m_pFrame->Flags() & WF_STAYACTIVE);
    // The floating window asks for the caption: it stays active while that window is.
    floating.SetActiveWindow();
    PumpMessages(0);
    EXPECT_EQ(WF_STAYACTIVE, m_pFrame->Flags() & WF_STAYACTIVE);
    m_pFrame->SetForegroundWindow();
    floating.m_bSync = FALSE;
    floating.SetActiveWindow();
    PumpMessages(0);
    EXPECT_EQ(0u, m_pFrame->Flags() & WF_STAYACTIVE);
    EXPECT_EQ((std::vector<WPARAM>{FS_DEACTIVATE, FS_ACTIVATE, FS_SYNCACTIVE, FS_ACTIVATE, FS_ACTIVATE, FS_SYNCACTIVE,
                  FS_DEACTIVATE}),
        floating.m_status);
    ::DestroyWindow(hOther);
    floating.DestroyWindow();
    bar.DestroyWindow();
}

TEST_F(MDIFrameTest, TheProfileRemembersThePlaceAndTheMaximizedState)
{
    // First start: maximized over the default normal rectangle; closing writes both.
    m_app.m_pMainWnd = NULL; // closing the main window would end the test's thread
    m_pFrame->ShowWindow(SW_HIDE);
    m_pFrame->SetWindowPos(NULL, 40, 30, 500, 400, SWP_NOZORDER);
    m_pFrame->ShowFrame();
    EXPECT_TRUE(m_pFrame->IsZoomed());
    EXPECT_EQ(CRect(40, 30, 540, 430), NormalRect(m_pFrame));
    m_pFrame->SendMessage(WM_CLOSE);
    m_pFrame = nullptr;
    EXPECT_EQ((std::vector<int>{1, 40, 30, 540, 430}), Profile());

    // Closed normal: it comes back normal where it was.
    m_pFrame = NewFrame();
    ASSERT_TRUE(m_pFrame != nullptr);
    m_pFrame->ShowFrame();
    m_pFrame->ShowWindow(SW_RESTORE);
    m_pFrame->MoveWindow(100, 80, 400, 300);
    m_pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ((std::vector<int>{0, 100, 80, 500, 380}), Profile());
    m_pFrame = NewFrame();
    ASSERT_TRUE(m_pFrame != nullptr);
    m_pFrame->ShowFrame();
    CRect rect;
    m_pFrame->GetWindowRect(&rect);
    EXPECT_TRUE(m_pFrame->IsWindowVisible() && !m_pFrame->IsZoomed());
    EXPECT_EQ(CRect(100, 80, 500, 380), rect);
    m_pFrame->DestroyWindow();

    // Started minimized, it stays minimized even when it closed maximized.
    m_app.WriteProfileInt("Frame", "showCmd.showMaximized", 1);
    m_app.m_nCmdShow = SW_SHOWMINNOACTIVE;
    m_pFrame = NewFrame();
    ASSERT_TRUE(m_pFrame != nullptr);
    m_pFrame->ShowFrame();
    EXPECT_TRUE(m_pFrame->IsIconic());
    EXPECT_EQ(CRect(100, 80, 500, 380), NormalRect(m_pFrame));

    // A rectangle stored on a monitor that is gone comes back onto one, its size kept; a show
    // command the framework has used up already shows it normal.
    const int stored[] = {0, 30000, 30000, 30400, 30300};
    const char* const entries[] = {"showCmd.showMaximized", "rcNormalPosition.left", "rcNormalPosition.top",
        "rcNormalPosition.right", "rcNormalPosition.bottom"};
    for (int i = 0; i < 5; i++)
        m_app.WriteProfileInt("Frame", entries[i], stored[i]);
    m_app.m_nCmdShow = -1;
    m_pFrame->DestroyWindow();
    m_pFrame = NewFrame();
    ASSERT_TRUE(m_pFrame != nullptr);
    m_pFrame->ShowFrame();
    m_pFrame->GetWindowRect(&rect);
    EXPECT_TRUE(::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != NULL) << rect.left << "," << rect.top;
    EXPECT_EQ(CSize(400, 300), rect.Size());
    EXPECT_TRUE(m_pFrame->IsWindowVisible() && !m_pFrame->IsZoomed() && !m_pFrame->IsIconic());
}

TEST_F(MDIFrameTest, TheDocumentNameComesBeforeTheApplicationsInTheTitle)
{
    m_pFrame->OnUpdateFrameTitle(TRUE);
    EXPECT_EQ(CString("Viewer"), WindowText(m_pFrame));
    ASSERT_TRUE(OpenModel() != nullptr);
    EXPECT_EQ(CString("Model1 - Viewer"), WindowText(m_pFrame));
    m_pFrame->OnUpdateFrameTitle(FALSE);
    EXPECT_EQ(CString("Viewer"), WindowText(m_pFrame));
    m_pFrame->ModifyStyle(FWS_PREFIXTITLE, 0);
    m_pFrame->OnUpdateFrameTitle(TRUE);
    EXPECT_EQ(CString("Viewer - Model1"), WindowText(m_pFrame));
    // A frame that does not add the document leaves its title alone.
    m_pFrame->ModifyStyle(FWS_ADDTOTITLE, 0);
    m_pFrame->SetWindowText("Fixed");
    m_pFrame->OnUpdateFrameTitle(TRUE);
    EXPECT_EQ(CString("Fixed"), WindowText(m_pFrame));
}

TEST_F(MDIFrameTest, WindowListCommandsGoThroughTheChildrenInOrderAndCloseThemAll)
{
    const UINT ids[] = {ID_KW_WINDOW_NEXT, ID_KW_WINDOW_PREV, ID_KW_WINDOW_CLOSEALL};
    for (UINT nID : ids)
        EXPECT_FALSE(Enabled(nID)) << nID;
    std::vector<CWnd*> children;
    for (int i = 0; i < 3; i++)
        children.push_back(OpenModel());
    for (UINT nID : ids)
        EXPECT_TRUE(Enabled(nID)) << nID;
    // Next goes in the order the windows were opened, previous back.
    std::vector<int> active;
    for (UINT nID : {ID_KW_WINDOW_NEXT, ID_KW_WINDOW_NEXT, ID_KW_WINDOW_NEXT, ID_KW_WINDOW_PREV, ID_KW_WINDOW_PREV})
    {
        m_pFrame->SendMessage(WM_COMMAND, nID, 0);
        CWnd* pActive = m_pFrame->MDIGetActive();
        active.push_back(int(std::find(children.begin(), children.end(), pActive) - children.begin()));
    }
    EXPECT_EQ((std::vector<int>{0, 1, 2, 1, 0}), active);

    // A system command of the maximized child's menu reaches the child.
    m_pFrame->MDIMaximize(m_pFrame->MDIGetActive());
    ASSERT_TRUE(m_pFrame->MDIGetActive()->IsZoomed());
    EXPECT_EQ(1, m_pFrame->SendMessage(WM_COMMAND, SC_RESTORE, 0));
    EXPECT_FALSE(m_pFrame->MDIGetActive()->IsZoomed());
    EXPECT_EQ(0, m_pFrame->SendMessage(WM_COMMAND, 0x7FF0, 0)); // nobody's

    m_pFrame->SendMessage(WM_COMMAND, ID_KW_WINDOW_CLOSEALL, 0);
    EXPECT_TRUE(m_pFrame->MDIGetActive() == NULL);
    EXPECT_EQ(0, m_app.GetOpenDocumentCount());
    for (UINT nID : ids)
        EXPECT_FALSE(Enabled(nID)) << nID;
}

} // namespace
