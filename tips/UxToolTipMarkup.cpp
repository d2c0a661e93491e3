// UxToolTipMarkup.cpp: CUxToolTip's markup engine: colour table, base font, named pictures, image
// list, the scanner and PrintTitleString's measuring and drawing passes, and the picture routines.
#include "tips/UxToolTip.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Layout offsets are kept within this bound, so that absurd counts in <br=...>, <t=...> or
// <hr=...> saturate instead of overflowing; GDI draws nothing beyond 2^27 anyway.
const LONGLONG kMaxOffset = 1 << 26;

// A picture side above this is refused: drawing it would allocate a bitmap of that size.
const int kMaxPictureSide = 2048;

// Percentages of one line saturate here, which keeps their product with a width in 64 bits.
const ULONGLONG kMaxPercent = 0xFFFFFFFFull;

LONGLONG Saturate(LONGLONG v)
{
    return std::max(-kMaxOffset, std::min(kMaxOffset, v));
}

int ToInt(LONGLONG v)
{
    return (int)std::max<LONGLONG>(INT_MIN, std::min<LONGLONG>(INT_MAX, v));
}

// A size read from the markup: values beyond a picture's bound stay beyond it once narrowed.
int PictureSide(UINT n)
{
    return n > (UINT)kMaxPictureSide ? kMaxPictureSide + 1 : (int)n;
}

bool IsAcceptedPictureSize(CSize sz)
{
    return sz.cx >= 0 && sz.cy >= 0 && sz.cx <= kMaxPictureSide && sz.cy <= kMaxPictureSide;
}

// MulDiv's rounding (half away from zero) for a non-negative product, in 64 bits.
LONGLONG PercentOf(LONGLONG base, ULONGLONG percent)
{
    return ((ULONGLONG)base * percent + 50) / 100;
}

enum ETag
{
    TAG_UNKNOWN,
    TAG_BOLD,
    TAG_ITALIC,
    TAG_STRIKEOUT,
    TAG_UNDERLINE,
    TAG_BREAK,
    TAG_TAB,
    TAG_TEXT_COLOR,
    TAG_TEXT_SLOT,
    TAG_BK_COLOR,
    TAG_BK_SLOT,
    TAG_ALIGN_LEFT,
    TAG_ALIGN_CENTER,
    TAG_ALIGN_RIGHT,
    TAG_RULE,
    TAG_PICTURE,
    TAG_IMAGE_LIST,
    TAG_ICON,
    TAG_BITMAP,
};

// "u" strikes out and "s" underlines: the markup's authors rely on it.
const struct
{
    const char* pszName;
    ETag nTag;
} kTags[] = {
    { "b", TAG_BOLD }, { "i", TAG_ITALIC }, { "u", TAG_STRIKEOUT }, { "s", TAG_UNDERLINE },
    { "br", TAG_BREAK }, { "t", TAG_TAB }, { "ct", TAG_TEXT_COLOR }, { "cti", TAG_TEXT_SLOT },
    { "cb", TAG_BK_COLOR }, { "cbi", TAG_BK_SLOT }, { "al", TAG_ALIGN_LEFT }, { "al_l", TAG_ALIGN_LEFT },
    { "al_c", TAG_ALIGN_CENTER }, { "al_r", TAG_ALIGN_RIGHT }, { "hr", TAG_RULE }, { "img", TAG_PICTURE },
    { "ilst", TAG_IMAGE_LIST }, { "icon", TAG_ICON }, { "bmp", TAG_BITMAP },
};

// Tag names are ASCII: compared in lower case without the locale's help, which costs less
// than a case-insensitive compare against every name of the table.
ETag FindTag(LPCTSTR pszName, int nLength)
{
    char lower[8];
    if (nLength <= 0 || nLength >= (int)sizeof(lower))
        return TAG_UNKNOWN;
    for (int i = 0; i < nLength; i++)
        lower[i] = (pszName[i] >= 'A' && pszName[i] <= 'Z') ? (char)(pszName[i] + 'a' - 'A') : pszName[i];
    lower[nLength] = 0;
    for (const auto& tag : kTags)
        if (strcmp(lower, tag.pszName) == 0)
            return tag.nTag;
    return TAG_UNKNOWN;
}

// The font styles the tags switch.
enum EStyle
{
    STYLE_BOLD = 1,
    STYLE_ITALIC = 2,
    STYLE_STRIKEOUT = 4,
    STYLE_UNDERLINE = 8,
    STYLE_COUNT = 16,
};

// The working fonts of one pass: the base font with the styles the tags switch on. Each
// combination is created the first time it is needed and kept until the pass ends, so markup
// that toggles a style at every word does not create a font at every tag.
class CWorkingFonts
{
public:
    CWorkingFonts(CDC* pDC, const LOGFONT& lfBase) : m_pDC(pDC), m_lfBase(lfBase), m_nStyles(0), m_pOldFont(NULL)
    {
        if (lfBase.lfItalic)
            m_nStyles |= STYLE_ITALIC;
        if (lfBase.lfStrikeOut)
            m_nStyles |= STYLE_STRIKEOUT;
        if (lfBase.lfUnderline)
            m_nStyles |= STYLE_UNDERLINE;
        m_pOldFont = m_pDC->SelectObject(Font(m_nStyles));
    }

