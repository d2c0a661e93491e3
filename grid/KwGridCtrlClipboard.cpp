// KwGridCtrlClipboard.cpp: CKwGridCtrl's line commands: copy, cut, paste and clear of whole lines
// through the clipboard, or of the editor's text when the editor has the focus.
#include "grid/KwGridCtrl.h"
#include "core/KwClipboard.h"
#include "core/KwLineSelection.h"

#include <climits>
#include <cstring>
#include <utility>
#include <vector>

namespace {

const UINT kNone = 0xFFFFFFFF;

BOOL HasTextSelection(HWND hWnd)
{
    DWORD nStart = 0, nEnd = 0;
    ::SendMessage(hWnd, EM_GETSEL, (WPARAM)&nStart, (LPARAM)&nEnd);
    return nStart != nEnd;
}

// Another focused window (the editor, or any other) takes the command as its own message.
BOOL PassToFocus(HWND hGrid, UINT nMessage)
{
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL || hFocus == hGrid)
        return FALSE;
    ::SendMessage(hFocus, nMessage, 0, 0);
    return TRUE;
}

// The focused window when it lies inside the grid (the editor, a combo's edit field), else NULL.
HWND FocusInside(HWND hGrid)
{
    HWND hFocus = ::GetFocus();
    return ::IsChild(hGrid, hFocus) ? hFocus : NULL;
}

BOOL IsReadOnlyEdit(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_STYLE) & ES_READONLY) != 0;
}

// Joins the texts into one buffer of their total length: every character is copied once, so
// the cost stays linear however many lines there are. FALSE when one text cannot hold them all.
BOOL Join(const std::vector<CString>& texts, CString& sJoined)
{
    size_t nTotal = 0;
    for (const CString& text : texts)
        nTotal += (size_t)text.GetLength();
    if (nTotal > INT_MAX - 1)
        return FALSE;
    char* pszOut = sJoined.GetBuffer((int)nTotal);
    for (const CString& text : texts)
    {
        memcpy(pszOut, (const char*)text, (size_t)text.GetLength());
        pszOut += text.GetLength();
    }
    sJoined.ReleaseBuffer((int)nTotal);
    return TRUE;
}

// Walks the tokens of pasted text: onToken(line, column, start, length) for every token that
// falls into one of nColumns columns. Tokens are separated by tabs and line breaks (CR, LF or
// CR LF); a line ends at a line break, at the end of the text, or where a tab follows a token in
// the last column. Whatever follows the last line break, even nothing, is one more line. Returns
// the number of lines (at least one, even for no text).
template<class OnToken>
UINT ForEachToken(const char* pszText, int nLength, UINT nColumns, OnToken onToken)
{
    UINT nLine = 0, nColumn = 0;
    int nStart = 0;
    for (int i = 0;; i++)
    {
        char ch = i < nLength ? pszText[i] : '\0';
        if (i < nLength && ch != '\t' && ch != '\r' && ch != '\n')
            continue;
        if (nColumn < nColumns)
            onToken(nLine, nColumn, nStart, i - nStart);
        if (i == nLength)
            return nLine + 1;
        if (ch == '\t' && ++nColumn < nColumns)
        {
            nStart = i + 1;
            continue;
        }
        if (ch == '\r' && i + 1 < nLength && pszText[i + 1] == '\n')
            i++;
        nLine++;
        nColumn = 0;
        nStart = i + 1;
    }
}

} // namespace

BOOL CKwGridCtrl::IsCopyAllowed()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL)
        return FALSE;
    if (hFocus == m_hWnd)
        return m_pSelection->GetCount() != 0;
    return HasTextSelection(hFocus);
}

BOOL CKwGridCtrl::IsPasteAllowed()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL)
        return FALSE;
    if (hFocus == m_hWnd)
    {
        CKwGridCtrlListener* pListener = GetListener();
        if (pListener != NULL && !pListener->CKwGridCtrlListener_OnCanPaste(this))
            return FALSE;
        return m_nCurLine != kNone && CKwClipboard::IsTextAvailable();
    }
    return CKwClipboard::IsTextAvailable() && !IsReadOnlyEdit(hFocus);
}

BOOL CKwGridCtrl::IsClearAllowed()
{
    if (HWND hEditor = FocusInside(m_hWnd))
        return HasTextSelection(hEditor) && !IsReadOnlyEdit(hEditor);
    CKwGridCtrlListener* pListener = GetListener();
    if (pListener != NULL && !pListener->CKwGridCtrlListener_OnCanDelete(this))
        return FALSE;
    return m_pSelection->GetCount() != 0;
}

// The selected lines as tab-separated text, a line break between lines and none after the last.
// Index drop-downs contribute nothing: their text is not a stored value.
void CKwGridCtrl::OnEditCopy()
{
    if (!IsCopyAllowed())
        return;
    if (PassToFocus(m_hWnd, WM_COPY))
        return;
    CWaitCursor wait;
    UINT nColumns = GetColumnCount();
    std::vector<CString> texts;
    texts.reserve(m_pSelection->GetCount());
    POSITION pos = m_pSelection->GetHeadPosition();
    while (pos != NULL)
    {
        UINT nLine = m_pSelection->GetNext(pos);
        CString sLine;
        for (UINT c = 0; c < nColumns; c++)
        {
            CKwGridCtrlItem item;
            GetItem(c, nLine, item);
            if (c > 0)
                sLine += '\t';
            if (item.nType != CKwGridCtrlItem::eIndexDropDown)
                sLine += item.sText;
        }
        if (pos != NULL)
            sLine += "\r\n";
        texts.push_back(std::move(sLine));
    }
    CString sText;
    if (Join(texts, sText))
        CKwClipboard::PutText(sText);
}

