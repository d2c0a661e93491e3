// GalleryMembersView.cpp: the members' cells, made from their numbers.
#include "GalleryMembersView.h"

IMPLEMENT_SERIAL(CGalleryMembersView, CLargeListView, 1)

namespace {

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

} // namespace

CGalleryMembersView::CGalleryMembersView()
{
    AddColumn("Member", MarkText, NULL, CompareMarks);
    AddColumn("Length [m]", LengthText, NULL, CompareLengths);
    AddColumn("Load case", CaseText, NULL, CompareCases);
}

void CGalleryMembersView::UpdateList(CView*, long, CObject*)
{
    if (GetListCtrl().GetItemCount() > 0)
        return;
    for (long nKey = 0; nKey < kMembers; nKey++)
        InsertItem(nKey);
    if (m_viewContext.m_nValue1 > 0)
    {
        // A first click orders ascending columns descending; a second turns them back.
        ClickHeader(m_viewContext.m_nValue1 - 1);
        if (m_viewContext.m_nValue2 == 0)
            ClickHeader(m_viewContext.m_nValue1 - 1);
    }
}

void CGalleryMembersView::ClickHeader(int nColumn)
{
    NMHEADER click = {};
    click.hdr.hwndFrom = GetListCtrl().GetHeaderCtrl()->GetSafeHwnd();
    click.hdr.code = HDN_ITEMCLICKA;
    click.iItem = nColumn;
    click.iButton = 0;
    SendMessage(WM_NOTIFY, 0, (LPARAM)&click);
}
