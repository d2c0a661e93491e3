// CBCGPDockManager.cpp: the layout of docked panes. Top and bottom edges span the frame, left and
// right ones the height between them; each edge gives its panes its whole length, shared in the
// proportions the panes had last (so a hidden pane's neighbours take its place and give it back).
#include "CBCGPDockManager.h"
#include "CBCGPAutoHideButton.h"
#include "CBCGPAutoHideToolBar.h"
#include "CBCGPDockingControlBar.h"
#include "CBCGPSlider.h"
#include "CBCGPTabbedControlBar.h"

#include <CRegQuery.h>

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

void CBCGPDockManager::SetDpi(UINT nDpi)
{
    const UINT nOld = GetDpi();
    if (nDpi == 0 || nDpi == nOld)
        return;
    for (Edge& edge : m_edges)
    {
        edge.nSize = ::MulDiv(edge.nSize, (int)nDpi, (int)nOld);
        for (int& nLength : edge.lengths)
            nLength = ::MulDiv(nLength, (int)nDpi, (int)nOld);
    }
    m_nDpi = nDpi;
}

void CBCGPDockManager::LayoutEdge(Edge& edge, CRect& rect, HDWP& hDWP)
{
    const int nSlider = CDpi::Scale(CBCGPSlider::SLIDER_SIZE, GetDpi());
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
    int nThickness = std::min(edge.nSize, nAcross - nSlider - (int)MIN_CLIENT_SIZE);
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
    const int nTaken = nThickness + nSlider;
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
    int nAvail = std::max(0, nLength - (int)(nPanes - 1) * nSlider);
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
                rectInner.left = nPos, rectInner.right = nPos + nSlider;
            else
                rectInner.top = nPos, rectInner.bottom = nPos + nSlider;
            Place(hDWP, edge.inner[k], rectInner, TRUE);
            nPos += nSlider;
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
    // By window, so that a bar destroyed since (its object perhaps deleted) is simply gone. A
    // tabbed container is no bar of the layout: it is stored as the group of its tabs.
    std::vector<CBCGPDockingControlBar*> bars;
    std::vector<HWND> alive;
    for (HWND hWnd : m_knownBars)
    {
        auto* pBar = DYNAMIC_DOWNCAST(CBCGPDockingControlBar, CWnd::FromHandlePermanent(hWnd));
        if (pBar != NULL && ::IsWindow(hWnd))
        {
            if (DYNAMIC_DOWNCAST(CBCGPTabbedControlBar, pBar) == NULL)
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
// A list of tabs longer than this is damage too.
const int MAX_TEXT = 1024;

CString BarSection(LPCTSTR lpszSection, UINT nID)
{
    CString strSection;
    strSection.Format("%s\\DockingBar-%u", lpszSection, nID);
    return strSection;
}

CString GroupSection(LPCTSTR lpszSection, int nGroup)
{
    CString strSection;
    strSection.Format("%s\\TabbedBar-%d", lpszSection, nGroup);
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
    CBCGPDockingControlBar* pBar; // for a group, its first tab
    DWORD dwEdge; // 0: floating
    int nOrder, nLength, nEdgeSize;
    BOOL bVisible;
    CRect rectFloat;
    int nAutoHide; // 1 + its place in its edge's strip; 0: not auto-hidden
};

// A tabbed container of the layout: its panes in tab order and the one in front.
struct StoredGroup
{
    std::vector<CBCGPDockingControlBar*> bars;
    size_t nActive;
};

int Clamp(int nValue, int nLow, int nHigh)
{
    return std::max(nLow, std::min(nHigh, nValue));
}

// One record of a layout (the key lpszSection, a full profile section). In the registry its key
// is opened once for all its values (a profile read opens every key on the path again).
struct RecordReader
{
    CWinApp* pApp;
    CString strSection;
    bool bRegistry;
    HKEY hKey = NULL;

    RecordReader(CWinApp* pApp_, HKEY hLayout, LPCTSTR lpszLayout, const CString& strSection_)
        : pApp(pApp_), strSection(strSection_), bRegistry(hLayout != NULL)
    {
        if (bRegistry)
            ::RegOpenKeyExA(hLayout, strSection.Mid(lstrlenA(lpszLayout) + 1), 0, KEY_READ, &hKey);
    }
    ~RecordReader()
    {
        if (hKey != NULL)
            ::RegCloseKey(hKey);
    }
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // A value of the wrong type reads as absent.
    int Int(LPCTSTR lpszEntry) const
    {
        if (!bRegistry)
            return (int)pApp->GetProfileInt(strSection, lpszEntry, ABSENT);
        DWORD dwType = 0, dwValue = 0, cbValue = sizeof(dwValue);
        if (hKey == NULL || ::RegQueryValueExA(hKey, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &cbValue) != ERROR_SUCCESS ||
            dwType != REG_DWORD || cbValue != sizeof(dwValue))
            return ABSENT;
        return (int)dwValue;
    }
    // Empty when absent, of another type, or longer than MAX_TEXT.
    CString Text(LPCTSTR lpszEntry) const
    {
        if (!bRegistry)
        {
            CString strText = pApp->GetProfileString(strSection, lpszEntry, "");
            return strText.GetLength() <= MAX_TEXT ? strText : CString();
        }
        char szText[MAX_TEXT + 1];
        DWORD dwType = 0, cbText = MAX_TEXT;
        if (hKey == NULL || ::RegQueryValueExA(hKey, lpszEntry, NULL, &dwType, (LPBYTE)szText, &cbText) != ERROR_SUCCESS ||
            dwType != REG_SZ)
            return CString();
        szText[cbText] = '\0';
        return CString(szText);
    }
};

bool IsEdge(DWORD dwEdge)
{
    return dwEdge == CBRS_ALIGN_TOP || dwEdge == CBRS_ALIGN_BOTTOM || dwEdge == CBRS_ALIGN_LEFT ||
        dwEdge == CBRS_ALIGN_RIGHT;
}

// The place a record gives bar.pBar (or the group it is the first tab of); false when it has no
// usable edge, or floats and the bar may not.
bool ReadPlace(const RecordReader& record, DWORD dwEnabled, StoredBar& bar)
{
    CBCGPDockingControlBar* pBar = bar.pBar;
    int nEdge = record.Int("Edge");
    if (nEdge == ABSENT)
        return false;
    bar.dwEdge = (DWORD)nEdge;
    if (bar.dwEdge != 0 && (!IsEdge(bar.dwEdge) || (bar.dwEdge & dwEnabled & pBar->GetEnabledAlignment()) == 0))
        return false;
    bar.nOrder = record.Int("Order");
    bar.nLength = Clamp(record.Int("Length"), CBCGPDockManager::MIN_PANE_SIZE, MAX_PANE_SIZE);
    bar.nEdgeSize = Clamp(record.Int("EdgeSize"), CBCGPDockManager::MIN_PANE_SIZE, MAX_PANE_SIZE);
    bar.bVisible = record.Int("Visible") != 0;
    bar.nAutoHide = Clamp(record.Int("AutoHide"), 0, MAX_PANE_SIZE);
    CRect rect(record.Int("FloatLeft"), record.Int("FloatTop"), record.Int("FloatRight"), record.Int("FloatBottom"));
    // A floating window wholly off the desktop or of an absurd size gets a place near its pane.
    CRect rectDesktop(CPoint(::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN)),
        CSize(::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)));
    CRect rectCommon;
    if (rect.left != ABSENT && rect.top != ABSENT && rect.Width() > 0 && rect.Height() > 0 &&
        rect.Width() <= MAX_FLOAT_SIZE && rect.Height() <= MAX_FLOAT_SIZE && rectCommon.IntersectRect(rect, rectDesktop))
        bar.rectFloat = rect;
    int nRecent = record.Int("RecentEdge");
    if (nRecent != ABSENT && IsEdge((DWORD)nRecent))
        pBar->m_recentDockInfo.m_dwRecentAlignmentToFrame = (DWORD)nRecent;
    return bar.dwEdge != 0 || pBar->CanFloat();
}

// The panes of a group's "Bars" (ids in tab order, separated by commas), the active one among
// them; panes gone or named before (in this group or an earlier one) are left out. Nothing when
// the text holds anything but numbers and their separators.
StoredGroup ReadGroup(const RecordReader& record, const std::vector<CBCGPDockingControlBar*>& known,
    const std::vector<CBCGPDockingControlBar*>& taken)
{
    StoredGroup group{{}, 0};
    const CString strBars = record.Text("Bars");
    const int nActive = record.Int("ActiveTab");
    const char* psz = strBars;
    for (int iTab = 0; *psz != '\0'; iTab++)
    {
        char* pszEnd = NULL;
        unsigned long nID = strtoul(psz, &pszEnd, 10);
        if (pszEnd == psz)
            return StoredGroup{{}, 0};
        psz = *pszEnd == ',' ? pszEnd + 1 : pszEnd;
        auto it = std::find_if(known.begin(), known.end(),
            [nID](CBCGPDockingControlBar* pBar) { return (unsigned long)pBar->GetDlgCtrlID() == nID; });
        if (it == known.end() || std::count(taken.begin(), taken.end(), *it) != 0 ||
            std::count(group.bars.begin(), group.bars.end(), *it) != 0)
            continue;
        if (iTab == nActive)
            group.nActive = group.bars.size();
        group.bars.push_back(*it);
    }
    return group;
}

} // namespace

