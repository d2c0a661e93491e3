// StructScreenshot.h: CStructScreenshot, a picture of the application as its user sees it: the
// main frame and the windows of its thread that stand over it (floating panes, dialogs,
// tooltips), saved as PNG.
#pragma once

#include <afx.h>
#include <windows.h>

class CStructScreenshot
{
public:
    // Copies hWndMain and every visible top-level window of its thread that overlaps it, each
    // from its own surface and within its region, owners below the windows they own, into one
    // picture of their bounds, and writes it to strPath as PNG. FALSE when any step fails.
    static BOOL Save(HWND hWndMain, const CString& strPath);
};
