// CBCGPDockManager.cpp: the layout of docked panes. Top and bottom edges span the frame, left and
// right ones the height between them; each edge gives its panes its whole length, shared in the
// proportions the panes had last (so a hidden pane's neighbours take its place and give it back).
#include "CBCGPDockManager.h"
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPDockingControlBar.h"
#include "CBCGPSlider.h"

#include <algorithm>
#include <climits>

BOOL CBCGPDockManager::m_bRestoringDockState = FALSE;

CBCGPDockManager::CBCGPDockManager() : m_pFrame(NULL), m_dwEnabledAlignment(0)
{
    static const DWORD s_order[4] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};
    for (int i = 0; i < 4; i++)
        m_edges[i].dwAlignment = s_order[i];
}

CBCGPDockManager::~CBCGPDockManager()
{
    // The sliders' windows went with the frame's children; their objects are the manager's.
    for (Edge& edge : m_edges)
    {
        delete edge.pSlider;
        for (CBCGPSlider* pSlider : edge.inner)
            delete pSlider;
    }
    for (CBCGPAutoHideToolBar* pStrip : m_autoHideBars)
        delete pStrip;
}

CBCGPDockManager::Edge* CBCGPDockManager::FindEdge(DWORD dwAlignment)
{
    for (Edge& edge : m_edges)
        if (edge.dwAlignment == dwAlignment)
            return &edge;
    return nullptr;
}

CBCGPDockManager::Edge* CBCGPDockManager::FindEdgeOf(const CBCGPBaseControlBar* pBar, size_t* pIndex)
{
    for (Edge& edge : m_edges)
    {
        auto it = std::find(edge.bars.begin(), edge.bars.end(), pBar);
        if (it != edge.bars.end())
        {
            if (pIndex != nullptr)
                *pIndex = (size_t)(it - edge.bars.begin());
            return &edge;
        }
    }
    return nullptr;
}

const CBCGPDockManager::Edge* CBCGPDockManager::FindEdgeOf(const CBCGPBaseControlBar* pBar) const
{
    return const_cast<CBCGPDockManager*>(this)->FindEdgeOf(pBar);
}

CBCGPSlider* CBCGPDockManager::NewSlider(DWORD dwAlignment, BOOL bInner)
{
    CBCGPSlider* pSlider = new CBCGPSlider;
    if (!pSlider->Create(this, dwAlignment, bInner, m_pFrame))
    {
        delete pSlider;
        return nullptr;
    }
    return pSlider;
}

BOOL CBCGPDockManager::DockControlBar(CBCGPDockingControlBar* pBar, DWORD dwAlignment, LPCRECT lpRect)
{
    Edge* pEdge = FindEdge(dwAlignment);
    if (pBar == NULL || m_pFrame == NULL || pEdge == nullptr || (m_dwEnabledAlignment & dwAlignment) == 0 ||
        (pBar->GetEnabledAlignment() & dwAlignment) == 0)
        return FALSE;
    RemoveControlBar(pBar);
    if (pEdge->pSlider == nullptr && (pEdge->pSlider = NewSlider(dwAlignment, FALSE)) == nullptr)
        return FALSE;
    CRect rect;
    if (lpRect != NULL)
        rect = *lpRect;
    else
        pBar->GetWindowRect(&rect);
    BOOL bHorz = (dwAlignment & CBRS_ORIENT_HORZ) != 0;
    int nAcross = bHorz ? rect.Height() : rect.Width();
    int nAlong = bHorz ? rect.Width() : rect.Height();
    if (pEdge->bars.empty())
        pEdge->nSize = nAcross > 0 ? nAcross : 150;
    if (std::find(m_knownBars.begin(), m_knownBars.end(), pBar->m_hWnd) == m_knownBars.end())
        m_knownBars.push_back(pBar->m_hWnd);
    pEdge->bars.push_back(pBar);
    pEdge->lengths.push_back(std::max(nAlong, (int)MIN_PANE_SIZE));
    pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | dwAlignment);
    return TRUE;
}

