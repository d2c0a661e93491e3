// KwMDITabbedChildWnd.cpp: the tabbed MDI child. Spec i of the open list always goes with the
// view of control ID AFX_IDW_PANE_FIRST + i, never with tab i: a view that could not be made has
// no tab, and the tabs after it move up.
#include "frame/KwMDITabbedChildWnd.h"

#include "frame/KwMDITools.h"
#include "frame/KwPlacement.h"

#include <algorithm>

IMPLEMENT_SERIAL(CKwMDITabbedChildWnd, CKwMDIBasicChildWnd, VERSIONABLE_SCHEMA | 0)

BEGIN_MESSAGE_MAP(CKwMDITabbedChildWnd, CKwMDIBasicChildWnd)
    ON_WM_SIZE()
    ON_REGISTERED_MESSAGE(BCGM_CHANGE_ACTIVE_TAB, &CKwMDITabbedChildWnd::OnChangeActiveTab)
END_MESSAGE_MAP()

namespace {
// The frame's style: an overlapped window that adds the document to its title.
const DWORD kFrameStyle = 0x00CF8000;
const DWORD kPayloadVersion = 1;
// The least a stored spec takes: its label id (4), a class reference (2 for one named before)
// and a context record (schema 4, four empty texts of 1, seven values of 4).
const ULONGLONG kMinSpecBytes = 4 + 2 + (4 + 4 * 1 + 7 * 4);
} // namespace

BOOL CKwMDITabbedChildWnd::COpenSpec::operator==(const COpenSpec& other) const
{
    return m_nLabelID == other.m_nLabelID && m_pViewClass == other.m_pViewClass && m_ctx == other.m_ctx;
}

void CKwMDITabbedChildWnd::COpenList::Add(UINT nLabelID, CRuntimeClass* pViewClass, const CViewContext& ctx)
{
    AddTail(COpenSpec(nLabelID, pViewClass, ctx));
}

CKwMDITabbedChildWnd::COpenList& CKwMDITabbedChildWnd::COpenList::operator=(const COpenList& src)
{
    if (&src == this)
        return *this;
    RemoveAll();
    for (POSITION pos = src.GetHeadPosition(); pos != NULL;)
        AddTail(src.GetNext(pos));
    return *this;
}

BOOL CKwMDITabbedChildWnd::COpenList::operator==(const COpenList& other) const
{
    POSITION pos = GetHeadPosition(), posOther = other.GetHeadPosition();
    while (pos != NULL && posOther != NULL)
    {
        if (!(GetNext(pos) == other.GetNext(posOther)))
            return FALSE;
    }
    return pos == NULL && posOther == NULL;
}

CKwMDITabbedChildWnd::CKwMDITabbedChildWnd() : m_nID(0), m_nStoredTab(0), m_storedPlacement() {}

CKwMDITabbedChildWnd* CKwMDITabbedChildWnd::Open(UINT nID, const COpenList& list, CDocument* pDoc, int nActiveTab,
    int nInitialTab, UINT nCmdShow, int bReplaceActive)
{
    CMDIFrameWnd* pFrame = CKwMDITools::GetMDIFrameWnd();
    if (pFrame == NULL)
        return NULL;
    CMDIChildWnd* pActive = pFrame->MDIGetActive();
    if (bReplaceActive && pActive != NULL)
        return ReplaceActive<CKwMDITabbedChildWnd>(pActive, [&](CKwMDITabbedChildWnd* pWnd, const WINDOWPLACEMENT& wp) {
            return pWnd->CreateMe(nID, list, pDoc, nInitialTab, wp);
        });
    if (CKwMDITabbedChildWnd* pWnd = FindTabbedWnd(list))
    {
        if (nActiveTab != -1)
            pWnd->SetActiveTab((UINT)nActiveTab);
        pWnd->ActivateFrame(-1);
        return pWnd;
    }
    CKwMDITabbedChildWnd* pWnd = new CKwMDITabbedChildWnd;
    return pWnd->CreateMe(nID, list, pDoc, nInitialTab, nCmdShow) ? pWnd : NULL;
}

CKwMDITabbedChildWnd* CKwMDITabbedChildWnd::FindTabbedWnd(const COpenList& list)
{
    for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p))
    {
        CKwMDITabbedChildWnd* pWnd = DYNAMIC_DOWNCAST(CKwMDITabbedChildWnd, p);
        if (pWnd == NULL)
            continue;
        COpenList current(pWnd->m_OpenList);
        pWnd->RefreshContexts(current);
        if (current == list)
            return pWnd;
    }
    return NULL;
}

UINT CKwMDITabbedChildWnd::GetTabCount() const
{
    return (UINT)m_wndTabs.GetTabsNum();
}

