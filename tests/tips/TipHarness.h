// TipHarness.h: declares what the tooltip tests work with: CTestTip, a CUxToolTip whose
// appearances are noted, CTipOwnerWnd, an owner window with child windows that answers and notes
// the display notification, a fixture with both windows, the size the tip gives a text, and the
// bounding box of a colour on a test surface.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include "support/MessageRecorder.h"
#include "support/TestSurface.h"
#include "tips/UxTipText.h"
#include "tips/UxToolTip.h"

#include <climits>
#include <functional>

// A tooltip whose appearances and disappearances are noted, seen from its window's messages.
class CTestTip : public CUxToolTip
{
public:
    // Each appearance is counted, its time and SWP_ flags kept, and m_onShown called (the window
    // is in place, its region not yet set). With a recorder, appearing and disappearing are
    // noted as "tip" WM_SHOWWINDOW with wParam TRUE or FALSE.
    MessageRecorder* m_pRecorder = NULL;
    int m_nAppearances = 0;
    DWORD m_dwShownAt = 0;
    UINT m_nShowFlags = 0;
    std::function<void()> m_onShown;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CTipOwnerWnd : public CWnd
{
public:
    // A visible top-level window at a known place of the screen, made the active window.
    BOOL CreateOwner(const CRect& rect);
    // A visible child window at rect of the owner's client area.
    HWND AddChild(const CRect& rect, BOOL bEnabled = TRUE);

    // Called for each display notification; the recorder, when set, notes it as "receiver".
    std::function<void(UXTOOLTIP_NOTIFY&)> m_onDisplay;
    MessageRecorder* m_pRecorder = NULL;
    int m_nNotifications = 0;
    UXTOOLTIP_NOTIFY m_lastNotify = {};
    UXTOOLTIP_INFO m_lastInfo; // as the receiver saw it

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// An owner window at a known place of the screen and a tooltip of type TTip, which the test (or
// a fixture built on this one) creates; both windows are destroyed after the test.
template <class TTip> struct TipWindowTest : ::testing::Test
{
    CTipOwnerWnd owner;
    TTip tip;

    void SetUp() override { ASSERT_TRUE(owner.CreateOwner(CRect(200, 150, 500, 350))); }
    void TearDown() override
    {
        tip.DestroyWindow();
        owner.DestroyWindow();
    }
    // Shows the record at once at a point of the screen, as a help tip; returns the window's
    // rectangle on the screen.
    CRect Show(const UXTOOLTIP_INFO& ti, CPoint ptScreen)
    {
        CPoint pt = ptScreen;
        owner.ScreenToClient(&pt);
        UXTOOLTIP_INFO record = ti;
        tip.ShowHelpTooltip(pt, record);
        CRect rc;
        tip.GetWindowRect(&rc);
        return rc;
    }
    // The window region, in window coordinates.
    void WindowRegion(CRgn& rgn)
    {
        rgn.CreateRectRgn(0, 0, 0, 0);
        ::GetWindowRgn(tip.m_hWnd, rgn);
    }
};

// A record of a text with some settings of its own.
UXTOOLTIP_INFO Record(const char* text, UINT nMask = 0, DWORD nStyles = 0, UINT nDirection = 0);

// A tip's text measured, or drawn into rect, on dc in the tip's font, colours and image list, with
// the named pictures given, as the tip prints it; the size measured.
CSize PrintTip(CUxToolTip& tip, CDC& dc, CUxTipText& text, CUxTipNamedPictures& names, CRect rect, const char* psz,
               BOOL bMeasure);
// The size a tip measures for its text, in its font, as it sizes its window.
CSize TextSize(CUxToolTip& tip, const char* text);

// The screen point of a point in the client area of hWnd.
CPoint ScreenPoint(HWND hWnd, int x, int y);

// The bounding box of the pixels of one colour within area (by default the whole surface),
// empty when there are none.
CRect BoundsOf(const TestSurface& surface, COLORREF color, CRect area = CRect(0, 0, INT_MAX, INT_MAX));
