// Gallery.h: pictures of the gallery: copies a window into a DIB section and saves it as PNG,
// and the pictures of the window layer.
#pragma once

#include <windows.h>

struct CRuntimeClass;
class CWnd;

// Copies the whole window as painted (children included, and the frame where the display paints
// frames) into a 32-bit DIB section and writes <folder>\<name>.png through GDI+. The window must
// be shown and painted. FALSE when any step fails.
bool GallerySaveWindow(HWND hWnd, const char* pszFolder, const char* pszName);

// Copies an area of the screen, with every window over it (popups included), and saves it the
// same way. FALSE when any step fails.
bool GallerySaveScreen(const RECT& rcScreen, const char* pszFolder, const char* pszName);

// The gallery's look: with bDark every picture shows the dark look. The pictures that need the
// docking library's flat look ask for it here, and get the dark one in the dark gallery; NULL
// returns to the look the gallery started in.
void GallerySetDark(bool bDark);
void GalleryUseManager(CRuntimeClass* pClass);

// The gallery gives the sizes and places of its windows in pixels at 96 DPI: these are as many
// at the screen's DPI, so that each picture shows the same on a screen of 144 or 192 DPI.
int GalleryScaled(int n);
RECT GalleryScaled(int left, int top, int right, int bottom);

// Makes window a host's plain top-level window on the button face, placed and sized in pixels at
// 96 DPI; like the toolkit's dialogs, it follows the look.
bool GalleryCreateHost(CWnd& window, const char* pszTitle, DWORD dwStyle, int x, int y, int cx, int cy);

// Dispatches this thread's messages for the given time, so that windows paint. With a dialog
// given, each message is first offered to the PreTranslateMessage chain up to it, as the
// framework's loop does.
void GalleryPump(DWORD dwMilliseconds, HWND hDialog = NULL);

// The window layer at work: a window whose message map records what it handled and paints the
// list, with a child control coloured through a reflected WM_CTLCOLOR. Saved as
// "window-layer.png".
bool GalleryWindowLayer(const char* pszFolder);
