// CSingleDocTemplate.h: CSingleDocTemplate, the template of an application that shows one
// document at a time in its main frame: a new or opened document reuses the document and frame.
#pragma once

#include "CDocTemplate.h"

class KWAFX_API CSingleDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
        CRuntimeClass* pViewClass);

    POSITION GetFirstDocPosition() const override { return m_pOnlyDoc != NULL ? (POSITION)1 : NULL; }
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument* pDocument) override;

    CDocument* m_pOnlyDoc;
};
