// MembersDialog.h: CMembersDialog, the document's members in a grid that replaces the dialog's
// placeholder; OK writes the edited cells back into the document.
#pragma once

#include "HostDoc.h"
#include "grid/KwGridCtrl.h"

class CMembersDialog : public CDialog, public CKwGridCtrlListener
{
public:
    CMembersDialog(CHostDoc& doc, CWnd* pParent);

    CKwGridCtrl m_grid;

    // Writes the grid's cells into the document; it is modified when any of them changed.
    void Apply();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CHostDoc& m_doc;
};
