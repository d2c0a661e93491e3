// KwSoleDocApp.cpp: the sole-document application's File commands and recent-file list.
#include "frame/KwSoleDocApp.h"

#include "core/CoreGlobalMethods.h"
#include "frame/KwSoleDoc.h"
#include "frame/KwSoleDocAppEventSoleDocClosed.h"
#include "frame/KwSoleDocTemplate.h"
#include "pickers/KwTemplateDialog.h"

#include <afxdlgs.h>

IMPLEMENT_DYNAMIC(CKwSoleDocApp, CKwWinApp)

BEGIN_MESSAGE_MAP(CKwSoleDocApp, CKwWinApp)
    ON_COMMAND(ID_KW_FILE_NEW_SOLEDOC, &CKwSoleDocApp::OnFileNewSoleDoc)
    ON_COMMAND(ID_KW_FILE_OPEN_SOLEDOC, &CKwSoleDocApp::OnFileOpenSoleDoc)
    ON_COMMAND(ID_KW_FILE_CLOSE_SOLEDOC, &CKwSoleDocApp::OnFileCloseSoleDoc)
    ON_COMMAND(ID_KW_FILE_SAVE_SOLEDOC, &CKwSoleDocApp::OnFileSaveSoleDoc)
    ON_COMMAND(ID_KW_FILE_SAVEAS_SOLEDOC, &CKwSoleDocApp::OnFileSaveSoleDocAs)
    ON_COMMAND(ID_KW_FILE_SAVE_ALL, &CKwSoleDocApp::OnFileSaveAll)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CKwSoleDocApp::OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI(ID_KW_FILE_NEW_SOLEDOC, &CKwSoleDocApp::OnUpdateFileSoleDocTemplate)
    ON_UPDATE_COMMAND_UI(ID_KW_FILE_OPEN_SOLEDOC, &CKwSoleDocApp::OnUpdateFileSoleDocTemplate)
    ON_UPDATE_COMMAND_UI(ID_KW_FILE_CLOSE_SOLEDOC, &CKwSoleDocApp::OnUpdateFileSoleDocOpen)
    ON_UPDATE_COMMAND_UI(ID_KW_FILE_SAVE_SOLEDOC, &CKwSoleDocApp::OnUpdateFileSoleDocOpen)
    ON_UPDATE_COMMAND_UI(ID_KW_FILE_SAVEAS_SOLEDOC, &CKwSoleDocApp::OnUpdateFileSoleDocOpen)
    ON_UPDATE_COMMAND_UI(ID_KW_FILE_SAVE_ALL, &CKwSoleDocApp::OnUpdateFileSaveAll)
END_MESSAGE_MAP()

CKwSoleDocApp::CKwSoleDocApp(LPCTSTR lpszAppName) : CKwWinApp(lpszAppName) {}

CKwSoleDocTemplate* CKwSoleDocApp::GetFirstSoleDocTemplate()
{
    return GetNextSoleDocTemplate(NULL);
}

CKwSoleDocTemplate* CKwSoleDocApp::GetNextSoleDocTemplate(CKwSoleDocTemplate* pTemplate)
{
    // Past pTemplate (from the start when NULL), the next template of the kind.
    BOOL bPast = pTemplate == NULL;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* p = GetNextDocTemplate(pos);
        if (bPast && p->IsKindOf(RUNTIME_CLASS(CKwSoleDocTemplate)))
            return (CKwSoleDocTemplate*)p;
        bPast = bPast || p == pTemplate;
    }
    return NULL;
}

CKwSoleDoc* CKwSoleDocApp::GetSoleDoc()
{
    for (CKwSoleDocTemplate* p = GetFirstSoleDocTemplate(); p != NULL; p = GetNextSoleDocTemplate(p))
    {
        if (p->m_pOnlyDoc != NULL)
            return dynamic_cast<CKwSoleDoc*>(p->m_pOnlyDoc);
    }
    return NULL;
}

BOOL CKwSoleDocApp::CloseSoleDoc()
{
    CKwSoleDoc* pDoc = GetSoleDoc();
    if (pDoc == NULL)
        return TRUE;
    if (!pDoc->Close())
        return FALSE;
    SendOutEvent(new CKwSoleDocAppEventSoleDocClosed);
    return TRUE;
}

void CKwSoleDocApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    CDocTemplate* pTemplate = FindMatchingTemplate(lpszPathName);
    if (pTemplate != NULL && pTemplate->IsKindOf(RUNTIME_CLASS(CKwSoleDocTemplate)))
        CKwWinApp::AddToRecentFileList(lpszPathName);
}

