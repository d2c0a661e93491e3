// KwPalette.h: declares CKwPalette, where the toolkit's controls ask for their colours, so that
// one switch of the look reaches them all.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

// In the classic look each colour is the one the controls have always drawn with: a system
// colour read at the call, or a fixed one. While the dark manager (CKwVisualManagerDark) serves
// the process, the dark counterpart.
class KWUI_API CKwPalette
{
public:
    enum EColor
    {
        eWindow,          // cells, lists, thumbnails: the window colour
        eWindowText,      // their text
        eGrayText,        // text of what is not there ("no pictures")
        eFace,            // read-only cells, headers, pickers, bars: the button face
        eFaceText,        // text on the face
        eFaceLight,       // raised edges' light side
        eFaceShadow,      // raised edges' shadow side, grid lines, bar frames
        eSelection,       // the selected lines
        eTipBack,         // the rich tooltip's default background
        eTipText,         // its default text and border
        eTipShadow,       // its shadow
        eTipLink,         // its links, new and visited
        eTipVisited,
        eStaticTipBack,   // the static tooltip
        eStaticTipText,
        eLink,            // the hyperlink control's text
        ePickerFrame,     // the colour picker's cell frames and separators
        ePickerFrameLight,
        ePickerText,      // the picker's button captions
        eButtonHighlight, // the colour button's edges, outer light to inner dark
        eButtonLight,
        eButtonShadow,
        eButtonDarkShadow,
        eButtonGlyph,     // its arrow, focus dots and the frame round its swatch
        eThumbSelection,  // the frame of the chosen picture
        eCaption,         // title bars the toolkit paints itself in the dark look, active
        eCaptionText,
        eCaptionInactive, // and inactive
        eCaptionInactiveText,
        eScrollTrack,     // scroll bars it paints itself: the track
        eScrollThumb,     // the thumb, at rest and held
        eScrollThumbPressed,
        eControl,         // push buttons, check boxes and unselected tabs it paints itself
        eControlPressed,  // a button held down
        eControlFrame,    // their frames
        eControlFocus,    // the frame of the default or focused button
        eSelectionInactive, // the selected lines of a list without the focus
        eColorCount
    };

    static COLORREF Get(EColor eColor);
    // A solid brush of Get(eColor), kept by the palette (the caller does not delete it): what a
    // colour message answers.
    static HBRUSH GetBrush(EColor eColor);
    // eColor for text on clrBack: Get's, except that in the dark look a light background (a
    // host's dialog that keeps the classic face) gets the classic colour, which stays readable.
    static COLORREF GetOnBack(EColor eColor, COLORREF clrBack);
    // Whether the dark look serves the process now.
    static BOOL IsDark();
    // Whether clr is a dark colour, by its perceived brightness: light text reads on it.
    static BOOL IsDarkColor(COLORREF clr);
    // While the dark look serves, the dialog hDlg answers its controls' colour messages in the
    // look's colours: the face and its text behind the dialog, its statics and buttons, the window
    // colour and its text in edits and lists. A classic colour the dialog's own handler chose (a
    // link's) turns into its dark counterpart. In the classic look the dialog answers as it always
    // has.
    static void FollowInDialog(HWND hDlg);
    // Whether hWnd is a dialog that follows the look (FollowInDialog).
    static BOOL IsFollowing(HWND hWnd);
};