CWnd* CKwMDITabbedChildWnd::GetTab(UINT i)
{
    return m_wndTabs.GetTabWnd((int)i);
}

void CKwMDITabbedChildWnd::SetActiveTab(UINT i)
{
    m_wndTabs.SetActiveTab((int)i);
}

void CKwMDITabbedChildWnd::SetActiveTab(CWnd* pWnd)
{
    m_wndTabs.SetActiveTab(m_wndTabs.GetTabFromHwnd(pWnd->GetSafeHwnd()));
}

CView* CKwMDITabbedChildWnd::GetSpecView(int iSpec) const
{
    if (m_wndTabs.m_hWnd == NULL || iSpec < 0 || iSpec >= MaxSpecs)
        return NULL;
    return DYNAMIC_DOWNCAST(CView, m_wndTabs.GetDlgItem(AFX_IDW_PANE_FIRST + iSpec));
}

void CKwMDITabbedChildWnd::RefreshContexts(COpenList& list) const
{
    int iSpec = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL; iSpec++)
    {
        COpenSpec& spec = list.GetNext(pos);
        if (CView* pView = GetSpecView(iSpec))
            pView->SendMessage(WM_KW_GETVIEWCONTEXT, 0, (LPARAM)&spec.m_ctx);
    }
}

void CKwMDITabbedChildWnd::Serialize(CArchive& ar)
{
    CKwMDIBasicChildWnd::Serialize(ar);
    SerializeExtension(ar);
}

BOOL CKwMDITabbedChildWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*)
{
    // The page reaches the window's edges: the frame draws the border.
    m_wndTabs.SetTabBorderSize(0, TRUE);
    if (!m_wndPlaceholder.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_CHILD, CRect(0, 0, -1, -1), this, 0))
        return FALSE;
    return m_wndTabs.Create(CBCGPTabWnd::STYLE_FLAT, CRect(0, 0, -1, -1), &m_wndPlaceholder, 1,
        CBCGPTabWnd::LOCATION_BOTTOM, FALSE);
}

BOOL CKwMDITabbedChildWnd::CreateMe(
    UINT nID, const COpenList& list, CDocument* pDoc, int nInitialTab, UINT nCmdShow)
{
    m_nID = nID;
    // Beside other children the frame's usual activation keeps a maximized state.
    int nShow = CKwMDITools::GetFirstMDIChildWnd() != NULL ? -1 : (int)nCmdShow;
    return Build(nID, list, pDoc, nInitialTab, nShow, NULL);
}

BOOL CKwMDITabbedChildWnd::CreateMe(
    UINT nID, const COpenList& list, CDocument* pDoc, int nInitialTab, const WINDOWPLACEMENT& wp)
{
    m_nID = nID;
    return Build(nID, list, pDoc, nInitialTab, SW_SHOWMAXIMIZED, &wp);
}

BOOL CKwMDITabbedChildWnd::Build(UINT nID, const COpenList& list, CDocument* pDoc, int nInitialTab, int nCmdShow,
    const WINDOWPLACEMENT* pPlacement)
{
    // A frame that fails to load has deleted itself.
    if (!LoadFrame(nID, kFrameStyle, NULL, NULL))
        return FALSE;
    try
    {
        // The tabs are filled under the hidden placeholder, so no view is seen at a wrong size.
        int iSpec = 0;
        for (POSITION pos = list.GetHeadPosition(); pos != NULL; iSpec++)
        {
            const COpenSpec& spec = list.GetNext(pos);
            CString strLabel;
            strLabel.LoadString(spec.m_nLabelID);
            // A view that cannot be made has no tab; its control ID stays its spec's.
            CView* pView = CKwMDITools::CreateView(strLabel, spec.m_pViewClass, spec.m_ctx, pDoc, &m_wndTabs, FALSE,
                TRUE, AFX_IDW_PANE_FIRST + iSpec);
            if (pView != NULL)
                m_wndTabs.AddTab(pView, strLabel, (UINT)-1, FALSE);
        }
        int nTabs = m_wndTabs.GetTabsNum();
        if (nTabs > 0)
        {
            m_wndTabs.SetActiveTab(std::min(std::max(nInitialTab, 0), nTabs - 1));
            if (CView* pView = DYNAMIC_DOWNCAST(CView, m_wndTabs.GetActiveWnd()))
                SetActiveView(pView, FALSE);
        }
        ActivateFrame(nCmdShow);
        if (pPlacement != NULL)
            SetWindowPlacement(pPlacement);
        m_wndTabs.SetParent(this);
        m_wndPlaceholder.DestroyWindow();
        CRect rect;
        GetClientRect(&rect);
        PlaceTabs(rect.Width(), rect.Height());
        OnUpdateFrameTitle(TRUE);
        m_OpenList = list;
        return TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    // Not finished: no half-made window stays.
    DestroyWindow();
    return FALSE;
}

void CKwMDITabbedChildWnd::OnSize(UINT nType, int cx, int cy)
{
    CKwMDIBasicChildWnd::OnSize(nType, cx, cy);
    PlaceTabs(cx, cy);
}

void CKwMDITabbedChildWnd::PlaceTabs(int cx, int cy)
{
    if (m_wndTabs.m_hWnd != NULL)
        m_wndTabs.MoveWindow(-1, -1, cx + 2, cy + 3, TRUE);
}

LRESULT CKwMDITabbedChildWnd::OnChangeActiveTab(WPARAM, LPARAM lParam)
{
    // Commands go to the view that shows.
    if ((CBCGPTabWnd*)lParam == &m_wndTabs)
    {
        if (CView* pView = DYNAMIC_DOWNCAST(CView, m_wndTabs.GetActiveWnd()))
            SetActiveView(pView);
    }
    return 0;
}

void CKwMDITabbedChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(bAddToTitle);
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CString strTitle;
    if (CWnd* pFirst = m_wndTabs.GetTabWnd(0))
        pFirst->SendMessage(WM_KW_GETVIEWTITLE, 0, (LPARAM)&strTitle);
    if (!strTitle.IsEmpty())
        SetWindowText(strTitle);
    else
        CKwMDIBasicChildWnd::OnUpdateFrameTitle(bAddToTitle);
}

