// KwGridModel.cpp: the grid's cells and lines, and the line commands on text.
#include "grid/KwGridModel.h"
#include "core/KwLineSelection.h"

#include <climits>
#include <cstring>
#include <utility>
#include <vector>

namespace {

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
        if (i >= nLength) // a negative length is no text
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

CKwGridModel::CKwGridModel() : m_nColumns(0), m_eInsertMode(eInsertAppendLine)
{
}

UINT CKwGridModel::GetLineCountLimit() const
{
    switch (m_eInsertMode)
    {
    case eInsertUnlimited:
        return kNone;
    case eInsertFixed:
        return GetLineCount();
    default:
        return GetLineCount() + 1;
    }
}

void CKwGridModel::GetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, const CKwGridListenerLink& link) const
{
    if (nLine < (UINT)m_lines.GetSize() && nColumn < (UINT)m_lines[nLine].GetSize() && nColumn < m_nColumns)
        item = m_lines[nLine][nColumn];
    else
        item = CKwGridCtrlItem();
    link.OnGetItem(nColumn, nLine, item);
}

// Missing lines come into being without cells (a missing cell reads as a default cell); the line
// stored into is widened to every column. The line array grows geometrically, so that appending
// at the end of a long grid costs no more than at the end of a short one. No line (kNone) is
// never stored: a line count cannot reach past it.
void CKwGridModel::StoreItem(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item)
{
    if (nColumn >= m_nColumns || nLine == kNone)
        return;
    INT_PTR nCount = m_lines.GetSize();
    if (nLine >= (UINT)nCount)
        m_lines.SetSize((INT_PTR)((UINT_PTR)nLine + 1), nCount < 16 ? 16 : nCount);
    CLine& line = m_lines[nLine];
    if (line.GetSize() <= (INT_PTR)nColumn)
        line.SetSize(m_nColumns);
    line[nColumn] = item;
    TrimLines();
}

void CKwGridModel::TrimLines()
{
    INT_PTR nCount = m_lines.GetSize();
    while (nCount > 0)
    {
        const CLine& line = m_lines[nCount - 1];
        INT_PTR c = 0;
        while (c < line.GetSize() && line[c].IsEmpty())
            c++;
        if (c < line.GetSize())
            break;
        nCount--;
    }
    if (nCount < m_lines.GetSize())
        m_lines.SetSize(nCount);
}

// Those lines would hold only default cells and be trimmed: they go at once.
void CKwGridModel::RemoveLinesFrom(UINT nLine)
{
    if (nLine >= GetLineCount())
        return;
    m_lines.SetSize(nLine);
    TrimLines();
}

BOOL CKwGridModel::SwapLines(UINT nLine1, UINT nLine2, const CKwGridListenerLink& link)
{
    if (!link.CanSwapLines(nLine1, nLine2))
        return FALSE;
    for (UINT c = 0; c < m_nColumns; c++)
    {
        CKwGridCtrlItem item1, item2;
        GetItem(c, nLine1, item1, link);
        GetItem(c, nLine2, item2, link);
        StoreItem(c, nLine1, item2);
        StoreItem(c, nLine2, item1);
    }
    return TRUE;
}

BOOL CKwGridModel::CopyLines(const CKwLineSelection& lines, const CKwGridListenerLink& link, CString& sText) const
{
    std::vector<CString> texts;
    texts.reserve(lines.GetCount());
    POSITION pos = lines.GetHeadPosition();
    while (pos != NULL)
    {
        UINT nLine = lines.GetNext(pos);
        CString sLine;
        for (UINT c = 0; c < m_nColumns; c++)
        {
            CKwGridCtrlItem item;
            GetItem(c, nLine, item, link);
            if (c > 0)
                sLine += '\t';
            if (item.nType != CKwGridCtrlItem::eIndexDropDown)
                sLine += item.sText;
        }
        if (pos != NULL)
            sLine += "\r\n";
        texts.push_back(std::move(sLine));
    }
    return Join(texts, sText);
}

