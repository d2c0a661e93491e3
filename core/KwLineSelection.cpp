// Line selection: an ascending list of line numbers and the anchor of Shift clicks.
#include "core/KwLineSelection.h"

CKwLineSelection::CKwLineSelection() : m_anchor(kNoAnchor)
{
}

CKwLineSelection::~CKwLineSelection()
{
}

void CKwLineSelection::HitWithNothing(UINT line)
{
    Fill(line, line);
    m_anchor = line;
}

void CKwLineSelection::HitWithControl(UINT line)
{
    Toggle(line);
    m_anchor = line;
}

void CKwLineSelection::HitWithShift(UINT line)
{
    if (m_anchor == kNoAnchor) {
        Add(line);
        m_anchor = line;
        return;
    }
    Fill(m_anchor < line ? m_anchor : line, m_anchor < line ? line : m_anchor);
}

void CKwLineSelection::HitOutside()
{
    m_lines.RemoveAll();
    m_anchor = kNoAnchor;
}

UINT CKwLineSelection::GetCount() const
{
    return (UINT)m_lines.GetCount();
}

POSITION CKwLineSelection::GetHeadPosition() const
{
    return m_lines.GetHeadPosition();
}

POSITION CKwLineSelection::GetTailPosition() const
{
    return m_lines.GetTailPosition();
}

UINT CKwLineSelection::GetNext(POSITION& pos) const
{
    return m_lines.GetNext(pos);
}

UINT CKwLineSelection::GetPrev(POSITION& pos) const
{
    return m_lines.GetPrev(pos);
}

void CKwLineSelection::Add(UINT line)
{
    POSITION pos = m_lines.GetHeadPosition();
    while (pos) {
        POSITION at = pos;
        UINT current = m_lines.GetNext(pos);
        if (current == line)
            return;
        if (current > line) {
            m_lines.InsertBefore(at, line);
            return;
        }
    }
    m_lines.AddTail(line);
}

// Makes the selection exactly the lines first to last, in order, one step per line. It writes
// over the entries it already has, so that clicks over long ranges reuse the list's storage
// instead of giving it back and taking it again.
void CKwLineSelection::Fill(UINT first, UINT last)
{
    POSITION pos = m_lines.GetHeadPosition();
    for (UINT line = first;; line++) {
        if (pos) {
            m_lines.SetAt(pos, line);
            m_lines.GetNext(pos);
        } else {
            m_lines.AddTail(line);
        }
        if (line == last)
            break;
    }
    while (pos) {
        POSITION surplus = pos;
        m_lines.GetNext(pos);
        m_lines.RemoveAt(surplus);
    }
}

void CKwLineSelection::Toggle(UINT line)
{
    POSITION pos = m_lines.Find(line);
    if (pos)
        m_lines.RemoveAt(pos);
    else
        Add(line);
}
