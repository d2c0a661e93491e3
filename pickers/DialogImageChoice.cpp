// DialogImageChoice.cpp: the dialog around the thumbnail area, and the helper that runs it.
#include "pickers/DialogImageChoice.h"

#include "core/CoreGlobalMethods.h"
#include "core/KwPalette.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDialogImageChoice, CDialog)
    ON_BN_CLICKED(IDC_KW_IMAGE_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CDialogImageChoice::CDialogImageChoice(CWnd* pParentWnd)
    : CDialog(IDD_KW_IMAGE_CHOICE, pParentWnd)
{
}

BOOL CDialogImageChoice::OnInitDialog()
{
    CDialog::OnInitDialog();
    CKwPalette::FollowInDialog(m_hWnd);
    CRect rect;
    CWnd* pPlaceholder = GetDlgItem(IDC_KW_IMAGE_CHOICE_AREA);
    if (pPlaceholder != NULL) {
        pPlaceholder->GetWindowRect(&rect);
        ScreenToClient(&rect);
    }
    m_wndChoice.Create(rect, this);
    return TRUE;
}

void CDialogImageChoice::OnBrowse()
{
    CDialogImageChoiceWnd& choice = m_wndChoice;
    if (CCoreGlobalMethods::BrowseForImageWithoutChoice(choice.m_nFormats, choice.m_strBrowseFolder, choice.m_strSelectedFile, true))
        EndDialog(IDOK);
}

// Declared with the other helpers in core/, which may not see the dialog; built here with it.
int CCoreGlobalMethods::BrowseForImageWithChoice(UINT formats, CString& choiceFolder, CString& browseFolder, CString& path)
{
    CDialogImageChoice dlg;
    dlg.m_wndChoice.m_nFormats = formats;
    dlg.m_wndChoice.m_strChoiceFolder = choiceFolder;
    dlg.m_wndChoice.m_strBrowseFolder = browseFolder;
    if (dlg.DoModal() != IDOK)
        return 0;
    path = dlg.m_wndChoice.m_strSelectedFile;
    browseFolder = dlg.m_wndChoice.m_strBrowseFolder;
    return 1;
}
