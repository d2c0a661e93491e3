// CFormView.h: CFormView, a view made from a dialog template: its controls show the document,
// the keyboard moves between them as in a dialog, and the control that had the focus gets it
// back when the view is activated again.
#pragma once

#include "CView.h"

class KWAFX_API CFormView : public CView
{
    DECLARE_DYNAMIC(CFormView)
public:
    // The template's style is made that of a child: caption, border and popup bits go, the
    // view's own style (AFX_WS_DEFAULT_VIEW from its frame) comes in.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
        UINT nID, CCreateContext* pContext = NULL) override;

    void OnInitialUpdate() override; // fills the controls (UpdateData(FALSE))
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) override;
    void OnDraw(CDC* pDC) override; // nothing: the controls draw themselves
    // The frames' accelerators first, then dialog navigation.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    explicit CFormView(LPCTSTR lpszTemplateName);
    explicit CFormView(UINT nIDTemplate);

    LPCTSTR m_lpszTemplateName;
    HWND m_hWndFocus; // the control that had the focus when the view or its frame lost it

    // Remembers the control that has the focus now; FALSE when none of the view's has.
    BOOL SaveFocusControl();

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CCreateContext* m_pCreateContext; // during Create: the dialog manager cannot pass it on
};
