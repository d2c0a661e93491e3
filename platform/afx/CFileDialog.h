// CFileDialog.h: CFileDialog, the system's Explorer-style open and save dialog: filter, default
// extension, initial name, an optional extra child template, the notifications of the running
// dialog as virtual calls, and the chosen path or paths (Windows only).
#pragma once

#include "CCommonDialog.h"

#include <commdlg.h>

class KWAFX_API CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter holds description and pattern pairs, each field ended by '|' ("Text|*.txt||").
    // lpszDefExt (without its dot) completes names typed without an extension.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
        DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = NULL, CWnd* pParentWnd = NULL);

    int DoModal() override;

    // The chosen file: while the dialog is up, what it shows now; afterwards, the result.
    CString GetPathName() const;
    CString GetFileName() const; // name and extension
    CString GetFileExt() const; // without its dot
    CString GetFileTitle() const; // name without extension
    CString GetFolderPath() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    // The files of a multiple selection, each as a full path.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    // The Explorer dialog's controls, while it is up (ids of <dlgs.h>: edt1, cmb1, stc3...).
    void SetControlText(int nID, LPCSTR lpsz);
    CString GetControlText(int nID) const; // empty when the dialog is not up
    void HideControl(int nID);
    void SetDefExt(LPCSTR lpsz);

    OPENFILENAMEA m_ofn;
    BOOL m_bOpenFileDialog;

protected:
    // Notifications of the running dialog. OnFileNameOK returns TRUE to refuse the name (the
    // dialog stays up); OnShareViolation returns OFN_SHAREWARN, OFN_SHAREFALLTHROUGH or
    // OFN_SHARENOWARN.
    virtual void OnInitDone();
    virtual void OnFileNameChange();
    virtual void OnFolderChange();
    virtual void OnTypeChange();
    virtual BOOL OnFileNameOK();
    virtual UINT OnShareViolation(LPCTSTR lpszPathName);

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    CString m_strFilter; // the filter with '\0' for '|', ending in two of them
    CString m_strDefExt;
    char m_szFileTitle[64];
    char m_szFileName[_MAX_PATH];

private:
    // The Explorer dialog's answer to a CDM_ query, or FALSE when it is not up.
    BOOL QueryParent(UINT nMsg, CString& rResult) const;
    // One of the Explorer dialog's controls, or NULL when it is not up.
    HWND GetExplorerControl(int nID) const;
};
