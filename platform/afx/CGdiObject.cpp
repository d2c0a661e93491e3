// CGdiObject.cpp: ownership of GDI handles and the per-thread map from handles to wrappers.
#include "CGdiObject.h"

#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CHandleMap.h"
#include "CPen.h"
#include "CResourceException.h"
#include "CRgn.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {

// A temporary wrapper is of the class that matches the handle, so that a CFont* obtained
// through FromHandle really is a CFont.
CGdiObject* MakeTemporary(HGDIOBJ hObject)
{
    CGdiObject* pObject;
    switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        pObject = new CPen;
        break;
    case OBJ_BRUSH:
        pObject = new CBrush;
        break;
    case OBJ_FONT:
        pObject = new CFont;
        break;
    case OBJ_BITMAP:
        pObject = new CBitmap;
        break;
    case OBJ_REGION:
        pObject = new CRgn;
        break;
    default:
        pObject = new CGdiObject;
        break;
    }
    pObject->m_hObject = hObject;
    return pObject;
}

void DetachTemporary(CGdiObject* pObject)
{
    pObject->m_hObject = NULL;
}

CHandleMap<CGdiObject, HGDIOBJ>& Map()
{
    return CHandleMap<CGdiObject, HGDIOBJ>::ForThread(MakeTemporary, DetachTemporary);
}

} // namespace

CGdiObject::CGdiObject() : m_hObject(NULL)
{
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return Map().FromHandle(hObject);
}

void PASCAL CGdiObject::DeleteTempMap()
{
    Map().DeleteTemp();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    const CGdiObject* pThis = AfxOpaquePointer(this);
    return pThis != NULL ? pThis->m_hObject : NULL;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    return Map().Attach(this, m_hObject, hObject);
}

HGDIOBJ CGdiObject::Detach()
{
    return Map().Detach(this, m_hObject);
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::AttachNew(HGDIOBJ hObject)
{
    if (Attach(hObject))
        return TRUE;
    if (hObject != NULL)
        ::DeleteObject(hObject);
    return FALSE;
}

void CGdiObject::AttachOrThrow(HGDIOBJ hObject)
{
    if (!AttachNew(hObject))
        AfxThrowResourceException();
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return m_hObject ? ::GetObjectA(m_hObject, nCount, lpObject) : 0;
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject ? (UINT)::GetObjectType(m_hObject) : 0;
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return m_hObject ? ::UnrealizeObject(m_hObject) : FALSE;
}
