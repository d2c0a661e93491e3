// The tab window: its tabs and which window shows, the page for tabs at the top and the bottom,
// what the parent hears when the active tab changes (by call, click and keys), windows destroyed
// from outside, labels cut or scrolled when the strip is short, and the look of the strip.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPTabWnd.h"
#include "CBCGPVisualManagerXP.h"
#include "TabWndTest.rh"
#include "support/MessageRecorder.h"
#include "support/TestSurface.h"

#include <memory>
#include <string>
#include <vector>

namespace {

// Rectangles compared as their corners, so that a failure shows them.
std::string R(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

// Writes down each change of active tab it hears: "<index>;", or "<index>?;" when the message
// names another tab window.
class CTabHost : public CWnd
{
public:
    std::string m_log;
    CBCGPTabWnd* m_pTabs = nullptr;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == BCGM_CHANGE_ACTIVE_TAB)
        {
            m_log += std::to_string(wParam) + ((CBCGPTabWnd*)lParam == m_pTabs ? ";" : "?;");
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

struct TabWndFixture : ::testing::Test
{
    CTabHost m_host;
    CBCGPTabWnd m_tabs;
    std::vector<std::unique_ptr<CEdit>> m_pages;

    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0), "Tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
            300, NULL, NULL));
        m_host.m_pTabs = &m_tabs;
        m_host.SetForegroundWindow();
    }
    void TearDown() override
    {
        m_pages.clear();
        m_host.DestroyWindow();
    }
    // A tab window filling a client area of cx by cy.
    void Create(CBCGPTabWnd::Style style, CBCGPTabWnd::Location location, int cx = 300, int cy = 200,
        BOOL bCloseBtn = FALSE)
    {
        ASSERT_TRUE(m_tabs.Create(style, CRect(0, 0, cx, cy), &m_host, 1, location, bCloseBtn));
    }
    // An edit control made a child of the host, as hosts make their views before adding them.
    CEdit* NewPage(const char* pszText)
    {
        m_pages.emplace_back(new CEdit);
        CEdit* pEdit = m_pages.back().get();
        pEdit->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_host, 100 + (UINT)m_pages.size());
        pEdit->SetWindowText(pszText);
        return pEdit;
    }
    void AddPages(int nCount)
    {
        static const char* const s_labels[] = {"Plan", "Sections", "Loads", "Results", "Notes", "Report"};
        for (int i = 0; i < nCount; i++)
            m_tabs.AddTab(NewPage(s_labels[i % 6]), s_labels[i % 6]);
    }
    std::string Visible()
    {
        std::string text;
        for (int i = 0; i < m_tabs.GetTabsNum(); i++)
            text += m_tabs.GetTabWnd(i) == nullptr ? "x" : m_tabs.GetTabWnd(i)->IsWindowVisible() ? "V" : "-";
        return text;
    }
    CRect RectInTabs(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        m_tabs.ScreenToClient(&rect);
        return rect;
    }
    void Click(int iTab)
    {
        CRect rect;
        m_tabs.GetTabRect(iTab, rect);
        m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
        m_tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    }
    // A key pressed in the focused window, through the message loop's pre-translation.
    void Key(UINT nKey, bool bCtrl = false)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = bCtrl ? 0x80 : 0;
        ::SetKeyboardState(keys);
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, nKey, 1);
        PumpWithPreTranslate(0);
        keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
    }
};

