// CBCGPMenuBar.h: CBCGPMenuBar, the frame's menu shown as a row of buttons at the top of its
// client area: a button opens its popup for the frame, a command button sends its command, and
// while an MDI child is maximized the bar carries that child's system-menu icon at its left and
// its minimize, restore and close buttons at its right.
#pragma once

#include "CBCGPControlBar.h"

#include <vector>

// The control id of a frame's menu bar.
#define AFX_IDW_MENUBAR 0xE81A

class KWDOCK_API CBCGPMenuBar : public CBCGPControlBar
{
    DECLARE_DYNAMIC(CBCGPMenuBar)
public:
    CBCGPMenuBar();
    ~CBCGPMenuBar() override;

    // A menu bar along the top of pParentWnd (a frame).
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_MENUBAR);

    // Shows the top-level items of hMenu. The menu stays its owner's (the frame's or a template's)
    // and must live while the bar shows it; bDefaultMenu tells that it is the frame's own.
    virtual void CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu = FALSE);
    HMENU GetHMenu() const { return m_hMenu; }
    BOOL IsDefaultMenu() const { return m_bDefaultMenu; }

    // With bMax the bar shows the system-menu icon and buttons of pWnd (a maximized MDI child),
    // without them otherwise. bRecalcLayout lays the buttons out again at once (else at the next
    // change of size).
    virtual void SetMaximizeMode(BOOL bMax, CWnd* pWnd = NULL, BOOL bRecalcLayout = TRUE);
    BOOL IsMaximizeMode() const { return m_hWndMaximized != NULL; }
    CWnd* GetMaximizedWnd() const { return CWnd::FromHandle(m_hWndMaximized); }
    // The icon hWnd's caption shows: its own small or large one, else its class's; NULL when it
    // has none (the system's default is then the caller's choice).
    static HICON GetCaptionIcon(HWND hWnd);

    // The buttons, one per top-level item of the menu in its order.
    int GetCount() const { return (int)m_buttons.size(); }
    CString GetButtonText(int i) const;
    UINT GetButtonID(int i) const; // (UINT)-1 for a button that opens a popup
    BOOL IsButtonEnabled(int i) const;
    BOOL IsButtonChecked(int i) const;
    CRect GetButtonRect(int i) const; // in client coordinates

    // Hit codes of the parts around the buttons in maximize mode.
    enum
    {
        hitNone = -1,
        hitSysMenu = -2,
        hitMinimize = -3,
        hitRestore = -4,
        hitClose = -5
    };
    // The button at the client point (its index), one of the hit codes, or hitNone.
    int HitTest(CPoint point) const;
    CRect GetSysPartRect(int nHit) const;

    // Opens the popup of button i under it, tracked for the frame: the frame's command UI sets
    // the items and the chosen command goes to the frame. The mouse moving onto another button,
    // or Left and Right, open the neighbouring popup instead. Returns when the menu has closed.
    void OpenPopup(int i);
    // Opens the popup whose button's mnemonic (the letter after '&') is nChar; FALSE when none.
    BOOL TranslateChar(UINT nChar);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    // One top-level item of the menu.
    struct CMenuButton
    {
        CString strText;
        UINT nID; // (UINT)-1 for a popup
        HMENU hPopup;
        BOOL bEnabled;
        BOOL bChecked;
        CRect rect;
    };
    class CMenuBarCmdUI;

    // Drawing, with system colours for now; the visual manager takes these colours over.
    virtual void DrawBar(HDC hDC, const CRect& rectClient);
    void DrawButton(HDC hDC, const CMenuButton& button, BOOL bHot, BOOL bPressed);
    void DrawSysPart(HDC hDC, int nHit);

    void RecalcButtons();
    HFONT GetMenuFont();
    HWND GetCommandTarget() const;
    void SetPressed(int nHit);
    void SendSysCommand(int nHit);
    void TrackSysMenu();
    static LRESULT CALLBACK MenuFilterHook(int nCode, WPARAM wParam, LPARAM lParam);
    static BOOL IsSubMenuKey(BOOL bRight);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    DECLARE_MESSAGE_MAP()
    // The font and the buttons measured again at the bar's DPI.
    void OnDpiChanged() override;

    std::vector<CMenuButton> m_buttons;
    HMENU m_hMenu;
    BOOL m_bDefaultMenu;
    HWND m_hWndMaximized; // the maximized child, as a handle: its object may be going
    HFONT m_hFont;
    int m_nHot; // the part under the mouse (index or hit code)
    int m_nPressed; // the part held down or whose popup is open
    int m_nNextPopup; // the popup to open when the one open now closes
    BOOL m_bTracking; // a popup of the bar is open
};
