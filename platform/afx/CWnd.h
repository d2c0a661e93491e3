// CWnd.h: CWnd, the framework object of a window: its handle map entry, creation through the
// shared window procedure, message dispatch and reflection, command routing, and the members
// that wrap the Win32 window functions.
#pragma once

#include "afxmsg_.h"
#include "CPoint.h"
#include "CRect.h"
#include "CString.h"

// windows.h makes this a macro; here it is a member.
#undef GetNextWindow

class CDC;
class CDataExchange;
class CFont;
class CFrameWnd;
class CMenu;
class CScrollBar;
struct CCreateContext;

// The framework's class name for plain child windows (double clicks, redraw on resize).
#define AFX_WND_CLASS "AfxWnd42"

// The framework's state of a window, in CWnd::m_nFlags.
#define WF_TOOLTIPS 0x0001 // shows tooltips for its controls
#define WF_TEMPHIDE 0x0002 // hidden for a while, to be shown again
#define WF_STAYDISABLED 0x0004 // stays disabled when a modal state ends
#define WF_MODALLOOP 0x0008 // runs its modal loop
#define WF_CONTINUEMODAL 0x0010 // its modal loop goes on; cleared to end it
#define WF_STAYACTIVE 0x0020 // looks active while it is not
#define WF_NOPOPMSG 0x0040 // the status text it pushed is not popped
#define WF_MODALDISABLE 0x0080 // disabled by a modal state
#define WF_OLECTLCONTAINER 0x0100 // holds OLE controls
#define WF_KEEPMINIACTIVE 0x0200 // stays active while deactivated (mini frames)

// Flags of RunModalLoop.
#define MLF_NOIDLEMSG 0x0001 // no WM_ENTERIDLE to the parent while the queue is empty
#define MLF_NOKICKIDLE 0x0002 // no WM_KICKIDLE to the window while the queue is empty
#define MLF_SHOWONIDLE 0x0004 // show a hidden window once the queue first runs empty

// The shared window procedure of every window the framework created or subclassed.
KWAFX_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
KWAFX_API LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// Creation hand-over: the next window this thread creates becomes pWnd's (dialogs use it too).
// FALSE, and nothing waits, when the thread's creation hook cannot be set.
KWAFX_API BOOL AFXAPI AfxHookWindowCreate(CWnd* pWnd);
// FALSE when no window was created since the hook was set. The hook is removed either way.
KWAFX_API BOOL AFXAPI AfxUnhookWindowCreate();
// A window class with the given style, cursor, background and icon, registered once, named
// "Afx:<instance>:<style>[:<cursor>:<brush>:<icon>]". The name stays valid until the thread's
// next call.
KWAFX_API LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0, HBRUSH hbrBackground = 0,
    HICON hIcon = 0);
// The dialog procedure of every window made from a dialog template: its messages reach its
// message map through AfxWndProc, so this only answers what the dialog manager asks it directly.
KWAFX_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Sets the text only when it differs, so that controls do not flicker.
KWAFX_API void AFXAPI AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew);
// Temporary objects of this thread live at least until the matching unlock; the last unlock
// deletes them (window, menu and GDI wrappers).
KWAFX_API void AFXAPI AfxLockTempMaps();
KWAFX_API BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);

