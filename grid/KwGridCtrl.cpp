// KwGridCtrl.cpp: CKwGridCtrl's life, its cells and its listener: creation in place of a dialog
// placeholder, the public data operations on its model, and the notifications to the parent
// window.
#include "grid/KwGridCtrl.h"
#include "core/KwLineSelection.h"
#include "core/KwDpi.h"
#include "core/KwPlaceholder.h"
#include "grid/KwGridMessages.h"
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
    ON_EN_CHANGE(KW_GRID_EDITOR_ID, On_EN_CHANGE)
    ON_CBN_SELCHANGE(KW_GRID_EDITOR_ID, On_CBN_SELCHANGE)
    ON_CBN_EDITCHANGE(KW_GRID_EDITOR_ID, On_CBN_EDITCHANGE)
    ON_EN_KILLFOCUS(KW_GRID_EDITOR_ID, On_EN_CBN_KILLFOCUS)
    ON_CBN_KILLFOCUS(KW_GRID_EDITOR_ID, On_EN_CBN_KILLFOCUS)
    ON_EN_SETFOCUS(KW_GRID_EDITOR_ID, On_EN_CBN_SETFOCUS)
    ON_CBN_SETFOCUS(KW_GRID_EDITOR_ID, On_EN_CBN_SETFOCUS)
    ON_MESSAGE(KWM_GRID_DEFERRED_ENDEDIT, On_DEFERRED_ENDEDIT)
    ON_MESSAGE(KWM_GRID_DEFERRED_SELCHANGE, On_DEFERRED_CBN_SELCHANGE)
    ON_MESSAGE(KWM_GRID_DEFERRED_EDITCHANGE, On_DEFERRED_CBN_EDITCHANGE)
    ON_MESSAGE(KWM_GRID_HEADER_ITEMS, OnHeaderItems)
    ON_NOTIFY(UXTTN_DISPLAY, 0, NotifyDisplayTooltip)
    // Layout, scrolling and painting.
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChanged)
    ON_NOTIFY(HDN_ENDTRACKA, KW_GRID_HEADER_ID, OnHeaderEndTrack)
    ON_NOTIFY(HDN_ENDTRACKW, KW_GRID_HEADER_ID, OnHeaderEndTrack)
    // Line commands.
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateEditClear)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
END_MESSAGE_MAP()

CKwGridCtrl::CKwGridCtrl()
    : m_pHeaderCtrl(new CKwHeaderCtrl), m_pEditor(NULL), m_bSettingText(FALSE), m_bScrollBarShown(FALSE),
      m_nTopLine(0), m_nItemHeight(0), m_nDpi(CKwDpi::kDefault), m_bModified(FALSE), m_bShowSelectionAlways(FALSE),
      m_bShowWhiteBoxAlways(FALSE), m_bReadOnly(FALSE), m_nTelling(0)
{
}

CKwGridCtrl::~CKwGridCtrl()
{
    if (m_hWnd)
        DestroyWindow();
    delete m_pHeaderCtrl;
    m_fontNormal.Detach();
}

namespace {

// A cell of the given type holding a text or a choice, the rest default.
CKwGridCtrlItem TypedItem(int nType, const CString& sText, int nIndex = -1)
{
    CKwGridCtrlItem item;
    item.nType = nType;
    item.sText = sText;
    item.nIndex = nIndex;
    return item;
}

} // namespace

BOOL CKwGridCtrl::Initialize(UINT nID, CWnd* pParent, DWORD dwExStyle)
{
    return CKwPlaceholder::Replace(nID, pParent, dwExStyle, this, [&](const CRect& rect) {
        return Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, pParent, nID);
    });
}

BOOL CKwGridCtrl::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CWnd::Create(lpszClassName, lpszWindowName, dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID, pContext);
}

int CKwGridCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_nDpi = CKwDpi::ForWindow(m_hWnd);
    CRect rectEmpty(0, 0, 0, 0);
    if (!m_pHeaderCtrl->Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_TOP | HDS_BUTTONS, rectEmpty, this,
                               KW_GRID_HEADER_ID))
        return -1;
    m_pHeaderCtrl->SetDpi(m_nDpi);
    for (INT_PTR i = 0; i < m_pendingTitles.GetSize(); i++)
        m_pHeaderCtrl->AddItem(m_pendingTitles[i], m_pendingWidths[i]);
    m_pendingTitles.RemoveAll();
    m_pendingWidths.RemoveAll();
    // From now on the header's items are the columns, whoever adds or removes them.
    m_pHeaderCtrl->SetTellParentItemCount(TRUE);
    m_model.SetColumnCount((UINT)m_pHeaderCtrl->GetItemCount());
    if (!m_scrollBar.Create(WS_CHILD | SBS_VERT, rectEmpty, this, KW_GRID_SCROLLBAR_ID))
        return -1;
    m_nTopLine = 0;
    m_bScrollBarShown = FALSE;
    m_scrollBar.ShowWindow(SW_HIDE);
    m_navigator.SetCell(CKwGridModel::kNone, CKwGridModel::kNone);
    SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT));

    // Tool texts are filled in just before a tip shows (NotifyDisplayTooltip).
    m_toolTip.Create(this, TRUE);
    m_toolTip.AddTool(this, CString());
    m_toolTip.AddTool(m_pHeaderCtrl, CString());
    m_toolTip.SetBehaviour(1, -1);
    m_toolTip.SetNotify(TRUE);
    m_toolTip.SetDelayTime(2, 0);
    return 0;
}

