// KwGridCtrlEditor.cpp: CKwGridCtrl's in-place editor: opening it over the current cell, the edits
// flowing back, focus.
#include "grid/KwGridCtrl.h"

void CKwGridCtrl::SetCurItem(UINT nColumn, UINT nLine) {}
void CKwGridCtrl::SetCurText(UINT nColumn, UINT nLine, int nStart, int nEnd) {}
void CKwGridCtrl::BeginEdit(EBeginEditType eType, int nPosition, CPoint point) {}
void CKwGridCtrl::EndEdit() {}
BOOL CKwGridCtrl::GetEditSel(int& nStart, int& nEnd) { return FALSE; }
void CKwGridCtrl::OnSetFocus(CWnd* pOldWnd) { CWnd::OnSetFocus(pOldWnd); }
void CKwGridCtrl::OnKillFocus(CWnd* pNewWnd) { CWnd::OnKillFocus(pNewWnd); }
void CKwGridCtrl::On_EN_CHANGE() {}
void CKwGridCtrl::On_CBN_SELCHANGE() {}
void CKwGridCtrl::On_CBN_EDITCHANGE() {}
void CKwGridCtrl::On_EN_CBN_KILLFOCUS() {}
void CKwGridCtrl::On_EN_CBN_SETFOCUS() {}
LRESULT CKwGridCtrl::On_DEFERRED_ENDEDIT(WPARAM wParam, LPARAM lParam) { return 0; }
LRESULT CKwGridCtrl::On_DEFERRED_CBN_SELCHANGE(WPARAM wParam, LPARAM lParam) { return 0; }
LRESULT CKwGridCtrl::On_DEFERRED_CBN_EDITCHANGE(WPARAM wParam, LPARAM lParam) { return 0; }
