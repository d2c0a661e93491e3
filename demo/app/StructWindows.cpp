// StructWindows.cpp: the editor's windows, each opened with the view context that names it.
#include "StructWindows.h"

#include "StructDoc.h"
#include "StructDrawingView.h"
#include "StructListView.h"
#include "StructReportView.h"
#include "StructScheduleView.h"
#include "StructWindows.rh"

#include "frame/KwMDIMonoChildWnd.h"
#include "frame/KwMDITabbedChildWnd.h"
#include "frame/KwMDITools.h"

namespace {

CViewContext Context(const char* pszName)
{
    CViewContext ctx;
    ctx.m_strText1 = pszName;
    return ctx;
}

} // namespace

CMDIChildWnd* CStructWindows::OpenSchedule(CStructDoc* pDoc)
{
    return CKwMDIMonoChildWnd::Open(IDR_STRUCT_SCHEDULE, RUNTIME_CLASS(CStructScheduleView), Context("Schedule"),
                                    pDoc, SW_SHOWNORMAL, FALSE);
}

CMDIChildWnd* CStructWindows::OpenDrawing(CStructDoc* pDoc)
{
    CKwMDITabbedChildWnd::COpenList list;
    list.Add(IDS_STRUCT_TAB_DRAWING, RUNTIME_CLASS(CStructDrawingView), Context("Drawing"));
    list.Add(IDS_STRUCT_TAB_REPORT, RUNTIME_CLASS(CStructReportView), Context("Report"));
    return CKwMDITabbedChildWnd::Open(IDR_STRUCT_DRAWING, list, pDoc, -1, 0, SW_SHOWNORMAL, FALSE);
}

CMDIChildWnd* CStructWindows::OpenMemberList(CStructDoc* pDoc)
{
    // A list the user has ordered since is still the list: the topmost one comes up.
    for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p)) {
        CView* pView = p->GetActiveView();
        if (pView != NULL && pView->IsKindOf(RUNTIME_CLASS(CStructListView)) && pView->GetDocument() == pDoc) {
            p->MDIActivate();
            return p;
        }
    }
    return OpenMemberList(pDoc, -1, FALSE);
}

CMDIChildWnd* CStructWindows::OpenMemberList(CStructDoc* pDoc, int nSortColumn, BOOL bDescending)
{
    // The list's context names the column it is ordered by: a list per order is a window of its own.
    CViewContext ctx = Context("Members");
    if (nSortColumn >= 0 && nSortColumn < CStructMember::kColumns) {
        ctx.m_nValue1 = nSortColumn + 1;
        ctx.m_nValue2 = bDescending ? 1 : 0;
    }
    return CKwMDIMonoChildWnd::Open(IDR_STRUCT_LIST, RUNTIME_CLASS(CStructListView), ctx, pDoc, SW_SHOWNORMAL,
                                    FALSE);
}

void CStructWindows::OpenDefault(CStructDoc* pDoc)
{
    OpenMemberList(pDoc);
    OpenDrawing(pDoc);
    OpenSchedule(pDoc);
    if (CMDIFrameWnd* pFrame = CKwMDITools::GetMDIFrameWnd())
        pFrame->MDITile(MDITILE_VERTICAL);
}

int CStructWindows::OpenMany(CStructDoc* pDoc, int nWindows)
{
    OpenDefault(pDoc);
    auto count = [] {
        int n = 0;
        for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p))
            n++;
        return n;
    };
    for (int i = 0; count() < nWindows && i < 2 * CStructMember::kColumns; i++)
        OpenMemberList(pDoc, i / 2, i % 2);
    return count();
}