void CKwGridCtrl::OnDestroy()
{
    EndEdit();
    CWnd::OnDestroy();
}

void CKwGridCtrl::SetRegKey(CString sKey)
{
    m_sRegKey = sKey;
    m_pHeaderCtrl->SetRegKey(sKey + "\\HeaderCtrl");
}

// Before the window exists the model counts the column and the header gets it at creation, so
// that cells can be stored at once.
void CKwGridCtrl::AddColumn(CString sTitle, int nWidth)
{
    if (m_pHeaderCtrl->GetSafeHwnd() == NULL)
    {
        m_pendingTitles.Add(sTitle);
        m_pendingWidths.Add(nWidth);
        m_model.SetColumnCount(m_model.GetColumnCount() + 1);
        ForgetHistory();
        return;
    }
    m_pHeaderCtrl->AddItem(sTitle, nWidth);
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

LRESULT CKwGridCtrl::OnHeaderItems(WPARAM wParam, LPARAM)
{
    m_model.SetColumnCount((UINT)wParam);
    ForgetHistory();
    return 0;
}

void CKwGridCtrl::SetAutoResizeColumns(BOOL bAutoResize, int nStretchColumn)
{
    m_pHeaderCtrl->SetAutoResizeItems(bAutoResize, nStretchColumn);
    // Fitting the columns moves the cells under them and the editor with its cell.
    if (m_hWnd != NULL)
    {
        LayoutEditor();
        Invalidate(FALSE);
    }
}

void CKwGridCtrl::SetItem(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item)
{
    m_model.StoreItem(nColumn, nLine, item);
    ForgetHistory();
    AfterStore(nColumn == m_navigator.GetColumn() && nLine == m_navigator.GetLine() && nColumn < GetColumnCount());
}

void CKwGridCtrl::AfterStore(BOOL bCurrentCellStored)
{
    if (m_hWnd == NULL)
        return;
    LayoutAll();
    Invalidate(FALSE);
    if (DropUnreachableWhiteBox())
        return;
    if (m_pEditor != NULL && bCurrentCellStored)
    {
        // An editor being typed in keeps the focus and its caret, so that a listener that
        // corrects a text it was told of does not cut the user's typing short.
        int nStart, nEnd;
        if (!FocusIn(m_pEditor))
            BeginEdit(eBeginEditNoFocus);
        else if (GetEditSel(nStart, nEnd))
            BeginEdit(eBeginEditCaret, nEnd);
        else
            BeginEdit(eBeginEditSelectAll);
    }
}

// No current line counts as kNone, which is at or beyond every limit.
BOOL CKwGridCtrl::DropUnreachableWhiteBox()
{
    if (m_navigator.GetLine() < GetLineCountLimit())
        return FALSE;
    EndEdit();
    m_navigator.Clear();
    return TRUE;
}

void CKwGridCtrl::GetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item)
{
    m_model.GetItem(nColumn, nLine, item, Link());
}

void CKwGridCtrl::SetTextItem(UINT nColumn, UINT nLine, CString sText)
{
    SetItem(nColumn, nLine, TypedItem(CKwGridCtrlItem::eText, sText));
}

void CKwGridCtrl::SetIndexDropDownItem(UINT nColumn, UINT nLine, int nIndex)
{
    SetItem(nColumn, nLine, TypedItem(CKwGridCtrlItem::eIndexDropDown, CString(), nIndex));
}

void CKwGridCtrl::SetTextDropDownItem(UINT nColumn, UINT nLine, CString sText)
{
    SetItem(nColumn, nLine, TypedItem(CKwGridCtrlItem::eTextDropDown, sText));
}

void CKwGridCtrl::SetEditableDropDownItem(UINT nColumn, UINT nLine, CString sText)
{
    SetItem(nColumn, nLine, TypedItem(CKwGridCtrlItem::eEditableDropDown, sText));
}

