// FileMonitorWnd.h: CFileMonitorWnd, the hidden window through which a monitor's worker thread
// hands its events to the thread that made the monitor.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

// Posted by the worker: wParam the EFileEvent, lParam the CFileMonitor.
#define WM_KW_FILEMONITOR_EVENT (WM_USER + 1)

class KWUI_API CFileMonitorWnd : public CWnd
{
protected:
    LRESULT OnFileEvent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
