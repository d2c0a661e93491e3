// FileMonitor.h: CFileMonitor, which watches one file and tells its client, on the thread that
// made it, when the file is modified, appears or disappears.
#pragma once

#include "core/KwUiExport.h"
#include "services/FileMonitorWnd.h"
#include "services/IFileMonitorClient.h"

#include <afxwin.h>

class KWUI_API CFileMonitor
{
public:
    explicit CFileMonitor(IFileMonitorClient* client);
    virtual ~CFileMonitor();

    // A name starts watching it afresh (a new time stamp, nothing reported by itself); an empty
    // one stops watching. A name without a folder is taken in the current folder.
    void SetFileName(CString name);
    CString GetFileName() const { return m_strFileName; }
    void PostEventToApplication(EFileEvent event);

private:
    CFileMonitor(const CFileMonitor&) = delete;
    CFileMonitor& operator=(const CFileMonitor&) = delete;

    static bool GetLastWriteTime(const char* path, FILETIME& time);
    static CString GetFileFolder(const char* path);
    void SetWatchFolder(CString folder);
    void StartWait();
    void StopWait();
    static unsigned long WINAPI Wait(void* monitor);
    // On the worker: compares the file with what was last seen and posts what changed.
    void Inspect();
    void Post(EFileEvent event);

    HANDLE m_hThread;
    HANDLE m_hStopEvent;
    HANDLE m_hChange;
    CString m_strFileName;
    FILETIME m_lastWrite;
    bool m_bPresent;
    IFileMonitorClient* m_pClient;
    CFileMonitorWnd m_wnd;
};
