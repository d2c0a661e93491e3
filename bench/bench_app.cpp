// The structural model editor as its user meets it: kwdemo.exe started on a model of 1,000
// members whose desktop holds 10 windows, until that desktop is restored, against the editor
// started on an empty frame, in turns; each start is timed by the editor itself from its
// process's creation ("ready <ms>"). Then the save of that model, against its budget.
#include "harness/BenchHarness.h"

#ifdef _WIN32

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

const int kRounds = 7;
const int kMembers = 1000;
const int kWindows = 10;
const double kOpenLimitMs = 1000; // from the process's start until the desktop is restored
const double kSaveLimitMs = 200;

std::string Folder()
{
    char szPath[MAX_PATH];
    DWORD dwLength = ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    std::string strPath(szPath, dwLength);
    return strPath.substr(0, strPath.find_last_of('\\') + 1);
}

// Runs kwdemo.exe with the arguments and returns what it printed; empty when it could not run
// or ended with a code other than 0. Its output goes through a file: the editor ends before
// anyone reads it.
std::string RunEditor(const std::string& strArguments)
{
    char szTemp[MAX_PATH], szOutput[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    ::GetTempFileNameA(szTemp, "kwb", 0, szOutput);
    SECURITY_ATTRIBUTES sa = {sizeof(sa), NULL, TRUE};
    HANDLE hOutput = ::CreateFileA(szOutput, GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, NULL);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hOutput;
    si.hStdError = hOutput;
    PROCESS_INFORMATION pi = {};
    std::string strCommand = "\"" + Folder() + "kwdemo.exe\" " + strArguments;
    BOOL bStarted = hOutput != INVALID_HANDLE_VALUE
        && ::CreateProcessA(NULL, &strCommand[0], NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi);
    DWORD dwCode = 1;
    if (bStarted)
    {
        ::WaitForSingleObject(pi.hProcess, INFINITE);
        ::GetExitCodeProcess(pi.hProcess, &dwCode);
        ::CloseHandle(pi.hProcess);
        ::CloseHandle(pi.hThread);
    }
    if (hOutput != INVALID_HANDLE_VALUE)
        ::CloseHandle(hOutput);
    std::string strOutput;
    if (FILE* pFile = fopen(szOutput, "rb"))
    {
        char buffer[512];
        size_t nRead;
        while ((nRead = fread(buffer, 1, sizeof(buffer), pFile)) > 0)
            strOutput.append(buffer, nRead);
        fclose(pFile);
    }
    ::DeleteFileA(szOutput);
    if (dwCode != 0)
        printf("  kwdemo.exe %s: exit code %lu\n%s", strArguments.c_str(), dwCode, strOutput.c_str());
    return dwCode == 0 ? strOutput : std::string();
}

// The figure of the editor's line "<word> <ms>", in seconds; negative when there is none.
double Figure(const std::string& strOutput, const char* pszWord)
{
    std::string strKey = std::string(pszWord) + " ";
    for (size_t pos = strOutput.find(strKey); pos != std::string::npos; pos = strOutput.find(strKey, pos + 1))
        if (pos == 0 || strOutput[pos - 1] == '\n')
            return atof(strOutput.c_str() + pos + strKey.size()) / 1e3;
    return -1;
}

} // namespace

int main()
{
    setvbuf(stdout, NULL, _IONBF, 0);
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    std::string strModel = std::string(szTemp) + "kwbench-app.kwm";
    std::string strCopy = std::string(szTemp) + "kwbench-app-saved.kwm";
    char szMake[64];
    snprintf(szMake, sizeof(szMake), " %d %d", kMembers, kWindows);
    if (RunEditor("/make-sample \"" + strModel + "\"" + szMake).empty()
        || ::GetFileAttributesA(strModel.c_str()) == INVALID_FILE_ATTRIBUTES)
    {
        printf("the editor did not make the model %s\n", strModel.c_str());
        return 1;
    }
    printf("kwdemo.exe started until ready: empty frame, and a model of %d members with %d windows\n", kMembers,
           kWindows);
    BenchTimes empty, model, save;
    bool bRan = true;
    // In turns, one untimed round first: a moment of load falls on both sides alike.
    for (int nRound = -1; nRound < kRounds && bRan; nRound++)
    {
        double dEmpty = Figure(RunEditor("/timing"), "ready");
        std::string strOpened = RunEditor("/timing \"" + strModel + "\" /save \"" + strCopy + "\"");
        double dModel = Figure(strOpened, "ready"), dSave = Figure(strOpened, "saved");
        bRan = dEmpty >= 0 && dModel >= 0 && dSave >= 0;
        if (bRan && nRound >= 0)
        {
            empty.seconds.push_back(dEmpty);
            model.seconds.push_back(dModel);
            save.seconds.push_back(dSave);
        }
    }
    ::DeleteFileA(strModel.c_str());
    ::DeleteFileA(strCopy.c_str());
    if (!bRan)
    {
        printf("the editor did not print its times (\"ready <ms>\", \"saved <ms>\")\n");
        return 1;
    }
    printf("%-56s %10s %10s %10s  (ms, %d rounds)\n", "", "min", "median", "max", kRounds);
    for (const auto& side : {std::make_pair("  empty frame", &empty), std::make_pair("  model opened, desktop restored", &model),
             std::make_pair("  model saved", &save)})
        printf("%-56s %10.1f %10.1f %10.1f\n", side.first, side.second->Min() * 1e3, side.second->Median() * 1e3,
               side.second->Max() * 1e3);
    BenchHarness::Ratio("  model opened vs empty frame", model, empty, 0);
    bool bOpen = BenchHarness::Limit("  model opened, median (ms)", model.Median() * 1e3, kOpenLimitMs);
    bool bSave = BenchHarness::Limit("  model saved, median (ms)", save.Median() * 1e3, kSaveLimitMs);
    return bOpen && bSave ? 0 : 1;
}

#else

// The editor is a Windows program: nothing to measure elsewhere.
int main()
{
    return 0;
}

#endif
