// GalleryLargeList.cpp: 10,000 members of a structure in a large list view: the view keeps only
// their numbers and asks for each cell as it paints it.
#include "GalleryLargeList.h"
#include "Gallery.h"

#include "grid/LargeListView.h"

namespace {

const long kMembers = 10000;

// Member n: a mark, a length between 2.00 and 13.99 m, and the load case it was checked for.
int LengthCm(long nKey)
{
    return 200 + (int)((nKey * 7919L) % 1200);
}
CString MarkText(long nKey)
{
    CString s;
    s.Format("%c%ld", "BCP"[nKey % 3], nKey + 1);
    return s;
}
CString LengthText(long nKey)
{
    CString s;
    s.Format("%d.%02d", LengthCm(nKey) / 100, LengthCm(nKey) % 100);
    return s;
}
CString CaseText(long nKey)
{
    static const char* const s_cases[] = {"Dead load", "Live load", "Snow", "Wind", "Temperature"};
    return s_cases[(nKey * 31) % 5];
}
int CompareMarks(long a, long b) { return a < b ? -1 : a > b; }
int CompareLengths(long a, long b) { return LengthCm(a) - LengthCm(b); }
int CompareCases(long a, long b) { return CaseText(a).Compare(CaseText(b)); }

class CGalleryMembersView : public CLargeListView
{
public:
    CGalleryMembersView()
    {
        AddColumn("Member", MarkText, NULL, CompareMarks);
        AddColumn("Length [m]", LengthText, NULL, CompareLengths);
        AddColumn("Load case", CaseText, NULL, CompareCases);
    }
    void Fill()
    {
        SetRedraw(FALSE);
        for (long nKey = 0; nKey < kMembers; nKey++)
            InsertItem(nKey);
        SetRedraw(TRUE);
    }
};

} // namespace

bool GalleryLargeList(const char* pszFolder)
{
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(NULL, "Members - 10,000 lines", WS_OVERLAPPEDWINDOW, CRect(60, 60, 520, 400)))
        return false;
    CGalleryMembersView* pView = new CGalleryMembersView;
    pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 10, 10), pFrame, AFX_IDW_PANE_FIRST);
    pFrame->SetActiveView(pView);
    pFrame->RecalcLayout();
    pView->OnInitialUpdate();
    pView->Fill();
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
