// GalleryDialog.cpp: a dialog from the gallery's resources, filled through data exchange, and the
// framework's New dialog.
#include "GalleryDialog.h"
#include "Gallery.h"
#include "GalleryDialog.rh"

#include <afxwin.h>

namespace {

class CPrintDialog : public CDialog
{
public:
    CPrintDialog() : CDialog(IDD_GALLERY_DIALOG) {}

    CString m_strTitle = "Bridge deck, section A-A";
    int m_nCopies = 2;
    CString m_strFormat = "A3";
    CString m_strSheet = "Reinforcement";
    int m_nOrientation = 1;
    int m_nColour = 1;

protected:
    BOOL OnInitDialog() override
    {
        for (const char* psz : {"A4", "A3", "A1", "Letter"})
            SendDlgItemMessage(IDC_GALLERY_FORMAT, CB_ADDSTRING, 0, (LPARAM)psz);
        for (const char* psz : {"Plan view", "Elevation", "Reinforcement", "Details"})
            SendDlgItemMessage(IDC_GALLERY_PAGES, LB_ADDSTRING, 0, (LPARAM)psz);
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_GALLERY_NAME, m_strTitle);
        DDX_Text(pDX, IDC_GALLERY_COPIES, m_nCopies);
        DDX_CBString(pDX, IDC_GALLERY_FORMAT, m_strFormat);
        DDX_LBString(pDX, IDC_GALLERY_PAGES, m_strSheet);
        DDX_Radio(pDX, IDC_GALLERY_PORTRAIT, m_nOrientation);
        DDX_Check(pDX, IDC_GALLERY_COLOUR, m_nColour);
    }
};

} // namespace

bool GallerySaveDialog(CDialog& dlg, const char* pszFolder, const char* pszName)
{
    dlg.ShowWindow(SW_SHOWNORMAL);
    dlg.UpdateWindow();
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (!dlg.PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    bool bSaved = GallerySaveWindow(dlg.m_hWnd, pszFolder, pszName);
    dlg.DestroyWindow();
    return bSaved;
}

bool GalleryDialog(const char* pszFolder)
{
    CPrintDialog dlg;
    return dlg.Create(IDD_GALLERY_DIALOG) && GallerySaveDialog(dlg, pszFolder, "dialog");
}

bool GalleryNewTypeDialog(const char* pszFolder)
{
    CDialog dlg;
    if (!dlg.Create(AFX_IDD_NEWTYPEDLG))
        return false;
    for (const char* psz : {"Drawing", "Schedule", "Bill of materials"})
        dlg.SendDlgItemMessage(AFX_IDC_LISTBOX, LB_ADDSTRING, 0, (LPARAM)psz);
    dlg.SendDlgItemMessage(AFX_IDC_LISTBOX, LB_SETCURSEL, 0);
    return GallerySaveDialog(dlg, pszFolder, "new-type-dialog");
}
