// KwDpi.h: CKwDpi, the dots per inch a window is shown at, and lengths, fonts and system metrics
// scaled from the 96 DPI the toolkit's figures are given at: the framework's CDpi under the
// toolkit's name.
#pragma once

#include <afxwin.h>

using CKwDpi = CDpi;
