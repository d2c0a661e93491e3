// KwMDITabbedChildWnd.h: declares CKwMDITabbedChildWnd, the MDI child that shows several views of
// a document as tabs along its bottom, described by an open list (each tab's label, view class
// and context): opening a list an open window shows already activates that window.
#pragma once

#include "core/KwList.h"
#include "core/ViewContext.h"
#include "frame/IKwDesktopWindow.h"
#include "frame/KwMDIBasicChildWnd.h"

#include <CBCGPTabWnd.h>

class KWUI_API CKwMDITabbedChildWnd : public CKwMDIBasicChildWnd, public IKwDesktopWindow
{
    DECLARE_SERIAL(CKwMDITabbedChildWnd)
public:
    // One tab: the string id of its label, its view's class and what the view shows.
    class KWUI_API COpenSpec
    {
    public:
        COpenSpec() : m_nLabelID(0), m_pViewClass(NULL) {}
        COpenSpec(UINT nLabelID, CRuntimeClass* pViewClass, const CViewContext& ctx)
            : m_nLabelID(nLabelID), m_pViewClass(pViewClass), m_ctx(ctx)
        {
        }
        BOOL operator==(const COpenSpec& other) const;

        UINT m_nLabelID;
        CRuntimeClass* m_pViewClass;
        CViewContext m_ctx;
    };

    // The tabs of a window, in order. Equal lists have equal specs in the same order.
    class KWUI_API COpenList : public CKwList<COpenSpec, const COpenSpec&>
    {
    public:
        COpenList() {}
        COpenList(const COpenList& src) : CKwList<COpenSpec, const COpenSpec&>() { *this = src; }
        void Add(UINT nLabelID, CRuntimeClass* pViewClass, const CViewContext& ctx);
        COpenList& operator=(const COpenList& src);
        BOOL operator==(const COpenList& other) const;
    };

    CKwMDITabbedChildWnd();

    // The window of resource nID with the tabs of list on pDoc: the open one that shows list
    // already (tab nActiveTab made active unless -1), or a new one shown with nCmdShow with tab
    // nInitialTab active. With bReplaceActive a new window takes the place of the active child,
    // which closes after the call. NULL when the window cannot be made or the main window is no
    // MDI frame.
    static CKwMDITabbedChildWnd* Open(UINT nID, const COpenList& list, CDocument* pDoc, int nActiveTab,
        int nInitialTab, UINT nCmdShow, int bReplaceActive);
    // The open tabbed window whose tabs show what list describes (the views asked for their
    // contexts now), searched from the active child down; NULL when none does.
    static CKwMDITabbedChildWnd* FindTabbedWnd(const COpenList& list);

    UINT GetTabCount() const;
    CWnd* GetTab(UINT i);
    void SetActiveTab(UINT i);
    void SetActiveTab(CWnd* pWnd);
    // The view of spec iSpec of the open list (control ID AFX_IDW_PANE_FIRST + iSpec), NULL when
    // it could not be made.
    CView* GetSpecView(int iSpec) const;

    // The basic body, then an extension version of its own.
    void Serialize(CArchive& ar) override;

    // No spec of a stored desktop goes past the frame's pane ids.
    enum { MaxSpecs = AFX_IDW_PANE_LAST - AFX_IDW_PANE_FIRST + 1 };

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    // The first tab's view's own title when it gives one, else the document's.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // Version, window ID, active tab, placement, the specs (their contexts as the views give them
    // now), then each view's data; nothing at all when a spec's class cannot be stored.
    void IKwDesktopWindow_Store(CArchive& ar) override;
    void IKwDesktopWindow_Read(CArchive& ar) override;
    BOOL IKwDesktopWindow_Build(CArchive& ar, CDocument* pDoc) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnChangeActiveTab(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CBCGPTabWnd m_wndTabs;
    COpenList m_OpenList; // the list the window was made with
    UINT m_nID; // the resource the frame was loaded with
    CWnd m_wndPlaceholder; // holds the tabs, hidden, while the window is made

private:
    // Loads the frame, makes the views and shows them; on failure the object is gone.
    BOOL CreateMe(UINT nID, const COpenList& list, CDocument* pDoc, int nInitialTab, UINT nCmdShow);
    BOOL CreateMe(UINT nID, const COpenList& list, CDocument* pDoc, int nInitialTab, const WINDOWPLACEMENT& wp);
    BOOL Build(UINT nID, const COpenList& list, CDocument* pDoc, int nInitialTab, int nCmdShow,
        const WINDOWPLACEMENT* pPlacement);
    // Asks each spec's view for what it shows now.
    void RefreshContexts(COpenList& list) const;
    // The tabs over the client area, their border just outside it.
    void PlaceTabs(int cx, int cy);

    // What a desktop record holds for the window, between reading it and making the window.
    COpenList m_storedList;
    UINT m_nStoredTab;
    WINDOWPLACEMENT m_storedPlacement;
};
