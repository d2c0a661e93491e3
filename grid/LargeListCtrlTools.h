// LargeListCtrlTools.h: CLargeListCtrlTools, what the large list view and the large list window
// do alike on their list-view control: the selected line, opening it, and where a context menu
// shows.
#pragma once

#include "core/KwUiExport.h"

#include <afxcmn.h>

class KWUI_API CLargeListCtrlTools
{
public:
    // The first selected line, -1 when none is.
    static int GetSelectedItem(const CListCtrl& list);
    // The selected line to open, scrolled into view first when bScroll; -1 when none is.
    static int GetItemToOpen(CListCtrl& list, BOOL bScroll);
    // The screen point of a context menu asked for at point: the point itself from the mouse;
    // from the keyboard (-1, -1) the top-right corner of the selected line's label, scrolled into
    // view, or without a selected line 10 pixels right of and 30 below the client area's corner.
    static CPoint ContextMenuPoint(CListCtrl& list, CPoint point);
    // Shows the menu at the screen point when it has items (right button tracking), owned by
    // pOwner, and destroys it afterwards.
    static void TrackContextMenu(CMenu& menu, CPoint point, CWnd* pOwner);
    // Fits column nIndex to its title (LVSCW_AUTOSIZE_USEHEADER). The control pads the title by
    // 96-DPI figures while its header draws by the DPI: at nDpi the padding is scaled, so that a
    // title fits there as at 96 DPI.
    static void FitColumnToHeader(CListCtrl& list, int nIndex, UINT nDpi);
    // The columns' widths, made at nFromDpi, scaled to nToDpi, as a move to a monitor of another
    // DPI asks; returns nToDpi.
    static UINT ScaleColumns(CListCtrl& list, UINT nFromDpi, UINT nToDpi);
};
