// KwSoleDocTemplate.h: declares CKwSoleDocTemplate, the template of the sole document: it holds
// at most one document, makes no frame and no view for it, and titles a new one with its name
// alone ("Model").
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwSoleDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CKwSoleDocTemplate)
public:
    CKwSoleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass);

    // The application's sole-document template with resource ID nID, or NULL.
    static CKwSoleDocTemplate* FindByID(UINT nID);

    // One position (the list's before-start value) while the template holds its document.
    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    // The document held changes; the main frame's title follows at idle time.
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;

    // Closes the sole document open now (with the save prompts of every document), then makes
    // the new one or reads the file; the frame's OnOpenSoleDoc opens the views. NULL when a
    // prompt was cancelled or the document could not be made or read. A file that cannot be
    // read is found out before anything is closed; a file that fails to open leaves the
    // recent-file list.
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    // The document name ("Model"), without a number; the framework's "Untitled" without one.
    void SetDefaultTitle(CDocument* pDocument) override;
    // Claims a file only by its own extension, or when it is the document held.
    Confidence MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch) override;

    CDocument* m_pOnlyDoc;

private:
    // FALSE, after telling the user why, when the file cannot be opened for reading.
    static BOOL CheckReadable(LPCTSTR lpszPathName);
};
