// CEdit.h: CEdit, the framework object of an edit control: selection, text limits, lines,
// editing commands and the modified flag.
#pragma once

#include "CWnd.h"

class KWAFX_API CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Selection: start and end as character positions; -1 as the start removes the selection.
    DWORD GetSel() const { return (DWORD)SendMessage(EM_GETSEL, 0, 0); }
    void GetSel(int& nStartChar, int& nEndChar) const;
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, (WPARAM)bCanUndo, (LPARAM)lpszNewText);
    }

    // 0 as the limit means the largest the control allows.
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, (WPARAM)nChars, 0); }
    void SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax, 0); }
    UINT GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT, 0, 0); }

    // Lines of a multi-line edit.
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT, 0, 0); }
    int LineIndex(int nLine = -1) const { return (int)SendMessage(EM_LINEINDEX, (WPARAM)nLine, 0); }
    int LineFromChar(int nIndex = -1) const { return (int)SendMessage(EM_LINEFROMCHAR, (WPARAM)nIndex, 0); }
    int LineLength(int nLine = -1) const { return (int)SendMessage(EM_LINELENGTH, (WPARAM)nLine, 0); }
    // Copies at most nMaxLength characters of line nIndex (no terminator); returns the count.
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE, 0, 0); }
    void LineScroll(int nLines, int nChars = 0) { SendMessage(EM_LINESCROLL, (WPARAM)nChars, (LPARAM)nLines); }

    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, (WPARAM)bReadOnly, 0); }
    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO, 0, 0); }
    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO, 0, 0); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER, 0, 0); }
    void Clear() { SendMessage(WM_CLEAR, 0, 0); }
    void Copy() { SendMessage(WM_COPY, 0, 0); }
    void Cut() { SendMessage(WM_CUT, 0, 0); }
    void Paste() { SendMessage(WM_PASTE, 0, 0); }
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY, 0, 0); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, (WPARAM)bModified, 0); }
    // Margins in pixels; nLeft/nRight are used as EC_LEFTMARGIN/EC_RIGHTMARGIN say.
    void SetMargins(UINT nLeft, UINT nRight) { SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight)); }
    DWORD GetMargins() const { return (DWORD)SendMessage(EM_GETMARGINS, 0, 0); }
    void SetPasswordChar(TCHAR ch) { SendMessage(EM_SETPASSWORDCHAR, (WPARAM)(BYTE)ch, 0); }
    void GetRect(LPRECT lpRect) const { SendMessage(EM_GETRECT, 0, (LPARAM)lpRect); }
    void SetRect(LPCRECT lpRect) { SendMessage(EM_SETRECT, 0, (LPARAM)lpRect); }
    CPoint PosFromChar(UINT nChar) const;
    int CharFromPos(CPoint pt) const { return (int)SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)); }
};
