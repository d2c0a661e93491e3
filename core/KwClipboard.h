// KwClipboard.h: declares CKwClipboard, plain text (CF_TEXT) on the clipboard.
#pragma once

#include "core/KwUiExport.h"

#include <afx.h>

// Each call opens the clipboard without an owner and closes it again. Another program may hold
// it open for a moment: the opening is tried a few times, OpenTries at most, OpenInterval
// milliseconds apart, before a call gives up.
class KWUI_API CKwClipboard
{
public:
    static const int OpenTries = 10;
    static const unsigned long OpenInterval = 25;

    // Replaces the clipboard's contents by the text; false when it could not be put, the
    // contents then left as they were.
    static bool PutText(CString text);
    static int IsTextAvailable();
    // The text up to its first zero, never past the clipboard's block; empty when there is none.
    // False, the text untouched, when the clipboard could not be opened.
    static bool GetText(CString& text);
    // The same, empty also when the clipboard could not be opened.
    static CString GetText();

private:
    static bool Open();
};
