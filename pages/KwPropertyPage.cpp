// CKwPropertyPage: creation from the template, the subject's calls, the rules for enabling and
// showing controls, resizing by anchors, the Edit commands, keys and tooltips.
#include "pages/KwPropertyPage.h"
#include "core/DlgTemplateTools.h"
#include "core/KwDpi.h"
#include "core/KwPalette.h"
#include "grid/KwGridCtrl.h"
#include "pages/KwPageTemplate.h"
#include "pages/KwPagesMessages.h"
#include "pages/KwPropertyPageSubject.h"
#include "tips/UxToolTipInfo.h"

#include <afxdlgs.h>
#include <afxole.h>
#include <climits>
#include <vector>

#include <CBCGPTabWnd.h>

IMPLEMENT_DYNAMIC(CKwPropertyPage, CWnd)

BEGIN_MESSAGE_MAP(CKwPropertyPage, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_MESSAGE(WM_DPICHANGED, &CKwPropertyPage::OnDpiChanged)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CKwPropertyPage::OnDpiChanged)
    ON_MESSAGE(WM_INITDIALOG, &CKwPropertyPage::HandleInitDialog)
    ON_MESSAGE(KWM_PAGEDATACHANGED, &CKwPropertyPage::OnPageDataChanged)
    ON_COMMAND(ID_EDIT_UNDO, &CKwPropertyPage::OnEditCommand)
    ON_COMMAND(ID_EDIT_REDO, &CKwPropertyPage::OnEditCommand)
    ON_COMMAND(ID_EDIT_CUT, &CKwPropertyPage::OnEditCommand)
    ON_COMMAND(ID_EDIT_COPY, &CKwPropertyPage::OnEditCommand)
    ON_COMMAND(ID_EDIT_PASTE, &CKwPropertyPage::OnEditCommand)
    ON_COMMAND(ID_EDIT_CLEAR, &CKwPropertyPage::OnEditCommand)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, &CKwPropertyPage::OnUpdateEditCommand)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, &CKwPropertyPage::OnUpdateEditCommand)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CKwPropertyPage::OnUpdateEditCommand)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CKwPropertyPage::OnUpdateEditCommand)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CKwPropertyPage::OnUpdateEditCommand)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, &CKwPropertyPage::OnUpdateEditCommand)
END_MESSAGE_MAP()

namespace {

// The distances of a control not measured (registered late, or not in the template): it stays
// where it is.
const CRect kUnmeasured(INT_MIN, INT_MIN, INT_MIN, INT_MIN);

// The Edit commands on the focused edit control: the message each sends, and when it is offered.
enum EEditRule { ruleCanUndo, ruleNever, ruleSelectionWritable, ruleSelection, rulePasteWritable };
struct EditCommand
{
    UINT nID;
    UINT nMessage;
    EEditRule rule;
};
const EditCommand kEditCommands[] = {
    {ID_EDIT_UNDO, EM_UNDO, ruleCanUndo},
    {ID_EDIT_REDO, 0, ruleNever},
    {ID_EDIT_CUT, WM_CUT, ruleSelectionWritable},
    {ID_EDIT_COPY, WM_COPY, ruleSelection},
    {ID_EDIT_PASTE, WM_PASTE, rulePasteWritable},
    {ID_EDIT_CLEAR, WM_CLEAR, ruleSelectionWritable},
};

const EditCommand* FindEditCommand(UINT nID)
{
    for (const EditCommand& command : kEditCommands)
    {
        if (command.nID == nID)
            return &command;
    }
    return NULL;
}

bool IsEditEnabled(HWND hEdit, EEditRule rule)
{
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageA(hEdit, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    bool bSelection = dwStart != dwEnd;
    bool bWritable = !(::GetWindowLongA(hEdit, GWL_STYLE) & ES_READONLY);
    switch (rule)
    {
    case ruleCanUndo:
        return ::SendMessageA(hEdit, EM_CANUNDO, 0, 0) != 0;
    case ruleSelectionWritable:
        return bSelection && bWritable;
    case ruleSelection:
        return bSelection;
    case rulePasteWritable:
        return ::IsClipboardFormatAvailable(CF_TEXT) && bWritable;
    default:
        return false;
    }
}

bool ClassIs(HWND hWnd, const char* lpszClass)
{
    char szClass[10] = {};
    if (hWnd == NULL || ::GetClassNameA(hWnd, szClass, sizeof(szClass)) == 0)
        return false;
    return _strnicmp(szClass, lpszClass, sizeof(szClass)) == 0;
}

// The page's template as the resource holds it; NULL when missing.
const DLGTEMPLATE* LoadTemplate(UINT nIDTemplate, HINSTANCE* phInst, DWORD* pdwSize)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDTemplate);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszName, RT_DIALOG);
    HGLOBAL hData = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    if (hData == NULL)
        return NULL;
    *phInst = hInst;
    *pdwSize = ::SizeofResource(hInst, hResource);
    return (const DLGTEMPLATE*)::LockResource(hData);
}

} // namespace

