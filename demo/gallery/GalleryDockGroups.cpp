// GalleryDockGroups.cpp: an IDE-like frame with everything auto-hidden but the properties, and the
// project group slid in over the document with its class list in front.
#include "GalleryDockGroups.h"
#include "Gallery.h"
#include "GalleryMainFrame.h"

#include "CBCGPDockingControlBar.h"
#include "CBCGPMDIChildWnd.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPTabbedControlBar.h"

#include <afxwin.h>

namespace {

// A list box filling the pane's client area as it is now.
void FillPane(CBCGPDockingControlBar& pane, const char* const* ppszLines, int nLines)
{
    CRect rect;
    pane.GetClientRect(&rect);
    HWND hList = ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, 0, 0, rect.Width(),
        rect.Height(), pane.m_hWnd, NULL, ::GetModuleHandleA(NULL), NULL);
    ::SendMessageA(hList, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    for (int i = 0; i < nLines; i++)
        ::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)ppszLines[i]);
}

} // namespace

bool GalleryDockGroups(const char* pszFolder)
{
    CBCGPDockingControlBar toolbox, project, classes, properties, output, find;
    CGalleryMainFrame main;
    CBCGPMDIFrameWnd* pFrame = main.GetFrame();
    struct { CBCGPDockingControlBar* pPane; const char* pszName; DWORD dwSide; CRect rect; } panes[] = {
        {&toolbox, "Toolbox", CBRS_LEFT, GalleryScaled(0, 0, 190, 200)},
        {&project, "Project", CBRS_LEFT, GalleryScaled(0, 0, 190, 200)},
        {&classes, "Classes", CBRS_LEFT, GalleryScaled(0, 0, 190, 200)},
        {&properties, "Properties", CBRS_RIGHT, GalleryScaled(0, 0, 180, 200)},
        {&output, "Output", CBRS_BOTTOM, GalleryScaled(0, 0, 300, 110)},
        {&find, "Find Results", CBRS_BOTTOM, GalleryScaled(0, 0, 300, 110)}};
    for (auto& pane : panes)
        if (!main.AddPane(*pane.pPane, pane.pszName, pane.dwSide, pane.rect))
            return false;
    if (classes.AttachToTabWnd(&project, DM_STANDARD) == NULL)
        return false;
    CBCGPMDIChildWnd* pChild = new CBCGPMDIChildWnd;
    if (pChild->Create(NULL, "Bridge.kwp", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
        GalleryScaled(10, 10, 300, 200), pFrame))
        pChild->MDIMaximize();
    static const char* const s_props[] = {"Length    6.40 m", "Section   HEA 200", "Material  S355"};
    FillPane(properties, s_props, 3);
    toolbox.SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, FALSE);
    project.SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, FALSE);
    output.SetAutoHideMode(TRUE, CBRS_ALIGN_BOTTOM, NULL, FALSE);
    find.SetAutoHideMode(TRUE, CBRS_ALIGN_BOTTOM, NULL, FALSE);
    // The group in by its background tab's button, as a click brings it.
    classes.Slide(TRUE, FALSE);
    static const char* const s_classes[] = {"CBeam", "CPier", "CSpan", "CLoadCase", "CSection"};
    FillPane(classes, s_classes, 5);
    pFrame->SetForegroundWindow();
    ::SetFocus(classes.m_hWnd);
    AfxGetApp()->OnIdle(0);
    pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    GalleryPump(300);
    CRect rectFrame;
    pFrame->GetWindowRect(&rectFrame);
    return classes.IsWindowVisible() && GallerySaveScreen(rectFrame, pszFolder, "dock-groups");
}
