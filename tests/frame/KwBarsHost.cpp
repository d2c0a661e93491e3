// KwBarsHost.cpp: the recording bars and the frame the control bar tests run in.
#include "KwBarsHost.h"

#include "frame/KwDockingManager.h"

#include <CBCGPPopupMenu.h>
#include <CBCGPTabWnd.h>
#include <support/MenuText.h>
#include <support/MessageRecorder.h>

Calls LibraryLog::s_calls;
int LibraryLog::s_nDepth = 0;

std::string EdgeName(DWORD dwAlignment)
{
    switch (dwAlignment)
    {
    case CBRS_ALIGN_LEFT: return "left";
    case CBRS_ALIGN_RIGHT: return "right";
    case CBRS_ALIGN_TOP: return "top";
    case CBRS_ALIGN_BOTTOM: return "bottom";
    default: return std::to_string(dwAlignment);
    }
}

IMPLEMENT_DYNCREATE(CRecordingTabbed, CKwTabbedControlBar)

BEGIN_MESSAGE_MAP(CRecordingTabbed, CKwTabbedControlBar)
    ON_REGISTERED_MESSAGE(BCGM_CHANGE_ACTIVE_TAB, &CRecordingTabbed::OnActiveTab)
END_MESSAGE_MAP()

BOOL CRecordingTabbed::FloatTab(CWnd* pBar, int nTabID, BCGP_DOCK_METHOD method, BOOL bHide)
{
    CRecordingBar* pRecording = dynamic_cast<CRecordingBar*>(pBar);
    LibraryLog log(Call("FloatTab", pRecording != NULL ? pRecording->m_name : "?", nTabID, method, bHide));
    return CKwTabbedControlBar::FloatTab(pBar, nTabID, method, bHide);
}

LRESULT CRecordingTabbed::OnActiveTab(WPARAM wParam, LPARAM lParam)
{
    // Noted only when the toolkit itself brought the tab to the front.
    LibraryLog log(Call("SetActiveTab", (int)wParam));
    return OnChangeActiveTab(wParam, lParam);
}

BOOL CMenuCatchingFrame::OnShowPopupMenu(CBCGPPopupMenu* pMenuPopup)
{
    // The owner sets the items up as the menu opens.
    pMenuPopup->GetParentWnd()->SendMessage(WM_INITMENUPOPUP, (WPARAM)pMenuPopup->GetHMenu(), 0);
    m_menus.push_back(MenuItemStates(pMenuPopup->GetHMenu()));
    m_owners.push_back(pMenuPopup->GetParentWnd());
    return FALSE;
}

void KwBars::SetUp()
{
    CKwDockingManager::EnableUndocking(TRUE);
    m_pFrame = new CMenuCatchingFrame;
    ASSERT_TRUE(m_pFrame->LoadFrame(IDR_KWBARS_MAIN));
    m_app.m_pMainWnd = m_pFrame;
    m_pFrame->SetWindowPos(NULL, 0, 0, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->EnableAutoHideBars(CBRS_ALIGN_ANY);
    static const UINT s_indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
    ASSERT_TRUE(m_status.Create(m_pFrame));
    m_status.SetIndicators(s_indicators, 3);
    struct { CRecordingBar* pBar; const char* pszName; DWORD dwSide; } bars[] = {{&m_project, "Project", CBRS_LEFT},
        {&m_classes, "Classes", CBRS_LEFT}, {&m_output, "Output", CBRS_BOTTOM}, {&m_properties, "Properties", CBRS_RIGHT}};
    for (int i = 0; i < 4; i++)
    {
        CRecordingBar* pBar = bars[i].pBar;
        pBar->m_name = bars[i].pszName;
        ASSERT_TRUE(pBar->Create(bars[i].pszName, m_pFrame, CRect(0, 0, 150, 120), TRUE, 0, WS_CHILD | WS_VISIBLE | bars[i].dwSide));
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(pBar);
        ASSERT_TRUE(m_lists[i].Create(WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10), pBar, 1));
        pBar->SetChild(&m_lists[i]);
    }
    m_pFrame->RecalcLayout();
    PumpMessages(0);
    LibraryLog::Take();
}

void KwBars::TearDown()
{
    CKwDockingManager::EnableUndocking(TRUE);
    if (m_pFrame != nullptr)
        m_pFrame->DestroyWindow(); // deletes it, and the mini frames of floating bars
    m_app.m_pMainWnd = NULL;
    // The main frame's end posted a quit; it would end the next test's modal loops at once.
    MSG msg;
    ::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);
}

CRecordingTabbed* KwBars::MakeTabs()
{
    CBCGPDockingControlBar::m_pTabbedControlBarRTC = RUNTIME_CLASS(CRecordingTabbed);
    CRecordingTabbed* pTabs = dynamic_cast<CRecordingTabbed*>(m_classes.AttachToTabWnd(&m_project, DM_STANDARD, TRUE));
    LibraryLog::Take();
    return pTabs;
}

CPoint KwBars::CaptionPoint(CWnd* pBar)
{
    CRect rect;
    pBar->GetWindowRect(&rect);
    return rect.TopLeft() + CPoint(30, 8);
}
