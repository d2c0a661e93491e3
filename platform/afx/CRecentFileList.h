// CRecentFileList.h: CRecentFileList, the files last opened, newest first, as the File menu lists
// them and the application profile keeps them between runs (Windows only).
#pragma once

#include "CString.h"
#include "afxabbrev.h"

class CCmdUI;

class KWAFX_API CRecentFileList
{
public:
    // nStart: the number the menu gives the first file, less one. lpszSection, lpszEntryFormat:
    // where the profile keeps the list ("Recent File List", "File%d", numbered from 1). nSize:
    // how many files it keeps, 0 to 16 (the recent-file commands). nMaxDispLen: the longest
    // name the menu shows, -1 for whole paths.
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
        int nMaxDispLen = AFX_ABBREV_FILENAME_LEN);
    virtual ~CRecentFileList();
    CRecentFileList(const CRecentFileList&) = delete;
    CRecentFileList& operator=(const CRecentFileList&) = delete;

    // Every place of the list, the unused ones (after the files) empty.
    int GetSize() const;
    CString& operator[](int nIndex);

    // Removes entry nIndex; the files after it move up.
    virtual void Remove(int nIndex);
    // Puts the file's full path on top; a file listed already moves there, and the oldest drops
    // out of a full list. Empty names and paths longer than MAX_PATH allows are left out.
    virtual void Add(LPCTSTR lpszPathName);

    // The name the menu shows for entry nIndex: the file name alone when it lies in folder
    // lpszCurDir (nCurDir characters), otherwise its path, shortened to the display length
    // (see AfxAbbreviateName). FALSE when the entry is empty.
    BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
        BOOL bAtLeastName = TRUE) const;

    // The update handler of the first recent-file command: the menu lists the files from that
    // item on as "&1 name", "&2 name" ... with the following commands; without files the item
    // shows its original text, disabled.
    virtual void UpdateMenu(CCmdUI* pCmdUI);

    // The list from and to the application profile. Writing removes the section first, so that
    // files no longer listed do not come back.
    virtual void ReadList();
    virtual void WriteList();

    int m_nSize;
    CString* m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strOriginal; // the text of the menu item before files were listed there

protected:
    void CheckIndex(int nIndex) const;
    // Whether strPath is listed among the first nCount entries (compared without case).
    BOOL IsListed(LPCTSTR lpszPath, int nCount) const;
};
