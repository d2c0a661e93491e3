// FrameHost.cpp: the recording documents and templates of the frame tests.
#include "FrameHost.h"

#include <afxadv.h>

std::vector<std::string> g_calls;

IMPLEMENT_DYNCREATE(CRecordingDoc, CDocument)
IMPLEMENT_DYNCREATE(CTestView, CView)
IMPLEMENT_DYNCREATE(COtherTestView, CTestView)

BOOL CRecordingDoc::s_bFailNew = FALSE;
BOOL CRecordingDoc::s_bFailOpen = FALSE;

CRecordingDoc::~CRecordingDoc()
{
    g_calls.push_back("~Doc");
}

BOOL CRecordingDoc::OnNewDocument()
{
    g_calls.push_back("OnNewDocument");
    return !s_bFailNew && CDocument::OnNewDocument();
}

BOOL CRecordingDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    g_calls.push_back(std::string("OnOpenDocument ") + lpszPathName);
    // The test files need not exist: the document starts empty.
    return !s_bFailOpen && CDocument::OnNewDocument();
}

void CRecordingDoc::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    g_calls.push_back(std::string("SetPathName ") + lpszPathName + (bAddToMRU ? " MRU" : ""));
    CDocument::SetPathName(lpszPathName, bAddToMRU);
}

void CRecordingDoc::SetTitle(LPCTSTR lpszTitle)
{
    g_calls.push_back(std::string("SetTitle ") + lpszTitle);
    CDocument::SetTitle(lpszTitle);
}

CRecordingTemplate::CRecordingTemplate(UINT nIDResource, BOOL bAddToMRU, CRuntimeClass* pFrameClass,
    CRuntimeClass* pViewClass)
    : CKwMultiDocTemplate(nIDResource, RUNTIME_CLASS(CRecordingDoc), pFrameClass, pViewClass, bAddToMRU)
{
}

CRecordingTemplate::~CRecordingTemplate()
{
    g_calls.push_back("~Template");
}

CDocument* CRecordingTemplate::CreateNewDocument()
{
    g_calls.push_back("CreateNewDocument");
    return CKwMultiDocTemplate::CreateNewDocument();
}

CFrameWnd* CRecordingTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    g_calls.push_back("CreateNewFrame");
    return CKwMultiDocTemplate::CreateNewFrame(pDoc, pOther);
}

void CRecordingTemplate::SetDefaultTitle(CDocument* pDocument)
{
    g_calls.push_back("SetDefaultTitle");
    CKwMultiDocTemplate::SetDefaultTitle(pDocument);
}

void CRecordingTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    g_calls.push_back("InitialUpdateFrame");
    CKwMultiDocTemplate::InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
}

void FrameTest::SetUp()
{
    g_calls.clear();
    CRecordingDoc::s_bFailNew = FALSE;
    CRecordingDoc::s_bFailOpen = FALSE;
    m_app.m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", 4);
}

void FrameTest::TearDown()
{
    m_app.CloseAllDocuments(FALSE);
}

CRecordingTemplate* FrameTest::AddTemplate(UINT nIDResource, BOOL bAddToMRU)
{
    CRecordingTemplate* pTemplate = new CRecordingTemplate(nIDResource, bAddToMRU);
    m_app.AddDocTemplate(pTemplate);
    return pTemplate;
}
