// GalleryPopups.cpp: the completion window over an editor, links in a dialog and the static tip,
// saved from the screen.
#include "GalleryPopups.h"
#include "Gallery.h"

#include "core/KwPalette.h"
#include "tips/KwHyperLink.h"
#include "tips/KwIntelliSenseItemImpl.h"
#include "tips/KwIntelliSenseWindow.h"
#include "tips/KwStaticToolTipCtrl.h"

#include <vector>

namespace {

// A host's completions for a small formula language; it keeps its items as long as the list.
class CFormulaCompletions : public IKwIntelliSenseClient
{
public:
    std::vector<CKwIntelliSenseItemImpl> m_items;
    CFormulaCompletions()
    {
        m_items.emplace_back("Sin(x)", 0, "Sin(x): the sine of the angle x, in radians.");
        m_items.emplace_back("Sinh(x)", 0, "Sinh(x): the hyperbolic sine of x.");
        m_items.emplace_back("Sqrt(x)", 0, "Sqrt(x): the square root of x; x must not be negative.");
        m_items.emplace_back("Span", 0, "Span: the length of the current span, in metres.");
        m_items.emplace_back("Sum(a, b, ...)", 0, "Sum: adds its arguments.");
        m_items.emplace_back("Tan(x)", 0, "Tan(x): the tangent of x.");
        m_items.emplace_back("Width", 0, "Width: the section's width, in metres.");
    }
    CImageList* IKwIntelliSenseClient_GetImageList() override { return NULL; }
    UINT IKwIntelliSenseClient_GetItemCount() override { return (UINT)m_items.size(); }
    IKwIntelliSenseItem* IKwIntelliSenseClient_GetItem(int n) override { return &m_items[n]; }
    void IKwIntelliSenseClient_ReplaceText(int, int, CString, int) override {}
    void IKwIntelliSenseClient_OnClose() override {}
};

// A captioned window with an edit control holding the line being typed.
HWND MakeEditorWindow(CWnd& frame, const char* pszTitle, const char* pszText, CRect rc)
{
    frame.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)), pszTitle,
        WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, rc, NULL, 0);
    HWND hEdit = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", pszText, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
        GalleryScaled(10), GalleryScaled(10), rc.Width() - GalleryScaled(30), GalleryScaled(24), frame.m_hWnd,
            (HMENU)100, NULL, NULL);
    ::SendMessage(hEdit, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    return hEdit;
}

bool SaveCompletion(const char* pszFolder)
{
    CWnd frame;
    MakeEditorWindow(frame, "Formula", "Load = 2 * Si", GalleryScaled(60, 60, 460, 160));
    CFormulaCompletions client;
    CKwIntelliSenseWindow list(&client);
    list.Start("Load = 2 * Si", CPoint(GalleryScaled(84), GalleryScaled(14)), CPoint(GalleryScaled(84),
        GalleryScaled(30)), &frame);
    GalleryPump(300);
    bool bSaved = GallerySaveScreen(GalleryScaled(50, 50, 700, 400), pszFolder, "completion");
    list.DestroyWindow();
    frame.DestroyWindow();
    return bSaved;
}

bool SaveHyperLinks(const char* pszFolder)
{
    CWnd dlg;
    dlg.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)), "About",
        WS_OVERLAPPED | WS_CAPTION, GalleryScaled(60, 60, 360, 200), NULL, 0);
    // A host's window follows the look as the toolkit's dialogs do, before it shows.
    CKwPalette::FollowInDialog(dlg.m_hWnd);
    dlg.ShowWindow(SW_SHOW);
    const char* texts[] = {"Project home page", "Send a report", "Plain text, not a link"};
    for (int i = 0; i < 3; i++)
    {
        HWND h = ::CreateWindowA("STATIC", texts[i], WS_CHILD | WS_VISIBLE, GalleryScaled(16),
            GalleryScaled(16 + 28 * i), GalleryScaled(250), GalleryScaled(18), dlg.m_hWnd,
            (HMENU)(INT_PTR)(200 + i), NULL, NULL);
        ::SendMessage(h, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    }
    CKwHyperLink home, report;
    home.CreateLink(dlg.m_hWnd, 200, "http://example.org/");
    report.CreateLink(dlg.m_hWnd, 201, "mailto:support@example.org");
    // The mouse over the second link: underlined.
    ::SendMessage(::GetDlgItem(dlg.m_hWnd, 201), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    GalleryPump(200);
    bool bSaved = GallerySaveWindow(dlg.m_hWnd, pszFolder, "hyperlink");
    ::ReleaseCapture();
    dlg.DestroyWindow();
    return bSaved;
}

bool SaveStaticTip(const char* pszFolder)
{
    CWnd frame;
    MakeEditorWindow(frame, "Section", "Width", GalleryScaled(60, 60, 360, 160));
    CKwStaticToolTipCtrl tip;
    tip.Create(&frame);
    CRect anchor;
    ::GetWindowRect(::GetDlgItem(frame.m_hWnd, 100), &anchor);
    anchor.right = anchor.left + GalleryScaled(60);
    tip.Update(anchor, "Width: the section's width, in metres. It must be greater than the thickness of both webs.");
    GalleryPump(200);
    bool bSaved = GallerySaveScreen(GalleryScaled(50, 50, 900, 200), pszFolder, "static-tip");
    tip.DestroyWindow();
    frame.DestroyWindow();
    return bSaved;
}

} // namespace

bool GalleryPopups(const char* pszFolder)
{
    bool bCompletion = SaveCompletion(pszFolder);
    bool bLinks = SaveHyperLinks(pszFolder);
    return SaveStaticTip(pszFolder) && bCompletion && bLinks;
}
