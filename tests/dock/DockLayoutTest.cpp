// Docking layouts kept in the registry: a saved layout restored into a rebuilt frame, and damaged
// layouts that restore what they can without losing a bar.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPDockManager.h"
#include "CBCGPDockingControlBar.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMiniFrameWnd.h"
#include "CBCGPSlider.h"
#include "CBCGPWorkspace.h"
#include "DockTestFrame.h"
#include "support/MessageRecorder.h"

#include <shlwapi.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const char s_szKey[] = "Software\\KwUiTests";

// Notes whether a layout was being restored each time it is asked whether it may float.
class CFlagPane : public CBCGPDockingControlBar
{
public:
    std::string* m_pLog = nullptr;
    BOOL CanFloat() const override
    {
        *m_pLog += CBCGPDockManager::m_bRestoringDockState ? "CanFloat restoring;" : "CanFloat;";
        return CBCGPDockingControlBar::CanFloat();
    }
};

enum { TOP, BOTTOM, LEFT1, LEFT2, RIGHT, PANES };
const UINT s_ids[PANES] = {201, 202, 203, 204, 205};

struct DockLayout : ::testing::Test
{
    CWinApp m_app{"KwDockLayoutTests"};
    CBCGPWorkspace m_workspace;
    CBCGPMDIFrameWnd* m_pFrame = nullptr;
    std::unique_ptr<CFlagPane[]> m_panes;
    std::string m_log;

    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, s_szKey);
        m_app.SetRegistryKey(s_szKey + strlen("Software\\"));
        m_workspace.SetRegistryBase("Layout");
        Build(FALSE);
    }
    void TearDown() override
    {
        Destroy();
        ::SHDeleteKeyA(HKEY_CURRENT_USER, s_szKey);
    }
    // The frame with five panes; bSwapped docks the left ones the other way round.
    void Build(BOOL bSwapped)
    {
        ASSERT_TRUE((m_pFrame = NewDockTestFrame(m_app)) != nullptr);
        m_panes.reset(new CFlagPane[PANES]);
        struct { const char* pszName; DWORD dwSide; CRect rect; } panes[PANES] = {
            {"Toolbox", CBRS_TOP, CRect(0, 0, 300, 60)}, {"Output", CBRS_BOTTOM, CRect(0, 0, 300, 100)},
            {"Project", CBRS_LEFT, CRect(0, 0, 150, 200)}, {"Classes", CBRS_LEFT, CRect(0, 0, 150, 100)},
            {"Properties", CBRS_RIGHT, CRect(0, 0, 120, 200)}};
        for (int i = 0; i < PANES; i++)
        {
            int k = bSwapped && i == LEFT1 ? LEFT2 : bSwapped && i == LEFT2 ? LEFT1 : i;
            m_panes[k].m_pLog = &m_log;
            ASSERT_TRUE(DockNewPane(m_pFrame, m_panes[k], panes[k].pszName, panes[k].dwSide, panes[k].rect, s_ids[k]));
        }
        m_pFrame->RecalcLayout();
        PumpMessages(0);
    }
    void Destroy()
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow(); // deletes it, floating panes' mini frames too
        m_pFrame = nullptr;
        m_app.m_pMainWnd = NULL;
        PumpMessages(0);
        m_panes.reset();
    }
    CBCGPDockManager* Manager() { return m_pFrame->GetDockManager(); }
    CString Section(int nPane) { CString s; s.Format("Layout\\DockingBar-%u", s_ids[nPane]); return s; }
    // Every pane's place: the window (screen) of a shown one, and whether it floats and shows.
    std::vector<std::string> Geometry()
    {
        std::vector<std::string> result;
        for (int i = 0; i < PANES; i++)
        {
            CRect rect;
            CWnd* pWnd = m_panes[i].IsFloating() ? (CWnd*)m_panes[i].GetParentMiniFrame() : &m_panes[i];
            pWnd->GetWindowRect(&rect);
            char sz[128];
            if (!m_panes[i].IsVisible()) // a hidden pane's window keeps whatever place it had
                rect.SetRectEmpty();
            sprintf(sz, "%u %s%s (%ld,%ld)-(%ld,%ld)", s_ids[i], m_panes[i].IsFloating() ? "floating" : "docked",
                m_panes[i].IsVisible() ? "" : " hidden", rect.left, rect.top, rect.right, rect.bottom);
            result.push_back(sz);
        }
        CRect rect;
        ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rect);
        char sz[64];
        sprintf(sz, "client (%ld,%ld)-(%ld,%ld)", rect.left, rect.top, rect.right, rect.bottom);
        result.push_back(sz);
        return result;
    }
    // Every pane is still somewhere: docked or in its mini frame, and within the frame's reach.
    void ExpectNoBarLost()
    {
        for (int i = 0; i < PANES; i++)
        {
            EXPECT_TRUE(::IsWindow(m_panes[i].m_hWnd)) << s_ids[i];
            EXPECT_NE(Manager()->IsDocked(&m_panes[i]), m_panes[i].IsFloating()) << s_ids[i];
        }
        CRect rect;
        ::GetClientRect(m_pFrame->m_hWndMDIClient, &rect);
        EXPECT_GE(rect.Width(), 0);
        EXPECT_GE(rect.Height(), 0);
    }
};

