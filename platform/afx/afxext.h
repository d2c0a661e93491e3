// afxext.h: the framework's umbrella of the extension classes; for now the window layer
// (afxwin.h) holds everything hosts include it for.
#pragma once

#include "afxwin.h"
