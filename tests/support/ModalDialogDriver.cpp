// ModalDialogDriver: the thread timer that finds the dialog and answers it.
#ifdef _WIN32
#include "ModalDialogDriver.h"

#include <cstring>

ModalDialogDriver* ModalDialogDriver::s_pActive = NULL;

ModalDialogDriver::ModalDialogDriver(Answer answer, const char* lpszCaption, DWORD dwTimeoutMs)
    : m_answer(answer), m_lpszCaption(lpszCaption), m_dwDeadline(::GetTickCount() + dwTimeoutMs), m_nTimer(0),
      m_hFound(NULL), m_bAnswered(false), m_bTimedOut(false)
{
    s_pActive = this;
    m_nTimer = ::SetTimer(NULL, 0, 20, &ModalDialogDriver::OnTimer);
}

ModalDialogDriver::~ModalDialogDriver()
{
    ::KillTimer(NULL, m_nTimer);
    if (s_pActive == this)
        s_pActive = NULL;
}

void CALLBACK ModalDialogDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_pActive != NULL)
        s_pActive->Tick();
}

BOOL CALLBACK ModalDialogDriver::FindDialog(HWND hWnd, LPARAM lParam)
{
    ModalDialogDriver* pThis = (ModalDialogDriver*)lParam;
    char szClass[16] = {};
    char szCaption[256] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    ::GetWindowTextA(hWnd, szCaption, sizeof(szCaption));
    // Top-level: a dialog owned by a window is still one (GetParent would name its owner).
    if (strcmp(szClass, "#32770") != 0 || !::IsWindowVisible(hWnd) || (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        return TRUE;
    if (pThis->m_lpszCaption != NULL && strcmp(szCaption, pThis->m_lpszCaption) != 0)
        return TRUE;
    pThis->m_hFound = hWnd;
    return FALSE;
}

void ModalDialogDriver::Tick()
{
    m_hFound = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), &ModalDialogDriver::FindDialog, (LPARAM)this);
    if (m_hFound == NULL)
        return;
    if (!m_bAnswered) {
        // Answered once only, even if the answer pumps messages and the timer fires again.
        m_bAnswered = true;
        m_answer(m_hFound);
    } else if ((LONG)(::GetTickCount() - m_dwDeadline) > 0 && !m_bTimedOut) {
        m_bTimedOut = true;
        ::PostMessageA(m_hFound, WM_COMMAND, IDCANCEL, 0);
    }
}
#endif