    ~CWorkingFonts()
    {
        if (m_pOldFont)
            m_pDC->SelectObject(m_pOldFont);
    }

    void Switch(int nStyle, bool bOn)
    {
        int nStyles = bOn ? (m_nStyles | nStyle) : (m_nStyles & ~nStyle);
        if (nStyles == m_nStyles)
            return;
        m_nStyles = nStyles;
        CFont* pOld = m_pDC->SelectObject(Font(nStyles));
        if (m_pOldFont == NULL)
            m_pOldFont = pOld; // the first font that could be made
    }

private:
    CFont* Font(int nStyles)
    {
        CFont& font = m_fonts[nStyles];
        if (font.GetSafeHandle() == NULL) {
            LOGFONT lf = m_lfBase;
            // A base of no particular weight (0, as CreatePointFont leaves it) is drawn normal,
            // so bold doubles the normal weight rather than 0.
            if (nStyles & STYLE_BOLD) {
                LONGLONG nBase = m_lfBase.lfWeight == FW_DONTCARE ? FW_NORMAL : m_lfBase.lfWeight;
                lf.lfWeight = (LONG)std::min<LONGLONG>(2 * nBase, FW_HEAVY);
            }
            lf.lfItalic = (nStyles & STYLE_ITALIC) ? (m_lfBase.lfItalic ? m_lfBase.lfItalic : TRUE) : FALSE;
            lf.lfStrikeOut = (nStyles & STYLE_STRIKEOUT) ? (m_lfBase.lfStrikeOut ? m_lfBase.lfStrikeOut : TRUE) : FALSE;
            lf.lfUnderline = (nStyles & STYLE_UNDERLINE) ? (m_lfBase.lfUnderline ? m_lfBase.lfUnderline : TRUE) : FALSE;
            font.CreateFontIndirect(&lf);
        }
        return &font;
    }

    CDC* m_pDC;
    LOGFONT m_lfBase;
    int m_nStyles;
    CFont* m_pOldFont;
    CFont m_fonts[STYLE_COUNT];
};

enum EAlign
{
    ALIGN_LEFT,
    ALIGN_CENTER,
    ALIGN_RIGHT,
};

// Where a pass stands, and the rules of lines, tabs and alignment. Offsets are taken from the
// rectangle's left and top in 64 bits and saturated, so no markup can overflow them. The
// measuring pass fills the line tables; the drawing pass reads them, and takes a line they do
// not know (the text was not the one measured) as empty and of the base height.
class CLayout
{
public:
    CLayout(BOOL bCalculate, const CRect& rect, const TEXTMETRIC& tm, CUIntArray& widths, CUIntArray& heights)
        : m_bCalculate(bCalculate), m_rect(rect), m_widths(widths), m_heights(heights),
          m_nAvailable(Saturate(std::max<LONGLONG>(0, (LONGLONG)rect.right - rect.left))),
          m_nBaseHeight(Saturate(std::max<LONG>(tm.tmHeight, 0))),
          m_nTab(Saturate(4 * (LONGLONG)std::max<LONG>(tm.tmAveCharWidth, 0))), m_h(m_nBaseHeight), m_percents(1, 0)
    {
        if (bCalculate) {
            m_widths.RemoveAll();
            m_heights.RemoveAll();
        }
    }

    // The pen position, the top of the line, and the top of text sitting on the line's bottom.
    int X() const { return ToInt(m_rect.left + m_dx); }
    int Y() const { return ToInt(m_rect.top + m_dy); }
    int TextY() const { return ToInt(m_rect.top + m_dy + LineHeight() - m_nBaseHeight); }
    // The line's height as measured; 0 while measuring, as pictures are told.
    int PictureLineHeight() const { return m_bCalculate ? 0 : ToInt(LineHeight()); }
    int MiddleY() const { return ToInt(m_rect.top + m_dy + LineHeight() / 2); }

    void SetAlign(EAlign nAlign) { m_nAlign = nAlign; }

    // Before the first run or picture of a line: the drawing pass places the line by its
    // alignment. A line wider than the rectangle is centred from the left edge.
    void StartLine()
    {
        if (!m_bLineStart)
            return;
        m_bLineStart = false;
        if (m_bCalculate)
            return;
        if (m_nAlign == ALIGN_CENTER)
            m_dx = std::max<LONGLONG>(0, (m_nAvailable - LineWidth()) / 2);
        else if (m_nAlign == ALIGN_RIGHT)
            m_dx = m_nAvailable - LineWidth();
    }

    // A run or picture of that size was placed at the pen.
    void Place(SIZE sz)
    {
        if (m_bCalculate)
            m_h = std::max<LONGLONG>(m_h, sz.cy);
        Advance(sz.cx);
    }

    void Advance(LONGLONG n) { m_dx = Saturate(m_dx + n); }

