// CBCGPVisualManager.cpp: the plain look, from the system's own colours.
#include "CBCGPVisualManager.h"
#include "CBCGPBaseControlBar.h"
#include "CBCGPTabWnd.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNCREATE(CBCGPVisualManager, CObject)

// Left of a menu item's label: room for its check mark; right of its accelerator: for the arrow.
// At 96 DPI, as the other lengths of a menu item.
static const int kMenuMargin = 20;

// The manager of the process, made on demand and freed by the library's clean-up.
static CBCGPVisualManager* s_pManager = NULL;

CBCGPVisualManager::CBCGPVisualManager() {}

CBCGPVisualManager::~CBCGPVisualManager()
{
    if (s_pManager == this)
        s_pManager = NULL;
}

void CBCGPVisualManager::SetDefaultManager(CRuntimeClass* pRTI)
{
    if (pRTI == NULL)
        pRTI = RUNTIME_CLASS(CBCGPVisualManager);
    if (!pRTI->IsDerivedFrom(RUNTIME_CLASS(CBCGPVisualManager)))
        return;
    CBCGPVisualManager* pNew = (CBCGPVisualManager*)pRTI->CreateObject();
    if (pNew == NULL)
        return;
    DestroyInstance();
    s_pManager = pNew;
}

CBCGPVisualManager* CBCGPVisualManager::GetInstance()
{
    if (s_pManager == NULL)
        s_pManager = new CBCGPVisualManager;
    return s_pManager;
}

void CBCGPVisualManager::DestroyInstance()
{
    delete s_pManager; // the destructor forgets it
    s_pManager = NULL;
}

COLORREF CBCGPVisualManager::GetSysColor(int nIndex) const
{
    return ::GetSysColor(nIndex);
}

void CBCGPVisualManager::OnDrawEdge(CDC* pDC, CRect& rect, UINT nEdge, UINT nFlags)
{
    pDC->DrawEdge(&rect, nEdge, nFlags);
}

void CBCGPVisualManager::OnDrawFrameControl(CDC* pDC, CRect& rect, UINT nType, UINT nState)
{
    pDC->DrawFrameControl(&rect, nType, nState);
}

BOOL CBCGPVisualManager::IsOwnerDrawMenu() const
{
    return FALSE;
}

CSize CBCGPVisualManager::OnMeasureMenuItem(CDC* pDC, LPCTSTR lpszText, BOOL bSeparator, UINT nDpi)
{
    if (bSeparator)
        return CSize(CDpi::Scale(10, nDpi), CDpi::Scale(7, nDpi));
    CFont font;
    CFont* pOldFont = pDC->SelectObject(CFont::FromHandle(CDpi::GuiFont(nDpi, font)));
    CSize size = pDC->GetTextExtent(lpszText, lstrlen(lpszText));
    pDC->SelectObject(pOldFont);
    // Room for the check mark on the left and the submenu arrow on the right.
    return CSize(size.cx + CDpi::Scale(2 * kMenuMargin + 8, nDpi),
        std::max<int>(size.cy + CDpi::Scale(6, nDpi), CDpi::Scale(18, nDpi)));
}

