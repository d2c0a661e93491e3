// ClipboardHolderMain.cpp: another program holding the clipboard open, for the tests. It opens
// the clipboard, sets the event named by its first argument, and closes the clipboard and ends
// once the event named by its second is set (after a minute at the latest).
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    HANDLE hHeld = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    HANDLE hRelease = ::OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
    // Opened for a window: Wine lets a second opening without one through.
    HWND hWnd = ::CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    if (hHeld == NULL || hRelease == NULL || !::OpenClipboard(hWnd))
        return 1;
    ::SetEvent(hHeld);
    ::WaitForSingleObject(hRelease, 60000);
    ::CloseClipboard();
    ::DestroyWindow(hWnd);
    return 0;
}
