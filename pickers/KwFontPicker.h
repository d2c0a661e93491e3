// KwFontPicker.h: CKwFontPicker, a sample of a font and its text colour with a "Choose" button
// that opens the font dialog; it tells one listener of the user's choice.
#pragma once

#include "pickers/KwFontPickerListener.h"
#include "pickers/KwFontSampleWnd.h"

class KWUI_API CKwFontPicker : public CKwFontSampleWnd
{
public:
    explicit CKwFontPicker(CKwFontPickerListener* pListener);

    const LOGFONT& GetLogFont() const { return m_logFont; }
    void SetLogFont(const LOGFONT& logFont);
    COLORREF GetTextColor() const { return m_textColor; }
    void SetTextColor(COLORREF color);
    UINT GetButtonOffset() const { return m_nButtonOffset; }
    void SetButtonOffset(UINT nOffset);

protected:
    UINT m_nButtonOffset;
    COLORREF m_textColor;
    CKwFontPickerListener* m_pListener;

    UINT SampleOffset() const override { return m_nButtonOffset; }
    BOOL SampleColor(COLORREF& color) const override;
    void OnChoose() override;
};
