// CDocManager.cpp: the templates of the application and the commands that work across them.
#include "CDocManager.h"
#include "CDialog.h"
#include "CDocTemplate.h"
#include "CDocument.h"
#include "CFileDialog.h"
#include "CFrameWnd.h"
#include "CListBox.h"
#include "CView.h"
#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CDocManager, CObject)

namespace {
// The framework's New dialog: the templates with a name for new documents, in a list.
class CNewTypeDlg : public CDialog
{
public:
    CNewTypeDlg(CPtrList* pList) : CDialog(AFX_IDD_NEWTYPEDLG), m_pSelectedTemplate(NULL), m_pList(pList) {}
    CDocTemplate* m_pSelectedTemplate;

protected:
    CPtrList* m_pList;

    BOOL OnInitDialog() override
    {
        CListBox* pListBox = (CListBox*)GetDlgItem(AFX_IDC_LISTBOX);
        if (pListBox == NULL)
        {
            EndDialog(-1);
            return FALSE;
        }
        POSITION pos = m_pList->GetHeadPosition();
        while (pos != NULL)
        {
            CDocTemplate* pTemplate = (CDocTemplate*)m_pList->GetNext(pos);
            CString strTypeName;
            if (pTemplate->GetDocString(strTypeName, CDocTemplate::fileNewName) && !strTypeName.IsEmpty())
            {
                int nIndex = pListBox->AddString(strTypeName);
                if (nIndex < 0)
                {
                    EndDialog(-1);
                    return FALSE;
                }
                pListBox->SetItemDataPtr(nIndex, pTemplate);
            }
        }
        int nTemplates = pListBox->GetCount();
        if (nTemplates == 0)
        {
            EndDialog(-1);
            return FALSE;
        }
        if (nTemplates == 1)
        {
            // Nothing to choose.
            m_pSelectedTemplate = (CDocTemplate*)pListBox->GetItemDataPtr(0);
            EndDialog(IDOK);
            return FALSE;
        }
        pListBox->SetCurSel(0);
        return CDialog::OnInitDialog();
    }
    void OnOK() override
    {
        CListBox* pListBox = (CListBox*)GetDlgItem(AFX_IDC_LISTBOX);
        int nIndex = pListBox != NULL ? pListBox->GetCurSel() : -1;
        m_pSelectedTemplate = nIndex >= 0 ? (CDocTemplate*)pListBox->GetItemDataPtr(nIndex) : NULL;
        CDialog::OnOK();
    }
};
}

CDocManager::CDocManager() {}

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty())
        delete (CDocTemplate*)m_templateList.RemoveHead();
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate == NULL || m_templateList.Find(pTemplate) != NULL)
        return;
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

int CDocManager::GetDocumentCount()
{
    int nCount = 0;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc != NULL)
        {
            pTemplate->GetNextDoc(posDoc);
            nCount++;
        }
    }
    return nCount;
}

CDocument* CDocManager::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (lpszFileName == NULL || *lpszFileName == '\0')
        return NULL;
    // The shell quotes names with spaces.
    CString strName = lpszFileName;
    if (strName.GetLength() >= 2 && strName[0] == '"' && strName[strName.GetLength() - 1] == '"')
        strName = strName.Mid(1, strName.GetLength() - 2);
    char szPath[MAX_PATH * 2];
    DWORD n = ::GetFullPathNameA(strName, sizeof(szPath), szPath, NULL);
    CString strPath = (n > 0 && n < sizeof(szPath)) ? CString(szPath) : strName;

    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocTemplate* pBestTemplate = NULL;
    CDocument* pOpenDocument = NULL;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CDocument* pMatch = NULL;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(strPath, pMatch);
        if (match > bestMatch)
        {
            bestMatch = match;
            pBestTemplate = pTemplate;
        }
        if (match == CDocTemplate::yesAlreadyOpen)
        {
            pOpenDocument = pMatch;
            break;
        }
    }
    if (pOpenDocument != NULL)
    {
        // Already open: its first frame comes forward.
        POSITION posView = pOpenDocument->GetFirstViewPosition();
        if (posView != NULL)
        {
            CFrameWnd* pFrame = pOpenDocument->GetNextView(posView)->GetParentFrame();
            if (pFrame != NULL)
                pFrame->ActivateFrame();
            CWinApp* pApp = AfxGetApp();
            CWnd* pMainWnd = pApp != NULL ? pApp->m_pMainWnd : NULL;
            if (pMainWnd != NULL && pMainWnd != pFrame && pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
                ((CFrameWnd*)pMainWnd)->ActivateFrame();
        }
        return pOpenDocument;
    }
    if (pBestTemplate == NULL)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return NULL;
    }
    return pBestTemplate->OpenDocumentFile(strPath);
}

