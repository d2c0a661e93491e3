// StructOutputPane.h: CStructOutputPane, the docking pane with the editor's output log: a line
// per message, the newest at the bottom, the last 200 kept, copied or cleared from its
// context menu.
#pragma once

#include "frame/KwControlBar.h"
#include "grid/LargeListWnd.h"

class CStructOutputPane : public CKwControlBar
{
public:
    // Each line of strText becomes a line of the log, and the last one is scrolled into view; the
    // oldest lines go once the log holds more than 200.
    void Log(const CString& strText);
    CLargeListWnd& GetList() { return m_list; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

    CLargeListWnd m_list;
};
