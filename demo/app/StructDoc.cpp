// StructDoc.cpp: the model document: its changes announced to views and panes, its archive (the
// model, then the desktop of its windows), and the commands on its members.
#include "StructDoc.h"

#include "StructCommands.rh"
#include "StructEvents.h"
#include "StructWindows.h"
#include "model/StructReport.h"
#include "model/StructSectionPicture.h"

#include "core/CoreGlobalMethods.h"
#include "frame/KwMDITools.h"
#include "frame/KwWindowUpdateLock.h"
#include "pickers/DialogImageChoice.h"
#include "services/ExcelCommunicator.h"

#include <memory>
#include <utility>
#include <vector>

IMPLEMENT_DYNCREATE(CStructDoc, CKwSoleDoc)

BEGIN_MESSAGE_MAP(CStructDoc, CKwSoleDoc)
    ON_COMMAND(ID_STRUCT_EXPORT, &CStructDoc::OnExport)
    ON_COMMAND(ID_STRUCT_MEMBER_PICTURE, &CStructDoc::OnChoosePicture)
    ON_COMMAND(ID_STRUCT_MEMBER_ADD, &CStructDoc::OnAddMember)
    ON_COMMAND(ID_STRUCT_MEMBER_DELETE, &CStructDoc::OnDeleteMember)
    ON_COMMAND(ID_STRUCT_REPORT_WRITE, &CStructDoc::OnWriteReport)
    ON_UPDATE_COMMAND_UI(ID_STRUCT_MEMBER_PICTURE, &CStructDoc::OnUpdateNeedsSelection)
    ON_UPDATE_COMMAND_UI(ID_STRUCT_MEMBER_DELETE, &CStructDoc::OnUpdateNeedsSelection)
END_MESSAGE_MAP()

namespace {

const WORD kDocSchema = 1;

// A picture file's bytes; FALSE (bytes unchanged) for a file that cannot be read or is too
// large to be a cross-section's picture.
BOOL ReadPicture(const CString& strPath, CByteArray& bytes)
{
    const ULONGLONG kMaxPicture = 16 * 1024 * 1024;
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    try {
        ULONGLONG nLength = file.GetLength();
        if (nLength == 0 || nLength > kMaxPicture)
            return FALSE;
        CByteArray read;
        read.SetSize((INT_PTR)nLength);
        if (file.Read(read.GetData(), (UINT)nLength) != (UINT)nLength)
            return FALSE;
        bytes.Copy(read);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

// The pictures of the catalogue's sections as files ("IPE 300.bmp" ...) in a folder of the
// temporary folder, which is returned.
CString WriteCataloguePictures()
{
    char szTemp[MAX_PATH];
    DWORD nLength = ::GetTempPathA(MAX_PATH, szTemp);
    CString strFolder = CString(szTemp, nLength > 0 && nLength < MAX_PATH ? (int)nLength : 0) + "KwUi Sections";
    ::CreateDirectoryA(strFolder, NULL);
    CStringArray sections;
    CStructModel::GetSections(sections);
    for (INT_PTR i = 0; i < sections.GetSize(); i++) {
        CByteArray bmp;
        CFile file;
        if (!CStructSectionPicture::Make(sections[i], bmp) ||
            !file.Open(strFolder + "\\" + sections[i] + ".bmp", CFile::modeCreate | CFile::modeWrite))
            continue;
        try {
            file.Write(bmp.GetData(), (UINT)bmp.GetSize());
            file.Close();
        } catch (CException* e) {
            e->Delete(); // a picture fewer to choose from
        }
    }
    return strFolder;
}

// The whole content of a memory file.
std::unique_ptr<CByteArray> ReadAll(CMemFile& file)
{
    std::unique_ptr<CByteArray> pBytes(new CByteArray);
    pBytes->SetSize((INT_PTR)file.GetLength());
    file.SeekToBegin();
    if (pBytes->GetSize() > 0)
        file.Read(pBytes->GetData(), (UINT)pBytes->GetSize());
    return pBytes;
}

} // namespace

CStructDoc::LogFunction CStructDoc::s_pfnLog = NULL;

void CStructDoc::Log(const CString& strLine)
{
    if (s_pfnLog != NULL)
        s_pfnLog(strLine);
    else
        TRACE("%s\n", (LPCSTR)strLine);
}

CStructDoc::CStructDoc() : m_nSelected(-1), m_nLastChanged(-1), m_watch(this), m_bReloading(FALSE)
{
}

CStructDoc::~CStructDoc()
{
}

void CStructDoc::Changed(StructHint hint, int nMember)
{
    if (hint != kHintSelection) {
        m_nLastChanged = nMember;
        SetModifiedFlag(TRUE);
    }
    UpdateAllViews(NULL, hint, NULL);
    CStructEvent::Kind kind = hint == kHintMember      ? CStructEvent::kMemberChanged
                              : hint == kHintSelection ? CStructEvent::kSelectionChanged
                                                       : CStructEvent::kModelChanged;
    SendOutEvent(new CStructEvent(kind, nMember));
}

void CStructDoc::SetMember(int nIndex, const CStructMember& member)
{
    if (m_model.GetAt(nIndex) == member)
        return;
    m_model.SetAt(nIndex, member);
    Changed(kHintMember, nIndex);
}

int CStructDoc::AddMember(const CStructMember& member, int nAfter)
{
    int nIndex = nAfter < 0 || nAfter >= m_model.GetCount() ? m_model.GetCount() : nAfter + 1;
    m_model.InsertAt(nIndex, member);
    m_nSelected = nIndex;
    Changed(kHintModel, nIndex);
    return nIndex;
}

void CStructDoc::RemoveMember(int nIndex)
{
    m_model.RemoveAt(nIndex);
    if (m_nSelected >= m_model.GetCount())
        m_nSelected = m_model.GetCount() - 1;
    Changed(kHintModel, -1);
}

void CStructDoc::SetModel(const CStructModel& model)
{
    m_model = model;
    m_nSelected = -1;
    Changed(kHintModel, -1);
}

void CStructDoc::Select(int nIndex)
{
    if (nIndex < -1 || nIndex >= m_model.GetCount())
        nIndex = -1;
    if (nIndex == m_nSelected)
        return;
    m_nSelected = nIndex;
    Changed(kHintSelection, nIndex);
}

int CStructDoc::OnFinalConstruct()
{
    m_model.MakeSample(40);
    return TRUE;
}

BOOL CStructDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    if (!CKwSoleDoc::OnOpenDocument(lpszPathName))
        return FALSE;
    m_watch.Watch(lpszPathName);
    return TRUE;
}

BOOL CStructDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    // The editor's own writing is no change by another program.
    m_watch.Watch(CString());
    BOOL bSaved = CKwSoleDoc::OnSaveDocument(lpszPathName);
    m_watch.Watch(bSaved ? CString(lpszPathName) : GetPathName());
    return bSaved;
}

