// UxToolTipMarkup.cpp: CUxToolTip's markup engine: colour table, base font, named pictures, image
// list, the scanner and PrintTitleString's measuring and drawing passes, and the picture routines.
#include "tips/UxToolTip.h"

void CUxToolTip::SetColor(int nIndex, COLORREF crColor) {}
COLORREF CUxToolTip::GetColor(int nIndex) const { return 0; }
void CUxToolTip::SetDefaultColors() {}
BOOL CUxToolTip::SetFont(CFont& font) { return TRUE; }
BOOL CUxToolTip::SetFont(LPLOGFONT lf) { return TRUE; }
BOOL CUxToolTip::SetFont(LPCTSTR lpszFaceName, int nSizePoints, BOOL bUnderline, BOOL bBold, BOOL bStrikeOut, BOOL bItalic) { return TRUE; }
void CUxToolTip::SetDefaultFont() {}
void CUxToolTip::GetFont(CFont& font) {}
void CUxToolTip::GetFont(LPLOGFONT lf) {}
LPLOGFONT CUxToolTip::GetSystemToolTipFont() { static LOGFONT lf; return &lf; }
void CUxToolTip::SetImageList(HBITMAP hBitmap, int cx, int cy, int nCount, COLORREF crMask) {}
void CUxToolTip::SetImageList(UINT nIDBitmap, int cx, int cy, int nCount, COLORREF crMask) {}
CImageList* CUxToolTip::GetImageList(CSize& sz) { sz = m_szImage; return &m_imgTooltip; }
void CUxToolTip::AddNameOfResource(CString sName, UINT nID, BYTE nTypeRes, COLORREF crMask) {}
int CUxToolTip::FindIdOfResource(CString sName) { return -1; }
int CUxToolTip::FindNameOfResource(UINT nID) { return -1; }
void CUxToolTip::RemoveNameOfResource(int nIndex) {}
void CUxToolTip::RemoveAllNamesOfResource() {}

CSize CUxToolTip::PrintTitleString(CDC* pDC, CRect rect, CString str, BOOL bCalculate) { return CSize(0, 0); }
int CUxToolTip::SearchBeginOfTag(const CString& sText, int& nIndex) { return 0; }
CString CUxToolTip::GetNameOfTag(const CString& sText, int& nIndex) { return CString(); }
CString CUxToolTip::GetPropertiesOfTag(const CString& sText, int& nIndex) { return CString(); }
CString CUxToolTip::GetStringValue(const CString& sText, int& nIndex) { return CString(); }
UINT CUxToolTip::GetUIntValue(const CString& sText, int& nIndex, UINT nDefValue) { return nDefValue; }
void CUxToolTip::SearchEndOfTag(const CString& sText, int& nIndex) {}

CSize CUxToolTip::DrawResource(CString sName, CDC* pDC, CPoint pt, int nMaxHeight, CSize sz, BOOL bCalculate) { return CSize(0, 0); }
CSize CUxToolTip::DrawBitmap(CDC* pDC, CPoint pt, int nMaxHeight, UINT nID, BOOL bUseMask, COLORREF crMask, CSize sz, BOOL bCalculate) { return CSize(0, 0); }
CSize CUxToolTip::DrawIcon(CDC* pDC, CPoint pt, int nMaxHeight, UINT nID, CSize sz, BOOL bCalculate) { return CSize(0, 0); }
CSize CUxToolTip::DrawIconFromImageList(CDC* pDC, CPoint pt, CSize sz, CImageList& img, int nIndex, BOOL bCalculate) { return CSize(0, 0); }
void CUxToolTip::DrawHorzLine(CDC* pDC, int xStart, int xEnd, int y) {}
HICON CUxToolTip::GetIconFromResources(UINT nID, CSize szIcon) const { return NULL; }
HBITMAP CUxToolTip::GetBitmapFromResources(UINT nID) const { return NULL; }
CSize CUxToolTip::GetSizeIcon(HICON hIcon) const { return CSize(0, 0); }
