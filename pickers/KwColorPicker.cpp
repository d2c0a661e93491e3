// KwColorPicker.cpp: the colour picker popup: its selection, its remembered colours, painting
// and the mouse.
#include "pickers/KwColorPicker.h"

#include "core/KwDpi.h"
#include "core/KwPalette.h"
#include "core/KwRegistry.h"
#include "core/MemDC.h"

#include <afxdlgs.h>

namespace {

// A stored colour that cannot be read shows as white.
const COLORREF kUnreadable = RGB(0xFF, 0xFF, 0xFF);

// first along the top and down the left from (x, y); second back along the bottom and up the
// right, each side w or h long plus the corner.
void DrawEdge(CDC& dc, int x, int y, int w, int h, COLORREF first, COLORREF second)
{
    dc.FillSolidRect(x, y, w, 1, first);
    dc.FillSolidRect(x, y, 1, h, first);
    dc.FillSolidRect(x, y + h, w + 1, 1, second);
    dc.FillSolidRect(x + w, y, 1, h + 1, second);
}

CString ColorName(int index)
{
    CString name;
    name.Format("Color%d", index);
    return name;
}

} // namespace

BEGIN_MESSAGE_MAP(CKwColorPicker, CWnd)
    ON_WM_PAINT()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

CKwColorPicker::CKwColorPicker(IKwColorPickerClient* client)
    : m_pClient(client), m_pParent(NULL), m_bColorSelected(1), m_bMouseDown(0), m_Color(0), m_bSelButtonTop(0),
      m_nSelButton(-1), m_nSelButtonCommand(0), m_bHoverButtonTop(0), m_nHoverButton(-1), m_nHoverButtonCommand(0),
      m_nHoverCol(0), m_nHoverRow(0), m_nSelCol(0), m_nSelRow(0), m_nID(0), m_nAdditional(0)
{
}

CKwColorPicker::~CKwColorPicker()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

CString CKwColorPicker::RegistryKey(int id)
{
    CString key;
    key.Format("KwColorPicker\\KwColorPicker%d", id);
    return key;
}

int CKwColorPicker::ReadAdditionalCount(int id, bool* pRead)
{
    unsigned long count = 0;
    bool bRead = CKwRegistry::ReadDword(HKEY_CURRENT_USER, RegistryKey(id), "AdditionalColors", count);
    if (pRead != NULL)
        *pRead = bRead;
    if (!bRead)
        return 0;
    return count > (unsigned long)MaxAdditional ? MaxAdditional : (int)count;
}

void CKwColorPicker::AddAdditionalColor(int id, COLORREF color)
{
    CString key = RegistryKey(id);
    int count = ReadAdditionalCount(id);
    if (count == MaxAdditional)
    {
        for (int i = 1; i < MaxAdditional; i++)
        {
            unsigned long moved = kUnreadable;
            CKwRegistry::ReadDword(HKEY_CURRENT_USER, key, ColorName(i), moved);
            CKwRegistry::WriteDword(HKEY_CURRENT_USER, key, ColorName(i - 1), moved);
        }
        CKwRegistry::WriteDword(HKEY_CURRENT_USER, key, ColorName(MaxAdditional - 1), color);
        return;
    }
    count++;
    CKwRegistry::WriteDword(HKEY_CURRENT_USER, key, "AdditionalColors", (unsigned long)count);
    CKwRegistry::WriteDword(HKEY_CURRENT_USER, key, ColorName(count - 1), color);
}

void CKwColorPicker::SetCellColors()
{
    m_nAdditional = ReadAdditionalCount(m_nID);
    m_CellColors.assign(CKwColorPickerLayout::PaletteSize + m_nAdditional + 1, kUnreadable);
    for (int i = 0; i < CKwColorPickerLayout::PaletteSize; i++)
        m_CellColors[i] = CKwColorPickerLayout::PaletteColor(i);
    CString key = RegistryKey(m_nID);
    for (int i = 0; i < m_nAdditional; i++)
    {
        unsigned long color = kUnreadable;
        CKwRegistry::ReadDword(HKEY_CURRENT_USER, key, ColorName(i), color);
        m_CellColors[CKwColorPickerLayout::PaletteSize + i] = color;
    }
}

