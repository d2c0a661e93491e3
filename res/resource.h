// resource.h: the identifiers of the toolkit's own resources (res/kwui.rc).
#pragma once

// Strings.
#define IDS_KW_ERROR_INFORMATION 7812 // appended to error reports, %s = the system's error text
#define IDS_KW_IMAGE_FILES 7828 // filter name of picture files
#define IDS_KW_SELECT_FOLDER 7829 // title of the folder browser
#define IDS_KW_CHOOSE 7830 // caption of the font picker's button
#define IDS_KW_ALL_FILES 7831 // filter name of every file
#define IDS_KW_SAVE_AS 7832 // label of the file dialog's type list when saving
#define IDS_KW_FOLDER_UNREADABLE 7833 // shown by the image choice window, %s = the folder
#define IDS_KW_CLIPBOARD_BUSY 7834 // shown by the grid and the list when another program holds the clipboard

// Menus.
#define IDR_KW_CONTEXT_MENUS 7510 // context-menu commands, one top-level popup per class

// Commands of the context menus.
#define ID_KW_BAR_AUTO_HIDE 51009 // 0xC741
#define ID_KW_BAR_HIDE 51010 // 0xC742
#define ID_KW_BAR_FLOAT 51011 // 0xC743
#define ID_KW_LIST_AUTO_RESIZE 51012
#define ID_KW_LIST_FIT_TO_CONTENTS 51013

// Window-list commands of the main frame (next, previous, close all).
#define ID_KW_WINDOW_NEXT 51004 // 0xC73C
#define ID_KW_WINDOW_PREV 51005 // 0xC73D
#define ID_KW_WINDOW_CLOSEALL 51006 // 0xC73E

// File commands of the sole-document application (its model: new, open, close, save, save as)
// and Save All for the other documents.
#define ID_KW_FILE_OPEN_SOLEDOC 51000 // 0xC738
#define ID_KW_FILE_CLOSE_SOLEDOC 51001 // 0xC739
#define ID_KW_FILE_SAVE_SOLEDOC 51002 // 0xC73A
#define ID_KW_FILE_SAVE_ALL 51003 // 0xC73B
#define ID_KW_FILE_SAVEAS_SOLEDOC 51007 // 0xC73F
#define ID_KW_FILE_NEW_SOLEDOC 51008 // 0xC740

// The small input dialogs and their controls.
#define IDD_KW_STRING 7500 // a string
#define IDD_KW_STRING_BOOL 7502 // a string and a check box
#define IDD_KW_COMBO 7511 // a choice from a list
#define IDD_KW_STRING_COMBO 7512 // a string and a choice from a list
#define IDC_KW_INPUT_COMBO 7605
#define IDC_KW_INPUT_VALUE 7606
#define IDC_KW_INPUT_LABEL 7610
#define IDC_KW_INPUT_CHECK 7611
#define IDC_KW_INPUT_COMBO_LABEL 7612

// The file dialog's extra template: the "Open as:" list under the system's own controls.
#define IDD_KW_FILE_DIALOG_OPEN_AS 7503
#define IDC_KW_OPEN_AS_COMBO 7613
#define IDC_KW_OPEN_AS_LABEL 7614

// The image choice dialog: thumbnails over the hidden placeholder, and "Browse...".
#define IDD_KW_IMAGE_CHOICE 7501
#define IDC_KW_IMAGE_BROWSE 7608
#define IDC_KW_IMAGE_CHOICE_AREA 7609
