// DpiTest.cpp: docking captions and their glyphs, buttons, sliders, strips, pane sizes, the markers
// and the tab strip at the DPI they are created at and at those a move to another monitor brings,
// against 96 DPI scaled; the look's popup menu items.
#include <gtest/gtest.h>

#include "CBCGPAutoHideButton.h"
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPDockingControlBar.h"
#include "CBCGPDockingMarkers.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMenuBar.h"
#include "CBCGPSlider.h"
#include "CBCGPStatusBar.h"
#include "CBCGPTabWnd.h"
#include "CBCGPVisualManager.h"
#include "DockTestFrame.h"
#include "support/TestSurface.h"
#include <vector>

namespace {

BOOL CALLBACK TellDpi(HWND hWnd, LPARAM nDpi)
{
    ::SendMessage(hWnd, WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi), 0);
    return TRUE;
}

} // namespace

TEST(DockDpi, CaptionsSlidersStripsAndTabsScaleWithTheDpi)
{
    CWinApp app("KwDockDpiTests");
    CBCGPMDIFrameWnd* pFrame = NewDockTestFrame(app);
    ASSERT_TRUE(pFrame != nullptr);
    CBCGPDockingControlBar left, bottom;
    CBCGPTabWnd tabs;
    CWnd page;
    CBCGPDockingMarkers markers;
    CBCGPStatusBar status;
    const UINT ids[2] = {ID_SEPARATOR, ID_SEPARATOR};
    ASSERT_TRUE(status.Create(pFrame) && status.SetIndicators(ids, 2));
    status.SetPaneWidth(1, 80);
    ASSERT_TRUE(DockNewPane(pFrame, left, "Project", CBRS_LEFT, CRect(0, 0, 150, 200)));
    ASSERT_TRUE(DockNewPane(pFrame, bottom, "Output", CBRS_BOTTOM, CRect(0, 0, 300, 100)));
    ASSERT_TRUE(bottom.SetAutoHideMode(TRUE, CBRS_ALIGN_BOTTOM, NULL, FALSE) != NULL);
    ASSERT_TRUE(tabs.Create(CBCGPTabWnd::STYLE_3D, CRect(0, 0, 500, 100), pFrame, 1, CBCGPTabWnd::LOCATION_TOP, TRUE));
    ASSERT_TRUE(page.Create("STATIC", "", WS_CHILD, CRect(0, 0, 10, 10), &tabs, 2));
    tabs.AddTab(&page, "Properties");
    // Caption, close button, pin's right, slider, strip, button across it and its top, pane width,
    // client below the caption, the markers' cross over the pane, the status bar's fixed pane;
    // tab strip, tab width, close button, the strip's button along it, the menu bar's first one,
    // the status bar (text: hinted at each size).
    auto figures = [&] {
        pFrame->RecalcLayout();
        CRect slider, strip, pane, tabStrip, tab, button = bottom.GetAutoHideToolBar()->FindButton(&bottom)->GetRect();
        left.GetDefaultSlider()->GetWindowRect(&slider);
        bottom.GetAutoHideToolBar()->GetWindowRect(&strip);
        left.GetWindowRect(&pane);
        CPoint ptClient(0, 0);
        left.ClientToScreen(&ptClient);
        tabs.GetTabsRect(tabStrip);
        tabs.GetTabRect(0, tab);
        CRect cross, statusPane, menu = pFrame->GetMenuBar()->GetButtonRect(0);
        status.GetItemRect(1, &statusPane);
        markers.ShowOver(pFrame, pane, pane, CBCGPDockingMarkers::CROSS, pane.TopLeft());
        markers.GetWindowRect(&cross);
        return std::vector<int>{left.GetCaptionRect().Height(), left.GetCloseButtonRect().Width(),
            left.GetPinButtonRect().right, slider.Width(), strip.Height(), button.Height(), button.top, pane.Width(),
            ptClient.y - pane.top, cross.Width(), statusPane.Width(), tabStrip.Height(), tab.Width(),
            tabs.GetButtonRect(CBCGPTabWnd::BUTTON_CLOSE).Width(), button.Width(), menu.Width(),
            status.CalcFixedLayout(FALSE, TRUE).cy};
    };
    const UINT nSystem = CDpi::ForWindow(NULL), dpis[3] = {96, 144, 192};
    std::vector<int> at[4] = {figures()};
    for (int i = 0; i < 3; ++i)
    {
        // The frame first, then the windows in it, as the system tells them.
        pFrame->SendMessage(WM_DPICHANGED, MAKEWPARAM(dpis[i], dpis[i]));
        ::EnumChildWindows(pFrame->m_hWnd, TellDpi, dpis[i]);
        at[i + 1] = figures();
    }
    // The pane's width (and the pin placed from it) and the status pane's round at each change.
    for (auto [i, nDpi] : {std::make_pair(0, nSystem), {2, 144u}, {3, 192u}})
        for (size_t k = 0; k < at[1].size(); ++k)
        {
            const int nScaled = CDpi::Scale(at[1][k], nDpi);
            EXPECT_NEAR(nScaled, at[i][k],
                k < 11 ? k == 2 || k == 7 || k == 10 : nScaled / 16 + 2) << k << " at " << nDpi;
        }
    EXPECT_EQ(20, at[1][0]);
    markers.DestroyWindow();
    pFrame->DestroyWindow();
    app.m_pMainWnd = NULL;
}