bool CKwColorPicker::FindCell(COLORREF color, int& nRow, int& nCol) const
{
    bool bFound = false;
    int nCells = CKwColorPickerLayout::PaletteSize + m_nAdditional;
    for (int i = 0; i < nCells && i < (int)m_CellColors.size(); i++)
        if (m_CellColors[i] == color)
        {
            nRow = i / CKwColorPickerLayout::Columns + 1;
            nCol = i % CKwColorPickerLayout::Columns + 1;
            bFound = true;
        }
    return bFound;
}

int CKwColorPicker::Create(CWnd* parent, int selectedID, COLORREF color, const CPoint& position,
                           CButtonArray& topButtons, CButtonArray& bottomButtons, CString otherColorsText, int id)
{
    if (m_hWnd != NULL)
        DestroyWindow();
    m_pParent = parent;
    m_nID = id;
    m_bMouseDown = 0;
    m_nHoverButton = -1;
    m_nHoverRow = m_nHoverCol = 0;
    m_nSelButton = -1;
    m_nSelRow = m_nSelCol = 0;

    bool bRead = false;
    ReadAdditionalCount(id, &bRead);
    if (!bRead)
        CKwRegistry::WriteDword(HKEY_CURRENT_USER, RegistryKey(id), "AdditionalColors", 0);
    SetCellColors();

    bool bButtonFound = false;
    if (selectedID != -1)
    {
        for (int group = 0; group < 2; group++)
        {
            CButtonArray& buttons = group == 0 ? topButtons : bottomButtons;
            for (int i = 0; i < buttons.GetSize(); i++)
                if (buttons[i].nID == selectedID)
                {
                    m_bSelButtonTop = group == 0;
                    m_nSelButton = group == 0 ? i : i + 1; // the built-in button comes first below
                    m_nSelButtonCommand = buttons[i].bCommand;
                    bButtonFound = true;
                }
        }
    }
    m_Color = color;
    if (bButtonFound)
        m_bColorSelected = 0;
    else
    {
        // A colour, also when no button has the asked-for identifier.
        m_bColorSelected = 1;
        if (!FindCell(color, m_nSelRow, m_nSelCol))
        {
            AddAdditionalColor(id, color);
            SetCellColors();
            FindCell(color, m_nSelRow, m_nSelCol);
        }
    }

    m_TopButtons.RemoveAll();
    m_TopButtons.Append(topButtons);
    m_BottomButtons.RemoveAll();
    CSpecialButton other;
    other.nID = 0;
    other.strText = otherColorsText;
    other.bCommand = 1;
    m_BottomButtons.Add(other);
    m_BottomButtons.Append(bottomButtons);

    m_nDpi = CKwDpi::ForWindow(parent != NULL ? parent->GetSafeHwnd() : NULL);
    const CSize size = WindowSize();
    CString strClass = AfxRegisterWndClass(0);
    if (!CreateEx(0, strClass, "KwColorPicker", WS_POPUP | WS_CHILD | WS_VISIBLE | WS_DLGFRAME, position.x,
                  position.y, size.cx, size.cy, parent != NULL ? parent->GetSafeHwnd() : NULL, NULL))
    {
        m_CellColors.clear();
        return 0;
    }
    SetFocus();
    return 1;
}

int CKwColorPicker::GetID() const
{
    if (m_bColorSelected || m_nSelButton < 0)
        return -1;
    return Button(m_bSelButtonTop != 0, m_nSelButton).nID;
}

CSize CKwColorPicker::WindowSize() const
{
    int cx = 0, cy = 0;
    CKwColorPickerLayout::OuterSize((int)m_TopButtons.GetSize(), (int)m_BottomButtons.GetSize(), m_nAdditional > 0,
                                    cx, cy);
    return CSize(CKwDpi::Scale(cx, m_nDpi), CKwDpi::Scale(cy, m_nDpi));
}