void CBCGPDockManager::RemoveControlBar(CBCGPBaseControlBar* pBar)
{
    size_t i = 0;
    Edge* pEdge = FindEdgeOf(pBar, &i);
    if (pEdge == nullptr)
        return;
    pEdge->bars.erase(pEdge->bars.begin() + i);
    pEdge->lengths.erase(pEdge->lengths.begin() + i);
    pEdge->visible.clear(); // until the next layout no inner slider knows its panes
    pEdge->laidOut.clear();
}

BOOL CBCGPDockManager::IsDocked(const CBCGPBaseControlBar* pBar) const
{
    return FindEdgeOf(pBar) != nullptr;
}

BOOL CBCGPDockManager::ReplaceControlBar(CBCGPBaseControlBar* pOld, CBCGPDockingControlBar* pNew)
{
    size_t i = 0;
    Edge* pEdge = FindEdgeOf(pOld, &i);
    if (pEdge == nullptr || pNew == NULL || FindEdgeOf(pNew) != nullptr)
        return FALSE;
    pEdge->bars[i] = pNew;
    pNew->SetBarStyle((pNew->GetBarStyle() & ~CBRS_ALIGN_ANY) | pEdge->dwAlignment);
    return TRUE;
}

CBCGPDockingControlBar* CBCGPDockManager::ControlBarFromPoint(CPoint ptScreen, const CBCGPBaseControlBar* pExclude) const
{
    for (const Edge& edge : m_edges)
        for (CBCGPDockingControlBar* pBar : edge.bars)
        {
            CRect rect;
            if (pBar == pExclude || !pBar->IsWindowVisible())
                continue;
            pBar->GetWindowRect(&rect);
            if (rect.PtInRect(ptScreen))
                return pBar;
        }
    return NULL;
}

CBCGPSlider* CBCGPDockManager::GetDefaultSlider(const CBCGPBaseControlBar* pBar) const
{
    const Edge* pEdge = FindEdgeOf(pBar);
    return pEdge != nullptr ? pEdge->pSlider : NULL;
}

namespace {

void Place(HDWP& hDWP, CWnd* pWnd, const CRect& rect, BOOL bShow)
{
    if (pWnd == NULL || pWnd->m_hWnd == NULL)
        return;
    UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (hDWP != NULL)
        hDWP = ::DeferWindowPos(hDWP, pWnd->m_hWnd, NULL, rect.left, rect.top, rect.Width(), rect.Height(), nFlags);
    else
        pWnd->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), nFlags);
}

} // namespace

void CBCGPDockManager::AdjustDockingLayout(CRect& rect, HDWP& hDWP)
{
    LayoutAutoHideStrips(rect, hDWP);
    for (Edge& edge : m_edges)
        LayoutEdge(edge, rect, hDWP);
    m_rectClient = rect;
}