    // A count above 1 adds empty space but one entry of the tables only.
    void Break(UINT nCount)
    {
        LONGLONG nHeight = LineHeight();
        if (m_bCalculate) {
            LONGLONG nWidth = std::max<LONGLONG>(0, m_dx);
            m_widths.Add((UINT)nWidth);
            m_heights.Add((UINT)m_h);
            m_nWidest = std::max(m_nWidest, nWidth);
            m_percents.push_back(0);
        }
        m_dy = Saturate(m_dy + (LONGLONG)std::max<UINT>(nCount, 1) * nHeight);
        m_nLine++;
        m_bLineStart = true;
        m_h = m_nBaseHeight;
        m_dx = 0;
    }

    // To the next stop (counted as one) when between stops, then whole tabs. Stops lie every
    // four average characters from the rectangle's left edge; a font without width has none.
    void Tabulate(UINT nCount)
    {
        if (m_nTab <= 0)
            return;
        LONGLONG nLeft = std::max<UINT>(nCount, 1);
        LONGLONG r = ((m_dx % m_nTab) + m_nTab) % m_nTab;
        if (r != 0) {
            Advance(m_nTab - r);
            nLeft--;
        }
        Advance(nLeft * m_nTab);
    }

    // The width of a rule of p percent while drawing. While measuring the percentage waits for
    // the widest line and 0 is returned.
    LONGLONG PercentRule(ULONGLONG nPercent)
    {
        if (!m_bCalculate)
            return Saturate(PercentOf(m_nAvailable, nPercent));
        m_percents[m_nLine] = std::min(kMaxPercent, m_percents[m_nLine] + nPercent);
        return 0;
    }

    // After the last break: percentage rules take their share of the widest line.
    CSize Finish()
    {
        if (!m_bCalculate)
            return CSize(0, 0);
        for (int n = 0; n < (int)m_widths.GetSize(); n++)
            if (m_percents[n] != 0)
                m_widths[n] = (UINT)Saturate(m_widths[n] + PercentOf(m_nWidest, m_percents[n]));
        return CSize((int)m_nWidest, (int)m_dy);
    }

private:
    LONGLONG LineHeight() const
    {
        if (m_bCalculate)
            return m_h;
        return m_nLine < (int)m_heights.GetSize() ? (LONGLONG)m_heights[m_nLine] : m_nBaseHeight;
    }
    LONGLONG LineWidth() const
    {
        return m_nLine < (int)m_widths.GetSize() ? (LONGLONG)m_widths[m_nLine] : 0;
    }

