// The message loop: pre-translation up the window chain, thread messages, idle-time command-UI
// updates and the end of the loop when the main window goes.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "support/MessageRecorder.h"

namespace {

MessageRecorder* recorder = NULL;
const UINT WM_TEST_THREAD = WM_APP + 20;

class CChainWnd : public CWnd
{
public:
    const char* m_pszName = "";
    BOOL m_bEat = FALSE;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        recorder->Note(m_pszName, pMsg->message);
        return m_bEat;
    }
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
    {
        recorder->Note(m_pszName, WM_IDLEUPDATECMDUI, wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CChainWnd, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CChainWnd::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class CTestThread : public CWinThread
{
public:
    int m_nQuitAt = -1;
    afx_msg void OnThreadMessage(WPARAM wParam, LPARAM lParam)
    {
        recorder->Note("Thread::OnThreadMessage", WM_TEST_THREAD, wParam, lParam);
    }
    BOOL OnIdle(LONG lCount) override
    {
        recorder->Note("Thread::OnIdle", 0, (WPARAM)lCount);
        BOOL bMore = CWinThread::OnIdle(lCount);
        if (lCount == m_nQuitAt)
            ::PostQuitMessage(7);
        return bMore;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestThread, CWinThread)
    ON_THREAD_MESSAGE(WM_TEST_THREAD, &CTestThread::OnThreadMessage)
END_MESSAGE_MAP()

class WinThread : public ::testing::Test
{
protected:
    MessageRecorder m_recorder;
    CTestThread m_thread;
    CChainWnd m_main, m_child, m_grandChild;
    HWND m_hForeign = NULL; // a child without a framework object

    void SetUp() override
    {
        recorder = &m_recorder;
        PumpMessages(); // nothing of earlier tests left in the queue
        m_main.m_pszName = "main";
        m_child.m_pszName = "child";
        m_grandChild.m_pszName = "grandchild";
        ASSERT_TRUE(m_main.CreateEx(0, AfxRegisterWndClass(0), "main", WS_POPUP, CRect(0, 0, 300, 200), NULL, 0));
        ASSERT_TRUE(m_child.Create(NULL, "child", WS_VISIBLE, CRect(0, 0, 200, 100), &m_main, 1));
        ASSERT_TRUE(m_grandChild.Create(NULL, "grandchild", WS_VISIBLE, CRect(0, 0, 100, 50), &m_child, 2));
        m_hForeign = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 60, 20, 20, m_child.m_hWnd, NULL, NULL, NULL);
        m_thread.m_pMainWnd = &m_main;
        m_recorder.Watch(m_grandChild.m_hWnd, "grandchild");
        m_recorder.Watch(m_hForeign, "foreign");
    }
    void TearDown() override
    {
        m_thread.m_pMainWnd = NULL;
        m_main.DestroyWindow();
        PumpMessages();
        recorder = NULL;
    }
};

TEST_F(WinThread, EveryMessageMeetsPreTranslateFromItsWindowUpToTheMainWindow)
{
    ASSERT_EQ(&m_thread, AfxGetThread());
    // Keys without characters, so that translation adds nothing to the queue.
    m_grandChild.PostMessage(WM_KEYDOWN, VK_F2, 1);
    EXPECT_TRUE(m_thread.PumpMessage());
    m_child.m_bEat = TRUE;
    m_grandChild.PostMessage(WM_KEYDOWN, VK_F3, 1);
    EXPECT_TRUE(m_thread.PumpMessage());
    m_child.m_bEat = FALSE;
    ::PostMessageA(m_hForeign, WM_KEYUP, VK_F4, 1);
    EXPECT_TRUE(m_thread.PumpMessage());
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_TEST_THREAD, 5, 6);
    EXPECT_TRUE(m_thread.PumpMessage());

    const std::vector<ExpectedMsg> expected = {
        {"grandchild", WM_KEYDOWN, msgNote},
        {"child", WM_KEYDOWN, msgNote},
        {"main", WM_KEYDOWN, msgNote},
        {"grandchild", WM_KEYDOWN, msgPosted | msgWParam, VK_F2},
        {"grandchild", WM_KEYDOWN, msgNote},
        {"child", WM_KEYDOWN, msgNote}, // eaten here: never dispatched
        {"child", WM_KEYUP, msgNote}, // the foreign window has no object to ask
        {"main", WM_KEYUP, msgNote},
        {"foreign", WM_KEYUP, msgPosted | msgWParam, VK_F4},
        {"Thread::OnThreadMessage", WM_TEST_THREAD, msgNote | msgWParam | msgLParam, 5, 6},
    };
    EXPECT_TRUE(m_recorder.Matches(expected));
}

TEST_F(WinThread, IdleTimeUpdatesReachTheVisibleMainWindowAndItsFrameworkDescendants)
{
    // Hidden, the main window gets none.
    m_recorder.Clear();
    EXPECT_TRUE(m_thread.OnIdle(0));
    m_thread.m_nQuitAt = 1;
    m_main.ShowWindow(SW_SHOWNA);
    PumpMessages();
    m_recorder.Note("shown");
    EXPECT_EQ(7, m_thread.Run());
    const std::vector<ExpectedMsg> expected = {
        {"Thread::OnIdle", 0, msgNote | msgWParam, 0},
        {"shown", 0, msgNote},
        {"Thread::OnIdle", 0, msgNote | msgWParam, 0},
        {"main", WM_IDLEUPDATECMDUI, msgNote | msgWParam, TRUE},
        // Straight to the objects (not through the window procedure); the foreign static has none.
        {"child", WM_IDLEUPDATECMDUI, msgNote | msgWParam, TRUE},
        {"grandchild", WM_IDLEUPDATECMDUI, msgNote | msgWParam, TRUE},
        {"Thread::OnIdle", 0, msgNote | msgWParam, 1},
    };
    EXPECT_TRUE(m_recorder.Matches(expected));
}

TEST_F(WinThread, DestroyingTheMainWindowEndsTheLoop)
{
    m_thread.m_nQuitAt = -1;
    m_main.PostMessage(WM_CLOSE); // the default processing destroys the window
    EXPECT_EQ(0, m_thread.Run());
    EXPECT_EQ(NULL, m_thread.m_pMainWnd);
    EXPECT_EQ(NULL, m_main.m_hWnd);
}

} // namespace
