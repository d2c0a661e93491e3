// StructTourInput.cpp: keys go through the system's input queue, the mouse's messages are
// posted; all of them then meet the same translation, accelerators and tooltip relays as the
// user's own.
#include "StructTourInput.h"

namespace {

struct TopLevelSearch
{
    const char* pszClass;
    const char* pszCaption;
    HWND hFound;
};

BOOL CALLBACK FindTopLevelProc(HWND hWnd, LPARAM lParam)
{
    TopLevelSearch* pSearch = (TopLevelSearch*)lParam;
    char szClass[64] = "", szCaption[256] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    ::GetWindowTextA(hWnd, szCaption, sizeof(szCaption));
    if (::IsWindowVisible(hWnd) && lstrcmpiA(szClass, pSearch->pszClass) == 0
        && (pSearch->pszCaption == NULL || lstrcmpA(szCaption, pSearch->pszCaption) == 0))
    {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

void CStructTourInput::Command(UINT nID)
{
    AfxGetMainWnd()->PostMessage(WM_COMMAND, nID);
}

void CStructTourInput::Type(const CString& strText)
{
    for (int i = 0; i < strText.GetLength(); i++)
    {
        char ch = strText[i];
        if (ch == '\n' || ch == '\t')
        {
            Key(ch == '\n' ? VK_RETURN : VK_TAB);
            continue;
        }
        SHORT nScan = ::VkKeyScanA(ch);
        bool bShift = (nScan & 0x100) != 0;
        if (bShift)
            ::keybd_event(VK_SHIFT, 0, 0, 0);
        ::keybd_event(LOBYTE(nScan), 0, 0, 0);
        ::keybd_event(LOBYTE(nScan), 0, KEYEVENTF_KEYUP, 0);
        if (bShift)
            ::keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    }
}

void CStructTourInput::Key(BYTE nVirtualKey)
{
    ::keybd_event(nVirtualKey, 0, 0, 0);
    ::keybd_event(nVirtualKey, 0, KEYEVENTF_KEYUP, 0);
}

void CStructTourInput::Mouse(CWnd* pWnd, CPoint ptClient, bool bClick)
{
    CPoint ptScreen = ptClient;
    pWnd->ClientToScreen(&ptScreen);
    // The pointer is put there at once, for whoever asks where it is (a tooltip's timer); its
    // move and the buttons are posted to the window, or to the one holding the mouse. Sent
    // through the display, they would race its own reports of the pointer.
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    HWND hTarget = ::GetCapture() != NULL ? ::GetCapture() : pWnd->m_hWnd;
    CPoint pt = ptScreen;
    ::ScreenToClient(hTarget, &pt);
    ::PostMessageA(hTarget, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    if (bClick)
    {
        ::PostMessageA(hTarget, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        ::PostMessageA(hTarget, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
}

CWnd* CStructTourInput::Find(CWnd* pRoot, const std::function<bool(CWnd*)>& test)
{
    if (pRoot == NULL || pRoot->m_hWnd == NULL)
        return NULL;
    CWnd* pWnd = CWnd::FromHandlePermanent(pRoot->m_hWnd);
    if (pWnd != NULL && test(pWnd))
        return pWnd;
    for (HWND hChild = ::GetWindow(pRoot->m_hWnd, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        if (CWnd* pFound = Find(CWnd::FromHandle(hChild), test))
            return pFound;
    return NULL;
}

HWND CStructTourInput::FindTopLevel(const char* pszClass, const char* pszCaption)
{
    TopLevelSearch search = {pszClass, pszCaption, NULL};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindTopLevelProc, (LPARAM)&search);
    return search.hFound;
}
