// StructModel.cpp: the members in order, the sample model, the schedule and the archive record.
#include "model/StructModel.h"

#include "model/StructSectionPicture.h"

namespace {

const WORD kModelSchema = 1;

// A schedule cell keeps to its line and column whatever text a member holds.
CString ScheduleCell(const CString& strText)
{
    CString strCell(strText);
    strCell.Replace('\t', ' ');
    strCell.Replace('\r', ' ');
    strCell.Replace('\n', ' ');
    return strCell;
}

} // namespace

int CStructModel::Add(const CStructMember& member)
{
    m_members.push_back(member);
    return GetCount() - 1;
}

void CStructModel::InsertAt(int nIndex, const CStructMember& member)
{
    if (nIndex < 0 || nIndex > GetCount())
        AfxThrowInvalidArgException();
    m_members.insert(m_members.begin() + nIndex, member);
}

void CStructModel::RemoveAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        AfxThrowInvalidArgException();
    m_members.erase(m_members.begin() + nIndex);
}

int CStructModel::Find(const CString& strMark) const
{
    for (int i = 0; i < GetCount(); i++) {
        if (m_members[i].m_strMark == strMark)
            return i;
    }
    return -1;
}

void CStructModel::MakeSample(int nMembers)
{
    // A small steel frame's kinds of member, each numbered on its own (B1, B2 ... C1 ...).
    struct Kind
    {
        const char* pszPrefix;
        const char* pszSection;
        const char* pszGrade;
        uint32_t crColour;
    };
    static const Kind kinds[] = {
        {"B", "IPE 300", "S355", 0x00AA6E46}, {"C", "HEA 200", "S355", 0x002828B4},
        {"B", "IPE 240", "S275", 0x00D2A064}, {"C", "HEB 240", "S355", 0x00326E32},
        {"P", "UPN 160", "S235", 0x001E82DC}, {"R", "SHS 120x6", "S355", 0x00963C8C},
        {"R", "CHS 139.7x5", "S275", 0x00828C14},
    };
    const int nKinds = (int)(sizeof(kinds) / sizeof(kinds[0]));
    CByteArray pictures[nKinds];
    for (int k = 0; k < nKinds; k++)
        CStructSectionPicture::Make(kinds[k].pszSection, pictures[k]);

    std::vector<CStructMember> members;
    members.reserve((size_t)(nMembers > 0 ? nMembers : 0));
    int nNumbers[128] = {};
    for (int i = 0; i < nMembers; i++) {
        const Kind& kind = kinds[(i * 3 + i / nKinds) % nKinds];
        CStructMember member;
        member.m_strMark.Format("%s%d", kind.pszPrefix, ++nNumbers[(BYTE)kind.pszPrefix[0]]);
        member.m_strSection = kind.pszSection;
        member.m_strGrade = kind.pszGrade;
        member.m_dLength = 2.5 + (i * 37 % 96) * 0.125;
        if (i % 5 == 4)
            member.m_strRemark = "Fire protection R60";
        else if (i % 7 == 3)
            member.m_strRemark = "Site splice at mid-span";
        member.m_crColour = kind.crColour;
        member.m_picture.Copy(pictures[&kind - kinds]);
        members.push_back(member);
    }
    m_members.swap(members);
}

void CStructModel::GetSections(CStringArray& sections)
{
    for (const char* psz : {"IPE 200", "IPE 240", "IPE 300", "HEA 200", "HEB 240", "UPN 160", "SHS 120x6", "CHS 139.7x5"})
        sections.Add(psz);
}

void CStructModel::GetGrades(CStringArray& grades)
{
    for (const char* psz : {"S235", "S275", "S355", "S460"})
        grades.Add(psz);
}

CString CStructModel::FormatSchedule() const
{
    CString strText;
    for (int c = 0; c < CStructMember::kColumns; c++) {
        strText += CStructMember::GetColumnTitle(c);
        strText += c + 1 < CStructMember::kColumns ? "\t" : "\r\n";
    }
    for (const CStructMember& member : m_members) {
        for (int c = 0; c < CStructMember::kColumns; c++) {
            strText += ScheduleCell(member.FormatCell(c));
            strText += c + 1 < CStructMember::kColumns ? "\t" : "\r\n";
        }
    }
    return strText;
}

void CStructModel::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kModelSchema;
        ar.WriteCount((DWORD_PTR)m_members.size());
        for (CStructMember& member : m_members)
            member.Serialize(ar);
        return;
    }
    CStructMember::LoadSchema(ar, kModelSchema);
    // The count is only a promise: the members grow as their records arrive.
    DWORD_PTR nCount = ar.ReadCount();
    std::vector<CStructMember> loaded;
    for (DWORD_PTR i = 0; i < nCount; i++) {
        loaded.emplace_back();
        loaded.back().Serialize(ar);
    }
    m_members.swap(loaded);
}
