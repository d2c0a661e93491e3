// Tests of the tooltip's tracking and timing with real timers and relayed messages: the initial
// delay, moving from tool to tool, hiding on buttons and keys, the behaviour bits, the autopop
// timer, the display notification and help tips. Each scenario records when the tip appears and
// disappears and when the receiver is notified, and compares the whole sequence. Waits poll for
// the state they expect within a bound, and only lower bounds of time are asserted, so that a
// busy machine slows the tests down without failing them.
#include <gtest/gtest.h>

#include "MarkupTest.rh"
#include "TipHarness.h"
#include "ToolsTest.rh"

#include <thread>

namespace {

const DWORD kInitial = 50;
const DWORD kAutoPop = 120;
const UINT kToolA = 1, kToolB = 2;

ExpectedMsg Notified(UINT nIDTool)
{
    return ExpectedMsg("receiver", WM_NOTIFY, msgNote | msgLParam, 0, (LPARAM)nIDTool);
}
const ExpectedMsg kShown("tip", WM_SHOWWINDOW, msgNote | msgWParam, TRUE);
const ExpectedMsg kHidden("tip", WM_SHOWWINDOW, msgNote | msgWParam, FALSE);

struct TrackingFixture : TipWindowTest<CTestTip>
{
    MessageRecorder recorder;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(TipWindowTest::SetUp());
        ASSERT_TRUE(tip.Create(&owner));
        HWND hA = owner.AddChild(CRect(10, 10, 110, 60));
        HWND hB = owner.AddChild(CRect(150, 10, 250, 60));
        tip.AddTool(CWnd::FromHandle(hA), "Tool A", (HICON)NULL, NULL, kToolA);
        tip.AddTool(CWnd::FromHandle(hB), "Tool B", (HICON)NULL, NULL, kToolB);
        tip.SetDelayTime(TTDT_INITIAL, kInitial);
        tip.SetNotify(TRUE);
        tip.m_pRecorder = &recorder;
        owner.m_pRecorder = &recorder;
        PumpMessages(0);
        ASSERT_EQ(owner.m_hWnd, ::GetActiveWindow());
    }
    void TearDown() override
    {
        tip.m_pRecorder = NULL;
        owner.m_pRecorder = NULL;
        TipWindowTest::TearDown();
    }

    // The mouse comes to a point of the owner's client area: the cursor is put there and the
    // move relayed, as the owner's PreTranslateMessage would.
    void MoveTo(int x, int y) { Relay(WM_MOUSEMOVE, 0, MAKELPARAM(x, y), PutCursor(x, y)); }
    // Only the cursor moves; the tip hears nothing of it.
    CPoint PutCursor(int x, int y)
    {
        CPoint pt = ScreenPoint(owner.m_hWnd, x, y);
        ::SetCursorPos(pt.x, pt.y);
        return pt;
    }
    // Off every tool, which ends what a tool's tip left behind.
    void Leave() { MoveTo(280, 150); }
    void Relay(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, CPoint pt = CPoint(0, 0))
    {
        MSG msg = {owner.m_hWnd, message, wParam, lParam, ::GetTickCount(), pt};
        tip.RelayEvent(&msg);
    }
    // Pumps until bDone() holds, at most 2 s; then lets what followed (a paint) arrive.
    template <class TDone> bool WaitUntil(TDone bDone)
    {
        DWORD dwStart = ::GetTickCount();
        while (!bDone() && ::GetTickCount() - dwStart < 2000)
            PumpMessages(5);
        PumpMessages(0);
        return bDone();
    }
    bool WaitForHidden() { return WaitUntil([this] { return !tip.IsWindowVisible(); }); }
    // Moves onto tool A and waits for its tip to appear (it may be gone again by the time this
    // returns, when an autopop timer runs).
    void ShowTipA(int x = 30, int y = 30)
    {
        int nBefore = tip.m_nAppearances;
        MoveTo(x, y);
        ASSERT_TRUE(WaitUntil([&] { return tip.m_nAppearances > nBefore; }));
    }
    // A point of the tip's body, in screen coordinates.
    CPoint OverTheTip()
    {
        CRect rc;
        tip.GetWindowRect(&rc);
        return rc.CenterPoint();
    }
    // The mouse comes onto the tip's body.
    CPoint MoveOverTheTip()
    {
        CPoint pt = OverTheTip();
        owner.ScreenToClient(&pt);
        MoveTo(pt.x, pt.y);
        return pt;
    }
};

} // namespace