// Construction and the subject ------------------------------------------------------------------

CKwPropertyPage::CKwPropertyPage(CKwPropertyPageSubject* pSubject, UINT nIDTemplate, UINT nIDCaption)
    : m_pOccDialogInfo(NULL), m_pSubject(pSubject), m_nIDTemplate(nIDTemplate), m_nIDCaption(nIDCaption), m_bSettingProperties(FALSE),
      m_bResizeInfoReady(FALSE), m_nDpi(0), m_bCreated(FALSE), m_nHandling(0)
{
    if (m_pSubject != NULL)
        m_pSubject->CKwPropertyPageSubject_Subscribe(this);
}

CKwPropertyPage::~CKwPropertyPage()
{
    if (m_pSubject != NULL)
        m_pSubject->CKwPropertyPageSubject_Unsubscribe(this);
}

LRESULT CKwPropertyPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Counted so that a handler that replaces the pages does not delete the page it runs in.
    // A handler's exception passes through (the window procedure reports it); the count still drops.
    struct CCount
    {
        int& n;
        explicit CCount(int& nCount) : n(++nCount) {}
        ~CCount() { --n; }
    } count(m_nHandling);
    return CWnd::WindowProc(message, wParam, lParam);
}

void CKwPropertyPage::ForgetSubject(CKwPropertyPageSubject* pSubject)
{
    if (m_pSubject == pSubject)
        m_pSubject = NULL;
}

void CKwPropertyPage::NotifySubjectChanged()
{
    if (!m_bSettingProperties && m_hWnd != NULL)
        UpdateData(FALSE);
}

void CKwPropertyPage::NotifySubjectDeleted()
{
    if (m_pSubject != NULL)
        m_pSubject->CKwPropertyPageSubject_Unsubscribe(this);
    m_pSubject = NULL;
    AsyDestroyPage();
}

int CKwPropertyPage::OpenProperty(UINT nID, int, int nStartChar, int nEndChar)
{
    CWnd* pControl = GetDlgItem(nID);
    if (m_hWnd == NULL || pControl == NULL)
        return FALSE;
    ActivateMe();
    pControl->SetFocus();
    if (!IsComboBox(pControl->m_hWnd))
        pControl->SendMessage(EM_SETSEL, nStartChar, nEndChar);
    else if (pControl->IsWindowEnabled())
        pControl->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar));
    return TRUE;
}

BOOL CKwPropertyPage::SetOccDialogInfo(struct _AFX_OCC_DIALOG_INFO* pOccDialogInfo)
{
    m_pOccDialogInfo = pOccDialogInfo;
    return TRUE;
}

void CKwPropertyPage::AsyDestroyPage()
{
    if (m_hWnd == NULL)
        return;
    CWnd* pOwner = GetOwner();
    if (pOwner != NULL)
        pOwner->PostMessage(KWM_DELETEALLPAGES, 0, 0);
}

void CKwPropertyPage::ActivateMe()
{
    CBCGPTabWnd* pTabs = dynamic_cast<CBCGPTabWnd*>(GetParent());
    if (pTabs == NULL)
        return;
    int nTab = pTabs->GetTabFromHwnd(m_hWnd);
    if (nTab >= 0)
        pTabs->SetActiveTab(nTab);
}

// Creation ---------------------------------------------------------------------------------------

