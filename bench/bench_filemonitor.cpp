// The file monitor: the time from a write to the client's call, against the two settle times the
// worker waits on purpose (100 ms); then the CPU time the watching process spends over 10 idle
// seconds.
#include "harness/BenchHarness.h"
#include "harness/BenchPump.h"

#ifdef _WIN32

#include "services/FileMonitor.h"

#include <cstdio>
#include <string>

namespace {

const int kWrites = 20;

class CCounter : public IFileMonitorClient
{
public:
    void FileMonitorClient_OnFileEvent(EFileEvent, CFileMonitor*) override { m_nEvents++; }
    int m_nEvents = 0;
};

double CpuMilliseconds()
{
    FILETIME created, exited, kernel, user;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    ULONGLONG k = (ULONGLONG)kernel.dwHighDateTime << 32 | kernel.dwLowDateTime;
    ULONGLONG u = (ULONGLONG)user.dwHighDateTime << 32 | user.dwLowDateTime;
    return (k + u) / 10000.0;
}

} // namespace

int main()
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string file = std::string(temp) + "kwbench-monitor-" + std::to_string(::GetCurrentProcessId()) + ".txt";
    ::DeleteFileA(file.c_str());
    CCounter client;
    CFileMonitor monitor(&client);
    monitor.SetFileName(file.c_str());

    int nWrite = 0;
    auto writeAndHear = [&] {
        int before = client.m_nEvents;
        FILE* f = fopen(file.c_str(), "ab");
        if (f != NULL)
        {
            fprintf(f, "%d\n", ++nWrite);
            fclose(f);
        }
        // Waits for the call, with the window messages that carry it.
        for (DWORD start = ::GetTickCount(); client.m_nEvents == before && ::GetTickCount() - start < 5000;)
        {
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
            BenchPump();
        }
    };
    auto settles = [] { ::Sleep(100); };
    auto times = BenchHarness::Compare(
        {BenchSide("write until the client hears of it", writeAndHear), BenchSide("the two settle times", settles)},
        kWrites, 1000.0, "ms per write");
    bool ok = BenchHarness::Ratio("heard vs settles", times[0], times[1], 2.0);
    if (client.m_nEvents < kWrites)
    {
        printf("only %d of %d writes were heard\n", client.m_nEvents, kWrites);
        ok = false;
    }

    double before = CpuMilliseconds();
    ::Sleep(10000);
    ok &= BenchHarness::Limit("CPU of the watching process over 10 idle seconds (ms)", CpuMilliseconds() - before, 50);
    monitor.SetFileName("");
    ::DeleteFileA(file.c_str());
    return ok ? 0 : 1;
}

#else

// Change notification and a window: nothing to measure elsewhere.
int main()
{
    return 0;
}
#endif
