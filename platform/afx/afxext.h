// afxext.h: the framework's umbrella of the extension classes: the window layer (afxwin.h) and
// the form view.
#pragma once

#include "afxwin.h"
#include "CFormView.h"
