// The splash window: each way it closes (its timer, a click on it, a key or click anywhere on the
// thread), the picture it paints with its text, and a picture that does not load.
#include "SplashWndTest.rh"

#include "frame/KwSplashWnd.h"
#include "support/MessageRecorder.h"
#include "support/PumpUntil.h"
#include "support/TestSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const COLORREF yellow = RGB(255, 255, 192), red = RGB(255, 0, 0), green = RGB(0, 160, 0);

// Another window of the thread, noting the keys and clicks that reach it.
class CNotingWnd : public CWnd
{
public:
    std::vector<UINT> m_received;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN || message == WM_LBUTTONDOWN || message == WM_NCRBUTTONDOWN)
            m_received.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

HWND ShowSplash(DWORD dwDuration, const char* pszText = "", CPoint pt = CPoint(0, 0))
{
    CKwSplashWnd* pSplash = new CKwSplashWnd(IDB_SPLASH_TEST);
    pSplash->SetDuration(dwDuration);
    pSplash->SetText(pszText, pt);
    if (!pSplash->Create())
    {
        delete pSplash;
        return NULL;
    }
    return pSplash->m_hWnd;
}

bool Gone(HWND hWnd)
{
    return !::IsWindow(hWnd);
}

TEST(SplashWnd, ClosesByItsTimerOrAtAKeyOrClickAnywhereOnTheThread)
{
    CNotingWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
        CRect(0, 0, 200, 100), NULL, 0));

    HWND hSplash = ShowSplash(1000);
    ASSERT_TRUE(hSplash != NULL);
    EXPECT_TRUE(::IsWindowVisible(hSplash));
    PumpMessages(50);
    EXPECT_FALSE(Gone(hSplash)) << "closed before its time";
    EXPECT_TRUE(PumpUntil([&] { return Gone(hSplash); }));

    hSplash = ShowSplash(0); // at the first tick
    EXPECT_TRUE(PumpUntil([&] { return Gone(hSplash); }));

    // Through the queue, as the user's would come: a click on the splash, then a key, a click
    // and a click on the frame of another window. Each closes it and goes no further.
    struct Press
    {
        bool bOnSplash;
        UINT message;
    } presses[] = {{true, WM_LBUTTONDOWN}, {false, WM_KEYDOWN}, {false, WM_LBUTTONDOWN}, {false, WM_NCRBUTTONDOWN}};
    for (const Press& press : presses)
    {
        hSplash = ShowSplash(60000);
        ::PostMessageA(press.bOnSplash ? hSplash : other.m_hWnd, press.message, 0, MAKELPARAM(5, 5));
        EXPECT_TRUE(PumpUntil([&] { return Gone(hSplash); })) << press.message;
    }
    // A loop that offers messages to the splash first: a key closes it and is taken.
    hSplash = ShowSplash(60000);
    CWnd* pSplash = CWnd::FromHandlePermanent(hSplash);
    MSG move = {hSplash, WM_MOUSEMOVE, 0, 0, 0, {}}, key = {hSplash, WM_SYSKEYDOWN, 0, 0, 0, {}};
    EXPECT_FALSE(pSplash->PreTranslateMessage(&move));
    EXPECT_TRUE(pSplash->PreTranslateMessage(&key));
    EXPECT_TRUE(Gone(hSplash));
    // Two at once go together; with none left, keys and clicks reach the window again.
    HWND hFirst = ShowSplash(60000), hSecond = ShowSplash(60000);
    ::PostMessageA(other.m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(PumpUntil([&] { return Gone(hFirst) && Gone(hSecond); }));
    EXPECT_TRUE(other.m_received.empty());
    ::PostMessageA(other.m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
    ::PostMessageA(other.m_hWnd, WM_LBUTTONDOWN, 0, 0);
    PumpMessages();
    EXPECT_EQ((std::vector<UINT>{WM_KEYDOWN, WM_LBUTTONDOWN}), other.m_received);
    other.DestroyWindow();
}

TEST(SplashWnd, APictureThatDoesNotLoadShowsNothing)
{
    CKwSplashWnd* pSplash = new CKwSplashWnd(IDB_SPLASH_ABSENT);
    EXPECT_FALSE(pSplash->Create());
    EXPECT_EQ(NULL, pSplash->m_hWnd);
    delete pSplash; // the caller's, as no window took it
}

// The picture at its own size in the middle of the work area, the text over it in the default
// colour on a transparent background, line by line from its corner.
TEST(SplashWnd, PaintsThePictureAndItsTextCentred)
{
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
    // The corners of the picture, at their place and the right way up.
    EXPECT_EQ(64, surface.Count(CRect(0, 0, 8, 8), red));
    EXPECT_EQ(64, surface.Count(CRect(88, 40, 96, 48), green));
    // Ink: pixels the text changed. None above or left of the text's corner, none white.
    std::vector<int> inkRows(48);
    int nWhite = 0;
    for (int y = 0; y < 48; y++)
        for (int x = 0; x < 96; x++)
        {
            COLORREF c = surface.Pixel(x, y);
            nWhite += c == RGB(255, 255, 255);
            if (c != yellow && c != red && c != green)
            {
                inkRows[y]++;
                EXPECT_TRUE(x >= ptText.x && y >= ptText.y) << x << "," << y;
            }
        }
    EXPECT_EQ(0, nWhite) << "the text's background was filled";
    // Two lines, the second one line of the default GUI font below the first.
    TEXTMETRICA tm;
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    std::string bands;
    for (int y = ptText.y; y < ptText.y + 2 * tm.tmHeight && y < 48; y++)
        bands += inkRows[y] ? '#' : '.';
    size_t nFirst = bands.find('#'), nGap = bands.find('.', nFirst), nSecond = bands.find('#', nGap);
    ASSERT_NE(std::string::npos, nSecond) << bands;
    EXPECT_LT(nFirst, (size_t)tm.tmHeight);
    EXPECT_EQ(nFirst + tm.tmHeight, nSecond) << bands; // both lines start with a capital
    ::DestroyWindow(hSplash);
}

} // namespace
