// afxabbrev.h: AfxAbbreviateName, a path shortened for a menu by leaving out the folders next to
// its root ("c:\...\folder\file.ext"), and the length the recent-file list shortens to.
#pragma once

#include "CString.h"

#define AFX_ABBREV_FILENAME_LEN 30

// The path itself when it has at most nMaxLength characters (or nMaxLength is negative).
// Otherwise the root ("c:\", "\\server\share\" or "\"), "...\" and as many of the last folders
// as fit before the file name; failing that the file name alone, or an empty string when even
// the name is too long and bAtLeastName is FALSE.
KWAFX_API CString AFXAPI AfxAbbreviateName(LPCTSTR lpszPath, int nMaxLength, BOOL bAtLeastName);