BOOL CBCGPDockManager::SaveState(LPCTSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || lpszSection == NULL)
        return FALSE;
    RestoringGuard guard;
    BOOL bOK = TRUE;
    std::vector<CBCGPTabbedControlBar*> containers;
    for (CBCGPDockingControlBar* pBar : KnownBars())
    {
        // A tab keeps its container's place: should the group not come back, the pane does there.
        CBCGPTabbedControlBar* pTabbed = pBar->GetParentTabbedBar();
        bOK &= SavePlace(BarSection(lpszSection, pBar->GetDlgCtrlID()), pTabbed != NULL ? pTabbed : pBar, pBar);
        if (pTabbed != NULL && std::count(containers.begin(), containers.end(), pTabbed) == 0)
            containers.push_back(pTabbed);
    }
    for (size_t k = 0; k < containers.size(); k++)
    {
        const CString strSection = GroupSection(lpszSection, (int)k);
        CBCGPTabWnd* pTabs = containers[k]->GetUnderlyingWindow();
        CString strBars;
        for (int i = 0; i < pTabs->GetTabsNum(); i++)
            strBars.AppendFormat(i == 0 ? "%d" : ",%d", pTabs->GetTabWnd(i)->GetDlgCtrlID());
        bOK &= SavePlace(strSection, containers[k], containers[k]);
        bOK &= pApp->WriteProfileString(strSection, "Bars", strBars);
        bOK &= pApp->WriteProfileInt(strSection, "ActiveTab", pTabs->GetActiveTab());
    }
    bOK &= pApp->WriteProfileInt(lpszSection, "TabbedBars", (int)containers.size());
    // The groups of an earlier layout go, so that none is read by mistake.
    for (int k = (int)containers.size(); pApp->WriteProfileString(GroupSection(lpszSection, k), NULL, NULL); k++)
        ;
    return bOK;
}

