// KwWindow.h: CKwWindow, the mix-in through which a window takes part in building a context menu
// together with the windows that enclose it.
#pragma once

#include "core/KwUiExport.h"

class CMenu;

// A window derives from CWnd and from CKwWindow. The window under the mouse creates an empty
// popup menu and calls its own CKwWindow_OnExtendContextMenu; each window adds its commands and
// hands the menu on to its parent, until a window does not take part.
class KWUI_API CKwWindow
{
public:
    virtual ~CKwWindow();

    // Passes the menu to the parent window's extension when the parent takes part; adds nothing
    // otherwise (also when this object is not a window).
    virtual void CKwWindow_OnExtendContextMenu(CMenu& menu);
};