TEST_F(TrackingFixture, ATipAppearsAfterTheInitialDelayAndMovesAtOnceToAnotherTool)
{
    DWORD dwMoved = ::GetTickCount();
    MoveTo(30, 30);
    EXPECT_FALSE(tip.IsWindowVisible());
    ShowTipA(30, 30);
    EXPECT_GE(tip.m_dwShownAt - dwMoved, kInitial - 10); // timer granularity aside, not before
    // Shown where it was, without taking the activation.
    EXPECT_EQ((UINT)(SWP_NOACTIVATE | SWP_NOZORDER), tip.m_nShowFlags & (SWP_NOACTIVATE | SWP_NOZORDER));
    EXPECT_EQ(owner.m_hWnd, ::GetActiveWindow());

    // Another tool while the tip is visible: at once, no delay.
    MoveTo(170, 30);
    EXPECT_TRUE(tip.IsWindowVisible());
    EXPECT_EQ(kToolB, owner.m_lastInfo.nIDTool);
    PumpMessages(0);

    // Off every tool: hidden, nothing pending.
    Leave();
    EXPECT_FALSE(tip.IsWindowVisible());
    PumpMessages(3 * kInitial);
    EXPECT_TRUE(recorder.Matches({Notified(kToolA), kShown, kHidden, Notified(kToolB), kShown, kHidden}));
}

TEST_F(TrackingFixture, TheTipWaitsForTheCursorToRestOnTheTool)
{
    // Moves within the tool start the wait again. Timers fire only while messages are pumped,
    // so the moves come without pumping, each after more than the delay since the first.
    MoveTo(30, 30);
    ::Sleep(kInitial * 3 / 4);
    MoveTo(32, 30);
    ::Sleep(kInitial * 3 / 4);
    MoveTo(34, 30);
    DWORD dwLastMove = ::GetTickCount();
    ShowTipA(34, 30);
    EXPECT_GE(tip.m_dwShownAt - dwLastMove, kInitial - 10);
    Leave();

    // The same point again is no move at all.
    recorder.Clear();
    Leave();
    // The cursor went on without a relayed move: when the timer comes, it is not where the
    // move left it, and nothing shows.
    MoveTo(40, 40);
    PutCursor(41, 40);
    PumpMessages(3 * kInitial);
    // Nor when it is over another tool by then.
    MoveTo(42, 40);
    PutCursor(170, 40);
    PumpMessages(3 * kInitial);
    EXPECT_TRUE(recorder.Matches({}));
}

TEST_F(TrackingFixture, ButtonsAndKeysHideTheTipAndStopAWaitingOne)
{
    const UINT hiding[] = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN,
        WM_MBUTTONDBLCLK, WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDOWN, WM_NCRBUTTONDBLCLK,
        WM_NCMBUTTONDOWN, WM_NCMBUTTONDBLCLK, WM_KEYDOWN, WM_SYSKEYDOWN};
    int x = 20;
    for (UINT message : hiding)
    {
        Leave();
        ShowTipA(x++, 30);
        Relay(message);
        EXPECT_FALSE(tip.IsWindowVisible()) << std::hex << message;
    }
    // Until the mouse leaves the tool, the tip does not come back.
    MoveTo(x++, 30);
    PumpMessages(3 * kInitial);
    EXPECT_FALSE(tip.IsWindowVisible());
    // Other messages leave it.
    Leave();
    ShowTipA(x++, 30);
    for (UINT message : {WM_LBUTTONUP, WM_KEYUP, WM_CHAR, WM_MOUSEWHEEL, WM_TIMER})
        Relay(message);
    EXPECT_TRUE(tip.IsWindowVisible());

    // A key before the delay ends: the tip never comes.
    Leave();
    recorder.Clear();
    MoveTo(x++, 30);
    Relay(WM_KEYDOWN, VK_SHIFT);
    PumpMessages(3 * kInitial);
    EXPECT_TRUE(recorder.Matches({}));
}

