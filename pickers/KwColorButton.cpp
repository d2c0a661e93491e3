// KwColorButton.cpp: the colour button: its flat frame, swatch, separator and arrow drawn over
// the push button's own painting, and the picker it opens.
#include "pickers/KwColorButton.h"

#include "core/KwDpi.h"
#include "core/KwPalette.h"

namespace {

// first along the top from right to left and down the left side; second down the right side
// and back along the bottom one pixel past the left side.
void DrawEdge(CDC& dc, int l, int t, int r, int b, COLORREF first, COLORREF second)
{
    dc.FillSolidRect(l + 1, t, r - l, 1, first);
    dc.FillSolidRect(l, t, 1, b - t, first);
    dc.FillSolidRect(r, t, 1, b - t, second);
    dc.FillSolidRect(l, b, r - l + 1, 1, second);
}

} // namespace

BEGIN_MESSAGE_MAP(CKwColorButton, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_ENABLE()
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChanged)
END_MESSAGE_MAP()

CKwColorButton::CKwColorButton(IKwColorPickerClient* client)
    : m_pPicker(new CKwColorPicker(this)), m_pClient(client), m_nPickerID(0), m_nID(-1), m_Color(0), m_bFocus(0),
      m_bPressed(0), m_nDpi(0)
{
}

CKwColorButton::~CKwColorButton()
{
    delete m_pPicker;
}

int CKwColorButton::AttachButton(int nIDCtrl, CWnd* parent)
{
    m_bFocus = 0;
    m_bPressed = 0;
    if (parent == NULL || ::GetDlgItem(parent->GetSafeHwnd(), nIDCtrl) == NULL)
        return 0;
    return SubclassDlgItem((UINT)nIDCtrl, parent) ? 1 : 0;
}

void CKwColorButton::InitializeButton(int id, COLORREF color, CKwColorPicker::CButtonArray& topButtons,
                                      CKwColorPicker::CButtonArray& bottomButtons, CString otherColorsText,
                                      int pickerID)
{
    m_TopButtons.Append(topButtons);
    m_BottomButtons.Append(bottomButtons);
    m_nID = id;
    m_Color = color;
    m_strOtherColorsText = otherColorsText;
    m_nPickerID = pickerID;
}

void CKwColorButton::KwColorPickerClient_OnSelectionChanged(CWnd* /*picker*/)
{
    if (m_pPicker->GetID() == m_nID && m_pPicker->GetColor() == m_Color)
        return;
    m_nID = m_pPicker->GetID();
    m_Color = m_pPicker->GetColor();
    if (m_pClient != NULL)
        m_pClient->KwColorPickerClient_OnSelectionChanged(this);
    if (m_hWnd != NULL)
        Repaint();
}

void CKwColorButton::KwColorPickerClient_OnSpecialButton(UINT id, CWnd* picker)
{
    if (m_pClient != NULL)
        m_pClient->KwColorPickerClient_OnSpecialButton(id, picker);
}

void CKwColorButton::Repaint()
{
    Invalidate();
    UpdateWindow();
}

CString CKwColorButton::SpecialCaption() const
{
    CString caption;
    for (int group = 0; group < 2; group++)
    {
        const CKwColorPicker::CButtonArray& buttons = group == 0 ? m_TopButtons : m_BottomButtons;
        for (int i = 0; i < buttons.GetSize(); i++)
            if (buttons[i].nID == m_nID)
                caption = buttons[i].strText;
    }
    return caption;
}

UINT CKwColorButton::Dpi() const
{
    return m_nDpi != 0 ? m_nDpi : CKwDpi::ForWindow(m_hWnd);
}

LRESULT CKwColorButton::OnDpiChanged(WPARAM wParam, LPARAM)
{
    m_nDpi = CKwDpi::FromMessage(m_hWnd, WM_DPICHANGED, wParam);
    Invalidate();
    return 0;
}

