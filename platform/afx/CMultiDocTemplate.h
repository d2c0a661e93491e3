// CMultiDocTemplate.h: CMultiDocTemplate, a template whose documents each open in their own MDI
// child frames; the frames share the template's menu and accelerators.
#pragma once

#include "CDocTemplate.h"
#include "CPtrList.h"

class KWAFX_API CMultiDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
        CRuntimeClass* pViewClass);
    ~CMultiDocTemplate() override; // frees the shared menu and accelerators

    void LoadTemplate() override;
    POSITION GetFirstDocPosition() const override { return m_docList.GetHeadPosition(); }
    CDocument* GetNextDoc(POSITION& rPos) const override { return (CDocument*)m_docList.GetNext(rPos); }
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    // A new document (NULL path) or the file, in a new frame; NULL, with no document left behind,
    // when that fails.
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    // The same, with the file entering the recent-file list only when bAddToMRU.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bAddToMRU, BOOL bMakeVisible);
    // The docName line followed by the next number, or "Untitled".
    void SetDefaultTitle(CDocument* pDocument) override;

    HMENU m_hMenuShared;
    HACCEL m_hAccelTable;
    CPtrList m_docList;
    UINT m_nUntitledCount; // untitled documents made so far
};