    BOOL m_bCalculate;
    CRect m_rect;
    CUIntArray& m_widths;
    CUIntArray& m_heights;
    LONGLONG m_nAvailable;      // the rectangle's width, within bounds
    LONGLONG m_nBaseHeight;     // H0: the base font's text height
    LONGLONG m_nTab;
    LONGLONG m_dx = 0;          // pen position
    LONGLONG m_dy = 0;          // top of the line
    int m_nLine = 0;
    EAlign m_nAlign = ALIGN_LEFT; // in force across lines until changed
    bool m_bLineStart = true;
    LONGLONG m_h;               // height of the line being measured
    LONGLONG m_nWidest = 0;
    std::vector<ULONGLONG> m_percents; // of the widest line, per line
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Colour table

void CUxToolTip::SetColor(int nIndex, COLORREF crColor)
{
    if (nIndex >= 0 && nIndex < UXTT_COLOR_COUNT)
        m_crColor[nIndex] = crColor;
}

COLORREF CUxToolTip::GetColor(int nIndex) const
{
    if (nIndex < 0 || nIndex >= UXTT_COLOR_COUNT)
        nIndex = UXTT_COLOR_TEXT;
    return m_crColor[nIndex];
}

void CUxToolTip::SetDefaultColors()
{
    // The sixteen-colour palette, then the roles; slot 16 is left to the host.
    static const COLORREF kPalette[16] = {
        RGB(0x00, 0x00, 0x00), RGB(0x00, 0x00, 0x80), RGB(0x00, 0x80, 0x00), RGB(0x00, 0x80, 0x80),
        RGB(0x80, 0x00, 0x00), RGB(0x80, 0x00, 0x80), RGB(0x80, 0x80, 0x00), RGB(0x80, 0x80, 0x80),
        RGB(0x00, 0x00, 0xFF), RGB(0x00, 0xFF, 0x00), RGB(0x00, 0xFF, 0xFF), RGB(0xFF, 0x00, 0x00),
        RGB(0xFF, 0x00, 0xFF), RGB(0xFF, 0xFF, 0x00), RGB(0xC0, 0xC0, 0xC0), RGB(0xFF, 0xFF, 0xFF),
    };
    for (int i = 0; i < 16; i++)
        m_crColor[i] = kPalette[i];
    m_crColor[UXTT_COLOR_TEXT] = ::GetSysColor(COLOR_INFOTEXT);
    m_crColor[UXTT_COLOR_BK_BEGIN] = ::GetSysColor(COLOR_INFOBK);
    m_crColor[UXTT_COLOR_BK_MID] = ::GetSysColor(COLOR_INFOBK);
    m_crColor[UXTT_COLOR_BK_END] = ::GetSysColor(COLOR_INFOBK);
    m_crColor[21] = RGB(0x00, 0x00, 0xEE);
    m_crColor[22] = RGB(0x55, 0x1A, 0x8B);
    m_crColor[23] = RGB(0xFF, 0x00, 0x00);
    m_crColor[UXTT_COLOR_SHADOW] = ::GetSysColor(COLOR_BTNSHADOW);
    m_crColor[UXTT_COLOR_BORDER] = ::GetSysColor(COLOR_INFOTEXT);
}

// ---------------------------------------------------------------------------------------------
// Base font

BOOL CUxToolTip::SetFont(CFont& font)
{
    // A font object without a font has no LOGFONT to give: the base font stays.
    LOGFONT lf;
    if (font.GetSafeHandle() == NULL || font.GetLogFont(&lf) == 0)
        return FALSE;
    m_LogFont = lf;
    return TRUE;
}

BOOL CUxToolTip::SetFont(LPLOGFONT lf)
{
    if (lf == NULL)
        return FALSE;
    m_LogFont = *lf;
    return TRUE;
}

BOOL CUxToolTip::SetFont(LPCTSTR lpszFaceName, int nSizePoints, BOOL bUnderline, BOOL bBold, BOOL bStrikeOut,
                         BOOL bItalic)
{
    LOGFONT lf;
    memset(&lf, 0, sizeof(lf));
    HDC hDC = ::GetDC(m_hWnd); // the screen's while the window does not exist
    lf.lfHeight = -::MulDiv(nSizePoints, ::GetDeviceCaps(hDC, LOGPIXELSY), 72);
    ::ReleaseDC(m_hWnd, hDC);
    lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = bUnderline ? TRUE : FALSE;
    lf.lfStrikeOut = bStrikeOut ? TRUE : FALSE;
    lf.lfItalic = bItalic ? TRUE : FALSE;
    if (lpszFaceName)
        lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    m_LogFont = lf;
    return TRUE;
}

void CUxToolTip::SetDefaultFont()
{
    m_LogFont = *GetSystemToolTipFont();
}

void CUxToolTip::GetFont(CFont& font)
{
    // The object receives a new font; one it held before is released rather than leaked.
    font.DeleteObject();
    font.CreateFontIndirect(&m_LogFont);
}

void CUxToolTip::GetFont(LPLOGFONT lf)
{
    if (lf)
        *lf = m_LogFont;
}

LPLOGFONT CUxToolTip::GetSystemToolTipFont()
{
    static LOGFONT s_lf;
    NONCLIENTMETRICS ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = sizeof(ncm);
    if (::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) {
        s_lf = ncm.lfStatusFont;
        return &s_lf;
    }
    // Systems older than the structure know it without the padded border width.
    ncm.cbSize = offsetof(NONCLIENTMETRICS, iPaddedBorderWidth);
    if (::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0)) {
        s_lf = ncm.lfStatusFont;
        return &s_lf;
    }
    // No metrics at all: the font of dialogs and controls, as the system gives it.
    if (::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(s_lf), &s_lf) == sizeof(s_lf))
        return &s_lf;
    memset(&s_lf, 0, sizeof(s_lf));
    s_lf.lfHeight = -11;
    s_lf.lfWeight = FW_NORMAL;
    s_lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(s_lf.lfFaceName, "MS Shell Dlg", LF_FACESIZE);
    return &s_lf;
}

// ---------------------------------------------------------------------------------------------
// Image list

void CUxToolTip::SetImageList(HBITMAP hBitmap, int cx, int cy, int nCount, COLORREF crMask)
{
    m_imgTooltip.DeleteImageList();
    m_szImage = CSize(0, 0);
    if (cx <= 0 || cy <= 0)
        return;
    if (!m_imgTooltip.Create(cx, cy, ILC_COLOR32 | ILC_MASK, std::max(nCount, 0), 1))
        return;
    m_szImage = CSize(cx, cy);
    if (hBitmap == NULL)
        return;
    // Adding with a mask blackens the masked pixels of the source: the caller's strip stays as
    // it was by adding a copy.
    HBITMAP hCopy = (HBITMAP)::CopyImage(hBitmap, IMAGE_BITMAP, 0, 0, 0);
    if (hCopy) {
        ImageList_AddMasked(m_imgTooltip.m_hImageList, hCopy, crMask);
        ::DeleteObject(hCopy);
    }
}

void CUxToolTip::SetImageList(UINT nIDBitmap, int cx, int cy, int nCount, COLORREF crMask)
{
    HBITMAP hBitmap = GetBitmapFromResources(nIDBitmap);
    SetImageList(hBitmap, cx, cy, nCount, crMask);
    if (hBitmap)
        ::DeleteObject(hBitmap);
}

CImageList* CUxToolTip::GetImageList(CSize& sz)
{
    sz = m_szImage;
    return &m_imgTooltip;
}

// ---------------------------------------------------------------------------------------------
// Named pictures

