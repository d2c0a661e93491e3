// CBCGPControlBar.h: CBCGPControlBar, a bar that takes its side of the frame's client area when
// the frame lays out (WM_SIZEPARENT) and updates its items through the frame's command route at
// idle time (WM_IDLEUPDATECMDUI). The menu bar and the docking bars derive from it.
#pragma once

#include "CBCGPBaseControlBar.h"

class KWDOCK_API CBCGPControlBar : public CBCGPBaseControlBar
{
    DECLARE_DYNAMIC(CBCGPControlBar)
public:
    CBCGPControlBar();

    // The size the bar asks for: its own thickness across its side; along it the whole length
    // when bStretch, else its own. The base bar has no thickness.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Sets the state of the bar's items from pTarget's command route (CN_UPDATE_COMMAND_UI);
    // with bDisableIfNoHndler an item no target handles is disabled.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
