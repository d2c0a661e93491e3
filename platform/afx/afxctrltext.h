// afxctrltext.h: reading texts of any length out of controls, shared by the control wrappers
// and data exchange.
#pragma once

#include "CString.h"

// The window's whole text.
CString AFXAPI AfxGetCtrlText(HWND hWndCtrl);
// The text of item nIndex of a list or combo box (nLenMsg/nTextMsg: LB_GETTEXTLEN/LB_GETTEXT or
// CB_GETLBTEXTLEN/CB_GETLBTEXT); empty when there is no such item.
CString AFXAPI AfxGetItemText(HWND hWndCtrl, int nIndex, UINT nLenMsg, UINT nTextMsg);
