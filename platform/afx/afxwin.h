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
#include "afxmsg_.h"
#include "CCmdTarget.h"
#include "CCmdUI.h"
#include "CMenu.h"
#include "CWnd.h"
#include "CPaintDC.h"
#include "CClientDC.h"
#include "CWindowDC.h"
#include "CWinThread.h"
#include "CWinApp.h"
#include "CDynLinkLibrary.h"
#include "afxresource.h"
#include "CDialog.h"
#include "CDataExchange.h"
#include "afxdd_.h"
#include "CStatic.h"
#include "CButton.h"
#include "CEdit.h"
#include "CComboBox.h"
#include "CListBox.h"
#include "CScrollBar.h"
#include "CWaitCursor.h"
#endif
