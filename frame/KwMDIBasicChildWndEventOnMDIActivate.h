// KwMDIBasicChildWndEventOnMDIActivate.h: declares the event an MDI child of the toolkit sends
// when it is activated or deactivated.
#pragma once

#include "core/KwEvent.h"

#include <afxwin.h>

class KWUI_API CKwMDIBasicChildWndEventOnMDIActivate : public CKwEvent
{
public:
    CKwMDIBasicChildWndEventOnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

    BOOL bActivate; // nonzero when the sender is being activated
    CWnd* pActivateWnd;
    CWnd* pDeactivateWnd;
};
