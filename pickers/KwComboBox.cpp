// KwComboBox.cpp: the flat frame over the combo's own painting, and the edit-field lookup.
#include "pickers/KwComboBox.h"
#include "core/KwPalette.h"

IMPLEMENT_DYNCREATE(CKwComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CKwComboBox, CComboBox)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, &CKwComboBox::OnPrintClient)
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
    if (m_bFlat)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        DrawFlatFrame((HDC)wParam, rcClient);
    }
    return lResult;
}