void CUxToolTip::AddNameOfResource(CString sName, UINT nID, BYTE nTypeRes, COLORREF crMask)
{
    if (sName.IsEmpty() || nID == 0 || nTypeRes > UXTT_RES_BITMAP_MASKED)
        return;
    UXTOOLTIP_NAME_RES res;
    res.sName = sName;
    res.nID = nID;
    res.nTypeRes = nTypeRes;
    res.crMask = crMask;
    m_arrNameRes.Add(res);
}

int CUxToolTip::FindIdOfResource(CString sName)
{
    for (int i = 0; i < (int)m_arrNameRes.GetSize(); i++)
        if (m_arrNameRes[i].sName.CompareNoCase(sName) == 0)
            return i;
    return -1;
}

int CUxToolTip::FindNameOfResource(UINT nID)
{
    for (int i = 0; i < (int)m_arrNameRes.GetSize(); i++)
        if (m_arrNameRes[i].nID == nID)
            return i;
    return -1;
}

void CUxToolTip::RemoveNameOfResource(int nIndex)
{
    if (nIndex >= 0 && nIndex < (int)m_arrNameRes.GetSize())
        m_arrNameRes.RemoveAt(nIndex);
}

void CUxToolTip::RemoveAllNamesOfResource()
{
    m_arrNameRes.RemoveAll();
}

// ---------------------------------------------------------------------------------------------
// Scanning. Every routine moves nIndex forward through sText and never past its end.

// Moves nIndex to the end of the text run that starts there: the next '<' that is not doubled
// and not the last character, the next line feed, or the end. Returns where the run began.
int CUxToolTip::SearchBeginOfTag(const CString& sText, int& nIndex)
{
    int nBegin = nIndex;
    int nLength = sText.GetLength();
    LPCTSTR p = sText;
    while (nIndex < nLength) {
        char ch = p[nIndex];
        if (ch == '\n')
            break;
        if (ch == '<') {
            if (nIndex + 1 == nLength) { // a lone '<' at the very end is text
                nIndex++;
                break;
            }
            if (p[nIndex + 1] != '<')
                break;
            nIndex++;
        }
        nIndex++;
    }
    return nBegin;
}

// The name of a tag or property: empty when a line feed stands where it would begin (the
// position is left on it); ends before '=' or '>', or after a space.
CString CUxToolTip::GetNameOfTag(const CString& sText, int& nIndex)
{
    int nLength = sText.GetLength();
    LPCTSTR p = sText;
    while (nIndex < nLength && (p[nIndex] == ' ' || p[nIndex] == '\r'))
        nIndex++;
    if (nIndex < nLength && p[nIndex] == '\n')
        return CString();
    int nBegin = nIndex, nEnd = nIndex;
    bool bBroken = false; // by line feeds or carriage returns, which are left out
    while (nEnd < nLength && p[nEnd] != '=' && p[nEnd] != '>' && p[nEnd] != ' ') {
        bBroken = bBroken || p[nEnd] == '\n' || p[nEnd] == '\r';
        nEnd++;
    }
    nIndex = (nEnd < nLength && p[nEnd] == ' ') ? nEnd + 1 : nEnd;
    if (!bBroken)
        return CString(p + nBegin, nEnd - nBegin);
    CString sName;
    for (int i = nBegin; i < nEnd; i++)
        if (p[i] != '\n' && p[i] != '\r')
            sName += p[i];
    return sName;
}

CString CUxToolTip::GetPropertiesOfTag(const CString& sText, int& nIndex)
{
    return GetNameOfTag(sText, nIndex);
}

// The value after '=': empty, with the position on the first character that is not blank,
// when no '=' comes first. Ends before '>' or after a space.
CString CUxToolTip::GetStringValue(const CString& sText, int& nIndex)
{
    int nLength = sText.GetLength();
    LPCTSTR p = sText;
    while (nIndex < nLength && (p[nIndex] == ' ' || p[nIndex] == '\n' || p[nIndex] == '\r'))
        nIndex++;
    if (nIndex >= nLength || p[nIndex] != '=')
        return CString();
    int nBegin = ++nIndex;
    while (nIndex < nLength && p[nIndex] != ' ' && p[nIndex] != '>')
        nIndex++;
    CString sValue(p + nBegin, nIndex - nBegin);
    if (nIndex < nLength && p[nIndex] == ' ')
        nIndex++;
    return sValue;
}

UINT CUxToolTip::GetUIntValue(const CString& sText, int& nIndex, UINT nDefValue)
{
    CString sValue = GetStringValue(sText, nIndex);
    if (sValue.IsEmpty())
        return nDefValue;
    return (UINT)strtoul(sValue, NULL, 0);
}

void CUxToolTip::SearchEndOfTag(const CString& sText, int& nIndex)
{
    int nLength = sText.GetLength();
    LPCTSTR p = sText;
    while (nIndex < nLength && p[nIndex] != '>' && p[nIndex] != '\n')
        nIndex++;
    if (nIndex < nLength)
        nIndex++;
}

// ---------------------------------------------------------------------------------------------
// PrintTitleString: the measuring pass (bCalculate TRUE) and the drawing pass.

