// DialogImageChoice.h: CDialogImageChoice, the modal "Choose Image" dialog: the pictures of one
// folder as thumbnails to pick from, or any picture file through "Browse...".
#pragma once

#include "pickers/DialogImageChoiceWnd.h"

class KWUI_API CDialogImageChoice : public CDialog
{
public:
    explicit CDialogImageChoice(CWnd* pParentWnd = NULL);

    // The thumbnail area; its formats and folders are set before DoModal, and after IDOK it
    // holds the chosen file and the folder "Browse..." ended in.
    CDialogImageChoiceWnd m_wndChoice;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnBrowse();
    DECLARE_MESSAGE_MAP()
};
