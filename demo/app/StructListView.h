// StructListView.h: CStructListView, all members in a large list, sortable by each column; its
// view context may name the column it is ordered by (m_nValue1: the column plus one; m_nValue2
// nonzero for descending). Selecting a line selects the member.
#pragma once

#include "grid/LargeListView.h"

class CStructDoc;
class CStructModel;

class CStructListView : public CLargeListView
{
    DECLARE_SERIAL(CStructListView)
public:
    CStructListView();
    CStructDoc* GetDocument() const;

    // The model the columns read; a line's key is its member's index. There is one model
    // document at a time, so one model for every list.
    static const CStructModel* GetShownModel() { return s_pModel; }

protected:
    void OnInitialUpdate() override;
    void UpdateList(CView* pSender, long lHint, CObject* pHint) override;
    void ShowSelection();
    void SortBy(int nColumn);
    // Widens the columns to their longest texts.
    void FitColumns();

    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnGetViewTitle(WPARAM, LPARAM lParam);
    afx_msg void OnHeaderClick(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    static const CStructModel* s_pModel;
    BOOL m_bSelecting; // raised while the list follows the document's selection
    BOOL m_bFilling;   // lowered while the list fits its columns to their titles
};
