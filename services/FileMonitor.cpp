// FileMonitor.cpp: see FileMonitor.h.
#include "services/FileMonitor.h"

#include <stdlib.h>

namespace
{
const DWORD kChangeFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE;
// The writer is given this long to finish before the file is looked at, and again before the
// next notice is waited for.
const DWORD kSettleMs = 50;
} // namespace

CFileMonitor::CFileMonitor(IFileMonitorClient* client)
    : m_hThread(NULL), m_hStopEvent(NULL), m_hChange(NULL), m_lastWrite(), m_bPresent(false), m_pClient(client)
{
    m_wnd.CreateEx(0, "STATIC", "FileMonitorWnd", WS_DISABLED, 0, 0, 0, 0, NULL, NULL, NULL);
}

CFileMonitor::~CFileMonitor()
{
    StopWait();
    if (m_wnd.GetSafeHwnd() != NULL)
        m_wnd.DestroyWindow();
}

void CFileMonitor::SetFileName(CString name)
{
    if (!name.IsEmpty())
    {
        // The worker may run on while the current folder changes: it gets a full path.
        char full[MAX_PATH];
        DWORD n = ::GetFullPathNameA(name, MAX_PATH, full, NULL);
        if (n > 0 && n < MAX_PATH)
            name = full;
    }
    // The worker reads the name: it ends before the name changes.
    StopWait();
    m_strFileName = name;
    if (!m_strFileName.IsEmpty())
        StartWait();
}

void CFileMonitor::PostEventToApplication(EFileEvent event)
{
    if (m_pClient != NULL)
        m_pClient->FileMonitorClient_OnFileEvent(event, this);
}

bool CFileMonitor::GetLastWriteTime(const char* path, FILETIME& time)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return false;
    BOOL ok = ::GetFileTime(file.m_hFile, NULL, NULL, &time);
    file.Close();
    return ok != FALSE;
}

CString CFileMonitor::GetFileFolder(const char* path)
{
    char drive[_MAX_DRIVE], dir[_MAX_DIR];
    if (strlen(path) >= _MAX_PATH)
        return CString();
    _splitpath(path, drive, dir, NULL, NULL);
    return CString(drive) + dir;
}

void CFileMonitor::SetWatchFolder(CString folder)
{
    // A folder that does not exist yet is watched through its nearest existing ancestor, with
    // its subfolders, so that the file's arrival is seen however deep it is made.
    while (m_hChange == NULL)
    {
        folder = folder.Left(folder.GetLength() - 1);
        int cut = folder.ReverseFind('\\');
        if (cut < 0)
            return;
        folder = folder.Left(cut + 1);
        HANDLE h = ::FindFirstChangeNotificationA(folder, TRUE, kChangeFilter);
        if (h != INVALID_HANDLE_VALUE)
            m_hChange = h;
    }
}

void CFileMonitor::StartWait()
{
    if (m_hThread != NULL)
        return;
    CString folder = GetFileFolder(m_strFileName);
    HANDLE h = ::FindFirstChangeNotificationA(folder, FALSE, kChangeFilter);
    m_hChange = h != INVALID_HANDLE_VALUE ? h : NULL;
    if (m_hChange == NULL)
        SetWatchFolder(folder);
    if (m_hChange == NULL)
        return;
    m_hStopEvent = ::CreateEventA(NULL, FALSE, FALSE, NULL);
    m_bPresent = GetLastWriteTime(m_strFileName, m_lastWrite);
    DWORD id = 0;
    if (m_hStopEvent != NULL)
        m_hThread = ::CreateThread(NULL, 0, &CFileMonitor::Wait, this, 0, &id);
    if (m_hThread == NULL)
    {
        // Without a worker nothing watches: leave nothing behind either.
        if (m_hStopEvent != NULL)
            ::CloseHandle(m_hStopEvent);
        ::FindCloseChangeNotification(m_hChange);
        m_hStopEvent = m_hChange = NULL;
    }
}

void CFileMonitor::StopWait()
{
    if (m_hThread == NULL)
        return;
    ::SetEvent(m_hStopEvent);
    ::WaitForSingleObject(m_hThread, INFINITE);
    ::FindCloseChangeNotification(m_hChange);
    m_hChange = NULL;
    ::CloseHandle(m_hStopEvent);
    m_hStopEvent = NULL;
    ::CloseHandle(m_hThread);
    m_hThread = NULL;
    // What the ended worker posted and nobody has received yet belongs to the old watch.
    MSG msg;
    while (m_wnd.GetSafeHwnd() != NULL &&
           ::PeekMessageA(&msg, m_wnd.GetSafeHwnd(), WM_KW_FILEMONITOR_EVENT, WM_KW_FILEMONITOR_EVENT, PM_REMOVE))
    {
    }
}

void CFileMonitor::Post(EFileEvent event)
{
    ::PostMessageA(m_wnd.GetSafeHwnd(), WM_KW_FILEMONITOR_EVENT, (WPARAM)event, (LPARAM)this);
}

unsigned long WINAPI CFileMonitor::Wait(void* monitor)
{
    CFileMonitor* pThis = static_cast<CFileMonitor*>(monitor);
    HANDLE handles[2] = {pThis->m_hStopEvent, pThis->m_hChange};
    for (;;)
    {
        if (::WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0 + 1)
            return 0;
        ::Sleep(kSettleMs);
        pThis->Inspect();
        ::Sleep(kSettleMs);
        ::FindNextChangeNotification(pThis->m_hChange);
        // Not every system keeps the changes made while the notice was not armed (Wine drops
        // them): the file is looked at once more, so that none of them goes unreported.
        pThis->Inspect();
    }
}

void CFileMonitor::Inspect()
{
    FILETIME t = {};
    bool ok = GetLastWriteTime(m_strFileName, t);
    if (m_bPresent)
    {
        if (!ok)
        {
            m_bPresent = false;
            Post(eFileDeleted);
        }
        else if (::CompareFileTime(&t, &m_lastWrite) != 0)
        {
            m_lastWrite = t;
            Post(eFileModified);
        }
    }
    if (!m_bPresent && ok)
    {
        m_lastWrite = t;
        m_bPresent = true;
        Post(eFileCreated);
    }
}
