// CBCGPPopupMenu.cpp: the popup-menu window: a hidden owned window that tracks its own copy of
// the menu through the system and hands the chosen command on.
#include "CBCGPPopupMenu.h"
#include "CBCGPMenuOwner.h"
#include "bcgpriv.h"

#include <afxwin.h>

IMPLEMENT_DYNAMIC(CBCGPPopupMenu, CWnd)

BEGIN_MESSAGE_MAP(CBCGPPopupMenu, CWnd)
    ON_MESSAGE(WM_BCGP_SHOWMENU, &CBCGPPopupMenu::OnShowMenu)
END_MESSAGE_MAP()

// One menu tracks at a time on the user-interface thread.
static CBCGPPopupMenu* s_pActiveMenu = NULL;

CBCGPPopupMenu::CBCGPPopupMenu()
    : m_hWndParent(NULL), m_hMenu(NULL), m_ptShow(0, 0), m_bLocked(FALSE), m_bOwnMessage(FALSE)
{
}

CBCGPPopupMenu::~CBCGPPopupMenu()
{
    if (s_pActiveMenu == this)
        s_pActiveMenu = NULL;
    if (m_hMenu != NULL)
        ::DestroyMenu(m_hMenu);
}

CBCGPPopupMenu* CBCGPPopupMenu::GetActiveMenu()
{
    return s_pActiveMenu;
}

HMENU CBCGPPopupMenu::CopyMenu(HMENU hSource)
{
    HMENU hCopy = ::CreatePopupMenu();
    int nCount = ::GetMenuItemCount(hSource);
    for (int i = 0; hCopy != NULL && i < nCount; i++)
    {
        // The first call measures the text, the second reads it whole.
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        if (!::GetMenuItemInfoA(hSource, (UINT)i, TRUE, &info))
            continue;
        CString strText;
        info.cch++;
        info.dwTypeData = strText.GetBuffer((int)info.cch);
        ::GetMenuItemInfoA(hSource, (UINT)i, TRUE, &info);
        strText.ReleaseBuffer();
        info.dwTypeData = (LPSTR)(LPCSTR)strText;
        if (info.hSubMenu != NULL)
            info.hSubMenu = CopyMenu(info.hSubMenu);
        ::InsertMenuItemA(hCopy, (UINT)i, TRUE, &info);
    }
    return hCopy;
}

BOOL CBCGPPopupMenu::Create(CWnd* pWndParent, int x, int y, HMENU hMenu, BOOL bLocked, BOOL bOwnMessage)
{
    HWND hWndParent = pWndParent->GetSafeHwnd();
    if (hWndParent == NULL || !::IsWindow(hWndParent) || !::IsMenu(hMenu) || m_hWnd != NULL)
        return FALSE;
    m_hMenu = CopyMenu(hMenu);
    if (m_hMenu == NULL)
        return FALSE;
    m_hWndParent = hWndParent;
    m_ptShow = CPoint(x, y);
    m_bLocked = bLocked;
    m_bOwnMessage = bOwnMessage;
    if (!CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "", WS_POPUP, x, y, 0, 0, hWndParent, NULL))
        return FALSE;
    // Shown from the queue, so the caller finishes first (and may let go of its menu).
    PostMessage(WM_BCGP_SHOWMENU);
    return TRUE;
}

LRESULT CBCGPPopupMenu::OnShowMenu(WPARAM, LPARAM)
{
    HWND hTarget = m_hWndParent;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (!m_bOwnMessage && pMainWnd->GetSafeHwnd() != NULL)
        hTarget = pMainWnd->m_hWnd;
    UINT nCommand = 0;
    if (::IsWindow(hTarget))
    {
        s_pActiveMenu = this;
        // The target takes WM_INITMENUPOPUP, so its command-UI handlers set up the items; the
        // system closes a tracked menu on a click elsewhere only when its window is in front.
        ::SetForegroundWindow(::GetAncestor(hTarget, GA_ROOT));
        nCommand = CBCGPMenuOwner::Track(m_hMenu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, m_ptShow.x,
            m_ptShow.y, hTarget, NULL);
        s_pActiveMenu = NULL;
    }
    DestroyWindow(); // deletes this
    // Posted as the system posts a menu command, after the menu has gone.
    if (nCommand != 0 && ::IsWindow(hTarget))
        ::PostMessageA(hTarget, WM_COMMAND, MAKEWPARAM(nCommand, 0), 0);
    return 0;
}

void CBCGPPopupMenu::CloseMenu(BOOL bSetFocusToBar)
{
    if (s_pActiveMenu == this)
        ::EndMenu(); // tracking returns no command and the window goes then
    else if (m_hWnd != NULL)
        DestroyWindow();
}

void CBCGPPopupMenu::PostNcDestroy()
{
    delete this;
}
