// KwComboBox.cpp: the flat frame over the combo's own painting, the edit-field lookup, and the
// items drawn in the palette's colours.
#include "pickers/KwComboBox.h"
#include "core/KwDarkControls.h"
#include "core/KwDpi.h"
#include "core/KwPalette.h"

IMPLEMENT_DYNCREATE(CKwComboBox, CComboBox)

namespace
{

// A combo that draws its items (CreateDrawn) has its edge and button painted over in the dark
// look as well, which the system would leave light; into its client area when hDC is NULL.
void PaintDarkEdge(HWND hWnd, HDC hDC)
{
    if (!CKwPalette::IsDark() || (::GetWindowLongA(hWnd, GWL_STYLE) & CBS_OWNERDRAWFIXED) == 0)
        return;
    HDC hClientDC = hDC != NULL ? hDC : ::GetDC(hWnd);
    CKwDarkControls::PaintComboOver(hWnd, hClientDC);
    if (hDC == NULL)
        ::ReleaseDC(hWnd, hClientDC);
}

} // namespace

BEGIN_MESSAGE_MAP(CKwComboBox, CComboBox)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, &CKwComboBox::OnPrintClient)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

CKwComboBox::CKwComboBox() : m_bFlat(FALSE)
{
}

CWnd* CKwComboBox::GetEditField() const
{
    HWND hChild = ::GetWindow(m_hWnd, GW_CHILD);
    char szClass[10] = "";
    if (hChild == NULL || ::GetClassNameA(hChild, szClass, sizeof(szClass)) == 0)
        return NULL;
    return lstrcmpiA(szClass, "Edit") == 0 ? CWnd::FromHandle(hChild) : NULL;
}

void CKwComboBox::DrawFlatFrame(HDC hDC, const CRect& rect)
{
    CBrush brush(CKwPalette::Get(CKwPalette::eWindow));
    HBRUSH hBrush = (HBRUSH)brush.GetSafeHandle();
    RECT strips[4] = {
        {rect.left, rect.top, rect.right, rect.top + 2},
        {rect.left, rect.bottom - 2, rect.right, rect.bottom},
        {rect.left, rect.top, rect.left + 2, rect.bottom},
        {rect.right - 2, rect.top, rect.right, rect.bottom},
    };
    for (const RECT& strip : strips)
        ::FillRect(hDC, &strip, hBrush);
}

void CKwComboBox::OnPaint()
{
    Default();
    PaintDarkEdge(m_hWnd, NULL);
    if (!m_bFlat)
        return;
    // The client area as the window DC sees it (they differ when the combo has a border).
    CRect rcClient, rcWindow;
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    GetWindowRect(&rcWindow);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    HDC hDC = ::GetWindowDC(m_hWnd);
    DrawFlatFrame(hDC, rcClient);
    ::ReleaseDC(m_hWnd, hDC);
}

LRESULT CKwComboBox::OnPrintClient(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = Default();
    PaintDarkEdge(m_hWnd, (HDC)wParam);
    if (m_bFlat)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        DrawFlatFrame((HDC)wParam, rcClient);
    }
    return lResult;
}

BOOL CKwComboBox::CreateDrawn(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CFont* pFont)
{
    // A drawn combo measures its items before it has a font and keeps those heights: they are
    // taken from a plain twin instead, made hidden and without an id.
    CComboBox twin;
    if (!twin.Create(dwStyle & ~WS_VISIBLE, rect, pParentWnd, 0))
        return FALSE;
    twin.SetFont(pFont, FALSE);
    const int nField = twin.GetItemHeight(-1), nItem = twin.GetItemHeight(0);
    twin.DestroyWindow();
    if (!Create(dwStyle | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, rect, pParentWnd, nID))
        return FALSE;
    SetItemHeight(-1, nField);
    SetItemHeight(0, nItem);
    // The font last: Wine then gives the field its height again from the font, as a plain combo.
    SetFont(pFont, FALSE);
    return TRUE;
}

void CKwComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rect(lpDrawItemStruct->rcItem);
    const UINT nState = lpDrawItemStruct->itemState;
    const BOOL bSelected = (nState & ODS_SELECTED) != 0;
    COLORREF clrText = CKwPalette::Get((nState & ODS_DISABLED) ? CKwPalette::eGrayText : CKwPalette::eWindowText);
    if (bSelected && !CKwPalette::IsDark())
        clrText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    const COLORREF clrOldBack = pDC->GetBkColor();
    pDC->FillSolidRect(rect, CKwPalette::Get(bSelected ? CKwPalette::eSelection : CKwPalette::eWindow));
    pDC->SetBkColor(clrOldBack);
    CString sText;
    if ((int)lpDrawItemStruct->itemID >= 0)
        GetLBText((int)lpDrawItemStruct->itemID, sText);
    CRect rcText = rect;
    rcText.left += CKwDpi::Scale(1, CKwDpi::ForWindow(m_hWnd));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    pDC->DrawText(sText, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    if ((nState & (ODS_FOCUS | ODS_NOFOCUSRECT)) == ODS_FOCUS)
        pDC->DrawFocusRect(rect);
}
