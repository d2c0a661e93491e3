// KwMenu.cpp: context menus shown through the docking library, and commands copied from menu
// resources.
#include "core/KwMenu.h"

#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMenuOwner.h"
#include "CBCGPPopupMenu.h"

CKwMenu::CKwMenu()
{
}

CKwMenu::~CKwMenu()
{
    DestroyMenu();
}

void CKwMenu::TrackPopupMenu(CWnd* pWnd, const CPoint& pt)
{
    CBCGPPopupMenu* pPopup = new CBCGPPopupMenu;
    if (!pPopup->Create(pWnd, pt.x, pt.y, m_hMenu, FALSE, TRUE))
    {
        delete pPopup; // it has no window that would delete it
        return;
    }
    // The docking MDI frame, when it is the main window, hears of every popup menu that opens,
    // and may keep it from showing.
    CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, AfxGetMainWnd());
    if (pFrame != NULL && !pFrame->OnShowPopupMenu(pPopup))
        pPopup->CloseMenu(); // not shown yet: it goes without a command
}

BOOL CKwMenu::TrackInLook(CMenu& menu, UINT nFlags, const CPoint& pt, CWnd* pOwner)
{
    return CBCGPMenuOwner::Track(menu.m_hMenu, nFlags, pt.x, pt.y, pOwner->GetSafeHwnd(), NULL) != 0;
}

void CKwMenu::AddContextMenuCommands(CMenu& menu, UINT nIDResource, LPCTSTR lpszName)
{
    AddContextMenuCommands(menu.m_hMenu, nIDResource, lpszName);
}

void CKwMenu::AddContextMenuCommands(HMENU hMenu, UINT nIDResource, LPCTSTR lpszName)
{
    CMenu resource;
    if (!::IsMenu(hMenu) || lpszName == NULL || !resource.LoadMenu(nIDResource))
        return;
    HMENU hSource = NULL;
    for (int i = 0; hSource == NULL && i < resource.GetMenuItemCount(); i++)
    {
        CString strText;
        resource.GetMenuString((UINT)i, strText, MF_BYPOSITION);
        if (strText == lpszName)
            hSource = ::GetSubMenu(resource.m_hMenu, i);
    }
    if (hSource == NULL || ::GetMenuItemCount(hSource) <= 0)
        return;
    if (::GetMenuItemCount(hMenu) > 0)
        ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
    // Moved one by one: removing a popup from the resource keeps it alive for the target.
    while (::GetMenuItemCount(hSource) > 0)
    {
        CString strText;
        CMenu::FromHandle(hSource)->GetMenuString(0, strText, MF_BYPOSITION);
        HMENU hSubMenu = ::GetSubMenu(hSource, 0);
        UINT nID = ::GetMenuItemID(hSource, 0);
        ::RemoveMenu(hSource, 0, MF_BYPOSITION);
        if (hSubMenu != NULL)
            ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hSubMenu, strText);
        else if (nID == 0)
            ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
        else
            ::AppendMenuA(hMenu, MF_STRING, nID, strText);
    }
}
