// afxdd_.h: the dialog data exchange functions (DDX_...) that move a value between a member and
// a control in the direction of the CDataExchange, and the validations (DDV_...) that follow
// them. A value the user typed that does not parse, or lies out of range, is reported in a
// message box and fails the exchange with the control focused.
#pragma once

#include "CDataExchange.h"
#include "CString.h"

class CWnd;

// Window text: strings as they are, numbers in decimal (doubles with 15 significant digits).
KWAFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
KWAFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
KWAFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
KWAFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
KWAFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
KWAFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);

// Buttons: the check state (0, 1, 2) of a check box; the index of the checked radio button of
// the group that starts at nIDC (-1 for none).
KWAFX_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
KWAFX_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

// Combo boxes: the text (filling selects the first item that begins with it, case
// insensitively, else sets the edit text), the exact item, or the selected index.
KWAFX_API void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
KWAFX_API void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
KWAFX_API void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

// List boxes: the selected item's text (empty for none) or its index.
KWAFX_API void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
KWAFX_API void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value);
KWAFX_API void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);

// Subclasses control nIDC to rControl the first time, so that rControl's message map sees its
// messages.
KWAFX_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Validations of the value just exchanged. DDV_MaxChars also limits the edit control it follows.
KWAFX_API void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
KWAFX_API void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
KWAFX_API void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
KWAFX_API void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
KWAFX_API void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal);
KWAFX_API void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
