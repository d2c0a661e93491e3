// NoteApp.cpp: a single-document host as the application wizard writes it: a document that
// serializes its text, a view that paints it, a main frame from IDR_MAINFRAME, and InitInstance
// with the profile, the template and the command line. The frame drives it from a timer (File
// New, an edit, a save and an open of the saved file); the host reports on standard output and
// exits with 0 when every check held (else the number of the first that failed).
#define VC_EXTRALEAN
#include <afxwin.h>
#include <afxext.h>

#include <stdio.h>

#include "resource.h"

static int g_nFirstFailure = 0;

static void Check(BOOL bOk, int nCheck)
{
    if (!bOk && g_nFirstFailure == 0)
        g_nFirstFailure = nCheck;
}

class CNoteDoc : public CDocument
{
protected:
    CNoteDoc() {}
    DECLARE_DYNCREATE(CNoteDoc)

public:
    CString m_strText;

    virtual BOOL OnNewDocument()
    {
        if (!CDocument::OnNewDocument())
            return FALSE;
        m_strText = _T("");
        return TRUE;
    }
    virtual void Serialize(CArchive& ar)
    {
        if (ar.IsStoring())
            ar << m_strText;
        else
            ar >> m_strText;
    }
};

IMPLEMENT_DYNCREATE(CNoteDoc, CDocument)

class CNoteView : public CView
{
protected:
    CNoteView() {}
    DECLARE_DYNCREATE(CNoteView)

public:
    CNoteDoc* GetDocument() { return (CNoteDoc*)m_pDocument; }
    virtual void OnDraw(CDC* pDC) { pDC->TextOut(5, 5, GetDocument()->m_strText); }
};

IMPLEMENT_DYNCREATE(CNoteView, CView)

class CMainFrame : public CFrameWnd
{
protected:
    CMainFrame() : m_nStep(0) {}
    DECLARE_DYNCREATE(CMainFrame)

    int m_nStep;
    CString m_strPath;

    void Report(LPCTSTR lpszWhen)
    {
        CString strTitle;
        GetWindowText(strTitle);
        CNoteDoc* pDoc = (CNoteDoc*)GetActiveDocument();
        printf("%s: \"%s\", text \"%s\"%s\n", lpszWhen, (LPCTSTR)strTitle, (LPCTSTR)pDoc->m_strText,
            pDoc->IsModified() ? ", modified" : "");
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        SetTimer(1, 50, NULL);
        return 0;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(1);
        Report(_T("started"));
        SendMessage(WM_COMMAND, ID_FILE_NEW);
        CNoteDoc* pDoc = (CNoteDoc*)GetActiveDocument();
        pDoc->m_strText = _T("Hello, notes");
        pDoc->SetModifiedFlag();
        pDoc->UpdateAllViews(NULL);
        Report(_T("edited"));

        TCHAR szDir[MAX_PATH];
        ::GetTempPath(MAX_PATH, szDir);
        m_strPath = CString(szDir) + _T("NoteHost.note");
        Check(pDoc->OnSaveDocument(m_strPath), 1);
        SendMessage(WM_COMMAND, ID_FILE_NEW);
        Report(_T("new"));
        Check(AfxGetApp()->OpenDocumentFile(m_strPath) == GetActiveDocument(), 2);
        Report(_T("opened"));
        Check(GetActiveDocument()->GetPathName() == m_strPath, 3);
        ::DeleteFile(m_strPath);
        PostMessage(WM_CLOSE);
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
END_MESSAGE_MAP()

class CNoteApp : public CWinApp
{
public:
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNoteApp, CWinApp)
    // Standard file based document commands
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
END_MESSAGE_MAP()

CNoteApp theApp;

BOOL CNoteApp::InitInstance()
{
    Enable3dControls();
    // Change the registry key under which our settings are stored.
    SetRegistryKey(_T("Local AppWizard-Generated Applications"));
    LoadStdProfileSettings(); // Load standard INI file options (including MRU)

    // Register the application's document templates.  Document templates
    //  serve as the connection between documents, frame windows and views.
    CSingleDocTemplate* pDocTemplate;
    pDocTemplate = new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CNoteDoc),
        RUNTIME_CLASS(CMainFrame), // main SDI frame window
        RUNTIME_CLASS(CNoteView));
    AddDocTemplate(pDocTemplate);

    // Parse command line for standard shell commands, DDE, file open
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);

    // Dispatch commands specified on the command line
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    // The one and only window has been initialized, so show and update it.
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CNoteApp::ExitInstance()
{
    printf("app: %s\n", m_pszAppName);
    CWinApp::ExitInstance();
    return g_nFirstFailure;
}
