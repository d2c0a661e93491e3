// WizardApp.cpp: a dialog-based host as the application wizard writes it: the main dialog with
// data exchange and validation, its icon, painted when minimized, and InitInstance returning
// FALSE after DoModal. The dialog answers itself from a timer; the host reports on standard
// output and exits with 0 when every check held (else the number of the first that failed).
#include "stdafx.h"
#include "resource.h"

#include <stdio.h>

static int g_nFirstFailure = 0;

static void Check(BOOL bOk, int nCheck)
{
    if (!bOk && g_nFirstFailure == 0)
        g_nFirstFailure = nCheck;
}

class CWizardDlg : public CDialog
{
public:
    CWizardDlg(CWnd* pParent = NULL);

    //{{AFX_DATA(CWizardDlg)
    enum { IDD = IDD_WIZARD_DIALOG };
    int m_nCount;
    CString m_strName;
    BOOL m_bEnabled;
    //}}AFX_DATA

protected:
    HICON m_hIcon;
    int m_nStep;

    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};

CWizardDlg::CWizardDlg(CWnd* pParent /*=NULL*/) : CDialog(CWizardDlg::IDD, pParent)
{
    //{{AFX_DATA_INIT(CWizardDlg)
    m_nCount = 3;
    m_strName = _T("");
    m_bEnabled = FALSE;
    //}}AFX_DATA_INIT
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    m_nStep = 0;
}

void CWizardDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    //{{AFX_DATA_MAP(CWizardDlg)
    DDX_Text(pDX, IDC_COUNT, m_nCount);
    DDV_MinMaxInt(pDX, m_nCount, 1, 10);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDX_Check(pDX, IDC_ENABLED, m_bEnabled);
    //}}AFX_DATA_MAP
}

BEGIN_MESSAGE_MAP(CWizardDlg, CDialog)
    //{{AFX_MSG_MAP(CWizardDlg)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_TIMER()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

BOOL CWizardDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    // Set the icon for this dialog.  The framework does this automatically
    //  when the application's main window is not a dialog
    SetIcon(m_hIcon, TRUE);  // Set big icon
    SetIcon(m_hIcon, FALSE); // Set small icon

    SetTimer(1, 50, NULL);
    return TRUE; // return TRUE  unless you set the focus to a control
}

// If you add a minimize button to your dialog, you will need the code below
//  to draw the icon.
void CWizardDlg::OnPaint()
{
    if (IsIconic())
    {
        CPaintDC dc(this); // device context for painting

        SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);

        // Center icon in client rectangle
        int cxIcon = GetSystemMetrics(SM_CXICON);
        int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        int x = (rect.Width() - cxIcon + 1) / 2;
        int y = (rect.Height() - cyIcon + 1) / 2;

        // Draw the icon
        dc.DrawIcon(x, y, m_hIcon);
    }
    else
    {
        CDialog::OnPaint();
    }
}

// The system calls this to obtain the cursor to display while the user drags
//  the minimized window.
HCURSOR CWizardDlg::OnQueryDragIcon()
{
    return (HCURSOR)m_hIcon;
}

// The user's part: a count out of range first, which validation refuses with a message box
// (the timer goes on inside its loop), then one in range.
void CWizardDlg::OnTimer(UINT_PTR nIDEvent)
{
    CString strCount;
    switch (m_nStep++)
    {
    case 0:
        GetDlgItemText(IDC_COUNT, strCount);
        printf("filled: count %s\n", (LPCTSTR)strCount);
        Check(GetIcon(TRUE) == m_hIcon && GetIcon(FALSE) == m_hIcon, 1);
        Check(SendMessage(WM_QUERYDRAGICON) == (LRESULT)m_hIcon, 2);
        SetDlgItemText(IDC_COUNT, _T("42"));
        SetDlgItemText(IDC_NAME, _T("Wizard"));
        CheckDlgButton(IDC_ENABLED, BST_CHECKED);
        PostMessage(WM_COMMAND, IDOK);
        break;
    case 1:
    {
        HWND hBox = ::GetLastActivePopup(m_hWnd);
        Check(hBox != m_hWnd, 3);
        TCHAR szText[256] = _T("");
        ::GetDlgItemText(hBox, 0xFFFF, szText, 256);
        printf("refused: %s\n", szText);
        ::PostMessage(hBox, WM_COMMAND, IDOK, 0);
        break;
    }
    case 2:
        Check(GetFocus() == GetDlgItem(IDC_COUNT), 4);
        SetDlgItemText(IDC_COUNT, _T("7"));
        KillTimer(1);
        PostMessage(WM_COMMAND, IDOK);
        break;
    }
}

class CWizardApp : public CWinApp
{
public:
    virtual BOOL InitInstance();
    virtual int ExitInstance();
};

CWizardApp theApp;

BOOL CWizardApp::InitInstance()
{
    Enable3dControls(); // Call this when using the framework in a shared DLL

    CWizardDlg dlg;
    m_pMainWnd = &dlg;
    int nResponse = dlg.DoModal();
    if (nResponse == IDOK)
    {
        // TODO: Place code here to handle when the dialog is
        //  dismissed with OK
        printf("OK: count %d, name %s, enabled %d\n", dlg.m_nCount, (LPCTSTR)dlg.m_strName, dlg.m_bEnabled);
    }
    else if (nResponse == IDCANCEL)
    {
        printf("cancelled\n");
    }
    Check(m_pMainWnd == NULL, 5);

    // Since the dialog has been closed, return FALSE so that we exit the
    //  application, rather than start the application's message pump.
    return FALSE;
}

int CWizardApp::ExitInstance()
{
    printf("app: %s\n", m_pszAppName);
    CWinApp::ExitInstance();
    return g_nFirstFailure;
}
