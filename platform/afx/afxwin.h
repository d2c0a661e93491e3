// afxwin.h: the framework's window-layer umbrella: the core (afx.h), geometry, drawing, and the
// window classes.
#pragma once

#include "afx.h"

#ifdef _WIN32
#include "CRect.h"
#include "CGdiObject.h"
#include "CPen.h"
#include "CBrush.h"
#include "CFont.h"
#include "CBitmap.h"
#include "CRgn.h"
#include "CDC.h"
#include "CImageList.h"
#endif
