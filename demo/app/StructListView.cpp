// StructListView.cpp: the members' cells as the list asks for them, their orders, and the
// selection both ways.
#include "StructListView.h"

#include "StructDoc.h"

#include <cmath>

IMPLEMENT_SERIAL(CStructListView, CLargeListView, 1)

BEGIN_MESSAGE_MAP(CStructListView, CLargeListView)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, &CStructListView::OnItemChanged)
    ON_MESSAGE(WM_KW_GETVIEWTITLE, &CStructListView::OnGetViewTitle)
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

template <int C>
int CompareCells(long nKey1, long nKey2)
{
    const CStructMember* p1 = Member(nKey1);
    const CStructMember* p2 = Member(nKey2);
    if (p1 == NULL || p2 == NULL)
        return (p1 != NULL) - (p2 != NULL);
    if (C == CStructMember::kLength)
        return p1->m_dLength < p2->m_dLength ? -1 : p1->m_dLength > p2->m_dLength;
    return CompareNatural(p1->FormatCell(C), p2->FormatCell(C));
}

} // namespace

CStructListView::CStructListView() : m_bSelecting(FALSE)
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
    CLargeListView::OnInitialUpdate();
    ModifyStyle(0, LVS_SHOWSELALWAYS);
    int nColumn = m_viewContext.m_nValue1 - 1;
    if (nColumn >= 0 && nColumn < CStructMember::kColumns) {
        // A first click orders a column the other way round; a second turns it back.
        SortBy(nColumn);
        if (m_viewContext.m_nValue2 == 0)
            SortBy(nColumn);
    }
    ShowSelection();
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
    for (long nKey = 0; nKey < pDoc->GetModel().GetCount(); nKey++)
        InsertItem(nKey);
    m_bSelecting = FALSE;
    ShowSelection();
}

void CStructListView::ShowSelection()
{
    CListCtrl& list = GetListCtrl();
    int nSelected = GetDocument()->GetSelected();
    m_bSelecting = TRUE;
    for (int i = 0; i < list.GetItemCount(); i++) {
        bool bSelected = (long)list.GetItemData(i) == nSelected;
        if (bSelected != ((list.GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED) != 0))
            list.SetItemState(i, bSelected ? LVIS_SELECTED | LVIS_FOCUSED : 0, LVIS_SELECTED | LVIS_FOCUSED);
        if (bSelected)
            list.EnsureVisible(i, FALSE);
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
