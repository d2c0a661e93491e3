// GridEditorFixture.h: GridEditorTest, a grid in a dialog with one column of each cell type and a
// shared choices list; the reach into the grid's editor opening and the reading of an editor's
// text and selection, for the editor, key and focus tests.
#pragma once

#include "GridHost.h"
#include "GridHost.rh"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// Opens the editor the way the grid's own key and mouse handling does.
struct GridEditAccess : CKwGridCtrl
{
    static void Open(CKwGridCtrl& grid, EBeginEditType eType, int nPosition = 0, CPoint point = CPoint(0, 0))
    {
        (grid.*&GridEditAccess::BeginEdit)(eType, nPosition, point);
    }
    static void Close(CKwGridCtrl& grid) { (grid.*&GridEditAccess::EndEdit)(); }
};

inline std::string Text(HWND hWnd)
{
    char szText[256] = "";
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

// The selection of an edit box or a combo's edit field, start and end.
inline std::pair<int, int> EditSel(HWND hEdit)
{
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageA(hEdit, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    return std::make_pair((int)dwStart, (int)dwEnd);
}

// The edit box, or a combo's edit field (the combo itself for a drop-down list).
inline HWND EditFieldOf(HWND hEditor)
{
    HWND hChild = ::GetWindow(hEditor, GW_CHILD);
    return hChild != NULL ? hChild : hEditor;
}

class GridEditorTest : public ::testing::Test
{
protected:
    enum
    {
        colText = 0,
        colIndex = 1,
        colTextDropDown = 2,
        colEditable = 3,
    };

    // Line 0: "abc", choice 1, "green", "typed"; the drop-downs offer red, green, blue.
    GridEditorTest()
    {
        GridHost::SetChoices(m_choices, {"red", "green", "blue"});
        host.AddColumns(4);
        grid.SetItem(colText, 0, Cell(CKwGridCtrlItem::eText, "abc"));
        grid.SetItem(colIndex, 0, Cell(CKwGridCtrlItem::eIndexDropDown, "", 1));
        grid.SetItem(colTextDropDown, 0, Cell(CKwGridCtrlItem::eTextDropDown, "green"));
        grid.SetItem(colEditable, 0, Cell(CKwGridCtrlItem::eEditableDropDown, "typed"));
        host.m_calls.clear();
    }

    CKwGridCtrlItem Cell(int nType, const char* pszText, int nIndex = -1, BOOL bBold = FALSE)
    {
        CKwGridCtrlItem item = GridItem(nType, pszText, nIndex, nType != CKwGridCtrlItem::eText ? &m_choices : NULL);
        item.bBold = bBold;
        return item;
    }

    HWND Editor() const { return grid.GetEditor()->GetSafeHwnd(); }
    HWND EditField() const { return EditFieldOf(Editor()); }

    CStringArray m_choices; // outlives the grid: cells borrow it
    GridHost host;
    CKwGridCtrl& grid = host.m_grid;
};
