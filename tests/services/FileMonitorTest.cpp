// The file monitor against real files and folders: what the client hears, on which thread, and
// that nothing arrives from a watch that was replaced or from a monitor that is gone.
#include "services/FileMonitor.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <string>

namespace
{

class CRecorder : public IFileMonitorClient
{
public:
    void FileMonitorClient_OnFileEvent(EFileEvent event, CFileMonitor* monitor) override
    {
        static const char* names[] = {"?", "modified", "created", "deleted"};
        m_log += std::string(event >= 1 && event <= 3 ? names[event] : "?") + ";";
        m_pMonitor = monitor;
        m_bOtherThread |= ::GetCurrentThreadId() != m_nThread;
    }
    std::string m_log;
    CFileMonitor* m_pMonitor = NULL;
    DWORD m_nThread = ::GetCurrentThreadId();
    bool m_bOtherThread = false;
};

// A fresh folder under the temporary folder, emptied and removed again.
class FileMonitorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        m_dir = std::string(temp) + "kwmon" + std::to_string(::GetCurrentProcessId()) + "\\";
        ::CreateDirectoryA(m_dir.c_str(), NULL);
    }
    void TearDown() override { Remove(m_dir); }
    static void Remove(const std::string& dir)
    {
        WIN32_FIND_DATAA fd;
        HANDLE h = ::FindFirstFileA((dir + "*").c_str(), &fd);
        for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(h, &fd))
        {
            std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                Remove(dir + name + "\\");
            else
                ::DeleteFileA((dir + name).c_str());
        }
        if (h != INVALID_HANDLE_VALUE)
            ::FindClose(h);
        ::RemoveDirectoryA(dir.c_str());
    }
    std::string Path(const char* name) const { return m_dir + name; }
    // Each write gives the file a later time stamp than the one before.
    void Write(const std::string& path, const char* text)
    {
        FILE* f = fopen(path.c_str(), "ab");
        ASSERT_TRUE(f != NULL) << path;
        fputs(text, f);
        fclose(f);
        FILETIME now;
        ::GetSystemTimeAsFileTime(&now);
        ULONGLONG t = ((ULONGLONG)now.dwHighDateTime << 32 | now.dwLowDateTime) + ++m_nWrites * 10000000ull;
        FILETIME ft = {(DWORD)t, (DWORD)(t >> 32)};
        HANDLE h = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
            OPEN_EXISTING, 0, NULL);
        ::SetFileTime(h, NULL, NULL, &ft);
        ::CloseHandle(h);
    }
    // Pumps until the client has heard as much as `log`, then compares the whole of it.
    static ::testing::AssertionResult Hears(const CRecorder& client, const std::string& log)
    {
        PumpUntil([&] { return client.m_log.size() >= log.size(); });
        if (client.m_log == log)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "heard \"" << client.m_log << "\"";
    }
    // Waits until the worker has posted something to this thread, without receiving it.
    static bool WaitForPosted()
    {
        for (int i = 0; i < 500; i++, ::Sleep(10))
            if (HIWORD(::GetQueueStatus(QS_POSTMESSAGE)) & QS_POSTMESSAGE)
                return true;
        return false;
    }
    std::string m_dir;
    int m_nWrites = 0;
};

TEST_F(FileMonitorTest, WritesDeletionAndReturnOfTheFileReachTheClientOnItsOwnThread)
{
    std::string file = Path("data.txt");
    Write(file, "a");
    CRecorder client;
    CFileMonitor monitor(&client);
    monitor.SetFileName(file.c_str());
    // Another file of the folder wakes the monitor and is passed over: the log shows only the
    // watched file's events, in order.
    Write(Path("other.txt"), "x");
    Write(file, "b");
    ASSERT_TRUE(Hears(client, "modified;"));
    ::DeleteFileA(file.c_str());
    ASSERT_TRUE(Hears(client, "modified;deleted;"));
    Write(file, "c");
    ASSERT_TRUE(Hears(client, "modified;deleted;created;"));
    EXPECT_EQ(&monitor, client.m_pMonitor);
    EXPECT_FALSE(client.m_bOtherThread);
}

TEST_F(FileMonitorTest, AFileInAFolderMadeLaterIsSeenWhenItArrives)
{
    std::string file = Path("sub\\deeper\\data.txt");
    CRecorder client;
    CFileMonitor monitor(&client);
    monitor.SetFileName(file.c_str());
    ::CreateDirectoryA(Path("sub").c_str(), NULL);
    ::CreateDirectoryA(Path("sub\\deeper").c_str(), NULL);
    Write(file, "a");
    EXPECT_TRUE(Hears(client, "created;"));
}

TEST_F(FileMonitorTest, ANameWithoutFolderIsWatchedWhereItWasWhenTheFolderChanges)
{
    char cwd[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, cwd);
    ::SetCurrentDirectoryA(m_dir.c_str());
    CRecorder client;
    CFileMonitor monitor(&client);
    monitor.SetFileName("data.txt");
    ::SetCurrentDirectoryA(cwd);
    EXPECT_STRCASEEQ(Path("data.txt").c_str(), monitor.GetFileName());
    Write(Path("data.txt"), "a");
    EXPECT_TRUE(Hears(client, "created;"));
}

TEST_F(FileMonitorTest, NamingTheFileAgainTakesAFreshStampAndDropsWhatTheOldWatchSent)
{
    std::string file = Path("data.txt");
    Write(file, "a");
    CRecorder client;
    CFileMonitor monitor(&client);
    monitor.SetFileName(file.c_str());
    Write(file, "b");
    ASSERT_TRUE(WaitForPosted());
    // The old watch's notice has been posted but not received: it goes with the old watch, and
    // the new watch starts from the stamp the file has now.
    monitor.SetFileName(file.c_str());
    monitor.SetFileName("");
    Write(file, "c");
    monitor.SetFileName(file.c_str());
    Write(Path("other.txt"), "x");
    ::DeleteFileA(file.c_str());
    EXPECT_TRUE(Hears(client, "deleted;"));
}

TEST_F(FileMonitorTest, NothingArrivesFromAMonitorDestroyedWithEventsInFlight)
{
    std::string file = Path("data.txt");
    Write(file, "a");
    CRecorder client;
    for (int round = 0; round < 20; round++)
    {
        CFileMonitor* pMonitor = new CFileMonitor(&client);
        pMonitor->SetFileName(file.c_str());
        Write(file, "b");
        if (round % 2 == 0)
            WaitForPosted();
        delete pMonitor;
        PumpUntil([] { return false; }, 20);
    }
    EXPECT_EQ("", client.m_log);
}

} // namespace
