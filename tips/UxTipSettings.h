// UxTipSettings.h: CUxTipSettings, the tooltip's appearance and behaviour settings resolved in one
// place: the global styles, effect, gradient colours, direction and behaviour, and a tool's own
// where its override mask says so.
#pragma once

#include "tips/UxToolTipInfo.h"

class CUxTipSettings
{
public:
    // The global gradient colours are three slots of the tooltip's colour table, which the
    // markup reads as well: first, middle and last.
    explicit CUxTipSettings(COLORREF* pGradientSlots);

    // Every overridable field of ti whose mask bit is clear takes the global value.
    void Resolve(UXTOOLTIP_INFO& ti) const;
    // The settings a tool (NULL: none, the global ones) is shown with.
    UXTOOLTIP_INFO Effective(const UXTOOLTIP_INFO* pTool) const;
    // The fields of one mask bit from values: a tool's own (its mask bit set), or the global ones.
    void Set(UINT nMaskBit, const UXTOOLTIP_INFO& values, UXTOOLTIP_INFO* pTool);

private:
    static void CopyFields(UINT nMaskBits, const UXTOOLTIP_INFO& from, UXTOOLTIP_INFO& to);

    UXTOOLTIP_INFO m_global; // the global values; its colours live in the slots
    COLORREF* m_pGradientSlots;
};
