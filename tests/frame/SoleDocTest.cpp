// The sole-document application: a model (the sole document) beside reports. Every File command
// is recorded whole with its prompts, views and the closed event; the model round-trips through
// its compound file; a file that cannot be read keeps the model, and one that fails to open
// leaves the recent-file list.
#include "FrameHost.h"
#include "SoleDocTest.rh"

#include "core/KwEventListener.h"
#include "frame/KwSoleDoc.h"
#include "frame/KwSoleDocApp.h"
#include "frame/KwSoleDocAppEventSoleDocClosed.h"
#include "frame/KwSoleDocMDIFrameWnd.h"
#include "frame/KwSoleDocTemplate.h"
#include "support/ModalDialogDriver.h"
#include "support/TempPath.h"

#include <afxadv.h>
#include <dlgs.h>

#include <deque>
#include <fstream>

namespace {

// A name without the temporary files' prefix ("kwfile_<process>_").
std::string Name(const std::string& s) { return s.substr(s.find_last_of(" \\_") + 1); }
std::string Title(CDocument* pDoc) { return Name((LPCTSTR)pDoc->GetTitle()); }

class CModelDoc : public CKwSoleDoc
{
    DECLARE_DYNCREATE(CModelDoc)
public:
    CString m_strText;
    ~CModelDoc() override { Note("~" + Title(this)); }
    void Serialize(CArchive& ar) override { ar.IsStoring() ? ar << m_strText : ar >> m_strText; }
    BOOL OnSaveDocument(LPCTSTR path) override { return Note("save " + Title(this)), CKwSoleDoc::OnSaveDocument(path); }
    afx_msg void OnModelCmd() { Note("model handles"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CModelDoc, CKwSoleDoc)
BEGIN_MESSAGE_MAP(CModelDoc, CKwSoleDoc)
    ON_COMMAND(ID_KW_TEST_MODELCMD, &CModelDoc::OnModelCmd)
END_MESSAGE_MAP()

class CReportDoc : public CDocument
{
    DECLARE_DYNCREATE(CReportDoc)
    BOOL DoFileSave() override { return Note("save " + Title(this)), SetModifiedFlag(FALSE), TRUE; }
};
IMPLEMENT_DYNCREATE(CReportDoc, CDocument)

// A view that outlives its window, as a member of a bar would.
struct CKeptView : CTestView { void PostNcDestroy() override {} };

// Opens a child window on each model it is told of.
struct CSoleFrame : CKwSoleDocMDIFrameWnd
{
    CMultiDocTemplate m_views{IDR_KW_SOLE_MODEL, RUNTIME_CLASS(CModelDoc), RUNTIME_CLASS(CMDIChildWnd),
        RUNTIME_CLASS(CTestView)};
    void OnOpenSoleDoc(CDocument* pDoc) override
    {
        Note("open " + Title(pDoc));
        m_views.InitialUpdateFrame(m_views.CreateNewFrame(pDoc, NULL), pDoc);
    }
    void OnCloseSoleDoc() override { Note(MDIGetActive() == NULL ? "closing, no child" : "closing, a child open"); }
};

// Answers message boxes from a queue (OK when empty) and notes them.
struct CSoleApp : CKwSoleDocApp, CKwEventListener
{
    std::deque<int> m_answers;
    CSoleApp() : CKwSoleDocApp("KwSoleDocTests") { Subscribe(this); }
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT nIDPrompt) override
    {
        Note(nIDPrompt == AFX_IDP_ASK_TO_SAVE ? "ask " + Name(lpszPrompt) : "box");
        int nAnswer = m_answers.empty() ? IDOK : m_answers.front();
        return m_answers.empty() ? nAnswer : (m_answers.pop_front(), nAnswer);
    }
    void OnEvent(CKwEventSource*, CKwEvent* pEvent) override
    {
        Note(dynamic_cast<CKwSoleDocAppEventSoleDocClosed*>(pEvent) != NULL ? "closed event" : "other event");
    }
};

class SoleDoc : public ::testing::Test
{
protected:
    CSoleApp m_app;
    CSoleFrame* m_pFrame = nullptr;
    CKwSoleDocTemplate* m_pModels = nullptr;
    CKwMultiDocTemplate* m_pReports = nullptr;
    // A dialog the test does not answer (until it sets up an answer of its own) fails it.
    ModalDialogDriver m_unexpected{[](HWND hDlg) {
        ADD_FAILURE() << "a dialog nobody answers";
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    }};