TEST_F(DockLayout, SavedLayoutComesBackInARebuiltFrameWithItsOrderSizesFloatingAndHiddenPanes)
{
    // A layout far from the one the program builds: edges resized by their sliders, the left
    // panes shared anew, the right pane floating somewhere of its own, the top one moved to the
    // bottom after Output, and Output closed.
    Manager()->OnSliderMove(m_panes[LEFT1].GetDefaultSlider(), 60);
    Manager()->OnSliderMove(m_panes[BOTTOM].GetDefaultSlider(), -30);
    CRect rectLeft1;
    m_panes[LEFT1].GetWindowRect(&rectLeft1);
    HWND hInner = ::WindowFromPoint(CPoint(rectLeft1.CenterPoint().x, rectLeft1.bottom + 1));
    ASSERT_NE(nullptr, DYNAMIC_DOWNCAST(CBCGPSlider, CWnd::FromHandlePermanent(hInner)));
    Manager()->OnSliderMove((CBCGPSlider*)CWnd::FromHandlePermanent(hInner), -70);
    m_panes[RIGHT].FloatControlBar(CRect(500, 300, 760, 480));
    Manager()->DockControlBar(&m_panes[TOP], CBRS_ALIGN_BOTTOM, CRect(0, 0, 200, 0));
    m_pFrame->RecalcLayout();
    m_panes[BOTTOM].ShowControlBar(FALSE, FALSE, FALSE);
    PumpMessages(0);
    const std::vector<std::string> expected = Geometry();
    m_log.clear();
    ASSERT_TRUE(m_workspace.SaveState(NULL, m_pFrame));
    EXPECT_EQ("", m_log);

    // Rebuilt with the left panes the other way round, and restored.
    Destroy();
    Build(TRUE);
    m_log.clear();
    ASSERT_TRUE(m_workspace.LoadState(NULL, m_pFrame));
    PumpMessages(0);
    EXPECT_EQ(expected, Geometry());
    EXPECT_EQ("CanFloat restoring;", m_log);
    EXPECT_FALSE(CBCGPDockManager::m_bRestoringDockState);
}

TEST_F(DockLayout, DamagedLayoutLoadsWhatItCanAndLosesNoBar)
{
    m_panes[RIGHT].FloatControlBar(CRect(500, 300, 760, 480));
    ASSERT_TRUE(m_workspace.SaveState(NULL, m_pFrame));
    m_panes[RIGHT].DockToRecentPos();
    m_pFrame->RecalcLayout();
    const std::vector<std::string> built = Geometry();

    // The toolbox's edge of the wrong type, the output's key gone, an edge that is none for one
    // left pane, absurd sizes for the other, a floating window far off the desktop, and a bar
    // that no longer exists.
    ::SHDeleteKeyA(HKEY_CURRENT_USER, CString(s_szKey) + "\\KwDockLayoutTests\\" + Section(BOTTOM));
    m_app.WriteProfileString(Section(TOP), "Edge", "top");
    m_app.WriteProfileInt(Section(LEFT1), "Edge", CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP);
    m_app.WriteProfileInt(Section(LEFT2), "EdgeSize", 2000000000);
    m_app.WriteProfileInt(Section(LEFT2), "Length", -5);
    m_app.WriteProfileInt(Section(RIGHT), "FloatLeft", 100000);
    m_app.WriteProfileInt(Section(RIGHT), "FloatRight", 100300);
    m_app.WriteProfileInt("Layout\\DockingBar-999", "Edge", CBRS_ALIGN_LEFT);
    ASSERT_TRUE(m_workspace.LoadState(NULL, m_pFrame));
    PumpMessages(0);
    ExpectNoBarLost();

    std::vector<std::string> loaded = Geometry();
    EXPECT_EQ(built[TOP], loaded[TOP]);
    // The left pane with the absurd thickness takes what the view leaves, after the one that
    // kept its place; the view keeps its minimum.
    CRect rectLeft1, rectLeft2, rectClient, rectFloat;
    m_panes[LEFT1].GetWindowRect(&rectLeft1);
    m_panes[LEFT2].GetWindowRect(&rectLeft2);
    ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rectClient);
    EXPECT_LT(rectLeft1.top, rectLeft2.top);
    EXPECT_EQ((long)CBCGPDockManager::MIN_CLIENT_SIZE, rectClient.Width());
    // The floating pane comes up near its place, on the desktop.
    ASSERT_TRUE(m_panes[RIGHT].IsFloating());
    m_panes[RIGHT].GetParentMiniFrame()->GetWindowRect(&rectFloat);
    EXPECT_LT(rectFloat.left, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));

    // A frame smaller than all the stored sizes lays out without a negative view.
    m_pFrame->SetWindowPos(NULL, 0, 0, 160, 120, SWP_NOZORDER | SWP_NOMOVE);
    m_pFrame->RecalcLayout();
    ExpectNoBarLost();
    // Stored values of the wrong type everywhere (as DWORDs they would dock every pane on the
    // right): nothing moves.
    m_pFrame->SetWindowPos(NULL, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOMOVE);
    m_panes[RIGHT].DockToRecentPos();
    m_pFrame->RecalcLayout();
    const std::vector<std::string> before = Geometry();
    for (int i = 0; i < PANES; i++)
        for (const char* pszEntry : {"Edge", "Order", "Length", "EdgeSize", "Visible", "FloatLeft"})
        {
            DWORD dwRight = CBRS_ALIGN_RIGHT;
            m_app.WriteProfileBinary(Section(i), pszEntry, (LPBYTE)&dwRight, sizeof(dwRight));
        }
    ASSERT_TRUE(m_workspace.LoadState(NULL, m_pFrame));
    EXPECT_EQ(before, Geometry());
}

} // namespace
