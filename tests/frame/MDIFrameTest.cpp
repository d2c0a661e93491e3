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

// Notes each target a command reaches (not the update passes); TRUE for the command's handler.
BOOL Offer(const char* who, UINT nID, int nCode, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    const std::pair<std::string, UINT> handlers[] = {
        {"view", ID_KW_TEST_VIEWCMD}, {"view", ID_EDIT_COPY}, {"edit", ID_EDIT_COPY}};
    BOOL bHandler = std::count(std::begin(handlers), std::end(handlers), std::make_pair(std::string(who), nID)) != 0;
    if (nCode == CN_COMMAND && pHandlerInfo == NULL)
    {
        Note(who);
        if (bHandler)
            Note(std::string(who) + " handles");
    }
    return nCode == CN_COMMAND && bHandler;
}

#define KW_ROUTED(Base, who)                                                                          \
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override       \
    {                                                                                                 \
        return Offer(who, nID, nCode, pHandlerInfo) || Base::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo); \
    }

class CRouteDoc : public CDocument
{
    DECLARE_DYNCREATE(CRouteDoc)
    KW_ROUTED(CDocument, "doc")
};
IMPLEMENT_DYNCREATE(CRouteDoc, CDocument)

class CRouteView : public CView
{
    DECLARE_DYNCREATE(CRouteView)
    void OnDraw(CDC*) override {}
    KW_ROUTED(CView, "view")
};
IMPLEMENT_DYNCREATE(CRouteView, CView)

struct CRouteBar : CBCGPControlBar
{
    CSize CalcFixedLayout(BOOL bStretch, BOOL) override { return CSize(bStretch ? 32767 : 200, 24); }
    KW_ROUTED(CBCGPControlBar, "bar")
};

struct CRouteApp : CKwWinApp
{
    CRouteApp() : CKwWinApp("KwMDIFrameTests") {}
    KW_ROUTED(CKwWinApp, "app")
};