int CKwPropertyPage::Create(DWORD dwStyle, const CRect& rect, CWnd* pParent, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    CREATESTRUCT cs = {};
    cs.style = dwStyle;
    if (!PreCreateWindow(cs) || !MyCreateDlg(pParent))
        return FALSE;
    ModifyStyle(WS_CAPTION, dwStyle & WS_CAPTION);
    SetDlgCtrlID(nID);
    if (!ExecuteDlgInit(MAKEINTRESOURCEA(m_nIDTemplate)))
    {
        // A half-made page would be left to nobody.
        DestroyWindow();
        return FALSE;
    }
    OnInitPropertyPage();
    // The overridable rules apply from the start.
    std::vector<UINT> ids;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        UINT nChildID = (UINT)::GetDlgCtrlID(hChild);
        if (nChildID != (UINT)-1 && nChildID != 0xFFFF)
            ids.push_back(nChildID);
    }
    for (UINT nChildID : ids)
    {
        if (IsDlgItemEnabled(nChildID))
            EnableControl(nChildID, TRUE);
    }
    // Visible by its own style: the page itself is not shown yet.
    for (UINT nChildID : ids)
    {
        CWnd* pChild = GetDlgItem(nChildID);
        if (pChild != NULL && (pChild->GetStyle() & WS_VISIBLE))
            ShowControl(nChildID, TRUE);
    }
    Invalidate(TRUE);
    SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CKwPropertyPage::MyCreateDlg(CWnd* pParent)
{
    HINSTANCE hInst = NULL;
    DWORD dwSize = 0;
    const DLGTEMPLATE* pTemplate = LoadTemplate(m_nIDTemplate, &hInst, &dwSize);
    // A malformed template is refused before the dialog manager reads it.
    if (pTemplate == NULL || !CDlgTemplateTools::IsValidTemplate(pTemplate, dwSize))
        return FALSE;
    std::vector<unsigned char> copy((const unsigned char*)pTemplate, (const unsigned char*)pTemplate + dwSize);
    if (!CKwPageTemplate::MakeChildStyle(copy.data(), copy.size()))
        return FALSE;
    return CreateDlgIndirect((LPCDLGTEMPLATE)copy.data(), pParent, hInst);
}

int CKwPropertyPage::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_DropTarget.Register(this))
        return -1;
    CKwPalette::FollowInDialog(m_hWnd);
    CString strCaption;
    if (m_nIDCaption != 0 && strCaption.LoadString(m_nIDCaption))
        SetWindowText(strCaption);
    return 0;
}

LRESULT CKwPropertyPage::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    return 0;
}

void CKwPropertyPage::OnInitPropertyPage()
{
    m_ToolTip.Create(this, TRUE);
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild != NULL; pChild = pChild->GetWindow(GW_HWNDNEXT))
    {
        m_ToolTip.AddTool(pChild, CString());
        // The edit part of a combo box has tips of its own.
        if (CWnd* pGrandChild = pChild->GetWindow(GW_CHILD))
            m_ToolTip.AddTool(pGrandChild, CString());
    }
    m_ToolTip.SetBehaviour(1);
    m_ToolTip.SetDelayTime(TTDT_AUTOPOP, 0);
    m_ToolTip.SetNotify(TRUE);
    NotifySubjectChanged();
}

// Rules for the controls -------------------------------------------------------------------------

BOOL CKwPropertyPage::IsEdit(HWND hWnd)
{
    return ClassIs(hWnd, "edit");
}

BOOL CKwPropertyPage::IsComboBox(HWND hWnd)
{
    return ClassIs(hWnd, "combobox");
}

int CKwPropertyPage::IsDlgItemEnabled(UINT nID)
{
    CWnd* pControl = GetDlgItem(nID);
    if (pControl == NULL || !pControl->IsWindowEnabled())
        return FALSE;
    if (IsEdit(pControl->m_hWnd))
        return !(pControl->GetStyle() & ES_READONLY);
    CKwGridCtrl* pGrid = dynamic_cast<CKwGridCtrl*>(CWnd::FromHandlePermanent(pControl->m_hWnd));
    return pGrid == NULL || !pGrid->GetReadOnly();
}

void CKwPropertyPage::EnableControl(UINT nID, int bEnable)
{
    CWnd* pControl = GetDlgItem(nID);
    if (pControl == NULL)
        return;
    BOOL bState = bEnable && IsControlEnabled(nID);
    CKwGridCtrl* pGrid = dynamic_cast<CKwGridCtrl*>(CWnd::FromHandlePermanent(pControl->m_hWnd));
    if (IsEdit(pControl->m_hWnd))
        pControl->SendMessage(EM_SETREADONLY, !bState, 0);
    else if (pGrid != NULL)
        pGrid->SetReadOnly(!bState);
    else
        pControl->EnableWindow(bState);
}

