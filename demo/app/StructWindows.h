// StructWindows.h: CStructWindows, the windows the editor opens on a model: the schedule (a
// grid), the drawing with the report (one tabbed window) and the list of all members; each
// named by its view context so the desktop stores and finds it again.
#pragma once

class CMDIChildWnd;
class CStructDoc;

class CStructWindows
{
public:
    // Each brings its window to the top if it is open already.
    static CMDIChildWnd* OpenSchedule(CStructDoc* pDoc);
    static CMDIChildWnd* OpenDrawing(CStructDoc* pDoc);
    static CMDIChildWnd* OpenMemberList(CStructDoc* pDoc);
    // The windows of a model without a desktop: the three above, tiled.
    static void OpenDefault(CStructDoc* pDoc);
};
