// OLE drop targets: a window registered as a drop target hears a drag enter, move, scroll, leave
// and drop, through its IDropTarget and through the system's own drag loop.
#include <afxole.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// A window that records the scroll messages a drag sends it.
class CScrollRecorder : public CWnd
{
public:
    std::vector<std::string>* m_pLog = NULL;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (m_pLog != NULL && (message == WM_VSCROLL || message == WM_HSCROLL))
            m_pLog->push_back(std::string(message == WM_VSCROLL ? "vscroll " : "hscroll ") +
                              std::to_string(LOWORD(wParam)));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A drop target that writes each call into the log and answers with the effects it is given.
class CRecordingTarget : public COleDropTarget
{
public:
    std::vector<std::string> m_log;
    DROPEFFECT m_effect = DROPEFFECT_COPY;
    DROPEFFECT m_dropEx = (DROPEFFECT)-1;
    BOOL m_bDrop = TRUE;
    CWnd* m_pExpectedWnd = NULL;

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pData, DWORD dwKeyState, CPoint point) override
    {
        Log("enter", pWnd, pData, point, dwKeyState);
        return m_effect;
    }
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pData, DWORD dwKeyState, CPoint point) override
    {
        Log("over", pWnd, pData, point, dwKeyState);
        return m_effect;
    }
    void OnDragLeave(CWnd* pWnd) override { Log("leave", pWnd, NULL, CPoint(0, 0), 0); }
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pData, DROPEFFECT dropEffect, CPoint point) override
    {
        Log("drop", pWnd, pData, point, dropEffect);
        return m_bDrop;
    }
    DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pData, DROPEFFECT dropDefault, DROPEFFECT dropList,
        CPoint point) override
    {
        Log("dropex", pWnd, pData, point, dropDefault);
        return m_dropEx;
    }

private:
    void Log(const char* what, CWnd* pWnd, COleDataObject* pData, CPoint point, DWORD dw)
    {
        std::string entry = what;
        if (pWnd == NULL || pWnd->GetSafeHwnd() != m_pExpectedWnd->GetSafeHwnd())
            entry += " wrong-window";
        if (pData != NULL)
            entry += " " + std::to_string(point.x) + "," + std::to_string(point.y) + " " + std::to_string(dw) +
                     (pData->IsDataAvailable(CF_TEXT) ? " text" : "");
        m_log.push_back(entry);
    }
};

class OleDropTarget : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        m_source.CacheGlobalData(CF_TEXT, ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4));
        m_lpData = (LPDATAOBJECT)m_source.GetInterface(&IID_IDataObject);
        m_wnd.m_pLog = &m_target.m_log;
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), "drop here", WS_POPUP | WS_VISIBLE | WS_VSCROLL,
            100, 100, 200, 150, NULL, NULL));
        m_target.m_pExpectedWnd = &m_wnd;
        CRect rect;
        m_wnd.GetClientRect(&rect);
        m_wnd.ClientToScreen(&rect);
        m_origin = rect.TopLeft();
        ASSERT_TRUE(m_target.Register(&m_wnd));
    }
    void TearDown() override
    {
        m_target.Revoke();
        m_wnd.DestroyWindow();
        AfxOleTerm(TRUE);
    }
    // A screen point at client coordinates x, y.
    POINTL At(int x, int y) const { return POINTL{m_origin.x + x, m_origin.y + y}; }
    // Enters at client (50, 40) offering dwAllowed and drops there at once; the effect reported.
    DWORD EnterAndDrop(DWORD dwAllowed)
    {
        LPDROPTARGET lpTarget = m_target.GetDropTarget();
        DWORD dwEffect = dwAllowed;
        lpTarget->DragEnter(m_lpData, 0, At(50, 40), &dwEffect);
        dwEffect = dwAllowed;
        lpTarget->Drop(m_lpData, 0, At(50, 40), &dwEffect);
        return dwEffect;
    }

    COleDataSource m_source;
    LPDATAOBJECT m_lpData = NULL;
    CScrollRecorder m_wnd;
    CRecordingTarget m_target;
    CPoint m_origin;
};
} // namespace

TEST_F(OleDropTarget, ADragThatDropsReachesTheHandlersInOrderInClientCoordinates)
{
    LPDROPTARGET lpTarget = m_target.GetDropTarget();
    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(S_OK, lpTarget->DragEnter(m_lpData, MK_LBUTTON, At(50, 40), &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, dwEffect);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    lpTarget->DragOver(MK_LBUTTON, At(60, 45), &dwEffect);
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, dwEffect);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    lpTarget->Drop(m_lpData, 0, At(61, 46), &dwEffect);
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, dwEffect);

    std::vector<std::string> expected = {
        "enter 50,40 1 text", "over 60,45 1 text", "over 61,46 0 text", "dropex 61,46 1 text", "drop 61,46 1 text"};
    EXPECT_EQ(expected, m_target.m_log);
}

