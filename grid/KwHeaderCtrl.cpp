// KwHeaderCtrl.cpp: the grid's column header.
#include "grid/KwHeaderCtrl.h"
#include "core/KwDpi.h"
#include "core/MemDC.h"
#include "core/KwPalette.h"
#include "grid/KwGridMessages.h"

#include <vector>

namespace {
// Remembered widths beyond this are not a column anyone dragged: the caller's width is used.
const int kMaxRememberedWidth = 0x7FFF;

int GetWidth(const CHeaderCtrl& header, int nItem)
{
    HDITEMA item = {};
    item.mask = HDI_WIDTH;
    return header.GetItem(nItem, &item) ? item.cxy : 0;
}

void SetWidth(CHeaderCtrl& header, int nItem, int nWidth)
{
    HDITEMA item = {};
    item.mask = HDI_WIDTH;
    item.cxy = nWidth;
    header.SetItem(nItem, &item);
}

std::vector<int> GetWidths(const CHeaderCtrl& header)
{
    std::vector<int> widths(header.GetItemCount() > 0 ? header.GetItemCount() : 0);
    for (size_t i = 0; i < widths.size(); ++i)
        widths[i] = GetWidth(header, (int)i);
    return widths;
}

CString ItemEntry(int nItem)
{
    CString sEntry;
    sEntry.Format("Item%d", nItem);
    return sEntry;
}

// The text of one item, left, right or centred by its format; other justifications draw nothing.
void DrawItemText(CDC& dc, CRect rect, const char* pszText, int nFormat, int nMargin)
{
    UINT nAlign;
    switch (nFormat & HDF_JUSTIFYMASK)
    {
    case HDF_LEFT: nAlign = DT_LEFT; break;
    case HDF_RIGHT: nAlign = DT_RIGHT; break;
    case HDF_CENTER: nAlign = DT_CENTER; break;
    default: return;
    }
    rect.DeflateRect(nMargin, 0);
    dc.DrawText(pszText, -1, &rect, nAlign | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}
} // namespace

IMPLEMENT_DYNCREATE(CKwHeaderCtrl, CHeaderCtrl)

// The control sends its notifications in the format its parent asked for (WM_NOTIFYFORMAT).
BEGIN_MESSAGE_MAP(CKwHeaderCtrl, CHeaderCtrl)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_NOTIFY_REFLECT_EX(HDN_BEGINTRACKA, OnBeginTrack)
    ON_NOTIFY_REFLECT_EX(HDN_BEGINTRACKW, OnBeginTrack)
    ON_NOTIFY_REFLECT_EX(HDN_ENDTRACKA, OnEndTrack)
    ON_NOTIFY_REFLECT_EX(HDN_ENDTRACKW, OnEndTrack)
    ON_MESSAGE(HDM_INSERTITEMA, OnItemsChanged)
    ON_MESSAGE(HDM_INSERTITEMW, OnItemsChanged)
    ON_MESSAGE(HDM_DELETEITEM, OnItemsChanged)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CKwHeaderCtrl::CKwHeaderCtrl() : m_bAutoResize(FALSE), m_nStretchItem(-1), m_nTrackItem(-1), m_nTrackItemWidth(0),
      m_nItemCount(0), m_bTellParentItemCount(FALSE), m_nDpi(CKwDpi::kDefault)
{
}

void CKwHeaderCtrl::SetDpi(UINT nDpi)
{
    if (nDpi == m_nDpi)
        return;
    if (m_hWnd != NULL)
        for (int i = 0; i < GetItemCount(); ++i)
            SetWidth(*this, i, ::MulDiv(GetWidth(*this, i), (int)nDpi, (int)m_nDpi));
    m_nDpi = nDpi;
    if (m_bAutoResize)
        ResizeItems();
}

LRESULT CKwHeaderCtrl::OnItemsChanged(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    m_nItemCount = (int)DefWindowProc(HDM_GETITEMCOUNT, 0, 0);
    if (m_bTellParentItemCount)
        ::SendMessageA(::GetParent(m_hWnd), KWM_GRID_HEADER_ITEMS, (WPARAM)m_nItemCount, 0);
    return lResult;
}

void CKwHeaderCtrl::OnDestroy()
{
    CHeaderCtrl::OnDestroy();
    m_nItemCount = 0;
}

CKwHeaderCtrl::~CKwHeaderCtrl()
{
}

void CKwHeaderCtrl::SetRegKey(CString sRegKey)
{
    m_sRegKey = sRegKey;
}

void CKwHeaderCtrl::AddItem(CString sTitle, int nWidth)
{
    const int nItem = GetItemCount();
    CWinApp* pApp = AfxGetApp();
    if (!m_sRegKey.IsEmpty() && pApp != NULL)
    {
        const int nRemembered = (int)pApp->GetProfileInt(m_sRegKey, ItemEntry(nItem), nWidth);
        if (nRemembered >= 0 && nRemembered <= kMaxRememberedWidth)
            nWidth = nRemembered;
    }
    HDITEMA item = {};
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
    item.cxy = CKwDpi::Scale(nWidth, m_nDpi);
    item.pszText = const_cast<LPSTR>((LPCSTR)sTitle);
    item.fmt = HDF_STRING;
    InsertItem(nItem, &item);
}

void CKwHeaderCtrl::SetAutoResizeItems(BOOL bAutoResize, int nStretchItem)
{
    m_bAutoResize = bAutoResize;
    m_nStretchItem = nStretchItem;
    if (m_bAutoResize)
        ResizeItems();
}

void CKwHeaderCtrl::SetItemWidth(int nItem, int nWidth)
{
    SetWidth(*this, nItem, CKwDpi::Scale(nWidth, m_nDpi));
    ResizeItems();
}

void CKwHeaderCtrl::ResizeItems()
{
    if (m_hWnd == NULL)
        return;
    std::vector<int> widths = GetWidths(*this);
    CRect rect;
    GetWindowRect(&rect);
    const int nWidth = rect.Width();
    const int nCount = (int)widths.size();
    if (nWidth > 3 && nCount > 0)
    {
        double dTotal = 0;
        for (int w : widths)
            dTotal += w;
        if (m_nStretchItem >= 0)
        {
            if (m_nStretchItem < nCount)
            {
                const double dStretched = widths[m_nStretchItem] + (nWidth - dTotal);
                widths[m_nStretchItem] = dStretched > 0 ? (int)dStretched : 0;
            }
        }
        else
        {
            const double dFactor = dTotal > 0 ? nWidth / dTotal : 0;
            int nOthers = 0;
            for (int i = 0; i < nCount - 1; ++i)
            {
                widths[i] = (int)(widths[i] * dFactor + 0.5);
                nOthers += widths[i];
            }
            // Rounding up may leave the last column less than nothing: it then gets nothing.
            widths[nCount - 1] = nWidth - nOthers > 0 ? nWidth - nOthers : 0;
        }
        for (int i = 0; i < nCount; ++i)
            if (widths[i] != GetWidth(*this, i))
                SetWidth(*this, i, widths[i]);
    }
    Invalidate(FALSE);
}

void CKwHeaderCtrl::OnSize(UINT nType, int cx, int cy)
{
    CHeaderCtrl::OnSize(nType, cx, cy);
    if (m_bAutoResize)
        ResizeItems();
}

BOOL CKwHeaderCtrl::OnBeginTrack(NMHDR* pNMHDR, LRESULT* pResult)
{
    // Depending on the system, the dragged width may already be set when the drag ends.
    const NMHEADERA* pHeader = reinterpret_cast<const NMHEADERA*>(pNMHDR);
    m_nTrackItem = pHeader->iItem;
    m_nTrackItemWidth = GetWidth(*this, pHeader->iItem);
    *pResult = 0;
    return FALSE;
}

BOOL CKwHeaderCtrl::OnEndTrack(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    // HDITEMA and HDITEMW keep the mask and the width at the same place.
    const NMHEADERA* pHeader = reinterpret_cast<const NMHEADERA*>(pNMHDR);
    std::vector<int> widths = GetWidths(*this);
    const int nCount = (int)widths.size();
    const int nItem = pHeader->iItem;
    if (nItem < 0 || nItem >= nCount)
        return FALSE;

    const int nOld = nItem == m_nTrackItem ? m_nTrackItemWidth : widths[nItem];
    m_nTrackItem = -1;
    int nNew = widths[nItem];
    if (pHeader->pitem != NULL && (pHeader->pitem->mask & HDI_WIDTH))
        nNew = pHeader->pitem->cxy > 0 ? pHeader->pitem->cxy : 0;
    widths[nItem] = nNew;

    if (m_bAutoResize)
    {
        double dRight = 0;
        for (int i = nItem + 1; i < nCount; ++i)
            dRight += widths[i];
        const double dFactor = dRight > 0 ? (dRight - (nNew - nOld)) / dRight : 1.0;
        // A drag wider than all columns to its right leaves them nothing, not less.
        for (int i = nItem + 1; i < nCount - 1; ++i)
            widths[i] = widths[i] * dFactor > 0 ? (int)(widths[i] * dFactor) : 0;
        CRect rect;
        GetWindowRect(&rect);
        int nOthers = 0;
        for (int i = 0; i < nCount - 1; ++i)
            nOthers += widths[i];
        widths[nCount - 1] = rect.Width() + 1 - nOthers > 0 ? rect.Width() + 1 - nOthers : 0;
    }
    for (int i = 0; i < nCount; ++i)
        if (widths[i] != GetWidth(*this, i))
            SetWidth(*this, i, widths[i]);

    CWinApp* pApp = AfxGetApp();
    if (!m_sRegKey.IsEmpty() && pApp != NULL)
        for (int i = 0; i < nCount; ++i)
            pApp->WriteProfileInt(m_sRegKey, ItemEntry(i), CKwDpi::Unscale(widths[i], m_nDpi));
    return FALSE;
}

void CKwHeaderCtrl::OnPaint()
{
    auto paint = [this](CDC& target) {
        CMemDC dc(&target);
        CRect rcClient;
        GetClientRect(&rcClient);
        const COLORREF clrLight = CKwPalette::Get(CKwPalette::eFaceLight);
        const COLORREF clrShadow = CKwPalette::Get(CKwPalette::eFaceShadow);
        dc.FillSolidRect(&rcClient, CKwPalette::Get(CKwPalette::eFace));
        dc.Draw3dRect(&rcClient, clrLight, clrShadow);

        CFont* pFont = CFont::FromHandle((HFONT)SendMessage(WM_GETFONT));
        CFont* pOldFont = pFont != NULL ? dc.SelectObject(pFont) : NULL;
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(CKwPalette::Get(CKwPalette::eFaceText));
        TEXTMETRICA tm = {};
        dc.GetTextMetrics(&tm);
        const int nMargin = rcClient.Height() > tm.tmHeight ? rcClient.Height() - tm.tmHeight : 0;

        const int nCount = GetItemCount();
        for (int i = 0; i < nCount; ++i)
        {
            CRect rcItem;
            GetItemRect(i, &rcItem);
            char szText[257] = "";
            HDITEMA item = {};
            item.mask = HDI_TEXT | HDI_FORMAT;
            item.pszText = szText;
            item.cchTextMax = sizeof(szText); // 256 characters and the terminator
            if (!GetItem(i, &item))
                continue;
            DrawItemText(dc, rcItem, szText, item.fmt, nMargin);
            rcItem.DeflateRect(0, CKwDpi::Scale(2, m_nDpi)); // the separator stops short of the edges
            dc.FillSolidRect(rcItem.right, rcItem.top, 1, rcItem.Height(), clrShadow);
            dc.FillSolidRect(rcItem.right + 1, rcItem.top, 1, rcItem.Height(), clrLight);
        }
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
    };
    CMemDC::PaintWindow(this, paint);
}
