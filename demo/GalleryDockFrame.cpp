// GalleryDockFrame.cpp: an MDI frame of the docking library with two document windows, each
// showing its text in an edit control as its view.
#include "GalleryDockFrame.h"
#include "Gallery.h"
#include "GalleryDockFrame.rh"

#include "CBCGPMDIChildWnd.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMenuBar.h"

#include <afxwin.h>

namespace {

CBCGPMDIChildWnd* OpenDocument(CBCGPMDIFrameWnd* pFrame, HMENU hMenu, const char* pszTitle, const char* pszText)
{
    CBCGPMDIChildWnd* pChild = new CBCGPMDIChildWnd;
    pChild->m_hMenuShared = hMenu;
    if (!pChild->LoadFrame(IDR_GALLERY_DOC, WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, pFrame))
        return NULL;
    pChild->SetTitle(pszTitle);
    // The view: an edit control in the pane's place.
    HWND hView = ::CreateWindowExA(0, "EDIT", pszText, WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 0, 0, 0, 0,
        pChild->m_hWnd, (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, ::GetModuleHandleA(NULL), NULL);
    ::SendMessageA(hView, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), 0);
    pChild->ActivateFrame(SW_SHOWNORMAL);
    pChild->RecalcLayout();
    pChild->OnUpdateFrameTitle(TRUE);
    return pChild;
}

// While the bar's popup is open: pictures the frame with it, then closes it.
struct PopupShot
{
    HWND hFrame;
    const char* pszFolder;
    bool bSaved;
};
PopupShot s_shot;

void CALLBACK SavePopup(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    HWND hMenu = ::FindWindowA("#32768", NULL);
    CRect rect, rectMenu;
    ::GetWindowRect(s_shot.hFrame, &rect);
    if (hMenu != NULL && ::GetWindowRect(hMenu, &rectMenu))
    {
        rect.UnionRect(&rect, &rectMenu);
        s_shot.bSaved = GallerySaveScreen(rect, s_shot.pszFolder, "dock-frame-menu");
    }
    ::EndMenu();
}

} // namespace

bool GalleryDockFrame(const char* pszFolder)
{
    HMENU hDocMenu = ::LoadMenuA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_GALLERY_DOC));
    CBCGPMDIFrameWnd* pFrame = new CBCGPMDIFrameWnd;
    if (hDocMenu == NULL || !pFrame->LoadFrame(IDR_GALLERY_FRAME))
    {
        ::DestroyMenu(hDocMenu);
        return false;
    }
    pFrame->SetWindowPos(NULL, 60, 60, 560, 380, SWP_NOZORDER | SWP_SHOWWINDOW);
    CBCGPMDIChildWnd* pPlan = OpenDocument(pFrame, hDocMenu, "Plan.kw", "Ground floor\r\nSpan 6.40 m\r\nLoad 5.0 kN/m2");
    CBCGPMDIChildWnd* pBeams = OpenDocument(pFrame, hDocMenu, "Beams.kw", "HEA 200\r\nIPE 300\r\nUPN 160");
    bool bSaved = false;
    if (pPlan != NULL && pBeams != NULL)
    {
        pFrame->MDICascade();
        pFrame->SetForegroundWindow();
        pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        GalleryPump(300);
        bSaved = GallerySaveWindow(pFrame->m_hWnd, pszFolder, "dock-frame");
        pFrame->MDIMaximize(pBeams);
        pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        GalleryPump(300);
        bSaved = GallerySaveWindow(pFrame->m_hWnd, pszFolder, "dock-frame-maximized") && bSaved;
        // The Edit popup opened from the bar, its items set by the frame's command UI.
        s_shot = {pFrame->m_hWnd, pszFolder, false};
        ::SetTimer(NULL, 0, 400, SavePopup);
        pFrame->GetMenuBar()->OpenPopup(1);
        bSaved = s_shot.bSaved && bSaved;
    }
    pFrame->DestroyWindow(); // takes the children along and deletes itself
    ::DestroyMenu(hDocMenu);
    return bSaved;
}
