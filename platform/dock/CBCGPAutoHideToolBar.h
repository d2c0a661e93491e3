// CBCGPAutoHideToolBar.h: CBCGPAutoHideToolBar, the strip along one edge of the frame that holds
// the buttons of the panes auto-hidden at that edge, in the order they were hidden. A tabbed
// container's buttons (one for each tab) stand together as a group, apart from the others.
#pragma once

#include "CBCGPBaseControlBar.h"

#include <vector>

class CBCGPAutoHideButton;
class CBCGPDockingControlBar;

class KWDOCK_API CBCGPAutoHideToolBar : public CBCGPBaseControlBar
{
    DECLARE_DYNAMIC(CBCGPAutoHideToolBar)
public:
    // The strip's thickness across its edge, and the gap between its buttons.
    enum { STRIP_SIZE = 24, BUTTON_GAP = 2 };

    CBCGPAutoHideToolBar();
    ~CBCGPAutoHideToolBar() override;

    // A strip of pFrame's client area along the edge dwAlignment (one CBRS_ALIGN_ bit).
    BOOL Create(CFrameWnd* pFrame, DWORD dwAlignment);

    // A button for pBar at the end of the strip; nothing when the bar has one already.
    CBCGPAutoHideButton* AddAutoHideWindow(CBCGPDockingControlBar* pBar);
    // Takes pBar's button away; FALSE when it had none.
    BOOL RemoveAutoHideWindow(CBCGPDockingControlBar* pBar);
    CBCGPAutoHideButton* FindButton(const CBCGPDockingControlBar* pBar) const;
    int GetButtonCount() const { return (int)m_buttons.size(); }
    // Places the buttons one after another from the strip's start.
    void LayoutButtons();
    void OnDpiChanged() override { LayoutButtons(); }

protected:
    CBCGPAutoHideButton* ButtonFromPoint(CPoint point) const;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    std::vector<CBCGPAutoHideButton*> m_buttons;

public:
    // The space between groups of buttons (each pane's or container's).
    enum { GROUP_GAP = 8 };
    CBCGPAutoHideButton* GetButton(int iButton) const { return m_buttons[(size_t)iButton]; }
    // pBar's place in the strip, counted in panes (0 for the first), -1 when it has no button.
    int GetWindowIndex(const CBCGPDockingControlBar* pBar) const;
    // Makes pBar's group match its tabs again (one button for each, in their order), in place.
    void UpdateTabButtons(CBCGPDockingControlBar* pBar);
    // Whether ptScreen is over one of pBar's buttons.
    BOOL IsOverButtonOf(const CBCGPDockingControlBar* pBar, CPoint ptScreen) const;

protected:
    // Slides in the button's pane (its tab in front) unless it shows so already.
    void SlideInFor(CBCGPAutoHideButton* pButton, BOOL bByClick);
};
