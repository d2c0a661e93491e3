// CFileDialog: GetOpenFileName / GetSaveFileName with the framework's hook, the Explorer
// dialog's notifications, and reading the chosen paths.
#include "CFileDialog.h"
#include "afxresource.h"

#include <dlgs.h>

#include <string>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

namespace
{
// The position in lpszPath where the name begins (after the last separator).
int NameStart(const CString& strPath)
{
    for (int i = strPath.GetLength() - 1; i >= 0; i--) {
        char ch = strPath[i];
        if (ch == '\\' || ch == '/' || ch == ':')
            return i + 1;
    }
    return 0;
}
} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
    LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    memset(m_szFileTitle, 0, sizeof(m_szFileTitle));
    memset(m_szFileName, 0, sizeof(m_szFileName));
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = _MAX_PATH;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.lpfnHook = (LPOFNHOOKPROC)&AfxCommDlgProc;
    SetDefExt(lpszDefExt);
    if (lpszFileName != NULL)
        ::lstrcpynA(m_szFileName, lpszFileName, sizeof(m_szFileName));

    if (lpszFilter != NULL) {
        // Each '|' ends a field. The system reads fields up to an empty one, so the text gets
        // an extra terminator even when the caller left off the closing bars.
        std::string strFilter(lpszFilter);
        strFilter += '|';
        for (char& ch : strFilter) {
            if (ch == '|')
                ch = '\0';
        }
        m_strFilter = CString(strFilter.data(), (int)strFilter.size());
        m_ofn.lpstrFilter = m_strFilter;
    }
}

void CFileDialog::SetDefExt(LPCSTR lpsz)
{
    m_strDefExt = lpsz != NULL ? lpsz : "";
    m_ofn.lpstrDefExt = lpsz != NULL ? (LPCSTR)m_strDefExt : NULL;
    if (m_hWnd != NULL)
        GetParent()->SendMessage(CDM_SETDEFEXT, 0, (LPARAM)m_ofn.lpstrDefExt);
}

int CFileDialog::DoModal()
{
    // The extra template comes from the module of the resource chain that holds it.
    if ((m_ofn.Flags & OFN_ENABLETEMPLATE) && m_ofn.lpTemplateName != NULL && m_ofn.hInstance == NULL)
        m_ofn.hInstance = AfxFindResourceHandle(m_ofn.lpTemplateName, RT_DIALOG);
    m_ofn.hwndOwner = BeginModal();
    BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return EndModal(bResult);
}

BOOL CFileDialog::QueryParent(UINT nMsg, CString& rResult) const
{
    HWND hWndExplorer = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hWndExplorer == NULL)
        return FALSE;
    char szBuffer[_MAX_PATH * 2];
    LRESULT nLen = ::SendMessageA(hWndExplorer, nMsg, sizeof(szBuffer), (LPARAM)szBuffer);
    // The answer is the length with its terminator, or negative when there is none.
    if (nLen <= 0 || nLen > (LRESULT)sizeof(szBuffer))
        rResult.Empty();
    else
        rResult = CString(szBuffer, ::lstrlenA(szBuffer));
    return TRUE;
}

CString CFileDialog::GetPathName() const
{
    CString strResult;
    if (QueryParent(CDM_GETFILEPATH, strResult))
        return strResult;
    // The first string of the buffer: the whole path, or the folder of a multiple selection.
    if (m_ofn.lpstrFile == NULL || m_ofn.nMaxFile == 0)
        return strResult;
    int nLen = 0;
    while ((DWORD)nLen < m_ofn.nMaxFile && m_ofn.lpstrFile[nLen] != '\0')
        nLen++;
    return CString(m_ofn.lpstrFile, nLen);
}

CString CFileDialog::GetFileName() const
{
    CString strResult;
    if (QueryParent(CDM_GETSPEC, strResult))
        return strResult;
    strResult = GetPathName();
    return strResult.Mid(NameStart(strResult));
}

CString CFileDialog::GetFileExt() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? CString() : strName.Mid(nDot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? strName : strName.Left(nDot);
}

CString CFileDialog::GetFolderPath() const
{
    CString strResult;
    if (QueryParent(CDM_GETFOLDERPATH, strResult))
        return strResult;
    strResult = GetPathName();
    // A multiple selection's first string is the folder itself.
    if (m_ofn.nFileOffset > 0 && (int)m_ofn.nFileOffset > strResult.GetLength())
        return strResult;
    strResult = strResult.Left(NameStart(strResult));
    // Roots keep their backslash ("C:\"), other folders lose it.
    int nLen = strResult.GetLength();
    if (nLen > 1 && strResult[nLen - 1] == '\\' && !(nLen == 3 && strResult[1] == ':'))
        strResult = strResult.Left(nLen - 1);
    return strResult;
}