void CKwPropertyPage::ShowControl(UINT nID, int bShow)
{
    CWnd* pControl = GetDlgItem(nID);
    if (pControl != NULL)
        pControl->ShowWindow(bShow && IsControlVisible(nID) ? SW_SHOW : SW_HIDE);
}

int CKwPropertyPage::IsControlEnabled(UINT)
{
    return TRUE;
}

int CKwPropertyPage::IsControlVisible(UINT)
{
    return TRUE;
}

CString CKwPropertyPage::GetToolTipText(UINT)
{
    return CString();
}

DROPEFFECT CKwPropertyPage::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT CKwPropertyPage::OnDragOver(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void CKwPropertyPage::OnDragLeave()
{
}

BOOL CKwPropertyPage::OnDrop(COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

// Resizing ---------------------------------------------------------------------------------------

void CKwPropertyPage::RegisterForResizing(UINT nID, int nFlags)
{
    for (INT_PTR i = m_ResizeRecords.GetSize() - 1; i >= 0; i--)
    {
        if (m_ResizeRecords[i].nID == nID)
            m_ResizeRecords.RemoveAt(i);
    }
    CControlResizeRecord record = {nID, nFlags, kUnmeasured};
    m_ResizeRecords.Add(record);
}

void CKwPropertyPage::InitResizeInfo()
{
    m_bResizeInfoReady = TRUE;
    if (m_nDpi == 0)
        m_nDpi = CKwDpi::ForWindow(m_hWnd);
    HINSTANCE hInst = NULL;
    DWORD dwSize = 0;
    const DLGTEMPLATE* pTemplate = LoadTemplate(m_nIDTemplate, &hInst, &dwSize);
    CDlgTemplateTools::CDialogInfo dialog;
    if (pTemplate == NULL || !CDlgTemplateTools::GetDialogInfo(pTemplate, dwSize, dialog))
        return;
    CRect rcPage(dialog.m_x, dialog.m_y, dialog.m_x + dialog.m_cx, dialog.m_y + dialog.m_cy);
    CDlgTemplateTools::ConvertDialogUnitsToPixels(pTemplate, dwSize, rcPage, m_nDpi);
    for (INT_PTR i = 0; i < m_ResizeRecords.GetSize(); i++)
    {
        CControlResizeRecord& record = m_ResizeRecords[i];
        const DLGITEMTEMPLATE* pItem = CDlgTemplateTools::FindItem(pTemplate, dwSize, record.nID);
        CDlgTemplateTools::CItemInfo item;
        if (pItem == NULL || !CDlgTemplateTools::GetItemInfo(pTemplate, dwSize, pItem, item))
            continue;
        // A combo box's template height includes its list; on the page it is closed.
        int cy = item.m_bComboBox ? 12 : item.m_cy;
        CRect rcControl(item.m_x, item.m_y, item.m_x + item.m_cx, item.m_y + cy);
        CDlgTemplateTools::ConvertDialogUnitsToPixels(pTemplate, dwSize, rcControl, m_nDpi);
        record.rcDistance = CKwAnchorLayout::Distance(rcPage, rcControl);
    }
}

LRESULT CKwPropertyPage::OnDpiChanged(WPARAM wParam, LPARAM)
{
    // The anchors' distances are measured again in dialog units at the new DPI.
    m_nDpi = CKwDpi::FromMessage(m_hWnd, (UINT)GetCurrentMessage()->message, wParam);
    m_bResizeInfoReady = FALSE;
    ResizeRegisteredControls();
    return 0;
}

void CKwPropertyPage::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_hWnd != NULL)
        ResizeRegisteredControls();
}

void CKwPropertyPage::ResizeRegisteredControls()
{
    if (!m_bResizeInfoReady)
        InitResizeInfo();
    CRect rcClient;
    GetClientRect(&rcClient);
    for (INT_PTR i = 0; i < m_ResizeRecords.GetSize(); i++)
    {
        const CControlResizeRecord& record = m_ResizeRecords[i];
        HWND hControl = ::GetDlgItem(m_hWnd, record.nID);
        if (hControl == NULL || record.rcDistance == kUnmeasured)
            continue;
        CRect rc;
        ::GetWindowRect(hControl, &rc);
        ScreenToClient(&rc);
        MoveControl(hControl, CKwAnchorLayout::Place(rc, rcClient, record.rcDistance, record.nFlags));
    }
    Invalidate(FALSE);
}

