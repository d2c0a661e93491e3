// Worker threads started with AfxBeginThread: the object the worker sees as its own, the exit
// code, a suspended start, and the object going with its thread unless kept.
#include <afxwin.h>
#include <gtest/gtest.h>

namespace {

struct WorkerData
{
    CWinThread* pSeen = NULL; // AfxGetThread() inside the worker
    DWORD nThreadID = 0;
};

UINT RecordWorker(LPVOID pParam)
{
    WorkerData* pData = static_cast<WorkerData*>(pParam);
    pData->pSeen = AfxGetThread();
    pData->nThreadID = ::GetCurrentThreadId();
    return 42;
}

TEST(WorkerThreadTest, KeptWorkerRunsAsItsOwnThreadAndReturnsItsCode)
{
    CWinThread* pCaller = AfxGetThread();
    WorkerData data;
    CWinThread* pThread = AfxBeginThread(RecordWorker, &data, THREAD_PRIORITY_BELOW_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, pThread);
    EXPECT_EQ(pCaller, AfxGetThread()); // making the worker's object does not change the caller's
    EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, pThread->GetThreadPriority());
    pThread->m_bAutoDelete = FALSE;
    EXPECT_EQ(1u, pThread->ResumeThread()); // it was suspended, once
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 30000));
    DWORD nExitCode = 0;
    EXPECT_TRUE(::GetExitCodeThread(*pThread, &nExitCode));
    EXPECT_EQ(42u, nExitCode);
    EXPECT_EQ(pThread, data.pSeen);
    EXPECT_EQ(pThread->m_nThreadID, data.nThreadID);
    delete pThread;
}

TEST(WorkerThreadTest, AutoDeletedWorkerClosesItsHandle)
{
    WorkerData data;
    CWinThread* pThread = AfxBeginThread(RecordWorker, &data, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, pThread);
    HANDLE hOwn = pThread->m_hThread;
    HANDLE hWait = NULL;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), hOwn, ::GetCurrentProcess(), &hWait, SYNCHRONIZE, FALSE, 0));
    pThread->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hWait, 30000));
    ::CloseHandle(hWait);
    EXPECT_NE(nullptr, data.pSeen);
    // The object went as its thread ended (the thread's last act): its handle is closed then.
    DWORD dwFlags = 0;
    for (int i = 0; i < 3000 && ::GetHandleInformation(hOwn, &dwFlags); i++)
        ::Sleep(10);
    EXPECT_FALSE(::GetHandleInformation(hOwn, &dwFlags));
    EXPECT_EQ(nullptr, AfxBeginThread(NULL, NULL));
}

} // namespace
