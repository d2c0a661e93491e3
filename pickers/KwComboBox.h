// KwComboBox.h: CKwComboBox, the toolkit's combo box: an optional flat look, the lookup of its
// edit field, and items drawn in the palette's colours.
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

    // Creates the combo with its items drawn here (CBS_OWNERDRAWFIXED | CBS_HASSTRINGS added to
    // dwStyle) in the palette's colours, where the system would draw the chosen item in its own
    // highlight whatever the parent answers to the colour messages; in the dark look its edge and
    // button are painted over too. The field and the list items get the heights a plain combo of
    // the same style has with pFont, which it is given.
    BOOL CreateDrawn(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CFont* pFont);

protected:
    // The window colour and its text; the chosen item (and the field while it has the focus) in
    // the selection's colour.
    afx_msg void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnPaint();
    // Printed pictures (WM_PRINT) look as painted ones.
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void DrawFlatFrame(HDC hDC, const CRect& rect);
};
