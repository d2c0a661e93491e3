// KwMDIMonoChildWnd.cpp: the single-view MDI child.
#include "frame/KwMDIMonoChildWnd.h"

#include "frame/KwMDITools.h"
#include "frame/KwPlacement.h"

IMPLEMENT_SERIAL(CKwMDIMonoChildWnd, CKwMDIBasicChildWnd, VERSIONABLE_SCHEMA | 0)

namespace {
// The frame's style: an overlapped window that adds the document to its title.
const DWORD kFrameStyle = 0x00CF8000;
const DWORD kPayloadVersion = 1;
} // namespace

CKwMDIMonoChildWnd::CKwMDIMonoChildWnd() : m_nID(0), m_pStoredViewClass(NULL), m_storedPlacement() {}

CKwMDIMonoChildWnd* CKwMDIMonoChildWnd::Open(UINT nID, CRuntimeClass* pViewClass, const CViewContext& ctx,
    CDocument* pDoc, UINT nCmdShow, int bReplaceActive)
{
    CMDIFrameWnd* pFrame = CKwMDITools::GetMDIFrameWnd();
    if (pViewClass == NULL || pFrame == NULL)
        return NULL;
    CMDIChildWnd* pActive = pFrame->MDIGetActive();
    if (bReplaceActive && pActive != NULL)
        return ReplaceActive<CKwMDIMonoChildWnd>(pActive, [&](CKwMDIMonoChildWnd* pWnd, const WINDOWPLACEMENT& wp) {
            return pWnd->CreateMe(nID, pViewClass, ctx, pDoc, wp);
        });
    if (CView* pView = CKwMDITools::FindView(pViewClass, ctx, pDoc))
    {
        if (CKwMDIMonoChildWnd* pWnd = DYNAMIC_DOWNCAST(CKwMDIMonoChildWnd, pView->GetParentFrame()))
        {
            // The view hears of its activation again.
            if (pWnd == pActive)
            {
                pWnd->SetActiveView(NULL, TRUE);
                pWnd->SetActiveView(pView, TRUE);
            }
            pWnd->ActivateFrame(-1);
            return pWnd;
        }
    }
    CKwMDIMonoChildWnd* pWnd = new CKwMDIMonoChildWnd;
    return pWnd->CreateMe(nID, pViewClass, ctx, pDoc, nCmdShow) ? pWnd : NULL;
}

void CKwMDIMonoChildWnd::Serialize(CArchive& ar)
{
    CKwMDIBasicChildWnd::Serialize(ar);
    SerializeExtension(ar);
}

CView* CKwMDIMonoChildWnd::GetPaneView() const
{
    return m_hWnd != NULL ? DYNAMIC_DOWNCAST(CView, GetDlgItem(AFX_IDW_PANE_FIRST)) : NULL;
}

BOOL CKwMDIMonoChildWnd::CreateMe(
    UINT nID, CRuntimeClass* pViewClass, const CViewContext& ctx, CDocument* pDoc, UINT nCmdShow)
{
    m_nID = nID;
    // Beside other children the frame's usual activation keeps a maximized state.
    int nShow = CKwMDITools::GetFirstMDIChildWnd() != NULL ? -1 : (int)nCmdShow;
    if (!Build(nID, pViewClass, ctx, pDoc, nShow, NULL))
        return FALSE;
    GetParent()->InvalidateRect(NULL, FALSE);
    return TRUE;
}

BOOL CKwMDIMonoChildWnd::CreateMe(
    UINT nID, CRuntimeClass* pViewClass, const CViewContext& ctx, CDocument* pDoc, const WINDOWPLACEMENT& wp)
{
    m_nID = nID;
    return Build(nID, pViewClass, ctx, pDoc, SW_SHOWMAXIMIZED, &wp);
}

BOOL CKwMDIMonoChildWnd::Build(UINT nID, CRuntimeClass* pViewClass, const CViewContext& ctx, CDocument* pDoc,
    int nCmdShow, const WINDOWPLACEMENT* pPlacement)
{
    // A frame that fails to load has deleted itself.
    if (!LoadFrame(nID, kFrameStyle, NULL, NULL))
        return FALSE;
    try
    {
        // The view waits under a hidden window while the frame is shown and laid out, so it is
        // never seen at a wrong size.
        CWnd wndPark;
        wndPark.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_CHILD, CRect(0, 0, -1, -1), this, 0);
        CView* pView = CKwMDITools::CreateView("", pViewClass, ctx, pDoc, this, FALSE, TRUE, AFX_IDW_PANE_FIRST);
        if (pView == NULL)
        {
            DestroyWindow();
            return FALSE;
        }
        pView->SetParent(&wndPark);
        pView->ShowWindow(SW_SHOW);
        SetActiveView(pView, FALSE);
        ActivateFrame(nCmdShow);
        if (pPlacement != NULL && pPlacement->showCmd != SW_SHOWMAXIMIZED)
            SetWindowPlacement(pPlacement);
        pView->MoveWindow(-1, -1, 0, 0);
        pView->SetParent(this);
        RecalcLayout(TRUE);
        OnUpdateFrameTitle(TRUE);
        wndPark.DestroyWindow();
        return TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    // Not finished: no half-made window stays.
    DestroyWindow();
    return FALSE;
}

void CKwMDIMonoChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(bAddToTitle);
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CView* pView = DYNAMIC_DOWNCAST(CView, GetWindow(GW_CHILD));
    if (pView == NULL)
        pView = GetActiveView();
    CString strTitle;
    if (pView != NULL)
        pView->SendMessage(WM_KW_GETVIEWTITLE, 0, (LPARAM)&strTitle);
    if (!strTitle.IsEmpty())
        SetWindowText(strTitle);
    else
        CKwMDIBasicChildWnd::OnUpdateFrameTitle(bAddToTitle);
}

void CKwMDIMonoChildWnd::IKwDesktopWindow_Store(CArchive& ar)
{
    CView* pView = GetPaneView();
    // A view class the archive cannot name could not be read back.
    if (pView == NULL || pView->GetRuntimeClass()->m_wSchema == 0xFFFF)
        return;
    ar << kPayloadVersion << (DWORD)m_nID;
    ar.WriteClass(pView->GetRuntimeClass());
    CViewContext ctx;
    pView->SendMessage(WM_KW_GETVIEWCONTEXT, 0, (LPARAM)&ctx);
    ctx.Serialize(ar);
    WINDOWPLACEMENT wp;
    CKwMDITools::GetDesktopPlacement(this, wp);
    CKwPlacement::Write(ar, wp);
    pView->Serialize(ar);
}

void CKwMDIMonoChildWnd::IKwDesktopWindow_Read(CArchive& ar)
{
    DWORD nVersion, nID;
    ar >> nVersion >> nID;
    // Nothing but a view class is taken.
    m_pStoredViewClass = ar.ReadClass(RUNTIME_CLASS(CView));
    m_storedCtx.Serialize(ar);
    CKwPlacement::Read(ar, m_storedPlacement);
    m_nID = nID;
}

BOOL CKwMDIMonoChildWnd::IKwDesktopWindow_Build(CArchive& ar, CDocument* pDoc)
{
    return RestoreOrDiscard([&](BOOL& bBuilt) {
        WINDOWPLACEMENT wp = m_storedPlacement;
        CKwPlacement::Repair(wp, CKwMDITools::GetMDIClientWnd());
        if (!CreateMe(m_nID, m_pStoredViewClass, m_storedCtx, pDoc, wp))
            return FALSE; // gone already
        bBuilt = TRUE;
        if (CView* pView = GetPaneView())
            pView->Serialize(ar);
        return TRUE;
    });
}
