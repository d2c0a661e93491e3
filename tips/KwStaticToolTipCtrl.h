// KwStaticToolTipCtrl.h: CKwStaticToolTipCtrl, a plain word-wrapping tip that its owner places
// beside an anchor rectangle; it never takes the focus and has no timers.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwStaticToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CKwStaticToolTipCtrl)
public:
    CKwStaticToolTipCtrl();

    BOOL Create(CWnd* pParentWnd);
    // Shows the text beside the anchor (screen coordinates), inside the work area when it can.
    void Update(CRect rcAnchor, CString sText);
    // The size of the tip for its text wrapped at the width of rect, at (0, 0).
    void CalcRect(CRect& rect);
    int GetHTextIndent();
    int GetVTextIndent();
    static BOOL IsRectInRect(const CRect& inner, const CRect& outer);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Draw(CDC& dc);
    // The text area of a tip of that client rectangle: the indents taken off.
    CRect TextRect(CRect rcClient);
    int AveCharWidth();
    // Selects the tip's font; returns what was selected.
    HGDIOBJ SelectFont(HDC hDC);

    HFONT m_hFont;
};
