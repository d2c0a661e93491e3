// KwGridCtrlClipboard.cpp: CKwGridCtrl's line commands: copy, cut, paste and clear of whole lines
// through the clipboard, or of the editor's text when the editor has the focus.
#include "grid/KwGridCtrl.h"
#include "core/KwClipboard.h"
#include "core/KwLineSelection.h"

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

BOOL IsReadOnlyEdit(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_STYLE) & ES_READONLY) != 0;
}

// Joins neighbours pairwise until one text remains, so each character is copied only
// logarithmically often however many lines there are.
CString JoinPairwise(std::vector<CString>& texts)
{
    if (texts.empty())
        return CString();
    while (texts.size() > 1)
    {
        size_t nOut = 0;
        for (size_t i = 0; i < texts.size(); i += 2)
            texts[nOut++] = i + 1 < texts.size() ? texts[i] + texts[i + 1] : std::move(texts[i]);
        texts.resize(nOut);
    }
    return texts[0];
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
    HWND hFocus = ::GetFocus();
    if (hFocus != NULL && hFocus != m_hWnd && ::IsChild(m_hWnd, hFocus))
        return HasTextSelection(hFocus) && !IsReadOnlyEdit(hFocus);
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
    HWND hFocus = ::GetFocus();
    if (hFocus != m_hWnd)
    {
        ::SendMessage(hFocus, WM_COPY, 0, 0);
        return;
    }
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
    CKwClipboard::PutText(JoinPairwise(texts));
}

void CKwGridCtrl::OnEditCut()
{
    if (!IsClearAllowed())
        return;
    HWND hFocus = ::GetFocus();
    if (hFocus == m_hWnd)
    {
        OnEditCopy();
        OnEditClear();
    }
    else if (hFocus != NULL)
        ::SendMessage(hFocus, WM_CUT, 0, 0);
}

// The clipboard's lines go above the current line L, in their order. Each starts as a copy of
// line L's cells and takes one token per column; a line ends at a line break (CR, LF or CR LF),
// at the end of the text, or where a tab follows a token in the last column. Whatever follows
// the last line break, even nothing, makes one more line. The text is parsed first and the lines
// go into the grid in one move, so a large paste costs no more than its size and the grid's.
void CKwGridCtrl::OnEditPaste()
{
    if (!IsPasteAllowed())
        return;
    HWND hFocus = ::GetFocus();
    if (hFocus != m_hWnd)
    {
        ::SendMessage(hFocus, WM_PASTE, 0, 0);
        return;
    }
    CWaitCursor wait;
    CString sText = CKwClipboard::GetText();
    UINT nLine = m_nCurLine;
    m_pSelection->HitWithNothing(nLine);

    UINT nColumns = GetColumnCount();
    std::vector<CKwGridCtrlItem> model(nColumns);
    for (UINT c = 0; c < nColumns; c++)
        GetItem(c, nLine, model[c]);
    auto newLine = [&] {
        CLine line;
        line.SetSize(nColumns);
        for (UINT c = 0; c < nColumns; c++)
            line[c] = model[c];
        return line;
    };

    std::vector<CLine> pasted;
    CLine line = newLine();
    UINT nColumn = 0;
    const char* pszText = sText;
    int nLength = sText.GetLength();
    int nStart = 0;
    for (int i = 0;; i++)
    {
        char ch = i < nLength ? pszText[i] : '\0';
        if (i < nLength && ch != '\t' && ch != '\r' && ch != '\n')
            continue;
        if (nColumn < nColumns)
            line[nColumn].sText = CString(pszText + nStart, i - nStart);
        if (i == nLength)
        {
            pasted.push_back(std::move(line));
            break;
        }
        if (ch == '\t' && ++nColumn < nColumns)
        {
            nStart = i + 1;
            continue;
        }
        if (ch == '\r' && i + 1 < nLength && pszText[i + 1] == '\n')
            i++;
        pasted.push_back(std::move(line));
        line = newLine();
        nColumn = 0;
        nStart = i + 1;
    }

    // Lines missing up to L come into being with the insertion; line L itself, when it was
    // missing, would be empty and last, and trimming would take it again.
    INT_PTR nCount = (INT_PTR)pasted.size();
    m_lines.InsertAt(nLine, CLine(), nCount);
    for (INT_PTR i = 0; i < nCount; i++)
        m_lines[nLine + i] = std::move(pasted[i]);
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
    HWND hFocus = ::GetFocus();
    if (hFocus != NULL && hFocus != m_hWnd && ::IsChild(m_hWnd, hFocus))
    {
        ::SendMessage(hFocus, WM_CLEAR, 0, 0);
        return;
    }
    CWaitCursor wait;
    INT_PTR nCount = m_lines.GetSize();
    INT_PTR nRead = 0, nWrite = 0;
    UINT nSmallest = kNone;
    POSITION pos = m_pSelection->GetHeadPosition();
    while (pos != NULL)
    {
        UINT nSelected = m_pSelection->GetNext(pos);
        if (nSmallest == kNone)
            nSmallest = nSelected; // ascending: the first is the smallest
        if ((INT_PTR)nSelected >= nCount)
            break;
        for (; nRead < (INT_PTR)nSelected; nRead++, nWrite++)
            if (nWrite != nRead)
                m_lines[nWrite] = std::move(m_lines[nRead]);
        nRead = nSelected + 1;
    }
    for (; nRead < nCount; nRead++, nWrite++)
        if (nWrite != nRead)
            m_lines[nWrite] = std::move(m_lines[nRead]);
    m_lines.SetSize(nWrite);

    UINT nLines = GetLineCount();
    m_nCurLine = nLines > 0 && nSmallest > nLines - 1 ? nLines - 1 : nSmallest;
    m_pSelection->HitWithNothing(m_nCurLine);
    // The focus is not in the editor here (that case cleared the editor's text above).
    if (m_pEditor != NULL)
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
