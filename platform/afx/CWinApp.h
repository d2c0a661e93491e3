// CWinApp.h: CWinApp, the application object (one per process, made as a global of the
// executable): start-up and the main loop, the application profile in the registry or an .ini
// file, message boxes; and the functions that reach the application and its module.
#pragma once

#include "CString.h"
#include "CWinThread.h"
#include "afxres.h"

class CCommandLineInfo;
class CDocManager;
class CDocTemplate;
class CDocument;
class CRecentFileList;

class KWAFX_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    // The strings are the application's own (malloc'd, freed by the destructor): a host that
    // replaces one frees the old and assigns a strdup'd copy, as with the framework.
    LPCTSTR m_pszAppName;
    LPCTSTR m_pszExeName; // the executable's file name without folder and extension
    LPCTSTR m_pszHelpFilePath;
    LPCTSTR m_pszProfileName; // "<exe>.INI", or the application name once a registry key is set
    LPCTSTR m_pszRegistryKey; // NULL: the profile lives in the .ini file
    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;

    virtual BOOL InitApplication();
    virtual BOOL InitInstance() override;
    virtual int ExitInstance() override;
    virtual BOOL OnIdle(LONG lCount) override;
    // AfxMessageBox comes here: owner the main window, caption the application's name.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Icons and cursors of the application's resources (searched along the resource chain), and
    // the system's own (IDI_APPLICATION, IDC_ARROW ...).
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;

    // Help: WinHelp on m_pszHelpFilePath for the main window. OnHelp (for ID_HELP and F1) first
    // offers WM_COMMANDHELP to the window with the focus and its parents; the help file's
    // contents open when none answers.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    afx_msg void OnHelp();

    // Older applications ask for three-dimensional controls; every control has that look now.
    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }

    // From now on the profile is HKEY_CURRENT_USER\Software\<key>\<application name>.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    // Open (and create) the application's key and a section's key; the caller closes them.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);

    // Profile values: DWORD, string and binary values of the section's key (or keys of the .ini
    // file). A value of another type reads as absent. A NULL entry in WriteProfileString
    // removes the whole section, a NULL value the entry.
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is new[]'d for the caller to delete[]; NULL and 0 when absent.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Names and handles from the module, called by AfxWinInit.
    void SetCurrentHandles();

    // Documents: the templates and the manager that holds them (made by the first
    // AddDocTemplate unless the application set its own), and the recent-file list.
    CDocManager* m_pDocManager;
    CRecentFileList* m_pRecentFileList;
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
        CDocTemplate* pTemplate);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount();
    void RegisterShellFileTypes(BOOL bCompat = FALSE);
    // The recent-file list ("Recent File List", "File1"...) with nMaxMRU entries, read now and
    // written back by ExitInstance.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // FALSE when the command could not be carried out (no main window after File New, a file
    // that does not open).
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    void HideApplication();

    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnAppExit();
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    // Opens recent file nID - ID_FILE_MRU_FILE1; a file that no longer opens leaves the list.
    afx_msg BOOL OnOpenRecentFile(UINT nID);

protected:
    DECLARE_MESSAGE_MAP()
};

KWAFX_API CWinApp* AFXAPI AfxGetApp();
KWAFX_API CWnd* AFXAPI AfxGetMainWnd();
KWAFX_API LPCTSTR AFXAPI AfxGetAppName();
KWAFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
// The module resources are loaded from by default (the executable unless changed).
KWAFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
KWAFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

// Older applications ask for ActiveX control hosting in dialogs; the framework's dialogs hold
// Windows' own controls only, so there is nothing to switch on.
inline void AFXAPI AfxEnableControlContainer() {}

KWAFX_API int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
KWAFX_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// Start-up of the application object; WinMain (see afxwinmain.h) calls AfxWinMain.
KWAFX_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
KWAFX_API void AFXAPI AfxWinTerm();
KWAFX_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