void AFXAPI AfxAppendFilterSuffix(CString& filter, OPENFILENAMEA& ofn, CDocTemplate* pTemplate,
    CString* pstrDefaultExt)
{
    CString strFilterExt, strFilterName;
    if (!pTemplate->GetDocString(strFilterExt, CDocTemplate::filterExt) || strFilterExt.IsEmpty() ||
        !pTemplate->GetDocString(strFilterName, CDocTemplate::filterName) || strFilterName.IsEmpty())
        return;
    if (pstrDefaultExt != NULL)
    {
        *pstrDefaultExt = strFilterExt[0] == '.' ? strFilterExt.Mid(1) : strFilterExt;
        ofn.lpstrDefExt = *pstrDefaultExt;
        ofn.nFilterIndex = ofn.nMaxCustFilter + 1; // 1-based, and "All Files" is not counted
    }
    filter += strFilterName;
    filter += '\0';
    filter += '*';
    filter += strFilterExt;
    filter += '\0';
    ofn.nMaxCustFilter++;
}

void AFXAPI AfxAppendAllFilesFilter(CString& filter, OPENFILENAMEA& ofn)
{
    CString strAllFilter;
    strAllFilter.LoadString(AFX_IDS_ALLFILTER);
    filter += strAllFilter;
    filter += '\0';
    filter += "*.*";
    filter += '\0';
    filter += '\0';
    ofn.nMaxCustFilter++;
    ofn.lpstrFilter = filter;
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
    CDocTemplate* pTemplate)
{
    CFileDialog dlgFile(bOpenFileDialog);
    CString strTitle;
    strTitle.LoadString(nIDSTitle);
    dlgFile.m_ofn.Flags |= lFlags;

    CString strFilter, strDefault;
    if (pTemplate != NULL)
        AfxAppendFilterSuffix(strFilter, dlgFile.m_ofn, pTemplate, &strDefault);
    else
    {
        BOOL bFirst = TRUE;
        POSITION pos = GetFirstDocTemplatePosition();
        while (pos != NULL)
        {
            AfxAppendFilterSuffix(strFilter, dlgFile.m_ofn, GetNextDocTemplate(pos), bFirst ? &strDefault : NULL);
            bFirst = FALSE;
        }
    }
    AfxAppendAllFilesFilter(strFilter, dlgFile.m_ofn);
    dlgFile.m_ofn.lpstrTitle = strTitle;

    // The name comes back in a buffer of the dialog's largest path; a longer name is cut.
    const int nMax = MAX_PATH * 4;
    CString strFile = fileName.Left(nMax - 1);
    dlgFile.m_ofn.lpstrFile = strFile.GetBuffer(nMax);
    dlgFile.m_ofn.nMaxFile = nMax;
    INT_PTR nResult = dlgFile.DoModal();
    strFile.ReleaseBuffer();
    if (nResult != IDOK)
        return FALSE;
    fileName = strFile;
    return TRUE;
}

BOOL CDocManager::SaveAllModified()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

void CDocManager::OnFileNew()
{
    if (m_templateList.IsEmpty())
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return;
    }
    CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.GetHead();
    if (m_templateList.GetCount() > 1)
    {
        CNewTypeDlg dlg(&m_templateList);
        if (dlg.DoModal() != IDOK || dlg.m_pSelectedTemplate == NULL)
            return;
        pTemplate = dlg.m_pSelectedTemplate;
    }
    pTemplate->OpenDocumentFile(NULL);
}

