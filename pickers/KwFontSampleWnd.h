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

    // The button's rectangle and the sample's (frame included) for a client rectangle.
    static CRect ButtonRect(const CRect& client, UINT nButtonWidth);
    static CRect SampleRect(const CRect& client, UINT nButtonWidth, UINT nButtonOffset);

protected:
    CKwFontSampleWnd();

    CButton m_button;
    UINT m_nButtonWidth;
    LOGFONT m_logFont;

    // Stores nothing itself: repaints with erase when the window exists.
    void Refresh();
    void DrawSample(CDC& dc);
    virtual UINT SampleOffset() const = 0;
    // FALSE leaves the DC's text colour as it is.
    virtual BOOL SampleColor(COLORREF& color) const = 0;
    virtual void OnChoose() = 0;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnChooseClicked();
    DECLARE_MESSAGE_MAP()
};
