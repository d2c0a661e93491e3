// CBCGPWorkspace.h: CBCGPWorkspace, the docking library's settings for one application: the
// profile section its bars store their state under, and the set-up calls of its managers.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

// A plain base class: the host's application object derives from CWinApp and from this.
class CBCGPMDIFrameWnd;

class KWDOCK_API CBCGPWorkspace
{
public:
    CBCGPWorkspace();
    virtual ~CBCGPWorkspace();
    CBCGPWorkspace(const CBCGPWorkspace&) = delete;
    CBCGPWorkspace& operator=(const CBCGPWorkspace&) = delete;

    // The profile section the bars keep their state under; NULL or empty gives "Workspace".
    BOOL SetRegistryBase(LPCTSTR lpszSectionName = NULL);
    LPCTSTR GetRegistryBase() const { return m_strRegSection; }
    // The section of one stored item below the base: "<base>\<lpszSectionAdd>" (the base alone
    // without an addition).
    CString GetRegSectionPath(LPCTSTR lpszSectionAdd = NULL) const;

    // The managers of the full library (keyboard, mouse, context menus, the shell, tooltips):
    // this library keeps nothing for them, so the set-up a host makes succeeds and does nothing.
    BOOL InitKeyboardManager() { return TRUE; }
    BOOL InitMouseManager() { return TRUE; }
    BOOL InitContextMenuManager() { return TRUE; }
    BOOL InitShellManager() { return TRUE; }
    BOOL InitTooltipManager() { return TRUE; }

    // The docking layout of pFrame's bars, kept under the registry base (and lpszSectionName
    // below it when given), one key per bar by its id.
    virtual BOOL SaveState(LPCTSTR lpszSectionName, CBCGPMDIFrameWnd* pFrame);
    virtual BOOL LoadState(LPCTSTR lpszSectionName, CBCGPMDIFrameWnd* pFrame);

    // The application's workspace (the one made last and still alive), else NULL.
    static CBCGPWorkspace* GetWorkspace();

private:
    CString m_strRegSection;
};
