// StructMember.cpp: the member's cells as text and its archive record.
#include "model/StructMember.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

const WORD kMemberSchema = 1;

const char* const kColumnTitles[CStructMember::kColumns] = {"Mark", "Section", "Grade", "Length (m)",
                                                            "Remark", "Colour"};

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

} // namespace

CStructMember::CStructMember() : m_dLength(1.0), m_crColour(0)
{
}

CStructMember::CStructMember(const CStructMember& other)
    : m_strMark(other.m_strMark), m_strSection(other.m_strSection), m_strGrade(other.m_strGrade),
      m_dLength(other.m_dLength), m_strRemark(other.m_strRemark), m_crColour(other.m_crColour)
{
    m_picture.Copy(other.m_picture);
}

CStructMember& CStructMember::operator=(const CStructMember& other)
{
    // The picture is the only part whose copy can fail: copied first, a failure changes nothing.
    m_picture.Copy(other.m_picture);
    m_strMark = other.m_strMark;
    m_strSection = other.m_strSection;
    m_strGrade = other.m_strGrade;
    m_dLength = other.m_dLength;
    m_strRemark = other.m_strRemark;
    m_crColour = other.m_crColour;
    return *this;
}

const char* CStructMember::GetColumnTitle(int nColumn)
{
    return nColumn >= 0 && nColumn < kColumns ? kColumnTitles[nColumn] : "";
}

BOOL CStructMember::IsValidLength(double dLength)
{
    return std::isfinite(dLength) && dLength > 0 && dLength <= kMaxLength;
}

CString CStructMember::FormatLength(double dLength)
{
    // Millimetres at most, without trailing zeros: "6", "6.5", "4.125".
    CString strText;
    strText.Format("%.3f", dLength);
    strText.TrimRight('0');
    strText.TrimRight('.');
    return strText;
}

CString CStructMember::FormatColour(uint32_t crColour)
{
    CString strText;
    strText.Format("#%02X%02X%02X", crColour & 0xFF, (crColour >> 8) & 0xFF, (crColour >> 16) & 0xFF);
    return strText;
}

CString CStructMember::FormatCell(int nColumn) const
{
    switch (nColumn) {
    case kMark:
        return m_strMark;
    case kSection:
        return m_strSection;
    case kGrade:
        return m_strGrade;
    case kLength:
        return FormatLength(m_dLength);
    case kRemark:
        return m_strRemark;
    case kColour:
        return FormatColour(m_crColour);
    }
    return CString();
}

BOOL CStructMember::ParseCell(int nColumn, const CString& strText)
{
    CString strValue(strText);
    strValue.Trim();
    // One line of text per cell: a tab or line break would split the schedule's lines.
    if (strValue.FindOneOf("\t\r\n") >= 0)
        return FALSE;
    switch (nColumn) {
    case kMark:
        if (strValue.IsEmpty())
            return FALSE;
        m_strMark = strValue;
        return TRUE;
    case kSection:
        m_strSection = strValue;
        return TRUE;
    case kGrade:
        m_strGrade = strValue;
        return TRUE;
    case kRemark:
        m_strRemark = strValue;
        return TRUE;
    case kLength: {
        strValue.Replace(',', '.'); // either decimal sign
        if (strValue.IsEmpty())
            return FALSE;
        char* pEnd = NULL;
        double dLength = strtod(strValue, &pEnd);
        if (*pEnd != '\0' || !IsValidLength(dLength))
            return FALSE;
        m_dLength = dLength;
        return TRUE;
    }
    case kColour: {
        if (strValue.GetLength() != 7 || strValue[0] != '#')
            return FALSE;
        uint32_t rgb = 0;
        for (int i = 1; i < 7; i++) {
            int nDigit = HexDigit(strValue[i]);
            if (nDigit < 0)
                return FALSE;
            rgb = rgb << 4 | (uint32_t)nDigit;
        }
        m_crColour = (rgb >> 16) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
        return TRUE;
    }
    }
    return FALSE;
}

void CStructMember::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kMemberSchema << m_strMark << m_strSection << m_strGrade << m_dLength << m_strRemark
           << (DWORD)m_crColour;
        m_picture.Serialize(ar);
        return;
    }
    LoadSchema(ar, kMemberSchema);
    CStructMember loaded;
    DWORD dwColour = 0;
    ar >> loaded.m_strMark >> loaded.m_strSection >> loaded.m_strGrade >> loaded.m_dLength >>
        loaded.m_strRemark >> dwColour;
    loaded.m_crColour = dwColour;
    // Values the editor could never have written would upset the drawing's scale and colours.
    if (!IsValidLength(loaded.m_dLength) || dwColour > 0xFFFFFF)
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    loaded.m_picture.Serialize(ar);
    *this = loaded;
}

void CStructMember::LoadSchema(CArchive& ar, WORD wSchema)
{
    WORD wRead = 0;
    ar >> wRead;
    if (wRead != wSchema)
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
}

bool CStructMember::operator==(const CStructMember& other) const
{
    INT_PTR nBytes = m_picture.GetSize();
    if (nBytes != other.m_picture.GetSize() ||
        (nBytes != 0 && memcmp(m_picture.GetData(), other.m_picture.GetData(), (size_t)nBytes) != 0))
        return false;
    return m_strMark == other.m_strMark && m_strSection == other.m_strSection &&
           m_strGrade == other.m_strGrade && m_dLength == other.m_dLength &&
           m_strRemark == other.m_strRemark && m_crColour == other.m_crColour;
}
