// FontPickerWnd.cpp: the older font picker with any number of listeners.
#include "pickers/FontPickerWnd.h"

#include <afxdlgs.h>

CFontPickerWnd::CFontPickerWnd() : m_listeners(10)
{
}

void CFontPickerWnd::SetLogFont(const LOGFONT& logFont)
{
    m_logFont = logFont;
    Refresh();
}

void CFontPickerWnd::OnChoose()
{
    LOGFONT chosen = m_logFont;
    CFontDialog dialog(&chosen, CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT);
    if (dialog.DoModal() != IDOK)
        return;
    dialog.GetCurrentFont(&m_logFont);
    Refresh();
    for (POSITION pos = m_listeners.GetHeadPosition(); pos != NULL;)
        m_listeners.GetNext(pos)->OnFontChanged();
}
