// DlgTemplateTools.h: declares CDlgTemplateTools, reading the controls of in-memory dialog
// templates (classic and extended) without creating the dialog, and converting dialog units
// into pixels for a template's font.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

// The bare forms take a template's first byte and trust it to be well formed, as the dialog
// manager does. Where the template's size is known (a loaded resource has one), the checked
// forms, which take the size after the template, refuse (false or NULL) a template whose
// header or items run past its end, and an item pointer that is not one of its items.
class KWUI_API CDlgTemplateTools
{
public:
    // The dialog's item count and rectangle in dialog units.
    struct CDialogInfo
    {
        DWORD m_dwItemCount;
        short m_x;
        short m_y;
        short m_cx;
        short m_cy;
    };

    // One control: its id (a classic template's 16-bit id widened), rectangle in dialog units,
    // and whether its class is the combo box ("COMBOBOX" or the ordinal 0x0085).
    struct CItemInfo
    {
        DWORD m_dwId;
        short m_x;
        short m_y;
        short m_cx;
        short m_cy;
        BOOL m_bComboBox;
    };

    // TRUE for the extended form (its second WORD is 0xFFFF).
    static int IsDialogEx(const DLGTEMPLATE* t);

    static void GetDialogInfo(const DLGTEMPLATE* t, CDialogInfo& info);
    static DLGITEMTEMPLATE* FindFirstItem(const DLGTEMPLATE* t);
    static DLGITEMTEMPLATE* FindNextItem(const DLGTEMPLATE* t, const DLGITEMTEMPLATE* item);
    static void GetItemInfo(const DLGTEMPLATE* t, const DLGITEMTEMPLATE* item, CItemInfo& info);
    // The first of the template's items with this id; NULL when none has it.
    static DLGITEMTEMPLATE* FindItem(const DLGTEMPLATE* t, UINT id);

    // Converts rc from dialog units into pixels as the dialog manager places the template's
    // controls: with the template's typeface, size, weight and slant, or with the system font's
    // units when it has no font of its own.
    static void ConvertDialogUnitsToPixels(const DLGTEMPLATE* t, CRect& rc);
    // For a typeface of normal weight made on the screen: the base units are the average width
    // of the letters and the character height (without external leading, as the dialog manager
    // measures); GetDialogBaseUnits when the font cannot be made.
    static void ConvertDialogUnitsToPixels(CString& face, WORD& pointSize, CRect& rc);
    // Horizontal values times baseWidth / 4, vertical ones times baseHeight / 8, rounded.
    static void ScaleDialogUnits(int baseWidth, int baseHeight, CRect& rc);

    // Checked forms.
    static bool IsValidTemplate(const DLGTEMPLATE* t, DWORD size);
    static bool GetDialogInfo(const DLGTEMPLATE* t, DWORD size, CDialogInfo& info);
    static DLGITEMTEMPLATE* FindFirstItem(const DLGTEMPLATE* t, DWORD size);
    // NULL after the last item, as well as for a template or item refused.
    static DLGITEMTEMPLATE* FindNextItem(const DLGTEMPLATE* t, DWORD size, const DLGITEMTEMPLATE* item);
    static bool GetItemInfo(const DLGTEMPLATE* t, DWORD size, const DLGITEMTEMPLATE* item, CItemInfo& info);
    static DLGITEMTEMPLATE* FindItem(const DLGTEMPLATE* t, DWORD size, UINT id);
    // As the dialog manager places them in a dialog shown at nDpi (0: the screen's DPI).
    static bool ConvertDialogUnitsToPixels(const DLGTEMPLATE* t, DWORD size, CRect& rc, UINT nDpi = 0);

private:
    static void ConvertAtDpi(const DLGTEMPLATE* t, CRect& rc, UINT nDpi);
};
