// KwGridMessages.h: the ids of the grid's child windows and the private messages of the grid
// layer, each with who sends it and what it carries.
#pragma once

#include <afxwin.h>

// The grid's child windows: its column header, its in-place editor and its vertical scroll bar.
const UINT KW_GRID_HEADER_ID = 1;
const UINT KW_GRID_EDITOR_ID = 2;
const UINT KW_GRID_SCROLLBAR_ID = 3;

// Posted by the grid to itself when its editor lost the focus to a window outside the grid; no
// parameters. The editor is closed when it comes, not inside its own notification.
const UINT KWM_GRID_DEFERRED_ENDEDIT = WM_USER;
// Posted by the grid to itself on its combo editor's CBN_SELCHANGE; no parameters: the combo's
// selection is read when it comes, once the combo has finished changing it.
const UINT KWM_GRID_DEFERRED_SELCHANGE = WM_USER + 1;
// Posted by the grid to itself on its combo editor's CBN_EDITCHANGE; no parameters: the combo's
// text is read when it comes.
const UINT KWM_GRID_DEFERRED_EDITCHANGE = WM_USER + 2;
// Sent by a grid's header to the grid when items came or went; wParam: the new item count.
const UINT KWM_GRID_HEADER_ITEMS = WM_USER + 3;
