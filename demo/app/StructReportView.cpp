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
    ON_WM_SHOWWINDOW()
    ON_WM_WINDOWPOSCHANGED()
    ON_MESSAGE(WM_KW_GETVIEWCONTEXT, &CStructReportView::OnGetViewContext)
    ON_MESSAGE(WM_KW_COMPAREVIEWCONTEXT, &CStructReportView::OnCompareViewContext)
    ON_MESSAGE(WM_KW_GETVIEWTITLE, &CStructReportView::OnGetViewTitle)
END_MESSAGE_MAP()

CStructReportView::CStructReportView()
    : m_identity("Report"), m_bShown(FALSE), m_bStale(TRUE), m_bRewritePosted(FALSE)
{
}

CStructDoc* CStructReportView::GetDocument() const
{
    return static_cast<CStructDoc*>(m_pDocument);
}

void CStructReportView::OnInitialUpdate()
{
    CKwHtmlView::OnInitialUpdate(); // a blank page, written when the view shows
    m_bShown = TRUE;
    PostRewrite();
}

void CStructReportView::OnUpdate(CView*, LPARAM lHint, CObject*)
{
    if (lHint == kHintSelection)
        return;
    m_bStale = TRUE;
    PostRewrite();
}

void CStructReportView::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CKwHtmlView::OnShowWindow(bShow, nStatus);
    if (bShow)
        PostRewrite();
}

void CStructReportView::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CKwHtmlView::OnWindowPosChanged(lpwndpos);
    // A tab window shows its page through SetWindowPos, which sends no WM_SHOWWINDOW.
    if (lpwndpos->flags & SWP_SHOWWINDOW)
        PostRewrite();
}

void CStructReportView::PostRewrite()
{
    // A report behind another tab waits until it shows: a large model's page takes a while.
    if (m_bShown && m_bStale && !m_bRewritePosted && (GetStyle() & WS_VISIBLE) != 0)
        m_bRewritePosted = PostMessage(WM_STRUCT_REWRITE);
}

LRESULT CStructReportView::OnRewrite(WPARAM, LPARAM)
{
    m_bRewritePosted = FALSE;
    m_bStale = FALSE;
    SetContents(CStructReport::Format(GetDocument()->GetModel(), GetDocument()->GetTitle()));
    Navigate2("about:blank");
    return 0;
}
