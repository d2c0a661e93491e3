// KwFontPicker.cpp: the font picker with a text colour and one listener.
#include "pickers/KwFontPicker.h"

#include <afxdlgs.h>

CKwFontPicker::CKwFontPicker(CKwFontPickerListener* pListener)
    : m_nButtonOffset(8), m_textColor(RGB(0, 0, 0)), m_pListener(pListener)
{
}

void CKwFontPicker::SetLogFont(const LOGFONT& logFont)
{
    m_logFont = logFont;
    Refresh();
}

void CKwFontPicker::SetTextColor(COLORREF color)
{
    m_textColor = color;
    Refresh();
}

void CKwFontPicker::SetButtonOffset(UINT nOffset)
{
    m_nButtonOffset = nOffset;
    Refresh();
}

BOOL CKwFontPicker::SampleColor(COLORREF& color) const
{
    color = m_textColor;
    return TRUE;
}

void CKwFontPicker::OnChoose()
{
    // The dialog works on a copy: a cancelled dialog leaves the font as it was.
    LOGFONT chosen = m_logFont;
    CFontDialog dialog(&chosen, CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_FORCEFONTEXIST);
    dialog.m_cf.rgbColors = m_textColor;
    if (dialog.DoModal() != IDOK)
        return;
    dialog.GetCurrentFont(&m_logFont);
    m_textColor = dialog.GetColor();
    Refresh();
    if (m_pListener != NULL)
        m_pListener->OnFontChanged(this);
}
