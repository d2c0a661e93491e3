// KwBarProperties.cpp: replacing the shown pages (one alone, several as tabs), the tab remembered
// per context, and the pages' life: the bar deletes what it is given, but never a page that is
// being sent again nor one whose handler is still running.
#include "pages/KwBarProperties.h"
#include "pages/KwPagesMessages.h"
#include "pages/KwPropertyPage.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CKwBarProperties, CKwControlBar)

BEGIN_MESSAGE_MAP(CKwBarProperties, CKwControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_MESSAGE(KWM_DELETEALLPAGES, &CKwBarProperties::OnDeleteAllPages)
    ON_MESSAGE(KWM_DELETEPENDINGPAGES, &CKwBarProperties::OnDeletePendingPages)
    ON_REGISTERED_MESSAGE(BCGM_CHANGE_ACTIVE_TAB, &CKwBarProperties::OnActiveTabChanged)
END_MESSAGE_MAP()

// The first page's control ID; the others follow.
static const UINT ID_FIRST_PAGE = 16;

CKwBarProperties::CKwBarProperties()
    : m_pSinglePage(NULL), m_lPagesID(0), m_mapActiveTab(10), m_lContext(0), m_bLockUpdate(FALSE),
      m_bRemovingTabs(FALSE)
{
    m_mapActiveTab.InitHashTable(17);
    SetDrawBorder(FALSE);
}

CKwBarProperties::~CKwBarProperties()
{
    // Whatever a running handler kept alive has returned by now.
    for (CKwPropertyPage* pPage : m_pendingDelete)
        delete pPage;
}

int CKwBarProperties::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CKwControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndTabs.Create(CBCGPTabWnd::STYLE_3D, CRect(-1, -1, -1, -1), this, 1, CBCGPTabWnd::LOCATION_TOP, FALSE))
        return -1;
    m_wndTabs.ShowWindow(SW_HIDE);
    return 0;
}

void CKwBarProperties::OnDestroy()
{
    CPageVector pages = ShownPages();
    m_bRemovingTabs = TRUE;
    while (m_wndTabs.GetTabsNum() > 0)
        m_wndTabs.RemoveTab(0, TRUE);
    m_bRemovingTabs = FALSE;
    m_pSinglePage = NULL;
    for (CKwPropertyPage* pPage : pages)
    {
        pPage->DestroyWindow();
        DeletePage(pPage);
    }
    CKwControlBar::OnDestroy();
}

void CKwBarProperties::OnSize(UINT nType, int cx, int cy)
{
    CKwControlBar::OnSize(nType, cx, cy);
    MyRecalcLayout();
}

