// StructMembersPane.h: CStructMembersPane, the docking pane listing every member of the model a
// line each, its texts asked of the model as the lines show; choosing a line selects the member,
// and the list follows the model's changes.
#pragma once

#include "core/KwEventListener.h"
#include "frame/KwControlBar.h"
#include "grid/LargeListWnd.h"

class CStructDoc;

class CStructMembersPane : public CKwControlBar, public CKwEventListener
{
public:
    CStructMembersPane();

    // The model listed, NULL for none (before the model goes).
    void SetModel(CStructDoc* pDoc);
    CLargeListWnd& GetList() { return m_list; }

    void OnEvent(CKwEventSource* pSource, CKwEvent* pEvent) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void Fill();
    void ShowMember(int nIndex);
    void ShowSelection();

    CLargeListWnd m_list;
    CStructDoc* m_pDoc;
    BOOL m_bFollowing; // the list is set from the model: its notifications are not the user's
};
