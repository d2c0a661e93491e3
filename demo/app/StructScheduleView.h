// StructScheduleView.h: CStructScheduleView, the member schedule: one grid line per member, its
// cells edited in place and written back through the document, a tip with markup on each cell.
#pragma once

#include "StructViewIdentity.h"

#include "grid/KwGridCtrl.h"

class CStructDoc;

class CStructScheduleView : public CView, public CKwGridCtrlListener
{
    DECLARE_SERIAL(CStructScheduleView)
public:
    CStructScheduleView();
    CStructDoc* GetDocument() const;
    CKwGridCtrl& GetGrid() { return m_grid; }

    // The grid's listener: every cell reads and writes the model.
    void CKwGridCtrlListener_OnGetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, CKwGridCtrl* pGrid) override;
    BOOL CKwGridCtrlListener_OnBeginEditItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item,
                                             CKwGridCtrl* pGrid) override;
    void CKwGridCtrlListener_OnItemChanged(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item,
                                           CKwGridCtrl* pGrid) override;
    void CKwGridCtrlListener_OnKillFocus(CKwGridCtrl* pGrid) override;
    CString CKwGridCtrlListener_OnGetToolTipText(UINT nColumn, UINT nLine, CKwGridCtrlItem& item,
                                                 CKwGridCtrl* pGrid) override;

protected:
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    // The grid's lines from the model: all of them, or one.
    void FillAll();
    void FillLine(int nLine);

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnGetViewContext(WPARAM, LPARAM lParam) { return m_identity.Get(lParam); }
    afx_msg LRESULT OnCompareViewContext(WPARAM, LPARAM lParam) { return m_identity.Compare(lParam); }
    afx_msg LRESULT OnGetViewTitle(WPARAM, LPARAM lParam) { return m_identity.GetTitle(lParam); }
    DECLARE_MESSAGE_MAP()

    CKwGridCtrl m_grid;
    CStructViewIdentity m_identity;
    CStringArray m_sections, m_grades; // the drop-downs' choices
    BOOL m_bWriting; // raised while an edit goes to the document, whose update must not refill it
};
