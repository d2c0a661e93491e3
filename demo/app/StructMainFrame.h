// StructMainFrame.h: CStructMainFrame, the editor's main window: menu bar, a row of command
// buttons, the status bar, the docking panes round the model's windows, and the windows that
// open when a model is made or read.
#pragma once

#include "StructColourWell.h"
#include "StructMembersPane.h"
#include "StructOutputPane.h"
#include "StructPropertiesPane.h"
#include "StructSectionsPane.h"
#include "StructToolBar.h"

#include "frame/KwSoleDocMDIFrameWnd.h"
#include "frame/KwStatusBar.h"

class CKwControlBar;
class CStructDoc;

class CStructMainFrame : public CKwSoleDocMDIFrameWnd
{
    DECLARE_DYNAMIC(CStructMainFrame)
public:
    CStructMainFrame();

    // A line at the end of the output log.
    void Log(const CString& strText);

    // The model shown, NULL when none is open.
    CStructDoc* GetModelDoc() const { return m_pDoc; }
    CStructToolBar& GetToolBar() { return m_wndToolBar; }
    CKwStatusBar& GetStatusBar() { return m_wndStatusBar; }
    CStructPropertiesPane& GetPropertiesPane() { return m_wndProperties; }
    CStructMembersPane& GetMembersPane() { return m_wndMembers; }
    CStructOutputPane& GetOutputPane() { return m_wndOutput; }
    CStructSectionsPane& GetSectionsPane() { return m_wndSections; }
    // The docking pane a View command shows and hides, NULL for the button row and others.
    CKwControlBar* GetPaneOfCommand(UINT nID);

    // The command buttons go under the menu bar, which the frame makes last.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
        CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;

    // The panes follow the model; its windows come back as it stored them, else the default ones.
    void OnOpenSoleDoc(CDocument* pDoc) override;
    void OnCloseSoleDoc() override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnViewPane(UINT nID);
    afx_msg void OnUpdateViewPane(CCmdUI* pCmdUI);
    afx_msg void OnViewDark();
    afx_msg void OnUpdateViewDark(CCmdUI* pCmdUI);
    afx_msg void OnOpenWindow(UINT nID);
    afx_msg void OnUpdateNeedsModel(CCmdUI* pCmdUI);
    afx_msg void OnMemberStep(UINT nID);
    afx_msg void OnUpdateMemberStep(CCmdUI* pCmdUI);
    afx_msg void OnUpdateMembersIndicator(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSelectionIndicator(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreatePanes();
    // Every pane shows the model, or nothing with NULL.
    void ShowModelInPanes(CStructDoc* pDoc);

    CStructDoc* m_pDoc;
    CStructToolBar m_wndToolBar;
    CKwStatusBar m_wndStatusBar;
    CStructColourWell m_wndColourWell;
    CStructPropertiesPane m_wndProperties;
    CStructMembersPane m_wndMembers;
    CStructOutputPane m_wndOutput;
    CStructSectionsPane m_wndSections;
};