TEST_F(TabWndFixture, OnlyTheActiveTabsWindowShowsAndTabsFollowTheirWindows)
{
    Create(CBCGPTabWnd::STYLE_FLAT, CBCGPTabWnd::LOCATION_BOTTOM);
    EXPECT_EQ(-1, m_tabs.GetActiveTab());
    EXPECT_EQ(nullptr, m_tabs.GetActiveWnd());
    AddPages(3);
    ASSERT_EQ(3, m_tabs.GetTabsNum());
    for (int i = 0; i < 3; i++)
    {
        EXPECT_EQ(m_pages[i].get(), m_tabs.GetTabWnd(i));
        EXPECT_EQ(m_tabs.m_hWnd, ::GetParent(m_pages[i]->m_hWnd));
        EXPECT_EQ(i, m_tabs.GetTabFromHwnd(m_pages[i]->m_hWnd));
    }
    EXPECT_EQ(-1, m_tabs.GetTabFromHwnd(m_host.m_hWnd));
    EXPECT_EQ(-1, m_tabs.GetTabFromHwnd(NULL));
    EXPECT_EQ(nullptr, m_tabs.GetTabWnd(3));
    EXPECT_EQ(0, m_tabs.GetActiveTab());
    EXPECT_EQ("V--", Visible());
    EXPECT_TRUE(m_tabs.SetActiveTab(2));
    EXPECT_EQ(m_pages[2].get(), m_tabs.GetActiveWnd());
    EXPECT_EQ("--V", Visible());
    EXPECT_FALSE(m_tabs.SetActiveTab(3));
    EXPECT_FALSE(m_tabs.SetActiveTab(-1));
    EXPECT_EQ(2, m_tabs.GetActiveTab());
    // A window already a tab is not added twice; the host holding the tab window is not added.
    m_tabs.AddTab(m_pages[1].get(), "Again");
    m_tabs.AddTab(&m_host, "Host");
    EXPECT_EQ(3, m_tabs.GetTabsNum());
    // A top-level window becomes a child of the tab window.
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), "Popup", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    m_tabs.AddTab(&popup, "Popup");
    EXPECT_EQ(WS_CHILD, popup.GetStyle() & (WS_CHILD | WS_POPUP));
    EXPECT_EQ(m_tabs.m_hWnd, ::GetAncestor(popup.m_hWnd, GA_PARENT));
    m_tabs.RemoveTab(3);

    // A removed tab's window is hidden, not destroyed; the tab that slides into the active
    // place takes over.
    EXPECT_TRUE(m_tabs.RemoveTab(2));
    EXPECT_TRUE(::IsWindow(m_pages[2]->m_hWnd));
    EXPECT_FALSE(m_pages[2]->IsWindowVisible());
    EXPECT_EQ(1, m_tabs.GetActiveTab());
    EXPECT_EQ("-V", Visible());
    EXPECT_TRUE(m_tabs.RemoveTab(0));
    EXPECT_EQ(0, m_tabs.GetActiveTab());
    EXPECT_EQ(m_pages[1].get(), m_tabs.GetActiveWnd());
    EXPECT_FALSE(m_tabs.RemoveTab(1));
    m_tabs.AddTab(m_pages[2].get(), "Loads");
    m_tabs.RemoveAllTabs();
    EXPECT_EQ(0, m_tabs.GetTabsNum());
    EXPECT_EQ(-1, m_tabs.GetActiveTab());
    EXPECT_FALSE(m_pages[1]->IsWindowVisible());
    EXPECT_TRUE(::IsWindow(m_pages[1]->m_hWnd));
}

TEST_F(TabWndFixture, ThePageIsTheWindowLessTheStripAndTheBorderForTabsAtEitherSide)
{
    for (CBCGPTabWnd::Location location : {CBCGPTabWnd::LOCATION_BOTTOM, CBCGPTabWnd::LOCATION_TOP})
    {
        m_tabs.SetTabBorderSize(1, FALSE); // set before Create, as hosts do
        Create(CBCGPTabWnd::STYLE_3D, location);
        AddPages(2);
        CRect rectStrip, rectPage;
        m_tabs.GetTabsRect(rectStrip);
        int h = rectStrip.Height();
        EXPECT_GT(h, 12);
        bool bBottom = location == CBCGPTabWnd::LOCATION_BOTTOM;
        EXPECT_EQ(R(bBottom ? CRect(0, 200 - h, 300, 200) : CRect(0, 0, 300, h)), R(rectStrip));
        m_tabs.GetWndArea(rectPage);
        EXPECT_EQ(R(bBottom ? CRect(1, 1, 299, 200 - h) : CRect(1, h, 299, 199)), R(rectPage));
        EXPECT_EQ(R(rectPage), R(RectInTabs(m_tabs.GetActiveWnd())));
        // Resized, and with no border, the page follows; so does the next active window.
        m_tabs.SetTabBorderSize(0, TRUE);
        m_tabs.SetWindowPos(NULL, 0, 0, 250, 120, SWP_NOZORDER | SWP_NOMOVE);
        m_tabs.SetActiveTab(1);
        m_tabs.GetWndArea(rectPage);
        EXPECT_EQ(R(bBottom ? CRect(0, 0, 250, 120 - h) : CRect(0, h, 250, 120)), R(rectPage));
        EXPECT_EQ(R(rectPage), R(RectInTabs(m_tabs.GetActiveWnd())));
        // Smaller than the strip: an empty page, never one inside out.
        m_tabs.SetWindowPos(NULL, 0, 0, 40, h / 2, SWP_NOZORDER | SWP_NOMOVE);
        m_tabs.GetWndArea(rectPage);
        EXPECT_TRUE(rectPage.IsRectEmpty());
        EXPECT_GE(rectPage.Width(), 0);
        EXPECT_GE(rectPage.Height(), 0);
        m_tabs.DestroyWindow();
        m_pages.clear();
    }
}

