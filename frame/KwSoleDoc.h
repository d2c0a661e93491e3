// KwSoleDoc.h: declares CKwSoleDoc, the base of the sole document: a compound-file document
// without a window of its own. Its views come and go in MDI children without closing it;
// closing it asks to save every open document and closes every child.
#pragma once

#include "core/KwUiExport.h"

#include <afxole.h>

class KWUI_API CKwSoleDoc : public COleDocument
{
    DECLARE_DYNCREATE(CKwSoleDoc)
public:
    CKwSoleDoc();

    // The save prompts, then the closing; FALSE when a prompt was cancelled.
    int Close();
    // TRUE when the document's file exists and is read-only.
    int GetReadOnly() const;
    // The new document's first content; FALSE fails the new document.
    virtual int OnFinalConstruct();

    // New and opened documents are announced to the main frame, which opens their views.
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    // Every MDI child closes, the main frame hears it, the remaining views go, then the document
    // (always: it is the template's, never deleted with its last view).
    void OnCloseDocument() override;
    // Every other open document is asked first, in template order; then this one.
    BOOL SaveModified() override;
    // A child window closes without asking: the document stays open without views.
    BOOL CanCloseFrame(CFrameWnd* pFrame) override;
    // The framework's File Close, Save and Save As are not the sole document's: the
    // application's own commands close and save it.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // The path becomes where the File Open dialog starts.
    void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE) override;
    // The last view going does not close the document.
    void OnChangedViewList() override;
};
