// StructWindows.h: CStructWindows, the windows the editor opens on a model: the schedule (a
// grid), the drawing with the report (one tabbed window) and the list of all members; each
// named by its view context so the desktop stores and finds it again.
#pragma once

#include <afx.h>

class CMDIChildWnd;
class CStructDoc;

class CStructWindows
{
public:
    // Each brings its window to the top if it is open already.
    static CMDIChildWnd* OpenSchedule(CStructDoc* pDoc);
    static CMDIChildWnd* OpenDrawing(CStructDoc* pDoc);
    // The list: the topmost open one, whatever its order, or a new one in the order of the marks.
    static CMDIChildWnd* OpenMemberList(CStructDoc* pDoc);
    // The list ordered by a column (a CStructMember::Column), ascending or descending: a window
    // of its own for each order.
    static CMDIChildWnd* OpenMemberList(CStructDoc* pDoc, int nSortColumn, BOOL bDescending);
    // The windows of a model without a desktop: the three above, tiled.
    static void OpenDefault(CStructDoc* pDoc);
    // nWindows windows, each showing something else: the default ones, then lists ordered by
    // each column, ascending and descending (15 at most). Returns how many are open.
    static int OpenMany(CStructDoc* pDoc, int nWindows);
};
