// HostView.cpp: paints a line per member; the members dialog edits them.
#include "HostView.h"

#include "MembersDialog.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CHostView, CView)

BEGIN_MESSAGE_MAP(CHostView, CView)
    ON_COMMAND(ID_EDIT_MEMBERS, &CHostView::OnEditMembers)
END_MESSAGE_MAP()

void CHostView::OnDraw(CDC* pDC)
{
    const CHostDoc* pDoc = GetDocument();
    const int nLineHeight = pDC->GetTextExtent(CString("M")).cy + 2;
    for (INT_PTR i = 0; i < pDoc->m_marks.GetSize(); i++)
    {
        CString sLine;
        sLine.Format("%s  %s m", (LPCTSTR)pDoc->m_marks[i], (LPCTSTR)pDoc->m_lengths[i]);
        pDC->TextOut(10, 10 + int(i) * nLineHeight, sLine);
    }
}

void CHostView::OnEditMembers()
{
    CMembersDialog dlg(*GetDocument(), this);
    dlg.DoModal();
}
