// CDocTemplate.h: CDocTemplate, what ties a kind of document to its frame and view classes and
// to resource nIDResource: the menu, the accelerators, the icon and the document string, whose
// seven lines name the window title, the new document, the file filter and the shell file type.
#pragma once

#include "afxmsg_.h"
#include "CString.h"

class CDocument;
class CFrameWnd;
struct CRuntimeClass;

class KWAFX_API CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex
    {
        windowTitle, // the SDI frame's title
        docName, // base of new documents' titles
        fileNewName, // the name in the New dialog
        filterName, // the file dialog's filter, "Drawings (*.drw)"
        filterExt, // ".drw"
        regFileTypeId, // the shell's file type, "MyApp.Drawing"
        regFileTypeName // the shell's description of it
    };
    // How well a file suits this template, in increasing confidence.
    enum Confidence
    {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen
    };

    ~CDocTemplate() override;

    // Loads the document string (and the shared menu and accelerators of derived templates).
    virtual void LoadTemplate();
    // Line index of the document string; FALSE (and an empty string) when it has none.
    virtual BOOL GetDocString(CString& rString, enum DocStringIndex index) const;

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    // yesAlreadyOpen (with the document) when a document of the template has that path,
    // yesAttemptNative when its extension is the template's, yesAttemptForeign otherwise.
    virtual Confidence MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch);
    virtual CDocument* CreateNewDocument();
    // A frame with its view for pDoc (pOther: a frame being copied); NULL when it cannot be made.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;

    UINT GetResourceID() const { return m_nIDResource; }

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);
};
