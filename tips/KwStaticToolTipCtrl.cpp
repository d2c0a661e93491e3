// KwStaticToolTipCtrl.cpp: the plain tip's window, its size for a text and its place beside the
// anchor.
#include "tips/KwStaticToolTipCtrl.h"

#include "tips/KwWorkArea.h"

#include "core/KwPalette.h"

namespace
{
const UINT kTextFormat = DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX;
const int kAnchorGap = 3; // kept free on either side of the anchor
const int kTopMargin = 5; // a tip that fits nowhere keeps this far below the work area's top
} // namespace

IMPLEMENT_DYNAMIC(CKwStaticToolTipCtrl, CWnd)

BEGIN_MESSAGE_MAP(CKwStaticToolTipCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CKwStaticToolTipCtrl::CKwStaticToolTipCtrl() : m_hFont(NULL) {}

BOOL CKwStaticToolTipCtrl::Create(CWnd* pParentWnd)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0);
    return CreateEx(0, lpszClass, NULL, WS_POPUP | WS_CLIPSIBLINGS | WS_BORDER, CRect(0, 0, 10, 10), pParentWnd, 0);
}

int CKwStaticToolTipCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), TRUE);
    return 0;
}

LRESULT CKwStaticToolTipCtrl::OnSetFont(WPARAM wParam, LPARAM)
{
    m_hFont = (HFONT)wParam;
    return 0;
}

LRESULT CKwStaticToolTipCtrl::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)m_hFont;
}

HGDIOBJ CKwStaticToolTipCtrl::SelectFont(HDC hDC)
{
    // Before WM_SETFONT a window draws in the system font.
    return ::SelectObject(hDC, m_hFont ? (HGDIOBJ)m_hFont : ::GetStockObject(SYSTEM_FONT));
}

int CKwStaticToolTipCtrl::AveCharWidth()
{
    CClientDC dc(this);
    HGDIOBJ hOld = SelectFont(dc.m_hDC);
    TEXTMETRIC tm = {};
    ::GetTextMetrics(dc.m_hDC, &tm);
    ::SelectObject(dc.m_hDC, hOld);
    return tm.tmAveCharWidth;
}

int CKwStaticToolTipCtrl::GetHTextIndent()
{
    return (int)(AveCharWidth() * 0.8);
}

int CKwStaticToolTipCtrl::GetVTextIndent()
{
    return (int)(AveCharWidth() * 0.66);
}

BOOL CKwStaticToolTipCtrl::IsRectInRect(const CRect& inner, const CRect& outer)
{
    return CKwWorkArea::IsRectInRect(inner, outer);
}

CRect CKwStaticToolTipCtrl::TextRect(CRect rcClient)
{
    int h = GetHTextIndent(), v = GetVTextIndent();
    return CRect(rcClient.left + h, rcClient.top + v, rcClient.right - h - 1, rcClient.bottom - v - 1);
}

void CKwStaticToolTipCtrl::CalcRect(CRect& rect)
{
    CString sText;
    GetWindowText(sText);
    CWindowDC dc(this);
    HGDIOBJ hOld = SelectFont(dc.m_hDC);
    // DrawText leaves the rectangle as it is for an empty text: an empty tip has no text area.
    if (sText.IsEmpty())
        rect.SetRect(rect.left, rect.top, rect.left, rect.top);
    ::DrawText(dc.m_hDC, sText, sText.GetLength(), &rect, DT_CALCRECT | kTextFormat);
    ::SelectObject(dc.m_hDC, hOld);
    int h = GetHTextIndent(), v = GetVTextIndent();
    int nBorder = ::GetSystemMetrics(SM_CXBORDER);
    rect.InflateRect(h + nBorder, v + nBorder, h + 1 + nBorder, v + 1 + nBorder);
    rect.OffsetRect(-rect.left, -rect.top);
}

void CKwStaticToolTipCtrl::Update(CRect rcAnchor, CString sText)
{
    SetWindowText(sText);
    rcAnchor.InflateRect(kAnchorGap, 0);
    CRect area = CKwWorkArea::Get();
    CRect size = area;
    CalcRect(size);
    int w = size.Width(), t = size.Height();

    const CRect candidates[] = {
        CRect(rcAnchor.right, rcAnchor.top, rcAnchor.right + w, rcAnchor.top + t),
        CRect(rcAnchor.right, rcAnchor.bottom - t, rcAnchor.right + w, rcAnchor.bottom),
        CRect(rcAnchor.left - w, rcAnchor.top, rcAnchor.left, rcAnchor.top + t),
        CRect(rcAnchor.left - w, rcAnchor.bottom - t, rcAnchor.left, rcAnchor.bottom),
    };
    int nFit = CKwWorkArea::FirstInside(candidates, 4, area);
    CRect rc;
    if (nFit >= 0)
        rc = candidates[nFit];
    else
    {
        // Nowhere fits: the wider side, bottom-aligned, kept clear of the work area's top.
        rc = rcAnchor.left > area.right - rcAnchor.right ? candidates[3] : candidates[1];
        if (rc.top < area.top + kTopMargin)
            rc.OffsetRect(0, area.top + kTopMargin - rc.top);
    }
    MoveWindow(&rc, TRUE);
    InvalidateRect(NULL, FALSE);
    if (!IsWindowVisible())
        ShowWindow(SW_SHOWNOACTIVATE);
}

void CKwStaticToolTipCtrl::OnPaint()
{
    CPaintDC dc(this);
    Draw(dc);
}

LRESULT CKwStaticToolTipCtrl::OnPrintClient(WPARAM wParam, LPARAM)
{
    Draw(*CDC::FromHandle((HDC)wParam));
    return 0;
}

void CKwStaticToolTipCtrl::Draw(CDC& dc)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CString sText;
    GetWindowText(sText);
    HGDIOBJ hOld = SelectFont(dc.m_hDC);
    ::SetBkMode(dc.m_hDC, TRANSPARENT);
    ::SetTextColor(dc.m_hDC, CKwPalette::Get(CKwPalette::eStaticTipText));
    dc.FillSolidRect(&rcClient, CKwPalette::Get(CKwPalette::eStaticTipBack));
    CRect rcText = TextRect(rcClient);
    ::DrawText(dc.m_hDC, sText, sText.GetLength(), &rcText, kTextFormat);
    ::SelectObject(dc.m_hDC, hOld);
}
