// StructReportView.h: CStructReportView, the model's report (totals and schedule) as an HTML
// page, written anew when the model changes.
#pragma once

#include "StructViewIdentity.h"

#include "pickers/KwHtmlView.h"

class CStructDoc;

class CStructReportView : public CKwHtmlView
{
    DECLARE_SERIAL(CStructReportView)
public:
    CStructReportView();
    CStructDoc* GetDocument() const;
    void OnInitialUpdate() override;

protected:
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    // Changes arriving together (an edit typed key by key) write the page once, when it shows.
    void PostRewrite();
    afx_msg LRESULT OnRewrite(WPARAM, LPARAM);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg LRESULT OnGetViewContext(WPARAM, LPARAM lParam) { return m_identity.Get(lParam); }
    afx_msg LRESULT OnCompareViewContext(WPARAM, LPARAM lParam) { return m_identity.Compare(lParam); }
    afx_msg LRESULT OnGetViewTitle(WPARAM, LPARAM lParam) { return m_identity.GetTitle(lParam); }
    DECLARE_MESSAGE_MAP()

    CStructViewIdentity m_identity;
    BOOL m_bShown; // the initial update is done
    BOOL m_bStale; // the page does not show the model as it is
    BOOL m_bRewritePosted;
};
