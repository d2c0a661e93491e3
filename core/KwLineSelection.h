// KwLineSelection.h: CKwLineSelection, the set of selected lines of a list-like control, driven by
// plain, Ctrl and Shift clicks.
#pragma once

#include "core/KwUiExport.h"
#include "core/KwList.h"

class KWUI_API CKwLineSelection
{
public:
    CKwLineSelection();
    virtual ~CKwLineSelection();

    // Plain click: the line alone, and the anchor moves to it.
    void HitWithNothing(UINT line);
    // Ctrl+click: the line flips in or out, and the anchor moves to it.
    void HitWithControl(UINT line);
    // Shift+click: every line from the anchor to this one; the anchor stays, so further Shift
    // clicks extend from the same line. Without an anchor the line is added and anchors.
    void HitWithShift(UINT line);
    // Click on no line: nothing selected, no anchor.
    void HitOutside();

    // The selected lines, ascending from the head.
    UINT GetCount() const;
    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    UINT GetNext(POSITION& pos) const;
    UINT GetPrev(POSITION& pos) const;

private:
    static constexpr UINT kNoAnchor = 0xFFFFFFFF;

    void Add(UINT line);
    void Toggle(UINT line);
    void Fill(UINT first, UINT last);

    CKwList<UINT, UINT> m_lines;
    UINT m_anchor;
};