void CBCGPDockManager::LayoutEdge(Edge& edge, CRect& rect, HDWP& hDWP)
{
    edge.visible.clear();
    edge.laidOut.clear();
    for (size_t i = 0; i < edge.bars.size(); i++)
        if (edge.bars[i]->m_hWnd != NULL && (edge.bars[i]->GetStyle() & WS_VISIBLE) != 0 &&
            !edge.bars[i]->IsAutoHideMode())
            edge.visible.push_back(i);
    const BOOL bHorz = (edge.dwAlignment & CBRS_ORIENT_HORZ) != 0;
    const int nAcross = bHorz ? rect.Height() : rect.Width();
    const int nLength = bHorz ? rect.Width() : rect.Height();
    // The edge keeps its wished thickness while the view keeps its minimum, and gives way first.
    int nThickness = std::min(edge.nSize, nAcross - (int)CBCGPSlider::SLIDER_SIZE - (int)MIN_CLIENT_SIZE);
    if (edge.visible.empty() || nThickness <= 0)
    {
        for (size_t i : edge.visible)
            Place(hDWP, edge.bars[i], CRect(0, 0, 0, 0), TRUE);
        edge.visible.clear();
        edge.laidOut.clear();
        nThickness = 0;
    }
    edge.nThickness = nThickness;
    if (nThickness == 0)
    {
        Place(hDWP, edge.pSlider, CRect(0, 0, 0, 0), FALSE);
        for (CBCGPSlider* pSlider : edge.inner)
            Place(hDWP, pSlider, CRect(0, 0, 0, 0), FALSE);
        return;
    }
    // The strip of the panes and its slider toward the view.
    CRect rectStrip = rect, rectSlider = rect;
    const int nTaken = nThickness + CBCGPSlider::SLIDER_SIZE;
    switch (edge.dwAlignment)
    {
    case CBRS_ALIGN_TOP:
        rectStrip.bottom = rect.top + nThickness;
        rectSlider.SetRect(rect.left, rectStrip.bottom, rect.right, rect.top + nTaken);
        rect.top += nTaken;
        break;
    case CBRS_ALIGN_BOTTOM:
        rectStrip.top = rect.bottom - nThickness;
        rectSlider.SetRect(rect.left, rect.bottom - nTaken, rect.right, rectStrip.top);
        rect.bottom -= nTaken;
        break;
    case CBRS_ALIGN_LEFT:
        rectStrip.right = rect.left + nThickness;
        rectSlider.SetRect(rectStrip.right, rect.top, rect.left + nTaken, rect.bottom);
        rect.left += nTaken;
        break;
    default:
        rectStrip.left = rect.right - nThickness;
        rectSlider.SetRect(rect.right - nTaken, rect.top, rectStrip.left, rect.bottom);
        rect.right -= nTaken;
        break;
    }
    Place(hDWP, edge.pSlider, rectSlider, TRUE);
    // Along the strip: the panes in the shares of their last lengths, inner sliders between them.
    const size_t nPanes = edge.visible.size();
    while (edge.inner.size() + 1 < nPanes)
    {
        CBCGPSlider* pSlider = NewSlider(edge.dwAlignment, TRUE);
        if (pSlider == nullptr)
            break;
        edge.inner.push_back(pSlider);
    }
    int nAvail = std::max(0, nLength - (int)(nPanes - 1) * (int)CBCGPSlider::SLIDER_SIZE);
    long long nWeights = 0;
    for (size_t i : edge.visible)
        nWeights += std::max(1, edge.lengths[i]);
    int nPos = bHorz ? rectStrip.left : rectStrip.top;
    int nGiven = 0;
    for (size_t k = 0; k < nPanes; k++)
    {
        size_t i = edge.visible[k];
        int nPane = k + 1 == nPanes ? nAvail - nGiven : (int)(std::max(1, edge.lengths[i]) * (long long)nAvail / nWeights);
        edge.laidOut.push_back(nPane);
        nGiven += nPane;
        CRect rectPane = rectStrip;
        if (bHorz)
            rectPane.left = nPos, rectPane.right = nPos + nPane;
        else
            rectPane.top = nPos, rectPane.bottom = nPos + nPane;
        Place(hDWP, edge.bars[i], rectPane, TRUE);
        nPos += nPane;
        if (k + 1 < nPanes && k < edge.inner.size())
        {
            CRect rectInner = rectStrip;
            if (bHorz)
                rectInner.left = nPos, rectInner.right = nPos + CBCGPSlider::SLIDER_SIZE;
            else
                rectInner.top = nPos, rectInner.bottom = nPos + CBCGPSlider::SLIDER_SIZE;
            Place(hDWP, edge.inner[k], rectInner, TRUE);
            nPos += CBCGPSlider::SLIDER_SIZE;
        }
    }
    for (size_t k = nPanes > 0 ? nPanes - 1 : 0; k < edge.inner.size(); k++)
        Place(hDWP, edge.inner[k], CRect(0, 0, 0, 0), FALSE);
}

