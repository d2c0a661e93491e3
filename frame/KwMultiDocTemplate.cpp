// KwMultiDocTemplate.cpp: the toolkit's MDI document template.
#include "frame/KwMultiDocTemplate.h"

IMPLEMENT_DYNAMIC(CKwMultiDocTemplate, CMultiDocTemplate)

CKwMultiDocTemplate::CKwMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
    CRuntimeClass* pViewClass, int bAddToMRU)
    : CMultiDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_bAddToMRU(bAddToMRU)
{
}

CRuntimeClass* CKwMultiDocTemplate::FindViewClass(UINT nViewID)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return NULL;
    POSITION pos = pApp->GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
        if (pTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)) && pTemplate->GetResourceID() == nViewID)
            return pTemplate->m_pViewClass;
    }
    return NULL;
}

CDocument* CKwMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    return CMultiDocTemplate::OpenDocumentFile(lpszPathName, m_bAddToMRU, bMakeVisible);
}

void CKwMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strTitle, strExt;
    if (GetDocString(strTitle, docName) && !strTitle.IsEmpty())
        strTitle.AppendFormat("%d", m_nUntitledCount + 1);
    else
        strTitle.LoadString(AFX_IDS_UNTITLED);
    GetDocString(strExt, filterExt);
    pDocument->SetTitle(strTitle + strExt);
}
