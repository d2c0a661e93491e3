// CCommonDialog.h: CCommonDialog, the base of the framework's wrappers of the system's common
// dialogs (colour, font, file): the system runs the dialog, and a hook procedure attaches the
// object to it so that the dialog's messages reach the object's message map (Windows only).
#pragma once

#include "CDialog.h"

// The hook procedure of every common dialog the framework runs: at WM_INITDIALOG it attaches
// the object whose DoModal is running to the hooked dialog and initialises it through its map.
KWAFX_API UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

class KWAFX_API CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

    // Called by the hook procedure with messages the system sends it rather than the window
    // (such as the colour dialog's registered ones); TRUE when handled, with the answer in
    // *pResult.
    virtual BOOL OnHookMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

protected:
    // The system dialog closes itself: OK validates the object's data first, then both go on
    // to the dialog's own handling.
    void OnOK() override;
    void OnCancel() override;

    // Around the system call of DoModal: BeginModal finds the owner and arms the hook for this
    // object; EndModal disarms it, restores what BeginModal disabled and turns the system's
    // answer into IDOK or IDCANCEL.
    HWND BeginModal();
    int EndModal(BOOL bResult);
};