void CKwSoleDocApp::RemoveFromRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList == NULL || lpszPathName == NULL)
        return;
    char szFull[MAX_PATH * 2];
    DWORD n = ::GetFullPathNameA(lpszPathName, sizeof(szFull), szFull, NULL);
    CString strPath = n > 0 && n < sizeof(szFull) ? szFull : lpszPathName;
    for (int i = m_pRecentFileList->GetSize() - 1; i >= 0; i--)
    {
        if ((*m_pRecentFileList)[i].CompareNoCase(strPath) == 0)
            m_pRecentFileList->Remove(i);
    }
}

void CKwSoleDocApp::OnFileNewSoleDoc()
{
    CList<CDocTemplate*, CDocTemplate*> templates;
    for (CKwSoleDocTemplate* p = GetFirstSoleDocTemplate(); p != NULL; p = GetNextSoleDocTemplate(p))
        templates.AddTail(p);
    if (templates.IsEmpty())
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return;
    }
    CDocTemplate* pTemplate = templates.GetHead();
    if (templates.GetCount() > 1)
    {
        CKwTemplateDialog dlg(&templates);
        if (dlg.DoModal() != IDOK || dlg.m_pSelectedTemplate == NULL)
            return;
        pTemplate = dlg.m_pSelectedTemplate;
    }
    pTemplate->OpenDocumentFile(NULL, TRUE);
}

void CKwSoleDocApp::OnFileOpenSoleDoc()
{
    CFileDialog dlg(TRUE, NULL, m_strPathNameForOpenDialog, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST);
    CString strTitle, strFilter, strDefault;
    strTitle.LoadString(AFX_IDS_OPENFILE);
    BOOL bFirst = TRUE;
    for (CKwSoleDocTemplate* p = GetFirstSoleDocTemplate(); p != NULL; p = GetNextSoleDocTemplate(p), bFirst = FALSE)
        CCoreGlobalMethods::AppendFilterSuffix(strFilter, dlg.m_ofn, p, bFirst ? &strDefault : NULL);
    AfxAppendAllFilesFilter(strFilter, dlg.m_ofn);
    dlg.m_ofn.lpstrTitle = strTitle;
    if (dlg.DoModal() == IDOK)
        OpenDocumentFile(dlg.GetPathName());
}

void CKwSoleDocApp::OnFileCloseSoleDoc()
{
    CloseSoleDoc();
}

void CKwSoleDocApp::OnFileSaveSoleDoc()
{
    if (CKwSoleDoc* pDoc = GetSoleDoc())
        pDoc->DoFileSave();
}

void CKwSoleDocApp::OnFileSaveSoleDocAs()
{
    if (CKwSoleDoc* pDoc = GetSoleDoc())
        pDoc->DoSave(NULL, TRUE);
}

void CKwSoleDocApp::GetModifiedOtherDocs(CList<CDocument*, CDocument*>& docs)
{
    CList<CDocument*, CDocument*> all;
    CCoreGlobalMethods::GetDocList(all);
    CDocument* pSoleDoc = GetSoleDoc();
    for (POSITION pos = all.GetHeadPosition(); pos != NULL;)
    {
        CDocument* pDoc = all.GetNext(pos);
        if (pDoc != pSoleDoc && pDoc->IsModified())
            docs.AddTail(pDoc);
    }
}

void CKwSoleDocApp::OnFileSaveAll()
{
    CList<CDocument*, CDocument*> docs;
    GetModifiedOtherDocs(docs);
    for (POSITION pos = docs.GetHeadPosition(); pos != NULL;)
        docs.GetNext(pos)->DoFileSave();
}

BOOL CKwSoleDocApp::OnOpenRecentFile(UINT nID)
{
    int nIndex = (int)nID - ID_FILE_MRU_FILE1;
    if (m_pRecentFileList == NULL || nIndex < 0 || nIndex >= m_pRecentFileList->GetSize() ||
        (*m_pRecentFileList)[nIndex].IsEmpty())
        return FALSE;
    // The template takes a file that does not open off the list.
    OpenDocumentFile((*m_pRecentFileList)[nIndex]);
    return TRUE;
}

void CKwSoleDocApp::OnUpdateFileSoleDocTemplate(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetFirstSoleDocTemplate() != NULL);
}

void CKwSoleDocApp::OnUpdateFileSoleDocOpen(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetSoleDoc() != NULL);
}

void CKwSoleDocApp::OnUpdateFileSaveSoleDoc(CCmdUI* pCmdUI)
{
    CKwSoleDoc* pDoc = GetSoleDoc();
    pCmdUI->Enable(pDoc != NULL && pDoc->IsModified());
}

void CKwSoleDocApp::OnUpdateFileSaveAll(CCmdUI* pCmdUI)
{
    CList<CDocument*, CDocument*> docs;
    GetModifiedOtherDocs(docs);
    pCmdUI->Enable(!docs.IsEmpty());
}
