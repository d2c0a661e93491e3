// UxToolTipInfo.h: the records the rich tooltip works with (UXTOOLTIP_INFO, UXTOOLTIP_NOTIFY,
// UXTOOLTIP_NAME_RES) and the numbers of its styles, masks, behaviours, directions, sizes,
// effects, colour slots and picture kinds.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

// The display notification: WM_NOTIFY with this code reaches the notification window just before
// a tip shows; the receiver may change the record it points at.
#define UXTTN_DISPLAY (WM_USER + 100)

// Style bits.
#define UXTT_STYLE_ANCHOR 0x01          // balloon with a triangle pointing at the cursor
#define UXTT_STYLE_SHADOW 0x02          // drop shadow
#define UXTT_STYLE_ROUNDED 0x04         // rounded corners
#define UXTT_STYLE_TEXT_VCENTER 0x08    // text centred vertically
#define UXTT_STYLE_TEXT_BOTTOM 0x10     // text at the bottom (wins over centred)
#define UXTT_STYLE_ICON_VCENTER 0x20    // icon centred vertically
#define UXTT_STYLE_ICON_BOTTOM 0x40     // icon at the bottom (only without centred)
#define UXTT_STYLE_NOACTIVE 0x100       // global only: tips also while the application is inactive
#define UXTT_STYLE_DISABLED 0x200       // global only: tools also over disabled children
#define UXTT_STYLE_DEFAULT 0x27

// Override mask bits of a tool record: which settings are the tool's own.
#define UXTT_MASK_STYLES 0x01
#define UXTT_MASK_EFFECT 0x02
#define UXTT_MASK_COLORS 0x04
#define UXTT_MASK_DIRECTION 0x08
#define UXTT_MASK_BEHAVIOUR 0x10

// Behaviour bits.
#define UXTT_BEHAVIOUR_REPEAT_SHOW 0x01  // a move inside the shown tool shows the tip again
#define UXTT_BEHAVIOUR_CLOSE_OVER 0x04   // the tip stays while the cursor is over it
#define UXTT_BEHAVIOUR_AUTOPOP_OVER 0x08 // the autopop timer spares a tip under the cursor
#define UXTT_BEHAVIOUR_NO_AUTOPOP 0x10   // no autopop timer at all

// Directions: where the tip lies relative to the cursor.
#define UXTT_DIR_ABOVE_LEFT 0
#define UXTT_DIR_ABOVE_RIGHT 1
#define UXTT_DIR_BELOW_LEFT 2
#define UXTT_DIR_BELOW_RIGHT 3

// Indices of the table of sizes.
#define UXTT_SIZE_ROUNDED_CX 0
#define UXTT_SIZE_ROUNDED_CY 1
#define UXTT_SIZE_MARGIN_CX 2
#define UXTT_SIZE_MARGIN_CY 3
#define UXTT_SIZE_SHADOW_CX 4
#define UXTT_SIZE_SHADOW_CY 5
#define UXTT_SIZE_ANCHOR_WIDTH 6
#define UXTT_SIZE_ANCHOR_HEIGHT 7
#define UXTT_SIZE_ANCHOR_MARGIN 8
#define UXTT_SIZE_BORDER_CX 9
#define UXTT_SIZE_BORDER_CY 10
#define UXTT_SIZE_COUNT 11

// Background effects.
#define UXTT_EFFECT_SOLID 0
#define UXTT_EFFECT_HGRADIENT 1
#define UXTT_EFFECT_VGRADIENT 2
#define UXTT_EFFECT_HCGRADIENT 3
#define UXTT_EFFECT_VCGRADIENT 4
#define UXTT_EFFECT_3HGRADIENT 5
#define UXTT_EFFECT_3VGRADIENT 6

// Colour table slots with a role (0 to 15 are the sixteen-colour palette).
#define UXTT_COLOR_TEXT 17
#define UXTT_COLOR_BK_BEGIN 18
#define UXTT_COLOR_BK_MID 19
#define UXTT_COLOR_BK_END 20
#define UXTT_COLOR_SHADOW 24
#define UXTT_COLOR_BORDER 25
#define UXTT_COLOR_COUNT 26

// Kinds of named pictures.
#define UXTT_RES_ICON 0
#define UXTT_RES_BITMAP 1
#define UXTT_RES_BITMAP_MASKED 2

// A tool: a window, optionally an area of it, a marked-up text and an icon, with the settings the
// tool overrides. Also the record of the tip being shown and the payload of the notification.
struct KWUI_API UXTOOLTIP_INFO
{
    HWND hWnd = NULL;         // the tool's window
    UINT nIDTool = 0;         // chosen by the owner
    RECT rectBounds = {};     // client coordinates of hWnd; empty: the whole window
    HICON hIcon = NULL;       // shown left of the text
    CString sTooltip;         // marked-up text
    UINT nMask = 0;           // UXTT_MASK_* bits: which of the following are the tool's own
    DWORD nStyles = 0;        // UXTT_STYLE_*
    UINT nDirection = 0;      // UXTT_DIR_*
    UINT nEffect = 0;         // UXTT_EFFECT_*
    UINT nBehaviour = 0;      // UXTT_BEHAVIOUR_*
    BYTE nGranularity = 0;    // kept with the effect, not used by painting
    COLORREF crBegin = 0;     // gradient colours
    COLORREF crMid = 0;
    COLORREF crEnd = 0;
};

// The display notification's record.
struct UXTOOLTIP_NOTIFY
{
    NMHDR hdr;                // code UXTTN_DISPLAY
    LPPOINT pt;               // the cursor point in screen coordinates
    UXTOOLTIP_INFO* ti;       // the record about to be shown
};

// A picture the markup names with <img=name>.
struct KWUI_API UXTOOLTIP_NAME_RES
{
    CString sName;            // compared without regard to case
    UINT nID = 0;             // resource identifier
    BYTE nTypeRes = 0;        // UXTT_RES_*
    COLORREF crMask = 0;      // transparent colour of UXTT_RES_BITMAP_MASKED
};
