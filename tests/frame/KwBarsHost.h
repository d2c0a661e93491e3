// KwBarsHost.h: a main frame with four toolkit bars and a status bar, whose bars write down every
// operation the toolkit asks of the docking library, and which catches the popup menus that open.
#pragma once

#include "KwBarsHost.rh"

#include "frame/KwControlBar.h"
#include "frame/KwStatusBar.h"
#include "frame/KwTabbedControlBar.h"

#include <CBCGPMDIFrameWnd.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

typedef std::vector<std::string> Calls;

// The library operations the toolkit called, in order; what the library does inside one of them
// (a tab's container shown with it, say) is left out.
struct LibraryLog
{
    static Calls s_calls;
    static int s_nDepth;
    explicit LibraryLog(const std::string& call)
    {
        if (s_nDepth++ == 0)
            s_calls.push_back(call);
    }
    ~LibraryLog() { s_nDepth--; }
    static Calls Take()
    {
        Calls calls;
        calls.swap(s_calls);
        return calls;
    }
};

std::string EdgeName(DWORD dwAlignment);

// A bar (or container) that writes down the library operations called on it, by name.
template <class Base> class CRecording : public Base
{
public:
    std::string m_name;
    BOOL m_bCanFloatWhileFloating = FALSE; // what CanFloat answered inside FloatControlBar

    using Base::SetAutoHideMode;
    using Base::ShowControlBar;
    CBCGPAutoHideToolBar* SetAutoHideMode(BOOL bMode, DWORD dwAlignment, CBCGPAutoHideToolBar* pBar, BOOL bUseTimer) override
    {
        LibraryLog log(Call("SetAutoHideMode", bMode, EdgeName(dwAlignment), pBar == NULL ? "NULL" : "strip", bUseTimer));
        return Base::SetAutoHideMode(bMode, dwAlignment, pBar, bUseTimer);
    }
    void ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate) override
    {
        LibraryLog log(Call("ShowControlBar", bShow, bDelay, bActivate));
        Base::ShowControlBar(bShow, bDelay, bActivate);
    }
    void Slide(BOOL bSlideOut, BOOL bUseTimer) override
    {
        LibraryLog log(Call("Slide", bSlideOut, bUseTimer));
        Base::Slide(bSlideOut, bUseTimer);
    }
    BOOL FloatControlBar(CRect rect, BCGP_DOCK_METHOD method, bool bShow) override
    {
        LibraryLog log(Call("FloatControlBar", rect == this->m_recentDockInfo.m_rectRecentFloatingRect ? "recent" : "other",
            method, bShow));
        m_bCanFloatWhileFloating = this->CanFloat();
        return Base::FloatControlBar(rect, method, bShow);
    }
    void OnPressCloseButton() override
    {
        LibraryLog log(m_name + ".OnPressCloseButton()");
        Base::OnPressCloseButton();
    }

protected:
    template <class... Args> std::string Call(const char* pszName, Args... args)
    {
        std::string text = m_name + "." + pszName + "(";
        const char* pszSep = "";
        for (std::string arg : {Text(args)...})
            text += pszSep + arg, pszSep = ",";
        return text + ")";
    }
    static std::string Text(int n) { return std::to_string(n); }
    static std::string Text(const std::string& s) { return s; }
    static std::string Text(const char* psz) { return psz; }
};

class CRecordingBar : public CRecording<CKwControlBar>
{
};

// The container the library makes of recording bars; it notes the tab brought to the front.
class CRecordingTabbed : public CRecording<CKwTabbedControlBar>
{
    DECLARE_DYNCREATE(CRecordingTabbed)
public:
    CRecordingTabbed() { m_name = "Tabs"; }
    BOOL FloatTab(CWnd* pBar, int nTabID, BCGP_DOCK_METHOD method, BOOL bHide) override;
    afx_msg LRESULT OnActiveTab(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// Notes each popup menu of the library that opens, with its items as they are set up then, and
// keeps it from showing.
class CMenuCatchingFrame : public CBCGPMDIFrameWnd
{
public:
    std::vector<std::string> m_menus;
    std::vector<CWnd*> m_owners;
    BOOL OnShowPopupMenu(CBCGPPopupMenu* pMenuPopup) override;
};

class KwBars : public ::testing::Test
{
protected:
    CWinApp m_app{"KwBarsTests"};
    CMenuCatchingFrame* m_pFrame = nullptr;
    CKwStatusBar m_status;
    CRecordingBar m_project, m_classes, m_output, m_properties;
    CListBox m_lists[4];

    void SetUp() override;
    void TearDown() override;
    // Classes docked onto Project: a container of two tabs, Classes in front.
    CRecordingTabbed* MakeTabs();
    // A right-click on pSource at the screen point, as its context menu request reaches pTarget.
    static void RightClick(CWnd* pTarget, CWnd* pSource, CPoint ptScreen)
    {
        pTarget->SendMessage(WM_CONTEXTMENU, (WPARAM)pSource->m_hWnd, MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    CPoint CaptionPoint(CWnd* pBar);
    static CPoint Middle(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        return rect.CenterPoint();
    }
};
