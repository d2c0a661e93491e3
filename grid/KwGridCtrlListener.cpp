// KwGridCtrlListener.cpp: the listener's defaults: nothing to add, everything allowed, no cell locked.
#include "grid/KwGridCtrlListener.h"

void CKwGridCtrlListener::CKwGridCtrlListener_OnContentChanged(CKwGridCtrl*) {}
void CKwGridCtrlListener::CKwGridCtrlListener_OnGetItem(UINT, UINT, CKwGridCtrlItem&, CKwGridCtrl*) {}
BOOL CKwGridCtrlListener::CKwGridCtrlListener_OnBeginEditItem(UINT, UINT, CKwGridCtrlItem&, CKwGridCtrl*) { return TRUE; }
void CKwGridCtrlListener::CKwGridCtrlListener_OnItemChanged(UINT, UINT, const CKwGridCtrlItem&, CKwGridCtrl*) {}
void CKwGridCtrlListener::CKwGridCtrlListener_OnKillFocus(CKwGridCtrl*) {}
BOOL CKwGridCtrlListener::CKwGridCtrlListener_OnCanDelete(CKwGridCtrl*) { return TRUE; }
BOOL CKwGridCtrlListener::CKwGridCtrlListener_OnCanPaste(CKwGridCtrl*) { return TRUE; }
BOOL CKwGridCtrlListener::CKwGridCtrlListener_OnCanSwapLines(UINT, UINT, CKwGridCtrl*) { return TRUE; }
CString CKwGridCtrlListener::CKwGridCtrlListener_OnGetToolTipText(UINT, UINT, CKwGridCtrlItem&, CKwGridCtrl*) { return CString(); }
BOOL CKwGridCtrlListener::CKwGridCtrlListener_OnContextMenu(UINT, UINT, CMenu&, CKwGridCtrl*) { return TRUE; }
BOOL CKwGridCtrlListener::CKwGridCtrlListener_OnLockItem(UINT, UINT, CKwGridCtrl*) { return FALSE; }