TEST_F(TabWndFixture, TheParentHearsEachChangeOfActiveTabByCallClickAndKeys)
{
    Create(CBCGPTabWnd::STYLE_FLAT, CBCGPTabWnd::LOCATION_BOTTOM);
    AddPages(3); // the first tab becomes active
    m_tabs.SetActiveTab(2);
    m_tabs.SetActiveTab(2); // no change, no message
    Click(1);
    EXPECT_EQ(m_pages[1]->m_hWnd, ::GetFocus()); // a click gives the page the focus
    Key(VK_NEXT, true);
    EXPECT_EQ(m_pages[2]->m_hWnd, ::GetFocus()); // the focus goes along with the page
    Key(VK_NEXT, true); // round the end
    Key(VK_PRIOR, true);
    Key(VK_NEXT); // without Ctrl: the edit control's
    // With the focus on the strip, arrows step and stop at the ends.
    m_tabs.SetFocus();
    Key(VK_RIGHT);
    Key(VK_LEFT);
    Key(VK_LEFT);
    Key(VK_LEFT);
    Click(2);
    EXPECT_EQ(m_tabs.m_hWnd, ::GetFocus()); // the strip keeps its focus
    m_tabs.RemoveTab(2);
    EXPECT_EQ("0;2;1;2;0;2;1;0;2;1;", m_host.m_log);
}

TEST_F(TabWndFixture, AWindowDestroyedFromOutsideLeavesItsTab)
{
    Create(CBCGPTabWnd::STYLE_FLAT, CBCGPTabWnd::LOCATION_TOP, 300, 200, TRUE);
    AddPages(3);
    // One that asked not to tell its parent: the tab window hears it all the same.
    CWnd* pLast = NewPage("Quiet");
    pLast->ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    m_tabs.AddTab(pLast, "Quiet");
    m_tabs.SetActiveTab(1);
    m_host.m_log.clear();
    m_pages[1]->DestroyWindow();
    EXPECT_EQ(3, m_tabs.GetTabsNum());
    EXPECT_EQ(1, m_tabs.GetActiveTab());
    EXPECT_EQ(m_pages[2].get(), m_tabs.GetActiveWnd());
    EXPECT_EQ("-V-", Visible());
    m_pages[0].reset(); // the object goes, and its window with it
    EXPECT_EQ(0, m_tabs.GetActiveTab());
    EXPECT_EQ(m_pages[2].get(), m_tabs.GetActiveWnd());
    // The close button closes the active tab's window.
    m_tabs.SetActiveTab(1);
    CPoint ptClose = m_tabs.GetButtonRect(CBCGPTabWnd::BUTTON_CLOSE).CenterPoint();
    m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClose.x, ptClose.y));
    PumpMessages(0);
    EXPECT_FALSE(::IsWindow(pLast->m_hWnd));
    EXPECT_EQ(1, m_tabs.GetTabsNum());
    EXPECT_EQ(m_pages[2].get(), m_tabs.GetTabWnd(0));
    EXPECT_EQ("1;1;0;", m_host.m_log);
    m_pages[2]->DestroyWindow();
    EXPECT_EQ(0, m_tabs.GetTabsNum());
    EXPECT_EQ(nullptr, m_tabs.GetActiveWnd());
}

