// CDocManager.h: CDocManager, the application's document templates and what works across them:
// opening a file with the template that suits it best, the New and Open commands with their
// dialogs, saving and closing every document, and the shell's file types.
#pragma once

#include "CPtrList.h"
#include "CString.h"

class CDocTemplate;
class CDocument;

class KWAFX_API CDocManager : public CObject
{
    DECLARE_DYNAMIC(CDocManager)
public:
    CDocManager();
    ~CDocManager() override; // deletes the templates

    // Takes the template (and loads its resources).
    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    virtual POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    virtual CDocTemplate* GetNextDocTemplate(POSITION& pos) const { return (CDocTemplate*)m_templateList.GetNext(pos); }
    int GetDocumentCount();

    // The open document with this path (its frame brought forward), or the file opened by the
    // template most confident of it; NULL when none can.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    // The file dialog with a filter line per template (or only pTemplate's) and "All Files".
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
        CDocTemplate* pTemplate);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    // A new document of the only template, or of the one chosen in the New dialog.
    virtual void OnFileNew();
    virtual void OnFileOpen();
    // HKEY_CLASSES_ROOT: each template's file type with its open command, and its extension
    // pointing at it when no other type claims the extension. bCompat adds print commands, the
    // icon and a "ShellNew" entry.
    virtual void RegisterShellFileTypes(BOOL bCompat);

    CPtrList m_templateList;
};

// Appends pTemplate's filter line ("name", zero, "*.ext", zero) to filter and counts it in
// ofn.nMaxCustFilter; with pstrDefaultExt, that extension (without its dot) becomes the dialog's
// default and its line the selected one.
KWAFX_API void AFXAPI AfxAppendFilterSuffix(CString& filter, OPENFILENAMEA& ofn, CDocTemplate* pTemplate,
    CString* pstrDefaultExt);
// Ends filter with the framework's all-files line ("*.*") and the list's second zero, counts the
// line in ofn.nMaxCustFilter and points the dialog at the list.
KWAFX_API void AFXAPI AfxAppendAllFilesFilter(CString& filter, OPENFILENAMEA& ofn);
