// GalleryFrame.cpp: the type dialog, saved while its modal loop runs, and the visual managers'
// bars.
#include "GalleryFrame.h"
#include "Gallery.h"
#include "GalleryHelpers.h"

#include "pickers/KwTemplateDialog.h"

#include <CBCGPVisualManagerXP.h>
#include <afxwin.h>

#include <memory>
#include <vector>

namespace {

const char* s_pszFolder = NULL;
bool s_bDialogSaved = false;

// Runs in the dialog's modal loop: saves the dialog once it is up, then closes it.
void CALLBACK SaveTypeDialog(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hDlg = ::FindWindowA("#32770", "New");
    if (hDlg == NULL || !::IsWindowVisible(hDlg))
        return;
    ::KillTimer(NULL, nTimer);
    ::UpdateWindow(hDlg);
    s_bDialogSaved = GallerySaveWindow(hDlg, s_pszFolder, "template-dialog");
    ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
}

bool SaveTemplateDialog(const char* pszFolder)
{
    std::vector<std::unique_ptr<CMultiDocTemplate>> templates;
    CList<CDocTemplate*, CDocTemplate*> list;
    for (const char* pszStrings : {"\nModel\nStructural model\nModels\n.mdl", "\nLoads\nLoad case table\nLoads\n.kld",
             "\nReport\nCalculation report\nReports\n.krp"})
    {
        templates.emplace_back(new CMultiDocTemplate(1, NULL, NULL, NULL));
        templates.back()->m_strDocStrings = pszStrings;
        list.AddTail(templates.back().get());
    }
    s_pszFolder = pszFolder;
    s_bDialogSaved = false;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, SaveTypeDialog);
    CKwTemplateDialog dlg(&list);
    dlg.DoModal();
    ::KillTimer(NULL, nTimer);
    return s_bDialogSaved;
}

// One column per look: a bar with its border and, above it, the active and inactive captions.
void PaintManagers(CDC& dc)
{
    dc.FillSolidRect(0, 0, GalleryScaled(340), GalleryScaled(150), RGB(255, 255, 255));
    CBCGPVisualManager plain;
    CBCGPVisualManagerXP xp;
    CBCGPVisualManager* managers[] = {&plain, &xp};
    const char* names[] = {"Plain", "XP"};
    const UINT nDpi = CDpi::ForWindow(NULL);
    for (int i = 0; i < 2; i++)
    {
        int x = 10 + i * 165;
        managers[i]->OnDrawCaption(&dc, GalleryScaled(x, 10, x + 155, 28), CString(names[i]) + " - active",
            TRUE, 0, nDpi);
        managers[i]->OnDrawCaption(&dc, GalleryScaled(x, 32, x + 155, 50), CString(names[i]) + " - inactive",
            FALSE, 0, nDpi);
        CRect bar = GalleryScaled(x, 56, x + 155, 140);
        managers[i]->OnFillBarBackground(&dc, bar);
        managers[i]->OnDrawBarBorder(&dc, bar);
    }
}

} // namespace

bool GalleryFrame(const char* pszFolder)
{
    bool bDialog = SaveTemplateDialog(pszFolder);
    bool bManagers = GallerySavePainting(pszFolder, "visual-managers", GalleryScaled(340), GalleryScaled(150),
        PaintManagers);
    return bDialog && bManagers;
}