CString CKwGridCtrl::GetItemText(UINT nColumn, UINT nLine)
{
    CKwGridCtrlItem item;
    GetItem(nColumn, nLine, item);
    return item.sText;
}

int CKwGridCtrl::GetItemIndex(UINT nColumn, UINT nLine)
{
    CKwGridCtrlItem item;
    GetItem(nColumn, nLine, item);
    return item.nIndex;
}

void* CKwGridCtrl::GetItemData(UINT nColumn, UINT nLine)
{
    CKwGridCtrlItem item;
    GetItem(nColumn, nLine, item);
    return item.pData;
}

void CKwGridCtrl::SetItemText(UINT nColumn, UINT nLine, CString sText)
{
    CKwGridCtrlItem item;
    GetItem(nColumn, nLine, item);
    item.sText = sText;
    SetItem(nColumn, nLine, item);
}

void CKwGridCtrl::SetItemIndex(UINT nColumn, UINT nLine, int nIndex)
{
    CKwGridCtrlItem item;
    GetItem(nColumn, nLine, item);
    item.nIndex = nIndex;
    SetItem(nColumn, nLine, item);
}

void CKwGridCtrl::SetItemData(UINT nColumn, UINT nLine, void* pData)
{
    CKwGridCtrlItem item;
    GetItem(nColumn, nLine, item);
    item.pData = pData;
    SetItem(nColumn, nLine, item);
}

// Every line from nLine on would hold only default cells and be trimmed, with any empty lines
// directly above them: they go at once, and the follow-up runs once.
void CKwGridCtrl::RemoveItemsAtAndBelow(UINT nLine)
{
    UINT nCount = GetLineCount();
    if (nLine >= nCount)
        return;
    m_model.RemoveLinesFrom(nLine);
    ForgetHistory();
    UINT nCurLine = m_navigator.GetLine();
    AfterStore(nCurLine >= nLine && nCurLine < nCount && m_navigator.GetColumn() < GetColumnCount());
}

UINT CKwGridCtrl::GetLineCount() const { return m_model.GetLineCount(); }
UINT CKwGridCtrl::GetColumnCount() const { return m_model.GetColumnCount(); }
UINT CKwGridCtrl::GetLineCountLimit() const { return m_model.GetLineCountLimit(); }
BOOL CKwGridCtrl::IsModified() const { return m_bModified; }
void CKwGridCtrl::SetModified(BOOL bModified) { m_bModified = bModified; }
CKwGridCtrl::EInsertMode CKwGridCtrl::GetInsertMode() const { return m_model.GetInsertMode(); }
void CKwGridCtrl::SetInsertMode(EInsertMode eMode) { m_model.SetInsertMode(eMode); }
BOOL CKwGridCtrl::GetReadOnly() const { return m_bReadOnly; }

void CKwGridCtrl::SetReadOnly(BOOL bReadOnly)
{
    bReadOnly = bReadOnly != FALSE;
    if (bReadOnly == m_bReadOnly)
        return;
    m_bReadOnly = bReadOnly;
    if (m_hWnd != NULL)
        Invalidate(TRUE);
    if (m_bReadOnly && m_pEditor != NULL)
        EndEdit();
}

CKwGridCtrlListener* CKwGridCtrl::GetListener() const
{
    return m_hWnd != NULL ? dynamic_cast<CKwGridCtrlListener*>(GetParent()) : NULL;
}

CKwGridListenerLink CKwGridCtrl::Link()
{
    return CKwGridListenerLink(GetListener(), this);
}

void CKwGridCtrl::SwapLines(UINT nLine1, UINT nLine2)
{
    if (!m_undo.SwapLines(m_model, nLine1, nLine2, Link(), m_navigator.GetColumn()))
        return;
    LayoutAll();
    NotifyContentChanged();
}

void CKwGridCtrl::NotifyItemChanged(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item)
{
    m_bModified = TRUE;
    m_nTelling++;
    if (CKwGridCtrlListener* pListener = GetListener())
        pListener->CKwGridCtrlListener_OnItemChanged(nColumn, nLine, item, this);
    m_nTelling--;
}

void CKwGridCtrl::NotifyContentChanged()
{
    m_bModified = TRUE;
    m_nTelling++;
    if (CKwGridCtrlListener* pListener = GetListener())
        pListener->CKwGridCtrlListener_OnContentChanged(this);
    m_nTelling--;
}

void CKwGridCtrl::NotifyKillFocus()
{
    if (CKwGridCtrlListener* pListener = GetListener())
        pListener->CKwGridCtrlListener_OnKillFocus(this);
}
