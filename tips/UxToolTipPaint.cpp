// UxToolTipPaint.cpp: CUxToolTip's appearance: styles, sizes, background effects and gradient
// colours, and the painting of the window (shadow, background, border, icon, text) off screen.
#include "tips/UxToolTip.h"

void CUxToolTip::SetStyles(DWORD nStyles, int nIndexTool) {}
void CUxToolTip::ModifyStyles(DWORD nAddStyles, DWORD nRemoveStyles, int nIndexTool) {}
DWORD CUxToolTip::GetStyles(int nIndexTool) { return m_nStyles; }
void CUxToolTip::SetDefaultStyles(int nIndexTool) {}
void CUxToolTip::SetSize(int nSizeIndex, UINT nValue) {}
UINT CUxToolTip::GetSize(int nSizeIndex) const { return 0; }
void CUxToolTip::SetDefaultSizes(BOOL bBalloonSize) {}
void CUxToolTip::SetEffectBk(UINT nEffect, BYTE nGranularity, int nIndexTool) {}
UINT CUxToolTip::GetEffectBk(int nIndexTool) { return m_nEffect; }
UINT CUxToolTip::GetEffectBk(BYTE& nGranularity, int nIndexTool) { nGranularity = m_nGranularity; return m_nEffect; }
void CUxToolTip::SetGradientColors(COLORREF crBegin, COLORREF crMid, COLORREF crEnd, int nIndexTool) {}
void CUxToolTip::GetGradientColors(COLORREF& crBegin, COLORREF& crMid, COLORREF& crEnd, int nIndexTool) {}

void CUxToolTip::OnPaint() { CPaintDC dc(this); }
BOOL CUxToolTip::OnEraseBkgnd(CDC* pDC) { return FALSE; }
void CUxToolTip::OnDraw(CDC* pDC, CRect rect) {}
void CUxToolTip::OnDrawShadow(CDC* pDC) {}
void CUxToolTip::OnDrawBackground(CDC* pDC, CRect* pRect) {}
void CUxToolTip::FillGradient(CDC* pDC, CRect rect, COLORREF colorStart, COLORREF colorFinish, BOOL bHorz) {}
