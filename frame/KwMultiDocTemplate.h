// KwMultiDocTemplate.h: declares CKwMultiDocTemplate, the MDI document template whose files may
// stay out of the recent-file list and whose new documents are titled with their extension
// ("Model1.mdl"), and the lookup of a view class by its template's resource ID.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwMultiDocTemplate : public CMultiDocTemplate
{
    DECLARE_DYNAMIC(CKwMultiDocTemplate)
public:
    // bAddToMRU: whether the files this template opens enter the recent-file list.
    CKwMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
        CRuntimeClass* pViewClass, int bAddToMRU);

    // The view class of the application's first MDI template with resource ID nViewID; NULL
    // without an application or such a template.
    static CRuntimeClass* FindViewClass(UINT nViewID);

    // A new document (NULL path) or the file, in a new frame; NULL, with no document left behind,
    // when that fails.
    using CMultiDocTemplate::OpenDocumentFile;
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    // The docName line and the next number ("Untitled" without a docName), then the extension.
    void SetDefaultTitle(CDocument* pDocument) override;

    const BOOL m_bAddToMRU;
};