BOOL CBCGPDockManager::SavePlace(const CString& strSection, CBCGPDockingControlBar* pSite, CBCGPDockingControlBar* pBar)
{
    CWinApp* pApp = AfxGetApp();
    BOOL bOK = TRUE;
    size_t nOrder = 0;
    Edge* pEdge = FindEdgeOf(pSite, &nOrder);
    const CRect& rectFloat = pBar->m_recentDockInfo.m_rectRecentFloatingRect;
    CBCGPAutoHideToolBar* pStrip = pSite->GetAutoHideToolBar();
    auto write = [&](LPCTSTR lpszEntry, int nValue) { bOK &= pApp->WriteProfileInt(strSection, lpszEntry, nValue); };
    write("Edge", pEdge != nullptr ? (int)pEdge->dwAlignment : 0);
    write("RecentEdge", (int)pBar->m_recentDockInfo.m_dwRecentAlignmentToFrame);
    write("Order", (int)nOrder);
    write("Length", pEdge != nullptr ? pEdge->lengths[nOrder] : 0);
    write("EdgeSize", pEdge != nullptr ? pEdge->nSize : 0);
    write("Visible", pSite->IsVisible() ? 1 : 0);
    write("FloatLeft", rectFloat.left);
    write("FloatTop", rectFloat.top);
    write("FloatRight", rectFloat.right);
    write("FloatBottom", rectFloat.bottom);
    write("AutoHide", pStrip != NULL ? pStrip->GetWindowIndex(pSite) + 1 : 0);
    return bOK;
}

