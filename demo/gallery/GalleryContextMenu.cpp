// GalleryContextMenu.cpp: a bar holding a page holding a view; right-clicking the view gives a
// menu of the view's, the page's and the bar's commands. Beside them a normal and a flat combo.
#include "GalleryContextMenu.h"
#include "Gallery.h"

#include "core/KwMenu.h"
#include "core/KwWindow.h"
#include "pickers/KwComboBox.h"
#include "res/resource.h"

#include <afxwin.h>

namespace {

// A pane that names itself, adds one command and hands the menu on.
class CPaneWnd : public CWnd, public CKwWindow
{
public:
    CPaneWnd(const char* pszCommand, UINT nID, COLORREF colour) : m_pszCommand(pszCommand), m_nID(nID), m_colour(colour) {}
    void CKwWindow_OnExtendContextMenu(CMenu& menu) override
    {
        menu.AppendMenu(MF_STRING, m_nID, m_pszCommand);
        CKwWindow::CKwWindow_OnExtendContextMenu(menu);
    }
    afx_msg void OnPaint()
    {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(m_hWnd, &ps);
        CRect rc;
        GetClientRect(&rc);
        HBRUSH hBrush = ::CreateSolidBrush(m_colour);
        ::FillRect(hDC, &rc, hBrush);
        ::DeleteObject(hBrush);
        ::SetBkMode(hDC, TRANSPARENT);
        HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
        CString strText;
        GetWindowText(strText);
        ::TextOutA(hDC, 6, 4, strText, strText.GetLength());
        ::SelectObject(hDC, hOld);
        ::EndPaint(m_hWnd, &ps);
    }
    const char* m_pszCommand;
    UINT m_nID;
    COLORREF m_colour;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaneWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// The outermost window: a control bar's commands, and the end of the chain. It pictures the
// menu once it shows, then closes it.
class CBarWnd : public CWnd, public CKwWindow
{
public:
    const char* m_pszFolder = "";
    bool m_bMenuSaved = false;
    void CKwWindow_OnExtendContextMenu(CMenu& menu) override
    {
        CKwMenu::AddContextMenuCommands(menu, IDR_KW_CONTEXT_MENUS, "KwControlBar");
    }
    afx_msg void OnInitMenuPopup(CMenu*, UINT, BOOL) { SetTimer(1, 200, NULL); }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        HWND hMenu = ::FindWindowA("#32768", NULL);
        m_bMenuSaved = hMenu != NULL && GallerySaveWindow(hMenu, m_pszFolder, "context-menu");
        ::PostMessageA(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBarWnd, CWnd)
    ON_WM_INITMENUPOPUP()
    ON_WM_TIMER()
END_MESSAGE_MAP()

} // namespace

bool GalleryContextMenu(const char* pszFolder)
{
    CBarWnd bar;
    bar.m_pszFolder = pszFolder;
    if (!GalleryCreateHost(bar, "Bar: context menus and combo boxes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 480, 300))
        return false;
    CPaneWnd page("Page Setup...", 101, RGB(0xDD, 0xE8, 0xF6));
    CPaneWnd view("Copy Cell", 102, RGB(0xFF, 0xF4, 0xD6));
    page.Create(NULL, "Page (adds \"Page Setup...\")", WS_CHILD | WS_VISIBLE | WS_BORDER,
        GalleryScaled(10, 10, 250, 250), &bar, 1);
    view.Create(NULL, "View (adds \"Copy Cell\")", WS_CHILD | WS_VISIBLE | WS_BORDER,
        GalleryScaled(10, 30, 226, 226), &page, 2);

    CFont* pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    CWnd normalLabel, flatLabel;
    normalLabel.Create("STATIC", "Normal CKwComboBox:", WS_CHILD | WS_VISIBLE, GalleryScaled(270, 20, 460, 36),
        &bar, 3);
    flatLabel.Create("STATIC", "Flat CKwComboBox (m_bFlat):", WS_CHILD | WS_VISIBLE,
        GalleryScaled(270, 80, 460, 96), &bar, 4);
    normalLabel.SetFont(pFont);
    flatLabel.SetFont(pFont);
    CKwComboBox normal, flat;
    flat.m_bFlat = TRUE;
    normal.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, GalleryScaled(270, 40, 450, 200), &bar, 5);
    flat.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, GalleryScaled(270, 100, 450, 260), &bar, 6);
    for (CKwComboBox* pCombo : {&normal, &flat})
    {
        pCombo->SetFont(pFont);
        pCombo->AddString("Structural steel");
        pCombo->AddString("Reinforced concrete");
        pCombo->SetCurSel(0);
    }
    bar.UpdateWindow();
    GalleryPump(300);
    bool bCombos = GallerySaveWindow(bar.m_hWnd, pszFolder, "combo-boxes");

    // Right-click in the view: it and its enclosing windows fill the menu, the bar shows it.
    CKwMenu menu;
    menu.CreatePopupMenu();
    view.CKwWindow_OnExtendContextMenu(menu);
    CPoint pt(120, 120);
    view.ClientToScreen(&pt);
    bar.SetForegroundWindow();
    menu.TrackPopupMenu(&bar, pt);
    GalleryPump(1500);
    bar.DestroyWindow();
    return bCombos && bar.m_bMenuSaved;
}
