// TipHarness.h: declares what the tooltip tests work with: CTestTip, a CUxToolTip that opens
// its protected side and can be placed on a screen of a chosen size, CTipOwnerWnd, an owner
// window with child windows that answers and notes the display notification, a fixture with both
// windows, CMarkupTip, a tooltip with its markup engine opened, and the bounding box of a colour
// on a test surface.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include "support/MessageRecorder.h"
#include "support/TestSurface.h"
#include "tips/UxToolTip.h"

#include <climits>
#include <functional>
#include <vector>

class CTestTip : public CUxToolTip
{
public:
    // (0, 0): the real screen.
    CSize m_szScreen = CSize(0, 0);
    CSize GetScreenSize() override;

    // Each appearance is counted, its time and SWP_ flags kept, and m_onShown called (the window
    // is in place, its region not yet set). With a recorder, appearing and disappearing are
    // noted as "tip" WM_SHOWWINDOW with wParam TRUE or FALSE.
    MessageRecorder* m_pRecorder = NULL;
    int m_nAppearances = 0;
    DWORD m_dwShownAt = 0;
    UINT m_nShowFlags = 0;
    std::function<void()> m_onShown;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The tool waiting for its first paint, and the one shown.
    std::pair<int, int> Indices() const { return {m_nIndexCurrentWnd, m_nIndexDisplayWnd}; }

    using CUxToolTip::CalculateInfoBoxRect;
    using CUxToolTip::DisplayToolTip;
    using CUxToolTip::GetSizeIcon;
    using CUxToolTip::GetTooltipSize;
    using CUxToolTip::GetWindowRegion;
    using CUxToolTip::IsCursorInToolTip;
    using CUxToolTip::IsEnabledIndexTool;
    using CUxToolTip::IsVisible;
    using CUxToolTip::PrepareDisplayToolTip;
    using CUxToolTip::SendNotify;
    using CUxToolTip::m_nIndexCurrentWnd;
    using CUxToolTip::m_nIndexDisplayWnd;
    using CUxToolTip::m_pToolInfo;
    using CUxToolTip::m_ptOriginal;
    using CUxToolTip::m_rgnShadow;
    using CUxToolTip::m_rgnToolTip;
    using CUxToolTip::m_szTextTooltip;
    using CUxToolTip::m_szToolIcon;
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

// A tooltip with its markup engine opened, and the tables of lines of its last pass.
class CMarkupTip : public CUxToolTip
{
public:
    using CUxToolTip::DrawResource;
    using CUxToolTip::GetNameOfTag;
    using CUxToolTip::GetPropertiesOfTag;
    using CUxToolTip::GetSizeIcon;
    using CUxToolTip::GetUIntValue;
    using CUxToolTip::PrintTitleString;
    using CUxToolTip::SearchBeginOfTag;
    using CUxToolTip::SearchEndOfTag;

    std::vector<UINT> Widths() const { return std::vector<UINT>(m_nLengthLines.GetData(), m_nLengthLines.GetData() + m_nLengthLines.GetSize()); }
    std::vector<UINT> Heights() const { return std::vector<UINT>(m_nHeightLines.GetData(), m_nHeightLines.GetData() + m_nHeightLines.GetSize()); }
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
};

// The screen point of a point in the client area of hWnd.
CPoint ScreenPoint(HWND hWnd, int x, int y);

// The bounding box of the pixels of one colour within area (by default the whole surface),
// empty when there are none.
CRect BoundsOf(const TestSurface& surface, COLORREF color, CRect area = CRect(0, 0, INT_MAX, INT_MAX));
