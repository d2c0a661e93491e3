// StructMemberTip.cpp: the member's tip in the tooltip's markup.
#include "StructMemberTip.h"

CString CStructMemberTip::Escape(const CString& strText)
{
    CString strMarkup(strText);
    strMarkup.Replace("<", "<<");
    strMarkup.Replace('\t', ' ');
    strMarkup.Replace('\r', ' ');
    strMarkup.Replace('\n', ' ');
    return strMarkup;
}

CString CStructMemberTip::Format(const CStructMember& member)
{
    CString strTip;
    strTip.Format("<b>%s</b><br>Section <b>%s</b>, grade <b>%s</b><br>Length %s m, colour <ct=0x%06X>%s</ct>",
                  (LPCSTR)Escape(member.m_strMark), (LPCSTR)Escape(member.m_strSection),
                  (LPCSTR)Escape(member.m_strGrade), (LPCSTR)CStructMember::FormatLength(member.m_dLength),
                  (unsigned)member.m_crColour, (LPCSTR)CStructMember::FormatColour(member.m_crColour));
    if (!member.m_strRemark.IsEmpty())
        strTip.AppendFormat("<br><i>%s</i>", (LPCSTR)Escape(member.m_strRemark));
    return strTip;
}
