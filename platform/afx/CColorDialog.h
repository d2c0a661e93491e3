// CColorDialog.h: CColorDialog, the system's colour dialog: an initial colour, the process's
// custom colours and the chosen colour (Windows only).
#pragma once

#include "CCommonDialog.h"

#include <commdlg.h>

class KWAFX_API CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    // A colour other than 0 (black) starts the dialog on that colour (CC_RGBINIT).
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = NULL);

    int DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    // Moves the dialog's selection while it is up; before that, the colour it starts on.
    void SetCurrentColor(COLORREF clr);
    // The sixteen custom colours every colour dialog of the process shares (white at first).
    static COLORREF* PASCAL GetSavedCustomColors();
    BOOL OnHookMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    CHOOSECOLORA m_cc;

protected:
    // The user pressed OK on the colour in m_cc.rgbResult; TRUE keeps the dialog open.
    virtual BOOL OnColorOK();
};
