// afxpriv.h: the private window messages of the framework's window layer, with what each carries.
#pragma once

#include "afxtypes.h"

// Sent by CWnd::SetMessageText to a frame: wParam = string id (0 when lParam holds the text),
// lParam = LPCTSTR text or 0.
#define WM_SETMESSAGESTRING 0x0362
// Sent at idle time by CWinThread::OnIdle to the main window and all its descendants, so that
// frames and bars update their command-UI state: wParam = TRUE (disable items without handler),
// lParam = 0.
#define WM_IDLEUPDATECMDUI 0x0363
// Sent by frames to a view (and its descendants) once after creation: wParam = 0, lParam = 0.
#define WM_INITIALUPDATE 0x0364
// Sent to the window that has the focus to ask for context help: wParam = 0, lParam = help id
// (0 for the window's own); nonzero result means handled.
#define WM_COMMANDHELP 0x0365
// Sent in help mode to the window under the cursor: wParam = 0, lParam = client point
// (MAKELONG(x, y)); the result is the help context id or 0.
#define WM_HELPHITTEST 0x0366
// Posted by modal loops to wake the idle processing of the message pump: wParam = 0,
// lParam = 0; never dispatched.
#define WM_KICKIDLE 0x036A

// The one colour message that the WM_CTLCOLOR... family replaced; the framework keys its colour
// handlers (OnCtlColor, reflected CtlColor) by it.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Notifications a parent hands back to the child control that sent them are dispatched in the
// child's message map as WM_REFLECT_BASE + the original message.
#define WM_REFLECT_BASE 0xBC00

// Sent by RepositionBars to each child of a frame, so that control bars take their place:
// wParam = 0, lParam = AFX_SIZEPARENTPARAMS* whose rect each bar shrinks by what it takes.
#define WM_SIZEPARENT 0x0361
// Sent by a frame to the floating windows it owns: wParam = FS_ flags (CFrameWnd.h); a window
// answering FS_SYNCACTIVE with TRUE keeps its owner's caption active while it is active.
#define WM_FLOATSTATUS 0x036D

struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP; // NULL when only measuring
    RECT rect; // what is left for the next bar, and finally for the pane
    SIZE sizeTotal; // the size the bars need together
    BOOL bStretch; // bars stretch across the whole side
};
