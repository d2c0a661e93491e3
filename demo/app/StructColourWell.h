// StructColourWell.h: CStructColourWell, a small window filled with one colour framed in grey;
// the status bar shows the selected member's colour in one.
#pragma once

#include <afxwin.h>

class CStructColourWell : public CWnd
{
public:
    CStructColourWell();

    BOOL Create(CWnd* pParent, UINT nID);
    // CLR_NONE shows the well empty.
    void SetColour(COLORREF cr);
    COLORREF GetColour() const { return m_cr; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_cr;
};
