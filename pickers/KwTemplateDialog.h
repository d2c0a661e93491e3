// KwTemplateDialog.h: CKwTemplateDialog, the dialog that asks which kind of document to create:
// the templates with a name for new documents, in a list.
#pragma once

#include "core/KwUiExport.h"

#include <afxtempl.h>
#include <afxwin.h>

class KWUI_API CKwTemplateDialog : public CDialog
{
public:
    // pList: the candidate templates, the caller's; templates without a new-document name are
    // not offered.
    explicit CKwTemplateDialog(CList<CDocTemplate*, CDocTemplate*>* pList, CWnd* pParentWnd = NULL);

    // DoModal gives IDOK with the chosen template here. With one template to offer, IDOK comes at
    // once, without waiting for the user; with none, -1.
    CDocTemplate* m_pSelectedTemplate;

protected:
    CList<CDocTemplate*, CDocTemplate*>* m_pList;

    BOOL OnInitDialog() override;
    void OnOK() override;
};