TEST_F(TabWndFixture, LabelsComeFromTheResourceChainAndCanChange)
{
    Create(CBCGPTabWnd::STYLE_3D, CBCGPTabWnd::LOCATION_BOTTOM);
    EXPECT_TRUE(m_tabs.AddTab(NewPage("a"), IDS_TAB_LOADS));
    EXPECT_FALSE(m_tabs.AddTab(NewPage("b"), IDS_TAB_MISSING));
    EXPECT_FALSE(m_tabs.AddTab(nullptr, IDS_TAB_LOADS));
    ASSERT_EQ(1, m_tabs.GetTabsNum());
    CString strLabel;
    EXPECT_TRUE(m_tabs.GetTabLabel(0, strLabel));
    EXPECT_EQ(CString("Load cases"), strLabel);
    CRect rectBefore, rectAfter;
    m_tabs.GetTabRect(0, rectBefore);
    EXPECT_TRUE(m_tabs.SetTabLabel(0, "Load cases and combinations"));
    m_tabs.GetTabRect(0, rectAfter);
    EXPECT_GT(rectAfter.Width(), rectBefore.Width());
    EXPECT_FALSE(m_tabs.GetTabLabel(1, strLabel));
    EXPECT_FALSE(m_tabs.SetTabLabel(1, "x"));
}

TEST_F(TabWndFixture, AShortStripCutsLabelsThenScrollsKeepingTheActiveTabInView)
{
    Create(CBCGPTabWnd::STYLE_FLAT, CBCGPTabWnd::LOCATION_BOTTOM, 220, 120);
    // Tabs never overlap one another or the buttons, and each one shown is found at its centre.
    auto checkStrip = [&](const char* pszWhen) {
        SCOPED_TRACE(pszWhen);
        CRect rectStrip;
        m_tabs.GetTabsRect(rectStrip);
        CRect rectLeft = m_tabs.GetButtonRect(CBCGPTabWnd::BUTTON_SCROLL_LEFT);
        int nRight = rectLeft.IsRectEmpty() ? rectStrip.right : rectLeft.left;
        int nEnd = rectStrip.left;
        for (int i = 0; i < m_tabs.GetTabsNum(); i++)
        {
            CRect rect;
            m_tabs.GetTabRect(i, rect);
            if (rect.IsRectEmpty())
                continue;
            EXPECT_GE(rect.left, nEnd) << i;
            EXPECT_LE(rect.right, nRight) << i;
            nEnd = rect.right;
            EXPECT_EQ(i, m_tabs.GetTabFromPoint(rect.CenterPoint()));
        }
        CRect rectActive;
        m_tabs.GetTabRect(m_tabs.GetActiveTab(), rectActive);
        EXPECT_FALSE(rectActive.IsRectEmpty());
    };
    AddPages(3);
    CRect rectFull;
    m_tabs.GetTabRect(1, rectFull);
    m_tabs.SetWindowPos(NULL, 0, 0, 130, 120, SWP_NOZORDER | SWP_NOMOVE);
    checkStrip("cut");
    CRect rectCut;
    m_tabs.GetTabRect(1, rectCut);
    EXPECT_LT(rectCut.Width(), rectFull.Width());
    EXPECT_TRUE(m_tabs.GetButtonRect(CBCGPTabWnd::BUTTON_SCROLL_LEFT).IsRectEmpty());
    AddPages(5);
    m_tabs.SetActiveTab(7);
    checkStrip("scrolled to the last");
    EXPECT_GT(m_tabs.GetFirstVisibleTab(), 0);
    CRect rectRight = m_tabs.GetButtonRect(CBCGPTabWnd::BUTTON_SCROLL_RIGHT);
    EXPECT_FALSE(rectRight.IsRectEmpty());
    EXPECT_EQ(-1, m_tabs.GetTabFromPoint(rectRight.CenterPoint()));
    // The left arrow scrolls back by one tab without changing the active one.
    int nFirst = m_tabs.GetFirstVisibleTab();
    CPoint ptLeft = m_tabs.GetButtonRect(CBCGPTabWnd::BUTTON_SCROLL_LEFT).CenterPoint();
    m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptLeft.x, ptLeft.y));
    EXPECT_EQ(nFirst - 1, m_tabs.GetFirstVisibleTab());
    EXPECT_EQ(7, m_tabs.GetActiveTab());
    m_tabs.SetActiveTab(0);
    checkStrip("back to the first");
    EXPECT_EQ(0, m_tabs.GetFirstVisibleTab());
    m_tabs.SetWindowPos(NULL, 0, 0, 600, 120, SWP_NOZORDER | SWP_NOMOVE);
    checkStrip("wide");
    EXPECT_TRUE(m_tabs.GetButtonRect(CBCGPTabWnd::BUTTON_SCROLL_RIGHT).IsRectEmpty());
}