int CBCGPDockManager::OnSliderMove(CBCGPSlider* pSlider, int nOffset)
{
    int nTaken = 0;
    for (Edge& edge : m_edges)
    {
        if (pSlider == edge.pSlider && edge.nThickness > 0)
        {
            // Growing toward the view: right for a left edge, up for a bottom one.
            int nSign = (edge.dwAlignment & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT)) != 0 ? 1 : -1;
            int nRoom = (edge.dwAlignment & CBRS_ORIENT_HORZ) != 0 ? m_rectClient.Height() : m_rectClient.Width();
            int nMax = edge.nThickness + std::max(0, nRoom - (int)MIN_CLIENT_SIZE);
            int nNew = std::max((int)MIN_PANE_SIZE, std::min(nMax, edge.nThickness + nSign * nOffset));
            if (nNew < edge.nThickness && edge.nThickness < MIN_PANE_SIZE)
                nNew = edge.nThickness; // already squeezed by the frame: never thinner by hand
            nTaken = (nNew - edge.nThickness) * nSign;
            edge.nSize = nNew;
            break;
        }
        auto it = std::find(edge.inner.begin(), edge.inner.end(), pSlider);
        size_t k = (size_t)(it - edge.inner.begin());
        if (it != edge.inner.end() && k + 1 < edge.visible.size())
        {
            // The shares become the lengths shown, so the panes follow the mouse pixel for pixel;
            // hidden panes keep theirs.
            for (size_t j = 0; j < edge.visible.size(); j++)
                edge.lengths[edge.visible[j]] = edge.laidOut[j];
            int& nBefore = edge.lengths[edge.visible[k]];
            int& nAfter = edge.lengths[edge.visible[k + 1]];
            int nLow = -std::max(0, nBefore - (int)MIN_PANE_SIZE);
            int nHigh = std::max(0, nAfter - (int)MIN_PANE_SIZE);
            nTaken = std::max(nLow, std::min(nHigh, nOffset));
            nBefore += nTaken;
            nAfter -= nTaken;
            break;
        }
    }
    if (nTaken != 0 && m_pFrame != NULL)
        m_pFrame->RecalcLayout();
    return nTaken;
}

std::vector<CBCGPDockingControlBar*> CBCGPDockManager::KnownBars()
{
    // By window, so that a bar destroyed since (its object perhaps deleted) is simply gone.
    std::vector<CBCGPDockingControlBar*> bars;
    std::vector<HWND> alive;
    for (HWND hWnd : m_knownBars)
    {
        auto* pBar = DYNAMIC_DOWNCAST(CBCGPDockingControlBar, CWnd::FromHandlePermanent(hWnd));
        if (pBar != NULL && ::IsWindow(hWnd))
        {
            bars.push_back(pBar);
            alive.push_back(hWnd);
        }
    }
    m_knownBars.swap(alive);
    return bars;
}

namespace {

const int ABSENT = INT_MIN;
// Stored sizes beyond these are damage, not a layout.
const int MAX_PANE_SIZE = 16384;
const int MAX_FLOAT_SIZE = 8192;

CString BarSection(LPCTSTR lpszSection, UINT nID)
{
    CString strSection;
    strSection.Format("%s\\DockingBar-%u", lpszSection, nID);
    return strSection;
}

// Sets (and on leaving restores) the flag bars read while a layout is saved or restored.
struct RestoringGuard
{
    BOOL bWas = CBCGPDockManager::m_bRestoringDockState;
    RestoringGuard() { CBCGPDockManager::m_bRestoringDockState = TRUE; }
    ~RestoringGuard() { CBCGPDockManager::m_bRestoringDockState = bWas; }
};

struct StoredBar
{
    CBCGPDockingControlBar* pBar;
    DWORD dwEdge; // 0: floating
    int nOrder, nLength, nEdgeSize;
    BOOL bVisible;
    CRect rectFloat;
};

int Clamp(int nValue, int nLow, int nHigh)
{
    return std::max(nLow, std::min(nHigh, nValue));
}

} // namespace

