// Worker threads started with AfxBeginThread: the object the worker sees as its own, the exit
// code, a suspended start, and the object going with its thread unless kept.
#include <afxwin.h>
#include <gtest/gtest.h>

namespace {

// Notes the thread object it sees as its own in *pParam.
UINT RecordWorker(LPVOID pParam)
{
    *static_cast<CWinThread**>(pParam) = AfxGetThread();
    return 42;
}

TEST(WorkerThreadTest, KeptWorkerRunsAsItsOwnThreadAndReturnsItsCode)
{
    CWinThread* pCaller = AfxGetThread();
    CWinThread* pSeen = NULL;
    CWinThread* pThread = AfxBeginThread(RecordWorker, &pSeen, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, pThread);
    EXPECT_EQ(pCaller, AfxGetThread()); // making the worker's object does not change the caller's
    pThread->m_bAutoDelete = FALSE;
    EXPECT_EQ(1u, pThread->ResumeThread()); // it was suspended, once
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 30000));
    DWORD nExitCode = 0;
    EXPECT_TRUE(::GetExitCodeThread(*pThread, &nExitCode));
    EXPECT_EQ(42u, nExitCode);
    EXPECT_EQ(pThread, pSeen);
    delete pThread;
}

TEST(WorkerThreadTest, AutoDeletedWorkerClosesItsHandle)
{
    CWinThread* pSeen = NULL;
    CWinThread* pThread = AfxBeginThread(RecordWorker, &pSeen, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, pThread);
    HANDLE hOwn = pThread->m_hThread;
    HANDLE hWait = NULL;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), hOwn, ::GetCurrentProcess(), &hWait, SYNCHRONIZE, FALSE, 0));
    pThread->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hWait, 30000));
    ::CloseHandle(hWait);
    // The object went as its thread ended (the thread's last act), closing its handle.
    DWORD dwFlags = 0;
    EXPECT_FALSE(::GetHandleInformation(hOwn, &dwFlags));
}

} // namespace
