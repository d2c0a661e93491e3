// CRecentFileList.cpp: the recent-file list, its menu items and its place in the profile.
#include "CRecentFileList.h"
#include "CCmdUI.h"
#include "CInvalidArgException.h"
#include "CMenu.h"
#include "CWinApp.h"

namespace {

// The longest name the list keeps: what the file dialogs and the shell hand over.
const int kMaxPathLength = MAX_PATH - 1;

// The name's full path, or an empty string when it has none within MAX_PATH.
CString FullPath(LPCTSTR lpszPathName)
{
    char szPath[MAX_PATH];
    DWORD nLen = ::GetFullPathNameA(lpszPathName, MAX_PATH, szPath, NULL);
    return nLen != 0 && nLen < MAX_PATH ? CString(szPath) : CString();
}

// The folder of a path without its last separator: "c:\docs" for "c:\docs\a.txt" and for
// "c:\docs\".
CString FolderOf(LPCTSTR lpszPath, int nLen)
{
    CString strFolder(lpszPath, nLen);
    strFolder.TrimRight("\\/");
    return strFolder;
}

// The menu's number for a file: "&1" to "&9", "1&0", then plain numbers.
CString MenuNumber(UINT nNumber)
{
    CString strNumber;
    if (nNumber < 10)
        strNumber.Format("&%u", nNumber);
    else if (nNumber == 10)
        strNumber = "1&0";
    else
        strNumber.Format("%u", nNumber);
    return strNumber;
}

} // namespace

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
    int nMaxDispLen)
    : m_nSize(nSize), m_arrNames(NULL), m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat),
      m_nStart(nStart), m_nMaxDisplayLength(nMaxDispLen)
{
    // Each file has a command of its own, ID_FILE_MRU_FILE1 and up.
    if (nSize < 0 || nSize > ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1)
        AfxThrowInvalidArgException();
    m_arrNames = new CString[nSize > 0 ? nSize : 1];
}

CRecentFileList::~CRecentFileList()
{
    delete[] m_arrNames;
}

int CRecentFileList::GetSize() const
{
    return m_nSize;
}

void CRecentFileList::CheckIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nSize)
        AfxThrowInvalidArgException();
}

CString& CRecentFileList::operator[](int nIndex)
{
    CheckIndex(nIndex);
    return m_arrNames[nIndex];
}

BOOL CRecentFileList::IsListed(LPCTSTR lpszPath, int nCount) const
{
    for (int i = 0; i < nCount; i++)
    {
        if (m_arrNames[i].CompareNoCase(lpszPath) == 0)
            return TRUE;
    }
    return FALSE;
}

void CRecentFileList::Remove(int nIndex)
{
    CheckIndex(nIndex);
    for (int i = nIndex; i < m_nSize - 1; i++)
        m_arrNames[i] = m_arrNames[i + 1];
    m_arrNames[m_nSize - 1].Empty();
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (lpszPathName == NULL || *lpszPathName == '\0' || m_nSize == 0)
        return;
    CString strPath = FullPath(lpszPathName);
    if (strPath.IsEmpty())
        return;
    // The entry that makes room: the file's own place when listed, else the last (oldest).
    int nFree = 0;
    while (nFree < m_nSize - 1 && m_arrNames[nFree].CompareNoCase(strPath) != 0)
        nFree++;
    for (int i = nFree; i > 0; i--)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = strPath;
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
    BOOL bAtLeastName) const
{
    CheckIndex(nIndex);
    const CString& strPath = m_arrNames[nIndex];
    if (strPath.IsEmpty())
        return FALSE;
    int nName = strPath.GetLength();
    while (nName > 0 && strPath[nName - 1] != '\\' && strPath[nName - 1] != '/')
        nName--;
    CString strShown = strPath;
    if (lpszCurDir != NULL && nCurDir > 0 && nName > 0)
    {
        int nCurLen = lstrlenA(lpszCurDir);
        CString strCurDir = FolderOf(lpszCurDir, nCurDir < nCurLen ? nCurDir : nCurLen);
        if (!strCurDir.IsEmpty() && FolderOf(strPath, nName).CompareNoCase(strCurDir) == 0)
            strShown = strPath.Mid(nName);
    }
    strName = AfxAbbreviateName(strShown, m_nMaxDisplayLength, bAtLeastName);
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    if (pCmdUI == NULL)
        return;
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (m_strOriginal.IsEmpty() && pMenu != NULL)
        pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);

    if (m_nSize == 0 || m_arrNames[0].IsEmpty())
    {
        // Files listed before (since removed) go; their first item stays, as it was, disabled.
        if (pMenu != NULL)
        {
            for (int i = 1; i < m_nSize; i++)
                pMenu->DeleteMenu(pCmdUI->m_nID + i, MF_BYCOMMAND);
            pCmdUI->m_nIndexMax = (UINT)pMenu->GetMenuItemCount();
        }
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    if (pMenu == NULL)
        return;

    for (int i = 0; i < m_nSize; i++)
        pMenu->DeleteMenu(pCmdUI->m_nID + i, MF_BYCOMMAND);
    // Files in the current folder show by name alone.
    char szCurDir[MAX_PATH];
    DWORD nCurDir = ::GetCurrentDirectoryA(MAX_PATH, szCurDir);
    if (nCurDir >= MAX_PATH)
        nCurDir = 0;
    UINT nIndex = pCmdUI->m_nIndex;
    UINT nID = pCmdUI->m_nID;
    CString strName;
    for (int i = 0; i < m_nSize && GetDisplayName(strName, i, szCurDir, (int)nCurDir); i++)
    {
        // An ampersand in a name is shown, not taken for the item's mnemonic.
        strName.Replace("&", "&&");
        pMenu->InsertMenu(nIndex++, MF_STRING | MF_BYPOSITION, nID++, MenuNumber(m_nStart + i + 1) + " " + strName);
    }
    // The caller's loop over the menu goes on after the last file, whose items are all enabled.
    pCmdUI->m_nIndex = nIndex - 1;
    pCmdUI->m_nID = nID - 1;
    pCmdUI->m_nIndexMax = (UINT)pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    // Empty, overlong and repeated entries are skipped, so the files keep together at the top.
    int nCount = 0;
    CString strEntry;
    for (int i = 0; i < m_nSize; i++)
    {
        strEntry.Format(m_strEntryFormat, i + 1);
        CString strPath = pApp->GetProfileString(m_strSectionName, strEntry);
        if (!strPath.IsEmpty() && strPath.GetLength() <= kMaxPathLength && !IsListed(strPath, nCount))
            m_arrNames[nCount++] = strPath;
    }
    while (nCount < m_nSize)
        m_arrNames[nCount++].Empty();
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    pApp->WriteProfileString(m_strSectionName, NULL, NULL);
    CString strEntry;
    for (int i = 0; i < m_nSize && !m_arrNames[i].IsEmpty(); i++)
    {
        strEntry.Format(m_strEntryFormat, i + 1);
        pApp->WriteProfileString(m_strSectionName, strEntry, m_arrNames[i]);
    }
}
