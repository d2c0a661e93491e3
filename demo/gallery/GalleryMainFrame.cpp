// GalleryMainFrame.cpp: the frame deletes itself when its window goes.
#include "GalleryMainFrame.h"
#include "Gallery.h"
#include "GalleryDockFrame.rh"

#include "CBCGPDockingControlBar.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPVisualManagerXP.h"

CGalleryMainFrame::CGalleryMainFrame()
    : m_pOwnApp(AfxGetApp() == NULL ? new CWinApp("KwUi Gallery") : NULL), m_pOldMain(AfxGetApp()->m_pMainWnd),
      m_pFrame(new CBCGPMDIFrameWnd)
{
    GalleryUseManager(RUNTIME_CLASS(CBCGPVisualManagerXP));
    if (!m_pFrame->LoadFrame(IDR_GALLERY_FRAME))
    {
        delete m_pFrame;
        m_pFrame = NULL;
        return;
    }
    AfxGetApp()->m_pMainWnd = m_pFrame;
    m_pFrame->SetWindowPos(NULL, GalleryScaled(40), GalleryScaled(40), GalleryScaled(760), GalleryScaled(520),
        SWP_NOZORDER | SWP_SHOWWINDOW);
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->EnableAutoHideBars(CBRS_ALIGN_ANY);
}

CGalleryMainFrame::~CGalleryMainFrame()
{
    AfxGetApp()->m_pMainWnd = m_pOldMain;
    if (m_pFrame != NULL)
        m_pFrame->DestroyWindow();
    delete m_pOwnApp;
    GalleryUseManager(NULL);
}

bool CGalleryMainFrame::AddPane(CBCGPDockingControlBar& pane, LPCTSTR lpszName, DWORD dwSide, const CRect& rect)
{
    if (m_pFrame == NULL || !pane.Create(lpszName, m_pFrame, rect, TRUE, 0, WS_CHILD | WS_VISIBLE | dwSide))
        return false;
    pane.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&pane);
    return true;
}
