// IFileMonitorClient.h: what a file monitor tells its client, and the client's side of it.
#pragma once

#include "core/KwUiExport.h"

class CFileMonitor;

// The values travel as the wParam of the monitor's window message: keep them.
enum EFileEvent
{
    eFileModified = 1, // present, with another time stamp than the one last seen
    eFileCreated = 2,  // was absent or unreadable, can now be opened
    eFileDeleted = 3   // was present, can no longer be opened
};

class KWUI_API IFileMonitorClient
{
public:
    virtual ~IFileMonitorClient() {}
    // Called on the thread that made the monitor, never on its worker.
    virtual void FileMonitorClient_OnFileEvent(EFileEvent event, CFileMonitor* monitor) = 0;
};
