// CCtrlView.h: CCtrlView, a view that is a Windows control of a given class (a list view, a tree
// view, an edit box): the control paints itself.
#pragma once

#include "CView.h"

class KWAFX_API CCtrlView : public CView
{
    DECLARE_DYNCREATE(CCtrlView)
public:
    CCtrlView(LPCTSTR lpszClass, DWORD dwStyle);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC* pDC) override;

    CString m_strClass;
    DWORD m_dwDefaultStyle;

protected:
    CCtrlView();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