// An edit control of a bar that asks its frame again for one command (once) and throws for Find.
struct CRouteEdit : CEdit
{
    BOOL m_bAgain = FALSE;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        BOOL bHandled = Offer("edit", nID, nCode, pHandlerInfo);
        if (nID == ID_KW_TEST_REENTER && nCode == CN_COMMAND && pHandlerInfo == NULL && !m_bAgain)
        {
            m_bAgain = TRUE;
            Note(GetTopLevelFrame()->OnCmdMsg(nID, nCode, pExtra, NULL) ? "again: handled" : "again: refused");
            m_bAgain = FALSE;
        }
        if (nID == ID_EDIT_FIND && nCode == CN_COMMAND)
            AfxThrowUserException();
        return bHandled || CEdit::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

struct CTestFrame : CKwMDIFrameWnd
{
    UINT StaysActive() const { return m_nFlags & WF_STAYACTIVE; }
    afx_msg void OnFrameCmd() { Note("frame handles"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestFrame, CKwMDIFrameWnd)
    ON_COMMAND(ID_KW_TEST_FRAMECMD, &CTestFrame::OnFrameCmd)
END_MESSAGE_MAP()

// Owned by the frame, asks to keep its caption active while m_bSync.
struct CFloatingWnd : CWnd
{
    BOOL m_bSync = TRUE;
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM) { return (wParam & FS_SYNCACTIVE) && m_bSync; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFloatingWnd, CWnd)
    ON_MESSAGE(WM_FLOATSTATUS, &CFloatingWnd::OnFloatStatus)
END_MESSAGE_MAP()

CString WindowText(CWnd* pWnd)
{
    CString strText;
    return pWnd->GetWindowText(strText), strText;
}

const char s_szKey[] = "Software\\KwUi Tests (MDIFrame)";
const char* const s_entries[] = {"showCmd.showMaximized", "rcNormalPosition.left", "rcNormalPosition.top",
    "rcNormalPosition.right", "rcNormalPosition.bottom"};

// The main window, 640 x 480, with a bar holding an edit control, and the "Model" documents; the
// profile under a key of the test's own.
struct MDIFrameTest : ::testing::Test
{
    CRouteApp m_app;
    CTestFrame* m_pFrame = nullptr;
    CMultiDocTemplate* m_pTemplate = nullptr;
    CRouteBar m_bar;
    CRouteEdit m_edit;

    void SetUp() override
    {
        g_calls.clear();
        ::SHDeleteKeyA(HKEY_CURRENT_USER, s_szKey);
        m_app.SetRegistryKey(s_szKey + strlen("Software\\"));
        m_pTemplate = new CMultiDocTemplate(IDR_KW_VIEWER_DOC, RUNTIME_CLASS(CRouteDoc),
            RUNTIME_CLASS(CBCGPMDIChildWnd), RUNTIME_CLASS(CRouteView));
        m_app.AddDocTemplate(m_pTemplate);
        m_pFrame = NewFrame();
        m_app.m_pMainWnd = m_pFrame;
        m_bar.CreateBar("Tools", WS_CHILD | WS_VISIBLE, CBRS_TOP, CRect(0, 0, 0, 0), m_pFrame, 0xE820);
        m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(2, 2, 150, 20), &m_bar, 100);
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
        ::SHDeleteKeyA(HKEY_CURRENT_USER, s_szKey);
    }
    static CTestFrame* NewFrame()
    {
        CTestFrame* pFrame = new CTestFrame;
        EXPECT_TRUE(pFrame->LoadFrame(IDR_KW_VIEWER));
        return pFrame;
    }
    CView* OpenModel()
    {
        EXPECT_TRUE(m_pTemplate->OpenDocumentFile(NULL) != NULL);
        return m_pFrame->MDIGetActive()->GetActiveView();
    }
    // The route of one command sent as from a menu.
    Calls Route(UINT nID) { return g_calls.clear(), m_pFrame->SendMessage(WM_COMMAND, nID, 0), g_calls; }
    BOOL Enabled(UINT nID) { return CommandEnabled(m_pFrame, nID); }
    std::vector<int> Profile()
    {
        std::vector<int> values;
        for (const char* entry : s_entries)
            values.push_back((int)m_app.GetProfileInt("Frame", entry, -99));
        return values;
    }
    // Closes the frame (not the main window: that would end the thread) and shows a new one.
    void Reopen(int nCmdShow = SW_SHOWNORMAL)
    {
        m_app.m_pMainWnd = NULL;
        m_pFrame->SendMessage(WM_CLOSE);
        m_app.m_nCmdShow = nCmdShow;
        m_pFrame = NewFrame();
        m_pFrame->ShowFrame();
    }
    CRect Placed(CRect* pNormal = nullptr)
    {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof(wp);
        m_pFrame->GetWindowPlacement(&wp);
        *(pNormal != nullptr ? pNormal : &wp.rcNormalPosition) = wp.rcNormalPosition;
        CRect rect;
        m_pFrame->GetWindowRect(&rect);
        return rect;
    }
};

TEST_F(MDIFrameTest, CommandsGoToTheFocusChainFirstAndEditCommandsNeverToTheViewPastIt)
{
    CView* pView = OpenModel();
    m_edit.SetFocus();
    EXPECT_EQ((Calls{"edit", "edit handles"}), Route(ID_EDIT_COPY));
    // An edit command nobody in the chain takes skips the view and its document.
    EXPECT_EQ((Calls{"edit", "bar", "app"}), Route(ID_EDIT_UNDO));
    // Other commands reach the active view, then the frame's handlers, then the application.
    EXPECT_EQ((Calls{"edit", "bar", "view", "view handles"}), Route(ID_KW_TEST_VIEWCMD));
    EXPECT_EQ((Calls{"edit", "bar", "view", "doc", "frame handles"}), Route(ID_KW_TEST_FRAMECMD));
    EXPECT_EQ((Calls{"edit", "bar", "view", "doc", "app"}), Route(ID_EDIT_PASTE_SPECIAL));
    // A window of the chain that asks its frame again gets nothing; the route goes on.
    EXPECT_EQ((Calls{"edit", "again: refused", "bar", "view", "doc", "app"}), Route(ID_KW_TEST_REENTER));
    // A handler that throws leaves the frame ready for the next command.
    EXPECT_TRUE(ThrowsAfx<CUserException>([&] { m_pFrame->OnCmdMsg(ID_EDIT_FIND, CN_COMMAND, NULL, NULL); }));
    EXPECT_EQ((Calls{"edit", "bar", "view", "view handles"}), Route(ID_KW_TEST_VIEWCMD));
    // With the focus in the view, the chain stops at its child frame.
    pView->SetFocus();
    EXPECT_EQ((Calls{"view", "view handles"}), Route(ID_EDIT_COPY));
    EXPECT_EQ((Calls{"view", "doc", "view", "doc", "frame handles"}), Route(ID_KW_TEST_FRAMECMD));
}

TEST_F(MDIFrameTest, TheFocusComesBackAfterDeactivationAndAFloatingWindowKeepsTheCaptionActive)
{
    OpenModel();
    CFloatingWnd floating;
    floating.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, 700, 0, 99, 99, m_pFrame->m_hWnd, NULL);
    HWND hOther = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 700, 200, 99, 99, NULL, NULL, NULL, NULL);
    m_edit.SetFocus();
    ::SetForegroundWindow(hOther);
    EXPECT_EQ(0u, m_pFrame->StaysActive());
    m_pFrame->SetForegroundWindow();
    EXPECT_EQ(m_edit.m_hWnd, ::GetFocus()); // not the active child's view
    EXPECT_EQ(WF_STAYACTIVE, m_pFrame->StaysActive());
    floating.SetActiveWindow();
    EXPECT_EQ(WF_STAYACTIVE, m_pFrame->StaysActive());
    m_pFrame->SetForegroundWindow();
    floating.m_bSync = FALSE;
    floating.SetActiveWindow();
    EXPECT_EQ(0u, m_pFrame->StaysActive());
    ::DestroyWindow(hOther);
    floating.DestroyWindow();
}

