// StructScheduleView.cpp: the schedule's grid filled from the model, its edits parsed into members.
#include "StructScheduleView.h"

#include "StructDoc.h"
#include "StructMemberTip.h"

IMPLEMENT_SERIAL(CStructScheduleView, CView, 1)

BEGIN_MESSAGE_MAP(CStructScheduleView, CView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_KW_GETVIEWCONTEXT, &CStructScheduleView::OnGetViewContext)
    ON_MESSAGE(WM_KW_COMPAREVIEWCONTEXT, &CStructScheduleView::OnCompareViewContext)
    ON_MESSAGE(WM_KW_GETVIEWTITLE, &CStructScheduleView::OnGetViewTitle)
END_MESSAGE_MAP()

namespace {

const int kColumnWidths[CStructMember::kColumns] = {56, 90, 56, 76, 160, 70};

} // namespace

CStructScheduleView::CStructScheduleView() : m_identity("Schedule"), m_bWriting(FALSE)
{
    CStructModel::GetSections(m_sections);
    CStructModel::GetGrades(m_grades);
}

CStructDoc* CStructScheduleView::GetDocument() const
{
    return static_cast<CStructDoc*>(m_pDocument);
}

int CStructScheduleView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CView::OnCreate(lpcs) == -1)
        return -1;
    for (int c = 0; c < CStructMember::kColumns; c++)
        m_grid.AddColumn(CStructMember::GetColumnTitle(c), kColumnWidths[c]);
    // Members are added and deleted by the editor's commands, not by typing below the last line.
    m_grid.SetInsertMode(CKwGridCtrl::eInsertFixed);
    // Filled before its window exists, the grid lays itself out once instead of after every cell.
    if (GetDocument() != NULL)
        FillAll();
    if (!m_grid.Create(NULL, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 0, 0), this, 1))
        return -1;
    m_grid.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT));
    m_grid.SetAutoResizeColumns(TRUE, CStructMember::kRemark);
    m_grid.SetShowWhiteBoxAlways(TRUE);
    return 0;
}

void CStructScheduleView::OnInitialUpdate()
{
    // The grid was filled as it was made.
    if (GetDocument() != NULL && GetDocument()->GetSelected() >= 0)
        OnUpdate(NULL, kHintSelection, NULL);
}

void CStructScheduleView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_grid.GetSafeHwnd() != NULL)
        m_grid.MoveWindow(0, 0, cx, cy);
}

void CStructScheduleView::OnSetFocus(CWnd*)
{
    if (m_grid.GetSafeHwnd() != NULL)
        m_grid.SetFocus();
}

void CStructScheduleView::OnDraw(CDC*)
{
    // The grid covers the view.
}

void CStructScheduleView::OnUpdate(CView*, LPARAM lHint, CObject*)
{
    CStructDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return;
    if (lHint == kHintMember) {
        if (!m_bWriting)
            FillLine(pDoc->GetLastChanged());
    } else if (lHint == kHintSelection) {
        if (m_grid.GetSafeHwnd() == NULL)
            return;
        int nSelected = pDoc->GetSelected();
        UINT nColumn = 0, nLine = 0;
        m_grid.GetCurItem(nColumn, nLine);
        if (nSelected >= 0 && (UINT)nSelected != nLine) {
            m_grid.SetCurItem(nColumn < (UINT)CStructMember::kColumns ? nColumn : 0, (UINT)nSelected);
            m_grid.EnsureVisible((UINT)nSelected);
        }
    } else {
        FillAll();
    }
}

void CStructScheduleView::FillAll()
{
    const CStructModel& model = GetDocument()->GetModel();
    BOOL bWindow = m_grid.GetSafeHwnd() != NULL;
    if (bWindow)
        m_grid.SetRedraw(FALSE);
    m_grid.RemoveItemsAtAndBelow((UINT)model.GetCount());
    for (int i = 0; i < model.GetCount(); i++)
        FillLine(i);
    if (bWindow) {
        m_grid.SetRedraw(TRUE);
        m_grid.Invalidate(FALSE);
    }
}

void CStructScheduleView::FillLine(int nLine)
{
    const CStructModel& model = GetDocument()->GetModel();
    if (nLine < 0 || nLine >= model.GetCount())
        return;
    const CStructMember& member = model.GetAt(nLine);
    BOOL bNewLine = (UINT)nLine >= m_grid.GetLineCount();
    for (int c = 0; c < CStructMember::kColumns; c++) {
        // Cells that show their text already are left alone: a refill stores only what changed.
        CString strText = member.FormatCell(c);
        if (!bNewLine && m_grid.GetItemText((UINT)c, (UINT)nLine) == strText)
            continue;
        CKwGridCtrlItem item;
        item.nType = c == CStructMember::kSection ? CKwGridCtrlItem::eEditableDropDown
                     : c == CStructMember::kGrade ? CKwGridCtrlItem::eTextDropDown
                                                  : CKwGridCtrlItem::eText;
        item.sText = strText;
        item.bBold = c == CStructMember::kMark;
        if (c == CStructMember::kColour)
            item.clrText = member.m_crColour;
        m_grid.SetItem((UINT)c, (UINT)nLine, item);
    }
}

void CStructScheduleView::CKwGridCtrlListener_OnGetItem(UINT nColumn, UINT, CKwGridCtrlItem& item, CKwGridCtrl*)
{
    if (nColumn == CStructMember::kSection)
        item.pChoices = &m_sections;
    else if (nColumn == CStructMember::kGrade)
        item.pChoices = &m_grades;
}

BOOL CStructScheduleView::CKwGridCtrlListener_OnBeginEditItem(UINT, UINT nLine, CKwGridCtrlItem&, CKwGridCtrl*)
{
    // The line being edited is the selected member for every other window.
    GetDocument()->Select((int)nLine);
    return TRUE;
}

void CStructScheduleView::CKwGridCtrlListener_OnItemChanged(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item,
                                                            CKwGridCtrl*)
{
    CStructDoc* pDoc = GetDocument();
    if ((int)nLine >= pDoc->GetModel().GetCount())
        return;
    // Text that is no value of its column stays in the cell, the member unchanged, until the
    // grid loses the focus.
    CStructMember member = pDoc->GetModel().GetAt((int)nLine);
    if (!member.ParseCell((int)nColumn, item.sText))
        return;
    m_bWriting = TRUE;
    pDoc->SetMember((int)nLine, member);
    m_bWriting = FALSE;
}

void CStructScheduleView::CKwGridCtrlListener_OnKillFocus(CKwGridCtrl*)
{
    // What the user left unparsed goes back to the model's values.
    const CStructModel& model = GetDocument()->GetModel();
    for (int i = 0; i < model.GetCount(); i++) {
        for (int c = 0; c < CStructMember::kColumns; c++) {
            if (m_grid.GetItemText((UINT)c, (UINT)i) != model.GetAt(i).FormatCell(c)) {
                FillLine(i);
                break;
            }
        }
    }
}

CString CStructScheduleView::CKwGridCtrlListener_OnGetToolTipText(UINT nColumn, UINT nLine, CKwGridCtrlItem&,
                                                                  CKwGridCtrl*)
{
    const CStructModel& model = GetDocument()->GetModel();
    if ((int)nLine >= model.GetCount() || nColumn >= (UINT)CStructMember::kColumns)
        return CString();
    return CStructMemberTip::Format(model.GetAt((int)nLine));
}