TEST_F(TrackingFixture, AMoveWithinTheShownToolHidesTheTipOrShowsItAgain)
{
    // Behaviour 0: hidden, and it stays hidden while the mouse stays on the tool.
    ShowTipA();
    MoveTo(28, 30);
    EXPECT_FALSE(tip.IsWindowVisible());
    MoveTo(26, 30);
    PumpMessages(3 * kInitial);
    EXPECT_TRUE(recorder.Matches({Notified(kToolA), kShown, kHidden}));

    // 0x01: hidden, then shown again after the delay.
    Leave();
    tip.SetBehaviour(UXTT_BEHAVIOUR_REPEAT_SHOW, 0);
    recorder.Clear();
    ShowTipA();
    DWORD dwMoved = ::GetTickCount();
    MoveTo(28, 30);
    EXPECT_FALSE(tip.IsWindowVisible());
    ShowTipA(28, 30);
    EXPECT_GE(tip.m_dwShownAt - dwMoved, kInitial - 10);
    EXPECT_TRUE(recorder.Matches({Notified(kToolA), kShown, kHidden, Notified(kToolA), kShown}));
}

TEST_F(TrackingFixture, TheTipCanStayWhileTheCursorIsOverIt)
{
    // Without 0x04, moving onto the tip hides it (no tool there).
    ShowTipA();
    MoveOverTheTip();
    EXPECT_FALSE(tip.IsWindowVisible());
    Leave();

    // With 0x04 it stays over the tip, and over its own tool too.
    tip.SetBehaviour(UXTT_BEHAVIOUR_CLOSE_OVER);
    recorder.Clear();
    ShowTipA(31, 30);
    CPoint pt = MoveOverTheTip();
    MoveTo(pt.x + 1, pt.y);
    MoveTo(20, 20);
    PumpMessages(3 * kInitial);
    EXPECT_TRUE(tip.IsWindowVisible());
    // Another tool still takes over at once; leaving all tools hides it.
    MoveTo(170, 30);
    Leave();
    EXPECT_TRUE(recorder.Matches({Notified(kToolA), kShown, kHidden, Notified(kToolB), kShown, kHidden}));
}

TEST_F(TrackingFixture, TheAutopopTimerHidesTheTipUnlessTheBehaviourSaysOtherwise)
{
    tip.SetDelayTime(TTDT_AUTOPOP, kAutoPop);
    ShowTipA();
    DWORD dwShown = tip.m_dwShownAt;
    ASSERT_TRUE(WaitForHidden());
    EXPECT_GE(::GetTickCount() - dwShown, kAutoPop - 10);

    // 0x10: no autopop for this tool.
    Leave();
    tip.SetBehaviour(UXTT_BEHAVIOUR_NO_AUTOPOP, 0);
    ShowTipA(31, 30);
    PumpMessages(3 * kAutoPop);
    EXPECT_TRUE(tip.IsWindowVisible());

    // 0x08: spared while the cursor is over the tip (put there as the tip appears, before the
    // timer starts), hidden once it has left.
    Leave();
    tip.SetBehaviour(UXTT_BEHAVIOUR_AUTOPOP_OVER, 0);
    tip.m_onShown = [this] {
        CPoint pt = OverTheTip();
        ::SetCursorPos(pt.x, pt.y);
    };
    ShowTipA(32, 30);
    tip.m_onShown = nullptr;
    PumpMessages(3 * kAutoPop);
    EXPECT_TRUE(tip.IsWindowVisible());
    PutCursor(280, 150);
    ASSERT_TRUE(WaitForHidden());
    // ... and not spared when the cursor is elsewhere.
    Leave();
    ShowTipA(33, 30);
    ASSERT_TRUE(WaitForHidden());
    EXPECT_TRUE(recorder.Matches({Notified(kToolA), kShown, kHidden, Notified(kToolA), kShown, kHidden,
        Notified(kToolA), kShown, kHidden, Notified(kToolA), kShown, kHidden}));
}

