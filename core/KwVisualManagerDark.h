// KwVisualManagerDark.h: declares CKwVisualManagerDark, the dark look of the docking library's
// bars, menus and tabs, whose colours the toolkit's own controls follow too.
#pragma once

#include "core/KwUiExport.h"

#include "CBCGPVisualManagerXP.h"

// Flat like the XP look, over a dark table of the system colours. While it is the process's
// manager, CKwPalette hands the toolkit's controls their dark colours.
class KWUI_API CKwVisualManagerDark : public CBCGPVisualManagerXP
{
    DECLARE_DYNCREATE(CKwVisualManagerDark)
public:
    CKwVisualManagerDark();
    ~CKwVisualManagerDark() override;

    // The manager of this class alive now (the process's one), else NULL.
    static CKwVisualManagerDark* GetActive();

    COLORREF GetSysColor(int nIndex) const override;
    // The system's popup menus would stay light: the manager draws them.
    BOOL IsOwnerDrawMenu() const override;
    // One-pixel edges in the dark table's light and shadow.
    void OnDrawEdge(CDC* pDC, CRect& rect, UINT nEdge, UINT nFlags) override;
    // Caption and scroll buttons as the system's glyphs on the dark face.
    void OnDrawFrameControl(CDC* pDC, CRect& rect, UINT nType, UINT nState) override;
};
