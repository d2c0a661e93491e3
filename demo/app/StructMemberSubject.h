// StructMemberSubject.h: CStructMemberSubject, the member the properties pages show: the model's
// selected member, read and written through the model document.
#pragma once

#include "model/StructMember.h"

#include "pages/KwPropertyPageSubject.h"

class CStructDoc;

class CStructMemberSubject : public CKwPropertyPageSubject
{
public:
    CStructMemberSubject();

    // The member nIndex of pDoc's model from now on (NULL, -1: none); the pages are not told.
    void Show(CStructDoc* pDoc, int nIndex);
    CStructDoc* GetDoc() const { return m_pDoc; }
    int GetIndex() const { return m_nIndex; }
    BOOL HasMember() const;
    // The member shown; an empty one without.
    const CStructMember& GetMember() const;

    // Sets one field from its text, as the schedule's cell would: FALSE (nothing changed) when
    // the text is not a value of the field or there is no member.
    BOOL SetField(int nColumn, const CString& strText);
    // Writes the member shown; FALSE without one.
    BOOL SetMember(const CStructMember& member);

private:
    CStructDoc* m_pDoc;
    int m_nIndex;
    CStructMember m_none;
};