void CBCGPVisualManager::OnDrawMenuItem(CDC* pDC, const CRect& rect, LPCTSTR lpszText, UINT nState, BOOL bSeparator,
    UINT nDpi)
{
    BOOL bSelected = (nState & ODS_SELECTED) != 0 && !bSeparator;
    pDC->FillSolidRect(&rect, GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (bSeparator)
    {
        pDC->FillSolidRect(rect.left + CDpi::Scale(2, nDpi), rect.CenterPoint().y, rect.Width() - CDpi::Scale(4, nDpi),
            CDpi::Scale(1, nDpi), GetSysColor(COLOR_3DSHADOW));
        return;
    }
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrText = GetSysColor(nState & ODS_GRAYED ? COLOR_GRAYTEXT : bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    COLORREF clrOld = pDC->SetTextColor(clrText);
    CFont guiFont;
    const HFONT hGuiFont = CDpi::GuiFont(nDpi, guiFont);
    CFont* pOldFont = pDC->SelectObject(CFont::FromHandle(hGuiFont));
    // The label left, its accelerator (after a tab) right.
    CString strText(lpszText), strKey;
    int nTab = strText.Find('\t');
    if (nTab >= 0)
    {
        strKey = strText.Mid(nTab + 1);
        strText = strText.Left(nTab);
    }
    CRect rectText = rect;
    rectText.DeflateRect(CDpi::Scale(kMenuMargin, nDpi), 0);
    pDC->DrawText(strText, &rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (!strKey.IsEmpty())
        pDC->DrawText(strKey, &rectText, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (nState & ODS_CHECKED)
    {
        CRect rectCheck(rect.left + CDpi::Scale(4, nDpi), rect.top, rect.left + CDpi::Scale(kMenuMargin, nDpi),
            rect.bottom);
        CFont font;
        font.CreateFont(-CDpi::Scale(12, nDpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET,
            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Marlett");
        pDC->SelectObject(&font);
        pDC->DrawText("a", 1, &rectCheck, DT_LEFT | DT_VCENTER | DT_SINGLELINE); // Marlett's check mark
        pDC->SelectObject(CFont::FromHandle(hGuiFont));
    }
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

COLORREF CBCGPVisualManager::GetBarBackgroundColor() const
{
    return GetSysColor(COLOR_3DFACE);
}

COLORREF CBCGPVisualManager::GetBarBorderColor() const
{
    return GetSysColor(COLOR_3DSHADOW);
}

COLORREF CBCGPVisualManager::GetCaptionColor(BOOL bActive) const
{
    return GetSysColor(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
}

COLORREF CBCGPVisualManager::GetCaptionTextColor(BOOL bActive) const
{
    return GetSysColor(bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
}

void CBCGPVisualManager::OnFillBarBackground(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(rect, GetBarBackgroundColor());
}

void CBCGPVisualManager::OnDrawBarBorder(CDC* pDC, const CRect& rect)
{
    CBrush brush(GetBarBorderColor());
    pDC->FrameRect(rect, &brush);
}

void CBCGPVisualManager::OnDrawCaption(CDC* pDC, const CRect& rect, LPCTSTR lpszText, BOOL bActive, int nButtonsWidth,
    UINT nDpi)
{
    pDC->FillSolidRect(rect, GetCaptionColor(bActive));
    if (lpszText == NULL || *lpszText == '\0')
        return;
    CRect rectText = rect;
    rectText.DeflateRect(CDpi::Scale(4, nDpi), 0);
    rectText.right -= nButtonsWidth;
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(GetCaptionTextColor(bActive));
    CFont font;
    CFont* pOldFont = pDC->SelectObject(CFont::FromHandle(CDpi::GuiFont(nDpi, font)));
    pDC->DrawText(lpszText, -1, rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CBCGPVisualManager::OnDrawCaptionButton(CDC* pDC, const CRect& rect, BOOL bActive, BOOL bPressed, UINT nDpi)
{
    // A cross in the caption's text colour; a pressed button framed and shifted by a pixel.
    COLORREF clr = GetCaptionTextColor(bActive);
    CRect rectCross = rect;
    const int nPixel = CDpi::Scale(1, nDpi);
    if (bPressed)
    {
        CBrush brush(clr);
        pDC->FrameRect(rect, &brush);
        rectCross.OffsetRect(nPixel, nPixel);
    }
    int nHalf = std::max(1, (std::min(rect.Width(), rect.Height()) - CDpi::Scale(8, nDpi)) / 2);
    CPoint center = rectCross.CenterPoint();
    for (int i = -nHalf; i <= nHalf; i++)
    {
        pDC->FillSolidRect(center.x + i, center.y + i, CDpi::Scale(2, nDpi), nPixel, clr);
        pDC->FillSolidRect(center.x - i, center.y + i, CDpi::Scale(2, nDpi), nPixel, clr);
    }
}

void CBCGPVisualManager::OnDrawSlider(CDC* pDC, const CRect& rect, BOOL bHorz)
{
    pDC->FillSolidRect(rect, GetBarBackgroundColor());
}

void CBCGPVisualManager::OnFillStatusBar(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(rect, GetBarBackgroundColor());
}

// Sunk in 3D: shadow above and left, light below and right.
void CBCGPVisualManager::OnDrawStatusBarPaneBorder(CDC* pDC, const CRect& rect)
{
    pDC->Draw3dRect(rect, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
}

void CBCGPVisualManager::OnDrawStatusBarPane(CDC* pDC, const CRect& rect, LPCTSTR lpszText, BOOL bEnabled)
{
    OnDrawStatusBarPaneBorder(pDC, rect);
    if (!bEnabled || lpszText == NULL || *lpszText == '\0')
        return;
    CRect rectText = rect;
    rectText.DeflateRect(3, 0);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(GetSysColor(COLOR_BTNTEXT));
    pDC->DrawText(lpszText, -1, rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

COLORREF CBCGPVisualManager::GetTabAreaColor() const
{
    return GetSysColor(COLOR_3DFACE);
}

COLORREF CBCGPVisualManager::GetTabColor(BOOL bActive) const
{
    return GetSysColor(bActive ? COLOR_WINDOW : COLOR_3DFACE);
}

COLORREF CBCGPVisualManager::GetTabTextColor(BOOL bActive) const
{
    return GetSysColor(COLOR_BTNTEXT);
}

COLORREF CBCGPVisualManager::GetTabBorderColor() const
{
    return GetSysColor(COLOR_3DDKSHADOW);
}

namespace {

void DrawLine(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF clr)
{
    // A one-pixel line, end points included.
    pDC->FillSolidRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1, clr);
}

} // namespace

void CBCGPVisualManager::OnEraseTabsFrame(CDC* pDC, const CRect& rectPage, const CRect& rectWndArea,
    const CBCGPTabWnd* pTabWnd)
{
    pDC->FillSolidRect(rectPage, GetTabAreaColor());
    if (rectWndArea == rectPage || rectPage.IsRectEmpty())
        return;
    // Raised in 3D (light left and above, shadow right and below), a plain line when flat.
    BOOL bFlat = pTabWnd->IsFlatTab();
    COLORREF clrLight = bFlat ? GetTabBorderColor() : GetSysColor(COLOR_3DHILIGHT);
    COLORREF clrDark = bFlat ? GetTabBorderColor() : GetSysColor(COLOR_3DSHADOW);
    const CRect& r = rectPage;
    DrawLine(pDC, r.left, r.top, r.left, r.bottom - 1, clrLight);
    DrawLine(pDC, r.right - 1, r.top, r.right - 1, r.bottom - 1, clrDark);
    if (pTabWnd->GetLocation() == CBCGPTabWnd::LOCATION_BOTTOM)
        DrawLine(pDC, r.left, r.top, r.right - 1, r.top, clrLight);
    else
        DrawLine(pDC, r.left, r.bottom - 1, r.right - 1, r.bottom - 1, clrDark);
}

void CBCGPVisualManager::OnEraseTabsArea(CDC* pDC, const CRect& rect, const CBCGPTabWnd* pTabWnd)
{
    pDC->FillSolidRect(rect, GetTabAreaColor());
    if (rect.IsRectEmpty())
        return;
    // The strip's edge toward the page, which the active tab breaks through.
    BOOL bBottom = pTabWnd->GetLocation() == CBCGPTabWnd::LOCATION_BOTTOM;
    COLORREF clr = pTabWnd->IsFlatTab() ? GetTabBorderColor() : GetSysColor(bBottom ? COLOR_3DSHADOW : COLOR_3DHILIGHT);
    int y = bBottom ? rect.top : rect.bottom - 1;
    DrawLine(pDC, rect.left, y, rect.right - 1, y, clr);
}

void CBCGPVisualManager::OnDrawTab(CDC* pDC, const CRect& rectTab, int iTab, BOOL bIsActive, const CBCGPTabWnd* pTabWnd)
{
    BOOL bBottom = pTabWnd->GetLocation() == CBCGPTabWnd::LOCATION_BOTTOM;
    CRect rect = rectTab;
    // Only the active tab covers the strip's edge toward the page; raised inactive tabs are
    // also shorter at the far edge.
    int nShorter = bIsActive || pTabWnd->IsFlatTab() ? 0 : 2;
    if (!bIsActive && bBottom)
        rect.DeflateRect(0, 1, 0, nShorter);
    else if (!bIsActive)
        rect.DeflateRect(0, nShorter, 0, 1);
    int yFar = bBottom ? rect.bottom - 1 : rect.top;
    int yNear = bBottom ? rect.top : rect.bottom - 1;
    if (pTabWnd->IsFlatTab())
    {
        // Boxes without slopes; neighbours share the line between them.
        COLORREF clrBorder = GetTabBorderColor();
        pDC->FillSolidRect(rect, GetTabColor(bIsActive));
        DrawLine(pDC, rect.left, yNear, rect.left, yFar, clrBorder);
        DrawLine(pDC, rect.right, yNear, rect.right, yFar, clrBorder);
        DrawLine(pDC, rect.left, yFar, rect.right, yFar, clrBorder);
    }
    else
    {
        pDC->FillSolidRect(rect, GetTabAreaColor());
        COLORREF clrLight = GetSysColor(COLOR_3DHILIGHT);
        COLORREF clrShadow = GetSysColor(COLOR_3DSHADOW);
        COLORREF clrDark = GetSysColor(COLOR_3DDKSHADOW);
        // Corners cut by a pixel, light on the left, shadow on the right.
        int yFarIn = bBottom ? yFar - 1 : yFar + 1;
        DrawLine(pDC, rect.left, yNear, rect.left, yFarIn, clrLight);
        DrawLine(pDC, rect.right - 1, yNear, rect.right - 1, yFarIn, clrDark);
        DrawLine(pDC, rect.right - 2, yNear, rect.right - 2, yFarIn, clrShadow);
        DrawLine(pDC, rect.left + 1, yFar, rect.right - 2, yFar, bBottom ? clrDark : clrLight);
        if (bBottom)
            DrawLine(pDC, rect.left + 1, yFarIn, rect.right - 3, yFarIn, clrShadow);
    }
    CString strLabel;
    pTabWnd->GetTabLabel(iTab, strLabel);
    CRect rectText = rect;
    rectText.DeflateRect(pTabWnd->Scaled(CBCGPTabWnd::TAB_LABEL_MARGIN), 0);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(GetTabTextColor(bIsActive));
    pDC->DrawText(strLabel, &rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CBCGPVisualManager::OnDrawTabButton(CDC* pDC, const CRect& rect, int nButton, BOOL bEnabled,
    const CBCGPTabWnd* pTabWnd)
{
    CRect rectButton = rect;
    UINT nState = (bEnabled ? 0 : DFCS_INACTIVE) | (pTabWnd->IsFlatTab() ? DFCS_FLAT : 0);
    if (nButton == CBCGPTabWnd::BUTTON_CLOSE)
        OnDrawFrameControl(pDC, rectButton, DFC_CAPTION, DFCS_CAPTIONCLOSE | nState);
    else
        OnDrawFrameControl(pDC, rectButton, DFC_SCROLL,
            (nButton == CBCGPTabWnd::BUTTON_SCROLL_LEFT ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT) | nState);
}

void CBCGPVisualManager::OnFillAutoHideStrip(CDC* pDC, const CRect& rect, DWORD)
{
    pDC->FillSolidRect(rect, GetTabAreaColor());
}

void CBCGPVisualManager::OnDrawAutoHideButton(CDC* pDC, const CRect& rect, LPCTSTR lpszText, DWORD dwAlignment,
    BOOL bShown, UINT nDpi)
{
    pDC->FillSolidRect(rect, GetTabColor(bShown));
    // A coloured line on the side toward the frame's border marks the button.
    CRect rectMark = rect;
    const int nMark = CDpi::Scale(3, nDpi);
    switch (dwAlignment)
    {
    case CBRS_ALIGN_TOP: rectMark.bottom = rectMark.top + nMark; break;
    case CBRS_ALIGN_BOTTOM: rectMark.top = rectMark.bottom - nMark; break;
    case CBRS_ALIGN_LEFT: rectMark.right = rectMark.left + nMark; break;
    default: rectMark.left = rectMark.right - nMark; break;
    }
    pDC->FillSolidRect(rectMark, bShown ? GetCaptionColor(TRUE) : GetTabBorderColor());
    LOGFONT lf = {};
    CDpi::GetGuiLogFont(nDpi, &lf);
    BOOL bVert = (dwAlignment & CBRS_ORIENT_VERT) != 0;
    if (bVert)
        lf.lfEscapement = lf.lfOrientation = 2700; // reading downward
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&font);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(GetTabTextColor(bShown));
    CSize size = pDC->GetTextExtent(lpszText, lstrlen(lpszText));
    if (bVert)
        pDC->TextOut(rect.CenterPoint().x + size.cy / 2, rect.top + (rect.Height() - size.cx) / 2, lpszText);
    else
        pDC->TextOut(rect.left + (rect.Width() - size.cx) / 2, rect.CenterPoint().y - size.cy / 2, lpszText);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CBCGPVisualManager::OnDrawPinButton(CDC* pDC, const CRect& rect, BOOL bActive, BOOL bAutoHide, UINT nDpi)
{
    // A pin: a head, a collar across and a needle; lying (pointing left) while the pane hides.
    // Drawn in 96-DPI pixels from the centre, each scaled to nDpi.
    COLORREF clr = GetCaptionTextColor(bActive);
    CPoint c = rect.CenterPoint();
    auto fill = [&](int x, int y, int cx, int cy) {
        pDC->FillSolidRect(c.x + CDpi::Scale(x, nDpi), c.y + CDpi::Scale(y, nDpi), CDpi::Scale(cx, nDpi),
            CDpi::Scale(cy, nDpi), clr);
    };
    if (bAutoHide)
    {
        fill(0, -3, 4, 6);  // head
        fill(-1, -4, 1, 8); // collar
        fill(-5, 0, 4, 1);  // needle
    }
    else
    {
        fill(-3, -5, 6, 4);
        fill(-4, -1, 8, 1);
        fill(0, 0, 1, 5);
    }
}