CRect CKwColorPicker::LayoutClient() const
{
    CRect rect(0, 0, 0, 0);
    if (m_hWnd != NULL)
        GetClientRect(&rect);
    return CRect(0, 0, CKwDpi::Unscale(rect.right, m_nDpi), CKwDpi::Unscale(rect.bottom, m_nDpi));
}

CPoint CKwColorPicker::ToLayout(CPoint point) const
{
    return CPoint(CKwDpi::Unscale(point.x, m_nDpi), CKwDpi::Unscale(point.y, m_nDpi));
}

LRESULT CKwColorPicker::OnDpiChanged(WPARAM wParam, LPARAM)
{
    m_nDpi = CKwDpi::FromMessage(m_hWnd, WM_DPICHANGED, wParam);
    const CSize size = WindowSize();
    SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(FALSE);
    return 0;
}

CKwColorPickerLayout CKwColorPicker::Layout() const
{
    return CKwColorPickerLayout((int)m_TopButtons.GetSize(), (int)m_BottomButtons.GetSize(), m_nAdditional,
                                LayoutClient().Width());
}

const CKwColorPicker::CSpecialButton& CKwColorPicker::Button(bool bTop, int nIndex) const
{
    return bTop ? m_TopButtons[nIndex] : m_BottomButtons[nIndex];
}

CKwColorPicker::ELook CKwColorPicker::CellLook(int nRow, int nCol) const
{
    bool bSelected = m_bColorSelected && nRow == m_nSelRow && nCol == m_nSelCol;
    if (nRow == m_nHoverRow && nCol == m_nHoverCol)
        return bSelected || m_bMouseDown ? LookPressed : LookHover;
    return bSelected ? LookSelected : LookPlain;
}

CKwColorPicker::ELook CKwColorPicker::ButtonLook(bool bTop, int nIndex) const
{
    bool bSelected = !m_bColorSelected && m_nSelButton == nIndex && (m_bSelButtonTop != 0) == bTop &&
                     m_nSelButtonCommand == 0;
    if (m_nHoverButton == nIndex && (m_bHoverButtonTop != 0) == bTop)
        return bSelected || m_bMouseDown ? LookPressed : LookHover;
    return bSelected ? LookSelected : LookPlain;
}

void CKwColorPicker::DrawHighlight(CDC& dc, const CRect& rect, ELook look)
{
    COLORREF light = CKwPalette::Get(CKwPalette::eFaceLight);
    COLORREF shadow = CKwPalette::Get(CKwPalette::eFaceShadow);
    COLORREF even = CKwPalette::Get(CKwPalette::eButtonLight);
    COLORREF odd = CKwPalette::Get(CKwPalette::ePickerFrameLight);
    if (look == LookSelected)
        for (int dy = 0; dy < rect.Height(); dy++)
            for (int dx = 0; dx < rect.Width(); dx++)
                dc.FillSolidRect(rect.left + dx, rect.top + dy, 1, 1, (dx + dy) % 2 == 0 ? even : odd);
    if (look == LookHover)
        DrawEdge(dc, rect.left, rect.top, rect.Width() - 1, rect.Height() - 1, light, shadow);
    else if (look != LookPlain)
        DrawEdge(dc, rect.left, rect.top, rect.Width() - 1, rect.Height() - 1, shadow, light);
}

void CKwColorPicker::DrawCell(CDC& dc, int nRow, int nCol)
{
    int x = 0, y = 0;
    Layout().CellOrigin(nRow, nCol, x, y);
    const CPoint origin(x, y);
    int index = (nRow - 1) * CKwColorPickerLayout::Columns + (nCol - 1);
    dc.FillSolidRect(origin.x - 4, origin.y - 4, 20, 20, CKwPalette::Get(CKwPalette::eFace));
    DrawHighlight(dc, CRect(origin.x - 3, origin.y - 3, origin.x + 15, origin.y + 15), CellLook(nRow, nCol));
    CBrush grey(CKwPalette::Get(CKwPalette::ePickerFrame));
    CRect cell(origin.x, origin.y, origin.x + CKwColorPickerLayout::CellSize,
               origin.y + CKwColorPickerLayout::CellSize);
    dc.FrameRect(&cell, &grey);
    dc.FillSolidRect(origin.x + 1, origin.y + 1, 11, 11, m_CellColors[index]);
}

