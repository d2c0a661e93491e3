// CStructToolBar: the buttons, their tips and the route of their commands.
#include "StructToolBar.h"

#include "StructApp.rh"
#include "StructCommands.rh"
#include "res/resource.h"

#include "core/KwPalette.h"

#include <afxres.h>

namespace {

struct ButtonInfo
{
    UINT nID; // 0: a gap between groups
    const char* pszCaption;
    const char* pszTip;
};

const ButtonInfo kButtons[] = {
    {ID_KW_FILE_NEW_SOLEDOC, "New", "<b>New model</b><br>A sample model of 40 members"},
    {ID_KW_FILE_OPEN_SOLEDOC, "Open", "<b>Open a model</b><br>Reads a <i>.kwm</i> file with its windows"},
    {ID_KW_FILE_SAVE_SOLEDOC, "Save", "<b>Save the model</b><br>The members and the windows open on them"},
    {0, NULL, NULL},
    {ID_STRUCT_WINDOW_SCHEDULE, "Schedule", "<b>Member schedule</b><br>A grid: edit the cells in place"},
    {ID_STRUCT_WINDOW_DRAWING, "Drawing", "<b>Drawing and report</b><br>The elevation of the members<br>"
                                          "and the <ct=0x8B4513>HTML report</ct>, as tabs"},
    {ID_STRUCT_WINDOW_LIST, "List", "<b>All members</b><br>Sorted by a click on a column"},
    {0, NULL, NULL},
    {ID_STRUCT_MEMBER_ADD, "Add", "<b>Add a member</b><br>After the selected one"},
    {ID_STRUCT_MEMBER_DELETE, "Delete", "<b>Delete the member</b><br><ct=0x0000C0>The selected one</ct>"},
    {ID_STRUCT_MEMBER_PICTURE, "Picture", "<b>Cross-section picture</b><br>Chosen among the pictures of a folder"},
    {0, NULL, NULL},
    {ID_STRUCT_REPORT_WRITE, "Report", "<b>Write the report</b><br>An HTML file beside the model"},
    {ID_STRUCT_EXPORT, "Export", "<b>Export the schedule</b><br>Into a spreadsheet"},
};

const int kHeight = 30; // the row
const int kButtonHeight = 24;
const int kMargin = 3;
const int kGap = 10;

} // namespace

BEGIN_MESSAGE_MAP(CStructToolBar, CBCGPControlBar)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CStructToolBar::CStructToolBar() : m_hWndFocusBefore(NULL) {}

CStructToolBar::~CStructToolBar() {}

BOOL CStructToolBar::Create(CFrameWnd* pFrame, UINT nID)
{
    if (!CreateBar(NULL, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CBRS_TOP, CRect(0, 0, 0, kHeight), pFrame, nID))
        return FALSE;
    // Its face and buttons follow the look, as a dialog's do.
    CKwPalette::FollowInDialog(m_hWnd);
    CFont* pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(pFont);
    int x = kMargin;
    for (const ButtonInfo& info : kButtons)
    {
        if (info.nID == 0)
        {
            x += kGap;
            continue;
        }
        const int cx = dc.GetTextExtent(CString(info.pszCaption)).cx + 16;
        std::unique_ptr<CButton> pButton(new CButton);
        if (!pButton->Create(info.pszCaption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                CRect(x, kMargin, x + cx, kMargin + kButtonHeight), this, info.nID))
            return FALSE;
        pButton->SetFont(pFont);
        x += cx + 2;
        m_buttons.push_back(std::move(pButton));
    }
    dc.SelectObject(pOldFont);
    if (!m_tip.Create(this))
        return FALSE;
    for (size_t i = 0; i < m_buttons.size(); i++)
        m_tip.AddTool(m_buttons[i].get(), GetTip(m_buttons[i]->GetDlgCtrlID()));
    return TRUE;
}

CWnd* CStructToolBar::FindButton(UINT nID) const
{
    for (const auto& pButton : m_buttons)
    {
        if ((UINT)pButton->GetDlgCtrlID() == nID)
            return pButton.get();
    }
    return NULL;
}

CString CStructToolBar::GetTip(UINT nID) const
{
    for (const ButtonInfo& info : kButtons)
    {
        if (info.nID == nID && info.nID != 0)
            return info.pszTip;
    }
    return CString();
}

void CStructToolBar::ShowTip(UINT nID)
{
    CWnd* pButton = FindButton(nID);
    if (pButton == NULL || m_tip.m_hWnd == NULL)
        return;
    CRect rect;
    pButton->GetWindowRect(&rect);
    // The pointer goes there too: a tip of the window it was over would take the place.
    ::SetCursorPos(rect.CenterPoint().x, rect.CenterPoint().y);
    ScreenToClient(&rect);
    CPoint pt(rect.left + rect.Width() / 2, rect.bottom - 2);
    m_tip.ShowHelpTooltip(pt, GetTip(nID));
}

CSize CStructToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(32767, kHeight);
}

void CStructToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    for (const auto& pButton : m_buttons)
    {
        CCmdUI state;
        state.m_nID = (UINT)pButton->GetDlgCtrlID();
        state.m_pOther = pButton.get();
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

BOOL CStructToolBar::PreTranslateMessage(MSG* pMsg)
{
    if (m_tip.m_hWnd != NULL)
        m_tip.RelayEvent(pMsg);
    // The focus the press is about to take: a command button leaves it where it was.
    if (pMsg->message == WM_LBUTTONDOWN && ::GetParent(pMsg->hwnd) == m_hWnd)
        m_hWndFocusBefore = ::GetFocus();
    return CBCGPControlBar::PreTranslateMessage(pMsg);
}

BOOL CStructToolBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED || FindButton(LOWORD(wParam)) == NULL)
        return CBCGPControlBar::OnCommand(wParam, lParam);
    // The command takes the route of a menu command, from the window that had the focus.
    HWND hWndFocus = m_hWndFocusBefore;
    m_hWndFocusBefore = NULL;
    if (hWndFocus != NULL && ::IsWindow(hWndFocus))
        ::SetFocus(hWndFocus);
    CFrameWnd* pFrame = GetDockSiteFrameWnd();
    if (pFrame != NULL)
        pFrame->SendMessage(WM_COMMAND, LOWORD(wParam), 0);
    return TRUE;
}

BOOL CStructToolBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(rect, CKwPalette::Get(CKwPalette::eFace));
    pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, CKwPalette::Get(CKwPalette::eFaceShadow));
    return TRUE;
}
