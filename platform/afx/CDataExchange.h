// CDataExchange.h: CDataExchange, the context of one data exchange between a dialog's members
// and its controls: the direction, and the control last prepared, which a failed validation
// focuses.
#pragma once

#include "afxtypes.h"

class CWnd;

class KWAFX_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls to members (with validation); FALSE: members to controls
    CWnd* m_pDlgWnd; // the dialog (or other window) whose controls are exchanged
    HWND m_hWndLastControl;
    BOOL m_bEditLastControl; // the last control is an edit control: Fail selects its text

    // The control nIDC of the dialog, remembered for Fail. A missing control throws
    // CNotSupportedException: the exchange names a control the template does not have.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange: when reading controls, focuses the last prepared control (selecting an
    // edit control's text), then throws CUserException.
    [[noreturn]] void Fail();
};
