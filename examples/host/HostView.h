// HostView.h: CHostView, the document's members as lines of text; Edit > Members opens them in
// the members dialog.
#pragma once

#include "HostDoc.h"

class CHostView : public CView
{
    DECLARE_DYNCREATE(CHostView)
public:
    CHostDoc* GetDocument() const { return static_cast<CHostDoc*>(m_pDocument); }

protected:
    void OnDraw(CDC* pDC) override;
    afx_msg void OnEditMembers();
    DECLARE_MESSAGE_MAP()
};
