// KwVisualManagerDark.cpp: the dark table of system colours, and the system's edges and frame
// controls drawn in it.
#include "core/KwVisualManagerDark.h"

IMPLEMENT_DYNCREATE(CKwVisualManagerDark, CBCGPVisualManagerXP)

namespace {

// SetDefaultManager makes one at a time; the one alive is the process's.
CKwVisualManagerDark* s_pActive = NULL;

struct SDarkColor
{
    int nIndex;
    COLORREF clr;
};

const SDarkColor kDarkColors[] = {
    {COLOR_WINDOW, RGB(30, 30, 30)},
    {COLOR_WINDOWTEXT, RGB(230, 230, 230)},
    {COLOR_BTNFACE, RGB(45, 45, 48)},
    {COLOR_MENU, RGB(45, 45, 48)},
    {COLOR_MENUBAR, RGB(45, 45, 48)},
    {COLOR_BTNTEXT, RGB(230, 230, 230)},
    {COLOR_MENUTEXT, RGB(230, 230, 230)},
    {COLOR_BTNHIGHLIGHT, RGB(96, 96, 102)},
    {COLOR_3DLIGHT, RGB(70, 70, 74)},
    {COLOR_BTNSHADOW, RGB(78, 78, 84)},
    {COLOR_3DDKSHADOW, RGB(18, 18, 18)},
    {COLOR_GRAYTEXT, RGB(130, 130, 130)},
    {COLOR_HIGHLIGHT, RGB(38, 79, 120)},
    {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
    {COLOR_HOTLIGHT, RGB(86, 156, 214)},
    {COLOR_ACTIVECAPTION, RGB(0, 122, 204)},
    {COLOR_INACTIVECAPTION, RGB(63, 63, 70)},
    {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},
    {COLOR_INACTIVECAPTIONTEXT, RGB(200, 200, 200)},
    {COLOR_APPWORKSPACE, RGB(37, 37, 38)},
    {COLOR_INFOBK, RGB(55, 55, 60)},
    {COLOR_INFOTEXT, RGB(241, 241, 241)},
    {COLOR_WINDOWFRAME, RGB(18, 18, 18)},
};

} // namespace

CKwVisualManagerDark::CKwVisualManagerDark()
{
    s_pActive = this;
}

CKwVisualManagerDark::~CKwVisualManagerDark()
{
    if (s_pActive == this)
        s_pActive = NULL;
}

CKwVisualManagerDark* CKwVisualManagerDark::GetActive()
{
    return s_pActive;
}

COLORREF CKwVisualManagerDark::GetSysColor(int nIndex) const
{
    for (const SDarkColor& dark : kDarkColors)
    {
        if (dark.nIndex == nIndex)
            return dark.clr;
    }
    return ::GetSysColor(nIndex);
}

BOOL CKwVisualManagerDark::IsOwnerDrawMenu() const
{
    return TRUE;
}

void CKwVisualManagerDark::OnDrawEdge(CDC* pDC, CRect& rect, UINT nEdge, UINT nFlags)
{
    BOOL bRaised = (nEdge & (BDR_RAISEDOUTER | BDR_RAISEDINNER)) != 0;
    pDC->Draw3dRect(&rect, GetSysColor(bRaised ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW),
        GetSysColor(bRaised ? COLOR_3DDKSHADOW : COLOR_BTNHIGHLIGHT));
    if (nFlags & BF_ADJUST)
        rect.DeflateRect(1, 1);
}

void CKwVisualManagerDark::OnDrawFrameControl(CDC* pDC, CRect& rect, UINT nType, UINT nState)
{
    // The glyphs of the system's "Marlett" font, the one the system draws these buttons with.
    char chGlyph = 0;
    if (nType == DFC_CAPTION)
    {
        switch (nState & 0xFF)
        {
        case DFCS_CAPTIONMIN: chGlyph = '0'; break;
        case DFCS_CAPTIONMAX: chGlyph = '1'; break;
        case DFCS_CAPTIONRESTORE: chGlyph = '2'; break;
        default: chGlyph = 'r'; break;
        }
    }
    else if (nType == DFC_SCROLL)
    {
        switch (nState & 0xFF)
        {
        case DFCS_SCROLLUP: chGlyph = '5'; break;
        case DFCS_SCROLLDOWN: chGlyph = '6'; break;
        case DFCS_SCROLLLEFT: chGlyph = '3'; break;
        default: chGlyph = '4'; break;
        }
    }
    else
    {
        CBCGPVisualManagerXP::OnDrawFrameControl(pDC, rect, nType, nState);
        return;
    }
    pDC->FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
    CRect rectGlyph = rect;
    if (nState & DFCS_PUSHED)
    {
        pDC->Draw3dRect(&rect, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        rectGlyph.OffsetRect(1, 1);
    }
    else if (!(nState & DFCS_FLAT))
        pDC->Draw3dRect(&rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    CFont font;
    font.CreateFont(-(rect.Height() * 2 / 3), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Marlett");
    CFont* pOldFont = pDC->SelectObject(&font);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(GetSysColor(nState & DFCS_INACTIVE ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    pDC->DrawText(&chGlyph, 1, &rectGlyph, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}
