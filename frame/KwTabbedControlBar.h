// KwTabbedControlBar.h: declares CKwTabbedControlBar, the tabbed container the docking library
// makes of toolkit bars docked onto each other, with the bars' context menu and floating rules.
#pragma once

#include "core/KwUiExport.h"
#include "core/KwWindow.h"

#include <CBCGPTabbedControlBar.h>

class CCmdUI;
class CMenu;

class KWUI_API CKwTabbedControlBar : public CBCGPTabbedControlBar, public CKwWindow
{
    DECLARE_SERIAL(CKwTabbedControlBar)
public:
    CKwTabbedControlBar();

    BOOL CanFloat() const override;
    void CKwWindow_OnExtendContextMenu(CMenu& menu) override;

protected:
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnAutoHide();
    afx_msg void OnUpdateAutoHide(CCmdUI* pCmdUI);
    afx_msg void OnHide();
    afx_msg void OnFloat();
    afx_msg void OnUpdateFloat(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    BOOL m_bFloatingByCommand;
};
