// Misuse of the framework: a release build refuses it and carries on, a debug build stops at
// the framework's ASSERT. The file is built both ways (afx_tests and afx_debug_tests).
#include <afxwin.h>
#include <gtest/gtest.h>

#ifdef _DEBUG
#define EXPECT_MISUSE(expr) EXPECT_DEATH((void)(expr), "ASSERT\\(.*\\) failed")
#else
#define EXPECT_MISUSE(expr) EXPECT_FALSE(expr)
#endif

namespace {

HWND CreatePlainWindow()
{
    return ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
}

TEST(Misuse, OneHandlePerObjectAndOneObjectPerHandle)
{
    HWND hWnd = CreatePlainWindow();
    HWND hSecond = CreatePlainWindow();
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hWnd));
    EXPECT_MISUSE(wnd.Attach(hSecond));
    EXPECT_MISUSE(wnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 5, 5), NULL, 0));
    CWnd other;
    EXPECT_MISUSE(other.Attach(hWnd));
    EXPECT_MISUSE(other.SubclassWindow(hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));

    CBrush brush(RGB(1, 2, 3));
    EXPECT_MISUSE(brush.Attach(::GetStockObject(BLACK_BRUSH)));
    CMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    HMENU hOther = ::CreateMenu();
    EXPECT_MISUSE(menu.Attach(hOther));
    ::DestroyMenu(hOther);

    wnd.Detach();
    ::DestroyWindow(hWnd);
    ::DestroyWindow(hSecond);
}

TEST(Misuse, AnUnlockWithoutItsLock)
{
    EXPECT_MISUSE(AfxUnlockTempMaps());
    AfxLockTempMaps();
    EXPECT_FALSE(AfxUnlockTempMaps()); // the maps still work
}

TEST(Misuse, ChecksAreEvaluatedInDebugBuildsAndVerifyInEvery)
{
    int nAsserted = 0, nVerified = 0;
    ASSERT(++nAsserted == 1);
    VERIFY(++nVerified == 1);
#ifdef _DEBUG
    EXPECT_EQ(1, nAsserted);
#else
    EXPECT_EQ(0, nAsserted);
#endif
    EXPECT_EQ(1, nVerified);
}

} // namespace
