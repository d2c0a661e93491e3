// StructDoc.cpp: the model document: its changes announced to views and panes, its archive (the
// model, then the desktop of its windows), and the commands on its members.
#include "StructDoc.h"

#include "StructCommands.rh"
#include "StructEvents.h"
#include "StructWindows.h"
#include "model/StructReport.h"

#include "frame/KwMDITools.h"

#include <memory>
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

// A line for the user's log of what happened to the model.
void Log(const char* pszText)
{
    TRACE("%s\n", pszText);
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

CStructDoc::CStructDoc() : m_nSelected(-1), m_nLastChanged(-1)
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
    return CKwSoleDoc::OnOpenDocument(lpszPathName);
}

BOOL CStructDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    return CKwSoleDoc::OnSaveDocument(lpszPathName);
}

void CStructDoc::OnCloseDocument()
{
    CKwSoleDoc::OnCloseDocument(); // deletes this
}

void CStructDoc::DeleteContents()
{
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
    WORD wSchema = 0;
    ar >> wSchema;
    if (wSchema != kDocSchema)
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    m_model.Serialize(ar);
    // Read whole here, taken apart only when the frame restores the windows: a damaged desktop
    // costs the windows, never the model.
    m_desktop.Serialize(ar);
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
}

void CStructDoc::OnExport()
{
}

void CStructDoc::OnChoosePicture()
{
}
