// KwFontSampleWnd.h: CKwFontSampleWnd, what both font pickers share: a sample text in the chosen
// font inside a sunken frame, a "Choose" button at the right, their sizing and their placement
// over a dialog's placeholder.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwFontSampleWnd : public CWnd
{
public:
    enum { ChooseButtonId = 666 };

    BOOL Create(UINT nID, CWnd* pParent, const CRect& rect);
    // Takes the place of the dialog's control nID; FALSE when there is none or creation fails.
    BOOL Initialize(UINT nID, CWnd* pParent, DWORD dwExStyle = 0);

    // The button's rectangle and the sample's (frame included) for a client rectangle, the
    // button's width and offset given at 96 DPI and scaled to nDpi.
    static CRect ButtonRect(const CRect& client, UINT nButtonWidth, UINT nDpi = 96);
    static CRect SampleRect(const CRect& client, UINT nButtonWidth, UINT nButtonOffset, UINT nDpi = 96);

protected:
    CKwFontSampleWnd();

    CButton m_button;
    UINT m_nButtonWidth;
    UINT m_nDpi;
    CFont m_buttonFont; // the GUI font at m_nDpi where the stock one is not
    LOGFONT m_logFont;

    // Stores nothing itself: repaints with erase when the window exists.
    void Refresh();
    void DrawSample(CDC& dc);
    virtual UINT SampleOffset() const = 0;
    // FALSE leaves the DC's text colour as it is.
    virtual BOOL SampleColor(COLORREF& color) const = 0;
    virtual void OnChoose() = 0;
    // The button's place and font at m_nDpi.
    void LayOut();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnChooseClicked();
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
