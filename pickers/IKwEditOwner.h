// IKwEditOwner.h: IKwEditOwner, what a CKwEdit asks its owner before it shows its context menu.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class CKwEdit;

class KWUI_API IKwEditOwner
{
public:
    virtual ~IKwEditOwner() {}

    // Whether pEdit may show its standard context menu at the screen point. When not, the
    // request goes on to the edit box's parent as an ordinary WM_CONTEXTMENU.
    virtual bool IKwEditOwner_OnQueryContextMenu(CPoint ptScreen, CKwEdit* pEdit) { return true; }
};
