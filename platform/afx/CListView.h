// CListView.h: CListView, a view that is a list-view control.
#pragma once

#include "CCtrlView.h"
#include "CListCtrl.h"

class KWAFX_API CListView : public CCtrlView
{
    DECLARE_DYNCREATE(CListView)
public:
    CListView();
    // The view itself, seen as its control.
    CListCtrl& GetListCtrl() const { return *(CListCtrl*)this; }
};
