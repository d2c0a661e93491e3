// HostSelfCheck.h: CHostSelfCheck, what "/selfcheck" verifies once the main frame stands: the
// document and its view, the members dialog with its grid, and the toolkit's own resources.
#pragma once

#include <afxwin.h>

class CHostSelfCheck
{
public:
    // 0 when everything stands, else the number of the first check that failed.
    static int Run(CFrameWnd& frame);
};
