// DpiTest.cpp: the docking bars' captions, buttons, sliders, strips and pane sizes, and the tab
// window's strip and tabs, at the DPI they are created at and at those a move to another monitor
// brings, against the 96-DPI figures scaled.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPAutoHideButton.h"
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPDockingControlBar.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPSlider.h"
#include "CBCGPTabWnd.h"
#include "DockTestFrame.h"

#include <vector>

namespace {
// Caption height, close and pin buttons, slider, strip, button across the strip, pane width, and
// where the client area starts below the caption.
std::vector<int> Figures(CBCGPDockingControlBar& left, CBCGPDockingControlBar& bottom)
{
    CRect slider, strip;
    left.GetDefaultSlider()->GetWindowRect(&slider);
    bottom.GetAutoHideToolBar()->GetWindowRect(&strip);
    CRect button = bottom.GetAutoHideToolBar()->FindButton(&bottom)->GetRect(), pane;
    left.GetWindowRect(&pane);
    CPoint ptClient(0, 0);
    left.ClientToScreen(&ptClient);
    return {left.GetCaptionRect().Height(), left.GetCloseButtonRect().Width(), left.GetPinButtonRect().right,
        slider.Width(), strip.Height(), button.Height(), button.top, pane.Width(), ptClient.y - pane.top};
}

BOOL CALLBACK SendDpi(HWND hWnd, LPARAM nDpi)
{
    ::SendMessage(hWnd, WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi), 0);
    return TRUE;
}
} // namespace

TEST(DockDpi, CaptionsSlidersAndStripsScaleWithTheDpi)
{
    CWinApp app("KwDockDpiTests");
    CBCGPMDIFrameWnd* pFrame = NewDockTestFrame(app);
    ASSERT_TRUE(pFrame != nullptr);
    CBCGPDockingControlBar left, bottom;
    ASSERT_TRUE(DockNewPane(pFrame, left, "Project", CBRS_LEFT, CRect(0, 0, 150, 200)));
    ASSERT_TRUE(DockNewPane(pFrame, bottom, "Output", CBRS_BOTTOM, CRect(0, 0, 300, 100)));
    ASSERT_TRUE(bottom.SetAutoHideMode(TRUE, CBRS_ALIGN_BOTTOM, NULL, FALSE) != NULL);
    pFrame->RecalcLayout();
    const UINT nSystem = CDpi::ForWindow(NULL), dpis[3] = {96, 144, 192};
    std::vector<int> at[4] = {Figures(left, bottom)};
    for (int i = 0; i < 3; ++i)
    {
        // The frame first, then the windows in it, as the system tells them.
        pFrame->SendMessage(WM_DPICHANGED, MAKEWPARAM(dpis[i], dpis[i]));
        ::EnumChildWindows(pFrame->m_hWnd, SendDpi, dpis[i]);
        pFrame->RecalcLayout();
        at[i + 1] = Figures(left, bottom);
    }
    // The pane's width (and the pin, placed from its right) rounds at each change of DPI.
    for (auto [i, nDpi] : {std::make_pair(0, nSystem), {2, 144u}, {3, 192u}})
        for (size_t k = 0; k < at[1].size(); ++k)
            EXPECT_NEAR(CDpi::Scale(at[1][k], nDpi), at[i][k], k == 2 || k == 7 ? 1 : 0) << "figure " << k << " at " << nDpi;
    EXPECT_EQ(20, at[1][0]); // the figures themselves at 96
    pFrame->DestroyWindow();
    app.m_pMainWnd = NULL;
}

TEST(DockDpi, TabStripScalesWithTheDpi)
{
    CWnd host, pages[2];
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "Tabs", WS_OVERLAPPEDWINDOW, 0, 0, 600, 300, NULL, NULL));
    CBCGPTabWnd tabs;
    ASSERT_TRUE(tabs.Create(CBCGPTabWnd::STYLE_3D, CRect(0, 0, 580, 260), &host, 1, CBCGPTabWnd::LOCATION_TOP, TRUE));
    for (CWnd& page : pages)
    {
        ASSERT_TRUE(page.Create("STATIC", "", WS_CHILD, CRect(0, 0, 10, 10), &host, 2));
        tabs.AddTab(&page, "Properties");
    }
    // The strip's height, a tab's width and where it starts, the close button's width.
    auto figures = [&](UINT nDpi) {
        tabs.SendMessage(WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi));
        CRect strip, tab;
        tabs.GetTabsRect(strip);
        tabs.GetTabRect(1, tab);
        return std::vector<int>{strip.Height(), tab.Width(), tab.left, tabs.GetButtonRect(CBCGPTabWnd::BUTTON_CLOSE).Width()};
    };
    const std::vector<int> at96 = figures(96);
    for (UINT nDpi : {144u, 192u, 96u})
    {
        const std::vector<int> at = figures(nDpi);
        // Text is hinted at each size: it measures within a few percent of the scaled figure.
        for (size_t k = 0; k < at.size(); ++k)
        {
            const int nScaled = CDpi::Scale(at96[k], nDpi);
            EXPECT_NEAR(nScaled, at[k], nScaled / 16 + 2) << "figure " << k << " at " << nDpi;
        }
    }
    host.DestroyWindow();
}
