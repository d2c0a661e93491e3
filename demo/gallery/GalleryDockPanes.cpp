// GalleryDockPanes.cpp: an IDE-like frame: a project tree and a class list on the left, a
// property list on the right, an output window below, a floating search pane and a status bar.
#include "GalleryDockPanes.h"
#include "Gallery.h"
#include "GalleryDockFrame.rh"

#include "CBCGPDockingControlBar.h"
#include "CBCGPDockingMarkers.h"
#include "CBCGPMDIChildWnd.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMiniFrameWnd.h"
#include "CBCGPStatusBar.h"
#include "CBCGPVisualManagerXP.h"

#include <afxcmn.h>
#include <afxwin.h>
#include <commctrl.h>

#include <memory>
#include <vector>

namespace {

// A pane whose one child control fills it.
class CGalleryPane : public CBCGPDockingControlBar
{
public:
    HWND m_hChild = NULL;
    BOOL MakeChild(LPCSTR lpszClass, DWORD dwStyle, DWORD dwExStyle = 0)
    {
        m_hChild = ::CreateWindowExA(dwExStyle, lpszClass, "", WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 10, 10, m_hWnd,
            NULL, ::GetModuleHandleA(NULL), NULL);
        ::SendMessageA(m_hChild, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
        Fit();
        return m_hChild != NULL;
    }
    void Fit()
    {
        CRect rect;
        GetClientRect(&rect);
        if (m_hChild != NULL)
            ::SetWindowPos(m_hChild, NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        CBCGPDockingControlBar::OnSize(nType, cx, cy);
        Fit();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CGalleryPane, CBCGPDockingControlBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

void FillTree(HWND hTree)
{
    TVINSERTSTRUCTA item = {};
    item.hInsertAfter = TVI_LAST;
    item.item.mask = TVIF_TEXT;
    item.item.pszText = (LPSTR) "Bridge.kwp";
    HTREEITEM hRoot = (HTREEITEM)::SendMessageA(hTree, TVM_INSERTITEMA, 0, (LPARAM)&item);
    static const char* const s_children[] = {"Spans", "Piers", "Loads", "Sections"};
    for (const char* pszChild : s_children)
    {
        item.hParent = hRoot;
        item.item.pszText = (LPSTR)pszChild;
        ::SendMessageA(hTree, TVM_INSERTITEMA, 0, (LPARAM)&item);
    }
    ::SendMessageA(hTree, TVM_EXPAND, TVE_EXPAND, (LPARAM)hRoot);
}

void FillList(HWND hList, const char* const* ppszLines, int nLines)
{
    for (int i = 0; i < nLines; i++)
        ::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)ppszLines[i]);
}

// A mouse message at a screen point, to the window holding the capture (else hWnd).
void SendMouse(HWND hWnd, UINT message, CPoint point, WPARAM wParam = 0)
{
    HWND hTarget = ::GetCapture() != NULL ? ::GetCapture() : hWnd;
    ::ScreenToClient(hTarget, &point);
    ::SendMessageA(hTarget, message, wParam, MAKELPARAM(point.x, point.y));
}

// Drags the floating pane by its mini frame's caption over the bottom marker of target and saves
// the screen there, the markers and the outline of the pane's place shown; then lets go, so that
// the pane docks below target.
bool SaveDragPicture(CGalleryPane& pane, CWnd& target, const CRect& rectAll, const char* pszFolder)
{
    CRect rect;
    pane.GetParentMiniFrame()->GetWindowRect(&rect);
    // Held near its right end, the frame trails over the document, clear of the outline.
    CPoint point(rect.right - GalleryScaled(30), rect.top + ::GetSystemMetrics(SM_CYFRAME) + GalleryScaled(4));
    pane.GetParentMiniFrame()->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    target.GetWindowRect(&rect);
    CPoint ptOver = CBCGPDockingMarkers::GetMarkerRect(rect, CBCGPDockingMarkers::MARKER_BOTTOM,
        CDpi::ForWindow(NULL)).CenterPoint();
    // The display's own pointer goes there too: the moves it reports while the picture is
    // taken then agree.
    ::SetCursorPos(ptOver.x, ptOver.y);
    SendMouse(pane.m_hWnd, WM_MOUSEMOVE, point + CPoint(GalleryScaled(40), GalleryScaled(10)), MK_LBUTTON);
    SendMouse(pane.m_hWnd, WM_MOUSEMOVE, ptOver, MK_LBUTTON);
    GalleryPump(200);
    bool bSaved = pane.GetDockingMarkers() != NULL && GallerySaveScreen(rectAll, pszFolder, "dock-drag");
    SendMouse(pane.m_hWnd, WM_LBUTTONUP, ptOver);
    return bSaved && !pane.IsFloating();
}

} // namespace

bool GalleryDockPanes(const char* pszFolder)
{
    GalleryUseManager(RUNTIME_CLASS(CBCGPVisualManagerXP));
    CWinApp* pOwnApp = AfxGetApp() == NULL ? new CWinApp("KwUi Gallery") : NULL;
    CWinApp* pApp = AfxGetApp();
    CWnd* pOldMain = pApp->m_pMainWnd;
    CBCGPMDIFrameWnd* pFrame = new CBCGPMDIFrameWnd;
    bool bSaved = false;
    CBCGPStatusBar status;
    CGalleryPane project, classes, properties, output, errors, find;
    if (pFrame->LoadFrame(IDR_GALLERY_FRAME))
    {
        pApp->m_pMainWnd = pFrame;
        pFrame->SetWindowPos(NULL, GalleryScaled(40), GalleryScaled(40), GalleryScaled(760),
            GalleryScaled(520), SWP_NOZORDER | SWP_SHOWWINDOW);
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        static const UINT s_indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
        status.Create(pFrame);
        status.SetIndicators(s_indicators, 4);
        status.SetPaneText(0, "Ready");
        struct { CGalleryPane* pPane; const char* pszName; DWORD dwSide; CRect rect; } panes[] = {
            {&project, "Project", CBRS_LEFT, GalleryScaled(0, 0, 170, 200)},
            {&classes, "Classes", CBRS_LEFT, GalleryScaled(0, 0, 170, 120)},
            {&properties, "Properties", CBRS_RIGHT, GalleryScaled(0, 0, 180, 200)},
            {&output, "Output", CBRS_BOTTOM, GalleryScaled(0, 0, 300, 110)},
            {&errors, "Error List", CBRS_BOTTOM, GalleryScaled(0, 0, 300, 110)},
            {&find, "Find Results", CBRS_BOTTOM, GalleryScaled(0, 0, 300, 110)}};
        bool bMade = true;
        for (auto& pane : panes)
        {
            bMade = bMade && pane.pPane->Create(pane.pszName, pFrame, pane.rect, TRUE, 0, WS_CHILD | WS_VISIBLE | pane.dwSide);
            if (!bMade)
                break;
            pane.pPane->EnableDocking(CBRS_ALIGN_ANY);
            pFrame->DockControlBar(pane.pPane);
        }
        if (bMade)
        {
            project.MakeChild(WC_TREEVIEWA, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT);
            FillTree(project.m_hChild);
            static const char* const s_classes[] = {"CBeam", "CPier", "CSpan", "CLoadCase"};
            classes.MakeChild("LISTBOX", LBS_NOINTEGRALHEIGHT);
            FillList(classes.m_hChild, s_classes, 4);
            static const char* const s_props[] = {"Length    6.40 m", "Section   HEA 200", "Material  S355", "Load      5.0 kN/m2"};
            properties.MakeChild("LISTBOX", LBS_NOINTEGRALHEIGHT);
            FillList(properties.m_hChild, s_props, 4);
            output.MakeChild("EDIT", ES_MULTILINE | ES_READONLY);
            ::SetWindowTextA(output.m_hChild, "Checking Bridge.kwp...\r\nSpan 2: utilisation 0.87\r\n0 errors, 1 warning");
            static const char* const s_found[] = {"Spans.kws(12): HEA 200", "Piers.kws(4): HEA 200"};
            find.MakeChild("LISTBOX", LBS_NOINTEGRALHEIGHT);
            FillList(find.m_hChild, s_found, 2);
            static const char* const s_errors[] = {"Warning  Span 2: utilisation above 0.85"};
            errors.MakeChild("LISTBOX", LBS_NOINTEGRALHEIGHT);
            FillList(errors.m_hChild, s_errors, 1);
            classes.AttachToTabWnd(&project, DM_STANDARD, FALSE);
            errors.AttachToTabWnd(&output, DM_STANDARD, FALSE);
            CRect rectFrame;
            pFrame->GetWindowRect(&rectFrame);
            find.FloatControlBar(CRect(GalleryScaled(330, 150, 560, 290)) + rectFrame.TopLeft());
            // A document window in the client, and the focus in the project tree (its caption lit).
            CBCGPMDIChildWnd* pChild = new CBCGPMDIChildWnd;
            if (pChild->Create(NULL, "Bridge.kwp", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                GalleryScaled(10, 10, 300, 200), pFrame))
                pChild->MDIMaximize();
            pFrame->SetForegroundWindow();
            ::SetFocus(project.m_hChild);
            // Num Lock on, so that its indicator shows.
            BYTE keys[256];
            ::GetKeyboardState(keys);
            keys[VK_NUMLOCK] = 1;
            ::SetKeyboardState(keys);
            pApp->OnIdle(0);
            pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
            find.GetParentMiniFrame()->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
            GalleryPump(300);
            // The display's own raising of the activated frame may have covered its floating pane.
            find.GetParentMiniFrame()->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            GalleryPump(100);
            CRect rectAll, rectMini;
            find.GetParentMiniFrame()->GetWindowRect(&rectMini);
            rectAll.UnionRect(&rectFrame, &rectMini);
            bSaved = GallerySaveScreen(rectAll, pszFolder, "dock-panes");
            bSaved = SaveDragPicture(find, properties, rectAll, pszFolder) && bSaved;
            // The properties hidden into their strip at the right edge and slid in over the document.
            pFrame->EnableAutoHideBars(CBRS_ALIGN_ANY);
            properties.SetAutoHideMode(TRUE, CBRS_ALIGN_RIGHT, NULL, FALSE);
            properties.Slide(TRUE, FALSE);
            // With the focus in it, it stays in until the picture is taken.
            ::SetFocus(properties.m_hChild);
            pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
            GalleryPump(200);
            bSaved = GallerySaveScreen(rectFrame, pszFolder, "dock-autohide") && bSaved;
            keys[VK_NUMLOCK] = 0;
            ::SetKeyboardState(keys);
        }
        pApp->m_pMainWnd = pOldMain;
        pFrame->DestroyWindow(); // deletes itself, and the floating pane's mini frame
    }
    delete pOwnApp;
    GalleryUseManager(NULL);
    return bSaved;
}
