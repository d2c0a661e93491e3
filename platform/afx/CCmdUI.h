// CCmdUI.h: CCmdUI, the state of one menu item or control that a command-UI handler updates.
#pragma once

#include "afxtypes.h"

class CCmdTarget;
class CMenu;
class CWnd;

class KWAFX_API CCmdUI
{
public:
    UINT m_nID; // the command
    UINT m_nIndex; // position of the item in m_pMenu
    CMenu* m_pMenu; // the menu being updated, or NULL
    CMenu* m_pSubMenu; // the popup at m_nIndex when the item opens one
    CMenu* m_pParentMenu; // the menu bar a popup belongs to, when known
    CWnd* m_pOther; // the control being updated (when m_pMenu is NULL)
    UINT m_nIndexMax; // number of items in m_pMenu
    BOOL m_bEnableChanged; // a handler called Enable
    BOOL m_bContinueRouting; // the handler asked to pass the update on

    CCmdUI();
    virtual ~CCmdUI() {}

    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate (buttons only).
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    // Called by a handler that wants the next target in the route to update the item too.
    void ContinueRouting();

    // Asks pTarget's route for an update handler; without one, and when asked to, enables the
    // item exactly when some target handles the command itself. TRUE when a handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // Updates every item of a popup menu about to show through pTarget's route (a nested popup
    // by its first item's handler, never greyed for lack of one). With bAutoMenuEnable an item
    // below the system's commands that nobody handles is greyed.
    static void UpdateMenuItems(CMenu* pMenu, CCmdTarget* pTarget, BOOL bAutoMenuEnable);
};