BOOL CBCGPDockManager::SaveState(LPCTSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || lpszSection == NULL)
        return FALSE;
    RestoringGuard guard;
    BOOL bOK = TRUE;
    for (CBCGPDockingControlBar* pBar : KnownBars())
    {
        const CString strSection = BarSection(lpszSection, pBar->GetDlgCtrlID());
        size_t nOrder = 0;
        Edge* pEdge = FindEdgeOf(pBar, &nOrder);
        const CRect& rectFloat = pBar->m_recentDockInfo.m_rectRecentFloatingRect;
        auto write = [&](LPCTSTR lpszEntry, int nValue) { bOK &= pApp->WriteProfileInt(strSection, lpszEntry, nValue); };
        write("Edge", pEdge != nullptr ? (int)pEdge->dwAlignment : 0);
        write("RecentEdge", (int)pBar->m_recentDockInfo.m_dwRecentAlignmentToFrame);
        write("Order", (int)nOrder);
        write("Length", pEdge != nullptr ? pEdge->lengths[nOrder] : 0);
        write("EdgeSize", pEdge != nullptr ? pEdge->nSize : 0);
        write("Visible", pBar->IsVisible() ? 1 : 0);
        write("FloatLeft", rectFloat.left);
        write("FloatTop", rectFloat.top);
        write("FloatRight", rectFloat.right);
        write("FloatBottom", rectFloat.bottom);
    }
    return bOK;
}

BOOL CBCGPDockManager::LoadState(LPCTSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || lpszSection == NULL || m_pFrame == NULL)
        return FALSE;
    RestoringGuard guard;
    // Read every key first: a value of the wrong type reads as absent, and a bar whose edge is
    // absent or unusable stays as it is. Tabbed and auto-hide entries are read by their owners.
    // In the registry each bar's key is opened once for all its values (a profile read opens
    // every key on the path again).
    std::vector<StoredBar> stored;
    HKEY hLayout = pApp->m_pszRegistryKey != NULL ? pApp->GetSectionKey(lpszSection) : NULL;
    for (CBCGPDockingControlBar* pBar : KnownBars())
    {
        const CString strSection = BarSection(lpszSection, pBar->GetDlgCtrlID());
        HKEY hBar = NULL;
        if (hLayout != NULL)
            ::RegOpenKeyExA(hLayout, strSection.Mid(lstrlenA(lpszSection) + 1), 0, KEY_READ, &hBar);
        auto read = [&](LPCTSTR lpszEntry) {
            if (hLayout == NULL)
                return (int)pApp->GetProfileInt(strSection, lpszEntry, ABSENT);
            DWORD dwType = 0, dwValue = 0, cbValue = sizeof(dwValue);
            if (hBar == NULL || ::RegQueryValueExA(hBar, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &cbValue) != ERROR_SUCCESS ||
                dwType != REG_DWORD || cbValue != sizeof(dwValue))
                return ABSENT;
            return (int)dwValue;
        };
        struct KeyCloser
        {
            HKEY& hKey;
            ~KeyCloser()
            {
                if (hKey != NULL)
                    ::RegCloseKey(hKey);
            }
        } closeBar{hBar};
        StoredBar bar{pBar, 0, 0, 0, 0, TRUE, CRect()};
        int nEdge = read("Edge");
        if (nEdge == ABSENT)
            continue;
        bar.dwEdge = (DWORD)nEdge;
        if (bar.dwEdge != 0 && (FindEdge(bar.dwEdge) == nullptr ||
                                   (bar.dwEdge & m_dwEnabledAlignment & pBar->GetEnabledAlignment()) == 0))
            continue;
        bar.nOrder = read("Order");
        bar.nLength = Clamp(read("Length"), MIN_PANE_SIZE, MAX_PANE_SIZE);
        bar.nEdgeSize = Clamp(read("EdgeSize"), MIN_PANE_SIZE, MAX_PANE_SIZE);
        bar.bVisible = read("Visible") != 0;
        CRect rect(read("FloatLeft"), read("FloatTop"), read("FloatRight"), read("FloatBottom"));
        // A floating window wholly off the desktop or of an absurd size gets a place near its pane.
        CRect rectDesktop(CPoint(::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN)),
            CSize(::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)));
        CRect rectCommon;
        if (rect.left != ABSENT && rect.top != ABSENT && rect.Width() > 0 && rect.Height() > 0 &&
            rect.Width() <= MAX_FLOAT_SIZE && rect.Height() <= MAX_FLOAT_SIZE && rectCommon.IntersectRect(rect, rectDesktop))
            bar.rectFloat = rect;
        int nRecent = read("RecentEdge");
        if (nRecent != ABSENT && FindEdge((DWORD)nRecent) != nullptr)
            pBar->m_recentDockInfo.m_dwRecentAlignmentToFrame = (DWORD)nRecent;
        if (bar.dwEdge == 0 && !pBar->CanFloat())
            continue;
        stored.push_back(bar);
    }
    if (hLayout != NULL)
        ::RegCloseKey(hLayout);
    // The restored docked bars leave their edges, then come back in their stored order after the
    // bars the layout does not name.
    std::stable_sort(stored.begin(), stored.end(), [](const StoredBar& a, const StoredBar& b) {
        return a.dwEdge != b.dwEdge ? a.dwEdge < b.dwEdge : a.nOrder < b.nOrder;
    });
    for (const StoredBar& bar : stored)
        if (bar.dwEdge != 0 && !bar.pBar->IsFloating())
            RemoveControlBar(bar.pBar);
    for (const StoredBar& bar : stored)
    {
        CBCGPDockingControlBar* pBar = bar.pBar;
        if (bar.dwEdge == 0)
        {
            pBar->FloatControlBar(bar.rectFloat, DM_UNKNOWN, bar.bVisible != FALSE);
            pBar->m_recentDockInfo.m_rectRecentFloatingRect = pBar->IsFloating() ? bar.rectFloat : CRect();
            continue;
        }
        if (!bar.rectFloat.IsRectEmpty())
            pBar->m_recentDockInfo.m_rectRecentFloatingRect = bar.rectFloat;
        if (pBar->IsFloating())
        {
            DWORD dwRecent = pBar->m_recentDockInfo.m_dwRecentAlignmentToFrame;
            pBar->m_recentDockInfo.m_dwRecentAlignmentToFrame = bar.dwEdge;
            if (!pBar->DockToRecentPos())
            {
                pBar->m_recentDockInfo.m_dwRecentAlignmentToFrame = dwRecent;
                continue;
            }
            RemoveControlBar(pBar);
        }
        if (!DockControlBar(pBar, bar.dwEdge))
            continue;
        size_t nIndex = 0;
        Edge* pEdge = FindEdgeOf(pBar, &nIndex);
        pEdge->lengths[nIndex] = bar.nLength;
        pEdge->nSize = bar.nEdgeSize;
    }
    for (const StoredBar& bar : stored)
        if (bar.pBar->IsVisible() != bar.bVisible)
            bar.pBar->ShowControlBar(bar.bVisible, FALSE, FALSE);
    m_pFrame->RecalcLayout();
    return TRUE;
}