TEST_F(OleDropTarget, EffectsAreKeptToWhatTheSourceAllows)
{
    LPDROPTARGET lpTarget = m_target.GetDropTarget();
    struct Case
    {
        DROPEFFECT chosen, allowed, result;
    } cases[] = {
        {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_MOVE},
        {DROPEFFECT_MOVE, DROPEFFECT_COPY | DROPEFFECT_LINK, DROPEFFECT_COPY},
        {DROPEFFECT_LINK, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE},
        {DROPEFFECT_COPY, DROPEFFECT_LINK, DROPEFFECT_NONE},
        {DROPEFFECT_LINK, DROPEFFECT_LINK, DROPEFFECT_LINK},
    };
    for (const Case& c : cases) {
        m_target.m_effect = c.chosen;
        DWORD dwEffect = c.allowed;
        lpTarget->DragEnter(m_lpData, 0, At(50, 40), &dwEffect);
        EXPECT_EQ(c.result, dwEffect) << c.chosen << " of " << c.allowed;
        lpTarget->DragLeave();
    }
}

TEST_F(OleDropTarget, ARefusedOrTakenOverDropSkipsOnDrop)
{
    // Nothing acceptable where it drops: the target cleans up as if the drag had left.
    m_target.m_effect = DROPEFFECT_NONE;
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, EnterAndDrop(DROPEFFECT_COPY));
    EXPECT_EQ((std::vector<std::string>{"enter 50,40 0 text", "over 50,40 0 text", "dropex 50,40 0 text", "leave"}),
        m_target.m_log);

    // OnDrop failing turns the drop into no effect.
    m_target.m_log.clear();
    m_target.m_effect = DROPEFFECT_MOVE;
    m_target.m_bDrop = FALSE;
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, EnterAndDrop(DROPEFFECT_MOVE));
    EXPECT_EQ("drop 50,40 2 text", m_target.m_log.back());

    // OnDropEx doing the drop itself decides the effect; OnDrop is not called.
    m_target.m_log.clear();
    m_target.m_dropEx = DROPEFFECT_LINK;
    EXPECT_EQ((DWORD)DROPEFFECT_LINK, EnterAndDrop(DROPEFFECT_MOVE | DROPEFFECT_LINK));
    EXPECT_EQ((std::vector<std::string>{"enter 50,40 0 text", "over 50,40 0 text", "dropex 50,40 2 text"}),
        m_target.m_log);
}

TEST_F(OleDropTarget, NearTheEdgeOfAScrollingWindowTheDragScrollsInstead)
{
    COleDropTarget::nScrollDelay = 0;
    COleDropTarget::nScrollInterval = 0;
    LPDROPTARGET lpTarget = m_target.GetDropTarget();
    CRect rect;
    m_wnd.GetClientRect(&rect);

    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    lpTarget->DragEnter(m_lpData, 0, At(50, 2), &dwEffect);
    EXPECT_EQ((DWORD)(DROPEFFECT_SCROLL | DROPEFFECT_MOVE), dwEffect);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    lpTarget->DragOver(MK_CONTROL, At(50, rect.bottom - 3), &dwEffect);
    EXPECT_EQ((DWORD)(DROPEFFECT_SCROLL | DROPEFFECT_COPY), dwEffect);
    // Left and right edges do not scroll a window without a horizontal bar.
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    lpTarget->DragOver(0, At(2, 50), &dwEffect);
    lpTarget->DragLeave();
    COleDropTarget::nScrollDelay = DD_DEFSCROLLDELAY;
    COleDropTarget::nScrollInterval = DD_DEFSCROLLINTERVAL;

    EXPECT_EQ((std::vector<std::string>{"vscroll 0", "vscroll 1", "over 2,50 0 text", "leave"}), m_target.m_log);
}

TEST_F(OleDropTarget, RegistrationIsOnePerWindowRevokedWithItAndRevokedTargetsHearNothing)
{
    CRecordingTarget other;
    EXPECT_FALSE(other.Register(&m_wnd)); // the window already has a target
    EXPECT_FALSE(m_target.Register(&m_wnd)); // and this target already serves a window
    EXPECT_FALSE(other.Register(NULL));

    m_target.Revoke();
    EXPECT_TRUE(other.Register(&m_wnd));
    other.Revoke();
    DWORD dwEffect = DROPEFFECT_COPY;
    m_target.GetDropTarget()->DragEnter(m_lpData, 0, At(50, 40), &dwEffect);
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);
    EXPECT_TRUE(m_target.m_log.empty());

    // A window's end revokes its target, which is then free to serve another window.
    CWnd gone;
    ASSERT_TRUE(gone.CreateEx(0, AfxRegisterWndClass(0), "gone", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    ASSERT_TRUE(other.Register(&gone));
    gone.DestroyWindow();
    EXPECT_TRUE(other.Register(&m_wnd));
}

namespace
{
// A drag source that lets go at once wherever the cursor is.
class CDropAtOnce : public COleDropSource
{
public:
    SCODE QueryContinueDrag(BOOL, DWORD) override { return DRAGDROP_S_DROP; }
};
} // namespace

TEST_F(OleDropTarget, TheSystemDragLoopDropsOnTheWindowUnderTheCursor)
{
    ::SetCursorPos(m_origin.x + 30, m_origin.y + 60);
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    if (::WindowFromPoint(ptCursor) != m_wnd.GetSafeHwnd())
        GTEST_SKIP() << "the cursor cannot be placed over the window here";

    CDropAtOnce dropSource;
    CRect rectNoWait(0, 0, 0, 0);
    DROPEFFECT result = m_source.DoDragDrop(DROPEFFECT_COPY, &rectNoWait, &dropSource);
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, result);
    ASSERT_FALSE(m_target.m_log.empty());
    EXPECT_EQ("drop 30,60 1 text", m_target.m_log.back());
}
