// KwGridCtrlEdit.cpp: CKwGridCtrl's interactive side: the white box and the line selection, keys
// and mouse, context menu and tooltips.
#include "grid/KwGridCtrl.h"
#include "core/KwLineSelection.h"

void CKwGridCtrl::GetCurItem(UINT& nColumn, UINT& nLine) { nColumn = m_nCurColumn; nLine = m_nCurLine; }
POSITION CKwGridCtrl::GetSelectionHeadPosition() const { return m_pSelection->GetHeadPosition(); }
UINT CKwGridCtrl::GetSelectionNext(POSITION& pos) const { return m_pSelection->GetNext(pos); }
UINT CKwGridCtrl::GetSelectionCount() const { return m_pSelection->GetCount(); }
BOOL CKwGridCtrl::GetShowSelectionAlways() const { return m_bShowSelectionAlways; }
void CKwGridCtrl::SetShowSelectionAlways(BOOL bShow) { m_bShowSelectionAlways = bShow; }
BOOL CKwGridCtrl::GetShowWhiteBoxAlways() const { return m_bShowWhiteBoxAlways; }
void CKwGridCtrl::SetShowWhiteBoxAlways(BOOL bShow) { m_bShowWhiteBoxAlways = bShow; }
BOOL CKwGridCtrl::FocusIn(CWnd* pWnd) { return FALSE; }
BOOL CKwGridCtrl::PreTranslateMessage(MSG* pMsg) { return CWnd::PreTranslateMessage(pMsg); }
void CKwGridCtrl::CKwWindow_OnExtendContextMenu(CMenu& menu) { CKwWindow::CKwWindow_OnExtendContextMenu(menu); }

void CKwGridCtrl::HandleMouseButtonDown(UINT nMessage, UINT nFlags, CPoint point) {}
void CKwGridCtrl::HitTest(CPoint point, UINT& nColumn, UINT& nLine) { nColumn = nLine = 0xFFFFFFFF; }
void CKwGridCtrl::WhiteBoxDown() {}
void CKwGridCtrl::WhiteBoxUp() {}
void CKwGridCtrl::WhiteBoxRight(BOOL bByTab) {}
void CKwGridCtrl::WhiteBoxLeft(BOOL bByTab) {}
void CKwGridCtrl::WhiteBoxHome() {}
void CKwGridCtrl::WhiteBoxEnd() {}
void CKwGridCtrl::WhiteBoxGoTo(UINT nColumn, UINT nLine) {}
BOOL CKwGridCtrl::CanWhiteBoxRight() { return FALSE; }
BOOL CKwGridCtrl::CanWhiteBoxLeft() { return FALSE; }
BOOL CKwGridCtrl::CanWhiteBoxDown() { return FALSE; }
BOOL CKwGridCtrl::CanWhiteBoxUp() { return FALSE; }
BOOL CKwGridCtrl::GetNextItemToTheRight(UINT& nColumn, UINT& nLine) { return FALSE; }
BOOL CKwGridCtrl::GetPrevItemToTheLeft(UINT& nColumn, UINT& nLine) { return FALSE; }
BOOL CKwGridCtrl::GetNextItemToTheBottom(UINT& nColumn, UINT& nLine) { return FALSE; }
BOOL CKwGridCtrl::GetPrevItemToTheTop(UINT& nColumn, UINT& nLine) { return FALSE; }
BOOL CKwGridCtrl::IsLocked(UINT nColumn, UINT nLine) { return FALSE; }
BOOL CKwGridCtrl::IsKeyPressed(UINT nVirtKey) { return (::GetKeyState((int)nVirtKey) & 0x8000) != 0; }
void CKwGridCtrl::OnLButtonDown(UINT nFlags, CPoint point) { CWnd::OnLButtonDown(nFlags, point); }
void CKwGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) { CWnd::OnLButtonDblClk(nFlags, point); }
void CKwGridCtrl::OnRButtonDown(UINT nFlags, CPoint point) { CWnd::OnRButtonDown(nFlags, point); }
void CKwGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { CWnd::OnKeyDown(nChar, nRepCnt, nFlags); }
void CKwGridCtrl::OnContextMenu(CWnd* pWnd, CPoint point) {}
void CKwGridCtrl::NotifyDisplayTooltip(NMHDR* pNMHDR, LRESULT* pResult) { *pResult = 0; }
