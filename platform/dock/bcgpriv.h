// bcgpriv.h: the docking library's private window messages.
#pragma once

#include <afxwin.h>

// Posted by CBCGPPopupMenu::Create to its own window: show and track the menu now. No parameters.
#define WM_BCGP_SHOWMENU (WM_USER + 0x301)
