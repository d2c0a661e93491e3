// KwIntelliSenseClient.h: IKwIntelliSenseClient, what a host's editor gives the completion
// window: the completions and their icons, and the edits of its line.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class CImageList;
class IKwIntelliSenseItem;

class KWUI_API IKwIntelliSenseClient
{
public:
    // The small icons of the items, or NULL.
    virtual CImageList* IKwIntelliSenseClient_GetImageList() = 0;
    virtual UINT IKwIntelliSenseClient_GetItemCount() = 0;
    // The item must live as long as the completion window: the list keeps the pointer.
    virtual IKwIntelliSenseItem* IKwIntelliSenseClient_GetItem(int nIndex) = 0;
    // Replaces the characters nStart up to nEnd (exclusive) of the line given to Start with
    // sText and puts the caret at nCaret.
    virtual void IKwIntelliSenseClient_ReplaceText(int nStart, int nEnd, CString sText, int nCaret) = 0;
    // The completion is over; the window may be hidden, reused or deleted from here.
    virtual void IKwIntelliSenseClient_OnClose() = 0;
};
