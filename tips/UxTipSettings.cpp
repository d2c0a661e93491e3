// UxTipSettings.cpp: global and per-tool settings.
#include "tips/UxTipSettings.h"

namespace {
const UINT kAllSettings = UXTT_MASK_STYLES | UXTT_MASK_EFFECT | UXTT_MASK_COLORS | UXTT_MASK_DIRECTION |
                          UXTT_MASK_BEHAVIOUR;
}

CUxTipSettings::CUxTipSettings(COLORREF* pGradientSlots) : m_pGradientSlots(pGradientSlots)
{
    m_global.nStyles = UXTT_STYLE_DEFAULT;
    m_global.nDirection = UXTT_DIR_BELOW_RIGHT;
    m_global.nEffect = UXTT_EFFECT_SOLID;
    m_global.nGranularity = 2;
    m_global.nBehaviour = 0;
}

void CUxTipSettings::CopyFields(UINT nMaskBits, const UXTOOLTIP_INFO& from, UXTOOLTIP_INFO& to)
{
    if (nMaskBits & UXTT_MASK_STYLES)
        to.nStyles = from.nStyles;
    if (nMaskBits & UXTT_MASK_EFFECT) {
        to.nEffect = from.nEffect;
        to.nGranularity = from.nGranularity;
    }
    if (nMaskBits & UXTT_MASK_COLORS) {
        to.crBegin = from.crBegin;
        to.crMid = from.crMid;
        to.crEnd = from.crEnd;
    }
    if (nMaskBits & UXTT_MASK_DIRECTION)
        to.nDirection = from.nDirection;
    if (nMaskBits & UXTT_MASK_BEHAVIOUR)
        to.nBehaviour = from.nBehaviour;
}

void CUxTipSettings::Resolve(UXTOOLTIP_INFO& ti) const
{
    UXTOOLTIP_INFO global = m_global;
    global.crBegin = m_pGradientSlots[0];
    global.crMid = m_pGradientSlots[1];
    global.crEnd = m_pGradientSlots[2];
    CopyFields(kAllSettings & ~ti.nMask, global, ti);
}

UXTOOLTIP_INFO CUxTipSettings::Effective(const UXTOOLTIP_INFO* pTool) const
{
    UXTOOLTIP_INFO ti;
    if (pTool != NULL)
        CopyFields(pTool->nMask, *pTool, ti);
    ti.nMask = pTool != NULL ? pTool->nMask : 0;
    Resolve(ti);
    return ti;
}

void CUxTipSettings::Set(UINT nMaskBit, const UXTOOLTIP_INFO& values, UXTOOLTIP_INFO* pTool)
{
    if (pTool != NULL) {
        CopyFields(nMaskBit, values, *pTool);
        pTool->nMask |= nMaskBit;
        return;
    }
    CopyFields(nMaskBit, values, m_global);
    if (nMaskBit & UXTT_MASK_COLORS) {
        m_pGradientSlots[0] = values.crBegin;
        m_pGradientSlots[1] = values.crMid;
        m_pGradientSlots[2] = values.crEnd;
    }
}
