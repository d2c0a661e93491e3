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

    // Reads and checks the payload up to its views' own data, keeping it in the object; throws on
    // damage. No window is made, and the caller deletes the object after a throw.
    virtual void IKwDesktopWindow_Read(CArchive& ar) = 0;
    // Makes the window on pDoc from what was read, and has its views read their data from ar;
    // nonzero when the window stands. Every exception is caught inside. On failure the object is
    // gone: a window made half-way is destroyed (which deletes the object), an object that never
    // got its window deletes itself.
    virtual BOOL IKwDesktopWindow_Build(CArchive& ar, CDocument* pDoc) = 0;
};