void CKwColorPicker::DrawButton(CDC& dc, bool bTop, int nIndex)
{
    int W = LayoutClient().Width();
    int top = Layout().ButtonTop(bTop, nIndex);
    CRect frame(CKwColorPickerLayout::Margin, top, W - CKwColorPickerLayout::Margin,
                top + CKwColorPickerLayout::ButtonHeight);
    dc.FillSolidRect(2, frame.top - 3, W - 4, 24, CKwPalette::Get(CKwPalette::eFace));
    DrawHighlight(dc, CRect(2, frame.top - 3, W - 2, frame.top + 20), ButtonLook(bTop, nIndex));
    CBrush grey(CKwPalette::Get(CKwPalette::ePickerFrame));
    dc.FrameRect(&frame, &grey);

    const CString& text = Button(bTop, nIndex).strText;
    // The GUI font is the screen's; through the scaled mapping it is given at 96 DPI.
    CFont font;
    const UINT nFontDpi = m_nDpi != CKwDpi::kDefault ? CKwDpi::kDefault : CKwDpi::ForWindow(NULL);
    CFont* pOldFont = dc.SelectObject(CFont::FromHandle(CKwDpi::GuiFont(nFontDpi, font)));
    CSize extent = dc.GetTextExtent(text);
    int nOldMode = dc.SetBkMode(TRANSPARENT);
    COLORREF clrOldText = dc.SetTextColor(CKwPalette::Get(CKwPalette::ePickerText));
    dc.TextOut((W - extent.cx) / 2, frame.top + (CKwColorPickerLayout::ButtonHeight - extent.cy) / 2 + 1, text);
    dc.SetTextColor(clrOldText);
    dc.SetBkMode(nOldMode);
    dc.SelectObject(pOldFont);
}

void CKwColorPicker::Draw(CDC& dc)
{
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, CKwPalette::Get(CKwPalette::eFace));
    if (m_CellColors.empty())
        return;
    // At another DPI the 96-DPI figures go through a scaled mapping: cells, frames and text grow alike.
    const int nSaved = m_nDpi != CKwDpi::kDefault ? dc.SaveDC() : 0;
    if (nSaved != 0)
    {
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(CKwDpi::kDefault, CKwDpi::kDefault);
        dc.SetViewportExt(m_nDpi, m_nDpi);
        client = LayoutClient();
    }
    for (int i = 0; i < m_TopButtons.GetSize(); i++)
        DrawButton(dc, true, i);
    for (int i = 0; i < m_BottomButtons.GetSize(); i++)
        DrawButton(dc, false, i);
    for (int row = 1; row <= CKwColorPickerLayout::Rows; row++)
        for (int col = 1; col <= CKwColorPickerLayout::Columns; col++)
            DrawCell(dc, row, col);
    for (int col = 1; col <= m_nAdditional; col++)
        DrawCell(dc, CKwColorPickerLayout::AdditionalRow, col);
    if (m_nAdditional > 0)
    {
        CKwColorPickerLayout layout = Layout();
        for (int which = 0; which < 2; which++)
        {
            dc.FillSolidRect(2, layout.SeparatorY(which), client.Width() - 4, 1, CKwPalette::Get(CKwPalette::ePickerFrame));
            dc.FillSolidRect(2, layout.SeparatorY(which) + 1, client.Width() - 4, 1,
                CKwPalette::Get(CKwPalette::ePickerFrameLight));
        }
    }
    if (nSaved != 0)
        dc.RestoreDC(nSaved);
}

void CKwColorPicker::OnPaint()
{
    CMemDC::PaintWindow(this, [this](CDC& dc) { Draw(dc); });
}

