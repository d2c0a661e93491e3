// CCmdTarget.h: CCmdTarget, the base of every class that handles messages and commands, and
// the records a message or command carries on its way through a class's message map.
#pragma once

#include "CObject.h"

class CCmdTarget;
class CCmdUI;

// Command codes of OnCmdMsg besides control notification codes.
#define CN_COMMAND 0 // a menu item, accelerator or button click
#define CN_UPDATE_COMMAND_UI ((UINT)(-1)) // pExtra is the CCmdUI to update

// Filled by OnCmdMsg instead of calling the handler, when a caller only asks whether a target
// handles a command.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    void (CCmdTarget::*pmf)(); // left NULL: handlers are reached through the map, not pointers
};

// pExtra of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// lParam of a reflected WM_CTLCOLOR...: the child's DC and the colour type (CTLCOLOR_...).
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// One message or command on its way through the message maps of a class and its bases.
// Window messages come with bCommand FALSE; commands, notifications and reflected notifications
// come through OnCmdMsg with bCommand TRUE, nMessage = WM_COMMAND, WM_NOTIFY or their reflected
// forms, nCode = the low word of the notification code and nID = the control or command id.
struct AFX_MSGMAP_CALL
{
    UINT nMessage;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT lResult;
    BOOL bCommand;
    UINT nCode;
    UINT nID;
    void* pExtra;
    AFX_CMDHANDLERINFO* pHandlerInfo;
};

class KWAFX_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();

    // Routes a command, control notification or command-UI update: nCode is CN_COMMAND,
    // CN_UPDATE_COMMAND_UI or MAKELONG(notification code, WM_NOTIFY / reflected message).
    // TRUE when a handler took it (or, with pHandlerInfo, when one exists).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The wait cursor while a long operation runs; Restore puts it back after a message box.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    // The class's message map: BEGIN_MESSAGE_MAP writes one per class, ending in its base's.
    virtual BOOL ProcessMessageMap(AFX_MSGMAP_CALL& call);
};
