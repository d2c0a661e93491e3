// FrameHost.h: a test application's documents, views and templates that note every overridden
// call in one log, and the fixture that runs an application object around a test.
#pragma once

#include "FrameHost.rh"

#include "frame/KwMultiDocTemplate.h"
#include "frame/KwWinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Calls of the recording documents and templates, in order.
extern std::vector<std::string> g_calls;

class CRecordingDoc : public CDocument
{
    DECLARE_DYNCREATE(CRecordingDoc)
public:
    ~CRecordingDoc() override;
    static BOOL s_bFailNew;
    static BOOL s_bFailOpen;

    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE) override;
    void SetTitle(LPCTSTR lpszTitle) override;
};

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)
public:
    void OnDraw(CDC*) override {}
};

class COtherTestView : public CTestView
{
    DECLARE_DYNCREATE(COtherTestView)
};

class CRecordingTemplate : public CKwMultiDocTemplate
{
public:
    CRecordingTemplate(UINT nIDResource, BOOL bAddToMRU = TRUE, CRuntimeClass* pFrameClass = RUNTIME_CLASS(CFrameWnd),
        CRuntimeClass* pViewClass = RUNTIME_CLASS(CTestView));
    ~CRecordingTemplate() override;

    CDocument* CreateNewDocument() override;
    CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) override;
    void SetDefaultTitle(CDocument* pDocument) override;
    void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE) override;
    int DocumentCount() const { return (int)m_docList.GetCount(); }
};

// An application object for the test, with a recent-file list of four that lives in memory
// only; the documents still open close before it goes.
class FrameTest : public ::testing::Test
{
protected:
    CKwWinApp m_app{"KwFrameTests"};
    void SetUp() override;
    void TearDown() override;
    // Takes a template the application keeps.
    CRecordingTemplate* AddTemplate(UINT nIDResource, BOOL bAddToMRU = TRUE);
};
