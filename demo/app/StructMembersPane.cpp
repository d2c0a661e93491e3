// CStructMembersPane: the list's lines asked of the model as they show, the selection both ways,
// the model's events.
#include "StructMembersPane.h"

#include "StructApp.rh"
#include "StructDoc.h"
#include "StructEvents.h"
#include "StructListColumns.h"

BEGIN_MESSAGE_MAP(CStructMembersPane, CKwControlBar)
    ON_WM_CREATE()
    ON_NOTIFY(LVN_GETDISPINFO, IDC_STRUCT_MEMBER_LIST, &CStructMembersPane::OnGetDispInfo)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_STRUCT_MEMBER_LIST, &CStructMembersPane::OnItemChanged)
END_MESSAGE_MAP()

CStructMembersPane::CStructMembersPane() : m_pDoc(NULL), m_bFollowing(FALSE) {}

int CStructMembersPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CKwControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    for (int nColumn = 0; nColumn < CStructMember::kColumns; nColumn++)
        m_list.AddColumn(CStructMember::GetColumnTitle(nColumn));
    // The list holds no texts of its own: a model of any size shows at once.
    if (!m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                LVS_NOSORTHEADER,
            CRect(0, 0, 10, 10), this, IDC_STRUCT_MEMBER_LIST))
        return -1;
    SetChild(&m_list);
    return 0;
}

void CStructMembersPane::SetModel(CStructDoc* pDoc)
{
    if (m_pDoc != NULL)
        m_pDoc->Unsubscribe(this);
    m_pDoc = pDoc;
    if (m_pDoc != NULL)
        m_pDoc->Subscribe(this);
    Fill();
}

void CStructMembersPane::OnEvent(CKwEventSource* pSource, CKwEvent* pEvent)
{
    const CStructEvent* pStructEvent = dynamic_cast<const CStructEvent*>(pEvent);
    if (pStructEvent == NULL || pSource != m_pDoc)
        return;
    switch (pStructEvent->m_kind)
    {
    case CStructEvent::kMemberChanged:
        ShowMember(pStructEvent->m_nMember);
        break;
    case CStructEvent::kSelectionChanged:
        ShowSelection();
        break;
    default:
        Fill();
        break;
    }
}

void CStructMembersPane::Fill()
{
    if (m_list.m_hWnd == NULL)
        return;
    const int nCount = m_pDoc != NULL ? m_pDoc->GetModel().GetCount() : 0;
    CStringArray texts;
    texts.SetSize(CStructMember::kColumns);
    CStructListColumns columns;
    for (int i = 0; i < nCount; i++)
    {
        const CStructMember& member = m_pDoc->GetModel().GetAt(i);
        for (int nColumn = 0; nColumn < CStructMember::kColumns; nColumn++)
            texts[nColumn] = member.FormatCell(nColumn);
        columns.Note(texts);
    }
    m_bFollowing = TRUE;
    m_list.SetRedraw(FALSE);
    m_list.SetItemCountEx(nCount, 0);
    columns.Fit(m_list, CStructMember::kColumns - 1);
    m_list.SetRedraw(TRUE);
    m_bFollowing = FALSE;
    ShowSelection();
    m_list.Invalidate();
}

// A member added or removed changes the count: the whole list follows.
void CStructMembersPane::ShowMember(int nIndex)
{
    const int nCount = m_pDoc != NULL ? m_pDoc->GetModel().GetCount() : 0;
    if (m_list.m_hWnd == NULL || nIndex < 0 || nIndex >= nCount || nCount != m_list.GetItemCount())
        Fill();
    else
        m_list.RedrawItems(nIndex, nIndex);
}

void CStructMembersPane::ShowSelection()
{
    if (m_list.m_hWnd == NULL)
        return;
    const int nSelected = m_pDoc != NULL ? m_pDoc->GetSelected() : -1;
    m_bFollowing = TRUE;
    if (nSelected >= 0 && nSelected < m_list.GetItemCount())
    {
        m_list.SetItemState(nSelected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_list.EnsureVisible(nSelected, FALSE);
    }
    else
        m_list.SetItemState(-1, 0, LVIS_SELECTED);
    m_bFollowing = FALSE;
}

void CStructMembersPane::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    LVITEMA& item = ((NMLVDISPINFOA*)pNMHDR)->item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == NULL || item.cchTextMax <= 0)
        return;
    item.pszText[0] = '\0';
    if (m_pDoc != NULL && item.iItem >= 0 && item.iItem < m_pDoc->GetModel().GetCount() && item.iSubItem >= 0 &&
        item.iSubItem < CStructMember::kColumns)
        ::lstrcpynA(item.pszText, m_pDoc->GetModel().GetAt(item.iItem).FormatCell(item.iSubItem), item.cchTextMax);
}

void CStructMembersPane::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW* pInfo = (const NMLISTVIEW*)pNMHDR;
    const BOOL bSelected = (pInfo->uChanged & LVIF_STATE) != 0 && (pInfo->uNewState & LVIS_SELECTED) != 0 &&
                           (pInfo->uOldState & LVIS_SELECTED) == 0;
    if (!m_bFollowing && bSelected && m_pDoc != NULL && pInfo->iItem != m_pDoc->GetSelected())
        m_pDoc->Select(pInfo->iItem);
}
