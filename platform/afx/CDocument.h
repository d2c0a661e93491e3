// CDocument.h: CDocument, the data a user opens, saves and closes: its path and title, the views
// that show it, the modified flag, and the new/open/save/close cycle with its prompts.
#pragma once

#include "afxmsg_.h"
#include "CPtrList.h"
#include "CString.h"

#include <functional>

class CArchive;
class CDocTemplate;
class CException;
class CFile;
class CFileException;
class CFrameWnd;
class CView;

class KWAFX_API CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override; // leaves its template's list; the views must be gone

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // The full path; the title becomes the file's title. bAddToMRU enters it in the recent-file
    // list.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    // Views, in the order they were added.
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const { return (CView*)m_viewList.GetNext(rPosition); }
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);
    // Numbers the frames (":1", ":2" in their titles) when more than one shows the document.
    virtual void UpdateFrameCounts();
    // The last view left: a document that deletes itself closes.
    virtual void OnChangedViewList();

    virtual void DeleteContents() {}
    void Serialize(CArchive& ar) override;

    // The cycle. OnNewDocument and OnOpenDocument empty the document first; OnSaveDocument writes
    // the whole file anew and replaces the old one only once it is complete.
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    virtual void OnCloseDocument();
    virtual void ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault);
    virtual CFile* GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
    virtual void ReleaseFile(CFile* pFile, BOOL bAbort);

    // Closing: TRUE when the frame may close (another frame still shows the document, or the
    // user's answer to the save prompt allows it).
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Yes saves (FALSE when that fails), no discards, cancel keeps the document open.
    virtual BOOL SaveModified();
    virtual void PreCloseFrame(CFrameWnd* pFrame) {}
    // Save under lpszPathName, or ask for a name when NULL; bReplace makes it the document's.
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();

    // The menu and accelerators a frame shows while this document is active (NULL: the
    // template's).
    virtual HMENU GetDefaultMenu() { return NULL; }
    virtual HACCEL GetDefaultAccelerator() { return NULL; }

    // The document's own map, then its template's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CPtrList m_viewList;
    BOOL m_bModified;
    BOOL m_bAutoDelete; // deleted when its last view goes
    BOOL m_bEmbedded;

protected:
    // Saves through write(a new file next to lpszPathName), which throws CException on
    // failure; the new file replaces the old one only once complete. Failures are reported;
    // success clears the modified flag.
    BOOL SaveReplacing(LPCTSTR lpszPathName, const std::function<void(LPCTSTR lpszTempName)>& write);
    // Creates lpszFileName through GetFile and fills it through write; failures throw
    // CFileException naming lpszPathName, and a file left unfinished is aborted.
    void WriteNewFile(LPCTSTR lpszFileName, LPCTSTR lpszPathName, const std::function<void(CFile* pFile)>& write);

    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();

    DECLARE_MESSAGE_MAP()

    friend class CDocTemplate;
};
