// GalleryLargeList.cpp: 10,000 members of a structure in a large list view, ordered by a click on
// a header.
#include "GalleryLargeList.h"
#include "Gallery.h"

#include "GalleryMembersView.h"

bool GalleryLargeList(const char* pszFolder)
{
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(NULL, "Members - 10,000 lines", WS_OVERLAPPEDWINDOW, GalleryScaled(60, 60, 520, 400)))
        return false;
    CGalleryMembersView* pView = new CGalleryMembersView;
    pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, GalleryScaled(0, 0, 10, 10), pFrame, AFX_IDW_PANE_FIRST);
    pFrame->SetActiveView(pView);
    pFrame->RecalcLayout();
    pView->OnInitialUpdate(); // fills it
    pView->ResizeColumns(0);
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->SetForegroundWindow();

    // The user clicks "Length [m]": the longest members come first.
    CHeaderCtrl* pHeader = pView->GetListCtrl().GetHeaderCtrl();
    CRect rect;
    pHeader->GetItemRect(1, &rect);
    CPoint centre = rect.CenterPoint();
    pHeader->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    pHeader->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    pView->GetListCtrl().SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    pView->SetFocus();

    GalleryPump(300);
    bool bSaved = GallerySaveWindow(pFrame->m_hWnd, pszFolder, "large-list");
    pFrame->DestroyWindow();
    return bSaved;
}