void CStructDoc::OnCloseDocument()
{
    m_watch.Watch(CString());
    CKwSoleDoc::OnCloseDocument(); // deletes this
}

BOOL CStructDoc::Reload()
{
    CString strPath = GetPathName();
    CKwMDITools::CloseAllMDIChildWindows();
    m_bReloading = TRUE;
    BOOL bRead = !strPath.IsEmpty() && OnOpenDocument(strPath); // the frame reopens the windows
    m_bReloading = FALSE;
    if (!bRead) {
        m_desktop.RemoveAll();
        CStructWindows::OpenDefault(this);
        Changed(kHintModel, -1);
    }
    return bRead;
}

void CStructDoc::DeleteContents()
{
    if (m_bReloading)
        return;
    m_model.RemoveAll();
    m_desktop.RemoveAll();
    m_nSelected = -1;
    m_nLastChanged = -1;
    CKwSoleDoc::DeleteContents();
}

void CStructDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kDocSchema;
        m_model.Serialize(ar);
        StoreDesktop();
        m_desktop.Serialize(ar);
        m_desktop.RemoveAll();
        return;
    }
    CStructMember::LoadSchema(ar, kDocSchema);
    // Both parts read before either replaces what the document holds. The desktop is taken
    // apart only when the frame restores the windows: a damaged one costs the windows, never
    // the model.
    CStructModel model;
    model.Serialize(ar);
    CByteArray desktop;
    try {
        desktop.Serialize(ar);
    } catch (CArchiveException* e) {
        // A model whose desktop was cut off opens with its default windows.
        e->Delete();
        desktop.RemoveAll();
        Log("The model's desktop was damaged: the model opens with its default windows.");
    }
    // Copying the desktop is the last step that may fail; the model moves in whole after it.
    m_desktop.Copy(desktop);
    m_model = std::move(model);
    m_nSelected = -1;
    m_nLastChanged = -1;
}

void CStructDoc::StoreDesktop()
{
    // Each window in a record of its own, so that a damaged one costs only its window; from the
    // bottom of the Z order up, so that the active window comes back last, and active. A window
    // that cannot describe itself writes nothing and is left out.
    std::vector<CMDIChildWnd*> children;
    for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p)) {
        if (p->GetActiveDocument() == this)
            children.insert(children.begin(), p);
    }
    std::vector<std::unique_ptr<CByteArray>> records;
    for (CMDIChildWnd* p : children) {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar.m_pDocument = this;
            CKwMDITools::StoreWindowForSharedDoc(p, ar);
            ar.Close();
        }
        if (file.GetLength() != 0)
            records.push_back(ReadAll(file));
    }
    CMemFile desktop;
    {
        CArchive ar(&desktop, CArchive::store);
        ar.WriteCount(records.size());
        for (auto& pRecord : records)
            pRecord->Serialize(ar);
        ar.Close();
    }
    std::unique_ptr<CByteArray> pDesktop = ReadAll(desktop);
    m_desktop.Copy(*pDesktop);
}

