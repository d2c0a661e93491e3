// StructDoc.h: CStructDoc, the structural model document: a compound file holding the members
// and the desktop of the windows that were open on them.
#pragma once

#include "StructModelWatch.h"
#include "model/StructModel.h"

#include "core/KwEventSource.h"
#include "frame/KwSoleDoc.h"

// The view hints of UpdateAllViews: lHint is one of these, pHint null; the member concerned is
// GetLastChanged() for kHintMember.
enum StructHint { kHintModel = 1, kHintMember, kHintSelection };

class CStructDoc : public CKwSoleDoc, public CKwEventSource
{
    DECLARE_DYNCREATE(CStructDoc)
public:
    CStructDoc();
    ~CStructDoc() override;

    const CStructModel& GetModel() const { return m_model; }
    // Every change goes through these: they mark the document modified, update the views
    // (UpdateAllViews with a StructHint) and send a CStructEvent to the subscribed panes.
    void SetMember(int nIndex, const CStructMember& member);
    int AddMember(const CStructMember& member, int nAfter = -1);
    void RemoveMember(int nIndex);
    void SetModel(const CStructModel& model);
    int GetLastChanged() const { return m_nLastChanged; }

    // The selected member, -1 for none; selecting announces it (kHintSelection).
    int GetSelected() const { return m_nSelected; }
    void Select(int nIndex);

    // The windows open on the model, as the document's archive stores them: restored when the
    // frame opens the document's windows; FALSE when the model holds no desktop or none of its
    // windows could be made again (a damaged desktop, told in the log).
    BOOL RestoreDesktop();

    // Where the document's lines for the user go (the editor's output log); TRACE while none
    // is set.
    typedef void (*LogFunction)(const CString& strLine);
    static void SetLog(LogFunction pfnLog) { s_pfnLog = pfnLog; }
    static void Log(const CString& strLine);

    // Reads the model's file again, its windows as it stores them; on a file that cannot be read
    // the model stays as it was, with its default windows. FALSE then.
    BOOL Reload();

    // New documents get a sample model; opened ones are watched for changes by other programs.
    int OnFinalConstruct() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    void OnCloseDocument() override;
    void DeleteContents() override;
    // A schema word, the model, then the desktop as one block of records, one per window.
    void Serialize(CArchive& ar) override;

protected:
    afx_msg void OnExport();
    afx_msg void OnChoosePicture();
    afx_msg void OnAddMember();
    afx_msg void OnDeleteMember();
    afx_msg void OnWriteReport();
    afx_msg void OnUpdateNeedsSelection(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    void Changed(StructHint hint, int nMember);
    // The windows open on the model into m_desktop.
    void StoreDesktop();

    CStructModel m_model;
    int m_nSelected;
    int m_nLastChanged;
    CByteArray m_desktop; // the stored desktop, until the frame restores it
    CStructModelWatch m_watch;
    static LogFunction s_pfnLog;
    BOOL m_bReloading; // the contents stay until the file is read whole
};
