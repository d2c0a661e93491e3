// The toolkit's MDI template: the steps of opening a document in their order, titles of new
// documents, the recent-file list, failures, and the view class lookup.
#include "FrameHost.h"

#include "core/CoreGlobalMethods.h"
#include "frame/KwDocManager.h"
#include "support/ModalDialogDriver.h"

#include <afxadv.h>

namespace {

typedef std::vector<std::string> Calls;

TEST_F(FrameTest, OpenDocumentFileRunsItsStepsInOrder)
{
    CRecordingTemplate* pTemplate = AddTemplate(IDR_KW_MODEL);
    CDocument* pNew = pTemplate->OpenDocumentFile(NULL);
    ASSERT_TRUE(pNew != NULL);
    EXPECT_EQ((Calls{"CreateNewDocument", "CreateNewFrame", "SetDefaultTitle", "SetTitle Model1.mdl", "OnNewDocument",
                  "InitialUpdateFrame"}),
        g_calls);
    EXPECT_FALSE(pNew->m_bEmbedded);

    g_calls.clear();
    CDocument* pOpened = pTemplate->OpenDocumentFile("C:\\models\\wing.mdl");
    ASSERT_TRUE(pOpened != NULL);
    EXPECT_EQ((Calls{"CreateNewDocument", "CreateNewFrame", "OnOpenDocument C:\\models\\wing.mdl",
                  "SetPathName C:\\models\\wing.mdl MRU", "SetTitle wing.mdl", "InitialUpdateFrame"}),
        g_calls);
    EXPECT_EQ(2, pTemplate->DocumentCount());

    // Invisible new documents are embedded ones.
    CDocument* pHidden = pTemplate->OpenDocumentFile(NULL, FALSE);
    ASSERT_TRUE(pHidden != NULL);
    EXPECT_TRUE(pHidden->m_bEmbedded);
}

TEST_F(FrameTest, NewDocumentsAreNumberedWithTheExtension)
{
    CRecordingTemplate* pModel = AddTemplate(IDR_KW_MODEL);
    CRecordingTemplate* pNameless = AddTemplate(IDR_KW_NONAME);
    CDocument* pFirst = pModel->OpenDocumentFile(NULL);
    CDocument* pSecond = pModel->OpenDocumentFile(NULL);
    CDocument* pUntitled = pNameless->OpenDocumentFile(NULL);
    ASSERT_TRUE(pFirst != NULL && pSecond != NULL && pUntitled != NULL);
    EXPECT_STREQ("Model1.mdl", pFirst->GetTitle());
    EXPECT_STREQ("Model2.mdl", pSecond->GetTitle());
    EXPECT_STREQ("Untitled.nn", pUntitled->GetTitle());
    // A failed new document does not use up a number.
    CRecordingDoc::s_bFailNew = TRUE;
    EXPECT_TRUE(pModel->OpenDocumentFile(NULL) == NULL);
    CRecordingDoc::s_bFailNew = FALSE;
    CDocument* pThird = pModel->OpenDocumentFile(NULL);
    ASSERT_TRUE(pThird != NULL);
    EXPECT_STREQ("Model3.mdl", pThird->GetTitle());
}

TEST_F(FrameTest, OnlyTemplatesThatAskForItFillTheRecentFileList)
{
    CRecordingTemplate* pKept = AddTemplate(IDR_KW_A, FALSE);
    CRecordingTemplate* pListed = AddTemplate(IDR_KW_B, TRUE);
    ASSERT_TRUE(pKept->OpenDocumentFile("C:\\kept.a") != NULL);
    CRecentFileList* pList = m_app.GetRecentFileList();
    ASSERT_TRUE(pList != NULL);
    EXPECT_STREQ("", (*pList)[0]);
    ASSERT_TRUE(pListed->OpenDocumentFile("C:\\listed.b") != NULL);
    EXPECT_STREQ("C:\\listed.b", (*pList)[0]);
    EXPECT_STREQ("", (*pList)[1]);
}

TEST_F(FrameTest, FailuresLeaveNoDocumentBehind)
{
    // The file does not open: the frame goes, and the document with its view.
    CRecordingTemplate* pTemplate = AddTemplate(IDR_KW_MODEL);
    CRecordingDoc::s_bFailOpen = TRUE;
    EXPECT_TRUE(pTemplate->OpenDocumentFile("C:\\broken.mdl") == NULL);
    EXPECT_EQ(0, pTemplate->DocumentCount());
    EXPECT_EQ("~Doc", g_calls.back());
    EXPECT_TRUE(m_app.GetRecentFileList()->operator[](0).IsEmpty());

    // A frame without a view takes no document along when it goes: the template deletes it.
    g_calls.clear();
    CRecordingTemplate* pViewless = new CRecordingTemplate(IDR_KW_B, TRUE, RUNTIME_CLASS(CFrameWnd), NULL);
    m_app.AddDocTemplate(pViewless);
    CRecordingDoc::s_bFailOpen = FALSE;
    CRecordingDoc::s_bFailNew = TRUE;
    EXPECT_TRUE(pViewless->OpenDocumentFile(NULL) == NULL);
    EXPECT_EQ(0, pViewless->DocumentCount());
    EXPECT_EQ("~Doc", g_calls.back());

    // No frame: the framework's message, and the document is deleted.
    g_calls.clear();
    CRecordingTemplate* pFrameless = new CRecordingTemplate(IDR_KW_A, TRUE, NULL);
    m_app.AddDocTemplate(pFrameless);
    std::string message;
    ModalDialogDriver driver([&](HWND hBox) {
        char text[256] = "";
        ::GetDlgItemTextA(hBox, 0xFFFF, text, sizeof(text));
        message = text;
        ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(pFrameless->OpenDocumentFile(NULL) == NULL);
    EXPECT_TRUE(driver.Answered());
    EXPECT_EQ("Failed to create empty document.", message);
    EXPECT_EQ((Calls{"CreateNewDocument", "CreateNewFrame", "~Doc"}), g_calls);
    EXPECT_EQ(0, pFrameless->DocumentCount());
}

TEST_F(FrameTest, FindViewClassLooksAtTheApplicationsMdiTemplates)
{
    m_app.AddDocTemplate(new CRecordingTemplate(IDR_KW_A));
    m_app.AddDocTemplate(new CRecordingTemplate(IDR_KW_B, TRUE, RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(COtherTestView)));
    m_app.AddDocTemplate(new CSingleDocTemplate(IDR_KW_MODEL, RUNTIME_CLASS(CRecordingDoc), RUNTIME_CLASS(CFrameWnd),
        RUNTIME_CLASS(COtherTestView)));
    // A second template with the same ID: the first one answers.
    m_app.AddDocTemplate(new CRecordingTemplate(IDR_KW_B));
    EXPECT_EQ(RUNTIME_CLASS(CTestView), CKwMultiDocTemplate::FindViewClass(IDR_KW_A));
    EXPECT_EQ(RUNTIME_CLASS(COtherTestView), CKwMultiDocTemplate::FindViewClass(IDR_KW_B));
    EXPECT_TRUE(CKwMultiDocTemplate::FindViewClass(IDR_KW_MODEL) == NULL); // not an MDI template
    EXPECT_TRUE(CKwMultiDocTemplate::FindViewClass(9999) == NULL);
}

TEST(FrameTestWithoutApp, FindViewClassNeedsAnApplication)
{
    // The templates go with their application.
    g_calls.clear();
    {
        CKwWinApp app;
        app.AddDocTemplate(new CRecordingTemplate(IDR_KW_A));
        EXPECT_TRUE(app.m_pDocManager->IsKindOf(RUNTIME_CLASS(CKwDocManager)));
    }
    EXPECT_EQ(Calls{"~Template"}, g_calls);
    ASSERT_TRUE(AfxGetApp() == NULL);
    EXPECT_TRUE(CKwMultiDocTemplate::FindViewClass(IDR_KW_A) == NULL);
    CList<CDocument*, CDocument*> docs;
    CCoreGlobalMethods::GetDocList(docs);
    EXPECT_TRUE(docs.IsEmpty());
}

TEST_F(FrameTest, GetDocListGivesEveryDocumentByTemplate)
{
    CRecordingTemplate* pA = AddTemplate(IDR_KW_A);
    CRecordingTemplate* pB = AddTemplate(IDR_KW_B);
    CDocument* pB1 = pB->OpenDocumentFile(NULL);
    CDocument* pA1 = pA->OpenDocumentFile(NULL);
    CDocument* pA2 = pA->OpenDocumentFile(NULL);
    CList<CDocument*, CDocument*> docs;
    CDocument* pEarlier = pB1; // already in the list: appended after it
    docs.AddTail(pEarlier);
    CCoreGlobalMethods::GetDocList(docs);
    std::vector<CDocument*> order;
    for (POSITION pos = docs.GetHeadPosition(); pos != NULL;)
        order.push_back(docs.GetNext(pos));
    EXPECT_EQ((std::vector<CDocument*>{pEarlier, pA1, pA2, pB1}), order);
}

} // namespace
