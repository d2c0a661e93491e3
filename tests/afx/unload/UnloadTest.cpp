// The framework DLL loaded and freed again and again by a process that goes on running: it
// really goes, and leaves nothing behind that the process would call later (a creation hook,
// a callback at the end of a thread that used it).
#include <gtest/gtest.h>
#include <windows.h>

namespace {

typedef int (*PFNUSE)();

struct CWorker
{
    PFNUSE pfnUse;
    int nResult;
    HANDLE hUsed; // set once the worker used the framework
    HANDLE hGo; // the worker ends when this is set
};

DWORD WINAPI WorkerMain(LPVOID pParam)
{
    CWorker* pWorker = static_cast<CWorker*>(pParam);
    pWorker->nResult = pWorker->pfnUse();
    ::SetEvent(pWorker->hUsed);
    ::WaitForSingleObject(pWorker->hGo, INFINITE);
    return 0;
}

TEST(FrameworkUnload, LoadedAndFreedAgainWhileThreadsThatUsedItGoOn)
{
    for (int nRound = 0; nRound < 4; nRound++)
    {
        SCOPED_TRACE(nRound);
        ASSERT_EQ(NULL, ::GetModuleHandleA("kwafx.dll"));
        HMODULE hProbe = ::LoadLibraryA("afx_unload_probe.dll");
        ASSERT_NE((HMODULE)NULL, hProbe);
        PFNUSE pfnUse = (PFNUSE)(void*)::GetProcAddress(hProbe, "ProbeUseFramework");
        ASSERT_NE((PFNUSE)NULL, pfnUse);

        // Each load starts afresh: only the threads that used this load have a state.
        EXPECT_EQ(1, pfnUse());
        CWorker worker = { pfnUse, 0, ::CreateEventA(NULL, TRUE, FALSE, NULL), ::CreateEventA(NULL, TRUE, FALSE, NULL) };
        HANDLE hThread = ::CreateThread(NULL, 0, &WorkerMain, &worker, 0, NULL);
        ASSERT_NE((HANDLE)NULL, hThread);
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(worker.hUsed, 10000));
        EXPECT_EQ(2, worker.nResult);

        ASSERT_TRUE(::FreeLibrary(hProbe));
        EXPECT_EQ(NULL, ::GetModuleHandleA("afx_unload_probe.dll"));
        EXPECT_EQ(NULL, ::GetModuleHandleA("kwafx.dll"));

        // Windows are still created on this thread, and the worker ends cleanly.
        HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
        EXPECT_NE((HWND)NULL, hWnd);
        ::DestroyWindow(hWnd);
        ::SetEvent(worker.hGo);
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hThread, 10000));
        DWORD dwExit = 1;
        ::GetExitCodeThread(hThread, &dwExit);
        EXPECT_EQ(0u, dwExit);
        ::CloseHandle(hThread);
        ::CloseHandle(worker.hUsed);
        ::CloseHandle(worker.hGo);
    }
}

} // namespace