CSize CUxToolTip::PrintTitleString(CDC* pDC, CRect rect, CString str, BOOL bCalculate)
{
    if (str.IsEmpty() || pDC == NULL || pDC->GetSafeHdc() == NULL) {
        if (bCalculate) {
            m_nLengthLines.RemoveAll();
            m_nHeightLines.RemoveAll();
        }
        return CSize(0, 0);
    }
    str.Replace('\t', ' '); // tabulation is the <t> tag's alone

    CWorkingFonts fonts(pDC, m_LogFont);
    TEXTMETRIC tm;
    if (!pDC->GetTextMetrics(&tm))
        memset(&tm, 0, sizeof(tm));
    CLayout lay(bCalculate, rect, tm, m_nLengthLines, m_nHeightLines);

    const int nLength = str.GetLength();
    LPCTSTR p = str;
    std::string unescaped;
    int i = 0;

    // The properties of a picture tag, in any order; one the tag does not know ends them.
    auto readProperties = [&](int nCount, UINT& cx, UINT& cy, COLORREF* pMask) -> BOOL {
        BOOL bMask = FALSE;
        for (int k = 0; k < nCount; k++) {
            CString sProperty = GetPropertiesOfTag(str, i);
            if (sProperty.CompareNoCase("cx") == 0)
                cx = GetUIntValue(str, i, 0);
            else if (sProperty.CompareNoCase("cy") == 0)
                cy = GetUIntValue(str, i, 0);
            else if (pMask && sProperty.CompareNoCase("mask") == 0) {
                *pMask = GetUIntValue(str, i, *pMask);
                bMask = TRUE;
            } else
                break;
        }
        return bMask;
    };

    while (i < nLength) {
        if (p[i] == '\n') {
            i++;
            lay.Break(1);
            continue;
        }
        if (p[i] != '<' || i + 1 == nLength || p[i + 1] == '<') {
            // A text run, drawn in place unless it holds "<<" (one '<') or carriage returns.
            int nBegin = SearchBeginOfTag(str, i);
            LPCTSTR pRun = p + nBegin;
            int nRun = i - nBegin;
            if (memchr(pRun, '\r', nRun) || memchr(pRun, '<', nRun)) {
                unescaped.clear();
                for (int j = nBegin; j < i; j++) {
                    if (p[j] != '\r')
                        unescaped += p[j];
                    if (p[j] == '<' && j + 1 < i)
                        j++;
                }
                pRun = unescaped.data();
                nRun = (int)unescaped.size();
            }
            if (nRun == 0)
                continue;
            lay.StartLine();
            SIZE sz = { 0, 0 };
            ::GetTextExtentPoint32A(pDC->m_hAttribDC, pRun, nRun, &sz);
            if (!bCalculate)
                pDC->TextOut(lay.X(), lay.TextY(), pRun, nRun);
            lay.Place(sz);
            continue;
        }

        // A tag; one that begins at a line feed is a line break.
        i++;
        CString sName = GetNameOfTag(str, i);
        if (sName.IsEmpty() && i < nLength && p[i] == '\n') {
            SearchEndOfTag(str, i);
            lay.Break(1);
            continue;
        }
        bool bClose = !sName.IsEmpty() && sName[0] == '/';
        switch (bClose ? FindTag((LPCTSTR)sName + 1, sName.GetLength() - 1) : FindTag(sName, sName.GetLength())) {
        case TAG_BOLD:
            fonts.Switch(STYLE_BOLD, !bClose);
            break;
        case TAG_ITALIC:
            fonts.Switch(STYLE_ITALIC, !bClose);
            break;
        case TAG_STRIKEOUT:
            fonts.Switch(STYLE_STRIKEOUT, !bClose);
            break;
        case TAG_UNDERLINE:
            fonts.Switch(STYLE_UNDERLINE, !bClose);
            break;
        case TAG_BREAK:
            lay.Break(GetUIntValue(str, i, 1));
            break;
        case TAG_TAB:
            lay.Tabulate(GetUIntValue(str, i, 1));
            break;
        case TAG_TEXT_COLOR:
            pDC->SetTextColor(GetUIntValue(str, i, m_crColor[UXTT_COLOR_TEXT]));
            break;
        case TAG_TEXT_SLOT: {
            UINT nSlot = GetUIntValue(str, i, UXTT_COLOR_TEXT);
            if (nSlot < UXTT_COLOR_COUNT)
                pDC->SetTextColor(m_crColor[nSlot]);
            break;
        }
        case TAG_BK_COLOR:
            pDC->SetBkColor(GetUIntValue(str, i, m_crColor[UXTT_COLOR_BK_BEGIN]));
            pDC->SetBkMode(bClose ? TRANSPARENT : OPAQUE);
            break;
        case TAG_BK_SLOT: {
            UINT nSlot = GetUIntValue(str, i, UXTT_COLOR_BK_BEGIN);
            if (nSlot < UXTT_COLOR_COUNT) {
                pDC->SetBkColor(m_crColor[nSlot]);
                pDC->SetBkMode(bClose ? TRANSPARENT : OPAQUE);
            }
            break;
        }
        case TAG_ALIGN_LEFT:
            lay.SetAlign(ALIGN_LEFT);
            break;
        case TAG_ALIGN_CENTER:
            lay.SetAlign(ALIGN_CENTER);
            break;
        case TAG_ALIGN_RIGHT:
            lay.SetAlign(ALIGN_RIGHT);
            break;
        case TAG_RULE: {
            // Pixels, or with a final '%' a percentage of the available width.
            CString sValue = GetStringValue(str, i);
            ULONGLONG nValue = sValue.IsEmpty() ? 100 : strtoul(sValue, NULL, 0);
            bool bPercent = !sValue.IsEmpty() && sValue[sValue.GetLength() - 1] == '%';
            LONGLONG nWidth = bPercent ? lay.PercentRule(nValue) : Saturate((LONGLONG)nValue);
            if (!bCalculate)
                DrawHorzLine(pDC, lay.X(), ToInt((LONGLONG)lay.X() + nWidth), lay.MiddleY());
            lay.Advance(nWidth);
            break;
        }
        case TAG_PICTURE: {
            CString sPicture = GetStringValue(str, i);
            UINT cx = 0, cy = 0;
            readProperties(2, cx, cy, NULL);
            if (sPicture.IsEmpty())
                break;
            lay.StartLine();
            lay.Place(DrawResource(sPicture, pDC, CPoint(lay.X(), lay.Y()), lay.PictureLineHeight(),
                                   CSize(PictureSide(cx), PictureSide(cy)), bCalculate));
            break;
        }
        case TAG_IMAGE_LIST: {
            UINT nImage = GetUIntValue(str, i, 0);
            if (m_imgTooltip.GetSafeHandle() == NULL)
                break;
            lay.StartLine();
            lay.Place(DrawIconFromImageList(pDC, CPoint(lay.X(), lay.Y()), m_szImage, m_imgTooltip,
                                            nImage > INT_MAX ? -1 : (int)nImage, bCalculate));
            break;
        }
        case TAG_ICON: {
            UINT nID = GetUIntValue(str, i, 0);
            UINT cx = 0, cy = 0;
            readProperties(2, cx, cy, NULL);
            if (nID == 0)
                break;
            lay.StartLine();
            lay.Place(DrawIcon(pDC, CPoint(lay.X(), lay.Y()), lay.PictureLineHeight(), nID,
                               CSize(PictureSide(cx), PictureSide(cy)), bCalculate));
            break;
        }
        case TAG_BITMAP: {
            UINT nID = GetUIntValue(str, i, 0);
            UINT cx = 0, cy = 0;
            COLORREF crMask = RGB(255, 0, 255);
            BOOL bUseMask = readProperties(3, cx, cy, &crMask);
            if (nID == 0)
                break;
            lay.StartLine();
            lay.Place(DrawBitmap(pDC, CPoint(lay.X(), lay.Y()), lay.PictureLineHeight(), nID, bUseMask, crMask,
                                 CSize(PictureSide(cx), PictureSide(cy)), bCalculate));
            break;
        }
        case TAG_UNKNOWN:
            break;
        }
        SearchEndOfTag(str, i);
    }
    lay.Break(1); // closes the last line
    return lay.Finish();
}

