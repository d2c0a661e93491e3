// KwFontPickerListener.h: CKwFontPickerListener, told when the user chose a font in a
// CKwFontPicker.
#pragma once

class CKwFontPicker;

class CKwFontPickerListener
{
public:
    virtual ~CKwFontPickerListener() {}
    virtual void OnFontChanged(CKwFontPicker* pPicker) = 0;
};