TEST_F(MDIFrameTest, TheProfileRemembersThePlaceAndTheMaximizedState)
{
    // First start: maximized over the default normal rectangle.
    m_app.m_pMainWnd = NULL;
    m_pFrame->DestroyWindow();
    m_pFrame = NewFrame();
    m_pFrame->MoveWindow(40, 30, 500, 400);
    m_pFrame->ShowFrame();
    CRect rcNormal;
    Placed(&rcNormal);
    EXPECT_TRUE(m_pFrame->IsZoomed());
    EXPECT_EQ(CRect(40, 30, 540, 430), rcNormal);
    // Closed normal, it comes back normal where it was.
    m_pFrame->ShowWindow(SW_RESTORE);
    m_pFrame->MoveWindow(100, 80, 400, 300);
    Reopen();
    EXPECT_EQ((std::vector<int>{0, 100, 80, 500, 380}), Profile());
    EXPECT_EQ(CRect(100, 80, 500, 380), Placed());
    EXPECT_TRUE(m_pFrame->IsWindowVisible() && !m_pFrame->IsZoomed());
    // Closed maximized but started minimized, it stays minimized.
    m_pFrame->ShowWindow(SW_MAXIMIZE);
    Reopen(SW_SHOWMINNOACTIVE);
    EXPECT_EQ((std::vector<int>{1, 100, 80, 500, 380}), Profile());
    EXPECT_TRUE(m_pFrame->IsIconic());
    // A rectangle on a monitor that is gone comes back onto one; a show command the framework
    // has used up already shows it normal.
    const int stored[] = {0, 30000, 30000, 30400, 30300};
    for (int i = 0; i < 5; i++)
        m_app.WriteProfileInt("Frame", s_entries[i], stored[i]);
    m_pFrame->DestroyWindow();
    m_pFrame = NewFrame();
    m_app.m_nCmdShow = -1;
    m_pFrame->ShowFrame();
    CRect rect = Placed();
    EXPECT_TRUE(::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != NULL);
    EXPECT_EQ(CSize(400, 300), rect.Size());
    EXPECT_TRUE(m_pFrame->IsWindowVisible() && !m_pFrame->IsZoomed() && !m_pFrame->IsIconic());
}

TEST_F(MDIFrameTest, TheTitleAndTheWindowListCommandsFollowTheChildren)
{
    const UINT ids[] = {ID_KW_WINDOW_NEXT, ID_KW_WINDOW_PREV, ID_KW_WINDOW_CLOSEALL};
    EXPECT_EQ(0, Enabled(ids[0]) + Enabled(ids[1]) + Enabled(ids[2]));
    m_pFrame->OnUpdateFrameTitle(TRUE);
    EXPECT_EQ(CString("Viewer"), WindowText(m_pFrame));
    std::vector<CWnd*> children;
    for (int i = 0; i < 3; i++)
        children.push_back(OpenModel()->GetParentFrame());
    EXPECT_EQ(3, Enabled(ids[0]) + Enabled(ids[1]) + Enabled(ids[2]));
    EXPECT_EQ(CString("Model3 - Viewer"), WindowText(m_pFrame)); // the document's name first
    // Next goes in the order the windows were opened, previous back.
    std::vector<int> active;
    for (UINT nID : {ids[0], ids[0], ids[0], ids[1], ids[1]})
    {
        m_pFrame->SendMessage(WM_COMMAND, nID, 0);
        active.push_back(int(std::find(children.begin(), children.end(), m_pFrame->MDIGetActive()) - children.begin()));
    }
    EXPECT_EQ((std::vector<int>{0, 1, 2, 1, 0}), active);
    // A system command of the maximized child's menu reaches the child.
    m_pFrame->MDIMaximize(m_pFrame->MDIGetActive());
    EXPECT_EQ(1, m_pFrame->SendMessage(WM_COMMAND, SC_RESTORE, 0));
    EXPECT_FALSE(m_pFrame->MDIGetActive()->IsZoomed());
    EXPECT_EQ(0, m_pFrame->SendMessage(WM_COMMAND, 0x7FF0, 0)); // nobody's

    m_pFrame->SendMessage(WM_COMMAND, ID_KW_WINDOW_CLOSEALL, 0);
    EXPECT_EQ(0, m_app.GetOpenDocumentCount());
    EXPECT_EQ(0, Enabled(ids[0]) + Enabled(ids[1]) + Enabled(ids[2]));
}

} // namespace
