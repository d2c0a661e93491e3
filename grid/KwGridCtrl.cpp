// KwGridCtrl.cpp: CKwGridCtrl's life, its cells and its listener: creation in place of a dialog
// placeholder, the nested cell storage with trimming, the public data operations and the
// notifications to the parent window.
#include "grid/KwGridCtrl.h"
#include "core/KwLineSelection.h"
#include "grid/KwHeaderCtrl.h"

IMPLEMENT_DYNCREATE(CKwGridCtrl, CWnd)

BEGIN_MESSAGE_MAP(CKwGridCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    // Selection, navigation and editing.
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CONTEXTMENU()
    ON_EN_CHANGE(eEditorId, On_EN_CHANGE)
    ON_CBN_SELCHANGE(eEditorId, On_CBN_SELCHANGE)
    ON_CBN_EDITCHANGE(eEditorId, On_CBN_EDITCHANGE)
    ON_EN_KILLFOCUS(eEditorId, On_EN_CBN_KILLFOCUS)
    ON_CBN_KILLFOCUS(eEditorId, On_EN_CBN_KILLFOCUS)
    ON_EN_SETFOCUS(eEditorId, On_EN_CBN_SETFOCUS)
    ON_CBN_SETFOCUS(eEditorId, On_EN_CBN_SETFOCUS)
    ON_MESSAGE(WM_USER, On_DEFERRED_ENDEDIT)
    ON_MESSAGE(WM_USER + 1, On_DEFERRED_CBN_SELCHANGE)
    ON_MESSAGE(WM_USER + 2, On_DEFERRED_CBN_EDITCHANGE)
    ON_NOTIFY(UXTTN_DISPLAY, 0, NotifyDisplayTooltip)
    // Layout, scrolling and painting.
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_NOTIFY(HDN_ENDTRACKA, eHeaderId, OnHeaderEndTrack)
    ON_NOTIFY(HDN_ENDTRACKW, eHeaderId, OnHeaderEndTrack)
    // Line commands.
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateEditClear)
END_MESSAGE_MAP()

CKwGridCtrl::CKwGridCtrl()
    : m_pHeaderCtrl(new CKwHeaderCtrl), m_pSelection(new CKwLineSelection), m_nCurColumn(0xFFFFFFFF),
      m_nCurLine(0xFFFFFFFF), m_pEditor(NULL), m_bSettingText(FALSE), m_bScrollBarShown(FALSE), m_nTopLine(0),
      m_nItemHeight(0), m_bModified(FALSE), m_bShowSelectionAlways(FALSE), m_bShowWhiteBoxAlways(FALSE),
      m_eInsertMode(eInsertAppendLine), m_bReadOnly(FALSE)
{
}

CKwGridCtrl::~CKwGridCtrl()
{
    if (m_hWnd)
        DestroyWindow();
    delete m_pHeaderCtrl;
    delete m_pSelection;
    m_fontNormal.Detach();
}

BOOL CKwGridCtrl::Initialize(UINT nID, CWnd* pParent, DWORD dwExStyle) { return FALSE; }
BOOL CKwGridCtrl::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CWnd::Create(lpszClassName, lpszWindowName, dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID, pContext);
}
int CKwGridCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) { return CWnd::OnCreate(lpCreateStruct); }
void CKwGridCtrl::OnDestroy() { CWnd::OnDestroy(); }

void CKwGridCtrl::SetRegKey(CString sKey) {}
void CKwGridCtrl::AddColumn(CString sTitle, int nWidth) {}
void CKwGridCtrl::SetAutoResizeColumns(BOOL bAutoResize, int nStretchColumn) {}
void CKwGridCtrl::SetItem(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item) {}
void CKwGridCtrl::GetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item) { item = CKwGridCtrlItem(); }
void CKwGridCtrl::SetTextItem(UINT nColumn, UINT nLine, CString sText) {}
void CKwGridCtrl::SetIndexDropDownItem(UINT nColumn, UINT nLine, int nIndex) {}
void CKwGridCtrl::SetTextDropDownItem(UINT nColumn, UINT nLine, CString sText) {}
void CKwGridCtrl::SetEditableDropDownItem(UINT nColumn, UINT nLine, CString sText) {}
CString CKwGridCtrl::GetItemText(UINT nColumn, UINT nLine) { return CString(); }
int CKwGridCtrl::GetItemIndex(UINT nColumn, UINT nLine) { return -1; }
void* CKwGridCtrl::GetItemData(UINT nColumn, UINT nLine) { return NULL; }
void CKwGridCtrl::SetItemText(UINT nColumn, UINT nLine, CString sText) {}
void CKwGridCtrl::SetItemIndex(UINT nColumn, UINT nLine, int nIndex) {}
void CKwGridCtrl::SetItemData(UINT nColumn, UINT nLine, void* pData) {}
void CKwGridCtrl::RemoveItemsAtAndBelow(UINT nLine) {}
UINT CKwGridCtrl::GetLineCount() const { return (UINT)m_lines.GetSize(); }
UINT CKwGridCtrl::GetColumnCount() const { return 0; }
UINT CKwGridCtrl::GetLineCountLimit() const { return 0; }
BOOL CKwGridCtrl::IsModified() const { return m_bModified; }
void CKwGridCtrl::SetModified(BOOL bModified) { m_bModified = bModified; }
CKwGridCtrl::EInsertMode CKwGridCtrl::GetInsertMode() const { return m_eInsertMode; }
void CKwGridCtrl::SetInsertMode(EInsertMode eMode) { m_eInsertMode = eMode; }
BOOL CKwGridCtrl::GetReadOnly() const { return m_bReadOnly; }
void CKwGridCtrl::SetReadOnly(BOOL bReadOnly) {}

CKwGridCtrlListener* CKwGridCtrl::GetListener() const { return dynamic_cast<CKwGridCtrlListener*>(GetParent()); }
void CKwGridCtrl::StoreItem(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item) {}
void CKwGridCtrl::TrimLines() {}
void CKwGridCtrl::SwapLines(UINT nLine1, UINT nLine2) {}
void CKwGridCtrl::NotifyItemChanged(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item) {}
void CKwGridCtrl::NotifyContentChanged() {}
void CKwGridCtrl::NotifyKillFocus() {}
