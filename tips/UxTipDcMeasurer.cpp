// UxTipDcMeasurer.cpp: measuring the markup on a device context.
#include "tips/UxTipDcMeasurer.h"

#include <algorithm>

CUxTipDcMeasurer::CUxTipDcMeasurer(CDC* pDC, const LOGFONT& lfBase, const CUxTipMarkup& markup,
                                   CUxTipPictures& pictures)
    : m_pDC(pDC), m_lfBase(lfBase), m_markup(markup), m_pictures(pictures), m_nBaseStyles(0), m_pOldFont(NULL)
{
    if (lfBase.lfItalic)
        m_nBaseStyles |= UXTIP_STYLE_ITALIC;
    if (lfBase.lfStrikeOut)
        m_nBaseStyles |= UXTIP_STYLE_STRIKEOUT;
    if (lfBase.lfUnderline)
        m_nBaseStyles |= UXTIP_STYLE_UNDERLINE;
    m_nStyles = m_nBaseStyles;
    m_pOldFont = m_pDC->SelectObject(Font(m_nStyles));
}

CUxTipDcMeasurer::~CUxTipDcMeasurer()
{
    if (m_pOldFont)
        m_pDC->SelectObject(m_pOldFont);
}

void CUxTipDcMeasurer::BaseFont(int& nHeight, int& nAveCharWidth, unsigned& nStyles)
{
    TEXTMETRIC tm;
    if (!m_pDC->GetTextMetrics(&tm))
        memset(&tm, 0, sizeof(tm));
    nHeight = tm.tmHeight;
    nAveCharWidth = tm.tmAveCharWidth;
    nStyles = m_nBaseStyles;
}

void CUxTipDcMeasurer::SelectStyles(unsigned nStyles)
{
    if (nStyles == m_nStyles)
        return;
    m_nStyles = nStyles;
    CFont* pOld = m_pDC->SelectObject(Font(nStyles));
    if (m_pOldFont == NULL)
        m_pOldFont = pOld; // the first font that could be made
}

UxTipSize CUxTipDcMeasurer::MeasureText(const char* p, int nLength)
{
    SIZE sz = { 0, 0 };
    ::GetTextExtentPoint32A(m_pDC->m_hAttribDC, p, nLength, &sz);
    UxTipSize size;
    size.cx = sz.cx;
    size.cy = sz.cy;
    return size;
}

bool CUxTipDcMeasurer::MeasurePicture(const UxTipRun& run, UxTipSize& size)
{
    CSize sz(0, 0);
    if (!m_pictures.Picture(m_markup, run, m_pDC, CPoint(0, 0), 0, TRUE, sz))
        return false;
    size.cx = sz.cx;
    size.cy = sz.cy;
    return true;
}

CFont* CUxTipDcMeasurer::Font(unsigned nStyles)
{
    CFont& font = m_fonts[nStyles & (UXTIP_STYLE_COUNT - 1)];
    if (font.GetSafeHandle() == NULL) {
        LOGFONT lf = m_lfBase;
        // A base of no particular weight (0, as CreatePointFont leaves it) is drawn normal, so
        // bold doubles the normal weight rather than 0.
        if (nStyles & UXTIP_STYLE_BOLD) {
            LONGLONG nBase = m_lfBase.lfWeight == FW_DONTCARE ? FW_NORMAL : m_lfBase.lfWeight;
            lf.lfWeight = (LONG)std::min<LONGLONG>(2 * nBase, FW_HEAVY);
        }
        lf.lfItalic = (nStyles & UXTIP_STYLE_ITALIC) ? (m_lfBase.lfItalic ? m_lfBase.lfItalic : TRUE) : FALSE;
        lf.lfStrikeOut = (nStyles & UXTIP_STYLE_STRIKEOUT) ? (m_lfBase.lfStrikeOut ? m_lfBase.lfStrikeOut : TRUE) : FALSE;
        lf.lfUnderline = (nStyles & UXTIP_STYLE_UNDERLINE) ? (m_lfBase.lfUnderline ? m_lfBase.lfUnderline : TRUE) : FALSE;
        font.CreateFontIndirect(&lf);
    }
    return &font;
}
