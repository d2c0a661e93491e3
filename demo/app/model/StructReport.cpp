// StructReport.cpp: the report page: a heading, the totals table and the schedule table.
#include "model/StructReport.h"

#include <map>
#include <string>
#include <utility>

namespace {

CString Escape(const CString& strText)
{
    CString strHtml;
    for (int i = 0; i < strText.GetLength(); i++) {
        char ch = strText[i];
        switch (ch) {
        case '&':
            strHtml += "&amp;";
            break;
        case '<':
            strHtml += "&lt;";
            break;
        case '>':
            strHtml += "&gt;";
            break;
        case '"':
            strHtml += "&quot;";
            break;
        default:
            strHtml += ch;
        }
    }
    return strHtml;
}

struct Total
{
    int nMembers = 0;
    double dLength = 0;
};

} // namespace

CString CStructReport::Format(const CStructModel& model, const CString& strTitle)
{
    CString strTitleHtml = Escape(strTitle);
    CString strHtml;
    strHtml.Format("<html><head><title>%s</title></head><body style=\"font-size: 10pt\">\r\n<h2>%s</h2>\r\n",
                   (LPCSTR)strTitleHtml, (LPCSTR)strTitleHtml);

    // Totals by section and grade, in the order of their names.
    std::map<std::pair<std::string, std::string>, Total> totals;
    Total all;
    for (int i = 0; i < model.GetCount(); i++) {
        const CStructMember& member = model.GetAt(i);
        Total& total = totals[{(LPCSTR)member.m_strSection, (LPCSTR)member.m_strGrade}];
        total.nMembers++;
        total.dLength += member.m_dLength;
        all.nMembers++;
        all.dLength += member.m_dLength;
    }
    strHtml += "<h3>Totals</h3>\r\n<table border=\"1\" cellpadding=\"2\">\r\n"
               "<tr bgcolor=\"#DDE6F0\"><th>Section</th><th>Grade</th><th>Members</th><th>Length (m)</th></tr>\r\n";
    for (const auto& entry : totals) {
        strHtml.AppendFormat("<tr><td>%s</td><td>%s</td><td align=\"right\">%d</td><td align=\"right\">%s</td></tr>\r\n",
                             (LPCSTR)Escape(entry.first.first.c_str()), (LPCSTR)Escape(entry.first.second.c_str()),
                             entry.second.nMembers, (LPCSTR)CStructMember::FormatLength(entry.second.dLength));
    }
    strHtml.AppendFormat("<tr><th>All</th><th></th><th align=\"right\">%d</th><th align=\"right\">%s</th></tr>\r\n"
                         "</table>\r\n",
                         all.nMembers, (LPCSTR)CStructMember::FormatLength(all.dLength));

    strHtml += "<h3>Schedule</h3>\r\n<table border=\"1\" cellpadding=\"2\">\r\n<tr bgcolor=\"#DDE6F0\">";
    for (int c = 0; c < CStructMember::kColumns; c++)
        strHtml.AppendFormat("<th>%s</th>", CStructMember::GetColumnTitle(c));
    strHtml += "</tr>\r\n";
    for (int i = 0; i < model.GetCount(); i++) {
        const CStructMember& member = model.GetAt(i);
        strHtml += "<tr>";
        for (int c = 0; c < CStructMember::kColumns; c++) {
            CString strCell = Escape(member.FormatCell(c));
            if (c == CStructMember::kColour)
                strHtml.AppendFormat("<td bgcolor=\"%s\">%s</td>", (LPCSTR)strCell, (LPCSTR)strCell);
            else if (c == CStructMember::kLength)
                strHtml.AppendFormat("<td align=\"right\">%s</td>", (LPCSTR)strCell);
            else
                strHtml.AppendFormat("<td>%s</td>", (LPCSTR)strCell);
        }
        strHtml += "</tr>\r\n";
    }
    strHtml += "</table>\r\n</body></html>\r\n";
    return strHtml;
}
