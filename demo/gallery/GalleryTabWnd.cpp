// GalleryTabWnd.cpp: tab windows holding edit controls and a list view as their pages, the way a
// tabbed document window and a docking bar hold their views.
#include "GalleryTabWnd.h"
#include "Gallery.h"

#include "CBCGPTabWnd.h"

#include <afxcmn.h>
#include <afxwin.h>

#include <memory>
#include <vector>

namespace {

// The pages live as long as the picture: the tab windows never destroy them.
struct Pages
{
    std::vector<std::unique_ptr<CWnd>> windows;

    CWnd* Text(CWnd* pParent, const char* pszText)
    {
        CEdit* pEdit = new CEdit;
        windows.emplace_back(pEdit);
        pEdit->Create(WS_CHILD | ES_MULTILINE | ES_READONLY, GalleryScaled(0, 0, 0, 0), pParent, 0);
        pEdit->SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT));
        pEdit->SetWindowText(pszText);
        return pEdit;
    }
    CWnd* Sections(CWnd* pParent)
    {
        CListCtrl* pList = new CListCtrl;
        windows.emplace_back(pList);
        pList->Create(WS_CHILD | LVS_REPORT, GalleryScaled(0, 0, 0, 0), pParent, 0);
        pList->InsertColumn(0, "Section", LVCFMT_LEFT, GalleryScaled(80));
        pList->InsertColumn(1, "Area (cm2)", LVCFMT_RIGHT, GalleryScaled(75));
        static const char* const s_rows[][2] = {{"HEA 200", "53.8"}, {"IPE 300", "53.8"}, {"UPN 160", "24.0"}};
        for (int i = 0; i < 3; i++)
        {
            pList->InsertItem(i, s_rows[i][0]);
            pList->SetItemText(i, 1, s_rows[i][1]);
        }
        return pList;
    }
};

} // namespace

bool GalleryTabWnd(const char* pszFolder)
{
    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0, NULL, ::GetSysColorBrush(COLOR_3DFACE)), "Tab windows",
            WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, GalleryScaled(40), GalleryScaled(40), GalleryScaled(520),
                GalleryScaled(210), NULL, NULL))
        return false;
    Pages pages;
    // A tabbed document's strip: flat, at the bottom, the page reaching the edges.
    CBCGPTabWnd flat;
    flat.SetTabBorderSize(0, TRUE);
    bool bMade = flat.Create(CBCGPTabWnd::STYLE_FLAT, GalleryScaled(10, 10, 255, 200), &host, 1,
        CBCGPTabWnd::LOCATION_BOTTOM) != FALSE;
    if (bMade)
    {
        flat.AddTab(pages.Text(&host, "Ground floor\r\nSpan 6.40 m\r\nLoad 5.0 kN/m2"), "Plan");
        flat.AddTab(pages.Sections(&host), "Sections");
        flat.AddTab(pages.Text(&host, "Dead load\r\nImposed load\r\nWind"), "Load cases");
        flat.SetActiveTab(1);
    }
    // A bar's pages: raised tabs at the top, with a close button.
    CBCGPTabWnd raised;
    bMade = bMade && raised.Create(CBCGPTabWnd::STYLE_3D, GalleryScaled(265, 10, 510, 200), &host, 2,
        CBCGPTabWnd::LOCATION_TOP, TRUE);
    if (bMade)
    {
        raised.AddTab(pages.Text(&host, "Beam B12\r\nHEA 200, S235"), "Properties");
        raised.AddTab(pages.Text(&host, "Checked: 14 members\r\nFailed: none"), "Output");
        raised.AddTab(pages.Text(&host, ""), "Find results");
    }
    bool bSaved = false;
    if (bMade)
    {
        host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        GalleryPump(200);
        bSaved = GallerySaveWindow(host.m_hWnd, pszFolder, "tab-window");
    }
    host.DestroyWindow();
    return bSaved;
}