    void SetUp() override
    {
        m_app.m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", 4);
        m_app.AddDocTemplate(m_pModels = new CKwSoleDocTemplate(IDR_KW_SOLE_MODEL, RUNTIME_CLASS(CModelDoc)));
        m_app.AddDocTemplate(m_pReports = new CKwMultiDocTemplate(IDR_KW_SOLE_REPORT, RUNTIME_CLASS(CReportDoc),
                                 RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CTestView), TRUE));
        m_pFrame = new CSoleFrame;
        m_pFrame->m_views.LoadTemplate();
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_KW_SOLE_FRAME));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->SetWindowPos(NULL, 0, 0, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
        g_calls.clear();
    }
    void TearDown() override
    {
        m_app.m_answers.assign(8, IDNO);
        m_app.CloseAllDocuments(FALSE);
        m_app.m_pMainWnd = NULL;
        m_pFrame->DestroyWindow(); // deletes it
    }
    Calls Command(UINT nID, std::deque<int> answers = {})
    {
        m_app.m_answers = answers;
        g_calls.clear();
        m_pFrame->SendMessage(WM_COMMAND, nID, 0);
        return g_calls;
    }
    CModelDoc* Model() { return (CModelDoc*)m_app.GetSoleDoc(); }
    CString FrameTitle()
    {
        CString strText;
        return m_pFrame->OnUpdateFrameTitle(TRUE), m_pFrame->GetWindowText(strText), strText;
    }
    // A model of the text saved at path, then closed.
    void SaveModel(const char* path, const char* text)
    {
        ASSERT_TRUE(m_pModels->OpenDocumentFile(NULL) != NULL);
        Model()->m_strText = text;
        ASSERT_TRUE(Model()->DoSave(path));
        Command(ID_KW_FILE_CLOSE_SOLEDOC);
    }
};

TEST_F(SoleDoc, NewOffersTheTemplatesOnlyWhenThereAreSeveralAndReplacesTheModel)
{
    EXPECT_EQ((Calls{"open Model"}), Command(ID_KW_FILE_NEW_SOLEDOC));
    EXPECT_EQ(CString("Model - Sole"), FrameTitle()); // no number
    EXPECT_TRUE(m_pFrame->m_nIdleFlags & 2); // the title follows the documents at idle time

    m_app.AddDocTemplate(new CKwSoleDocTemplate(IDR_KW_SOLE_DRAWING, RUNTIME_CLASS(CModelDoc)));
    EXPECT_EQ(m_app.GetNextSoleDocTemplate(m_pModels), CKwSoleDocTemplate::FindByID(IDR_KW_SOLE_DRAWING));
    Calls offered;
    auto choose = [&](const char* name) {
        return [&offered, name](HWND hDlg) {
            HWND hList = ::GetDlgItem(hDlg, AFX_IDC_LISTBOX);
            char text[64];
            for (int i = 0; ::SendMessageA(hList, LB_GETTEXT, i, (LPARAM)text) > 0; i++)
                offered.push_back(text);
            if (name == NULL)
                return (void)::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
            ::SendMessageA(hList, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)name);
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        };
    };
    {
        ModalDialogDriver driver(choose(NULL));
        EXPECT_EQ(Calls{}, Command(ID_KW_FILE_NEW_SOLEDOC));
        EXPECT_TRUE(driver.Answered());
    }
    ModalDialogDriver driver(choose("Drawing"));
    EXPECT_EQ((Calls{"closing, no child", "~Model", "closed event", "open Drawing"}), Command(ID_KW_FILE_NEW_SOLEDOC));
    EXPECT_EQ((Calls{"Model", "Drawing", "Model", "Drawing"}), offered);
    EXPECT_EQ(CString("Drawing - Sole"), FrameTitle());
    // Every child closes with the model, the report's too.
    m_pReports->OpenDocumentFile(NULL);
    EXPECT_EQ((Calls{"closing, no child", "~Drawing", "closed event"}), Command(ID_KW_FILE_CLOSE_SOLEDOC));
    EXPECT_EQ(CString("Sole"), FrameTitle());
    EXPECT_EQ(0, m_app.GetOpenDocumentCount());
}

