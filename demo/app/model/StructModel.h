// StructModel.h: CStructModel, the members of a structural model in order, stored as one
// archive record.
#pragma once

#include "model/StructMember.h"

#include <vector>

class CStructModel
{
public:
    int GetCount() const { return (int)m_members.size(); }
    const CStructMember& GetAt(int nIndex) const { return m_members.at(nIndex); }
    void SetAt(int nIndex, const CStructMember& member) { m_members.at(nIndex) = member; }
    int Add(const CStructMember& member);
    void InsertAt(int nIndex, const CStructMember& member);
    void RemoveAt(int nIndex);
    void RemoveAll() { m_members.clear(); }
    // The index of the member with this mark, or -1.
    int Find(const CString& strMark) const;

    // A model of nMembers members, the same every time (the tour's and the benchmarks' model).
    void MakeSample(int nMembers);
    // The sections and grades the editor offers, those of the sample among them.
    static void GetSections(CStringArray& sections);
    static void GetGrades(CStringArray& grades);

    // The schedule as tab-separated text, a title line first, one line per member ("\r\n").
    CString FormatSchedule() const;

    // The load reads the whole record before it replaces the members: on a damaged or hostile
    // record it throws CArchiveException and the model keeps what it held.
    void Serialize(CArchive& ar);

private:
    std::vector<CStructMember> m_members;
};