// Moving a combo box selects its whole text; its text and selection are put back.
void CKwPropertyPage::MoveControl(HWND hWnd, const CRect& rc)
{
    if (!IsComboBox(hWnd))
    {
        ::MoveWindow(hWnd, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
        return;
    }
    CString strText;
    CWnd::FromHandle(hWnd)->GetWindowText(strText);
    DWORD dwSel = (DWORD)::SendMessageA(hWnd, CB_GETEDITSEL, 0, 0);
    BOOL bVisible = ::IsWindowVisible(hWnd);
    if (bVisible)
        ::ShowWindow(hWnd, SW_HIDE);
    ::MoveWindow(hWnd, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
    if (bVisible)
        ::ShowWindow(hWnd, SW_SHOW);
    ::SetWindowTextA(hWnd, strText);
    ::SendMessageA(hWnd, CB_SETEDITSEL, 0, MAKELPARAM(LOWORD(dwSel), HIWORD(dwSel)));
}

// Data, commands, keys and tips ----------------------------------------------------------------

void CKwPropertyPage::OnPostPageDataChanged()
{
    PostMessage(KWM_PAGEDATACHANGED, 0, 0);
}

LRESULT CKwPropertyPage::OnPageDataChanged(WPARAM, LPARAM)
{
    if (m_bCreated)
        UpdateData(TRUE);
    return 0;
}

HWND CKwPropertyPage::FocusedEdit() const
{
    HWND hFocus = ::GetFocus();
    return IsEdit(hFocus) ? hFocus : NULL;
}

void CKwPropertyPage::OnEditCommand()
{
    const EditCommand* pCommand = FindEditCommand(LOWORD(GetCurrentMessage()->wParam));
    HWND hEdit = FocusedEdit();
    if (pCommand != NULL && pCommand->nMessage != 0 && hEdit != NULL)
        ::SendMessageA(hEdit, pCommand->nMessage, 0, 0);
}

void CKwPropertyPage::OnUpdateEditCommand(CCmdUI* pCmdUI)
{
    const EditCommand* pCommand = FindEditCommand(pCmdUI->m_nID);
    HWND hEdit = FocusedEdit();
    pCmdUI->Enable(pCommand != NULL && hEdit != NULL && IsEditEnabled(hEdit, pCommand->rule));
}

BOOL CKwPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.m_hWnd != NULL)
        m_ToolTip.RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
    {
        const DWORD dwWantsEnter = ES_MULTILINE | ES_WANTRETURN;
        if (!IsEdit(pMsg->hwnd) || (::GetWindowLongA(pMsg->hwnd, GWL_STYLE) & dwWantsEnter) != dwWantsEnter)
        {
            SendMessage(WM_NEXTDLGCTL, 0, 0);
            return TRUE;
        }
    }
    // Up and Down in a closed combo box would change its value unseen.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_DOWN || pMsg->wParam == VK_UP))
    {
        HWND hParent = ::GetParent(pMsg->hwnd);
        if (IsComboBox(hParent) && ::SendMessageA(hParent, CB_GETDROPPEDSTATE, 0, 0) == 0)
            return TRUE;
    }
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    for (CFrameWnd* pFrame = GetParentFrame(); pFrame != NULL; pFrame = pFrame->GetParentFrame())
    {
        if (pFrame->PreTranslateMessage(pMsg))
            return TRUE;
    }
    return GetWindow(GW_CHILD) != NULL && PreTranslateInput(pMsg);
}

BOOL CKwPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->code == UXTTN_DISPLAY && pNMHDR->hwndFrom == m_ToolTip.m_hWnd)
    {
        NotifyDisplayTooltip(pNMHDR, pResult);
        return TRUE;
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}

void CKwPropertyPage::NotifyDisplayTooltip(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    UXTOOLTIP_NOTIFY* pNotify = (UXTOOLTIP_NOTIFY*)pNMHDR;
    pNotify->ti->sTooltip.Empty();
    CPoint pt = *pNotify->pt;
    ScreenToClient(&pt);
    CWnd* pChild = ChildWindowFromPoint(pt, CWP_SKIPINVISIBLE);
    if (pChild != NULL && pChild->m_hWnd != m_hWnd && pChild->GetDlgCtrlID() != 0)
        pNotify->ti->sTooltip = GetToolTipText(pChild->GetDlgCtrlID());
}
