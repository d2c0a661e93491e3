// CBCGPWorkspace.cpp: the application's docking settings.
#include "CBCGPWorkspace.h"
#include "CBCGPMDIFrameWnd.h"

static CBCGPWorkspace* s_pWorkspace = NULL;

CBCGPWorkspace::CBCGPWorkspace() : m_strRegSection("Workspace")
{
    s_pWorkspace = this;
}

CBCGPWorkspace::~CBCGPWorkspace()
{
    if (s_pWorkspace == this)
        s_pWorkspace = NULL;
}

BOOL CBCGPWorkspace::SetRegistryBase(LPCTSTR lpszSectionName)
{
    // A trailing separator would give the stored items an empty key level.
    m_strRegSection = lpszSectionName != NULL ? lpszSectionName : "";
    m_strRegSection.TrimRight('\\');
    if (m_strRegSection.IsEmpty())
        m_strRegSection = "Workspace";
    return TRUE;
}

CString CBCGPWorkspace::GetRegSectionPath(LPCTSTR lpszSectionAdd) const
{
    CString strSection = m_strRegSection;
    if (lpszSectionAdd != NULL && *lpszSectionAdd != '\0')
    {
        strSection += '\\';
        strSection += lpszSectionAdd;
    }
    return strSection;
}

CBCGPWorkspace* CBCGPWorkspace::GetWorkspace()
{
    return s_pWorkspace;
}

BOOL CBCGPWorkspace::SaveState(LPCTSTR lpszSectionName, CBCGPMDIFrameWnd* pFrame)
{
    return pFrame != NULL && pFrame->GetDockManager()->SaveState(GetRegSectionPath(lpszSectionName));
}

BOOL CBCGPWorkspace::LoadState(LPCTSTR lpszSectionName, CBCGPMDIFrameWnd* pFrame)
{
    return pFrame != NULL && pFrame->GetDockManager()->LoadState(GetRegSectionPath(lpszSectionName));
}
