// CStructMainFrame: the bars and panes, their remembered layout, the model's windows and the
// frame's own commands (View, Window, Member stepping) and status panes.
#include "StructMainFrame.h"

#include "StructApp.h"
#include "StructApp.rh"
#include "StructCommands.rh"
#include "StructDoc.h"
#include "StructWindows.h"
#include "core/KwLook.h"

#include <CBCGPMenuBar.h>
#include <CBCGPWorkspace.h>

IMPLEMENT_DYNAMIC(CStructMainFrame, CKwSoleDocMDIFrameWnd)

BEGIN_MESSAGE_MAP(CStructMainFrame, CKwSoleDocMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_COMMAND_RANGE(ID_STRUCT_VIEW_TOOLBAR, ID_STRUCT_VIEW_SECTIONS, &CStructMainFrame::OnViewPane)
    ON_UPDATE_COMMAND_UI_RANGE(ID_STRUCT_VIEW_TOOLBAR, ID_STRUCT_VIEW_SECTIONS, &CStructMainFrame::OnUpdateViewPane)
    ON_COMMAND(ID_STRUCT_VIEW_DARK, &CStructMainFrame::OnViewDark)
    ON_UPDATE_COMMAND_UI(ID_STRUCT_VIEW_DARK, &CStructMainFrame::OnUpdateViewDark)
    ON_COMMAND_RANGE(ID_STRUCT_WINDOW_SCHEDULE, ID_STRUCT_WINDOW_LIST, &CStructMainFrame::OnOpenWindow)
    ON_UPDATE_COMMAND_UI_RANGE(ID_STRUCT_WINDOW_SCHEDULE, ID_STRUCT_WINDOW_LIST, &CStructMainFrame::OnUpdateNeedsModel)
    ON_COMMAND_RANGE(ID_STRUCT_MEMBER_PREV, ID_STRUCT_MEMBER_NEXT, &CStructMainFrame::OnMemberStep)
    ON_UPDATE_COMMAND_UI_RANGE(ID_STRUCT_MEMBER_PREV, ID_STRUCT_MEMBER_NEXT, &CStructMainFrame::OnUpdateMemberStep)
    ON_UPDATE_COMMAND_UI(ID_STRUCT_INDICATOR_MEMBERS, &CStructMainFrame::OnUpdateMembersIndicator)
    ON_UPDATE_COMMAND_UI(ID_STRUCT_INDICATOR_SELECTION, &CStructMainFrame::OnUpdateSelectionIndicator)
END_MESSAGE_MAP()

namespace {

// The docking layout's section below the application's settings.
const char kLayoutSection[] = "Layout";

} // namespace

CStructMainFrame::CStructMainFrame() : m_pDoc(NULL) {}

int CStructMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CKwSoleDocMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    EnableAutoHideBars(CBRS_ALIGN_ANY);
    static const UINT s_indicators[] = {
        ID_SEPARATOR, ID_STRUCT_INDICATOR_MEMBERS, ID_STRUCT_INDICATOR_SELECTION, ID_STRUCT_INDICATOR_COLOUR};
    if (!m_wndToolBar.Create(this, ID_STRUCT_PANE_TOOLBAR) || !m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(s_indicators, sizeof(s_indicators) / sizeof(s_indicators[0])) ||
        !m_wndColourWell.Create(&m_wndStatusBar, ID_STRUCT_INDICATOR_COLOUR) || !CreatePanes())
        return -1;
    m_wndStatusBar.SetPaneText(m_wndStatusBar.CommandToIndex(ID_STRUCT_INDICATOR_COLOUR), "");
    m_wndStatusBar.AssignWndToPane(&m_wndColourWell, ID_STRUCT_INDICATOR_COLOUR);
    // The tour starts from the first run's layout whatever an earlier run left.
    CStructApp* pApp = CStructApp::GetApp();
    CBCGPWorkspace* pWorkspace = CBCGPWorkspace::GetWorkspace();
    if (pWorkspace != NULL && (pApp == NULL || pApp->GetCommandLine().m_eMode != CStructCommandLine::eTour))
        pWorkspace->LoadState(kLayoutSection, this);
    return 0;
}