// The text is walked twice, to count its lines and to fill them, and the new line array is
// filled before the old lines move into it: each line moves once, and a paste that runs out of
// memory leaves the lines as they were. Lines that would reach no line (kNone) are not pasted
// at all, so that a line count never reaches it.
UINT CKwGridModel::PasteText(UINT nLine, const char* pszText, int nLength, const CKwGridListenerLink& link)
{
    if (nLine == kNone)
        return 0;
    INT_PTR nCount = ForEachToken(pszText, nLength, m_nColumns, [](UINT, UINT, int, int) {});
    if ((UINT_PTR)nCount >= (UINT_PTR)(kNone - nLine))
        return 0;
    CLine model;
    model.SetSize(m_nColumns);
    for (UINT c = 0; c < m_nColumns; c++)
        GetItem(c, nLine, model[c], link);

    INT_PTR nOld = m_lines.GetSize();
    // Lines missing above nLine come into being; nLine itself, when it was missing, would be
    // empty and last, and trimming would take it again.
    CLines lines;
    lines.SetSize((nOld > (INT_PTR)nLine ? nOld : (INT_PTR)nLine) + nCount);
    for (INT_PTR i = 0; i < nCount; i++)
        lines[nLine + i] = model;
    ForEachToken(pszText, nLength, m_nColumns, [&](UINT nPasted, UINT nColumn, int nStart, int nTokenLength) {
        lines[nLine + nPasted][nColumn].sText = CString(pszText + nStart, nTokenLength);
    });
    for (INT_PTR i = 0; i < nOld; i++)
        lines[i < (INT_PTR)nLine ? i : i + nCount] = std::move(m_lines[i]);
    m_lines = std::move(lines);
    TrimLines();
    return (UINT)nCount;
}

CKwGridCtrlItem CKwGridModel::GetStoredItem(UINT nColumn, UINT nLine) const
{
    if (nLine < (UINT)m_lines.GetSize() && nColumn < (UINT)m_lines[nLine].GetSize() && nColumn < m_nColumns)
        return m_lines[nLine][nColumn];
    return CKwGridCtrlItem();
}

// The selection ascends: its lines that exist make the runs in order.
void CKwGridModel::DeleteLines(const CKwLineSelection& lines, CLines* pTaken, CRuns* pRuns)
{
    CRuns runs;
    POSITION pos = lines.GetHeadPosition();
    while (pos != NULL)
    {
        UINT nLine = lines.GetNext(pos);
        if (nLine >= GetLineCount())
            break;
        if (!runs.empty() && runs.back().first + runs.back().second == nLine)
            runs.back().second++;
        else
            runs.emplace_back(nLine, 1);
    }
    CLines taken;
    TakeLines(runs, pTaken != NULL ? *pTaken : taken);
    if (pRuns != NULL)
        *pRuns = std::move(runs);
}

// One walk over the lines: each line that stays moves once.
void CKwGridModel::TakeLines(const CRuns& runs, CLines& taken)
{
    INT_PTR nCount = m_lines.GetSize(), nWrite = 0, nTaken = 0;
    for (const auto& run : runs)
        nTaken += run.second;
    taken.SetSize(nTaken);
    nTaken = 0;
    auto run = runs.begin();
    for (INT_PTR nRead = 0; nRead < nCount; nRead++)
    {
        while (run != runs.end() && (UINT)nRead >= run->first + run->second)
            ++run;
        if (run != runs.end() && (UINT)nRead >= run->first)
            taken[nTaken++] = std::move(m_lines[nRead]);
        else
            m_lines[nWrite++] = std::move(m_lines[nRead]);
    }
    taken.SetSize(nTaken);
    m_lines.SetSize(nWrite);
}

// One walk from the end: each line moves once, into its final place.
void CKwGridModel::PutLines(const CRuns& runs, CLines& lines)
{
    INT_PTR nPut = lines.GetSize();
    if (runs.empty() || nPut == 0)
        return;
    INT_PTR nOld = m_lines.GetSize();
    INT_PTR nNew = nOld + nPut;
    UINT nEnd = runs.back().first + runs.back().second;
    if ((INT_PTR)nEnd > nNew)
        nNew = nEnd;
    m_lines.SetSize(nNew, nNew / 8 + 16);
    // The old lines keep the first places between the runs; the new lines without cells (nPad
    // of them, all at or beyond the old end) the last ones.
    INT_PTR nRead = nOld, nFrom = nPut, nPad = nNew - nPut - nOld;
    auto run = runs.rbegin();
    for (INT_PTR nWrite = nNew - 1; nWrite >= 0 && nFrom > 0; nWrite--)
    {
        while (run != runs.rend() && (UINT)nWrite < run->first)
            ++run;
        if (run != runs.rend() && (UINT)nWrite < run->first + run->second)
            m_lines[nWrite] = std::move(lines[--nFrom]);
        else if (nPad > 0)
            nPad--;
        else
            m_lines[nWrite] = std::move(m_lines[--nRead]);
    }
    lines.RemoveAll();
}
