// KwFileDialog.cpp: the system's Explorer-style file dialog with remembered slots, filter
// pre-selection, extension completion and the "Open as:" list of its extra template.
#include "pickers/KwFileDialog.h"

#include "core/CFileName.h"
#include "core/KwRegistry.h"
#include "pickers/KwFileFilter.h"
#include "res/resource.h"

#include <dlgs.h>

namespace {
const char* const kRegistryKey = "KwFileDialog";
// Room for the long lists of names a multiple selection returns.
const DWORD kFileBufferSize = 260000;

CString SlotName(const char* pszName, int nSlot)
{
    CString strName;
    strName.Format("%s%d", pszName, nSlot);
    return strName;
}

DWORD DialogFlags(UINT nFlags)
{
    DWORD dwFlags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_LONGNAMES;
    dwFlags |= (nFlags & CKwFileDialog::eSaveDialog) ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
    if (nFlags & CKwFileDialog::eMultipleSelection)
        dwFlags |= OFN_ALLOWMULTISELECT;
    return dwFlags;
}
} // namespace

BEGIN_MESSAGE_MAP(CKwFileDialog, CFileDialog)
    ON_CBN_SELCHANGE(IDC_KW_OPEN_AS_COMBO, OnSelChange)
END_MESSAGE_MAP()

CKwFileDialog::CKwFileDialog(CString fileName, UINT titleId, UINT flags, CString filter, CString openAsList,
    int folderSlot, int filterSlot)
    : CFileDialog((flags & eSaveDialog) == 0, NULL, NULL, DialogFlags(flags), filter.IsEmpty() ? NULL : (LPCTSTR)filter),
      m_nFlags(flags), m_strFilterText(filter), m_strOpenAsList(openAsList), m_nFolderSlot(folderSlot),
      m_nFilterSlot(filterSlot), m_pFileBuffer(new char[kFileBufferSize])
{
    if (m_strTitle.LoadString(titleId))
        m_ofn.lpstrTitle = m_strTitle;

    m_ofn.nFilterIndex = CKwFileFilter::IndexForExtension(filter, CKwFileFilter::ExtensionOf(fileName));

    if (!m_strOpenAsList.IsEmpty()) {
        m_ofn.Flags |= OFN_ENABLETEMPLATE;
        m_ofn.lpTemplateName = MAKEINTRESOURCE(IDD_KW_FILE_DIALOG_OPEN_AS);
    }

    if (m_nFolderSlot != -1 && fileName.IsEmpty() &&
        CKwRegistry::ReadString(HKEY_CURRENT_USER, kRegistryKey, SlotName("LastOpenDir", m_nFolderSlot), m_strInitialDir))
        m_ofn.lpstrInitialDir = m_strInitialDir;

    // The name keeps room for its terminator however long it is.
    ::lstrcpynA(m_pFileBuffer.get(), fileName, kFileBufferSize);
    m_ofn.lpstrFile = m_pFileBuffer.get();
    m_ofn.nMaxFile = kFileBufferSize;

    // A stored index that names no filter of this dialog is left alone.
    unsigned long nStored = 0;
    if (m_nFilterSlot != -1 && m_ofn.nFilterIndex == 0 &&
        CKwRegistry::ReadDword(HKEY_CURRENT_USER, kRegistryKey, SlotName("LastSelectedFilter", m_nFilterSlot), nStored) &&
        nStored >= 1 && nStored <= (unsigned long)CKwFileFilter::Count(filter))
        m_ofn.nFilterIndex = nStored;
}

CKwFileDialog::~CKwFileDialog()
{
    if (m_combo.m_hWnd != NULL)
        m_combo.Detach();
}

int CKwFileDialog::DoModal()
{
    int nResult = CFileDialog::DoModal();
    // The system destroyed the combo box with its dialog.
    if (m_combo.m_hWnd != NULL)
        m_combo.Detach();
    if (nResult != IDOK)
        return nResult;
    if (IsSaveDialog())
        CompleteExtension();
    Remember();
    return IDOK;
}

