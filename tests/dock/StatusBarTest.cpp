// The status bar of a docking frame: indicator panes from their ids' strings, the stretchy first
// pane as the frame resizes, pane widths and texts, and the idle update of the indicators.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPMDIFrameWnd.h"
#include "CBCGPStatusBar.h"
#include "DockFrameTest.rh"
#include "support/MessageRecorder.h"

#include <afxpriv.h>

namespace {

const UINT ID_INDICATOR_LINE = 40100; // a host's pane, updated by its frame

class CLineFrame : public CBCGPMDIFrameWnd
{
public:
    int m_nLine = 7;
    afx_msg void OnUpdateLine(CCmdUI* pCmdUI)
    {
        CString strText;
        strText.Format("Ln %d", m_nLine);
        pCmdUI->SetText(strText);
        pCmdUI->Enable(m_nLine > 0);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLineFrame, CBCGPMDIFrameWnd)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_LINE, &CLineFrame::OnUpdateLine)
END_MESSAGE_MAP()

struct StatusBar : ::testing::Test
{
    CWinApp m_app{"KwStatusBarTests"};
    CLineFrame* m_pFrame = nullptr;
    CBCGPStatusBar m_bar;

    void SetUp() override
    {
        m_pFrame = new CLineFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_DOCK_MAIN));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->SetWindowPos(NULL, 0, 0, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
        ASSERT_TRUE(m_bar.Create(m_pFrame));
        static const UINT s_ids[] = {ID_SEPARATOR, ID_INDICATOR_LINE, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
        EXPECT_FALSE(m_bar.SetIndicators(s_ids, 5)); // the host's pane has no string
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
        m_app.m_pMainWnd = NULL;
    }
    CRect Item(int i)
    {
        CRect rect;
        m_bar.GetItemRect(i, &rect);
        return rect;
    }
};

TEST_F(StatusBar, IndicatorsShowTheirIdsStringsAndAreFoundByCommand)
{
    ASSERT_EQ(5, m_bar.GetCount());
    EXPECT_EQ(CString(""), m_bar.GetPaneText(0));
    EXPECT_EQ(CString("CAP"), m_bar.GetPaneText(2));
    EXPECT_EQ(CString("NUM"), m_bar.GetPaneText(3));
    EXPECT_EQ(CString("SCRL"), m_bar.GetPaneText(4));
    EXPECT_EQ(3, m_bar.CommandToIndex(ID_INDICATOR_NUM));
    EXPECT_EQ(-1, m_bar.CommandToIndex(ID_INDICATOR_OVR));
    EXPECT_EQ((UINT)ID_INDICATOR_SCRL, m_bar.GetItemID(4));
    // Bad indexes answer nothing and change nothing.
    EXPECT_FALSE(m_bar.SetPaneText(5, "x"));
    EXPECT_FALSE(m_bar.SetPaneText(-1, "x"));
    EXPECT_TRUE(Item(5).IsRectEmpty());
    EXPECT_EQ(CString(""), m_bar.GetPaneText(5));
    EXPECT_TRUE(m_bar.SetPaneText(0, "Ready"));
}

TEST_F(StatusBar, TheFirstPaneStretchesWithTheFrameAndTheOthersKeepTheirWidths)
{
    // Along the bottom of the frame, the panes in a row that ends at the bar's right border.
    CRect rectClient, rectBar;
    m_pFrame->GetClientRect(&rectClient);
    m_bar.GetWindowRect(&rectBar);
    m_pFrame->ScreenToClient(&rectBar);
    EXPECT_EQ(CRect(0, rectClient.bottom - rectBar.Height(), rectClient.right, rectClient.bottom), rectBar);
    EXPECT_EQ(rectClient.right - CBCGPStatusBar::BORDER, Item(4).right);
    for (int i = 1; i < 5; i++)
        EXPECT_EQ(Item(i - 1).right + CBCGPStatusBar::GAP, Item(i).left);
    CRect rectStretch = Item(0), rectCaps = Item(2);
    m_pFrame->SetWindowPos(NULL, 0, 0, 740, 480, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(rectStretch.Width() + 100, Item(0).Width());
    EXPECT_EQ(rectCaps + CPoint(100, 0), Item(2));
    // A wider pane takes its room from the stretchy one.
    rectStretch = Item(0);
    int nWidth = Item(1).Width();
    m_bar.SetPaneWidth(1, 80);
    EXPECT_EQ(80 + 2 * CBCGPStatusBar::TEXT_MARGIN, Item(1).Width());
    EXPECT_EQ(rectStretch.Width() - (Item(1).Width() - nWidth), Item(0).Width());
    // Too narrow a frame: the stretchy pane keeps its own width, nothing turns inside out.
    m_pFrame->SetWindowPos(NULL, 0, 0, 120, 480, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(2 * CBCGPStatusBar::TEXT_MARGIN, Item(0).Width());
}

TEST_F(StatusBar, PanesAreUpdatedThroughTheFramesRouteAtIdle)
{
    m_app.OnIdle(0);
    EXPECT_EQ(CString("Ln 7"), m_bar.GetPaneText(1));
    EXPECT_EQ(0u, m_bar.GetPaneStyle(1) & SBPS_DISABLED);
    // The lock keys' panes show while the key is on; the message pane nobody updates stays.
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CAPITAL] = 1;
    keys[VK_NUMLOCK] = 0;
    ::SetKeyboardState(keys);
    m_bar.SetPaneText(0, "Ready");
    m_app.OnIdle(0);
    EXPECT_EQ(0u, m_bar.GetPaneStyle(2) & SBPS_DISABLED);
    EXPECT_EQ((UINT)SBPS_DISABLED, m_bar.GetPaneStyle(3) & SBPS_DISABLED);
    EXPECT_EQ(CString("CAP"), m_bar.GetPaneText(2));
    EXPECT_EQ(CString("Ready"), m_bar.GetPaneText(0));
    EXPECT_EQ((UINT)SBPS_STRETCH, m_bar.GetPaneStyle(0));
    m_pFrame->m_nLine = 0;
    m_app.OnIdle(0);
    EXPECT_EQ(CString("Ln 0"), m_bar.GetPaneText(1));
    EXPECT_EQ((UINT)SBPS_DISABLED, m_bar.GetPaneStyle(1) & SBPS_DISABLED);
    keys[VK_CAPITAL] = 0;
    ::SetKeyboardState(keys);
}

} // namespace