void CKwBarProperties::MyRecalcLayout()
{
    if (m_hWnd == NULL)
        return;
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(1, 1);
    int cx = std::max(0, rect.Width());
    int cy = std::max(0, rect.Height());
    if (m_wndTabs.m_hWnd != NULL)
        m_wndTabs.SetWindowPos(NULL, rect.left, rect.top, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pSinglePage != NULL && m_pSinglePage->m_hWnd != NULL)
        m_pSinglePage->SetWindowPos(NULL, rect.left, rect.top, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

CKwBarProperties::CPageVector CKwBarProperties::Unique(
    const CList<CKwPropertyPage*, CKwPropertyPage*>& pages, const CPageVector& keep)
{
    CPageVector result;
    for (POSITION pos = pages.GetHeadPosition(); pos != NULL;)
    {
        CKwPropertyPage* pPage = pages.GetNext(pos);
        if (pPage != NULL && std::find(result.begin(), result.end(), pPage) == result.end() &&
            std::find(keep.begin(), keep.end(), pPage) == keep.end())
            result.push_back(pPage);
    }
    return result;
}

CKwBarProperties::CPageVector CKwBarProperties::ShownPages() const
{
    CPageVector pages;
    for (int i = 0; i < m_wndTabs.GetTabsNum(); ++i)
    {
        // Only the bar adds tabs, and only its pages.
        if (CKwPropertyPage* pPage = static_cast<CKwPropertyPage*>(m_wndTabs.GetTabWnd(i)))
            pages.push_back(pPage);
    }
    if (m_pSinglePage != NULL)
        pages.push_back(m_pSinglePage);
    return pages;
}

void CKwBarProperties::SetPages(
    const CList<CKwPropertyPage*, CKwPropertyPage*>& pages, long lPagesID, long lContext, UINT nDefaultTab)
{
    DeletePendingPages();
    if (m_hWnd == NULL || m_wndTabs.m_hWnd == NULL || lPagesID == m_lPagesID)
    {
        // The set shown stays, even when the host sent some of its pages again.
        for (CKwPropertyPage* pPage : Unique(pages, ShownPages()))
            DeletePage(pPage);
        return;
    }
    ReplacePages(Unique(pages, CPageVector()), lPagesID, lContext, nDefaultTab);
}

void CKwBarProperties::ReplacePages(const CPageVector& newPages, long lPagesID, long lContext, UINT nDefaultTab)
{
    CWnd* pFocus = GetFocus();
    if (pFocus != NULL && IsChild(pFocus))
        ::SetFocus(NULL);
    EnableWindow(FALSE);

    m_lPagesID = lPagesID;
    m_lContext = lContext;
    UINT nTab = nDefaultTab;
    m_mapActiveTab.Lookup(lContext, nTab);

    RemovePages(newPages);

    CPageVector created;
    if (newPages.size() >= 2)
    {
        if (m_bLockUpdate)
            m_wndTabs.SetWindowPos(NULL, 0, 0, -1, -1, SWP_NOZORDER | SWP_NOACTIVATE);
        UINT nID = ID_FIRST_PAGE;
        for (CKwPropertyPage* pPage : newPages)
        {
            if (!PlacePage(pPage, &m_wndTabs, nID))
                continue;
            ++nID;
            CString strCaption;
            pPage->GetWindowText(strCaption);
            m_wndTabs.AddTab(pPage, strCaption, (UINT)-1, FALSE);
        }
        // A remembered tab of a set that had more pages shows the last one.
        int nTabs = m_wndTabs.GetTabsNum();
        if (nTabs > 0)
            m_wndTabs.SetActiveTab((int)std::min<UINT>(nTab, (UINT)(nTabs - 1)));
        if (!m_bLockUpdate)
        {
            MyRecalcLayout();
            m_wndTabs.ShowWindow(SW_SHOW);
        }
    }
    else if (newPages.size() == 1 && PlacePage(newPages[0], this, ID_FIRST_PAGE))
    {
        m_pSinglePage = newPages[0];
        MyRecalcLayout();
        if (!m_bLockUpdate)
            m_pSinglePage->ShowWindow(SW_SHOW);
    }
    EnableWindow(TRUE);
}

void CKwBarProperties::RemovePages(const CPageVector& keep)
{
    CPageVector old = ShownPages();
    if (m_wndTabs.GetTabsNum() > 0)
    {
        m_wndTabs.ShowWindow(SW_HIDE);
        m_bRemovingTabs = TRUE;
        while (m_wndTabs.GetTabsNum() > 0)
            m_wndTabs.RemoveTab(0, FALSE);
        m_bRemovingTabs = FALSE;
    }
    else if (m_pSinglePage != NULL)
        m_pSinglePage->ShowWindow(SW_HIDE);
    m_pSinglePage = NULL;
    for (CKwPropertyPage* pPage : old)
    {
        if (std::find(keep.begin(), keep.end(), pPage) != keep.end())
            continue; // sent again: it moves to its new place with its window
        pPage->DestroyWindow();
        DeletePage(pPage);
    }
}

BOOL CKwBarProperties::PlacePage(CKwPropertyPage* pPage, CWnd* pParent, UINT nID)
{
    if (pPage->m_hWnd != NULL)
    {
        pPage->ShowWindow(SW_HIDE);
        pPage->SetParent(pParent);
        pPage->SetDlgCtrlID(nID);
    }
    else if (!pPage->Create(WS_CHILD, CRect(0, 0, 0, 0), pParent, nID))
    {
        if (pPage->m_hWnd != NULL)
            pPage->DestroyWindow();
        DeletePage(pPage);
        return FALSE;
    }
    // Its request to destroy the pages comes here, wherever it sits.
    pPage->SetOwner(this);
    return TRUE;
}

void CKwBarProperties::DeletePage(CKwPropertyPage* pPage)
{
    if (!pPage->IsHandlingMessage())
    {
        delete pPage;
        return;
    }
    m_pendingDelete.push_back(pPage);
    if (m_hWnd != NULL)
        PostMessage(KWM_DELETEPENDINGPAGES, 0, 0);
}

void CKwBarProperties::DeletePendingPages()
{
    // A page whose handler still runs (a modal loop inside it) waits for the next turn.
    CPageVector pending;
    pending.swap(m_pendingDelete);
    for (CKwPropertyPage* pPage : pending)
    {
        if (pPage->IsHandlingMessage())
            m_pendingDelete.push_back(pPage);
        else
            delete pPage;
    }
}

LRESULT CKwBarProperties::OnDeletePendingPages(WPARAM, LPARAM)
{
    DeletePendingPages();
    return 0;
}

void CKwBarProperties::Activate()
{
    CWnd* pFocus = GetFocus();
    if (pFocus == NULL || !IsChild(pFocus))
        m_wndTabs.SetFocus();
}

int CKwBarProperties::LockUpdate(int bLock)
{
    int bWasLocked = m_bLockUpdate;
    m_bLockUpdate = bLock;
    if (!bLock && m_hWnd != NULL)
    {
        if (m_wndTabs.GetTabsNum() > 0)
        {
            m_wndTabs.ShowWindow(SW_SHOW);
            MyRecalcLayout();
        }
        else if (m_pSinglePage != NULL)
            m_pSinglePage->ShowWindow(SW_SHOW);
    }
    return bWasLocked;
}

LRESULT CKwBarProperties::OnDeleteAllPages(WPARAM, LPARAM)
{
    // Clears even when the set shown has the identifier 0.
    ReplacePages(CPageVector(), 0, 0, 0);
    return 0;
}

LRESULT CKwBarProperties::OnActiveTabChanged(WPARAM, LPARAM)
{
    if (!m_bRemovingTabs)
        m_mapActiveTab[m_lContext] = (UINT)m_wndTabs.GetActiveTab();
    return 0;
}
