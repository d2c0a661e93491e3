// KwMDIBasicChildWndEventOnMDIActivate.cpp: the activation event of the toolkit's MDI children.
#include "frame/KwMDIBasicChildWndEventOnMDIActivate.h"

CKwMDIBasicChildWndEventOnMDIActivate::CKwMDIBasicChildWndEventOnMDIActivate(
    BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
    : bActivate(bActivate), pActivateWnd(pActivateWnd), pDeactivateWnd(pDeactivateWnd)
{
}
