// CoreGlobalMethods.h: declares CCoreGlobalMethods, the library's shared helpers for strings and
// numbers, combo and list boxes, folders and pictures, error texts, the mouse wheel and drawing.
#pragma once

#include "core/KwUiExport.h"

#include <afxcoll.h>
#include <afxtempl.h>
#include <afxwin.h>

#include <commdlg.h>

class CDocTemplate;
class CDocument;

// Stateless, but for the process-wide wheel settings read once by GetWheelScrollLines.
class KWUI_API CCoreGlobalMethods
{
public:
    // Picture formats offered by the image browsers, as a bit mask.
    enum EImageFormat
    {
        ImageBmp = 1,
        ImageJpg = 2,
        ImagePng = 4,
        ImagePcx = 8,
        ImageGif = 16
    };

    // Strings and numbers.
    static void Uint2String(UINT n, CString& s);
    // Decimal digits between optional blanks (spaces and tabs); a sign is taken as strtoul takes
    // it. Numbers beyond the range of a UINT are refused. n changes only when TRUE is returned.
    static int String2Uint(const char* s, UINT& n);
    // After trimming, the whole text is one number (the empty text counts as one). IsInt refuses
    // numbers beyond the range of a long.
    static int IsDouble(CString s);
    static int IsInt(CString s);
    // Index of the first element equal to s (case-sensitive), else -1.
    static int FindString(const CStringArray& a, CString s);
    // Ascending in the locale's collation, case-sensitive; equal elements keep their order.
    static void Sort(CStringArray& a);
    // Longer texts become their first max - 3 characters and "..." ("..." alone when max < 3).
    static void TruncateWithEllipsis(CString& s, UINT max);

    // Error texts: "<number> <system message>" for GetLastError(), and that appended inside the
    // library's "Error information" paragraph.
    static CString GetLastErrorString();
    static void AppendLastError(CString& s);

    // Files and folders.
    static int PathNameExist(CString path);
    // Creates every missing folder of path (relative to the current directory when relative);
    // TRUE when the whole path then exists as folders. The current directory is left alone.
    static int CreateDirectoryA(CString path);
    // The shell's folder browser, opened on folder; TRUE with the chosen folder in it.
    static int BrowseForFolder(CWnd* parent, CString& folder);
    // The file dialog for the picture formats of the mask, in folder, proposing path. TRUE with
    // the chosen file in path and its folder (with a trailing backslash) in folder.
    static int BrowseForImageWithoutChoice(UINT formats, CString& folder, CString& path, bool open);
    // The "Choose Image" dialog over the pictures of choiceFolder, its "Browse..." starting in
    // browseFolder. 1 with the chosen file in path and the folder "Browse..." ended in, else 0
    // with both unchanged. Built with the dialog, in pickers/.
    static int BrowseForImageWithChoice(UINT formats, CString& choiceFolder, CString& browseFolder, CString& path);

    // Combo and list boxes.
    static void StringListToCombo(HWND dlg, UINT id, const CStringList& list);
    static int SelectStringInCombo(HWND dlg, UINT id, CString s);
    // Lets the list box scroll sideways over its widest item, with a tenth to spare.
    static void UpdateScrollerForListBox(CListBox& lb);

    // Documents.
    // Appends the template's filter line ("name", zero, "*.ext", zero) to filter and counts it in
    // ofn.nMaxCustFilter; with defExt, that extension (without its dot) becomes the dialog's
    // default and its line the selected one. Templates without a filter name or extension add
    // nothing.
    static void AppendFilterSuffix(CString& filter, OPENFILENAME& ofn, CDocTemplate* tmpl, CString* defExt);
    // Appends every open document of the application, template by template, in their order.
    static void GetDocList(CList<CDocument*, CDocument*>& list);

    // Geometry and drawing.
    // The side of rc nearest to pt: 0 left, 1 right, 2 top, 3 bottom; ties go to the lower one.
    static int FindNearestSide(const CRect& rc, const CPoint& pt);
    // dst becomes src at semi-bold weight (600).
    static void CreateBoldFont(CFont& src, CFont& dst);
    // Paints every pixel of colour from inside rc in colour to.
    static void ReplaceColor(CDC& dc, const CRect& rc, COLORREF from, COLORREF to);

    // The mouse wheel: scrolls wnd by posting WM_VSCROLL line steps (page steps when the user
    // chose to scroll a page per notch). Always TRUE.
    static int HandleMouseWheel(HWND wnd, UINT flags, short delta, CPoint pt);
    // Lines per notch: the wheel helper program's answer when it runs, else the system setting,
    // else 3. Remembered for the process once known.
    static UINT GetWheelScrollLines();
    // Makes the next GetWheelScrollLines ask again, as after WM_SETTINGCHANGE.
    static void ForgetWheelScrollLines();
};
