// FuzzObjects.h: serialisable classes the archive targets read (named and laid out as the parity
// archives store them, so those archives seed the targets), and the record of every one alive,
// which tells apart what a reader handed over from what it left half read.
#pragma once

#include <afx.h>

#include <set>

class CFuzzObject : public CObject
{
    DECLARE_DYNAMIC(CFuzzObject)
public:
    CFuzzObject() { Alive().insert(this); }
    ~CFuzzObject() override { Alive().erase(this); }

    // Every object of these classes that exists.
    static std::set<CFuzzObject*>& Alive();
    // Deletes them all; aborts at one whose reading did not finish, which the archive should
    // have deleted itself when the reading failed.
    static void DeleteAll();

protected:
    bool m_bComplete = false; // Serialize read it whole
};

// A name, a number and a link to another node (not owned).
class CParityNode : public CFuzzObject
{
    DECLARE_SERIAL(CParityNode)
public:
    void Serialize(CArchive& ar) override;
    CString m_strName;
    long m_nValue = 0;
    CParityNode* m_pNext = NULL;
};

// Versionable: schema 2 holds a word, the older schemas a byte; later ones are refused.
class CParityVersioned : public CFuzzObject
{
    DECLARE_SERIAL(CParityVersioned)
public:
    void Serialize(CArchive& ar) override;
    UINT m_nSchema = 0;
};

class CParityEmpty : public CFuzzObject
{
    DECLARE_SERIAL(CParityEmpty)
public:
    void Serialize(CArchive& ar) override;
};
