// CHandleMap.h: declares CHandleMap, a map from Windows handles to the framework objects that
// wrap them. Each thread has one of each kind in its AFX_THREAD_STATE (afxstate.h).
//
// A permanent object is one the program made and attached; FromHandle gives it back. Any other
// handle gets a temporary wrapper, made on demand and deleted (without touching the handle) when
// the thread is idle. The window layer's idle processing calls AfxDeleteTempGdiObjects()
// (CDC.h), which empties the maps of GDI objects and device contexts.
#pragma once

#include "afxtypes.h"

#include <unordered_map>

// p, hidden from the optimiser: wrappers answer GetSafeHandle() even when called through a NULL
// pointer, as hosts of the framework do, and that test on `this` must not be folded away.
template <class T> inline const T* AfxOpaquePointer(const T* p)
{
    asm("" : "+r"(p));
    return p;
}

template <class TObject, class THandle> class CHandleMap
{
public:
    typedef TObject* (*PFNMAKE)(THandle h);  // a new wrapper holding h
    typedef void (*PFNDETACH)(TObject* pObject); // lets go of the handle before delete

    CHandleMap(PFNMAKE pfnMake, PFNDETACH pfnDetach) : m_pfnMake(pfnMake), m_pfnDetach(pfnDetach) {}

    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;
    ~CHandleMap() { DeleteTemp(); }

    // The permanent object of h, else its temporary wrapper; NULL for NULL.
    TObject* FromHandle(THandle h)
    {
        if (h == NULL)
            return NULL;
        if (TObject* pObject = LookupPermanent(h))
            return pObject;
        TObject*& pTemp = m_temporary[h];
        if (pTemp == NULL)
            pTemp = m_pfnMake(h);
        return pTemp;
    }

    TObject* LookupPermanent(THandle h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? NULL : it->second;
    }

    TObject* LookupTemporary(THandle h) const
    {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? NULL : it->second;
    }

    void SetPermanent(THandle h, TObject* pObject) { m_permanent[h] = pObject; }

    // Gives pObject the handle h, kept in its member hMember, as a permanent one of pMap. False,
    // and nothing changes, when pObject already holds a handle, h is NULL or there is no map
    // (a thread without its state).
    static bool Attach(CHandleMap* pMap, TObject* pObject, THandle& hMember, THandle h)
    {
        ASSERT(hMember == NULL);
        if (pMap == NULL || h == NULL || hMember != NULL)
            return false;
        hMember = h;
        pMap->SetPermanent(h, pObject);
        return true;
    }

    // Takes pObject's handle back from it, with or without a map; the handle is left alone.
    static THandle Detach(CHandleMap* pMap, TObject* pObject, THandle& hMember)
    {
        THandle h = hMember;
        if (h != NULL && pMap != NULL)
            pMap->RemovePermanent(h, pObject);
        hMember = NULL;
        return h;
    }

    // Forgets h if it maps to pObject (the handle may since have been attached elsewhere).
    // A temporary wrapper stays in its map until the idle-time clean-up.
    void RemovePermanent(THandle h, TObject* pObject)
    {
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == pObject)
            m_permanent.erase(it);
    }

    size_t GetTemporaryCount() const { return m_temporary.size(); }

    void DeleteTemp()
    {
        std::unordered_map<THandle, TObject*> temporary;
        temporary.swap(m_temporary);
        for (auto& entry : temporary) {
            m_pfnDetach(entry.second);
            delete entry.second;
        }
    }

private:
    PFNMAKE m_pfnMake;
    PFNDETACH m_pfnDetach;
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, TObject*> m_temporary;
};
