// CBCGPVisualManagerXP.h: CBCGPVisualManagerXP, the flat "XP" look: light bars lifted toward the
// window colour, thin dark borders and captions in the selection colour.
#pragma once

#include "CBCGPVisualManager.h"

class KWDOCK_API CBCGPVisualManagerXP : public CBCGPVisualManager
{
    DECLARE_DYNCREATE(CBCGPVisualManagerXP)
public:
    CBCGPVisualManagerXP();

    COLORREF GetBarBackgroundColor() const override;
    COLORREF GetBarBorderColor() const override;
    COLORREF GetCaptionColor(BOOL bActive) const override;
    COLORREF GetCaptionTextColor(BOOL bActive) const override;
    // Tabs: the strip in the bar colour, the active tab in the window colour, inactive labels
    // greyed.
    COLORREF GetTabAreaColor() const override;
    COLORREF GetTabColor(BOOL bActive) const override;
    COLORREF GetTabTextColor(BOOL bActive) const override;
    COLORREF GetTabBorderColor() const override;

    // Status bar panes in a thin border line instead of sunk.
    void OnDrawStatusBarPaneBorder(CDC* pDC, const CRect& rect) override;

    // clr1 weighted nPercent1 against clr2, channel by channel.
    static COLORREF MixColors(COLORREF clr1, COLORREF clr2, int nPercent1);
};