BOOL CBCGPDockManager::EnableAutoHideBars(DWORD dwAlignment)
{
    m_dwAutoHideAlignment = dwAlignment & CBRS_ALIGN_ANY;
    return TRUE;
}

CBCGPAutoHideToolBar* CBCGPDockManager::GetAutoHideToolBar(DWORD dwAlignment, BOOL bCreate)
{
    Edge* pEdge = FindEdge(dwAlignment);
    if (pEdge == nullptr || (m_dwAutoHideAlignment & dwAlignment) == 0)
        return NULL;
    CBCGPAutoHideToolBar*& pStrip = m_autoHideBars[pEdge - m_edges];
    if (pStrip == NULL && bCreate && m_pFrame != NULL)
    {
        pStrip = new CBCGPAutoHideToolBar;
        if (!pStrip->Create(m_pFrame, dwAlignment))
        {
            delete pStrip;
            pStrip = NULL;
        }
    }
    return pStrip;
}

void CBCGPDockManager::LayoutAutoHideStrips(CRect& rect, HDWP& hDWP)
{
    // Top and bottom strips span the frame, the side ones the height between them.
    const int nSize = CBCGPAutoHideToolBar::STRIP_SIZE;
    for (int i = 0; i < 4; i++)
    {
        CBCGPAutoHideToolBar* pStrip = m_autoHideBars[i];
        if (pStrip == NULL || pStrip->m_hWnd == NULL)
            continue;
        BOOL bHorz = (m_edges[i].dwAlignment & CBRS_ORIENT_HORZ) != 0;
        int nRoom = bHorz ? rect.Height() : rect.Width();
        if (pStrip->GetButtonCount() == 0 || nRoom < nSize)
        {
            Place(hDWP, pStrip, CRect(0, 0, 0, 0), FALSE);
            continue;
        }
        CRect rectStrip = rect;
        switch (m_edges[i].dwAlignment)
        {
        case CBRS_ALIGN_TOP: rectStrip.bottom = rect.top += nSize; break;
        case CBRS_ALIGN_BOTTOM: rectStrip.top = rect.bottom -= nSize; break;
        case CBRS_ALIGN_LEFT: rectStrip.right = rect.left += nSize; break;
        default: rectStrip.left = rect.right -= nSize; break;
        }
        Place(hDWP, pStrip, rectStrip, TRUE);
    }
    m_rectInsideStrips = rect;
}

