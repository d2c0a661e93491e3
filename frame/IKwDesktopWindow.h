// IKwDesktopWindow.h: declares IKwDesktopWindow, the interface through which an MDI child window
// writes its own part of a desktop record and builds itself again from it.
#pragma once

#include <afxwin.h>

// A child window class implements it beside its frame base; the desktop tools find it with
// dynamic_cast.
class IKwDesktopWindow
{
public:
    virtual ~IKwDesktopWindow() {}

    // Writes the window's payload. A window that cannot describe itself writes nothing at all,
    // and the record around it is then dropped.
    virtual void IKwDesktopWindow_Store(CArchive& ar) = 0;

    // Reads the payload and makes the window on pDoc; nonzero when the window stands. Every
    // exception is caught inside. On failure the object is gone: a window made half-way is
    // destroyed (which deletes the object), an object that never got its window deletes itself.
    virtual BOOL IKwDesktopWindow_Restore(CArchive& ar, CDocument* pDoc) = 0;
};