class KWAFX_API CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    HWND m_hWnd;
    UINT m_nFlags; // WF_ flags, 0 to start with
    // The owner SetOwner gave the window; NULL leaves GetOwner to the system's owner or the
    // parent. Kept here because a child's system owner is its parent and cannot differ.
    HWND m_hWndOwner;

    // Places in the z-order for SetWindowPos: their m_hWnd is HWND_TOP, HWND_BOTTOM,
    // HWND_TOPMOST or HWND_NOTOPMOST.
    static const CWnd& wndTop;
    static const CWnd& wndBottom;
    static const CWnd& wndTopMost;
    static const CWnd& wndNoTopMost;

    CWnd();
    virtual ~CWnd(); // destroys a window that is still attached

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const; // NULL for a NULL object as well
    BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
    BOOL operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

    // The handle map: the permanent object of a window, else a temporary one freed at idle.
    static CWnd* PASCAL FromHandle(HWND hWnd);
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();

    // Creation and destruction.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
        int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
        const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = NULL);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // Subclassing an existing window: its messages come through this object's map first, and
    // Default() reaches its original window procedure.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
        BOOL bOnlyPerm = FALSE);
    static void PASCAL SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
        BOOL bOnlyPerm);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Hands over the OLE control sites of a dialog template while the dialog is made; a window
    // that hosts such controls keeps them and answers TRUE.
    virtual BOOL SetOccDialogInfo(struct _AFX_OCC_DIALOG_INFO* pOccDialogInfo);
    // Offers pMsg to the PreTranslateMessage of its window and each parent up to hWndStop.
    static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();
    static const MSG* PASCAL GetCurrentMessage();

    // Commands and notifications, and their reflection to the child control they came from.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = NULL);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = NULL);
    // Updates each child control through pTarget's command-UI handlers.
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // Styles.
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

    // Text and font.
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    // The caption's (small) or the task switcher's (big) icon; returns the previous one.
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;

    // Size and position.
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    // Centres over the parent (or owner, or the work area) and keeps the window on the screen.
    void CenterWindow(CWnd* pAlternateOwner = NULL);
    void BringWindowToTop();
    BOOL SetForegroundWindow();
    static CWnd* PASCAL GetForegroundWindow();
    // The window rectangle that has lpClientRect as client area, from the window's styles;
    // adjustBorder leaves out the sunken client edge.
    enum AdjustType { adjustBorder = 0, adjustOutside = 1 };
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);
    BOOL IsIconic() const;
    BOOL IsZoomed() const;

    // Painting.
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void InvalidateRgn(HRGN hRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, HRGN hrgnUpdate = NULL,
        UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void SetRedraw(BOOL bRedraw = TRUE);
    // The system's lock on drawing into the window (one window at a time on the desktop).
    BOOL LockWindowUpdate();
    void UnlockWindowUpdate();
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;

    // Relatives.
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetOwner() const; // the owner, else the parent
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetTopLevelParent() const;
    // The nearest frame window above this one, and the outermost one.
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    // Lays out the children with ids nIDFirst to nIDLast (the control bars, through
    // WM_SIZEPARENT) and gives the rest of the client area to child nIDLeftOver. reposQuery only
    // measures into lpRectParam; reposExtra takes lpRectParam's sides off the rest.
    enum RepositionFlags
    {
        reposDefault = 0,
        reposQuery = 1,
        reposExtra = 2,
        reposNoPosLeftOver = 0x8000
    };
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
        LPRECT lpRectParam = NULL, LPCRECT lpRectClient = NULL, BOOL bStretch = TRUE);
    CWnd* GetTopLevelOwner() const;
    BOOL IsChild(const CWnd* pWnd) const;
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    // The child with this id at any depth (or only direct children); only a permanent object
    // when bOnlyPerm.
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetTopWindow() const;
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
    CWnd* GetLastActivePopup() const;
    static CWnd* PASCAL WindowFromPoint(POINT point);
    CWnd* ChildWindowFromPoint(POINT point) const;
    CWnd* ChildWindowFromPoint(POINT point, UINT nFlags) const;
    static CWnd* PASCAL GetDesktopWindow();
    static CWnd* PASCAL GetActiveWindow();
    CWnd* SetActiveWindow();
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    CMenu* GetSystemMenu(BOOL bRevert) const;
    void DrawMenuBar();

    // Focus, capture and timers.
    CWnd* SetFocus();
    static CWnd* PASCAL GetFocus();
    CWnd* SetCapture();
    static CWnd* PASCAL GetCapture();
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = NULL);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // Scroll bars.
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    int GetScrollLimit(int nBar);
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL, LPCRECT lpClipRect = NULL);
    int ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, HRGN hrgnUpdate, LPRECT lpRectUpdate,
        UINT flags);

    // Properties, dialog items and message boxes.
    BOOL SetProp(LPCTSTR lpString, HANDLE hData);
    HANDLE GetProp(LPCTSTR lpString) const;
    HANDLE RemoveProp(LPCTSTR lpString);
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = NULL, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK);
    BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
    void DragAcceptFiles(BOOL bAccept = TRUE);

    // Windows made from a dialog template (CWndDialog.cpp). UpdateData exchanges the members
    // with the controls through DoDataExchange: TRUE reads and validates the controls, FALSE
    // fills them; FALSE when validation failed (the offending control has the focus).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Dialog navigation for keyboard and mouse messages of this window and its descendants.
    BOOL PreTranslateInput(LPMSG lpMsg);
    BOOL IsDialogMessage(LPMSG lpMsg);

    // The framework's modal loop (CWndModal.cpp): pumps messages through PreTranslateMessage
    // until ContinueModal says no (EndModalLoop, or the window is gone); returns the result
    // given to EndModalLoop, or -1 when WM_QUIT arrives (it is posted again for the outer loop).
    int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);
    // The owner a modal window should have: hParent, else the main window (or its last active
    // popup), never a child window. *pWndTop receives the top-level window above it when that is
    // another window and enabled; the caller disables it for the modal run.
    static HWND PASCAL GetSafeOwner_(HWND hParent, HWND* pWndTop);

    // Default handlers: each does the window's default processing of its message.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcMButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcMButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar); // reflected to the bar first
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar); // reflected to the bar first
    afx_msg UINT OnGetDlgCode();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor); // reflected to the control first
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct); // reflected first
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct); // reflected first
    afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct); // reflected first
    afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct); // reflected first
    afx_msg void OnParentNotify(UINT message, LPARAM lParam); // reflected to the child first
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnSysColorChange();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg BOOL OnQueryEndSession();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg HCURSOR OnQueryDragIcon();

    // Handle-map hooks for temporary objects.
    static CWnd* NewTemporary(HWND hWnd);
    static void DetachTemporary(CWnd* pWnd);

protected:
    WNDPROC m_pfnSuper; // the window procedure this object's messages fall back to
    int m_nModalResult; // what a modal run ended with; -1 while none did

    virtual WNDPROC* GetSuperWndProcAddr();
    // Called before a window is subclassed (also during creation, with the window attached).
    virtual void PreSubclassWindow();
    // Called last, after the window is gone; windows made with new delete themselves here.
    virtual void PostNcDestroy();

    // Windows made from a dialog template. CreateDlgIndirect creates the window with the
    // framework's dialog procedure; it fails, leaving no window, when the window ended itself
    // during its initialisation (a dialog's EndDialog in OnInitDialog).
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    // Fills the controls from the template's initialisation data (the strings of combo and list
    // boxes that the resource editor keeps in a DLGINIT resource of the template's name).
    BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);
    BOOL ExecuteDlgInit(LPVOID lpResource, DWORD dwSize);

    friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};
