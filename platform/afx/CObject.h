// CObject.h: CObject, the root of the framework's classes (run-time class, serialisation), and
// the checked down-casts between its classes.
#pragma once

#include "afxtypes.h"
#include "CRuntimeClass.h"

class CArchive;

class KWAFX_API CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* AFXAPI _GetBaseClass();

protected:
    CObject();

private:
    // Objects of the framework are not copied unless a class says how.
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

// NULL when the object is NULL or not of the class.
KWAFX_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
// The object itself; debug builds assert that it is of the class.
KWAFX_API CObject* AFXAPI AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject);

#define DYNAMIC_DOWNCAST(class_name, object) \
    (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), object)))
#define STATIC_DOWNCAST(class_name, object) \
    (static_cast<class_name*>(AfxStaticDownCast(RUNTIME_CLASS(class_name), object)))
