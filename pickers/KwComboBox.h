// KwComboBox.h: CKwComboBox, the toolkit's combo box: an optional flat look and the lookup of its
// edit field.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwComboBox : public CComboBox
{
    DECLARE_DYNCREATE(CKwComboBox)
public:
    CKwComboBox();

    // When set, a frame two pixels wide in the window colour is painted over the edges of the
    // client area after the combo's own painting, hiding its sunken border.
    BOOL m_bFlat;

    // The edit field: the first child window when its class is "Edit" (any case); NULL when the
    // combo has none (a drop-down list) or the first child is something else.
    CWnd* GetEditField() const;

protected:
    afx_msg void OnPaint();
    // Printed pictures (WM_PRINT) look as painted ones.
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void DrawFlatFrame(HDC hDC, const CRect& rect);
};
