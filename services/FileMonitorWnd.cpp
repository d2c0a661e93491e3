// FileMonitorWnd.cpp: see FileMonitorWnd.h.
#include "services/FileMonitorWnd.h"

#include "services/FileMonitor.h"

BEGIN_MESSAGE_MAP(CFileMonitorWnd, CWnd)
    ON_MESSAGE(WM_KW_FILEMONITOR_EVENT, &CFileMonitorWnd::OnFileEvent)
END_MESSAGE_MAP()

LRESULT CFileMonitorWnd::OnFileEvent(WPARAM wParam, LPARAM lParam)
{
    reinterpret_cast<CFileMonitor*>(lParam)->PostEventToApplication((EFileEvent)wParam);
    return 0;
}
