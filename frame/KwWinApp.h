// KwWinApp.h: declares CKwWinApp, the application object hosts derive from: the framework's
// application with the docking library's workspace, the toolkit's document manager, the
// application's folder, template lookup and shell registration without new-document entries.
#pragma once

#include "core/KwUiExport.h"

#include <CBCGPWorkspace.h>
#include <afxadv.h>
#include <afxwin.h>

class KWUI_API CKwWinApp : public CWinApp, public CBCGPWorkspace
{
    DECLARE_DYNAMIC(CKwWinApp)
public:
    // Makes a CKwDocManager the application's document manager.
    explicit CKwWinApp(LPCTSTR lpszAppName = NULL);

    // The drive and folder of the application's module, ending with its separator.
    CString GetAppDir();
    // The first template, in the application's order, that takes the file as its own or has it
    // open; NULL when none does.
    CDocTemplate* FindMatchingTemplate(LPCTSTR lpszPathName);
    CRecentFileList* GetRecentFileList() { return m_pRecentFileList; }
    // Registers the templates' file types with the shell, then removes the "ShellNew" entries the
    // registration gives the extensions this application owns, so that the shell's New menu
    // does not offer the host's types.
    void RegisterShellFileTypesNoShellNew();
    // The docking library's set-up: its settings under "Settings", its keyboard manager and the
    // XP look. The host calls it from its InitInstance.
    void InitBCGSoft();

    BOOL InitInstance() override;
    // Frees the docking library's process-wide state first.
    int ExitInstance() override;
};
