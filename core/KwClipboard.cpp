// KwClipboard.cpp: the text travels in a movable global block holding it and its zero.
#include "core/KwClipboard.h"

#include <windows.h>

#include <cstring>

// The block is filled before the clipboard is emptied: a block that cannot be had leaves the
// clipboard's contents as they were.
void CKwClipboard::PutText(CString text)
{
    if (!::OpenClipboard(NULL))
        return;
    const SIZE_T size = (SIZE_T)text.GetLength() + 1;
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    void* data = hGlobal != NULL ? ::GlobalLock(hGlobal) : NULL;
    if (data != NULL)
    {
        memcpy(data, (const char*)text, size);
        ::GlobalUnlock(hGlobal);
        ::EmptyClipboard();
        if (::SetClipboardData(CF_TEXT, hGlobal) != NULL)
            hGlobal = NULL; // the clipboard owns it now
    }
    if (hGlobal != NULL)
        ::GlobalFree(hGlobal);
    ::CloseClipboard();
}

int CKwClipboard::IsTextAvailable()
{
    return ::IsClipboardFormatAvailable(CF_TEXT);
}

CString CKwClipboard::GetText()
{
    CString text;
    if (!::OpenClipboard(NULL))
        return text;
    if (HGLOBAL hGlobal = ::GetClipboardData(CF_TEXT))
    {
        // Another program's block need not end with a zero: read no further than its size.
        const SIZE_T size = ::GlobalSize(hGlobal);
        if (const char* data = (const char*)::GlobalLock(hGlobal))
        {
            const void* zero = memchr(data, '\0', size);
            text = CString(data, (int)(zero != NULL ? (const char*)zero - data : (SIZE_T)size));
            ::GlobalUnlock(hGlobal);
        }
    }
    ::CloseClipboard();
    return text;
}
