// CFontDialog.h: CFontDialog, the system's font dialog: an initial logical font and flags, and
// the chosen face, size, style, effects and colour (Windows only).
#pragma once

#include "CCommonDialog.h"

#include <commdlg.h>

class CDC;

class KWAFX_API CFontDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFontDialog)
public:
    // lplfInitial, when given, is the font the dialog starts on; pdcPrinter lists its fonts.
    explicit CFontDialog(LPLOGFONTA lplfInitial = NULL, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
        CDC* pdcPrinter = NULL, CWnd* pParentWnd = NULL);

    int DoModal() override;
    // The font now shown while the dialog is up; afterwards the chosen one.
    void GetCurrentFont(LPLOGFONTA lplf);

    CString GetFaceName() const { return m_cf.lpLogFont->lfFaceName; }
    CString GetStyleName() const { return m_cf.lpszStyle; }
    int GetSize() const { return m_cf.iPointSize; } // tenths of a point
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return (int)m_cf.lpLogFont->lfWeight; }
    BOOL IsStrikeOut() const { return m_cf.lpLogFont->lfStrikeOut != 0; }
    BOOL IsUnderline() const { return m_cf.lpLogFont->lfUnderline != 0; }
    BOOL IsBold() const { return m_cf.lpLogFont->lfWeight >= FW_SEMIBOLD; }
    BOOL IsItalic() const { return m_cf.lpLogFont->lfItalic != 0; }

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;

protected:
    char m_szStyleName[64];
};