TEST_F(TabWndFixture, TheStripIsPaintedByTheCurrentVisualManager)
{
    Create(CBCGPTabWnd::STYLE_FLAT, CBCGPTabWnd::LOCATION_BOTTOM);
    AddPages(3);
    m_tabs.SetActiveTab(1);
    CRect rectActive, rectInactive;
    m_tabs.GetTabRect(1, rectActive);
    m_tabs.GetTabRect(2, rectInactive);
    int yInside = rectActive.bottom - 3;
    for (CRuntimeClass* pClass : {RUNTIME_CLASS(CBCGPVisualManager), RUNTIME_CLASS(CBCGPVisualManagerXP)})
    {
        SCOPED_TRACE(pClass->m_lpszClassName);
        CBCGPVisualManager::SetDefaultManager(pClass);
        CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
        TestSurface surface(300, 200, RGB(1, 2, 3));
        m_tabs.SendMessage(WM_PRINTCLIENT, (WPARAM)surface.DC().m_hDC, PRF_CLIENT);
        COLORREF clrBorder = pManager->GetTabBorderColor();
        EXPECT_EQ(pManager->GetTabColor(TRUE), surface.Pixel(rectActive.left + 2, yInside));
        EXPECT_EQ(pManager->GetTabColor(FALSE), surface.Pixel(rectInactive.left + 2, yInside));
        // The strip's edge toward the page runs under the inactive tab; the active one joins the
        // page. Neighbours share the line between them.
        EXPECT_EQ(clrBorder, surface.Pixel(rectInactive.left + 2, rectInactive.top));
        EXPECT_EQ(pManager->GetTabColor(TRUE), surface.Pixel(rectActive.left + 2, rectActive.top));
        EXPECT_EQ(clrBorder, surface.Pixel(rectActive.right, yInside));
        EXPECT_EQ(pManager->GetTabColor(TRUE), surface.Pixel(rectActive.right - 1, yInside));
        EXPECT_GT(surface.Count(rectActive, pManager->GetTabTextColor(TRUE)), 10); // the label
    }
    CBCGPVisualManager::SetDefaultManager(NULL);

    // Raised tabs at the top: light on the left and along the top, dark on the right; the
    // inactive one stands lower than the active one.
    m_tabs.DestroyWindow();
    Create(CBCGPTabWnd::STYLE_3D, CBCGPTabWnd::LOCATION_TOP);
    AddPages(2);
    m_tabs.GetTabRect(0, rectActive);
    m_tabs.GetTabRect(1, rectInactive);
    TestSurface surface(300, 200, RGB(1, 2, 3));
    m_tabs.SendMessage(WM_PRINTCLIENT, (WPARAM)surface.DC().m_hDC, PRF_CLIENT);
    COLORREF clrLight = ::GetSysColor(COLOR_3DHILIGHT);
    EXPECT_EQ(clrLight, surface.Pixel(rectActive.left, rectActive.top + 4));
    EXPECT_EQ(clrLight, surface.Pixel(rectActive.left + 3, rectActive.top));
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), surface.Pixel(rectActive.right - 1, rectActive.top + 4));
    COLORREF clrArea = CBCGPVisualManager::GetInstance()->GetTabAreaColor();
    EXPECT_EQ(clrArea, surface.Pixel(rectInactive.left + 3, rectInactive.top + 1));
    EXPECT_EQ(clrLight, surface.Pixel(rectInactive.left + 3, rectInactive.top + 2));
}

} // namespace
