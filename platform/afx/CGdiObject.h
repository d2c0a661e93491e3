// CGdiObject.h: declares CGdiObject, the base of the framework's wrappers of GDI objects (pens,
// brushes, fonts, bitmaps, regions). An object owns the handle it holds and deletes it when
// destroyed, unless the handle is detached first.
#pragma once

#include "CObject.h"

class KWAFX_API CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    HGDIOBJ m_hObject;

    CGdiObject();
    ~CGdiObject() override;

    // The object attached to h, or a temporary wrapper of the handle's own kind (CPen, CBrush,
    // CFont, CBitmap, CRgn) that lives until the thread is next idle; NULL for NULL.
    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    // Deletes this thread's temporary wrappers (their handles stay).
    static void PASCAL DeleteTempMap();

    // Handle-map hooks for temporary objects.
    static CGdiObject* NewTemporary(HGDIOBJ h);
    static void DetachTemporary(CGdiObject* pObject);

    operator HGDIOBJ() const { return m_hObject; }
    // NULL also when called through a NULL pointer, as hosts of the framework do.
    HGDIOBJ GetSafeHandle() const;

    // FALSE when this object already holds a handle or hObject is NULL.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();

    BOOL operator==(const CGdiObject& obj) const { return m_hObject == obj.m_hObject; }
    BOOL operator!=(const CGdiObject& obj) const { return m_hObject != obj.m_hObject; }

protected:
    // Takes a handle just created by a Create... member: attaches it, or deletes it and returns
    // FALSE when it cannot be attached.
    BOOL AttachNew(HGDIOBJ hObject);
    // Throws CResourceException when a constructor could not create its object.
    void AttachOrThrow(HGDIOBJ hObject);
};
