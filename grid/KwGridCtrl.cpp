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

namespace {

const UINT kNone = 0xFFFFFFFF;

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
    HWND hPlaceholder = pParent != NULL ? ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID) : NULL;
    if (hPlaceholder == NULL)
        return FALSE;
    CRect rect;
    ::GetWindowRect(hPlaceholder, &rect);
    pParent->ScreenToClient(&rect);
    BOOL bCreated = Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, pParent, nID);
    if (!bCreated)
        return FALSE;
    // Right after the placeholder in the z-order, so the grid keeps its place in the tab order.
    ::SetWindowPos(m_hWnd, hPlaceholder, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::DestroyWindow(hPlaceholder);
    ModifyStyleEx(0, dwExStyle, SWP_FRAMECHANGED);
    return bCreated;
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
    CRect rectEmpty(0, 0, 0, 0);
    if (!m_pHeaderCtrl->Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_TOP | HDS_BUTTONS, rectEmpty, this,
                               eHeaderId))
        return -1;
    if (!m_scrollBar.Create(WS_CHILD | SBS_VERT, rectEmpty, this, eScrollBarId))
        return -1;
    m_nTopLine = 0;
    m_bScrollBarShown = FALSE;
    m_scrollBar.ShowWindow(SW_HIDE);
    m_nCurColumn = m_nCurLine = kNone;
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

// Lines stored before a column is added keep their fewer cells; the missing ones read as
// default cells and a line is widened when one of its cells is stored.
void CKwGridCtrl::AddColumn(CString sTitle, int nWidth)
{
    m_pHeaderCtrl->AddItem(sTitle, nWidth);
    if (m_hWnd != NULL)
        Invalidate(FALSE);
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
    StoreItem(nColumn, nLine, item);
    AfterStore(nColumn == m_nCurColumn && nLine == m_nCurLine && nColumn < GetColumnCount());
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
    if (m_nCurLine < GetLineCountLimit())
        return FALSE;
    EndEdit();
    m_nCurColumn = m_nCurLine = kNone;
    m_pSelection->HitOutside();
    return TRUE;
}

void CKwGridCtrl::GetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item)
{
    if (nLine < (UINT)m_lines.GetSize() && nColumn < (UINT)m_lines[nLine].GetSize() && nColumn < GetColumnCount())
        item = m_lines[nLine][nColumn];
    else
        item = CKwGridCtrlItem();
    if (CKwGridCtrlListener* pListener = GetListener())
        pListener->CKwGridCtrlListener_OnGetItem(nColumn, nLine, item, this);
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
    m_lines.SetSize(nLine);
    TrimLines();
    AfterStore(m_nCurLine >= nLine && m_nCurLine < nCount && m_nCurColumn < GetColumnCount());
}

UINT CKwGridCtrl::GetLineCount() const { return (UINT)m_lines.GetSize(); }

UINT CKwGridCtrl::GetColumnCount() const
{
    return m_pHeaderCtrl->GetSafeHwnd() != NULL ? (UINT)m_pHeaderCtrl->GetItemCount() : 0;
}

UINT CKwGridCtrl::GetLineCountLimit() const
{
    switch (m_eInsertMode)
    {
    case eInsertUnlimited:
        return kNone;
    case eInsertFixed:
        return GetLineCount();
    default:
        return GetLineCount() + 1;
    }
}

BOOL CKwGridCtrl::IsModified() const { return m_bModified; }
void CKwGridCtrl::SetModified(BOOL bModified) { m_bModified = bModified; }
CKwGridCtrl::EInsertMode CKwGridCtrl::GetInsertMode() const { return m_eInsertMode; }
void CKwGridCtrl::SetInsertMode(EInsertMode eMode) { m_eInsertMode = eMode; }
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

// Stores without laying out or telling anyone. Missing lines come into being without cells (a
// missing cell reads as a default cell); the line stored into is widened to every column. The
// line array grows geometrically, so that appending at the end of a long grid costs no more
// than at the end of a short one. No line (kNone) is never stored: a line count cannot reach
// past it. A line beyond what the array can count is more than memory holds.
void CKwGridCtrl::StoreItem(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item)
{
    UINT nColumns = GetColumnCount();
    if (nColumn >= nColumns || nLine == kNone)
        return;
    INT_PTR nCount = m_lines.GetSize();
    if (nLine >= (UINT)nCount)
        m_lines.SetSize((INT_PTR)((UINT_PTR)nLine + 1), nCount < 16 ? 16 : nCount);
    CLine& line = m_lines[nLine];
    if (line.GetSize() <= (INT_PTR)nColumn)
        line.SetSize(nColumns);
    line[nColumn] = item;
    TrimLines();
}

void CKwGridCtrl::TrimLines()
{
    INT_PTR nCount = m_lines.GetSize();
    while (nCount > 0)
    {
        const CLine& line = m_lines[nCount - 1];
        INT_PTR c = 0;
        while (c < line.GetSize() && line[c].IsEmpty())
            c++;
        if (c < line.GetSize())
            break;
        nCount--;
    }
    if (nCount < m_lines.GetSize())
        m_lines.SetSize(nCount);
}

void CKwGridCtrl::SwapLines(UINT nLine1, UINT nLine2)
{
    CKwGridCtrlListener* pListener = GetListener();
    if (pListener != NULL && !pListener->CKwGridCtrlListener_OnCanSwapLines(nLine1, nLine2, this))
        return;
    UINT nColumns = GetColumnCount();
    for (UINT c = 0; c < nColumns; c++)
    {
        CKwGridCtrlItem item1, item2;
        GetItem(c, nLine1, item1);
        GetItem(c, nLine2, item2);
        StoreItem(c, nLine1, item2);
        StoreItem(c, nLine2, item1);
    }
    LayoutAll();
    NotifyContentChanged();
}

void CKwGridCtrl::NotifyItemChanged(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item)
{
    m_bModified = TRUE;
    if (CKwGridCtrlListener* pListener = GetListener())
        pListener->CKwGridCtrlListener_OnItemChanged(nColumn, nLine, item, this);
}

void CKwGridCtrl::NotifyContentChanged()
{
    m_bModified = TRUE;
    if (CKwGridCtrlListener* pListener = GetListener())
        pListener->CKwGridCtrlListener_OnContentChanged(this);
}

void CKwGridCtrl::NotifyKillFocus()
{
    if (CKwGridCtrlListener* pListener = GetListener())
        pListener->CKwGridCtrlListener_OnKillFocus(this);
}
