// CWinApp.cpp: the application object, start-up, the main loop's idle work and message boxes.
#include "CWinApp.h"
#include "CDocManager.h"
#include "CRecentFileList.h"
#include "CWnd.h"
#include "afxresource.h"
#include "afxstate.h"

#include <commctrl.h>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(lpszAppName != NULL ? _strdup(lpszAppName) : NULL), m_pszExeName(NULL), m_pszHelpFilePath(NULL),
      m_pszProfileName(NULL), m_pszRegistryKey(NULL), m_hInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL),
      m_pDocManager(NULL), m_pRecentFileList(NULL)
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (pModuleState->m_pCurrentWinApp == NULL)
        pModuleState->m_pCurrentWinApp = this;
}

CWinApp::~CWinApp()
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (pModuleState->m_pCurrentWinApp == this)
    {
        pModuleState->m_pCurrentWinApp = NULL;
        pModuleState->m_lpszCurrentAppName = NULL;
    }
    delete m_pDocManager;
    delete m_pRecentFileList;
    free((void*)m_pszAppName);
    free((void*)m_pszExeName);
    free((void*)m_pszHelpFilePath);
    free((void*)m_pszProfileName);
    free((void*)m_pszRegistryKey);
}

void CWinApp::SetCurrentHandles()
{
    m_hInstance = AfxGetInstanceHandle();
    char szPath[MAX_PATH + 8] = "";
    ::GetModuleFileNameA(m_hInstance, szPath, MAX_PATH);
    // Without folder and extension.
    char* pszTitle = szPath;
    for (char* p = szPath; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            pszTitle = p + 1;
    char* pszDot = strrchr(pszTitle, '.');
    if (m_pszHelpFilePath == NULL)
    {
        CString strHelp(szPath, (int)((pszDot != NULL ? pszDot : pszTitle + strlen(pszTitle)) - szPath));
        strHelp += ".HLP";
        m_pszHelpFilePath = _strdup(strHelp);
    }
    if (pszDot != NULL)
        *pszDot = '\0';
    if (m_pszExeName == NULL)
        m_pszExeName = _strdup(pszTitle);
    if (m_pszAppName == NULL)
    {
        CString strTitle;
        m_pszAppName = _strdup(strTitle.LoadString(AFX_IDS_APP_TITLE) ? (LPCTSTR)strTitle : m_pszExeName);
    }
    AfxGetModuleState()->m_lpszCurrentAppName = m_pszAppName;
    if (m_pszProfileName == NULL)
    {
        CString strProfile(m_pszExeName);
        strProfile += ".INI";
        m_pszProfileName = _strdup(strProfile);
    }
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return (int)m_msgCur.wParam;
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    // Command-UI updates, then the clean-up; the application always asks for the second call.
    if (lCount <= 1)
        CWinThread::OnIdle(lCount);
    return lCount < 1;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    // The box belongs to whatever the user works with: the main window's last active popup.
    HWND hWndOwner = ::GetActiveWindow();
    CWnd* pMainWnd = GetMainWnd();
    if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL)
        hWndOwner = ::GetLastActivePopup(pMainWnd->m_hWnd);
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        }
    }
    return ::MessageBoxA(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconA(NULL, lpszIconName);
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorA(NULL, lpszCursorName);
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWnd* pMainWnd = GetMainWnd();
    ::WinHelpA(pMainWnd != NULL ? pMainWnd->m_hWnd : NULL, m_pszHelpFilePath, nCmd, dwData);
}

void CWinApp::OnHelp()
{
    for (HWND hWnd = ::GetFocus(); hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        if (::SendMessageA(hWnd, WM_COMMANDHELP, 0, 0))
            return;
    }
    WinHelp(0, HELP_FINDER);
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    free((void*)m_pszRegistryKey);
    m_pszRegistryKey = _strdup(lpszRegistryKey != NULL ? lpszRegistryKey : "");
    free((void*)m_pszProfileName);
    m_pszProfileName = _strdup(m_pszAppName != NULL ? m_pszAppName : "");
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

// Global access -----------------------------------------------------------------------------

CWinApp* AFXAPI AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return AfxGetModuleState()->m_lpszCurrentAppName;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    HINSTANCE hInst = AfxGetModuleState()->m_hCurrentInstanceHandle;
    return hInst != NULL ? hInst : ::GetModuleHandleA(NULL);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    HINSTANCE hInst = AfxGetModuleState()->m_hCurrentResourceHandle;
    return hInst != NULL ? hInst : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(::GetActiveWindow(), lpszText, NULL, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    return AfxMessageBox(strPrompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

// Start-up ------------------------------------------------------------------------------------

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    pModuleState->m_hCurrentInstanceHandle = hInstance;
    if (pModuleState->m_hCurrentResourceHandle == NULL)
        pModuleState->m_hCurrentResourceHandle = hInstance;
    // Hosts create common controls without asking for them.
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    AfxLockTempMaps();
    AfxUnlockTempMaps();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();
    if (pThread != NULL && AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) &&
        (pApp == NULL || pApp->InitApplication()))
    {
        if (!pThread->InitInstance())
        {
            if (pThread->m_pMainWnd != NULL)
                pThread->m_pMainWnd->DestroyWindow();
            nReturnCode = pThread->ExitInstance();
        }
        else
        {
            nReturnCode = pThread->Run();
        }
    }
    AfxWinTerm();
    return nReturnCode;
}
