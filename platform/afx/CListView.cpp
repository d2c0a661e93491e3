// CListView.cpp: the list-view control as a view.
#include "CListView.h"

#include <commctrl.h>

IMPLEMENT_DYNCREATE(CListView, CCtrlView)

CListView::CListView() : CCtrlView(WC_LISTVIEWA, AFX_WS_DEFAULT_VIEW) {}
