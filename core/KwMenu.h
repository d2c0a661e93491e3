// KwMenu.h: CKwMenu, the toolkit's context menu: shown through the docking library's popup-menu
// window, and filled with named submenus of menu resources.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwMenu : public CMenu
{
public:
    CKwMenu();
    virtual ~CKwMenu(); // destroys the menu

    // Shows this menu at the screen point in a popup-menu window owned by pWnd, which receives the
    // chosen command. The window copies the menu, so this object may go once the call returns.
    // A docking MDI frame that is the main window hears of it (OnShowPopupMenu) and may refuse it.
    void TrackPopupMenu(CWnd* pWnd, const CPoint& pt);
    using CMenu::TrackPopupMenu;
    // Tracks menu here and now, as CMenu::TrackPopupMenu does (the command goes to pOwner), through
    // the docking library's tracking, so that the look draws it as it draws the bars' menus.
    static BOOL TrackInLook(CMenu& menu, UINT nFlags, const CPoint& pt, CWnd* pOwner);

    // Appends the items of the top-level popup named lpszName (compared exactly) of menu resource
    // nIDResource to menu, after a separator when menu has items already. Nested popups come
    // along whole; nothing happens when the resource, the name or the popup is missing, or the
    // popup is empty.
    static void AddContextMenuCommands(CMenu& menu, UINT nIDResource, LPCTSTR lpszName);
    static void AddContextMenuCommands(HMENU hMenu, UINT nIDResource, LPCTSTR lpszName);
};
