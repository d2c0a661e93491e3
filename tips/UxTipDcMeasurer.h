// UxTipDcMeasurer.h: CUxTipDcMeasurer, the markup measured on a device context: the working fonts
// of one pass (the base font with the styles the tags switch on) selected into it, text extents,
// and picture sizes.
#pragma once

#include "tips/UxTipLayout.h"
#include "tips/UxTipPictures.h"

#include <afxwin.h>

class CUxTipDcMeasurer : public IUxTipMeasurer
{
public:
    // Selects the base font into pDC until the measurer goes.
    CUxTipDcMeasurer(CDC* pDC, const LOGFONT& lfBase, const CUxTipMarkup& markup, CUxTipPictures& pictures);
    ~CUxTipDcMeasurer();

    void BaseFont(int& nHeight, int& nAveCharWidth, unsigned& nStyles) override;
    void SelectStyles(unsigned nStyles) override;
    UxTipSize MeasureText(const char* p, int nLength) override;
    bool MeasurePicture(const UxTipRun& run, UxTipSize& size) override;

private:
    CUxTipDcMeasurer(const CUxTipDcMeasurer&) = delete;
    CUxTipDcMeasurer& operator=(const CUxTipDcMeasurer&) = delete;

    CFont* Font(unsigned nStyles);

    CDC* m_pDC;
    LOGFONT m_lfBase;
    const CUxTipMarkup& m_markup;
    CUxTipPictures& m_pictures;
    unsigned m_nBaseStyles;
    unsigned m_nStyles;
    CFont* m_pOldFont;
    // Each combination of styles is created the first time it is needed and kept until the pass
    // ends, so markup that toggles a style at every word does not create a font at every tag.
    CFont m_fonts[UXTIP_STYLE_COUNT];
};