void CKwColorButton::Draw(CDC& dc)
{
    CRect rc;
    GetClientRect(&rc);
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom;
    const BOOL bEnabled = IsWindowEnabled();
    const int p = m_bPressed ? 1 : 0; // everything inside the frame moves one pixel when pressed
    const COLORREF kDarkGrey = CKwPalette::Get(CKwPalette::eButtonShadow);
    const COLORREF kNearBlack = CKwPalette::Get(CKwPalette::eButtonDarkShadow);
    const COLORREF kLightGrey = CKwPalette::Get(CKwPalette::eButtonLight);
    const COLORREF kWhite = CKwPalette::Get(CKwPalette::eButtonHighlight);
    const COLORREF kGlyph = CKwPalette::Get(CKwPalette::eButtonGlyph);
    // The push button under it paints its face in the system's colour: the dark look covers it.
    const BOOL bDark = CKwPalette::IsDark();
    if (bDark)
        dc.FillSolidRect(&rc, CKwPalette::Get(CKwPalette::eFace));

    DrawEdge(dc, L, T, R, B, kDarkGrey, kWhite);
    if (p)
    {
        DrawEdge(dc, L + 1, T + 1, R - 1, B - 1, kNearBlack, kWhite);
        DrawEdge(dc, L + 2, T + 2, R - 2, B - 2, kDarkGrey, kLightGrey);
    }
    else
    {
        DrawEdge(dc, L + 1, T + 1, R - 1, B - 1, kWhite, kNearBlack);
        DrawEdge(dc, L + 2, T + 2, R - 2, B - 2, kLightGrey, kDarkGrey);
    }
    // The drop-down part at the right (separator and arrow) is as wide as the DPI says; the
    // frame's lines stay a pixel each.
    const UINT nDpi = Dpi();
    const int nSwatchRight = R - CKwDpi::Scale(16, nDpi), nSeparator = R - CKwDpi::Scale(12, nDpi);
    if (m_nID == -1 && (p || bEnabled))
        DrawEdge(dc, L + 5 + p, T + 4 + p, nSwatchRight + p, B - 5 + p, kGlyph, kGlyph);

    dc.FillSolidRect(nSeparator + p, T + 4 + p, 1, B - 5 - (T + 4 + p) + 1, kDarkGrey);
    dc.FillSolidRect(nSeparator + 1 + p, T + 4 + p, 1, B - 5 - (T + 4 + p) + 1, kWhite);

    // Rows of 5, 3 and 1 pixels at 96 DPI; the tip stays in the glyph's colour.
    const int nArrow = 2 * CKwDpi::Scale(2, nDpi) + 1;
    const int x = R - CKwDpi::Scale(7, nDpi) - nArrow / 2 + p, y = (T + B) / 2 - nArrow / 4 + p;
    const COLORREF arrow = bEnabled ? kGlyph : kDarkGrey;
    for (int row = 0; 2 * row < nArrow; row++)
        dc.FillSolidRect(x + row, y + row, nArrow - 2 * row, 1, 2 * row + 1 < nArrow ? arrow : kGlyph);

    if (m_bFocus && (p || bEnabled))
    {
        const CRect dots = p ? CRect(L + 4, T + 4, R - 4, B - 3) : CRect(L + 3, T + 3, R - 4, B - 4);
        for (int dx = dots.left; dx <= dots.right; dx++)
            if (dx % 2 == 0)
            {
                dc.SetPixel(dx, dots.top, kGlyph);
                dc.SetPixel(dx, dots.bottom, kGlyph);
            }
        for (int dy = dots.top; dy <= dots.bottom; dy++)
            if (dy % 2 == 0)
            {
                dc.SetPixel(dots.left, dy, kGlyph);
                dc.SetPixel(dots.right, dy, kGlyph);
            }
    }
    if (!bEnabled && !p)
        return;

    if (m_nID == -1)
    {
        dc.FillSolidRect(L + 6 + p, T + 5 + p, nSwatchRight - L - 6, B - T - 10, m_Color);
        return;
    }
    CString caption = SpecialCaption();
    if (caption.IsEmpty())
        return;
    CFont font;
    CFont* pOldFont = dc.SelectObject(CFont::FromHandle(CKwDpi::GuiFont(nDpi, font)));
    int nOldMode = dc.SetBkMode(TRANSPARENT);
    if (bDark)
        dc.SetTextColor(CKwPalette::Get(CKwPalette::eFaceText));
    CRect text(L + 4 + p, T + p, nSeparator - 1 + p, B + p);
    dc.DrawText(caption, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SetBkMode(nOldMode);
    dc.SelectObject(pOldFont);
}

void CKwColorButton::OnPaint()
{
    // The push button paints itself first; the frame, swatch and arrow go over it.
    HDC hGiven = (HDC)GetCurrentMessage()->wParam;
    Default();
    if (hGiven != NULL)
    {
        CDC given;
        given.Attach(hGiven);
        Draw(given);
        given.Detach();
        return;
    }
    CClientDC dc(this);
    Draw(dc);
}

void CKwColorButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bPressed = 1;
    // The button's own handling draws its pushed look at once; the repaint covers it.
    Default();
    Repaint();
}

void CKwColorButton::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bPressed = 0;
    Default();
    Repaint();
    CRect rc;
    GetWindowRect(&rc);
    m_pPicker->Create(this, m_nID, m_Color, CPoint(rc.left, rc.bottom), m_TopButtons, m_BottomButtons,
                      m_strOtherColorsText, m_nPickerID);
}

void CKwColorButton::OnSetFocus(CWnd* /*pOldWnd*/)
{
    Default();
    m_bFocus = 1;
    Repaint();
}

void CKwColorButton::OnKillFocus(CWnd* /*pNewWnd*/)
{
    Default();
    m_bFocus = 0;
    Repaint();
}

void CKwColorButton::OnEnable(BOOL /*bEnable*/)
{
    Default();
    Repaint();
}
