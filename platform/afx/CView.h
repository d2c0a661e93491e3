// CView.h: CView, the child window of a frame that shows a document: it draws it, hears of its
// changes, and becomes the frame's active view (and the first stop of commands) when clicked.
#pragma once

#include "CWnd.h"

class CDocument;
class CFrameWnd;
struct CPrintInfo;

// The style a frame gives the view it makes.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

class KWAFX_API CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override; // leaves its document

    CDocument* GetDocument() const { return m_pDocument; }

    // The frame calls these: once when it is first shown, then whenever the document changes
    // (the default repaints), and as the view gains or loses the frame's activation.
    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) {}
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) {}
    virtual void OnDraw(CDC* pDC) = 0;

    // The view's own map, then its document's route.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    CDocument* m_pDocument;

protected:
    CView();
    void PostNcDestroy() override; // views are made with new by their frame

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

    friend class CDocument;
};
