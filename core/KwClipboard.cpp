// KwClipboard.cpp: the text travels in a movable global block holding it and its zero.
#include "core/KwClipboard.h"

#include <windows.h>

#include <cstring>

namespace {

// Waits, still answering the messages other threads send to this thread's windows: a program
// that holds the clipboard and sends to one of them meanwhile is not kept waiting on us. Posted
// messages wait: the caller is in the middle of a command.
void WaitAnswering(DWORD nMilliseconds)
{
    const DWORD nStart = ::GetTickCount();
    for (;;)
    {
        MSG msg;
        ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        const DWORD nSpent = ::GetTickCount() - nStart;
        if (nSpent >= nMilliseconds)
            break;
        // Also wakes for a message that arrived before the wait.
        ::MsgWaitForMultipleObjectsEx(0, NULL, nMilliseconds - nSpent, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
    }
}

} // namespace

bool CKwClipboard::Open()
{
    for (int nTry = 1;; ++nTry)
    {
        if (::OpenClipboard(NULL))
            return true;
        if (nTry == OpenTries)
            return false;
        WaitAnswering(OpenInterval);
    }
}

// The block is filled before the clipboard is emptied: a block that cannot be had leaves the
// clipboard's contents as they were.
bool CKwClipboard::PutText(CString text)
{
    const SIZE_T size = (SIZE_T)text.GetLength() + 1;
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    void* data = hGlobal != NULL ? ::GlobalLock(hGlobal) : NULL;
    if (data == NULL)
    {
        if (hGlobal != NULL)
            ::GlobalFree(hGlobal);
        return false;
    }
    memcpy(data, (const char*)text, size);
    ::GlobalUnlock(hGlobal);
    if (Open())
    {
        if (::EmptyClipboard() && ::SetClipboardData(CF_TEXT, hGlobal) != NULL)
            hGlobal = NULL; // the clipboard owns it now
        ::CloseClipboard();
    }
    if (hGlobal == NULL)
        return true;
    ::GlobalFree(hGlobal);
    return false;
}

int CKwClipboard::IsTextAvailable()
{
    return ::IsClipboardFormatAvailable(CF_TEXT);
}

bool CKwClipboard::GetText(CString& text)
{
    if (!Open())
        return false;
    text.Empty();
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
    return true;
}

CString CKwClipboard::GetText()
{
    CString text;
    GetText(text);
    return text;
}