void CKwFileDialog::CompleteExtension()
{
    CString strPath = GetPathName();
    if (!CKwFileFilter::ExtensionOf(strPath).IsEmpty())
        return;
    CString strExt = GetExtensionFromFilter((int)m_ofn.nFilterIndex);
    CString strCompleted = CKwFileFilter::WithExtension(strPath, strExt);
    if (strExt.IsEmpty() || (DWORD)strCompleted.GetLength() >= m_ofn.nMaxFile)
        return;
    ::lstrcpynA(m_ofn.lpstrFile, strCompleted, m_ofn.nMaxFile);
    if (strPath.GetLength() < 0xFFFF)
        m_ofn.nFileExtension = (WORD)(strPath.GetLength() + 1);
}

CString CKwFileDialog::ChosenFolder() const
{
    // A multiple selection starts with its folder, which the name parts would cut to its parent.
    return CFileName::AddBackslash(GetFolderPath());
}

void CKwFileDialog::Remember()
{
    if (m_nFolderSlot != -1)
        CKwRegistry::WriteString(HKEY_CURRENT_USER, kRegistryKey, SlotName("LastOpenDir", m_nFolderSlot), ChosenFolder());
    if (m_nFilterSlot != -1)
        CKwRegistry::WriteDword(
            HKEY_CURRENT_USER, kRegistryKey, SlotName("LastSelectedFilter", m_nFilterSlot), m_ofn.nFilterIndex);
}

CString CKwFileDialog::GetOpenAsSaveAsSelection() const
{
    return m_strOpenAsSelection;
}

CString CKwFileDialog::GetExtensionFromFilter(int index) const
{
    return CKwFileFilter::Extension(m_strFilterText, index);
}

BOOL CKwFileDialog::OnInitDialog()
{
    BOOL bResult = CFileDialog::OnInitDialog();
    CWnd* pCombo = GetDlgItem(IDC_KW_OPEN_AS_COMBO);
    if (m_strOpenAsList.IsEmpty() || pCombo == NULL)
        return bResult;
    CString strLabel;
    if (IsSaveDialog() && strLabel.LoadString(IDS_KW_SAVE_AS))
        SetDlgItemText(IDC_KW_OPEN_AS_LABEL, strLabel);
    m_combo.Attach(pCombo->m_hWnd);
    CStringArray pieces;
    CKwFileFilter::SplitList(m_strOpenAsList, pieces);
    for (int i = 0; i < pieces.GetSize(); i++)
        m_combo.AddString(pieces[i]);
    if (m_combo.GetCount() > 0) {
        m_combo.SetCurSel(0);
        OnSelChange();
    }
    return bResult;
}

void CKwFileDialog::OnSelChange()
{
    int nIndex = m_combo.m_hWnd != NULL ? m_combo.GetCurSel() : CB_ERR;
    if (nIndex != CB_ERR)
        m_combo.GetLBText(nIndex, m_strOpenAsSelection);
}

void CKwFileDialog::OnTypeChange()
{
    if (!IsSaveDialog())
        return;
    // A filter such as "*.*" gives no extension: the name stays as typed.
    CString strExt = GetExtensionFromFilter((int)m_ofn.nFilterIndex);
    CString strName = GetControlText(edt1);
    CString strRenamed = CKwFileFilter::WithExtension(strName, strExt);
    if (!strExt.IsEmpty() && strRenamed != strName)
        SetControlText(edt1, strRenamed);
}

BOOL CKwFileDialog::OnFileNameOK()
{
    // A name typed without an extension gets its filter's before the system asks whether an
    // existing file may be replaced: the completed name is put in the field and OK pressed again,
    // so that the question is asked of report.csv and not of report.
    if (!IsSaveDialog())
        return FALSE;
    CString strName = GetControlText(edt1);
    CString strExt = GetExtensionFromFilter((int)m_ofn.nFilterIndex);
    CString strCompleted = CKwFileFilter::WithExtension(strName, strExt);
    if (strExt.IsEmpty() || !CKwFileFilter::ExtensionOf(strName).IsEmpty() || strCompleted == strName)
        return FALSE;
    SetControlText(edt1, strCompleted);
    ::PostMessageA(::GetParent(m_hWnd), WM_COMMAND, IDOK, 0);
    return TRUE;
}
