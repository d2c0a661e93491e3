// IKwColorPickerClient.h: IKwColorPickerClient, what the colour picker popup tells whoever
// opened it.
#pragma once

#include <afxwin.h>

class IKwColorPickerClient
{
public:
    virtual ~IKwColorPickerClient() {}
    // The popup is closing (or its colour dialog closed with OK); read GetColor and GetID from it.
    virtual void KwColorPickerClient_OnSelectionChanged(CWnd* picker) = 0;
    // A command button of the popup was clicked.
    virtual void KwColorPickerClient_OnSpecialButton(UINT id, CWnd* picker) = 0;
};
