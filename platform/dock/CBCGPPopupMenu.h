// CBCGPPopupMenu.h: CBCGPPopupMenu, a popup-menu window shown at a screen point on behalf of an
// owner window; the system's menu does the showing and tracking, and the chosen command goes to
// the owner (or to the main window) as WM_COMMAND.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class KWDOCK_API CBCGPPopupMenu : public CWnd
{
    DECLARE_DYNAMIC(CBCGPPopupMenu)
public:
    CBCGPPopupMenu();
    virtual ~CBCGPPopupMenu();

    // Creates the popup window owned by pWndParent and shows a copy of hMenu at the screen point
    // (x, y) once the thread's queue is reached, so the caller may destroy hMenu on return. With
    // bOwnMessage the command goes to pWndParent, otherwise to the main window (pWndParent when
    // there is none). bLocked is kept for callers that ask. Made with new: the object deletes
    // itself when the menu closes. FALSE (and nothing shown) without an owner or a menu.
    virtual BOOL Create(CWnd* pWndParent, int x, int y, HMENU hMenu, BOOL bLocked = FALSE, BOOL bOwnMessage = FALSE);

    // The menu being shown (the popup's own copy).
    HMENU GetHMenu() const { return m_hMenu; }
    CWnd* GetParentWnd() const { return CWnd::FromHandle(m_hWndParent); }
    BOOL IsLocked() const { return m_bLocked; }
    BOOL IsOwnMessage() const { return m_bOwnMessage; }
    // Closes the popup without a command.
    void CloseMenu(BOOL bSetFocusToBar = FALSE);

    // The popup shown now, else NULL.
    static CBCGPPopupMenu* GetActiveMenu();

protected:
    afx_msg LRESULT OnShowMenu(WPARAM, LPARAM);
    virtual void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    static HMENU CopyMenu(HMENU hSource);

    HWND m_hWndParent; // a handle: the caller's object may be a temporary one
    HMENU m_hMenu;
    CPoint m_ptShow;
    BOOL m_bLocked;
    BOOL m_bOwnMessage;
};
