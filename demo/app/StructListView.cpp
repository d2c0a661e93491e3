// StructListView.cpp: the members' cells as the list asks for them, their orders, and the
// selection both ways.
#include "StructListView.h"

#include "StructDoc.h"

#include <cmath>

IMPLEMENT_SERIAL(CStructListView, CLargeListView, 1)

BEGIN_MESSAGE_MAP(CStructListView, CLargeListView)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, &CStructListView::OnItemChanged)
    ON_MESSAGE(WM_KW_GETVIEWTITLE, &CStructListView::OnGetViewTitle)
    ON_NOTIFY(HDN_ITEMCLICKA, 0, &CStructListView::OnHeaderClick)
    ON_NOTIFY(HDN_ITEMCLICKW, 0, &CStructListView::OnHeaderClick)
END_MESSAGE_MAP()

const CStructModel* CStructListView::s_pModel = NULL;

namespace {

const CStructMember* Member(long nKey)
{
    const CStructModel* pModel = CStructListView::GetShownModel();
    return pModel != NULL && nKey >= 0 && nKey < pModel->GetCount() ? &pModel->GetAt((int)nKey) : NULL;
}

template <int C>
CString CellText(long nKey)
{
    const CStructMember* p = Member(nKey);
    return p != NULL ? p->FormatCell(C) : CString();
}

// Marks and sections order their numbers by value: "B2" before "B10", "IPE 80" before "IPE 200".
int CompareNatural(const char* a, const char* b)
{
    while (*a != '\0' && *b != '\0') {
        if (isdigit((unsigned char)*a) && isdigit((unsigned char)*b)) {
            char* pEndA;
            char* pEndB;
            double dA = strtod(a, &pEndA), dB = strtod(b, &pEndB);
            if (dA != dB)
                return dA < dB ? -1 : 1;
            a = pEndA;
            b = pEndB;
            continue;
        }
        int nA = toupper((unsigned char)*a), nB = toupper((unsigned char)*b);
        if (nA != nB)
            return nA < nB ? -1 : 1;
        a++;
        b++;
    }
    return (*a != '\0') - (*b != '\0');
}

// Texts compare as their cells read, numbers and colours by value, without formatting a cell.
template <int C>
int CompareCells(long nKey1, long nKey2)
{
    const CStructMember* p1 = Member(nKey1);
    const CStructMember* p2 = Member(nKey2);
    if (p1 == NULL || p2 == NULL)
        return (p1 != NULL) - (p2 != NULL);
    switch (C) {
    case CStructMember::kLength:
        return p1->m_dLength < p2->m_dLength ? -1 : p1->m_dLength > p2->m_dLength;
    case CStructMember::kColour: {
        // As "#RRGGBB" reads: red first.
        auto rgb = [](uint32_t cr) { return (cr & 0xFF) << 16 | (cr & 0xFF00) | (cr >> 16 & 0xFF); };
        return rgb(p1->m_crColour) < rgb(p2->m_crColour) ? -1 : rgb(p1->m_crColour) > rgb(p2->m_crColour);
    }
    case CStructMember::kMark:
        return CompareNatural(p1->m_strMark, p2->m_strMark);
    case CStructMember::kSection:
        return CompareNatural(p1->m_strSection, p2->m_strSection);
    case CStructMember::kGrade:
        return CompareNatural(p1->m_strGrade, p2->m_strGrade);
    default:
        return CompareNatural(p1->m_strRemark, p2->m_strRemark);
    }
}

} // namespace

CStructListView::CStructListView() : m_bSelecting(FALSE), m_bFilling(TRUE)
{
    StoreViewContext();
    AddColumn(CStructMember::GetColumnTitle(CStructMember::kMark), CellText<CStructMember::kMark>, NULL,
              CompareCells<CStructMember::kMark>);
    AddColumn(CStructMember::GetColumnTitle(CStructMember::kSection), CellText<CStructMember::kSection>, NULL,
              CompareCells<CStructMember::kSection>);
    AddColumn(CStructMember::GetColumnTitle(CStructMember::kGrade), CellText<CStructMember::kGrade>, NULL,
              CompareCells<CStructMember::kGrade>);
    AddColumn(CStructMember::GetColumnTitle(CStructMember::kLength), CellText<CStructMember::kLength>, NULL,
              CompareCells<CStructMember::kLength>);
    AddColumn(CStructMember::GetColumnTitle(CStructMember::kRemark), CellText<CStructMember::kRemark>, NULL,
              CompareCells<CStructMember::kRemark>);
    AddColumn(CStructMember::GetColumnTitle(CStructMember::kColour), CellText<CStructMember::kColour>, NULL,
              CompareCells<CStructMember::kColour>);
}

CStructDoc* CStructListView::GetDocument() const
{
    return static_cast<CStructDoc*>(m_pDocument);
}

