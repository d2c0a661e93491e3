// The toolkit's MDI template: the steps of opening a document in their order (a file kept out of
// the recent-file list), titles of new documents and the list of them, failures, and the view
// class lookup.
#include "FrameHost.h"

#include "core/CoreGlobalMethods.h"
#include "support/ModalDialogDriver.h"

#include <afxadv.h>
#include <afxcmn.h>

Calls g_calls;
BOOL CRecordingDoc::s_bFailNew = FALSE;
IMPLEMENT_DYNCREATE(CRecordingDoc, CDocument)
IMPLEMENT_DYNCREATE(CTestView, CView)

void FrameTest::SetUp()
{
    g_calls.clear();
    CRecordingDoc::s_bFailNew = FALSE;
    m_app.m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", 4);
}

namespace {

TEST_F(FrameTest, OpenDocumentFileRunsItsStepsInOrder)
{
    CRecordingTemplate* pTemplate = AddTemplate(IDR_KW_MODEL, FALSE);
    CDocument* pNew = pTemplate->OpenDocumentFile(NULL);
    EXPECT_EQ((Calls{"CreateNewDocument", "CreateNewFrame", "SetDefaultTitle", "SetTitle Model1.mdl", "OnNewDocument",
                  "InitialUpdateFrame"}), g_calls);
    g_calls.clear();
    // A template that keeps its files out of the recent-file list.
    ASSERT_TRUE(pTemplate->OpenDocumentFile("C:\\models\\wing.mdl") != NULL);
    EXPECT_EQ((Calls{"CreateNewDocument", "CreateNewFrame", "OnOpenDocument C:\\models\\wing.mdl",
                  "SetPathName C:\\models\\wing.mdl", "SetTitle wing.mdl", "InitialUpdateFrame"}), g_calls);
    EXPECT_STREQ("", (*m_app.GetRecentFileList())[0]);
    // Invisible new documents are embedded ones.
    CDocument* pHidden = pTemplate->OpenDocumentFile(NULL, FALSE);
    ASSERT_TRUE(pNew != NULL && pHidden != NULL);
    EXPECT_FALSE(pNew->m_bEmbedded);
    EXPECT_TRUE(pHidden->m_bEmbedded);
}

TEST_F(FrameTest, NewDocumentsAreNumberedWithTheExtensionAndListed)
{
    CRecordingTemplate* pModel = AddTemplate(IDR_KW_MODEL);
    for (CRecordingTemplate* pTemplate : {AddTemplate(IDR_KW_NONAME), pModel, pModel})
        ASSERT_TRUE(pTemplate->OpenDocumentFile(NULL) != NULL);
    // A failed new document does not use up a number.
    CRecordingDoc::s_bFailNew = TRUE;
    EXPECT_TRUE(pModel->OpenDocumentFile(NULL) == NULL);
    CRecordingDoc::s_bFailNew = FALSE;
    ASSERT_TRUE(pModel->OpenDocumentFile(NULL) != NULL);
    // Every document, template by template, after what the list held.
    CList<CDocument*, CDocument*> docs;
    docs.AddTail(pModel->OpenDocumentFile("C:\\x.mdl"));
    CCoreGlobalMethods::GetDocList(docs);
    Calls titles;
    for (POSITION pos = docs.GetHeadPosition(); pos != NULL;)
        titles.push_back((LPCTSTR)docs.GetNext(pos)->GetTitle());
    EXPECT_EQ((Calls{"x.mdl", "Model1.mdl", "Model2.mdl", "Model3.mdl", "x.mdl", "Untitled.nn"}), titles);
}

TEST_F(FrameTest, FailuresLeaveNoDocumentBehind)
{
    // A frame without a view takes no document along when it goes: the template deletes it.
    CRecordingTemplate* pViewless = new CRecordingTemplate(IDR_KW_B, TRUE, RUNTIME_CLASS(CFrameWnd), NULL);
    m_app.AddDocTemplate(pViewless);
    CRecordingDoc::s_bFailNew = TRUE;
    EXPECT_TRUE(pViewless->OpenDocumentFile(NULL) == NULL);
    EXPECT_EQ("~Doc", g_calls.back());

    // No frame: the framework's message, and the document is deleted.
    g_calls.clear();
    CRecordingTemplate* pFrameless = new CRecordingTemplate(IDR_KW_A, TRUE, NULL);
    m_app.AddDocTemplate(pFrameless);
    ModalDialogDriver driver([&](HWND hBox) { ::PostMessageA(hBox, WM_COMMAND, IDOK, 0); });
    EXPECT_TRUE(pFrameless->OpenDocumentFile(NULL) == NULL);
    EXPECT_TRUE(driver.Answered());
    EXPECT_EQ((Calls{"CreateNewDocument", "CreateNewFrame", "~Doc"}), g_calls);
}

TEST_F(FrameTest, FindViewClassLooksAtTheApplicationsMdiTemplates)
{
    AddTemplate(IDR_KW_A);
    m_app.AddDocTemplate(new CRecordingTemplate(IDR_KW_B, TRUE, RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CListView)));
    m_app.AddDocTemplate(new CSingleDocTemplate(IDR_KW_MODEL, RUNTIME_CLASS(CRecordingDoc), RUNTIME_CLASS(CFrameWnd),
        RUNTIME_CLASS(CListView)));
    AddTemplate(IDR_KW_B); // the first template of an ID answers
    EXPECT_EQ(RUNTIME_CLASS(CTestView), CKwMultiDocTemplate::FindViewClass(IDR_KW_A));
    EXPECT_EQ(RUNTIME_CLASS(CListView), CKwMultiDocTemplate::FindViewClass(IDR_KW_B));
    EXPECT_TRUE(CKwMultiDocTemplate::FindViewClass(IDR_KW_MODEL) == NULL); // not an MDI template
    EXPECT_TRUE(CKwMultiDocTemplate::FindViewClass(9999) == NULL);
}

TEST(FrameTestWithoutApp, TemplatesGoWithTheirApplication)
{
    g_calls.clear();
    {
        CKwWinApp app;
        app.AddDocTemplate(new CRecordingTemplate(IDR_KW_A));
    }
    EXPECT_EQ(Calls{"~Template"}, g_calls);
    EXPECT_TRUE(AfxGetApp() == NULL && CBCGPWorkspace::GetWorkspace() == NULL);
    EXPECT_TRUE(CKwMultiDocTemplate::FindViewClass(IDR_KW_A) == NULL);
}

} // namespace