TEST_F(SoleDoc, OpenListsTheModelTypesAndReadsTheCompoundFileBack)
{
    const TempPath path("model.mdl");
    SaveModel(path.c_str(), "girder");
    EXPECT_EQ(S_OK, ::StgIsStorageFile(std::wstring(path.c_str(), path.c_str() + strlen(path.c_str())).c_str()));
    Calls shown;
    ModalDialogDriver driver([&](HWND hDlg) {
        char text[MAX_PATH] = "";
        ::GetWindowTextA(hDlg, text, sizeof(text));
        shown.push_back(text);
        for (int i = 0; ::SendDlgItemMessageA(hDlg, cmb1, CB_GETLBTEXT, i, (LPARAM)text) > 0; i++)
            shown.push_back(text);
        ::GetDlgItemTextA(hDlg, ::GetDlgItem(hDlg, cmb13) != NULL ? cmb13 : edt1, text, sizeof(text));
        shown.push_back(Name(text)); // starts at the last model
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ((Calls{"open model.mdl"}), Command(ID_KW_FILE_OPEN_SOLEDOC));
    EXPECT_EQ((Calls{"Open", "Model files", "All Files (*.*)", "model.mdl"}), shown);
    ASSERT_TRUE(Model() != NULL);
    EXPECT_EQ(CString("girder"), Model()->m_strText);
}

TEST_F(SoleDoc, RecentFilesAreModelsAndOnesThatDoNotOpenLeaveTheList)
{
    const TempPath gone("gone.mdl"), broken("broken.mdl"), good("good.mdl"), report("report.rpt");
    std::ofstream(report.c_str()) << "";
    std::ofstream(broken.c_str()) << "no compound file";
    SaveModel(gone.c_str(), "");
    SaveModel(good.c_str(), "");
    CDocument* pReport = m_app.OpenDocumentFile(report.c_str());
    CRecentFileList& mru = *m_app.GetRecentFileList();
    m_app.AddToRecentFileList(broken.c_str());
    EXPECT_EQ(CString(good.c_str()), mru[1]); // not the report
    EXPECT_EQ(CString(gone.c_str()), mru[2]);
    ::DeleteFileA(gone.c_str());

    // Opened, and a report changed: a model that cannot be read closes nothing.
    ASSERT_EQ((Calls{"open good.mdl"}), Command(ID_FILE_MRU_FILE2));
    pReport->SetModifiedFlag(), Model()->SetModifiedFlag();
    EXPECT_EQ((Calls{"box"}), Command(ID_FILE_MRU_FILE3));
    ASSERT_TRUE(Model() != NULL);
    EXPECT_EQ(CString(good.c_str()), Model()->GetPathName());
    // One that is read, but is no model, replaces it after the prompts.
    EXPECT_EQ((Calls{"ask report.rpt?", "save report.rpt", "ask good.mdl?", "closing, no child", "~good.mdl",
                  "closed event", "box", "~broken.mdl"}),
        Command(ID_FILE_MRU_FILE2, {IDYES, IDNO}));
    EXPECT_EQ(CString(good.c_str()), mru[0]);
    EXPECT_EQ(CString(), mru[1]);
    EXPECT_TRUE(Model() == NULL);
}

TEST_F(SoleDoc, CloseAsksForEveryDocumentAndACancelKeepsThemAll)
{
    const TempPath path("close.mdl");
    SaveModel(path.c_str(), "");
    ASSERT_TRUE(m_app.OpenDocumentFile(path.c_str()) != NULL);
    CDocument* pReport = m_pReports->OpenDocumentFile(NULL);
    pReport->SetModifiedFlag();
    Model()->SetModifiedFlag();
    // A child of the model closes without asking; the model stays.
    g_calls.clear();
    POSITION pos = Model()->GetFirstViewPosition();
    Model()->GetNextView(pos)->GetParentFrame()->SendMessage(WM_CLOSE);
    EXPECT_EQ(Calls{}, g_calls);
    EXPECT_EQ((Calls{"ask Report1.rpt?"}), Command(ID_KW_FILE_CLOSE_SOLEDOC, {IDCANCEL}));
    EXPECT_EQ((Calls{"ask Report1.rpt?", "ask close.mdl?"}), Command(ID_KW_FILE_CLOSE_SOLEDOC, {IDNO, IDCANCEL}));
    // The report's window asks again as it closes.
    EXPECT_EQ((Calls{"ask Report1.rpt?", "ask close.mdl?", "save close.mdl", "ask Report1.rpt?", "closing, no child",
                  "~close.mdl", "closed event"}),
        Command(ID_KW_FILE_CLOSE_SOLEDOC, {IDNO, IDYES, IDNO}));
    EXPECT_EQ(0, m_app.GetOpenDocumentCount());
    EXPECT_EQ(Calls{}, Command(ID_KW_FILE_CLOSE_SOLEDOC));
}

TEST_F(SoleDoc, SaveAllLeavesTheModelToItsOwnSaveAndTheFrameworksFileCommandsPassIt)
{
    const UINT modelCmds[] = {ID_KW_FILE_CLOSE_SOLEDOC, ID_KW_FILE_SAVE_SOLEDOC, ID_KW_FILE_SAVEAS_SOLEDOC};
    EXPECT_EQ(0, CommandEnabled(m_pFrame, modelCmds[0]) + CommandEnabled(m_pFrame, modelCmds[1]) +
                     CommandEnabled(m_pFrame, modelCmds[2]) + CommandEnabled(m_pFrame, ID_KW_FILE_SAVE_ALL));
    EXPECT_TRUE(CommandEnabled(m_pFrame, ID_KW_FILE_NEW_SOLEDOC) && CommandEnabled(m_pFrame, ID_KW_FILE_OPEN_SOLEDOC));
    const TempPath path("all.mdl");
    SaveModel(path.c_str(), "");
    ASSERT_TRUE(m_app.OpenDocumentFile(path.c_str()) != NULL);
    EXPECT_EQ(3, CommandEnabled(m_pFrame, modelCmds[0]) + CommandEnabled(m_pFrame, modelCmds[1]) +
                     CommandEnabled(m_pFrame, modelCmds[2]));
    Model()->SetModifiedFlag();
    EXPECT_FALSE(CommandEnabled(m_pFrame, ID_KW_FILE_SAVE_ALL));
    m_pReports->OpenDocumentFile(NULL)->SetModifiedFlag();
    m_pReports->OpenDocumentFile(NULL);
    EXPECT_TRUE(CommandEnabled(m_pFrame, ID_KW_FILE_SAVE_ALL));
    EXPECT_EQ(Model()->GetTitle() + " - Sole", FrameTitle()); // not the active report's
    EXPECT_EQ((Calls{"save Report1.rpt"}), Command(ID_KW_FILE_SAVE_ALL));
    EXPECT_EQ(Calls{"save all.mdl"}, Command(ID_KW_FILE_SAVE_SOLEDOC));

    // With a report's view active, the model still hears its commands, but not the framework's
    // File commands, which go to the report.
    EXPECT_EQ(Calls{"model handles"}, Command(ID_KW_TEST_MODELCMD));
    for (UINT nID : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS})
        EXPECT_FALSE(Model()->OnCmdMsg(nID, CN_COMMAND, NULL, NULL)) << nID;
    EXPECT_EQ(Calls{"save Report2.rpt"}, Command(ID_FILE_SAVE));
}

TEST_F(SoleDoc, ClosingEndsWithAViewThatOutlivesItsWindow)
{
    ASSERT_TRUE(m_pModels->OpenDocumentFile(NULL) != NULL);
    CKeptView view;
    view.Create(NULL, "", WS_CHILD, CRect(0, 0, 10, 10), m_pFrame, 1);
    Model()->AddView(&view);
    EXPECT_EQ((Calls{"closing, no child", "~Model", "closed event"}), Command(ID_KW_FILE_CLOSE_SOLEDOC));
    EXPECT_TRUE(view.m_hWnd == NULL && view.GetDocument() == NULL);
}

} // namespace
