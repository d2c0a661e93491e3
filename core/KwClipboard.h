// KwClipboard.h: declares CKwClipboard, plain text (CF_TEXT) on the clipboard.
#pragma once

#include "core/KwUiExport.h"

#include <afx.h>

// Each call opens the clipboard without an owner and closes it again; failures are silent.
class KWUI_API CKwClipboard
{
public:
    // Replaces the clipboard's contents by the text; a text that cannot be put leaves them as they
    // were.
    static void PutText(CString text);
    static int IsTextAvailable();
    // The text up to its first zero, never past the clipboard's block; empty when there is none.
    static CString GetText();
};
