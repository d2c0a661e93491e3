// GalleryFileDialog.cpp: the save dialog, saved from a timer while its modal loop runs.
#include "GalleryFileDialog.h"

#include "Gallery.h"

#include "pickers/KwFileDialog.h"

namespace {

const char* s_pszFolder = NULL;
bool s_bSaved = false;

// The dialog is the thread's visible top-level "#32770" window.
BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam)
{
    char szClass[16] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpA(szClass, "#32770") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    *(HWND*)lParam = hWnd;
    return FALSE;
}

void CALLBACK SaveDialog(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hDlg = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, (LPARAM)&hDlg);
    if (hDlg == NULL)
        return;
    ::KillTimer(NULL, nTimer);
    // The folder view fills in after the dialog shows.
    GalleryPump(500);
    ::RedrawWindow(hDlg, NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    s_bSaved = GallerySaveWindow(hDlg, s_pszFolder, "file-dialog");
    ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
}

} // namespace

bool GalleryFileDialog(const char* pszFolder)
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    CKwFileDialog dlg("report", 0, CKwFileDialog::eSaveDialog, "Comma separated|*.csv|Text|*.txt|All files|*.*|",
        "Model|Load table|Report|", -1, -1);
    dlg.m_ofn.lpstrInitialDir = szTemp;
    s_pszFolder = pszFolder;
    s_bSaved = false;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, SaveDialog);
    dlg.DoModal();
    ::KillTimer(NULL, nTimer);
    return s_bSaved;
}
