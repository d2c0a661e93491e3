// GalleryMainFrame.h: CGalleryMainFrame, a docking main frame set up for one gallery picture.
#pragma once

#include <afxwin.h>

class CBCGPDockingControlBar;
class CBCGPMDIFrameWnd;

class CGalleryMainFrame
{
public:
    // The XP look, an application object when there is none, and the frame (IDR_GALLERY_FRAME) as
    // its main window, shown at (40, 40) in 760x520, panes docking at every edge.
    CGalleryMainFrame();
    // The frame goes with its panes' windows (so panes must outlive this object), and the look
    // and the application's main window are as they were.
    ~CGalleryMainFrame();
    CGalleryMainFrame(const CGalleryMainFrame&) = delete;
    CGalleryMainFrame& operator=(const CGalleryMainFrame&) = delete;

    // NULL when it could not be made.
    CBCGPMDIFrameWnd* GetFrame() const { return m_pFrame; }
    // Makes pane, named lpszName, at dwSide (CBRS_LEFT ...) with rect's size, able to dock
    // anywhere, and docks it there.
    bool AddPane(CBCGPDockingControlBar& pane, LPCTSTR lpszName, DWORD dwSide, const CRect& rect);

private:
    CWinApp* m_pOwnApp;
    CWnd* m_pOldMain;
    CBCGPMDIFrameWnd* m_pFrame;
};
