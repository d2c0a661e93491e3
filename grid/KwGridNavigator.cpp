// KwGridNavigator.cpp: the grid's white box and selected lines.
#include "grid/KwGridNavigator.h"
#include "core/KwLineSelection.h"

#include <algorithm>

namespace {

const UINT kNone = CKwGridModel::kNone;

// The line at which a search downwards from nStart gives up. An unlimited grid reaches every
// line, but beyond the stored lines they all hold default cells: the search ends after the first
// whole line beyond both the stored lines and the start, instead of asking the listener about
// every line up to the last (one that locks every line from some line on froze Tab and Right).
UINT SearchLimit(const CKwGridModel& model, UINT nStart)
{
    UINT nLimit = model.GetLineCountLimit();
    if (model.GetInsertMode() != CKwGridModel::eInsertUnlimited)
        return nLimit;
    unsigned long long nBeyond = (unsigned long long)std::max(model.GetLineCount(), nStart + 1) + 1;
    return (UINT)std::min<unsigned long long>(nBeyond, nLimit);
}

} // namespace

CKwGridNavigator::CKwGridNavigator() : m_nColumn(kNone), m_nLine(kNone), m_pSelection(new CKwLineSelection)
{
}

CKwGridNavigator::~CKwGridNavigator()
{
    delete m_pSelection;
}

void CKwGridNavigator::SetCell(UINT nColumn, UINT nLine)
{
    m_nColumn = nColumn;
    m_nLine = nLine;
}

// A selected line kNone would be copied as an empty line.
void CKwGridNavigator::SelectCell(UINT nColumn, UINT nLine)
{
    SetCell(nColumn, nLine);
    if (nLine == kNone)
        m_pSelection->HitOutside();
    else
        m_pSelection->HitWithNothing(nLine);
}

void CKwGridNavigator::Clear()
{
    m_nColumn = m_nLine = kNone;
    m_pSelection->HitOutside();
}

BOOL CKwGridNavigator::GetNextItemToTheRight(const CKwGridModel& model, const CKwGridListenerLink& link,
                                             UINT& nColumn, UINT& nLine) const
{
    UINT nColumns = model.GetColumnCount();
    if (nColumn == kNone || nLine == kNone || nColumn >= nColumns || nLine >= model.GetLineCountLimit())
        return FALSE;
    UINT nLimit = SearchLimit(model, nLine);
    UINT nCol = nColumn, nLin = nLine;
    for (;;)
    {
        if (++nCol >= nColumns)
        {
            nCol = 0;
            if (++nLin >= nLimit)
                return FALSE;
        }
        if (!link.IsLocked(nCol, nLin))
            break;
    }
    nColumn = nCol;
    nLine = nLin;
    return TRUE;
}

BOOL CKwGridNavigator::GetPrevItemToTheLeft(const CKwGridModel& model, const CKwGridListenerLink& link,
                                            UINT& nColumn, UINT& nLine) const
{
    UINT nColumns = model.GetColumnCount();
    // Without columns there is no cell to the left, only a wrap into nothing.
    if (nColumn == kNone || nLine == kNone || nColumns == 0)
        return FALSE;
    UINT nCol = nColumn, nLin = nLine;
    for (;;)
    {
        if (nCol == 0)
        {
            if (nLin == 0)
                return FALSE;
            nCol = nColumns - 1;
            nLin--;
        }
        else
            nCol--;
        if (!link.IsLocked(nCol, nLin))
            break;
    }
    nColumn = nCol;
    nLine = nLin;
    return TRUE;
}

BOOL CKwGridNavigator::GetNextItemToTheBottom(const CKwGridModel& model, const CKwGridListenerLink& link,
                                              UINT& nColumn, UINT& nLine) const
{
    if (nLine == kNone || nLine >= model.GetLineCountLimit())
        return FALSE;
    UINT nLimit = SearchLimit(model, nLine);
    UINT nLin = nLine;
    do
    {
        if (++nLin >= nLimit)
            return FALSE;
    } while (link.IsLocked(nColumn, nLin));
    nLine = nLin;
    return TRUE;
}

BOOL CKwGridNavigator::GetPrevItemToTheTop(const CKwGridModel&, const CKwGridListenerLink& link, UINT& nColumn,
                                           UINT& nLine) const
{
    if (nLine == kNone)
        return FALSE;
    UINT nLin = nLine;
    do
    {
        if (nLin == 0)
            return FALSE;
        nLin--;
    } while (link.IsLocked(nColumn, nLin));
    nLine = nLin;
    return TRUE;
}

BOOL CKwGridNavigator::CanRight(const CKwGridModel& model, const CKwGridListenerLink& link) const
{
    UINT nColumn = m_nColumn, nLine = m_nLine;
    return GetNextItemToTheRight(model, link, nColumn, nLine);
}

