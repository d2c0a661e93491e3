// The splash window: each way it closes (its timer, a click on it, a key or click anywhere on the
// thread), the picture it paints with its text, and a picture that does not load.
#include "SplashWndTest.rh"

#include "frame/KwSplashWnd.h"
#include "support/MessageRecorder.h"
#include "support/PumpUntil.h"
#include "support/TestSurface.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Another window of the thread, noting the keys ('K') and clicks ('C') that reach it.
struct CNotingWnd : CWnd
{
    std::string m_received;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN || message == WM_LBUTTONDOWN || message == WM_NCRBUTTONDOWN)
            m_received += message == WM_KEYDOWN ? 'K' : 'C';
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

HWND ShowSplash(DWORD dwDuration, const char* pszText = "", CPoint pt = CPoint(0, 0))
{
    CKwSplashWnd* pSplash = new CKwSplashWnd(IDB_SPLASH_TEST);
    pSplash->SetDuration(dwDuration);
    pSplash->SetText(pszText, pt);
    return pSplash->Create() ? pSplash->m_hWnd : NULL;
}

TEST(SplashWnd, ClosesByItsTimerOrAtAKeyOrClickAnywhereOnTheThread)
{
    CNotingWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
        CRect(0, 0, 200, 100), NULL, 0));
    HWND hSplash = ShowSplash(1000);
    auto gone = [&] { return !::IsWindow(hSplash); };
    PumpMessages(50);
    EXPECT_FALSE(gone()) << "closed before its time";
    EXPECT_TRUE(PumpUntil(gone));
    hSplash = ShowSplash(0); // at the first tick
    EXPECT_TRUE(PumpUntil(gone));

    // Through the queue, as the user's would come: a click on the splash, then a key, a click
    // and a click on the frame of another window. Each closes it and goes no further.
    const UINT presses[] = {WM_LBUTTONDOWN, WM_KEYDOWN, WM_LBUTTONDOWN, WM_NCRBUTTONDOWN};
    for (UINT message : presses)
    {
        hSplash = ShowSplash(60000);
        ::PostMessageA(&message == presses ? hSplash : other.m_hWnd, message, 0, 0);
        EXPECT_TRUE(PumpUntil(gone)) << message;
    }
    // A loop that offers messages to the splash first: a key closes it and is taken.
    hSplash = ShowSplash(60000);
    MSG move = {hSplash, WM_MOUSEMOVE, 0, 0, 0, {}}, key = {hSplash, WM_SYSKEYDOWN, 0, 0, 0, {}};
    EXPECT_FALSE(CWnd::FromHandlePermanent(hSplash)->PreTranslateMessage(&move));
    EXPECT_TRUE(CWnd::FromHandlePermanent(hSplash)->PreTranslateMessage(&key));
    EXPECT_TRUE(gone());
    // Two at once go together; with none left, keys and clicks reach the window again.
    HWND hFirst = ShowSplash(60000);
    hSplash = ShowSplash(60000);
    ::PostMessageA(other.m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(PumpUntil([&] { return gone() && !::IsWindow(hFirst); }));
    ::PostMessageA(other.m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
    ::PostMessageA(other.m_hWnd, WM_LBUTTONDOWN, 0, 0);
    PumpMessages();
    EXPECT_EQ("KC", other.m_received);
    other.DestroyWindow();
}

// The picture (light yellow, red and green corners) at its own size in the middle of the work
// area, the text over it from its corner, in the default colour, on a transparent background.
// A picture that does not load shows nothing.
TEST(SplashWnd, PaintsThePictureAndItsTextCentred)
{
    CKwSplashWnd* pMissing = new CKwSplashWnd(IDB_SPLASH_ABSENT);
    EXPECT_FALSE(pMissing->Create());
    EXPECT_EQ(NULL, pMissing->m_hWnd);
    delete pMissing; // the caller's, as no window took it

    const CPoint ptText(10, 12);
    HWND hSplash = ShowSplash(60000, "Ab\nCd", ptText);
    ASSERT_TRUE(hSplash != NULL);
    CRect rc, rcWork;
    ::GetWindowRect(hSplash, &rc);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    EXPECT_EQ(CSize(96, 48), rc.Size());
    EXPECT_LE(abs(rc.CenterPoint().x - rcWork.CenterPoint().x) + abs(rc.CenterPoint().y - rcWork.CenterPoint().y), 1);
    EXPECT_EQ(DWORD(WS_EX_TOPMOST | WS_EX_TOOLWINDOW), ::GetWindowLongA(hSplash, GWL_EXSTYLE) & 0xFF);

    TestSurface surface(96, 48, RGB(255, 255, 255));
    ::SendMessageA(hSplash, WM_PRINTCLIENT, (WPARAM)surface.DC().m_hDC, PRF_CLIENT);
    EXPECT_EQ(64, surface.Count(CRect(0, 0, 8, 8), RGB(255, 0, 0)));
    EXPECT_EQ(64, surface.Count(CRect(88, 40, 96, 48), RGB(0, 160, 0)));
    // Ink: what the text changed, one mark per row. None above or left of the text's corner.
    std::string rows;
    for (int y = 0; y < 48; y++)
    {
        int nInk = 0;
        for (int x = 0; x < 96; x++)
            nInk += surface.Pixel(x, y) == RGB(0, 0, 0) || surface.Pixel(x, y) == RGB(255, 255, 255);
        EXPECT_EQ(nInk, surface.Count(CRect(ptText.x, y, 96, y + 1), RGB(0, 0, 0))) << "row " << y;
        rows += nInk ? '#' : '.';
    }
    // Two lines, one line of the default GUI font apart (each begins with a capital).
    TEXTMETRICA tm;
    surface.DC().SelectStockObject(DEFAULT_GUI_FONT);
    ::GetTextMetricsA(surface.DC().m_hDC, &tm);
    size_t nFirst = rows.find('#'), nSecond = rows.find('#', rows.find('.', nFirst));
    EXPECT_TRUE(nFirst >= (size_t)ptText.y && nFirst < (size_t)(ptText.y + tm.tmHeight)) << rows;
    EXPECT_EQ(nFirst + tm.tmHeight, nSecond) << rows;
    ::DestroyWindow(hSplash);
}

} // namespace