void CStructListView::OnInitialUpdate()
{
    s_pModel = &GetDocument()->GetModel();
    // The list fits its columns to whatever lines it holds, asking for every cell of every
    // column, twice: left empty until then, it fits them to their titles, and FitColumns
    // widens them to the longest texts, measured once each.
    m_bFilling = FALSE;
    CLargeListView::OnInitialUpdate();
    ModifyStyle(0, LVS_SHOWSELALWAYS);
    // Ordered while still empty, so that the lines go to their places as they are inserted.
    int nColumn = m_viewContext.m_nValue1 - 1;
    if (nColumn >= 0 && nColumn < CStructMember::kColumns) {
        // A first click orders a column the other way round; a second turns it back.
        SortBy(nColumn);
        if (m_viewContext.m_nValue2 == 0)
            SortBy(nColumn);
    }
    m_bFilling = TRUE;
    OnUpdate(NULL, kHintModel, NULL);
    FitColumns();
    ShowSelection();
}

void CStructListView::FitColumns()
{
    const CStructModel& model = GetDocument()->GetModel();
    CListCtrl& list = GetListCtrl();
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(list.GetFont());
    for (int c = 0; c < CStructMember::kColumns; c++) {
        CString strLongest;
        for (int i = 0; i < model.GetCount(); i++) {
            CString strText = model.GetAt(i).FormatCell(c);
            if (strText.GetLength() > strLongest.GetLength())
                strLongest = strText;
        }
        int nWidth = dc.GetTextExtent(strLongest).cx + 16; // the list's margins round a cell
        if (nWidth > list.GetColumnWidth(c))
            list.SetColumnWidth(c, nWidth);
    }
    dc.SelectObject(pOldFont);
}

void CStructListView::SortBy(int nColumn)
{
    NMHEADER click = {};
    click.hdr.hwndFrom = GetListCtrl().GetHeaderCtrl()->GetSafeHwnd();
    click.hdr.code = HDN_ITEMCLICKA;
    click.iItem = nColumn;
    LRESULT lResult = 0;
    OnHeaderClicked(&click.hdr, &lResult);
}

void CStructListView::UpdateList(CView*, long lHint, CObject*)
{
    CStructDoc* pDoc = GetDocument();
    s_pModel = &pDoc->GetModel();
    CListCtrl& list = GetListCtrl();
    if (!m_bFilling)
        return;
    if (lHint == kHintSelection) {
        ShowSelection();
        return;
    }
    if (lHint == kHintMember && list.GetItemCount() == pDoc->GetModel().GetCount()) {
        // The member's cells are read as they paint; only its place in the order may change.
        FullSortItems();
        return;
    }
    m_bSelecting = TRUE;
    list.DeleteAllItems();
    // Every line goes in at the end, its cells read as they show, and the lines are ordered once:
    // placing each by a search of the list costs more than the rest of the view's making.
    list.SetItemCount(pDoc->GetModel().GetCount());
    LVITEM item = {};
    item.pszText = LPSTR_TEXTCALLBACK;
    item.iImage = I_IMAGECALLBACK;
    for (long nKey = 0; nKey < pDoc->GetModel().GetCount(); nKey++) {
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = (int)nKey;
        item.iSubItem = 0;
        item.lParam = nKey;
        int nIndex = (int)DefWindowProc(LVM_INSERTITEMA, 0, (LPARAM)&item);
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = nIndex;
        for (int c = 1; c < CStructMember::kColumns; c++) {
            item.iSubItem = c;
            DefWindowProc(LVM_SETITEMA, 0, (LPARAM)&item);
        }
    }
    FullSortItems();
    m_bSelecting = FALSE;
    ShowSelection();
}

void CStructListView::ShowSelection()
{
    // The line of the selected member found by its key, the line selected before let go.
    CListCtrl& list = GetListCtrl();
    int nSelected = GetDocument()->GetSelected();
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = nSelected;
    int nLine = nSelected >= 0 ? (int)list.SendMessage(LVM_FINDITEMA, (WPARAM)-1, (LPARAM)&find) : -1;
    m_bSelecting = TRUE;
    int nOld = (int)list.SendMessage(LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
    if (nOld >= 0 && nOld != nLine)
        list.SetItemState(nOld, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (nLine >= 0) {
        list.SetItemState(nLine, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        list.EnsureVisible(nLine, FALSE);
    }
    m_bSelecting = FALSE;
}

void CStructListView::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLISTVIEW* pInfo = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    *pResult = 0;
    if (m_bSelecting || (pInfo->uChanged & LVIF_STATE) == 0 || (pInfo->uNewState & LVIS_SELECTED) == 0)
        return;
    GetDocument()->Select((int)pInfo->lParam);
}

LRESULT CStructListView::OnGetViewTitle(WPARAM, LPARAM lParam)
{
    *(CString*)lParam = "Members";
    return 1;
}

void CStructListView::OnHeaderClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    OnHeaderClicked(pNMHDR, pResult);
    // The order the user chose is what the list shows now: the desktop stores it.
    const NMHEADER* pHeader = reinterpret_cast<const NMHEADER*>(pNMHDR);
    if (pHeader->iButton == 0 && pHeader->iItem >= 0 && pHeader->iItem < m_columns.GetSize()) {
        m_viewContext.m_nValue1 = pHeader->iItem + 1;
        m_viewContext.m_nValue2 = m_columns[pHeader->iItem]->m_bAscending ? 0 : 1;
    }
}