TEST_F(TrackingFixture, HelpTipsShowAtOnceIgnoreTheMouseAndEndWithAKey)
{
    CPoint pt(120, 80);
    tip.ShowHelpTooltip(pt, CString("Help"));
    EXPECT_EQ(CPoint(120, 80), pt); // the caller's point stays as it was
    EXPECT_TRUE(tip.IsWindowVisible());
    EXPECT_EQ(CString("Help"), owner.m_lastInfo.sTooltip);
    EXPECT_EQ(owner.m_hWnd, owner.m_lastInfo.hWnd);
    EXPECT_EQ(ScreenPoint(owner.m_hWnd, 120, 80), *owner.m_lastNotify.pt);
    CRect rc;
    tip.GetWindowRect(&rc);
    EXPECT_EQ(ScreenPoint(owner.m_hWnd, 120, 80).y, rc.top); // below the point, anchor at it
    PumpMessages(0);

    // Mouse moves change nothing, over tools or not.
    MoveTo(30, 30);
    Leave();
    PumpMessages(3 * kInitial);
    EXPECT_TRUE(tip.IsWindowVisible());
    Relay(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(tip.IsWindowVisible());

    // Tracking resumes.
    ShowTipA();
    EXPECT_TRUE(recorder.Matches({ExpectedMsg("receiver", WM_NOTIFY, msgNote | msgLParam, 0, 0), kShown, kHidden,
        Notified(kToolA), kShown}));

    // A help tip ended by a key before its first paint, or one with nothing to show, leaves
    // tracking free as well.
    Leave();
    tip.ShowHelpTooltip(pt, CString("Help"));
    Relay(WM_KEYDOWN, VK_ESCAPE);
    PumpMessages(0);
    EXPECT_FALSE(tip.IsWindowVisible());
    ShowTipA(31, 30);
    Leave();
    tip.ShowHelpTooltip(pt, CString(""));
    EXPECT_FALSE(tip.IsWindowVisible());
    ShowTipA(32, 30);
}

TEST_F(TrackingFixture, HelpTipsFromResourcesAndTheAutopopTimer)
{
    tip.SetDelayTime(TTDT_AUTOPOP, kAutoPop);
    CPoint pt(120, 80);
    tip.ShowHelpTooltip(pt, CString("Help"), (HICON)::LoadIcon(NULL, IDI_INFORMATION));
    EXPECT_TRUE(tip.IsWindowVisible());
    ASSERT_TRUE(WaitForHidden());

    // Text and icon from resources; each help tip's loaded icon is released by the next one.
    tip.ShowHelpTooltip(pt, IDS_TOOLSTEST_HELP, IDI_MARKUPTEST_ICON);
    EXPECT_TRUE(tip.IsWindowVisible());
    EXPECT_EQ(CString("Help from the resources"), owner.m_lastInfo.sTooltip);
    HICON hFirst = owner.m_lastInfo.hIcon;
    ASSERT_TRUE(hFirst != NULL);
    EXPECT_EQ(CSize(16, 16), CUxTipPictures::SizeOfIcon(hFirst));
    Relay(WM_KEYDOWN, VK_ESCAPE);
    tip.ShowHelpTooltip(pt, CString("again"), (UINT)IDI_MARKUPTEST_ICON);
    ASSERT_TRUE(owner.m_lastInfo.hIcon != NULL);
    ICONINFO info = {};
    EXPECT_FALSE(::GetIconInfo(hFirst, &info));
    Relay(WM_KEYDOWN, VK_ESCAPE);
    tip.ShowHelpTooltip(pt, IDS_TOOLSTEST_HELP, (HICON)NULL);
    EXPECT_EQ(CString("Help from the resources"), owner.m_lastInfo.sTooltip);
    EXPECT_TRUE(owner.m_lastInfo.hIcon == NULL);
    Relay(WM_KEYDOWN, VK_ESCAPE);

    // A missing string resource gives an empty text; a missing icon none: nothing to show.
    tip.ShowHelpTooltip(pt, 0xFFF0u, 0xFFF1u);
    EXPECT_FALSE(tip.IsWindowVisible());
}

TEST_F(TrackingFixture, AReceiverThatDestroysTheTipEndsTheDisplay)
{
    tip.SetDelayTime(TTDT_AUTOPOP, kAutoPop);
    owner.m_onDisplay = [this](UXTOOLTIP_NOTIFY&) { tip.DestroyWindow(); };
    MoveTo(30, 30);
    ASSERT_TRUE(WaitUntil([this] { return tip.m_hWnd == NULL; }));
    EXPECT_EQ(1, owner.m_nNotifications);
    MoveTo(31, 30); // no window: nothing is tracked
    Relay(WM_KEYDOWN, VK_ESCAPE);
    CPoint pt(10, 10);
    tip.ShowHelpTooltip(pt, CString("nowhere"));
    PumpMessages(3 * kInitial);
    EXPECT_EQ(1, owner.m_nNotifications);

    // A help tip's display ends the same way, and leaves nothing pending for a window made anew.
    ASSERT_TRUE(tip.Create(&owner));
    tip.ShowHelpTooltip(pt, CString("help"));
    EXPECT_TRUE(tip.m_hWnd == NULL);
    // No autopop timer was left running without the window (it would tick for the thread).
    ::Sleep(2 * kAutoPop);
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, NULL, WM_TIMER, WM_TIMER, PM_REMOVE));
    owner.m_onDisplay = nullptr;
    ASSERT_TRUE(tip.Create(&owner));
    ShowTipA(32, 30);
}

