// FontPickerWndListener.h: CFontPickerWndListener, told when the user chose a font in a
// CFontPickerWnd.
#pragma once

class CFontPickerWndListener
{
public:
    virtual ~CFontPickerWndListener() {}
    virtual void OnFontChanged() = 0;
};
