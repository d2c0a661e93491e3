// KwColorPicker.h: CKwColorPicker, the popup with a palette of 40 colours, a row of colours the
// user picked before (remembered per picker in the registry) and two groups of text buttons. It
// lives while it has the focus and reports its selection to its client when it loses it.
#pragma once

#include "core/KwUiExport.h"
#include "pickers/IKwColorPickerClient.h"
#include "pickers/KwColorPickerLayout.h"

#include <afxtempl.h>
#include <afxwin.h>

#include <vector>

class KWUI_API CKwColorPicker : public CWnd
{
public:
    class CSpecialButton
    {
    public:
        int nID;         // reported for this button
        CString strText; // drawn centred
        int bCommand;    // 0: a state that becomes the selection; else a command reported at once
    };
    typedef CArray<CSpecialButton, const CSpecialButton&> CButtonArray;

    // The most additional colours remembered (one row of cells).
    static const int MaxAdditional = CKwColorPickerLayout::Columns;

    explicit CKwColorPicker(IKwColorPickerClient* client);
    virtual ~CKwColorPicker();

    // Shows the popup at position (screen). selectedID -1 selects color (added to the additional
    // colours when no cell shows it), else the caller's button with that nID. Nonzero when made.
    virtual int Create(CWnd* parent, int selectedID, COLORREF color, const CPoint& position, CButtonArray& topButtons,
                       CButtonArray& bottomButtons, CString otherColorsText, int id);

    COLORREF GetColor() const { return m_Color; }
    void SetColor(COLORREF color) { m_Color = color; }
    // -1 when a colour is selected, else the nID of the selected button.
    int GetID() const;

    // The registry key of the additional colours of picker id, below the application's key.
    static CString RegistryKey(int id);
    // The stored count, clamped to 0..MaxAdditional; a missing or mistyped value counts as 0.
    static int ReadAdditionalCount(int id, bool* pRead = NULL);
    // Remembers color as the newest additional colour, dropping the oldest when full.
    static void AddAdditionalColor(int id, COLORREF color);

protected:
    enum ELook { LookPlain, LookHover, LookPressed, LookSelected };

    IKwColorPickerClient* m_pClient;
    CWnd* m_pParent;
    int m_bColorSelected;
    int m_bMouseDown;
    std::vector<COLORREF> m_CellColors; // palette, then the additional colours; empty while closed
    COLORREF m_Color;
    int m_bSelButtonTop;
    int m_nSelButton;
    int m_nSelButtonCommand;
    int m_bHoverButtonTop;
    int m_nHoverButton;
    int m_nHoverButtonCommand;
    int m_nHoverCol;
    int m_nHoverRow;
    int m_nSelCol;
    int m_nSelRow;
    int m_nID;
    CButtonArray m_TopButtons;
    CButtonArray m_BottomButtons;
    int m_nAdditional;
    // The DPI the popup is shown at: it draws and hit-tests its 96-DPI layout scaled to it.
    UINT m_nDpi = 96;

    // The client area, and a client point, in the layout's 96-DPI units.
    CRect LayoutClient() const;
    CPoint ToLayout(CPoint point) const;
    // The window's size for its buttons and colours at m_nDpi.
    CSize WindowSize() const;
    void SetCellColors();
    bool FindCell(COLORREF color, int& nRow, int& nCol) const;
    CKwColorPickerLayout Layout() const;
    const CSpecialButton& Button(bool bTop, int nIndex) const;

    void Draw(CDC& dc);
    ELook CellLook(int nRow, int nCol) const;
    ELook ButtonLook(bool bTop, int nIndex) const;
    void DrawHighlight(CDC& dc, const CRect& rect, ELook look);
    void DrawCell(CDC& dc, int nRow, int nCol);
    void DrawButton(CDC& dc, bool bTop, int nIndex);
    // Sets the hover state from point; true when it changed.
    bool TrackHover(const CPoint& point);
    void Close();
    void ChooseOtherColor();

    afx_msg void OnPaint();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
