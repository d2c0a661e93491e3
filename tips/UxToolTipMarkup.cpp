// UxToolTipMarkup.cpp: CUxToolTip's markup: colour table, base font, named pictures, image list,
// and PrintTitleString's two passes over the markup, read once, laid out and drawn.
#include "tips/UxToolTip.h"

#include "core/KwDpi.h"
#include "core/KwPalette.h"

#include "tips/UxTipDrawer.h"
#include "tips/UxTipPictures.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

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
    m_crColor[UXTT_COLOR_TEXT] = CKwPalette::Get(CKwPalette::eTipText);
    m_crColor[UXTT_COLOR_BK_BEGIN] = CKwPalette::Get(CKwPalette::eTipBack);
    m_crColor[UXTT_COLOR_BK_MID] = CKwPalette::Get(CKwPalette::eTipBack);
    m_crColor[UXTT_COLOR_BK_END] = CKwPalette::Get(CKwPalette::eTipBack);
    m_crColor[21] = CKwPalette::Get(CKwPalette::eTipLink);
    m_crColor[22] = CKwPalette::Get(CKwPalette::eTipVisited);
    m_crColor[23] = RGB(0xFF, 0x00, 0x00);
    m_crColor[UXTT_COLOR_SHADOW] = CKwPalette::Get(CKwPalette::eTipShadow);
    m_crColor[UXTT_COLOR_BORDER] = CKwPalette::Get(CKwPalette::eTipText);
    memcpy(m_crDefault, m_crColor, sizeof(m_crDefault));
}

LRESULT CUxToolTip::OnThemeChanged(WPARAM, LPARAM)
{
    COLORREF crHost[UXTT_COLOR_COUNT], crOldDefault[UXTT_COLOR_COUNT];
    memcpy(crHost, m_crColor, sizeof(crHost));
    memcpy(crOldDefault, m_crDefault, sizeof(crOldDefault));
    SetDefaultColors();
    for (int i = 0; i < UXTT_COLOR_COUNT; i++)
    {
        if (crHost[i] != crOldDefault[i])
            m_crColor[i] = crHost[i];
    }
    return 0;
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
    lf.lfHeight = -::MulDiv(nSizePoints, (int)m_nDpi, 72);
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
    // The system's font is made for the screen's DPI.
    m_LogFont = *GetSystemToolTipFont();
    m_LogFont.lfHeight = CKwDpi::ScaleFontHeight(m_LogFont.lfHeight, CKwDpi::ForWindow(NULL), m_nDpi);
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
    return CUxTipPictures::Find(m_arrNameRes, sName);
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
// Scanning, as the markup reads it.

int CUxToolTip::SearchBeginOfTag(const CString& sText, int& nIndex)
{
    return CUxTipMarkup::ScanRun(sText, sText.GetLength(), nIndex);
}

CString CUxToolTip::GetNameOfTag(const CString& sText, int& nIndex)
{
    return CUxTipMarkup::ReadName(sText, sText.GetLength(), nIndex).c_str();
}

CString CUxToolTip::GetPropertiesOfTag(const CString& sText, int& nIndex)
{
    return GetNameOfTag(sText, nIndex);
}

CString CUxToolTip::GetStringValue(const CString& sText, int& nIndex)
{
    return CUxTipMarkup::ReadValue(sText, sText.GetLength(), nIndex).c_str();
}

UINT CUxToolTip::GetUIntValue(const CString& sText, int& nIndex, UINT nDefValue)
{
    return CUxTipMarkup::ReadNumber(sText, sText.GetLength(), nIndex, nDefValue);
}

void CUxToolTip::SearchEndOfTag(const CString& sText, int& nIndex)
{
    CUxTipMarkup::SkipToEndOfTag(sText, sText.GetLength(), nIndex);
}

// ---------------------------------------------------------------------------------------------
// PrintTitleString: the measuring pass (bCalculate TRUE) and the drawing pass.

CSize CUxToolTip::PrintTitleString(CDC* pDC, CRect rect, CString str, BOOL bCalculate)
{
    return PrintMarkup(pDC, rect, str, bCalculate, m_text, m_arrNameRes);
}

CSize CUxToolTip::PrintMarkup(CDC* pDC, CRect rect, const CString& str, BOOL bCalculate, CUxTipText& text,
                              const CUxTipNamedPictures& names)
{
    CUxTipPictures pictures(names, m_imgTooltip, m_szImage, m_nDpi);
    return text.Print(pDC, rect, str, bCalculate, m_LogFont, m_crColor, pictures);
}

// ---------------------------------------------------------------------------------------------
// Pictures

CSize CUxToolTip::DrawResource(CString sName, CDC* pDC, CPoint pt, int nMaxHeight, CSize sz, BOOL bCalculate)
{
    return CUxTipPictures(m_arrNameRes, m_imgTooltip, m_szImage).DrawResource(sName, pDC, pt, nMaxHeight, sz, bCalculate);
}

CSize CUxToolTip::DrawBitmap(CDC* pDC, CPoint pt, int nMaxHeight, UINT nID, BOOL bUseMask, COLORREF crMask, CSize sz,
                             BOOL bCalculate)
{
    return CUxTipPictures::DrawBitmap(pDC, pt, nMaxHeight, nID, bUseMask, crMask, sz, bCalculate);
}

CSize CUxToolTip::DrawIcon(CDC* pDC, CPoint pt, int nMaxHeight, UINT nID, CSize sz, BOOL bCalculate)
{
    return CUxTipPictures::DrawIcon(pDC, pt, nMaxHeight, nID, sz, bCalculate);
}

CSize CUxToolTip::DrawIconFromImageList(CDC* pDC, CPoint pt, CSize sz, CImageList& img, int nIndex, BOOL bCalculate)
{
    return CUxTipPictures::DrawIconFromImageList(pDC, pt, sz, img, nIndex, bCalculate);
}

void CUxToolTip::DrawHorzLine(CDC* pDC, int xStart, int xEnd, int y)
{
    CUxTipDrawer::DrawRule(pDC, xStart, xEnd, y);
}

HICON CUxToolTip::GetIconFromResources(UINT nID, CSize szIcon) const
{
    return CUxTipPictures::LoadIcon(nID, szIcon);
}

HBITMAP CUxToolTip::GetBitmapFromResources(UINT nID) const
{
    return CUxTipPictures::LoadBitmap(nID);
}

CSize CUxToolTip::GetSizeIcon(HICON hIcon) const
{
    return CUxTipPictures::SizeOfIcon(hIcon);
}
