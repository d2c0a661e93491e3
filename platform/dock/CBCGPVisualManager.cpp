// CBCGPVisualManager.cpp: the plain look, from the system's own colours.
#include "CBCGPVisualManager.h"

IMPLEMENT_DYNCREATE(CBCGPVisualManager, CObject)

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

COLORREF CBCGPVisualManager::GetBarBackgroundColor() const
{
    return ::GetSysColor(COLOR_3DFACE);
}

COLORREF CBCGPVisualManager::GetBarBorderColor() const
{
    return ::GetSysColor(COLOR_3DSHADOW);
}

COLORREF CBCGPVisualManager::GetCaptionColor(BOOL bActive) const
{
    return ::GetSysColor(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
}

COLORREF CBCGPVisualManager::GetCaptionTextColor(BOOL bActive) const
{
    return ::GetSysColor(bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
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

void CBCGPVisualManager::OnDrawCaption(CDC* pDC, const CRect& rect, LPCTSTR lpszText, BOOL bActive)
{
    pDC->FillSolidRect(rect, GetCaptionColor(bActive));
    if (lpszText == NULL || *lpszText == '\0')
        return;
    CRect rectText = rect;
    rectText.DeflateRect(4, 0);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(GetCaptionTextColor(bActive));
    CFont* pOldFont = pDC->SelectObject(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    pDC->DrawText(lpszText, -1, rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}
