// StructReportView.cpp: the report page made from the model and written into a blank page.
#include "StructReportView.h"

#include "StructDoc.h"
#include "model/StructReport.h"

IMPLEMENT_SERIAL(CStructReportView, CKwHtmlView, 1)

namespace {

// Posted to the view itself after a change; no parameters.
const UINT WM_STRUCT_REWRITE = WM_APP + 1;

} // namespace

BEGIN_MESSAGE_MAP(CStructReportView, CKwHtmlView)
    ON_MESSAGE(WM_STRUCT_REWRITE, &CStructReportView::OnRewrite)
    ON_MESSAGE(WM_KW_GETVIEWCONTEXT, &CStructReportView::OnGetViewContext)
    ON_MESSAGE(WM_KW_COMPAREVIEWCONTEXT, &CStructReportView::OnCompareViewContext)
    ON_MESSAGE(WM_KW_GETVIEWTITLE, &CStructReportView::OnGetViewTitle)
END_MESSAGE_MAP()

CStructReportView::CStructReportView() : m_identity("Report"), m_bShown(FALSE), m_bRewritePosted(FALSE)
{
}

CStructDoc* CStructReportView::GetDocument() const
{
    return static_cast<CStructDoc*>(m_pDocument);
}

void CStructReportView::OnInitialUpdate()
{
    SetContents(CStructReport::Format(GetDocument()->GetModel(), GetDocument()->GetTitle()));
    CKwHtmlView::OnInitialUpdate(); // goes to the blank page, which takes the text
    m_bShown = TRUE;
}

void CStructReportView::OnUpdate(CView*, LPARAM lHint, CObject*)
{
    if (!m_bShown || lHint == kHintSelection || m_bRewritePosted)
        return;
    m_bRewritePosted = PostMessage(WM_STRUCT_REWRITE);
}

LRESULT CStructReportView::OnRewrite(WPARAM, LPARAM)
{
    m_bRewritePosted = FALSE;
    SetContents(CStructReport::Format(GetDocument()->GetModel(), GetDocument()->GetTitle()));
    Navigate2("about:blank");
    return 0;
}
