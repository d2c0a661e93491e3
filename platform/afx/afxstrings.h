// afxstrings.h: pieces of texts the framework composes: a line of a multi-line resource string,
// and prompts with %1 and %2 filled in.
#pragma once

#include "CString.h"

// Line iSubString of lpszFullString, lines split at chSep; FALSE (and an empty string) past the
// last line.
KWAFX_API BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, char chSep = '\n');
// rString = lpszFormat with every %1 replaced by the first string and %2 by the second (other
// % signs stay as they are).
KWAFX_API void AFXAPI AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString);
// The same with string resource nIDS as the format.
KWAFX_API void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
KWAFX_API void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2);
