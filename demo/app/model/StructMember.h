// StructMember.h: CStructMember, one member of a structural model: its mark, section, steel
// grade, length, remark, colour and cross-section picture.
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include <cstdint>

class CStructMember
{
public:
    CStructMember();
    CStructMember(const CStructMember& other);
    // Strong: when the picture cannot be copied the member stays as it was.
    CStructMember& operator=(const CStructMember& other);

    // The longest member the editor accepts, in metres.
    static constexpr double kMaxLength = 1000.0;
    static BOOL IsValidLength(double dLength);
    // "6", "6.5", "4.125" (metres, to the millimetre); "#RRGGBB".
    static CString FormatLength(double dLength);
    static CString FormatColour(uint32_t crColour);

    // The columns a member shows in the schedule, the list and the export, in this order.
    enum Column { kMark, kSection, kGrade, kLength, kRemark, kColour, kColumns };
    // The caption of a column ("Mark", "Section", "Grade", "Length (m)", "Remark", "Colour").
    static const char* GetColumnTitle(int nColumn);
    // A cell as text, and a cell set from text: FALSE (member unchanged) when the text is not a
    // value of the column (a length that is no positive number up to kMaxLength, a colour that is
    // not #RRGGBB, an empty mark, a tab or line break in any text).
    CString FormatCell(int nColumn) const;
    BOOL ParseCell(int nColumn, const CString& strText);

    // Stored as a schema-checked record: the load throws CArchiveException on a record it
    // cannot read, leaving the member as it was.
    void Serialize(CArchive& ar);
    // Reads a record's schema word: CArchiveException badSchema unless it is wSchema.
    static void LoadSchema(CArchive& ar, WORD wSchema);

    bool operator==(const CStructMember& other) const;
    bool operator!=(const CStructMember& other) const { return !(*this == other); }

    CString m_strMark;    // "B12"
    CString m_strSection; // "HEA 300"
    CString m_strGrade;   // "S355"
    double m_dLength;     // metres
    CString m_strRemark;
    uint32_t m_crColour;  // 0x00BBGGRR, as a COLORREF
    CByteArray m_picture; // the cross-section picture's file bytes (PNG, BMP ...), empty when none
};