// ---------------------------------------------------------------------------------------------
// Pictures

CSize CUxToolTip::DrawResource(CString sName, CDC* pDC, CPoint pt, int nMaxHeight, CSize sz, BOOL bCalculate)
{
    int nIndex = FindIdOfResource(sName);
    if (nIndex < 0)
        return CSize(0, 0);
    const UXTOOLTIP_NAME_RES& res = m_arrNameRes[nIndex];
    if (res.nID == 0)
        return CSize(0, 0);
    switch (res.nTypeRes) {
    case UXTT_RES_ICON:
        return DrawIcon(pDC, pt, nMaxHeight, res.nID, sz, bCalculate);
    case UXTT_RES_BITMAP:
        return DrawBitmap(pDC, pt, nMaxHeight, res.nID, FALSE, res.crMask, sz, bCalculate);
    case UXTT_RES_BITMAP_MASKED:
        return DrawBitmap(pDC, pt, nMaxHeight, res.nID, TRUE, res.crMask, sz, bCalculate);
    }
    return CSize(0, 0);
}

CSize CUxToolTip::DrawBitmap(CDC* pDC, CPoint pt, int nMaxHeight, UINT nID, BOOL bUseMask, COLORREF crMask, CSize sz,
                             BOOL bCalculate)
{
    if (!IsAcceptedPictureSize(sz))
        return CSize(0, 0);
    HBITMAP hBitmap = GetBitmapFromResources(nID);
    if (hBitmap == NULL)
        return CSize(0, 0);
    BITMAP bm;
    if (::GetObject(hBitmap, sizeof(bm), &bm) != sizeof(bm)) {
        ::DeleteObject(hBitmap);
        return CSize(0, 0);
    }
    if (sz.cx == 0)
        sz.cx = bm.bmWidth;
    if (sz.cy == 0)
        sz.cy = bm.bmHeight;
    if (bCalculate || pDC == NULL || sz.cx <= 0 || sz.cy <= 0) {
        ::DeleteObject(hBitmap);
        return sz;
    }

    // The picture at its target size, in a bitmap of the target's kind.
    HDC hSourceDC = ::CreateCompatibleDC(pDC->m_hDC);
    HDC hCopyDC = ::CreateCompatibleDC(pDC->m_hDC);
    HBITMAP hCopy = ::CreateCompatibleBitmap(pDC->m_hDC, sz.cx, sz.cy);
    HGDIOBJ hOldSource = ::SelectObject(hSourceDC, hBitmap);
    HGDIOBJ hOldCopy = ::SelectObject(hCopyDC, hCopy);
    if (sz.cx == bm.bmWidth && sz.cy == bm.bmHeight) {
        ::BitBlt(hCopyDC, 0, 0, sz.cx, sz.cy, hSourceDC, 0, 0, SRCCOPY);
    } else {
        ::SetStretchBltMode(hCopyDC, COLORONCOLOR);
        ::StretchBlt(hCopyDC, 0, 0, sz.cx, sz.cy, hSourceDC, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    }
    ::SelectObject(hSourceDC, hOldSource);
    ::DeleteDC(hSourceDC);
    ::DeleteObject(hBitmap);

    CPoint ptTop(pt.x, pt.y + nMaxHeight - sz.cy); // bottom-aligned in the line
    if (bUseMask) {
        ::SelectObject(hCopyDC, hOldCopy);
        CImageList img;
        if (hCopy && img.Create(sz.cx, sz.cy, ILC_COLOR32 | ILC_MASK, 1, 1)) {
            ImageList_AddMasked(img.m_hImageList, hCopy, crMask);
            DrawIconFromImageList(pDC, ptTop, sz, img, 0, FALSE);
        }
    } else {
        ::BitBlt(pDC->m_hDC, ptTop.x, ptTop.y, sz.cx, sz.cy, hCopyDC, 0, 0, SRCCOPY);
        ::SelectObject(hCopyDC, hOldCopy);
    }
    ::DeleteDC(hCopyDC);
    if (hCopy)
        ::DeleteObject(hCopy);
    return sz;
}

CSize CUxToolTip::DrawIcon(CDC* pDC, CPoint pt, int nMaxHeight, UINT nID, CSize sz, BOOL bCalculate)
{
    if (!IsAcceptedPictureSize(sz))
        return CSize(0, 0);
    HICON hIcon = GetIconFromResources(nID, sz);
    if (hIcon == NULL)
        return CSize(0, 0);
    CSize szIcon = GetSizeIcon(hIcon);
    if (!bCalculate && pDC)
        pDC->DrawState(CPoint(pt.x, pt.y + nMaxHeight - szIcon.cy), szIcon, hIcon, DSS_NORMAL, (HBRUSH)NULL);
    ::DestroyIcon(hIcon);
    return szIcon;
}

CSize CUxToolTip::DrawIconFromImageList(CDC* pDC, CPoint pt, CSize sz, CImageList& img, int nIndex, BOOL bCalculate)
{
    if (img.GetSafeHandle() == NULL || nIndex < 0 || nIndex >= img.GetImageCount())
        return CSize(0, 0);
    if (!bCalculate && pDC) {
        HICON hIcon = ImageList_GetIcon(img.m_hImageList, nIndex, ILD_NORMAL);
        if (hIcon) {
            pDC->DrawState(pt, sz, hIcon, DSS_NORMAL, (HBRUSH)NULL);
            ::DestroyIcon(hIcon);
        }
    }
    return sz;
}

void CUxToolTip::DrawHorzLine(CDC* pDC, int xStart, int xEnd, int y)
{
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, 1, pDC->GetTextColor()))
        return;
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(xStart, y);
    pDC->LineTo(xEnd, y);
    pDC->SelectObject(pOldPen);
}