TEST_F(TrackingFixture, TheTipsOwnPreTranslationRelaysAndTheOwnerTakesTheWindowAlong)
{
    ShowTipA();
    MSG msg = {tip.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_FALSE(tip.PreTranslateMessage(&msg));
    EXPECT_FALSE(tip.IsWindowVisible());

    // The owner goes first: the tip's window goes with it, and the tooltip follows nothing more.
    Leave();
    ShowTipA(31, 30);
    owner.DestroyWindow();
    EXPECT_TRUE(tip.m_hWnd == NULL);
    Relay(WM_MOUSEMOVE, 0, 0, CPoint(300, 300));
    PumpMessages(3 * kInitial);
}

TEST_F(TrackingFixture, LeavingTheApplicationOrLosingTheFocusHidesTheTip)
{
    ShowTipA();
    tip.SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(tip.IsWindowVisible());
    Leave();
    ShowTipA(31, 30);
    tip.SendMessage(WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(tip.IsWindowVisible());
    EXPECT_TRUE(recorder.Matches({Notified(kToolA), kShown, kHidden, Notified(kToolA), kShown, kHidden}));
}

TEST_F(TrackingFixture, WithoutAnActiveWindowTipsNeedTheStyleThatAllowsThem)
{
    // Another thread's window takes the activation: this thread has no active window.
    HANDLE hReady = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    HANDLE hDone = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    std::thread other([&] {
        HWND hWnd = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 600, 500, 50, 50, NULL, NULL,
            NULL, NULL);
        ::SetForegroundWindow(hWnd);
        ::SetEvent(hReady);
        while (::MsgWaitForMultipleObjects(1, &hDone, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
            PumpMessages(0);
        ::DestroyWindow(hWnd);
    });
    ::WaitForSingleObject(hReady, 5000);
    bool bInactive = WaitUntil([] { return ::GetActiveWindow() == NULL; });
    if (bInactive)
    {
        MoveTo(30, 30);
        PumpMessages(3 * kInitial);
        EXPECT_FALSE(tip.IsWindowVisible());
        tip.ModifyStyles(UXTT_STYLE_NOACTIVE, 0);
        ShowTipA(31, 30);
    }
    ::SetEvent(hDone);
    other.join();
    ::CloseHandle(hReady);
    ::CloseHandle(hDone);
    ASSERT_TRUE(bInactive) << "the other thread's window did not take the activation";
}
