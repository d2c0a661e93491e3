// CStatic.cpp: creating static controls.
#include "CStatic.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

CStatic::CStatic()
{
}

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}