TEST(DockDpi, CaptionGlyphsScaleWithTheDpi)
{
    // The ink of the close cross and of the pin, upright and lying, in a caption button's square:
    // its extent at 144 and 192 DPI is that at 96 scaled.
    CBCGPVisualManager manager;
    const COLORREF clrPaper = RGB(1, 2, 3);
    auto ink = [&](int nGlyph, UINT nDpi) {
        const int nSize = CDpi::Scale(16, nDpi);
        TestSurface surface(nSize, nSize, clrPaper);
        if (nGlyph == 0)
            manager.OnDrawCaptionButton(&surface.DC(), CRect(0, 0, nSize, nSize), TRUE, FALSE, nDpi);
        else
            manager.OnDrawPinButton(&surface.DC(), CRect(0, 0, nSize, nSize), TRUE, nGlyph == 2, nDpi);
        CRect box(0, 0, 0, 0);
        for (int y = 0; y < nSize; ++y)
            for (int x = 0; x < nSize; ++x)
                if (surface.Pixel(x, y) != clrPaper)
                    box |= CRect(x, y, x + 1, y + 1);
        return box.Size();
    };
    for (int nGlyph = 0; nGlyph < 3; ++nGlyph)
        for (UINT nDpi : {144u, 192u})
        {
            const CSize at96 = ink(nGlyph, 96), atDpi = ink(nGlyph, nDpi);
            EXPECT_NEAR(CDpi::Scale(at96.cx, nDpi), atDpi.cx, 1) << nGlyph << " at " << nDpi;
            EXPECT_NEAR(CDpi::Scale(at96.cy, nDpi), atDpi.cy, 1) << nGlyph << " at " << nDpi;
        }
}

TEST(DockDpi, MenuItemsTheirMarginAndCheckMarkScaleWithTheDpi)
{
    CBCGPVisualManager manager;
    CRect ink[2][2]; // at 96 and 192 DPI: the check mark's, left of the label's margin, and the label's
    for (int i = 0; i < 2; ++i)
    {
        const UINT nDpi = 96 * (i + 1);
        TestSurface surface(300, 80);
        const CSize item = manager.OnMeasureMenuItem(&surface.DC(), "Open", FALSE, nDpi);
        manager.OnDrawMenuItem(&surface.DC(), CRect(CPoint(0, 0), item), "Open", ODS_CHECKED, FALSE, nDpi);
        for (int x = 0, y = 0; y < item.cy; x = (x + 1) % item.cx, y += x == 0)
            if (surface.Pixel(x, y) == ::GetSysColor(COLOR_MENUTEXT))
                ink[i][x >= CDpi::Scale(20, nDpi)] |= CRect(x, y, x + 1, y + 1);
    }
    for (int edge = 0; edge < 8; ++edge) // hinted text may run a few percent wider or narrower
        EXPECT_NEAR(2 * (&ink[0][0].left)[edge], (&ink[1][0].left)[edge], edge == 6 ? 3 + ink[1][1].Width() / 10 : 3)
            << edge;
}
