// FrameHost.h: a test application's documents, views and templates that note every overridden
// call in one log, and the fixture that runs an application object around a test.
#pragma once

#include "FrameHost.rh"

#include "frame/KwMultiDocTemplate.h"
#include "frame/KwWinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

typedef std::vector<std::string> Calls;
extern Calls g_calls;
inline void Note(const std::string& call)
{
    g_calls.push_back(call);
}

// Whether the command is enabled, as the target's update handlers (routed as a menu's) say.
inline BOOL CommandEnabled(CCmdTarget* pTarget, UINT nID)
{
    struct CStateCmdUI : CCmdUI
    {
        BOOL m_bOn = FALSE;
        void Enable(BOOL bOn) override { m_bOn = bOn; }
    } state;
    state.m_nID = nID;
    pTarget->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, NULL);
    return state.m_bOn;
}

class CRecordingDoc : public CDocument
{
    DECLARE_DYNCREATE(CRecordingDoc)
public:
    static BOOL s_bFailNew;
    ~CRecordingDoc() override { Note("~Doc"); }
    BOOL OnNewDocument() override { return Note("OnNewDocument"), !s_bFailNew; }
    BOOL OnOpenDocument(LPCTSTR path) override { return Note(std::string("OnOpenDocument ") + path), TRUE; }
    void SetPathName(LPCTSTR path, BOOL bAddToMRU = TRUE) override
    {
        Note(std::string("SetPathName ") + path + (bAddToMRU ? " MRU" : ""));
        CDocument::SetPathName(path, bAddToMRU);
    }
    void SetTitle(LPCTSTR title) override { Note(std::string("SetTitle ") + title), CDocument::SetTitle(title); }
};

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)
public:
    void OnDraw(CDC*) override {}
};

class CRecordingTemplate : public CKwMultiDocTemplate
{
public:
    CRecordingTemplate(UINT nID, BOOL bAddToMRU = TRUE, CRuntimeClass* pFrameClass = RUNTIME_CLASS(CFrameWnd),
        CRuntimeClass* pViewClass = RUNTIME_CLASS(CTestView))
        : CKwMultiDocTemplate(nID, RUNTIME_CLASS(CRecordingDoc), pFrameClass, pViewClass, bAddToMRU)
    {
    }
    ~CRecordingTemplate() override { Note("~Template"); }
    CDocument* CreateNewDocument() override { return Note("CreateNewDocument"), CKwMultiDocTemplate::CreateNewDocument(); }
    CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) override
    {
        return Note("CreateNewFrame"), CKwMultiDocTemplate::CreateNewFrame(pDoc, pOther);
    }
    void SetDefaultTitle(CDocument* pDoc) override { Note("SetDefaultTitle"), CKwMultiDocTemplate::SetDefaultTitle(pDoc); }
    void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE) override
    {
        Note("InitialUpdateFrame"), CKwMultiDocTemplate::InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    }
};

// An application object with a recent-file list of four in memory only; the documents still
// open close before it goes.
class FrameTest : public ::testing::Test
{
protected:
    CKwWinApp m_app{"KwFrameTests"};
    void SetUp() override;
    void TearDown() override { m_app.CloseAllDocuments(FALSE); }
    CRecordingTemplate* AddTemplate(UINT nID, BOOL bAddToMRU = TRUE)
    {
        CRecordingTemplate* pTemplate = new CRecordingTemplate(nID, bAddToMRU);
        m_app.AddDocTemplate(pTemplate);
        return pTemplate;
    }
};
