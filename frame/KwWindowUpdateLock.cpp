// KwWindowUpdateLock.cpp: the scoped window update lock.
#include "frame/KwWindowUpdateLock.h"

CKwWindowUpdateLock::CKwWindowUpdateLock(CWnd* pWnd) : m_bLocked(FALSE)
{
    if (pWnd == NULL)
    {
        CWinThread* pThread = AfxGetThread();
        pWnd = pThread != NULL ? pThread->GetMainWnd() : NULL;
    }
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
        m_bLocked = ::LockWindowUpdate(pWnd->m_hWnd);
}

CKwWindowUpdateLock::~CKwWindowUpdateLock()
{
    if (m_bLocked)
        ::LockWindowUpdate(NULL);
}
