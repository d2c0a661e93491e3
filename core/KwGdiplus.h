// KwGdiplus.h: CKwGdiplus, the toolkit's hold on GDI+. GDI+ is started by the first holder and
// shut down when the last one lets go; it must never be started while a DLL is being loaded
// (loader lock), so nothing holds it before the toolkit is first asked for a picture.
#pragma once

#include "core/KwUiExport.h"

class KWUI_API CKwGdiplus
{
public:
    // A hold for the lifetime of the object (a scope that calls GDI+).
    CKwGdiplus();
    ~CKwGdiplus();
    CKwGdiplus(const CKwGdiplus&) = delete;
    CKwGdiplus& operator=(const CKwGdiplus&) = delete;

    // FALSE when GDI+ could not be started; nothing may be asked of it then.
    bool IsStarted() const { return m_bHeld; }

    // Holds without a scope, for objects that keep GDI+ pictures; every successful AddRef is
    // matched by one Release.
    static bool AddRef();
    static void Release();

private:
    bool m_bHeld;
};
