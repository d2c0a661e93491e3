// FontPickerWnd.h: CFontPickerWnd, the older font picker: a font sample without colour and a
// "Choose" button; it tells every listener added, in order.
#pragma once

#include "pickers/FontPickerWndListener.h"
#include "pickers/KwFontSampleWnd.h"

#include <afxtempl.h>

class KWUI_API CFontPickerWnd : public CKwFontSampleWnd
{
public:
    CFontPickerWnd();

    void Add(CFontPickerWndListener* pListener) { m_listeners.AddTail(pListener); }
    void GetLogFont(LOGFONT& logFont) const { logFont = m_logFont; }
    void SetLogFont(const LOGFONT& logFont);

protected:
    CList<CFontPickerWndListener*, CFontPickerWndListener*> m_listeners;

    UINT SampleOffset() const override { return 8; }
    BOOL SampleColor(COLORREF&) const override { return FALSE; }
    void OnChoose() override;
};