void CKwMDITabbedChildWnd::IKwDesktopWindow_Store(CArchive& ar)
{
    // A class the archive cannot name could not be read back.
    for (POSITION pos = m_OpenList.GetHeadPosition(); pos != NULL;)
    {
        CRuntimeClass* pClass = m_OpenList.GetNext(pos).m_pViewClass;
        if (pClass == NULL || pClass->m_wSchema == 0xFFFF)
            return;
    }
    RefreshContexts(m_OpenList);
    ar << kPayloadVersion << (DWORD)m_nID << (DWORD)m_wndTabs.GetActiveTab();
    WINDOWPLACEMENT wp;
    CKwMDITools::GetDesktopPlacement(this, wp);
    CKwPlacement::Write(ar, wp);
    ar << (DWORD)m_OpenList.GetCount();
    for (POSITION pos = m_OpenList.GetHeadPosition(); pos != NULL;)
    {
        COpenSpec& spec = m_OpenList.GetNext(pos);
        ar << (DWORD)spec.m_nLabelID;
        ar.WriteClass(spec.m_pViewClass);
        spec.m_ctx.Serialize(ar);
    }
    for (int iSpec = 0; iSpec < (int)m_OpenList.GetCount(); iSpec++)
    {
        if (CView* pView = GetSpecView(iSpec))
            pView->Serialize(ar);
    }
}

void CKwMDITabbedChildWnd::IKwDesktopWindow_Read(CArchive& ar)
{
    DWORD nVersion, nID, nActiveTab, nCount;
    ar >> nVersion >> nID >> nActiveTab;
    CKwPlacement::Read(ar, m_storedPlacement);
    ar >> nCount;
    // A count the bytes left cannot hold is refused before anything is allocated.
    if (nCount > (DWORD)MaxSpecs)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    ar.EnsureRemaining(nCount * kMinSpecBytes);
    m_storedList.RemoveAll();
    for (DWORD i = 0; i < nCount; i++)
    {
        DWORD nLabelID;
        ar >> nLabelID;
        // Nothing but a view class is taken.
        CRuntimeClass* pViewClass = ar.ReadClass(RUNTIME_CLASS(CView));
        CViewContext ctx;
        ctx.Serialize(ar);
        m_storedList.Add(nLabelID, pViewClass, ctx);
    }
    m_nID = nID;
    m_nStoredTab = nActiveTab;
}

BOOL CKwMDITabbedChildWnd::IKwDesktopWindow_Build(CArchive& ar, CDocument* pDoc)
{
    return RestoreOrDiscard([&](BOOL& bBuilt) {
        WINDOWPLACEMENT wp = m_storedPlacement;
        CKwPlacement::Repair(wp, CKwMDITools::GetMDIClientWnd());
        COpenList list(m_storedList);
        m_storedList.RemoveAll();
        if (!CreateMe(m_nID, list, pDoc, (int)m_nStoredTab, wp))
            return FALSE; // gone already
        bBuilt = TRUE;
        for (int iSpec = 0; iSpec < (int)list.GetCount(); iSpec++)
        {
            if (CView* pView = GetSpecView(iSpec))
                pView->Serialize(ar);
        }
        return TRUE;
    });
}