BOOL CKwGridNavigator::CanLeft(const CKwGridModel& model, const CKwGridListenerLink& link) const
{
    UINT nColumn = m_nColumn, nLine = m_nLine;
    return GetPrevItemToTheLeft(model, link, nColumn, nLine);
}

BOOL CKwGridNavigator::CanDown(const CKwGridModel& model, const CKwGridListenerLink& link) const
{
    UINT nColumn = m_nColumn, nLine = m_nLine;
    return GetNextItemToTheBottom(model, link, nColumn, nLine);
}

BOOL CKwGridNavigator::CanUp(const CKwGridModel& model, const CKwGridListenerLink& link) const
{
    UINT nColumn = m_nColumn, nLine = m_nLine;
    return GetPrevItemToTheTop(model, link, nColumn, nLine);
}

BOOL CKwGridNavigator::CanStepDown(const CKwGridModel& model) const
{
    return HasCell() && m_nLine + 1 < model.GetLineCountLimit();
}

BOOL CKwGridNavigator::CanStepUp() const
{
    return HasCell() && m_nLine > 0;
}

void CKwGridNavigator::SelectLine(UINT nLine, BOOL bShift)
{
    if (bShift)
        m_pSelection->HitWithShift(nLine);
    else
        m_pSelection->HitWithNothing(nLine);
}

void CKwGridNavigator::ToLine(UINT nLine, BOOL bShift)
{
    m_nLine = nLine;
    SelectLine(nLine, bShift);
}

BOOL CKwGridNavigator::Right(const CKwGridModel& model, const CKwGridListenerLink& link)
{
    if (!GetNextItemToTheRight(model, link, m_nColumn, m_nLine))
        return FALSE;
    m_pSelection->HitWithNothing(m_nLine);
    return TRUE;
}

BOOL CKwGridNavigator::Left(const CKwGridModel& model, const CKwGridListenerLink& link)
{
    if (!GetPrevItemToTheLeft(model, link, m_nColumn, m_nLine))
        return FALSE;
    m_pSelection->HitWithNothing(m_nLine);
    return TRUE;
}

BOOL CKwGridNavigator::GoTo(const CKwGridModel& model, const CKwGridListenerLink& link, UINT nColumn, UINT nLine,
                            BOOL bShift)
{
    // A cell no key could reach is no place for the box: a fixed grid without lines, a grid
    // without columns.
    if (nColumn >= model.GetColumnCount() || nLine >= model.GetLineCountLimit())
        return FALSE;
    m_nColumn = nColumn;
    m_nLine = nLine;
    // A locked cell hands the box on to the next free one; with none the box stays.
    if (link.IsLocked(m_nColumn, m_nLine))
        GetNextItemToTheRight(model, link, m_nColumn, m_nLine);
    SelectLine(m_nLine, bShift);
    return TRUE;
}

BOOL CKwGridNavigator::Home(const CKwGridModel& model, const CKwGridListenerLink& link, BOOL bShift)
{
    return GoTo(model, link, 0, 0, bShift);
}

BOOL CKwGridNavigator::End(const CKwGridModel& model, const CKwGridListenerLink& link, BOOL bShift)
{
    UINT nColumns = model.GetColumnCount(), nLines = model.GetLineCount();
    UINT nColumn = nColumns > 0 ? nColumns - 1 : 0;
    UINT nLine = nLines > 0 ? nLines - 1 : 0;
    if (link.IsLocked(nColumn, nLine))
        GetPrevItemToTheLeft(model, link, nColumn, nLine);
    return GoTo(model, link, nColumn, nLine, bShift);
}

BOOL CKwGridNavigator::Click(const CKwGridModel& model, const CKwGridListenerLink& link, UINT nColumn, UINT nLine,
                             BOOL bCtrl, BOOL bShift)
{
    BOOL bSkipped = FALSE;
    if (nColumn != kNone && nLine != kNone && link.IsLocked(nColumn, nLine))
    {
        // Only a free cell of the same line will do.
        bSkipped = TRUE;
        UINT nNextColumn = nColumn, nNextLine = nLine;
        if (GetNextItemToTheRight(model, link, nNextColumn, nNextLine) && nNextLine == nLine)
            nColumn = nNextColumn;
        else
            nColumn = nLine = kNone;
    }
    if (nColumn == kNone || nLine == kNone)
    {
        Clear();
        return bSkipped;
    }
    m_nColumn = nColumn;
    m_nLine = nLine;
    if (bCtrl)
        m_pSelection->HitWithControl(nLine);
    else
        SelectLine(nLine, bShift);
    return bSkipped;
}