void CKwGridCtrl::OnEditCut()
{
    if (!IsClearAllowed())
        return;
    HWND hFocus = ::GetFocus();
    if (hFocus == m_hWnd)
    {
        // Lines that did not reach the clipboard (another program holding it open) are kept.
        DWORD nBefore = ::GetClipboardSequenceNumber();
        OnEditCopy();
        if (::GetClipboardSequenceNumber() != nBefore)
            OnEditClear();
    }
    else if (hFocus != NULL)
        ::SendMessage(hFocus, WM_CUT, 0, 0);
}

// The clipboard's lines go above the current line L, in their order. Each starts as a copy of
// line L's cells and takes one token per column (see ForEachToken). The text is walked twice,
// to count its lines and to fill them, and the new line array is filled before the grid's lines
// move into it: each line moves once, and a paste that runs out of memory leaves the grid as
// it was.
void CKwGridCtrl::OnEditPaste()
{
    if (!IsPasteAllowed())
        return;
    if (PassToFocus(m_hWnd, WM_PASTE))
        return;
    CWaitCursor wait;
    CString sText = CKwClipboard::GetText();
    UINT nLine = m_nCurLine;
    m_pSelection->HitWithNothing(nLine);

    UINT nColumns = GetColumnCount();
    CLine model;
    model.SetSize(nColumns);
    for (UINT c = 0; c < nColumns; c++)
        GetItem(c, nLine, model[c]);

    const char* pszText = sText;
    INT_PTR nOld = m_lines.GetSize();
    INT_PTR nCount = ForEachToken(pszText, sText.GetLength(), nColumns, [](UINT, UINT, int, int) {});
    // Lines missing above L come into being; line L itself, when it was missing, would be empty
    // and last, and trimming would take it again.
    CLines lines;
    lines.SetSize((nOld > (INT_PTR)nLine ? nOld : (INT_PTR)nLine) + nCount);
    for (INT_PTR i = 0; i < nCount; i++)
        lines[nLine + i] = model;
    ForEachToken(pszText, sText.GetLength(), nColumns, [&](UINT nPasted, UINT nColumn, int nStart, int nLength) {
        lines[nLine + nPasted][nColumn].sText = CString(pszText + nStart, nLength);
    });
    for (INT_PTR i = 0; i < nOld; i++)
        lines[i < (INT_PTR)nLine ? i : i + nCount] = std::move(m_lines[i]);
    m_lines = std::move(lines);
    TrimLines();
    m_pSelection->HitWithShift(nLine + (UINT)nCount - 1);

    // An editor without the focus would still show the cell's former content.
    if (m_pEditor != NULL)
        BeginEdit(eBeginEditNoFocus);
    LayoutAll();
    Invalidate(FALSE);
    NotifyContentChanged();
}

// Deletes the selected lines that exist, in one pass that closes the gaps they leave.
void CKwGridCtrl::OnEditClear()
{
    if (!IsClearAllowed())
        return;
    if (HWND hEditor = FocusInside(m_hWnd))
    {
        ::SendMessage(hEditor, WM_CLEAR, 0, 0);
        return;
    }
    CWaitCursor wait;
    // The selection ascends (and is not empty here): one walk over the lines meets the selected
    // ones in order, the first being the smallest.
    POSITION pos = m_pSelection->GetHeadPosition();
    const UINT nSmallest = m_pSelection->GetNext(pos);
    UINT nSelected = nSmallest;
    INT_PTR nCount = m_lines.GetSize(), nWrite = 0;
    for (INT_PTR nRead = 0; nRead < nCount; nRead++)
    {
        if ((UINT)nRead == nSelected)
        {
            nSelected = pos != NULL ? m_pSelection->GetNext(pos) : kNone;
            continue;
        }
        if (nWrite != nRead)
            m_lines[nWrite] = std::move(m_lines[nRead]);
        nWrite++;
    }
    m_lines.SetSize(nWrite);

    UINT nLines = GetLineCount();
    m_nCurLine = nLines > 0 && nSmallest > nLines - 1 ? nLines - 1 : nSmallest;
    m_pSelection->HitWithNothing(m_nCurLine);
    // A fixed grid left without lines has no cell for the white box: a paste there would make
    // lines the user cannot make. The focus is not in the editor here (that case cleared the
    // editor's text above).
    if (!DropUnreachableWhiteBox() && m_pEditor != NULL)
        BeginEdit(eBeginEditNoFocus);
    EnsureVisible(m_nCurLine);
    LayoutAll();
    Invalidate(FALSE);
    UpdateWindow();
    NotifyContentChanged();
}

void CKwGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(IsCopyAllowed()); }
void CKwGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI) { pCmdUI->Enable(IsClearAllowed()); }
void CKwGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI) { pCmdUI->Enable(IsPasteAllowed()); }
void CKwGridCtrl::OnUpdateEditClear(CCmdUI* pCmdUI) { pCmdUI->Enable(IsClearAllowed()); }
