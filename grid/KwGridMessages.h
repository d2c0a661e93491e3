// KwGridMessages.h: the ids of the grid's child windows and the private messages of the grid
// layer. The deferred messages carry no parameters: their handlers read the editor when they run.
#pragma once

#include <afxwin.h>

const UINT KW_GRID_HEADER_ID = 1;    // the grid's column header
const UINT KW_GRID_EDITOR_ID = 2;    // the grid's in-place editor, an edit box or a combo box
const UINT KW_GRID_SCROLLBAR_ID = 3; // the grid's vertical scroll bar

// Posted by the grid to itself when its editor lost the focus outside the grid: close it then.
const UINT KWM_GRID_DEFERRED_ENDEDIT = WM_USER;
// Posted by the grid to itself on its combo editor's CBN_SELCHANGE: read the choice then.
const UINT KWM_GRID_DEFERRED_SELCHANGE = WM_USER + 1;
// Posted by the grid to itself on its combo editor's CBN_EDITCHANGE: read the typed text then.
const UINT KWM_GRID_DEFERRED_EDITCHANGE = WM_USER + 2;
// Sent by a grid's header to the grid when items came or went; wParam: the new item count.
const UINT KWM_GRID_HEADER_ITEMS = WM_USER + 3;
