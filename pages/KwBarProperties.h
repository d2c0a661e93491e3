// KwBarProperties.h: declares CKwBarProperties, the docking pane that shows the property pages of
// the current selection: one page on its own, several as tabs, with the tab the user had in front
// remembered for each kind of selection. The bar owns the pages it is given.
#pragma once

#include "core/KwUiExport.h"
#include "frame/KwControlBar.h"

#include <CBCGPTabWnd.h>
#include <afxtempl.h>

#include <vector>

class CKwPropertyPage;

class KWUI_API CKwBarProperties : public CKwControlBar
{
    DECLARE_DYNAMIC(CKwBarProperties)
public:
    CKwBarProperties();
    ~CKwBarProperties() override;

    // Replaces the pages shown by pages (the bar takes every one of them over, shown or not).
    // The same lPagesID again keeps what is shown; the tab shown is the one last chosen under
    // lContext, else nDefaultTab.
    void SetPages(const CList<CKwPropertyPage*, CKwPropertyPage*>& pages, long lPagesID, long lContext,
        UINT nDefaultTab);
    // Gives the focus to the tabs unless it is inside the bar already.
    void Activate();
    // While locked, new pages stay hidden; unlocking shows them. Returns the previous state.
    int LockUpdate(int bLock);

    long GetPagesID() const { return m_lPagesID; }
    long GetContext() const { return m_lContext; }
    CBCGPTabWnd& GetTabWnd() { return m_wndTabs; }
    CKwPropertyPage* GetSinglePage() const { return m_pSinglePage; }

protected:
    void MyRecalcLayout();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnDeleteAllPages(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnActiveTabChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeletePendingPages(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CBCGPTabWnd m_wndTabs;
    CKwPropertyPage* m_pSinglePage;
    long m_lPagesID;
    CMap<long, long, UINT, UINT> m_mapActiveTab;
    long m_lContext;
    BOOL m_bLockUpdate;

private:
    typedef std::vector<CKwPropertyPage*> CPageVector;

    // The pages of pages once each, less those in keep.
    static CPageVector Unique(const CList<CKwPropertyPage*, CKwPropertyPage*>& pages, const CPageVector& keep);
    CPageVector ShownPages() const;
    void ReplacePages(const CPageVector& newPages, long lPagesID, long lContext, UINT nDefaultTab);
    // Takes the shown pages down; those not in keep have their windows destroyed and go.
    void RemovePages(const CPageVector& keep);
    // Puts pPage (made now unless its window is kept) under pParent; FALSE when it cannot be made.
    BOOL PlacePage(CKwPropertyPage* pPage, CWnd* pParent, UINT nID);
    // Deletes pPage, or, while one of its handlers runs, after the current message.
    void DeletePage(CKwPropertyPage* pPage);
    void DeletePendingPages();

    CPageVector m_pendingDelete;
    BOOL m_bRemovingTabs; // the tab window's activations while tabs go are not the user's choice
};