POSITION CFileDialog::GetStartPosition() const
{
    if (m_ofn.lpstrFile == NULL || m_ofn.nMaxFile == 0 || m_ofn.lpstrFile[0] == '\0')
        return NULL;
    return (POSITION)m_ofn.lpstrFile;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    // An Explorer multiple selection is the folder, then each name, each ended by '\0', and
    // one more '\0' at the end. The walk never leaves the buffer, whatever it holds.
    LPCSTR pBegin = m_ofn.lpstrFile;
    LPCSTR pEnd = pBegin + m_ofn.nMaxFile;
    LPCSTR psz = (LPCSTR)pos;
    pos = NULL;
    if (psz == NULL || psz < pBegin || psz >= pEnd)
        return CString();
    auto stringEnd = [pEnd](LPCSTR p) {
        while (p < pEnd && *p != '\0')
            p++;
        return p;
    };
    CString strFolder = GetPathName();
    if (psz == pBegin) {
        LPCSTR pFirstEnd = stringEnd(pBegin);
        // A single file: the buffer holds its whole path.
        if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) == 0 || pFirstEnd + 1 >= pEnd || pFirstEnd[1] == '\0')
            return strFolder;
        psz = pFirstEnd + 1;
    }
    LPCSTR pNameEnd = stringEnd(psz);
    CString strName(psz, (int)(pNameEnd - psz));
    if (pNameEnd + 1 < pEnd && pNameEnd[1] != '\0')
        pos = (POSITION)(pNameEnd + 1);
    if (!strFolder.IsEmpty() && strFolder[strFolder.GetLength() - 1] != '\\' &&
        strFolder[strFolder.GetLength() - 1] != ':')
        strFolder += '\\';
    return strFolder + strName;
}

HWND CFileDialog::GetExplorerControl(int nID) const
{
    if (m_hWnd == NULL)
        return NULL;
    // Newer dialogs show the file name in a combo box (cmb13) where older ones had an edit
    // field (edt1); callers written for either reach the one there is.
    HWND hWndExplorer = ::GetParent(m_hWnd);
    HWND hWndControl = ::GetDlgItem(hWndExplorer, nID);
    if (hWndControl == NULL && nID == edt1)
        hWndControl = ::GetDlgItem(hWndExplorer, cmb13);
    return hWndControl;
}

void CFileDialog::SetControlText(int nID, LPCSTR lpsz)
{
    if (HWND hWndControl = GetExplorerControl(nID))
        ::SendMessageA(::GetParent(m_hWnd), CDM_SETCONTROLTEXT, (WPARAM)::GetDlgCtrlID(hWndControl), (LPARAM)lpsz);
}

CString CFileDialog::GetControlText(int nID) const
{
    CString strText;
    if (HWND hWndControl = GetExplorerControl(nID)) {
        int nLen = ::GetWindowTextLengthA(hWndControl);
        nLen = ::GetWindowTextA(hWndControl, strText.GetBuffer(nLen), nLen + 1);
        strText.ReleaseBuffer(nLen);
    }
    return strText;
}

void CFileDialog::HideControl(int nID)
{
    if (m_hWnd != NULL)
        GetParent()->SendMessage(CDM_HIDECONTROL, (WPARAM)nID, 0);
}

BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    OFNOTIFYA* pNotify = (OFNOTIFYA*)lParam;
    switch (pNotify->hdr.code) {
    case CDN_INITDONE:
        OnInitDone();
        break;
    case CDN_SELCHANGE:
        OnFileNameChange();
        break;
    case CDN_FOLDERCHANGE:
        OnFolderChange();
        break;
    case CDN_TYPECHANGE:
        // The system keeps the chosen filter in the structure it shows the hook.
        if (pNotify->lpOFN != NULL && pNotify->lpOFN != &m_ofn)
            m_ofn.nFilterIndex = pNotify->lpOFN->nFilterIndex;
        OnTypeChange();
        break;
    case CDN_FILEOK:
        *pResult = OnFileNameOK();
        break;
    case CDN_SHAREVIOLATION:
        *pResult = OnShareViolation(pNotify->pszFile);
        break;
    default:
        return CCommonDialog::OnNotify(wParam, lParam, pResult);
    }
    // The dialog reads a hook's answer from its message result.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, *pResult);
    return TRUE;
}

void CFileDialog::OnInitDone()
{
}

void CFileDialog::OnFileNameChange()
{
}

void CFileDialog::OnFolderChange()
{
}

void CFileDialog::OnTypeChange()
{
}

BOOL CFileDialog::OnFileNameOK()
{
    return FALSE;
}

UINT CFileDialog::OnShareViolation(LPCTSTR)
{
    return OFN_SHAREWARN;
}
