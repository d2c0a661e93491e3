// KwIntelliSenseItem.h: IKwIntelliSenseItem, one completion offered by a host: the text listed and
// inserted, its icon and its description.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API IKwIntelliSenseItem
{
public:
    virtual CString IKwIntelliSenseItem_GetDisplayString() = 0;
    virtual int IKwIntelliSenseItem_GetImageIndex() = 0;
    virtual CString IKwIntelliSenseItem_GetDescription() = 0;
    virtual ~IKwIntelliSenseItem() {}
};
