// KwGridCtrlItem.h: CKwGridCtrlItem, the record of one grid cell: its type, text or choice, colour,
// boldness and the caller's data.
#pragma once

#include "core/KwUiExport.h"

#include <afxcoll.h>
#include <afxwin.h>

struct KWUI_API CKwGridCtrlItem
{
    enum
    {
        eText = 0,             // edited in an edit box
        eIndexDropDown = 1,    // a position in pChoices, chosen from a drop-down list
        eTextDropDown = 2,     // a text chosen from a drop-down list
        eEditableDropDown = 3, // a text typed or chosen in a drop-down combo
    };

    int nType;
    CString sText;
    int nIndex;                // -1: no choice
    CStringArray* pChoices;    // borrowed, never freed by the grid
    COLORREF clrText;          // 0xFFFFFFFF: the system button-text colour
    BOOL bBold;
    void* pData;               // the caller's, never dereferenced

    CKwGridCtrlItem();
    CKwGridCtrlItem(const CKwGridCtrlItem& src);
    CKwGridCtrlItem& operator=(const CKwGridCtrlItem& src);

    // Empty: no content (no choice for an index drop-down, no text otherwise) and no data.
    // Colour, boldness and choices do not count.
    BOOL IsEmpty() const;
};