BOOL CBCGPDockManager::LoadState(LPCTSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || lpszSection == NULL || m_pFrame == NULL)
        return FALSE;
    RestoringGuard guard;
    // Read every record first: a bar whose record is absent or unusable stays as it is; a group
    // takes the place of its panes' own records, and a group of fewer than two panes is none.
    std::vector<StoredBar> stored;
    std::vector<StoredGroup> groups;
    std::vector<CBCGPDockingControlBar*> taken; // the panes of the groups
    HKEY hLayout = pApp->m_pszRegistryKey != NULL
        ? CRegQuery::OpenProfileSection(pApp->m_pszRegistryKey, pApp->m_pszProfileName, lpszSection)
        : NULL;
    const std::vector<CBCGPDockingControlBar*> known = KnownBars();
    for (CBCGPDockingControlBar* pBar : known)
    {
        StoredBar bar{pBar, 0, 0, 0, 0, TRUE, CRect(), 0};
        if (ReadPlace(RecordReader(pApp, hLayout, lpszSection, BarSection(lpszSection, pBar->GetDlgCtrlID())),
                m_dwEnabledAlignment, bar))
            stored.push_back(bar);
    }
    int nGroups = Clamp(RecordReader(pApp, hLayout, lpszSection, lpszSection).Int("TabbedBars"), 0, (int)known.size() / 2);
    for (int k = 0; k < nGroups; k++)
    {
        RecordReader record(pApp, hLayout, lpszSection, GroupSection(lpszSection, k));
        StoredGroup group = ReadGroup(record, known, taken);
        StoredBar bar{group.bars.empty() ? NULL : group.bars[0], 0, 0, 0, 0, TRUE, CRect(), 0};
        if (group.bars.size() < 2 || !ReadPlace(record, m_dwEnabledAlignment, bar))
            continue;
        stored.erase(std::remove_if(stored.begin(), stored.end(), [&](const StoredBar& other) {
            return std::count(group.bars.begin(), group.bars.end(), other.pBar) != 0;
        }), stored.end());
        stored.push_back(bar);
        taken.insert(taken.end(), group.bars.begin(), group.bars.end());
        groups.push_back(group);
    }
    if (hLayout != NULL)
        ::RegCloseKey(hLayout);
    // Every pane the layout places leaves its auto-hide strip and its container first.
    m_bHoldLayout = TRUE;
    std::vector<CBCGPDockingControlBar*> moving = taken;
    for (const StoredBar& bar : stored)
        moving.push_back(bar.pBar);
    for (CBCGPDockingControlBar* pBar : moving)
    {
        CBCGPTabbedControlBar* pTabbed = pBar->GetParentTabbedBar();
        CBCGPDockingControlBar* pSite = pTabbed != NULL ? pTabbed : pBar;
        if (pSite->GetAutoHideToolBar() != NULL)
            pSite->CBCGPDockingControlBar::SetAutoHideMode(FALSE, pSite->GetCurrentAlignment(), NULL, FALSE);
        if (pTabbed != NULL)
            pTabbed->DetachBar(pBar);
    }
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
    // The groups' other panes join their first, which holds the group's place by now.
    for (const StoredGroup& group : groups)
    {
        CBCGPDockingControlBar* pFirst = group.bars[0];
        if (!IsDocked(pFirst) && !pFirst->IsFloating())
            continue;
        for (size_t i = 1; i < group.bars.size(); i++)
            group.bars[i]->AttachToTabWnd(pFirst, DM_UNKNOWN, FALSE);
        if (CBCGPTabbedControlBar* pTabbed = pFirst->GetParentTabbedBar())
            pTabbed->GetUnderlyingWindow()->SetActiveTab(
                pTabbed->GetUnderlyingWindow()->GetTabFromHwnd(group.bars[group.nActive]->m_hWnd));
    }
    // Shown or hidden, the panes and groups in their strips last, in the order they stood there.
    std::vector<const StoredBar*> hidden;
    for (const StoredBar& bar : stored)
    {
        CBCGPDockingControlBar* pSite = bar.pBar->GetParentTabbedBar();
        pSite = pSite != NULL ? pSite : bar.pBar;
        if (bar.nAutoHide > 0 && IsDocked(pSite))
            hidden.push_back(&bar);
        else if (pSite->IsVisible() != bar.bVisible)
            pSite->ShowControlBar(bar.bVisible, FALSE, FALSE);
    }
    std::stable_sort(hidden.begin(), hidden.end(), [](const StoredBar* a, const StoredBar* b) { return a->nAutoHide < b->nAutoHide; });
    for (const StoredBar* pStored : hidden)
    {
        CBCGPDockingControlBar* pSite = pStored->pBar->GetParentTabbedBar();
        pSite = pSite != NULL ? pSite : pStored->pBar;
        pSite->SetAutoHideMode(TRUE, pStored->dwEdge, NULL, TRUE);
    }
    m_bHoldLayout = FALSE;
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
    const int nSize = CDpi::Scale(CBCGPAutoHideToolBar::STRIP_SIZE, GetDpi());
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

void CBCGPDockManager::SlideOutOthers(const CBCGPDockingControlBar* pBar)
{
    for (CBCGPAutoHideToolBar* pStrip : m_autoHideBars)
        for (int i = 0; pStrip != NULL && i < pStrip->GetButtonCount(); i++)
        {
            CBCGPDockingControlBar* pOther = pStrip->GetButton(i)->GetAutoHideWindow();
            if (pOther != pBar && pOther->IsWindowVisible())
                pOther->Slide(FALSE, FALSE);
        }
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
    const int nSlider = CDpi::Scale(CBCGPSlider::SLIDER_SIZE, GetDpi());
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
        int nTaken = edge.nThickness > 0 ? edge.nThickness + nSlider : 0;
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
    nAcross = std::max(0, std::min(nAcross, nRoom - nSlider - (int)MIN_CLIENT_SIZE));
    // Shared as the layout shares it: the panes before get their part rounded down, the last
    // one the rest.
    int nAvail = std::max(0, (bHorz ? area.Width() : area.Height()) - (int)pEdge->visible.size() * nSlider);
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
