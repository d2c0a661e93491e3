// KwPlaceholder.h: CKwPlaceholder, how a control made in code takes the place of a dialog's
// placeholder control: its rectangle, its identifier and its place in the tab order.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

#include <functional>

class KWUI_API CKwPlaceholder
{
public:
    // create makes pControl over the rectangle of pParent's control nID (in pParent's client
    // coordinates). The control then follows the placeholder in the tab order, the placeholder
    // is destroyed and dwExStyle added with a frame change. FALSE, and the placeholder kept,
    // when there is no such control or create fails.
    static BOOL Replace(UINT nID, CWnd* pParent, DWORD dwExStyle, CWnd* pControl,
                        const std::function<BOOL(const CRect&)>& create);
};
