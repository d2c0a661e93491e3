// afxcmn.h: the framework's umbrella of the common controls: list view, header and tab control
// wrappers, over the window layer (afxwin.h).
#pragma once

#include "afxwin.h"

#ifdef _WIN32
#include <commctrl.h>

#include "CHeaderCtrl.h"
#include "CListCtrl.h"
#include "CListView.h"
#include "CTabCtrl.h"
#endif
