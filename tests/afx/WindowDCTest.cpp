// Tests of the window DCs: the paint DC begins and ends painting, and failures throw.
#include <gtest/gtest.h>

#include "CPaintDC.h"
#include "CResourceException.h"
#include "CWnd.h"
#include "support/AfxExceptionCatch.h"

namespace {

struct PaintRecord
{
    int nPaints = 0;
    CRect rcPaint;
    CRect clipBox;
};
PaintRecord g_paint;

LRESULT CALLBACK PaintRecorderProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_PAINT) {
        CPaintDC dc(CWnd::FromHandle(hWnd));
        g_paint.nPaints++;
        g_paint.rcPaint = dc.m_ps.rcPaint;
        dc.GetClipBox(&g_paint.clipBox);
        return 0;
    }
    return DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

// A visible bordered popup of 100 x 80 whose paints are recorded.
class TestWindow
{
public:
    TestWindow()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = PaintRecorderProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "KwWindowDCTest";
        RegisterClassA(&wc);
        m_hWnd = CreateWindowExA(0, "KwWindowDCTest", "", WS_POPUP | WS_BORDER, 10, 10, 100, 80, NULL, NULL,
            wc.hInstance, NULL);
        ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
        ValidateRect(m_hWnd, NULL);
    }
    ~TestWindow() { DestroyWindow(m_hWnd); }
    HWND m_hWnd;
};

} // namespace

TEST(WindowDC, PaintDCPaintsTheUpdateAreaAndValidatesIt)
{
    TestWindow window;
    ASSERT_TRUE(window.m_hWnd != NULL);
    g_paint = PaintRecord();
    RECT invalid = { 10, 12, 30, 40 };
    InvalidateRect(window.m_hWnd, &invalid, FALSE);
    UpdateWindow(window.m_hWnd);

    EXPECT_EQ(1, g_paint.nPaints);
    EXPECT_TRUE(g_paint.rcPaint == CRect(10, 12, 30, 40));
    EXPECT_TRUE(g_paint.clipBox == CRect(10, 12, 30, 40));
    // The paint DC's end validated the area: nothing is left to paint.
    EXPECT_FALSE(GetUpdateRect(window.m_hWnd, NULL, FALSE));
    CWnd::DeleteTempMap();
}

TEST(WindowDC, NoDCThrowsResourceException)
{
    // A window that does not exist (or no longer does).
    TestWindow* pWindow = new TestWindow;
    HWND hGone = pWindow->m_hWnd;
    delete pWindow;
    CWnd gone;
    gone.m_hWnd = hGone;
    EXPECT_TRUE(ThrowsAfx<CResourceException>([&] { CPaintDC dc(&gone); }));
    gone.m_hWnd = NULL;
}
