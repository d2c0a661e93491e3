// Pasted text from arbitrary bytes into a small grid: columns, insert mode and the line pasted
// at (one the mode lets the user reach, now and then the last a grid can have) taken from the
// first bytes. The lines above the paste and those it pushed down keep their cells, the pasted
// cells hold one token each, the grid never reaches its line limit, and what was pasted copies
// back to text that pastes into an empty grid as the same cells. A crash, a sanitizer report, a
// huge allocation or a hang is a fault too.
#include "../FuzzRequire.h"
#include "core/KwLineSelection.h"
#include "grid/KwGridModel.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::vector<std::string>> CCells;

std::string Cell(const CKwGridModel& model, UINT nColumn, UINT nLine)
{
    CKwGridCtrlItem item;
    model.GetItem(nColumn, nLine, item, CKwGridListenerLink());
    return std::string(item.sText, item.sText.GetLength());
}

CCells Cells(const CKwGridModel& model, UINT nFirst, UINT nCount)
{
    CCells cells(nCount, std::vector<std::string>(model.GetColumnCount()));
    for (UINT n = 0; n < nCount; n++)
        for (UINT c = 0; c < model.GetColumnCount(); c++)
            cells[n][c] = Cell(model, c, nFirst + n);
    return cells;
}

// Three lines, the middle one with an empty cell, so that a paste there copies it.
void Fill(CKwGridModel& model)
{
    for (UINT n = 0; n < 3; n++)
        for (UINT c = 0; c < model.GetColumnCount(); c++) {
            CKwGridCtrlItem item;
            if (n != 1 || c != 0)
                item.sText.Format("%c%u", 'a' + c, n);
            model.StoreItem(c, n, item);
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint8_t params[3] = {};
    memcpy(params, data, size < sizeof(params) ? size : sizeof(params));
    CKwGridModel model;
    model.SetColumnCount(1 + params[0] % 5);
    model.SetInsertMode((CKwGridModel::EInsertMode)(params[1] % 3));
    Fill(model);
    const UINT nOld = model.GetLineCount();
    // A line the user can reach in that mode, or the last line a grid can have.
    const UINT nReach = std::min(model.GetLineCountLimit(), nOld + 3);
    const UINT nLine = params[2] == 0xFF ? CKwGridModel::kNone - 1 : params[2] % nReach;
    const CCells before = Cells(model, 0, nOld);

    const char* pszText = (const char*)data;
    const UINT nPasted = model.PasteText(nLine, pszText, (int)size, CKwGridListenerLink());
    if (nPasted == 0) {
        Require(model.GetLineCount() == nOld && Cells(model, 0, nOld) == before);
        return 0;
    }
    Require(nPasted <= size + 1 && (UINT_PTR)nLine + nPasted < CKwGridModel::kNone);
    Require(model.GetLineCount() <= (nLine > nOld ? nLine : nOld) + nPasted);
    // The lines above stay; those from nLine on move down by the lines pasted.
    for (UINT n = 0; n < nOld; n++)
        Require(Cells(model, n < nLine ? n : n + nPasted, 1)[0] == before[n]);
    const CCells pasted = Cells(model, nLine, nPasted);
    for (const std::vector<std::string>& line : pasted)
        for (const std::string& cell : line)
            Require(cell.find_first_of("\t\r\n") == std::string::npos);

    CKwLineSelection selection;
    selection.HitWithNothing(nLine);
    selection.HitWithShift(nLine + nPasted - 1);
    CString sCopy;
    Require(model.CopyLines(selection, CKwGridListenerLink(), sCopy));
    CKwGridModel again;
    again.SetColumnCount(model.GetColumnCount());
    Require(again.PasteText(0, sCopy, sCopy.GetLength(), CKwGridListenerLink()) == nPasted);
    Require(Cells(again, 0, nPasted) == pasted);
    return 0;
}
