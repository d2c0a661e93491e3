// KwColorButton.h: CKwColorButton, a dialog's push button turned into a drop-down colour
// chooser: it shows the chosen colour (or the caption of the chosen special button) and opens
// the colour picker popup right below itself.
#pragma once

#include "core/KwUiExport.h"
#include "pickers/KwColorPicker.h"

#include <afxwin.h>

class KWUI_API CKwColorButton : public CWnd, public IKwColorPickerClient
{
public:
    explicit CKwColorButton(IKwColorPickerClient* client);
    virtual ~CKwColorButton();

    // Subclasses the dialog's push button nIDCtrl; nonzero on success.
    int AttachButton(int nIDCtrl, CWnd* parent);
    // Appends the buttons to those already given and sets the value, the caption of the
    // picker's other-colours button and the picker's identity (its registry key).
    void InitializeButton(int id, COLORREF color, CKwColorPicker::CButtonArray& topButtons,
                          CKwColorPicker::CButtonArray& bottomButtons, CString otherColorsText, int pickerID);

    COLORREF GetColor() const { return m_Color; }
    void SetColor(COLORREF color) { m_Color = color; }
    int GetID() const { return m_nID; }
    void SetID(int id) { m_nID = id; }
    CKwColorPicker* GetPicker() const { return m_pPicker; }

    void KwColorPickerClient_OnSelectionChanged(CWnd* picker) override;
    void KwColorPickerClient_OnSpecialButton(UINT id, CWnd* picker) override;

protected:
    CString m_strOtherColorsText;
    CKwColorPicker* m_pPicker;
    IKwColorPickerClient* m_pClient;
    int m_nPickerID;
    CKwColorPicker::CButtonArray m_TopButtons;
    CKwColorPicker::CButtonArray m_BottomButtons;
    int m_nID;
    COLORREF m_Color;
    int m_bFocus;
    int m_bPressed;
    UINT m_nDpi; // told by a DPI message; 0: the window's own

    void Repaint();
    void Draw(CDC& dc);
    CString SpecialCaption() const;
    UINT Dpi() const;

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