// Resource identifiers are 16-bit: a larger number from the markup names no resource (and must
// never reach the loader, which would take it for the address of a name).
HICON CUxToolTip::GetIconFromResources(UINT nID, CSize szIcon) const
{
    if (nID == 0 || !IS_INTRESOURCE(nID) || szIcon.cx < 0 || szIcon.cy < 0)
        return NULL;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nID), RT_GROUP_ICON);
    return (HICON)::LoadImage(hInst, MAKEINTRESOURCE(nID), IMAGE_ICON, szIcon.cx, szIcon.cy, 0);
}

HBITMAP CUxToolTip::GetBitmapFromResources(UINT nID) const
{
    if (nID == 0 || !IS_INTRESOURCE(nID))
        return NULL;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nID), RT_BITMAP);
    return (HBITMAP)::LoadImage(hInst, MAKEINTRESOURCE(nID), IMAGE_BITMAP, 0, 0, 0);
}

CSize CUxToolTip::GetSizeIcon(HICON hIcon) const
{
    ICONINFO ii;
    if (hIcon == NULL || !::GetIconInfo(hIcon, &ii))
        return CSize(0, 0);
    if (ii.hbmMask)
        ::DeleteObject(ii.hbmMask);
    if (ii.hbmColor)
        ::DeleteObject(ii.hbmColor);
    return CSize(2 * (int)ii.xHotspot, 2 * (int)ii.yHotspot);
}
