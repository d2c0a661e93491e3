// GalleryMembersView.h: the members of a structure in a large list view, 10,000 of them; the view
// keeps only their numbers and asks for each cell as it paints it.
#pragma once

#include "grid/LargeListView.h"

// Its view context may name the column it is ordered by: m_nValue1 is the column plus one (0: the
// order of insertion's first column), m_nValue2 nonzero for the longest or last first.
class CGalleryMembersView : public CLargeListView
{
    DECLARE_SERIAL(CGalleryMembersView)
public:
    CGalleryMembersView();
    enum { kMembers = 10000, kColumnLength = 1 };

protected:
    void UpdateList(CView* pSender, long lHint, CObject* pHint) override;
    // As a click on the column's header does.
    void ClickHeader(int nColumn);
};
