// CCmdTarget.cpp: command routing through a target's message map, and the wait cursor.
#include "CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget()
{
}

BOOL CCmdTarget::ProcessMessageMap(AFX_MSGMAP_CALL&)
{
    return FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The high word names the message that carried the code; plain commands (and command-UI
    // updates, whose code is -1 throughout) leave it to WM_COMMAND.
    UINT nMsg = (UINT)nCode == CN_UPDATE_COMMAND_UI ? 0 : HIWORD((UINT)nCode);
    AFX_MSGMAP_CALL call = {};
    call.nMessage = nMsg != 0 ? nMsg : WM_COMMAND;
    call.bCommand = TRUE;
    call.nCode = LOWORD((UINT)nCode);
    call.nID = nID;
    call.pExtra = pExtra;
    call.pHandlerInfo = pHandlerInfo;
    return ProcessMessageMap(call);
}

// Nested waits share one count; the cursor the first wait replaced comes back at the end.
static int afxWaitCursorCount = 0;
static HCURSOR afxCursorBeforeWait = NULL;

void CCmdTarget::BeginWaitCursor()
{
    HCURSOR hPrevious = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
    if (afxWaitCursorCount++ == 0)
        afxCursorBeforeWait = hPrevious;
}

void CCmdTarget::EndWaitCursor()
{
    if (afxWaitCursorCount == 0)
        return;
    if (--afxWaitCursorCount == 0)
        ::SetCursor(afxCursorBeforeWait != NULL ? afxCursorBeforeWait : ::LoadCursor(NULL, IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    if (afxWaitCursorCount > 0)
        ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
}
