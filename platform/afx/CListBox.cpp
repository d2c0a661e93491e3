// CListBox.cpp: creating list boxes, item texts of any length, and hit testing.
#include "CListBox.h"
#include "afxctrltext.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

CListBox::CListBox()
{
}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    rString = AfxGetItemText(m_hWnd, nIndex, LB_GETTEXTLEN, LB_GETTEXT);
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    DWORD dw = (DWORD)SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    bOutside = (BOOL)HIWORD(dw);
    return LOWORD(dw);
}
