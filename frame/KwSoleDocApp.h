// KwSoleDocApp.h: declares CKwSoleDocApp, the application that keeps one main document (the sole
// document) beside documents of other types: its File commands, a recent-file list of sole
// documents only, and the event source that announces the sole document's closing.
#pragma once

#include "core/KwEventSource.h"
#include "frame/KwWinApp.h"
#include "res/resource.h"

#include <afxtempl.h>

class CKwSoleDoc;
class CKwSoleDocTemplate;

class KWUI_API CKwSoleDocApp : public CKwWinApp, public CKwEventSource
{
    DECLARE_DYNAMIC(CKwSoleDocApp)
public:
    explicit CKwSoleDocApp(LPCTSTR lpszAppName = NULL);

    // The application's sole-document templates, in its order; NULL after the last.
    CKwSoleDocTemplate* GetFirstSoleDocTemplate();
    CKwSoleDocTemplate* GetNextSoleDocTemplate(CKwSoleDocTemplate* pTemplate);
    // The document of the first sole-document template that holds one, or NULL.
    CKwSoleDoc* GetSoleDoc();
    // Closes the sole document, if one is open, with the save prompts of every document, and
    // announces it. FALSE when a prompt was cancelled and the document stays open.
    BOOL CloseSoleDoc();

    // Where the File Open dialog starts: the last sole document's path.
    CString GetPathNameForOpenDialog() const { return m_strPathNameForOpenDialog; }
    void SetPathNameForOpenDialog(CString strPathName) { m_strPathNameForOpenDialog = strPathName; }

    // Only files a sole-document template takes enter the list.
    void AddToRecentFileList(LPCTSTR lpszPathName) override;
    // Takes the path out of the recent-file list, if it is there.
    void RemoveFromRecentFileList(LPCTSTR lpszPathName);

    afx_msg void OnFileNewSoleDoc();
    afx_msg void OnFileOpenSoleDoc();
    afx_msg void OnFileCloseSoleDoc();
    afx_msg void OnFileSaveSoleDoc();
    afx_msg void OnFileSaveSoleDocAs();
    // Saves every modified document but the sole one.
    afx_msg void OnFileSaveAll();
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateFileSoleDocTemplate(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFileSoleDocOpen(CCmdUI* pCmdUI);
    // For derived maps: Save only while the sole document has changes.
    afx_msg void OnUpdateFileSaveSoleDoc(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFileSaveAll(CCmdUI* pCmdUI);

protected:
    CString m_strPathNameForOpenDialog;

    DECLARE_MESSAGE_MAP()

private:
    // The modified documents of every template but the sole document, in template order.
    void GetModifiedOtherDocs(CList<CDocument*, CDocument*>& docs);
};
