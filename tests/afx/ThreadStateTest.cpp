// The framework's state of each thread: made on first use, freed when the thread ends, and the
// creation hook present only while a window of the framework is being created.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "afxstate.h"

#include <atomic>
#include <thread>
#include <vector>

namespace {

HHOOK CreationHook()
{
    return AfxGetThreadState()->m_hHookOldCbtFilter;
}

// A window that creates a child of its own while it is being created.
class CNestingWnd : public CWnd
{
public:
    CWnd m_child;
    HHOOK m_hHookInCreate = (HHOOK)1;
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_hHookInCreate = CreationHook();
        m_child.CreateEx(0, AfxRegisterWndClass(0), "child", WS_CHILD, CRect(0, 0, 10, 10), this, 1);
        return CWnd::OnCreate(lpcs);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(ThreadState, TheCreationHookLastsOnlyUntilTheNewWindowIsAttached)
{
    CNestingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "outer", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
    EXPECT_EQ(NULL, wnd.m_hHookInCreate);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(&wnd.m_child, CWnd::FromHandlePermanent(::GetWindow(wnd.m_hWnd, GW_CHILD)));
    EXPECT_EQ(NULL, CreationHook());

    // A creation that fails leaves neither the hook nor a waiting object behind.
    CWnd failed;
    EXPECT_FALSE(failed.CreateEx(0, "no such class", "", WS_POPUP, CRect(0, 0, 5, 5), NULL, 0));
    EXPECT_EQ(NULL, CreationHook());
    EXPECT_EQ(NULL, AfxGetThreadState()->m_pWndInit);
    wnd.DestroyWindow();
}

// What a thread of a host does with the framework: a window, and temporary wrappers of every
// kind of handle, all left for the end of the thread to clean up. False when a step failed.
// (Worker threads report to the test's thread rather than assert themselves.)
bool UseFramework()
{
    CWnd wnd;
    if (!wnd.CreateEx(0, AfxRegisterWndClass(0), "worker", WS_POPUP, CRect(0, 0, 20, 20), NULL, 0))
        return false;
    HDC hDC = ::GetDC(wnd.m_hWnd);
    HIMAGELIST hList = ImageList_Create(4, 4, ILC_COLOR32, 1, 1);
    HMENU hMenu = ::CreateMenu();
    CBrush brush(RGB(1, 2, 3));
    bool bOK = CWnd::FromHandle(::GetDesktopWindow()) != NULL && CMenu::FromHandle(hMenu) != NULL &&
        CGdiObject::FromHandle(::GetStockObject(BLACK_PEN)) != NULL && CDC::FromHandle(hDC) != NULL &&
        CImageList::FromHandle(hList) != NULL && CreationHook() == NULL;
    ImageList_Destroy(hList);
    ::DestroyMenu(hMenu);
    ::ReleaseDC(wnd.m_hWnd, hDC);
    return bOK;
}

TEST(ThreadState, EachThreadHasItsOwnStateUntilItEnds)
{
    ASSERT_NE((AFX_THREAD_STATE*)NULL, AfxGetThreadState());
    const int nBefore = AfxGetThreadStateCount();
    const int nThreads = 4;
    std::atomic<int> nReady(0);
    std::atomic<bool> bRelease(false);
    std::vector<AFX_THREAD_STATE*> states(nThreads);
    std::vector<char> used(nThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < nThreads; i++)
        threads.emplace_back([&, i] {
            used[i] = UseFramework();
            states[i] = AfxGetThreadState();
            nReady++;
            while (!bRelease)
                ::Sleep(1);
        });
    while (nReady < nThreads)
        ::Sleep(1);
    EXPECT_EQ(nBefore + nThreads, AfxGetThreadStateCount());
    for (int i = 0; i < nThreads; i++)
    {
        EXPECT_TRUE(used[i]) << "thread " << i;
        EXPECT_NE(AfxGetThreadState(), states[i]);
    }
    bRelease = true;
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(nBefore, AfxGetThreadStateCount());
}

// Threads that need the same window class at the same moment all get it: the registration one
// of them loses to another is no failure.
TEST(ThreadState, ThreadsRegisteringTheSameClassTogetherAllGetIt)
{
    const int nThreads = 8;
    for (int nRound = 0; nRound < 40; nRound++)
    {
        // A background value of its own gives each round a class nobody registered yet.
        HBRUSH hbr = (HBRUSH)(INT_PTR)(0x7000 + nRound);
        std::atomic<int> nWaiting(nThreads);
        std::atomic<int> nFailed(0);
        std::vector<std::thread> threads;
        for (int i = 0; i < nThreads; i++)
            threads.emplace_back([&] {
                nWaiting--;
                while (nWaiting > 0)
                    ;
                try
                {
                    AfxRegisterWndClass(0, NULL, hbr);
                }
                catch (CException* e)
                {
                    e->Delete();
                    nFailed++;
                }
            });
        for (std::thread& thread : threads)
            thread.join();
        ASSERT_EQ(0, nFailed) << "round " << nRound;
    }
}

} // namespace
