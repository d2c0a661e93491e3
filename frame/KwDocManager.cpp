// KwDocManager.cpp: the toolkit's file dialogs for documents.
#include "frame/KwDocManager.h"

#include "core/CFileName.h"
#include "res/resource.h"

#include <commdlg.h>

#include <vector>

IMPLEMENT_DYNAMIC(CKwDocManager, CDocManager)

CKwDocManager::CKwDocManager() {}

CString CKwDocManager::BuildFilter(CDocTemplate* pTemplate, CStringArray& exts)
{
    std::vector<CDocTemplate*> templates;
    if (pTemplate != NULL)
        templates.push_back(pTemplate);
    for (POSITION pos = pTemplate == NULL ? GetFirstDocTemplatePosition() : NULL; pos != NULL;)
        templates.push_back(GetNextDocTemplate(pos));

    // The zeros are written as such: a type name may hold any character. A line with an empty
    // name would end the whole list there.
    CString strFilter;
    // The framework's filter line of each template that has a filter name and extension; the
    // extensions of the lines, in order.
    OPENFILENAMEA ofn = {};
    for (CDocTemplate* pNext : templates)
    {
        DWORD nLines = ofn.nMaxCustFilter;
        AfxAppendFilterSuffix(strFilter, ofn, pNext, NULL);
        CString strExt;
        if (ofn.nMaxCustFilter != nLines && pNext->GetDocString(strExt, CDocTemplate::filterExt))
            exts.Add(strExt);
    }
    CString strAll;
    strAll.LoadString(IDS_KW_ALL_FILES);
    strFilter += strAll;
    strFilter += '\0';
    strFilter += "*.*";
    strFilter += '\0';
    strFilter += '\0';
    return strFilter;
}

BOOL CKwDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
    CDocTemplate* pTemplate)
{
    CStringArray exts;
    CString strFilter = BuildFilter(pTemplate, exts);

    // The dialog starts in the folder of the name given.
    CFileName given(fileName);
    CString strInitialDir = given.GetDrive() + given.GetDir();

    // A Save dialog proposes the name, cut to the buffer.
    std::vector<char> file(MaxFileName, '\0');
    if (!bOpenFileDialog)
        lstrcpynA(file.data(), fileName, MaxFileName);

    CString strTitle;
    strTitle.LoadString(nIDSTitle);
    CWnd* pMainWnd = AfxGetMainWnd();

    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = pMainWnd != NULL ? pMainWnd->GetSafeHwnd() : NULL;
    ofn.lpstrFilter = strFilter;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = MaxFileName;
    ofn.lpstrInitialDir = strInitialDir.IsEmpty() ? NULL : (LPCTSTR)strInitialDir;
    ofn.lpstrTitle = strTitle.IsEmpty() ? NULL : (LPCTSTR)strTitle;
    ofn.Flags = lFlags | OFN_EXPLORER;
    if (!bOpenFileDialog)
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    BOOL bChosen = bOpenFileDialog ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn);
    if (bChosen != 1)
        return FALSE;

    fileName = file.data();
    // A name typed without an extension takes that of the type chosen; the all-files line has
    // none to give.
    if (CFileName(fileName).GetExt().IsEmpty() && ofn.nFilterIndex >= 1 && ofn.nFilterIndex <= (DWORD)exts.GetSize())
        fileName += exts[ofn.nFilterIndex - 1];
    return TRUE;
}