void CDocManager::OnFileOpen()
{
    CString strNewName;
    if (!DoPromptFileName(strNewName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, NULL))
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->OpenDocumentFile(strNewName);
}

namespace {
// HKEY_CLASSES_ROOT\lpszKey's value lpszValueName (the default value when NULL).
BOOL SetClassesKey(LPCTSTR lpszKey, LPCTSTR lpszValue, LPCTSTR lpszValueName = NULL)
{
    HKEY hKey;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, lpszKey, 0, NULL, 0, KEY_SET_VALUE, NULL, &hKey, NULL) != ERROR_SUCCESS)
        return FALSE;
    LONG lResult = ::RegSetValueExA(hKey, lpszValueName, 0, REG_SZ, (const BYTE*)lpszValue, (DWORD)strlen(lpszValue) + 1);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

CString GetClassesDefault(LPCTSTR lpszKey)
{
    HKEY hKey;
    CString strValue;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, lpszKey, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return strValue;
    char szValue[MAX_PATH * 2];
    DWORD dwType = 0, cb = sizeof(szValue) - 1;
    if (::RegQueryValueExA(hKey, NULL, NULL, &dwType, (BYTE*)szValue, &cb) == ERROR_SUCCESS && dwType == REG_SZ)
    {
        szValue[cb < sizeof(szValue) ? cb : sizeof(szValue) - 1] = '\0';
        strValue = szValue;
    }
    ::RegCloseKey(hKey);
    return strValue;
}
}

void CDocManager::RegisterShellFileTypes(BOOL bCompat)
{
    char szModule[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(AfxGetInstanceHandle(), szModule, sizeof(szModule));
    if (n == 0 || n >= sizeof(szModule))
        return;
    CString strPathName = szModule;
    int nTemplateIndex = 0;
    POSITION pos = GetFirstDocTemplatePosition();
    for (; pos != NULL; nTemplateIndex++)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CString strFileTypeId, strFileTypeName, strFilterExt;
        if (!pTemplate->GetDocString(strFileTypeId, CDocTemplate::regFileTypeId) || strFileTypeId.IsEmpty())
            continue; // not a type the shell is told about
        if (!pTemplate->GetDocString(strFileTypeName, CDocTemplate::regFileTypeName))
            strFileTypeName = strFileTypeId;
        if (!SetClassesKey(strFileTypeId, strFileTypeName))
            continue;
        CString strOpen;
        strOpen.Format("\"%s\" \"%%1\"", (LPCTSTR)strPathName);
        SetClassesKey(strFileTypeId + "\\shell\\open\\command", strOpen);
        if (bCompat)
        {
            CString strCommand;
            strCommand.Format("\"%s\" /p \"%%1\"", (LPCTSTR)strPathName);
            SetClassesKey(strFileTypeId + "\\shell\\print\\command", strCommand);
            strCommand.Format("\"%s\" /pt \"%%1\" \"%%2\" \"%%3\" \"%%4\"", (LPCTSTR)strPathName);
            SetClassesKey(strFileTypeId + "\\shell\\printto\\command", strCommand);
            CString strIcon;
            strIcon.Format("%s,%d", (LPCTSTR)strPathName, nTemplateIndex + 1);
            SetClassesKey(strFileTypeId + "\\DefaultIcon", strIcon);
        }
        // The extension points at the type unless another type already claims it.
        if (pTemplate->GetDocString(strFilterExt, CDocTemplate::filterExt) && !strFilterExt.IsEmpty())
        {
            CString strOwner = GetClassesDefault(strFilterExt);
            if (strOwner.IsEmpty() || strOwner == strFileTypeId)
            {
                if (!SetClassesKey(strFilterExt, strFileTypeId))
                    continue;
                if (bCompat)
                    SetClassesKey(strFilterExt + "\\ShellNew", "", "NullFile");
            }
        }
    }
}
