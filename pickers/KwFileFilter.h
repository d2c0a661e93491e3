// KwFileFilter.h: CKwFileFilter, the text arithmetic behind the file dialog: which filter a file
// name belongs to, the extension a filter stands for, the pieces of a bar-separated list, and
// the extension of a typed name. Portable.
#pragma once

#include "core/KwUiExport.h"

#include <afx.h>
#include <afxcoll.h>

// A filter is the common dialog's text of description and pattern pairs, each field followed by
// a vertical bar ("Text|*.txt|All|*.*|"); the bar after the last field may be missing.
class KWUI_API CKwFileFilter
{
public:
    // The number of description and pattern pairs.
    static int Count(const CString& filter);

    // The 1-based index of the first pair whose pattern is exactly "*" + ext (".txt"), or 0.
    static int IndexForExtension(const CString& filter, const CString& ext);

    // The extension, with its dot, that the index-th (1-based) pair's first pattern gives names:
    // ".csv" for "*.csv;*.txt". Empty when there is no such pair, or when the pattern names no
    // single extension ("*.*", "*.t?t", "readme.txt", or one longer than 255 characters).
    static CString Extension(const CString& filter, int index);

    // The pieces of "Model|Text|", in order. The list ends at the first empty piece, and a last
    // piece without its bar is not taken.
    static void SplitList(const CString& list, CStringArray& pieces);

    // The extension of a path's file name, with its dot ("" for "C:\a.b\name").
    static CString ExtensionOf(const CString& path);

    // The path with its name's extension replaced by ext (or ext added when it has none); the
    // path unchanged when it names no file ("", "C:\data\").
    static CString WithExtension(const CString& path, const CString& ext);

private:
    // Moves begin and end (before its bar) to the field after the one they frame (the first
    // when end is -1); false past the last field.
    static bool NextField(const CString& filter, int& begin, int& end);
    // Where the extension of the path's name begins (its dot), or -1; where that name begins.
    static int ExtensionStart(const CString& path, int& nameStart);
};