CRect CBCGPDockManager::GetSlideInRect(const CBCGPDockingControlBar* pBar) const
{
    const Edge* pEdge = FindEdgeOf(pBar);
    const CRect& area = m_rectInsideStrips;
    if (pEdge == nullptr || area.IsRectEmpty())
        return CRect(0, 0, 0, 0);
    BOOL bHorz = (pEdge->dwAlignment & CBRS_ORIENT_HORZ) != 0;
    int nRoom = bHorz ? area.Height() : area.Width();
    int nThickness = std::max(0, std::min(pEdge->nSize, nRoom - (int)MIN_CLIENT_SIZE));
    CRect rect = area;
    switch (pEdge->dwAlignment)
    {
    case CBRS_ALIGN_TOP: rect.bottom = area.top + nThickness; break;
    case CBRS_ALIGN_BOTTOM: rect.top = area.bottom - nThickness; break;
    case CBRS_ALIGN_LEFT: rect.right = area.left + nThickness; break;
    default: rect.left = area.right - nThickness; break;
    }
    return rect;
}

BOOL CBCGPDockManager::InsertControlBar(CBCGPDockingControlBar* pBar, CBCGPDockingControlBar* pTarget, BOOL bAfter)
{
    if (pBar == NULL || pBar == pTarget || !IsDocked(pTarget))
        return FALSE;
    DWORD dwAlignment = FindEdgeOf(pTarget)->dwAlignment;
    if ((m_dwEnabledAlignment & pBar->GetEnabledAlignment() & dwAlignment) == 0)
        return FALSE;
    RemoveControlBar(pBar);
    size_t i = 0;
    Edge* pEdge = FindEdgeOf(pTarget, &i);
    int nHalf = std::max(1, pEdge->lengths[i] / 2);
    pEdge->lengths[i] = std::max(1, pEdge->lengths[i] - nHalf);
    size_t nAt = bAfter ? i + 1 : i;
    pEdge->bars.insert(pEdge->bars.begin() + nAt, pBar);
    pEdge->lengths.insert(pEdge->lengths.begin() + nAt, nHalf);
    if (std::find(m_knownBars.begin(), m_knownBars.end(), pBar->m_hWnd) == m_knownBars.end())
        m_knownBars.push_back(pBar->m_hWnd);
    pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | dwAlignment);
    return TRUE;
}

BOOL CBCGPDockManager::GetDockedPlace(const CBCGPBaseControlBar* pBar, DockedPlace& place) const
{
    size_t i = 0;
    const Edge* pEdge = const_cast<CBCGPDockManager*>(this)->FindEdgeOf(pBar, &i);
    if (pEdge == nullptr)
        return FALSE;
    place.dwAlignment = pEdge->dwAlignment;
    place.nIndex = i;
    place.nLength = pEdge->lengths[i];
    place.nEdgeSize = pEdge->nSize;
    return TRUE;
}

