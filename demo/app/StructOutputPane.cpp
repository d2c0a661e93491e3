// CStructOutputPane: the log's list and its lines.
#include "StructOutputPane.h"

#include "StructApp.rh"

#include "core/KwStringParser.h"

namespace {

// The log keeps a few screens of its newest lines, so that an editor left open for days does not
// grow without end.
const int kMostLines = 200;

} // namespace

BEGIN_MESSAGE_MAP(CStructOutputPane, CKwControlBar)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int CStructOutputPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CKwControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_list.AddColumn("Message");
    if (!m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOSORTHEADER, CRect(0, 0, 10, 10), this,
            IDC_STRUCT_OUTPUT_LIST))
        return -1;
    SetChild(&m_list);
    return 0;
}

void CStructOutputPane::Log(const CString& strText)
{
    if (m_list.m_hWnd == NULL)
        return;
    CStringArray line;
    line.SetSize(1);
    int nPos = 0;
    while (CKwStringParser::GetNextLine(strText, nPos, line[0]))
        m_list.InsertLine(line);
    while (m_list.GetItemCount() > kMostLines)
        m_list.DeleteItem(0);
    m_list.EnsureVisible(m_list.GetItemCount() - 1, FALSE);
}
