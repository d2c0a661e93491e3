// afxwin.h: the framework's window-layer umbrella: the core (afx.h), geometry, drawing, and the
// window classes.
#pragma once
#ifndef __AFXWIN_H__
#define __AFXWIN_H__

#include "afx.h"

#ifdef _WIN32
#include <tchar.h>
#include "CRect.h"
#include "CGdiObject.h"
#include "CPen.h"
#include "CBrush.h"
#include "CFont.h"
#include "CBitmap.h"
#include "CRgn.h"
#include "CDC.h"
#include "CDpi.h"
#include "CImageList.h"
#include "afxmsg_.h"
#include "afxres.h"
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
#include "afxstrings.h"
#include "CCreateContext.h"
#include "CDocument.h"
#include "CView.h"
#include "CCtrlView.h"
#include "CFrameWnd.h"
#include "CMDIFrameWnd.h"
#include "CMDIChildWnd.h"
#include "CDocTemplate.h"
#include "CMultiDocTemplate.h"
#include "CSingleDocTemplate.h"
#include "CDocManager.h"
#include "CCommandLineInfo.h"
#endif

#ifdef KWAFX_HOST_MINMAX
// windows.h's min and max, for hosts that did not define NOMINMAX. MinGW's C++ library turns the
// macros off (and would not compile with them on), so they come as functions of two values of
// any arithmetic types, compared in their common type.
#include <type_traits>
template <class A, class B> inline typename std::common_type<A, B>::type max(A a, B b)
{
    return a > b ? a : b;
}
template <class A, class B> inline typename std::common_type<A, B>::type min(A a, B b)
{
    return a < b ? a : b;
}
#endif

#endif // __AFXWIN_H__