bool CKwColorPicker::TrackHover(const CPoint& ptClient)
{
    const CPoint point = ToLayout(ptClient);
    CKwColorPickerLayout layout = Layout();
    int nRow = 0, nCol = 0, nButton = -1;
    bool bTop = false;
    if (!layout.CellsHitTest(point.x, point.y, nRow, nCol))
        nRow = nCol = 0;
    if (!layout.ButtonsHitTest(point.x, point.y, bTop, nButton))
        nButton = -1;
    bool bChanged = nRow != m_nHoverRow || nCol != m_nHoverCol || nButton != m_nHoverButton ||
                    (nButton >= 0 && bTop != (m_bHoverButtonTop != 0));
    m_nHoverRow = nRow;
    m_nHoverCol = nCol;
    m_nHoverButton = nButton;
    m_bHoverButtonTop = bTop;
    m_nHoverButtonCommand = nButton >= 0 ? Button(bTop, nButton).bCommand : 0;
    return bChanged;
}

void CKwColorPicker::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    SetCapture();
    if (TrackHover(point))
    {
        Invalidate(FALSE);
        UpdateWindow();
    }
}

void CKwColorPicker::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDown(nFlags, point);
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point))
    {
        ReleaseCapture();
        Close();
        return;
    }
    m_bMouseDown = 1;
    TrackHover(point);
    Invalidate(FALSE);
    UpdateWindow();
}

void CKwColorPicker::Close()
{
    // Losing the focus reports the selection and destroys the window.
    if (m_pParent != NULL && ::IsWindow(m_pParent->GetSafeHwnd()))
        m_pParent->SetFocus();
    else if (m_hWnd != NULL)
        ::SetFocus(NULL);
}

void CKwColorPicker::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);
    m_bMouseDown = 0;
    point = ToLayout(point);
    CKwColorPickerLayout layout = Layout();
    int nRow = 0, nCol = 0, nButton = -1;
    bool bTop = false;
    if (layout.CellsHitTest(point.x, point.y, nRow, nCol))
    {
        m_bColorSelected = 1;
        m_Color = m_CellColors[(nRow - 1) * CKwColorPickerLayout::Columns + (nCol - 1)];
        m_nSelRow = nRow;
        m_nSelCol = nCol;
        m_nSelButton = -1;
        ReleaseCapture();
        Close();
        return;
    }
    if (!layout.ButtonsHitTest(point.x, point.y, bTop, nButton))
        return;
    const CSpecialButton button = Button(bTop, nButton);
    if (!button.bCommand)
    {
        m_bColorSelected = 0;
        m_bSelButtonTop = bTop;
        m_nSelButton = nButton;
        m_nSelButtonCommand = 0;
        m_nSelRow = m_nSelCol = 0;
        ReleaseCapture();
        Close();
        return;
    }
    if (!bTop && button.nID == 0)
    {
        ChooseOtherColor();
        return;
    }
    ReleaseCapture();
    Close();
    m_nSelRow = m_nSelCol = 0;
    if (m_pClient != NULL)
        m_pClient->KwColorPickerClient_OnSpecialButton((UINT)button.nID, this);
}

void CKwColorPicker::ChooseOtherColor()
{
    // The dialog takes the focus, so the popup reports its selection and closes first.
    ReleaseCapture();
    CColorDialog dialog(m_Color, CC_FULLOPEN, NULL);
    if (dialog.DoModal() != IDOK)
        return;
    m_bColorSelected = 1;
    m_Color = dialog.GetColor();
    SetCellColors();
    int nRow = 0, nCol = 0;
    if (!FindCell(m_Color, nRow, nCol))
        AddAdditionalColor(m_nID, m_Color);
    if (m_hWnd == NULL)
        m_CellColors.clear();
    if (m_pClient != NULL)
        m_pClient->KwColorPickerClient_OnSelectionChanged(this);
}

void CKwColorPicker::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (m_pClient != NULL)
        m_pClient->KwColorPickerClient_OnSelectionChanged(this);
    DestroyWindow();
}

void CKwColorPicker::OnDestroy()
{
    if (GetCapture() == this)
        ReleaseCapture();
    CWnd::OnDestroy();
    m_CellColors.clear();
}
