// KwPropertySheet.h: declares CKwPropertySheet, a property sheet that opens on the page that was
// active when a sheet of the same identifier last closed.
#pragma once

#include "core/KwUiExport.h"

#include <afxdlgs.h>

// The page is remembered in the current user's "LastActivePage<id>" under the application's key
// "KwPropertySheet". Identifier -1 remembers nothing and never touches the registry.
class KWUI_API CKwPropertySheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CKwPropertySheet)
public:
    // An explicit iSelectPage (not -1) wins over the remembered page.
    CKwPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, int iSelectPage = -1, int nSheetID = -1);

    int m_nSheetID;

protected:
    // The sheet and each page as the system makes it follow the look's colours.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CString ValueName() const;
};
