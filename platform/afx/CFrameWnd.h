// CFrameWnd.h: CFrameWnd, a top-level window with a menu, accelerators and a title that follows
// its document, holding an active view and the control bars around it; the second stop of every
// command after its view.
#pragma once

#include "CWnd.h"
#include "afxres.h"

class CDocument;
class CView;
struct CCreateContext;

// Frame styles, in the window style's bits: the document's name goes into the title, before the
// application's name with FWS_PREFIXTITLE (the default since Windows 95).
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00040000L
#define FWS_SNAPTOBARS 0x00020000L

// WM_FLOATSTATUS flags: what a frame tells the floating windows it owns.
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40

class KWAFX_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault; // let Windows place and size the window

    CFrameWnd();
    ~CFrameWnd() override;

    // A frame from resource nIDResource: its menu, accelerators and icon, and the title from the
    // first line of its string. pContext makes the view.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
        CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
        const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
        CCreateContext* pContext = NULL);

    // The frame's accelerators from resource lpszResourceName (LoadFrame does it for its own);
    // FALSE when the frame has a table already or the resource is missing.
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);

    // The view with id nID made from pContext (NULL when it cannot be made).
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Places the control bars, then the view in the rest of the client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Shows and brings the frame forward; -1 shows it as it was (restoring a minimized one).
    virtual void ActivateFrame(int nCmdShow = -1);
    // After the frame and its view exist: makes the view active, and when bMakeVisible sends
    // WM_INITIALUPDATE and shows the frame.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

    CView* GetActiveView() const { return m_pViewActive; }
    // With bNotify the old view hears it lost and the new one that it gained the activation.
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // This frame, or the active MDI child of an MDI frame.
    virtual CFrameWnd* GetActiveFrame() { return this; }

    // The title: the application's (m_strTitle) with the document's name, ":n" when the document
    // shows in several frames.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    LPCTSTR GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    // Work left for the next idle time: the title, the layout.
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
    void DelayRecalcLayout(BOOL bNotify = TRUE) { m_nIdleFlags |= (idleLayout | (bNotify ? idleNotify : 0)); }
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual HACCEL GetDefaultAccelerator();

    // Floating windows this frame owns learn its activation and enabling (WM_FLOATSTATUS).
    void NotifyFloatingWindows(DWORD dwFlags);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The active view's route, then the frame's map, then the application's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoMenuEnable; // menu items without handler are greyed
    int m_nWindow; // ":n" in the title; 0 when the frame is the document's only one, -1 unknown
    HMENU m_hMenuDefault; // the frame's own menu
    HACCEL m_hAccelTable;
    UINT m_nIDHelp; // the resource id the frame was loaded from
    CString m_strTitle;

    enum IdleFlags
    {
        idleMenu = 1,
        idleTitle = 2,
        idleNotify = 4,
        idleLayout = 8
    };
    UINT m_nIdleFlags;

protected:
    CView* m_pViewActive;
    BOOL m_bInRecalcLayout;

    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // A window class with the icon of resource nIDResource when there is one.
    LPCTSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
    void PostNcDestroy() override; // frames are made with new

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg BOOL OnQueryEndSession();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // The Caps Lock, Num Lock and Scroll Lock indicators: enabled while the key is toggled on.
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

    friend class CView;
};
