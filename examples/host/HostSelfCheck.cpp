// HostSelfCheck.cpp: each check is numbered; the first that fails is the program's exit code.
#include "HostSelfCheck.h"

#include "HostDoc.h"
#include "HostView.h"
#include "MembersDialog.h"
#include "res/resource.h"
#include "resource.h"

int CHostSelfCheck::Run(CFrameWnd& frame)
{
    CHostDoc* pDoc = DYNAMIC_DOWNCAST(CHostDoc, frame.GetActiveDocument());
    if (pDoc == NULL || pDoc->m_marks.GetSize() != 3)
        return 1;
    CView* pView = frame.GetActiveView();
    if (!DYNAMIC_DOWNCAST(CHostView, pView) || !::IsWindow(pView->m_hWnd) || pView->GetParent() != &frame)
        return 2;

    // The members dialog, modeless so that it can be looked at while it stands.
    CMembersDialog dlg(*pDoc, pView);
    if (!dlg.Create(IDD_MEMBERS, pView))
        return 3;
    dlg.ShowWindow(SW_SHOW);
    int nFailure = 0;
    if (dlg.GetDlgItem(IDC_MEMBERS_GRID) != &dlg.m_grid || !dlg.m_grid.IsWindowVisible())
        nFailure = 4;
    else if (dlg.m_grid.GetColumnCount() != 2 || dlg.m_grid.GetLineCount() != 3 ||
             dlg.m_grid.GetItemText(0, 1) != "B2" || dlg.m_grid.GetItemText(1, 2) != "3.20")
        nFailure = 5;
    else
    {
        // An edit in the grid reaches the document.
        dlg.m_grid.SetItemText(1, 1, "4.75");
        dlg.Apply();
        if (pDoc->m_lengths[1] != "4.75" || !pDoc->IsModified())
            nFailure = 6;
        pDoc->SetModifiedFlag(FALSE); // closing asks nothing
    }
    dlg.DestroyWindow();
    if (nFailure != 0)
        return nFailure;

    // The toolkit's strings come from kwui.dll through the framework's resource chain.
    CString sAllFiles;
    if (!sAllFiles.LoadString(IDS_KW_ALL_FILES) || sAllFiles.IsEmpty())
        return 7;
    return 0;
}
