// StructModelWatch.h: CStructModelWatch, which watches the open model's file and, when another
// program changes it, asks the user whether to reload the model.
#pragma once

#include "services/FileMonitor.h"

class CStructDoc;

class CStructModelWatch : public IFileMonitorClient
{
public:
    explicit CStructModelWatch(CStructDoc* pDoc);

    // Watches the file as it is now: the document has just read or written it. An empty path
    // stops watching.
    void Watch(const CString& strPath);

    // The question asked when another program changed the file.
    static const char* const kReloadPrompt;

protected:
    void FileMonitorClient_OnFileEvent(EFileEvent event, CFileMonitor* monitor) override;
    static BOOL GetWriteTime(const CString& strPath, FILETIME& time);

    CStructDoc* m_pDoc;
    CFileMonitor m_monitor;
    FILETIME m_known; // the write time of the file as the document last knew it
    BOOL m_bAsking;   // a prompt is open: further changes wait for its answer
};
