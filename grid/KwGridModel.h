// KwGridModel.h: CKwGridModel, the grid's cells without a window: lines of typed cells, one per
// column, trimmed after every store; how many lines the user can reach; and the line commands on
// text: copy, paste and clear.
#pragma once

#include "core/KwArray.h"
#include "core/KwUiExport.h"
#include "grid/KwGridCtrlItem.h"
#include "grid/KwGridListenerLink.h"

#include <utility>
#include <vector>

class CKwLineSelection;

class KWUI_API CKwGridModel
{
public:
    // How many lines the user can reach (GetLineCountLimit).
    enum EInsertMode
    {
        eInsertUnlimited = 0,  // any line; lines come into being when a cell in them is stored
        eInsertAppendLine = 1, // one empty line after the last can be typed into
        eInsertFixed = 2,      // only stored lines
    };

    // No column, no line.
    static constexpr UINT kNone = 0xFFFFFFFF;

    typedef CKwArray<CKwGridCtrlItem, const CKwGridCtrlItem&> CLine;
    typedef CKwArray<CLine, const CLine&> CLines;
    // Runs of lines, each its first line and its count, ascending and apart.
    typedef std::vector<std::pair<UINT, UINT>> CRuns;

    CKwGridModel();

    // Columns may come after lines were stored: such lines keep their fewer cells, the missing
    // ones read as default cells, and a line is widened when one of its cells is stored.
    UINT GetColumnCount() const { return m_nColumns; }
    void SetColumnCount(UINT nColumns) { m_nColumns = nColumns; }
    UINT GetLineCount() const { return (UINT)m_lines.GetSize(); }
    EInsertMode GetInsertMode() const { return m_eInsertMode; }
    void SetInsertMode(EInsertMode eMode) { m_eInsertMode = eMode; }
    UINT GetLineCountLimit() const;

    // The stored cell, or a default one out of range, as the listener then makes it.
    void GetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, const CKwGridListenerLink& link) const;
    // The cell as stored, without the listener: a default cell out of range.
    CKwGridCtrlItem GetStoredItem(UINT nColumn, UINT nLine) const;
    // Stores the cell and trims the trailing empty lines; nothing beyond the columns or at no line.
    void StoreItem(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item);
    // Every line from nLine on goes, and the empty lines directly above them.
    void RemoveLinesFrom(UINT nLine);
    // Exchanges two lines cell by cell, read through the listener; FALSE when it refuses.
    BOOL SwapLines(UINT nLine1, UINT nLine2, const CKwGridListenerLink& link);

    // The lines as tab-separated text, a line break between lines and none after the last; index
    // drop-downs give nothing. FALSE when one text cannot hold them all.
    BOOL CopyLines(const CKwLineSelection& lines, const CKwGridListenerLink& link, CString& sText) const;
    // Inserts the lines of the text above line nLine, in their order, each cell a copy of line
    // nLine's cell in its column with a token of the text; returns how many lines went in.
    UINT PasteText(UINT nLine, const char* pszText, int nLength, const CKwGridListenerLink& link);
    // Deletes the selected lines that exist, closing the gaps; they go to pTaken when given, and
    // their runs to pRuns.
    void DeleteLines(const CKwLineSelection& lines, CLines* pTaken = NULL, CRuns* pRuns = NULL);

    // Moves the lines of the runs out into taken, in order, closing the gaps.
    void TakeLines(const CRuns& runs, CLines& taken);
    // Moves lines back in, in order, so that they stand at the runs' lines afterwards; lines
    // missing above a run come into being without cells.
    void PutLines(const CRuns& runs, CLines& lines);
    // Cuts the lines to nCount, or adds lines without cells up to it; no trimming.
    void SetLineCount(UINT nCount) { m_lines.SetSize(nCount); }

private:
    void TrimLines();

    CLines m_lines;
    UINT m_nColumns;
    EInsertMode m_eInsertMode;
};