BOOL CBCGPDockManager::RestoreDockedPlace(CBCGPDockingControlBar* pBar, const DockedPlace& place)
{
    Edge* pEdge = FindEdge(place.dwAlignment);
    if (pBar == NULL || pEdge == nullptr || !DockControlBar(pBar, place.dwAlignment))
        return FALSE;
    // Back to its rank (it went to the end).
    size_t nAt = std::min(place.nIndex, pEdge->bars.size() - 1);
    pEdge->bars.pop_back();
    pEdge->lengths.pop_back();
    pEdge->bars.insert(pEdge->bars.begin() + nAt, pBar);
    pEdge->lengths.insert(pEdge->lengths.begin() + nAt, place.nLength);
    pEdge->nSize = place.nEdgeSize;
    return TRUE;
}

CRect CBCGPDockManager::GetDockingArea() const
{
    CRect rect = m_rectInsideStrips;
    if (m_pFrame != NULL && m_pFrame->m_hWnd != NULL)
        m_pFrame->ClientToScreen(&rect);
    return rect;
}

CRect CBCGPDockManager::GetDockPreviewRect(const CBCGPDockingControlBar* pBar, DWORD dwAlignment) const
{
    if (pBar == NULL || (m_dwEnabledAlignment & pBar->GetEnabledAlignment() & dwAlignment) == 0)
        return CRect(0, 0, 0, 0);
    // The edges laid out before this one (top, bottom, left, right) keep their strips.
    CRect area = m_rectInsideStrips;
    const Edge* pEdge = nullptr;
    for (const Edge& edge : m_edges)
    {
        if (edge.dwAlignment == dwAlignment)
        {
            pEdge = &edge;
            break;
        }
        int nTaken = edge.nThickness > 0 ? edge.nThickness + CBCGPSlider::SLIDER_SIZE : 0;
        switch (edge.dwAlignment)
        {
        case CBRS_ALIGN_TOP: area.top += nTaken; break;
        case CBRS_ALIGN_BOTTOM: area.bottom -= nTaken; break;
        case CBRS_ALIGN_LEFT: area.left += nTaken; break;
        default: area.right -= nTaken; break;
        }
    }
    if (pEdge == nullptr || area.IsRectEmpty())
        return CRect(0, 0, 0, 0);
    // Across: the edge's thickness, or the pane's own for a new edge; along: the share the pane
    // gets after the edge's panes.
    const BOOL bHorz = (dwAlignment & CBRS_ORIENT_HORZ) != 0;
    CRect rectBar = pBar->GetDockingRect(dwAlignment);
    int nRoom = bHorz ? area.Height() : area.Width();
    int nAcross = pEdge->nThickness > 0 ? pEdge->nThickness : (bHorz ? rectBar.Height() : rectBar.Width());
    nAcross = std::max(0, std::min(nAcross, nRoom - (int)CBCGPSlider::SLIDER_SIZE - (int)MIN_CLIENT_SIZE));
    // Shared as the layout shares it: the panes before get their part rounded down, the last
    // one the rest.
    int nAvail = std::max(0, (bHorz ? area.Width() : area.Height()) - (int)pEdge->visible.size() * (int)CBCGPSlider::SLIDER_SIZE);
    int nOwn = std::max((int)MIN_PANE_SIZE, bHorz ? rectBar.Width() : rectBar.Height());
    long long nWeights = nOwn;
    for (size_t i : pEdge->visible)
        nWeights += std::max(1, pEdge->lengths[i]);
    int nShare = nAvail;
    for (size_t i : pEdge->visible)
        nShare -= (int)(std::max(1, pEdge->lengths[i]) * (long long)nAvail / nWeights);
    CRect rect = area;
    switch (dwAlignment)
    {
    case CBRS_ALIGN_TOP: rect.bottom = area.top + nAcross; rect.left = rect.right - nShare; break;
    case CBRS_ALIGN_BOTTOM: rect.top = area.bottom - nAcross; rect.left = rect.right - nShare; break;
    case CBRS_ALIGN_LEFT: rect.right = area.left + nAcross; rect.top = rect.bottom - nShare; break;
    default: rect.left = area.right - nAcross; rect.top = rect.bottom - nShare; break;
    }
    if (m_pFrame != NULL && m_pFrame->m_hWnd != NULL)
        m_pFrame->ClientToScreen(&rect);
    return rect;
}
