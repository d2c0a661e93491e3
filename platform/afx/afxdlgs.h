// afxdlgs.h: the framework's umbrella of the system's common dialogs (colour, font, file) and
// property sheets.
#pragma once

#include "afxwin.h"

#ifdef _WIN32
#include "CCommonDialog.h"
#include "CColorDialog.h"
#include "CFontDialog.h"
#include "CFileDialog.h"
#include "CPropertyPage.h"
#include "CPropertySheet.h"
#endif
