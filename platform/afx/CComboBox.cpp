// CComboBox.cpp: creating combo boxes, item texts of any length, and the parts of the control.
#include "CComboBox.h"
#include "afxctrltext.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

CComboBox::CComboBox()
{
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    rString = AfxGetItemText(m_hWnd, nIndex, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

BOOL CComboBox::GetComboBoxInfo(PCOMBOBOXINFO pcbi) const
{
    if (pcbi == NULL)
        return FALSE;
    pcbi->cbSize = sizeof(COMBOBOXINFO);
    return ::GetComboBoxInfo(m_hWnd, pcbi);
}
