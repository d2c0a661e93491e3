// CEdit.cpp: creating edit controls and the members that need more than one message.
#include "CEdit.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::CEdit()
{
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", NULL, dwStyle, rect, pParentWnd, nID);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD dwStart = 0, dwEnd = 0;
    SendMessage(EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    nStartChar = (int)dwStart;
    nEndChar = (int)dwEnd;
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel((int)(short)LOWORD(dwSelection), (int)(short)HIWORD(dwSelection), bNoScroll);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, (WPARAM)nStartChar, (LPARAM)nEndChar);
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET, 0, 0);
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    // The control reads the buffer size from the buffer's first word, so it needs room for it.
    if (lpszBuffer == NULL || nMaxLength <= 0)
        return 0;
    if (nMaxLength < (int)sizeof(WORD))
    {
        char szTemp[sizeof(WORD)];
        int nGot = GetLine(nIndex, szTemp, sizeof(WORD));
        nGot = nGot < nMaxLength ? nGot : nMaxLength;
        memcpy(lpszBuffer, szTemp, (size_t)nGot);
        return nGot;
    }
    WORD wMax = (WORD)(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength);
    memcpy(lpszBuffer, &wMax, sizeof(WORD));
    return (int)SendMessage(EM_GETLINE, (WPARAM)nIndex, (LPARAM)lpszBuffer);
}

CPoint CEdit::PosFromChar(UINT nChar) const
{
    DWORD dw = (DWORD)SendMessage(EM_POSFROMCHAR, nChar, 0);
    return CPoint((short)LOWORD(dw), (short)HIWORD(dw));
}