BOOL CStructDoc::RestoreDesktop()
{
    if (m_desktop.IsEmpty())
        return FALSE;
    CByteArray desktop;
    desktop.Copy(m_desktop);
    m_desktop.RemoveAll();
    int nRestored = 0, nRecords = 0;
    // The windows paint once, when all of them are there.
    CKwWindowUpdateLock lock;
    try {
        CMemFile file(desktop.GetData(), (UINT)desktop.GetSize());
        CArchive ar(&file, CArchive::load);
        nRecords = (int)ar.ReadCount();
        for (int i = 0; i < nRecords; i++) {
            CByteArray record;
            record.Serialize(ar);
            CMemFile recordFile(record.GetData(), (UINT)record.GetSize());
            CArchive arRecord(&recordFile, CArchive::load);
            arRecord.m_pDocument = this;
            if (CKwMDITools::RestoreWindow(arRecord, this, "") != NULL)
                nRestored++;
        }
    } catch (CException* e) {
        e->Delete();
        nRecords = -1;
    }
    if (nRestored != nRecords)
        Log("The model's desktop was damaged: some of its windows could not be restored.");
    return nRestored > 0;
}

void CStructDoc::OnAddMember()
{
    // A copy of the selected member (or a fresh one) under the next free mark of its kind.
    CStructMember member;
    if (m_nSelected >= 0)
        member = m_model.GetAt(m_nSelected);
    else
        member.ParseCell(CStructMember::kMark, "M1");
    CString strPrefix = member.m_strMark.SpanExcluding("0123456789");
    if (strPrefix.IsEmpty())
        strPrefix = "M";
    for (int n = 1;; n++) {
        CString strMark;
        strMark.Format("%s%d", (LPCSTR)strPrefix, n);
        if (m_model.Find(strMark) < 0) {
            member.m_strMark = strMark;
            break;
        }
    }
    AddMember(member, m_nSelected);
}

void CStructDoc::OnDeleteMember()
{
    if (m_nSelected >= 0)
        RemoveMember(m_nSelected);
}

void CStructDoc::OnUpdateNeedsSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nSelected >= 0);
}

void CStructDoc::OnWriteReport()
{
    // Beside the model, under its name: "Bridge.kwm" writes "Bridge.html".
    CString strPath = GetPathName();
    if (strPath.IsEmpty()) {
        AfxMessageBox("Save the model first: its report is written beside it.", MB_OK | MB_ICONINFORMATION);
        return;
    }
    int nDot = strPath.ReverseFind('.');
    if (nDot > strPath.ReverseFind('\\'))
        strPath = strPath.Left(nDot);
    strPath += ".html";
    CString strReport = CStructReport::Format(m_model, GetTitle());
    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite, &error)) {
        AfxMessageBox("The report could not be written to " + strPath + ".", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    try {
        file.Write((LPCSTR)strReport, (UINT)strReport.GetLength());
        file.Close();
    } catch (CException* e) {
        e->Delete();
        AfxMessageBox("The report could not be written to " + strPath + ".", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    Log("Report written to " + strPath);
}

void CStructDoc::OnExport()
{
    // The schedule pasted into a new sheet of the spreadsheet program, which stays open.
    CExcelCommunicator excel;
    bool bPasted = false;
    try {
        bPasted = excel.InsertTextIntoExcel(m_model.FormatSchedule());
    } catch (const _com_error&) {
        excel.ClearExcelAppObject();
    }
    if (bPasted)
        Log("Schedule exported to the spreadsheet");
    else
        AfxMessageBox("The schedule could not be exported: no spreadsheet program could be started.",
                      MB_OK | MB_ICONEXCLAMATION);
}

void CStructDoc::OnChoosePicture()
{
    if (m_nSelected < 0)
        return;
    // The catalogue's pictures to choose from; "Browse..." starts in the model's folder.
    CString strFolder = GetPathName();
    int nSlash = strFolder.ReverseFind('\\');
    strFolder = nSlash >= 0 ? strFolder.Left(nSlash) : CString(".");
    CDialogImageChoice dlg(AfxGetMainWnd());
    dlg.m_wndChoice.m_nFormats = CCoreGlobalMethods::ImageBmp | CCoreGlobalMethods::ImageJpg |
                                 CCoreGlobalMethods::ImagePng | CCoreGlobalMethods::ImageGif;
    dlg.m_wndChoice.m_strChoiceFolder = WriteCataloguePictures();
    dlg.m_wndChoice.m_strBrowseFolder = strFolder;
    int nMember = m_nSelected;
    if (dlg.DoModal() != IDOK || dlg.m_wndChoice.m_strSelectedFile.IsEmpty())
        return;
    // The model may have been read again while the dialog was open (another program changed it).
    if (nMember != m_nSelected || nMember >= m_model.GetCount())
        return;
    CStructMember member = m_model.GetAt(nMember);
    if (!ReadPicture(dlg.m_wndChoice.m_strSelectedFile, member.m_picture)) {
        AfxMessageBox("The picture " + dlg.m_wndChoice.m_strSelectedFile + " could not be read.",
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    SetMember(nMember, member);
}
