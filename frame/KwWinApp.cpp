// KwWinApp.cpp: the toolkit's application object.
#include "frame/KwWinApp.h"
#include "frame/KwDocManager.h"

#include "core/CFileName.h"

#include <BCGCBProCleanUp.h>
#include <CBCGPVisualManagerXP.h>

#include <shlwapi.h>

IMPLEMENT_DYNAMIC(CKwWinApp, CWinApp)

CKwWinApp::CKwWinApp(LPCTSTR lpszAppName) : CWinApp(lpszAppName)
{
    if (m_pDocManager == NULL)
        m_pDocManager = new CKwDocManager;
}

CString CKwWinApp::GetAppDir()
{
    char szModule[MAX_PATH] = "";
    ::GetModuleFileNameA(m_hInstance, szModule, MAX_PATH);
    szModule[MAX_PATH - 1] = '\0'; // a cut name comes back without its end on older systems
    CFileName module(szModule);
    return module.GetDrive() + module.GetDir();
}

CDocTemplate* CKwWinApp::FindMatchingTemplate(LPCTSTR lpszPathName)
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CDocument* pMatch = NULL;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(lpszPathName, pMatch);
        if (match == CDocTemplate::yesAttemptNative || match == CDocTemplate::yesAlreadyOpen)
            return pTemplate;
    }
    return NULL;
}

namespace {
// The default value of HKEY_CLASSES_ROOT\<lpszKey>: the file type an extension belongs to.
CString ClassesDefault(LPCTSTR lpszKey)
{
    char szValue[MAX_PATH] = "";
    DWORD dwType = 0, cb = sizeof(szValue);
    if (::SHGetValueA(HKEY_CLASSES_ROOT, lpszKey, NULL, &dwType, szValue, &cb) != ERROR_SUCCESS || dwType != REG_SZ)
        return CString();
    szValue[sizeof(szValue) - 1] = '\0';
    return szValue;
}
}

void CKwWinApp::RegisterShellFileTypesNoShellNew()
{
    RegisterShellFileTypes(TRUE);
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CString strFilterExt, strFileTypeId;
        if (!pTemplate->GetDocString(strFilterExt, CDocTemplate::filterExt) || strFilterExt.IsEmpty())
            continue;
        // An extension shared with other programs (".txt") keeps the entries they made.
        pTemplate->GetDocString(strFileTypeId, CDocTemplate::regFileTypeId);
        if (strFileTypeId.IsEmpty() || ClassesDefault(strFilterExt) != strFileTypeId)
            continue;
        ::SHDeleteKeyA(HKEY_CLASSES_ROOT, strFilterExt + "\\ShellNew");
    }
}

void CKwWinApp::InitBCGSoft()
{
    SetRegistryBase("Settings");
    InitKeyboardManager();
    CBCGPVisualManager::SetDefaultManager(RUNTIME_CLASS(CBCGPVisualManagerXP));
}

BOOL CKwWinApp::InitInstance()
{
    return CWinApp::InitInstance();
}

int CKwWinApp::ExitInstance()
{
    BCGCBProCleanUp();
    return CWinApp::ExitInstance();
}