BOOL CStructMainFrame::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    if (!CKwSoleDocMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    // The bars take their sides in their Z order.
    if (GetMenuBar() != NULL)
    {
        m_wndToolBar.SetWindowPos(GetMenuBar(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RecalcLayout();
    }
    return TRUE;
}

BOOL CStructMainFrame::CreatePanes()
{
    struct PaneInfo
    {
        CKwControlBar* pPane;
        const char* pszCaption;
        UINT nID;
        DWORD dwSide;
        CRect rect;
    };
    const PaneInfo panes[] = {
        {&m_wndProperties, "Properties", ID_STRUCT_PANE_PROPERTIES, CBRS_LEFT, CRect(0, 0, 270, 300)},
        {&m_wndMembers, "Members", ID_STRUCT_PANE_MEMBERS, CBRS_BOTTOM, CRect(0, 0, 400, 170)},
        {&m_wndOutput, "Output", ID_STRUCT_PANE_OUTPUT, CBRS_BOTTOM, CRect(0, 0, 400, 170)},
        {&m_wndSections, "Sections", ID_STRUCT_PANE_SECTIONS, CBRS_RIGHT, CRect(0, 0, 420, 300)},
    };
    for (const PaneInfo& pane : panes)
    {
        if (!pane.pPane->Create(pane.pszCaption, this, pane.rect, TRUE, pane.nID,
                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | pane.dwSide))
            return FALSE;
        pane.pPane->EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(pane.pPane);
    }
    // The members and the log share their place as tabs; the catalogue keeps to its strip.
    m_wndOutput.AttachToTabWnd(&m_wndMembers, DM_STANDARD, FALSE);
    m_wndSections.SetAutoHideMode(TRUE);
    return TRUE;
}

void CStructMainFrame::OnClose()
{
    CBCGPWorkspace* pWorkspace = CBCGPWorkspace::GetWorkspace();
    if (pWorkspace != NULL)
        pWorkspace->SaveState(kLayoutSection, this);
    CKwSoleDocMDIFrameWnd::OnClose();
}

void CStructMainFrame::OnDestroy()
{
    ShowModelInPanes(NULL);
    CKwSoleDocMDIFrameWnd::OnDestroy();
}

void CStructMainFrame::Log(const CString& strText)
{
    m_wndOutput.Log(strText);
}

void CStructMainFrame::ShowModelInPanes(CStructDoc* pDoc)
{
    m_pDoc = pDoc;
    m_wndProperties.SetModel(pDoc);
    m_wndMembers.SetModel(pDoc);
    m_wndSections.SetModel(pDoc);
}

void CStructMainFrame::OnOpenSoleDoc(CDocument* pDocument)
{
    CStructDoc* pDoc = dynamic_cast<CStructDoc*>(pDocument);
    if (pDoc == NULL)
        return;
    if (pDoc->GetSelected() < 0 && pDoc->GetModel().GetCount() > 0)
        pDoc->Select(0);
    ShowModelInPanes(pDoc);
    if (!pDoc->RestoreDesktop())
        CStructWindows::OpenDefault(pDoc);
    CString strLine;
    strLine.Format("%s: %d members", (const char*)pDoc->GetTitle(), pDoc->GetModel().GetCount());
    Log(strLine);
}

void CStructMainFrame::OnCloseSoleDoc()
{
    ShowModelInPanes(NULL);
}

CKwControlBar* CStructMainFrame::GetPaneOfCommand(UINT nID)
{
    switch (nID)
    {
    case ID_STRUCT_VIEW_PROPERTIES:
        return &m_wndProperties;
    case ID_STRUCT_VIEW_MEMBERS:
        return &m_wndMembers;
    case ID_STRUCT_VIEW_OUTPUT:
        return &m_wndOutput;
    case ID_STRUCT_VIEW_SECTIONS:
        return &m_wndSections;
    default:
        return NULL;
    }
}

void CStructMainFrame::OnViewPane(UINT nID)
{
    if (nID == ID_STRUCT_VIEW_TOOLBAR)
    {
        m_wndToolBar.ShowWindow(m_wndToolBar.IsWindowVisible() ? SW_HIDE : SW_SHOW);
        RecalcLayout();
        return;
    }
    CKwControlBar* pPane = GetPaneOfCommand(nID);
    if (pPane == NULL)
        return;
    // A pane in front goes; one hidden, or behind another tab, comes to the front.
    const BOOL bInFront = pPane->IsControlBarShown() && pPane->IsControlBarOnTop();
    pPane->ShowControlBar(!bInFront);
}

void CStructMainFrame::OnUpdateViewPane(CCmdUI* pCmdUI)
{
    if (pCmdUI->m_nID == ID_STRUCT_VIEW_TOOLBAR)
    {
        pCmdUI->SetCheck(m_wndToolBar.IsWindowVisible());
        return;
    }
    CKwControlBar* pPane = GetPaneOfCommand(pCmdUI->m_nID);
    pCmdUI->SetCheck(pPane != NULL && pPane->IsControlBarShown() && pPane->IsControlBarOnTop());
}

void CStructMainFrame::OnOpenWindow(UINT nID)
{
    if (m_pDoc == NULL)
        return;
    if (nID == ID_STRUCT_WINDOW_SCHEDULE)
        CStructWindows::OpenSchedule(m_pDoc);
    else if (nID == ID_STRUCT_WINDOW_DRAWING)
        CStructWindows::OpenDrawing(m_pDoc);
    else
        CStructWindows::OpenMemberList(m_pDoc);
}

void CStructMainFrame::OnUpdateNeedsModel(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pDoc != NULL);
}

void CStructMainFrame::OnMemberStep(UINT nID)
{
    const int nCount = m_pDoc != NULL ? m_pDoc->GetModel().GetCount() : 0;
    if (nCount == 0)
        return;
    const int nSelected = m_pDoc->GetSelected();
    int nNext = nID == ID_STRUCT_MEMBER_NEXT ? nSelected + 1 : nSelected - 1;
    if (nSelected < 0)
        nNext = nID == ID_STRUCT_MEMBER_NEXT ? 0 : nCount - 1;
    if (nNext >= 0 && nNext < nCount)
        m_pDoc->Select(nNext);
}

void CStructMainFrame::OnUpdateMemberStep(CCmdUI* pCmdUI)
{
    const int nCount = m_pDoc != NULL ? m_pDoc->GetModel().GetCount() : 0;
    const int nSelected = m_pDoc != NULL ? m_pDoc->GetSelected() : -1;
    if (pCmdUI->m_nID == ID_STRUCT_MEMBER_NEXT)
        pCmdUI->Enable(nCount > 0 && nSelected < nCount - 1);
    else
        pCmdUI->Enable(nCount > 0 && nSelected != 0);
}

void CStructMainFrame::OnUpdateMembersIndicator(CCmdUI* pCmdUI)
{
    CString strText;
    if (m_pDoc != NULL)
        strText.Format("%d members", m_pDoc->GetModel().GetCount());
    pCmdUI->SetText(strText);
}

void CStructMainFrame::OnUpdateSelectionIndicator(CCmdUI* pCmdUI)
{
    CString strText;
    COLORREF crColour = CLR_NONE;
    const int nSelected = m_pDoc != NULL ? m_pDoc->GetSelected() : -1;
    if (nSelected >= 0 && nSelected < m_pDoc->GetModel().GetCount())
    {
        const CStructMember& member = m_pDoc->GetModel().GetAt(nSelected);
        strText.Format("%s: %s, %s m", (const char*)member.m_strMark, (const char*)member.m_strSection,
            (const char*)member.FormatCell(CStructMember::kLength));
        crColour = member.m_crColour;
    }
    pCmdUI->SetText(strText);
    m_wndColourWell.SetColour(crColour);
}

void CStructMainFrame::OnViewDark()
{
    CKwLook::SetLook(CKwLook::GetLook() == CKwLook::eDark ? CKwLook::eClassic : CKwLook::eDark);
}

void CStructMainFrame::OnUpdateViewDark(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(CKwLook::GetLook() == CKwLook::eDark);
}
