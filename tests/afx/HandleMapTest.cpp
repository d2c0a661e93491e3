// The handle map: permanent and temporary objects, attaching and detaching, subclassing an
// existing control, and the lifetime of heap windows.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "afxstate.h"
#include "support/MessageRecorder.h"

namespace {

size_t TemporaryWindows()
{
    return AfxGetThreadState()->m_mapHWND.GetTemporaryCount();
}

HWND CreatePlainWindow(const char* pszClass = "STATIC")
{
    return ::CreateWindowExA(0, pszClass, "", WS_POPUP, 0, 0, 100, 40, NULL, NULL, NULL, NULL);
}

TEST(HandleMap, ForeignWindowsGetOneTemporaryObjectUntilUnlockedOrIdle)
{
    HWND hWnd = CreatePlainWindow();
    size_t nBefore = TemporaryWindows();
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    ASSERT_NE((CWnd*)NULL, pWnd);
    EXPECT_EQ(hWnd, pWnd->m_hWnd);
    EXPECT_EQ(pWnd, CWnd::FromHandle(hWnd));
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(nBefore + 1, TemporaryWindows());
    EXPECT_EQ(NULL, CWnd::FromHandle(NULL));

    // A lock keeps them; the last unlock frees them, and the window itself stays.
    AfxLockTempMaps();
    AfxLockTempMaps();
    EXPECT_TRUE(AfxUnlockTempMaps());
    EXPECT_EQ(nBefore + 1, TemporaryWindows());
    EXPECT_FALSE(AfxUnlockTempMaps());
    EXPECT_EQ(0u, TemporaryWindows());
    EXPECT_TRUE(::IsWindow(hWnd));

    // The thread's idle processing frees them too, menus as well, after its command-UI pass.
    CWinThread thread;
    CWnd::FromHandle(hWnd);
    CMenu::FromHandle(::GetSystemMenu(hWnd, FALSE));
    EXPECT_TRUE(thread.OnIdle(0));
    EXPECT_GT(TemporaryWindows(), 0u);
    EXPECT_FALSE(thread.OnIdle(1)); // nothing more to do
    EXPECT_EQ(0u, TemporaryWindows());
    EXPECT_EQ(0u, AfxGetThreadState()->m_mapHMENU.GetTemporaryCount());
    ::DestroyWindow(hWnd);
}

TEST(HandleMap, AttachAndDetachLeaveTheWindowAloneAndOwnersDestroyIt)
{
    HWND hWnd = CreatePlainWindow();
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hWnd));
    EXPECT_FALSE(wnd.Attach(hWnd)); // one window per object
    CWnd other;
    EXPECT_FALSE(other.Attach(hWnd)); // and one object per window
    EXPECT_EQ(&wnd, CWnd::FromHandle(hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(hWnd, wnd.Detach());
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
    EXPECT_TRUE(::IsWindow(hWnd));
    ::DestroyWindow(hWnd);

    // A NULL object's handle is NULL, as hosts rely on.
    CWnd* pNone = NULL;
    EXPECT_EQ(NULL, pNone->GetSafeHwnd());

    // An object still holding its window destroys it when it goes.
    {
        CWnd scoped;
        ASSERT_TRUE(scoped.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "scoped", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
        hWnd = scoped.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
}

class CHeapWnd : public CWnd
{
public:
    static int s_nDeleted;
    ~CHeapWnd() override { s_nDeleted++; }
    void PostNcDestroy() override { delete this; }
};
int CHeapWnd::s_nDeleted = 0;

TEST(HandleMap, HeapWindowsDeleteThemselvesAfterTheirLastMessage)
{
    CHeapWnd::s_nDeleted = 0;
    CHeapWnd* pWnd = new CHeapWnd;
    ASSERT_TRUE(pWnd->CreateEx(0, AfxRegisterWndClass(0), "heap", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_EQ(pWnd, CWnd::FromHandlePermanent(hWnd));
    ::DestroyWindow(hWnd); // destroyed from outside the object
    EXPECT_EQ(1, CHeapWnd::s_nDeleted);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));

    // Through the object's own DestroyWindow, in the framework's default window class.
    pWnd = new CHeapWnd;
    ASSERT_TRUE(pWnd->CreateEx(0, NULL, "default class", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
    char szClass[32] = "";
    ::GetClassNameA(pWnd->m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("AfxWnd42", szClass);
    EXPECT_TRUE(pWnd->DestroyWindow());
    EXPECT_EQ(2, CHeapWnd::s_nDeleted);
}

// An edit control whose characters pass through the map first.
class CFilterEdit : public CWnd
{
public:
    int m_nPreSubclass = 0;
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        if (nChar != 'x')
            CWnd::OnChar(nChar, nRepCnt, nFlags);
    }
    void PreSubclassWindow() override { m_nPreSubclass++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFilterEdit, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

TEST(HandleMap, SubclassedControlsKeepTheirOwnBehaviourThroughDefault)
{
    HWND hEdit = CreatePlainWindow("EDIT");
    WNDPROC pfnEdit = (WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    CFilterEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_EQ(1, edit.m_nPreSubclass);
    CFilterEdit other;
    EXPECT_FALSE(other.SubclassWindow(hEdit)); // already someone's
    for (char ch : std::string("axbx"))
        edit.SendMessage(WM_CHAR, (WPARAM)ch, 1);
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_STREQ("ab", strText);

    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    EXPECT_EQ(pfnEdit, (WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
    ::SendMessageA(hEdit, WM_CHAR, 'x', 1);
    char szText[16] = "";
    ::GetWindowTextA(hEdit, szText, sizeof(szText));
    EXPECT_STREQ("abx", szText);
    ::DestroyWindow(hEdit);
}

TEST(HandleMap, ControlsCreatedThroughTheFrameworkAreSubclassedBeforeTheirFirstMessage)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, CRect(0, 0, 200, 100), NULL, 0));
    CFilterEdit edit;
    ASSERT_TRUE(edit.Create("EDIT", "", WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 77));
    EXPECT_EQ(1, edit.m_nPreSubclass);
    EXPECT_EQ(&edit, parent.GetDlgItem(77));
    EXPECT_EQ(&parent, edit.GetParent());
    edit.SendMessage(WM_CHAR, 'x', 1);
    edit.SendMessage(WM_CHAR, 'y', 1);
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_STREQ("y", strText);
    parent.DestroyWindow();
    EXPECT_EQ(NULL, edit.m_hWnd); // the child went with its parent
}

TEST(HandleMap, ClassesAreRegisteredOncePerStyleCursorAndBrush)
{
    HCURSOR hCursor = ::LoadCursor(NULL, IDC_ARROW);
    CString strPlain = AfxRegisterWndClass(CS_DBLCLKS);
    CString strFull = AfxRegisterWndClass(0, hCursor, (HBRUSH)(COLOR_WINDOW + 1));
    EXPECT_STRNE(strPlain, strFull);
    WNDCLASSA wc;
    ASSERT_TRUE(::GetClassInfoA(::GetModuleHandleA(NULL), strFull, &wc));
    EXPECT_EQ(hCursor, wc.hCursor);
    EXPECT_STREQ(strPlain, AfxRegisterWndClass(CS_DBLCLKS)); // registered once, same name
}

// The framework's calls around a window's life, in order.
class CLifeWnd : public CWnd
{
public:
    MessageRecorder* m_pRecorder = NULL;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        m_pRecorder->Note("PreCreateWindow", 0, (WPARAM)cs.style);
        return CWnd::PreCreateWindow(cs);
    }
    void PreSubclassWindow() override { m_pRecorder->Note("PreSubclassWindow", 0, (WPARAM)(m_hWnd != NULL)); }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_pRecorder->Note("OnCreate", WM_CREATE);
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnDestroy()
    {
        m_pRecorder->Note("OnDestroy", WM_DESTROY);
        CWnd::OnDestroy();
    }
    afx_msg void OnNcDestroy()
    {
        m_pRecorder->Note("OnNcDestroy", WM_NCDESTROY);
        CWnd::OnNcDestroy();
    }
    void PostNcDestroy() override { m_pRecorder->Note("PostNcDestroy", 0, (WPARAM)(m_hWnd == NULL)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLifeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

TEST(HandleMap, AWindowsLifeCallsTheFrameworkInOrder)
{
    MessageRecorder recorder;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, CRect(0, 0, 200, 100), NULL, 0));
    recorder.Watch(parent.m_hWnd, "parent");
    CLifeWnd wnd;
    wnd.m_pRecorder = &recorder;
    ASSERT_TRUE(wnd.Create(NULL, "child", WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 5));
    wnd.DestroyWindow();
    const std::vector<ExpectedMsg> expected = {
        {"PreCreateWindow", 0, msgNote | msgWParam, WS_CHILD | WS_VISIBLE},
        {"PreSubclassWindow", 0, msgNote | msgWParam, TRUE}, // attached already
        {"OnCreate", WM_CREATE, msgNote},
        {"parent", WM_PARENTNOTIFY, msgSent | msgWParam, MAKEWPARAM(WM_CREATE, 5)},
        {"parent", WM_PARENTNOTIFY, msgSent | msgWParam, MAKEWPARAM(WM_DESTROY, 5)},
        {"OnDestroy", WM_DESTROY, msgNote},
        {"OnNcDestroy", WM_NCDESTROY, msgNote},
        {"PostNcDestroy", 0, msgNote | msgWParam, TRUE}, // detached first
    };
    EXPECT_TRUE(recorder.Matches(expected));
    parent.DestroyWindow();
}

} // namespace
