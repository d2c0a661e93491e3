// CRuntimeClass.h: CRuntimeClass, the run-time identity of a CObject class (name, size, schema,
// creation, base class), the process-wide list of registered classes, and the class macros.
#pragma once

#include "afxtypes.h"

class CObject;
class CArchive;

struct KWAFX_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF for classes that cannot be serialised
    CObject* (*m_pfnCreateObject)(); // NULL for classes that cannot be created by name
    CRuntimeClass* (*m_pfnGetBaseClass)(); // NULL for CObject
    CRuntimeClass* m_pNextClass; // link of the registered-class list

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Looks through every class registered by every loaded module.
    static CRuntimeClass* AFXAPI FromName(LPCSTR lpszClassName);
    static CObject* AFXAPI CreateObject(LPCSTR lpszClassName);

    // The archive's encoding of a class: schema WORD, name length WORD, name bytes.
    void Store(CArchive& ar) const;
    static CRuntimeClass* AFXAPI Load(CArchive& ar, UINT* pwSchemaNum);

    // Classes enter the list while their module initialises and leave it while it unloads.
    static void AFXAPI Register(CRuntimeClass* pClass);
    static void AFXAPI Unregister(CRuntimeClass* pClass);
};

// A static instance of this registers one class for the lifetime of its module.
struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pClass) : m_pClass(pClass) { CRuntimeClass::Register(pClass); }
    ~AFX_CLASSINIT() { CRuntimeClass::Unregister(m_pClass); }
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;
    CRuntimeClass* m_pClass;
};

// A class's schema WORD may carry this flag: readers then accept every schema and ask the
// archive (GetObjectSchema) which one they are reading.
#define VERSIONABLE_SCHEMA (0x80000000)

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// The base class is reached through a function defined in the class's own module, so the
// class record needs no address from another DLL and is initialised statically.
#define DECLARE_DYNAMIC(class_name) \
public: \
    static CRuntimeClass class##class_name; \
    static CRuntimeClass* AFXAPI _GetBaseClass(); \
    virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* AFXAPI CreateObject();

// The extraction operator is a hidden friend template so that it is inline in every module
// that reads such objects, whether or not the class is exported.
#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name) \
    template <class TArchive> \
    friend TArchive& operator>>(TArchive& ar, class_name*& pOb) \
    { \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name))); \
        return ar; \
    }

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass* AFXAPI class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); } \
    CRuntimeClass class_name::class##class_name = { \
        #class_name, (int)sizeof(class class_name), (UINT)(wSchema), pfnNew, \
        &class_name::_GetBaseClass, NULL}; \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name)); \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* AFXAPI class_name::CreateObject() { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
    CObject* AFXAPI class_name::CreateObject() { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)
