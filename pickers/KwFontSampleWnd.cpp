// KwFontSampleWnd.cpp: the font pickers' window, button, layout and sample.
#include "pickers/KwFontSampleWnd.h"
#include "core/KwDpi.h"
#include "core/KwPalette.h"

#include "core/KwPlaceholder.h"
#include "core/MemDC.h"
#include "res/resource.h"

#include <algorithm>
#include <string.h>

BEGIN_MESSAGE_MAP(CKwFontSampleWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_BN_CLICKED(CKwFontSampleWnd::ChooseButtonId, OnChooseClicked)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChanged)
END_MESSAGE_MAP()

CKwFontSampleWnd::CKwFontSampleWnd() : m_nButtonWidth(50), m_nDpi(CKwDpi::kDefault)
{
    memset(&m_logFont, 0, sizeof(m_logFont));
}

BOOL CKwFontSampleWnd::Create(UINT nID, CWnd* pParent, const CRect& rect)
{
    CString strClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    return CWnd::Create(strClass, NULL, WS_CHILD | WS_VISIBLE, rect, pParent, nID);
}

BOOL CKwFontSampleWnd::Initialize(UINT nID, CWnd* pParent, DWORD dwExStyle)
{
    return CKwPlaceholder::Replace(nID, pParent, dwExStyle, this,
                                   [&](const CRect& rect) { return Create(nID, pParent, rect); });
}

CRect CKwFontSampleWnd::ButtonRect(const CRect& client, UINT nButtonWidth, UINT nDpi)
{
    CRect rect = client;
    const int nInset = CKwDpi::Scale(2, nDpi);
    rect.DeflateRect(nInset, nInset);
    rect.left = std::max(rect.left, rect.right - (LONG)CKwDpi::Scale((int)nButtonWidth, nDpi));
    return rect;
}

CRect CKwFontSampleWnd::SampleRect(const CRect& client, UINT nButtonWidth, UINT nButtonOffset, UINT nDpi)
{
    CRect rect = client;
    rect.DeflateRect(0, CKwDpi::Scale(3, nDpi));
    rect.right = std::max(rect.left, client.right - (LONG)CKwDpi::Scale((int)(nButtonOffset + nButtonWidth), nDpi));
    return rect;
}

void CKwFontSampleWnd::Refresh()
{
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

int CKwFontSampleWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CString caption;
    caption.LoadString(IDS_KW_CHOOSE);
    if (!m_button.Create(caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 0, 0), this, ChooseButtonId))
        return -1;
    m_nDpi = CKwDpi::ForWindow(m_hWnd);
    LayOut();
    // The face behind the sample and the button in the look's colour.
    CKwPalette::FollowInDialog(m_hWnd);
    return 0;
}

void CKwFontSampleWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_button.m_hWnd != NULL)
        m_button.MoveWindow(ButtonRect(CRect(0, 0, cx, cy), m_nButtonWidth, m_nDpi));
}

void CKwFontSampleWnd::LayOut()
{
    m_button.SetFont(CFont::FromHandle(CKwDpi::GuiFont(m_nDpi, m_buttonFont)));
    CRect client;
    GetClientRect(&client);
    m_button.MoveWindow(ButtonRect(client, m_nButtonWidth, m_nDpi));
}

// A move to a monitor of another DPI: the host sizes the window, the picker its button.
LRESULT CKwFontSampleWnd::OnDpiChanged(WPARAM wParam, LPARAM)
{
    m_nDpi = CKwDpi::FromMessage(m_hWnd, WM_DPICHANGED, wParam);
    if (m_button.m_hWnd != NULL)
        LayOut();
    Invalidate(TRUE);
    return 0;
}

void CKwFontSampleWnd::OnPaint()
{
    CMemDC::PaintWindow(this, [this](CDC& dc) { DrawSample(dc); });
}

void CKwFontSampleWnd::DrawSample(CDC& dc)
{
    CRect client;
    GetClientRect(&client);
    CRect sample = SampleRect(client, m_nButtonWidth, SampleOffset(), m_nDpi);
    dc.Draw3dRect(&sample, CKwPalette::Get(CKwPalette::eFaceShadow), CKwPalette::Get(CKwPalette::eFaceLight));
    CFont font;
    font.CreateFontIndirect(&m_logFont);
    CFont* pOldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    COLORREF color = 0;
    if (SampleColor(color))
    {
        // The text's own colour; on the dark look's face a dark one gets the classic face behind
        // it, where it reads as it will where the font is used.
        if (CKwPalette::IsDark() && CKwPalette::IsDarkColor(color) && CKwPalette::IsDarkColor(CKwPalette::Get(CKwPalette::eFace)))
        {
            CRect inside = sample;
            inside.DeflateRect(1, 1);
            dc.FillSolidRect(&inside, ::GetSysColor(COLOR_BTNFACE));
        }
        dc.SetTextColor(color);
    }
    else if (CKwPalette::IsDark())
        dc.SetTextColor(CKwPalette::Get(CKwPalette::eFaceText));
    dc.DrawText("AaBbCc", &sample, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SelectObject(pOldFont);
}

void CKwFontSampleWnd::OnChooseClicked()
{
    OnChoose();
}
