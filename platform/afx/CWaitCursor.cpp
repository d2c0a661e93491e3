// CWaitCursor.cpp: the wait cursor through the framework's count of waiting callers, so that
// nested waits keep the hourglass until the outermost one ends.
#include "CWaitCursor.h"
#include "CWinApp.h"

// The application when there is one (hosts may override its wait-cursor handling).
static CCmdTarget& AfxWaitTarget()
{
    static CCmdTarget target;
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL ? *pApp : target;
}

CWaitCursor::CWaitCursor()
{
    AfxWaitTarget().BeginWaitCursor();
}

CWaitCursor::~CWaitCursor()
{
    AfxWaitTarget().EndWaitCursor();
}

void CWaitCursor::Restore()
{
    AfxWaitTarget().RestoreWaitCursor();
}
