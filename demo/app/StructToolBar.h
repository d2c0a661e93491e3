// StructToolBar.h: CStructToolBar, a row of command buttons under the menu bar, each with a
// tooltip in markup saying what it does; a click leaves the focus where it was and sends the
// button's command to the frame.
#pragma once

#include "tips/UxToolTip.h"

#include <CBCGPControlBar.h>
#include <afxwin.h>

#include <memory>
#include <vector>

class CStructToolBar : public CBCGPControlBar
{
public:
    CStructToolBar();
    ~CStructToolBar() override;

    // The row along the top of pFrame, its buttons made at once.
    BOOL Create(CFrameWnd* pFrame, UINT nID);

    int GetButtonCount() const { return (int)m_buttons.size(); }
    CWnd* GetButton(int i) const { return m_buttons[i].get(); }
    // The button of a command, NULL when the row has none.
    CWnd* FindButton(UINT nID) const;
    // The tooltip a button shows (its markup).
    CString GetTip(UINT nID) const;
    // Shows the button's tooltip as the pointer resting on it does (the pointer is moved there).
    void ShowTip(UINT nID);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Each button is enabled as the frame's route says of its command.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::unique_ptr<CButton>> m_buttons;
    CUxToolTip m_tip;
    HWND m_hWndFocusBefore; // had the focus when a button was pressed
};
