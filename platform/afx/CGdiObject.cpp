// CGdiObject.cpp: ownership of GDI handles and the per-thread map from handles to wrappers.
#include "CGdiObject.h"

#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CPen.h"
#include "CResourceException.h"
#include "CRgn.h"
#include "afxstate.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {

CHandleMap<CGdiObject, HGDIOBJ>* Map()
{
    return AfxGetThreadMap(&AFX_THREAD_STATE::m_mapHGDIOBJ);
}

} // namespace

// A temporary wrapper is of the class that matches the handle, so that a CFont* obtained
// through FromHandle really is a CFont.
CGdiObject* CGdiObject::NewTemporary(HGDIOBJ hObject)
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

void CGdiObject::DetachTemporary(CGdiObject* pObject)
{
    pObject->m_hObject = NULL;
}

CGdiObject::CGdiObject() : m_hObject(NULL)
{
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    CHandleMap<CGdiObject, HGDIOBJ>* pMap = Map();
    return pMap != NULL ? pMap->FromHandle(hObject) : NULL;
}

void PASCAL CGdiObject::DeleteTempMap()
{
    if (CHandleMap<CGdiObject, HGDIOBJ>* pMap = Map())
        pMap->DeleteTemp();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    const CGdiObject* pThis = AfxOpaquePointer(this);
    return pThis != NULL ? pThis->m_hObject : NULL;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    return CHandleMap<CGdiObject, HGDIOBJ>::Attach(Map(), this, m_hObject, hObject);
}

HGDIOBJ CGdiObject::Detach()
{
    return CHandleMap<CGdiObject, HGDIOBJ>::Detach(Map(), this, m_hObject);
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
