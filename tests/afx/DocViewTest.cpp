// The document layer under a real MDI frame: the route of commands through view, document,
// template, child frame, main frame and application; command UI of menus; the calls of File New,
// Open, Save, Save As and Close with the save prompt; MDI activation with a maximized child;
// frame titles; the recent-file list in the profile.
#include <afxwin.h>
#include <afxadv.h>
#include <afxole.h>
#include <gtest/gtest.h>

#include "DocViewTest.rh"
#include "support/ModalDialogDriver.h"
#include "support/MessageRecorder.h"
#include "support/SaveFolder.h"
#include "support/TempPath.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string>* g_log = NULL;

void Log(const std::string& s)
{
    if (g_log != NULL)
        g_log->push_back(s);
}

// Between a test class and its framework base: notes the command when it reaches the level
// below the test class's own map, that is when the level did not handle it.
template <class TBase> class Routed : public TBase
{
public:
    using TBase::TBase;
    const char* m_pszLevel = "?";

protected:
    BOOL ProcessMessageMap(AFX_MSGMAP_CALL& call) override
    {
        if (call.bCommand && call.nMessage == WM_COMMAND && call.nCode == CN_COMMAND && call.pHandlerInfo == NULL)
            Log(std::string("passed ") + m_pszLevel);
        return TBase::ProcessMessageMap(call);
    }
};
typedef Routed<CDocument> CRoutedDocument;
typedef Routed<CView> CRoutedView;
typedef Routed<CMDIChildWnd> CRoutedChild;
typedef Routed<CMDIFrameWnd> CRoutedMain;
typedef Routed<CMultiDocTemplate> CRoutedTemplate;
typedef Routed<CWinApp> CRoutedApp;

class CTextDoc : public CRoutedDocument
{
    DECLARE_DYNCREATE(CTextDoc)
public:
    CTextDoc() { m_pszLevel = "doc"; }
    ~CTextDoc() override { Log("doc deleted"); }
    std::string m_text;
    BOOL m_bFailStore = FALSE;

    BOOL OnNewDocument() override
    {
        Log("doc.OnNewDocument");
        return CDocument::OnNewDocument();
    }
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override
    {
        Log("doc.OnOpenDocument");
        return CDocument::OnOpenDocument(lpszPathName);
    }
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override
    {
        Log("doc.OnSaveDocument");
        return CDocument::OnSaveDocument(lpszPathName);
    }
    void OnCloseDocument() override
    {
        Log("doc.OnCloseDocument");
        CDocument::OnCloseDocument();
    }
    void DeleteContents() override
    {
        Log("doc.DeleteContents");
        m_text.clear();
    }
    BOOL SaveModified() override
    {
        Log("doc.SaveModified");
        return CDocument::SaveModified();
    }
    void PreCloseFrame(CFrameWnd*) override { Log("doc.PreCloseFrame"); }
    void Serialize(CArchive& ar) override
    {
        Log(ar.IsStoring() ? "doc.Serialize store" : "doc.Serialize load");
        CString s = m_text.c_str();
        if (ar.IsStoring())
        {
            ar << s;
            if (m_bFailStore)
                AfxThrowFileException(CFileException::diskFull);
        }
        else
        {
            ar >> s;
            m_text = (LPCTSTR)s;
        }
    }
    afx_msg void OnRouteDoc() { Log("doc handles"); }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTextDoc, CDocument)
BEGIN_MESSAGE_MAP(CTextDoc, CRoutedDocument)
    ON_COMMAND(ID_ROUTE_DOC, &CTextDoc::OnRouteDoc)
    ON_UPDATE_COMMAND_UI(ID_ROUTE_CHECKED, &CTextDoc::OnUpdateChecked)
END_MESSAGE_MAP()

class CTextView : public CRoutedView
{
    DECLARE_DYNCREATE(CTextView)
public:
    CTextView() { m_pszLevel = "view"; }
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override
    {
        Log("view.OnInitialUpdate");
        CView::OnInitialUpdate();
    }
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override
    {
        Log(bActivate ? "view.OnActivateView on" : "view.OnActivateView off");
        CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    }
    afx_msg void OnRouteView() { Log("view handles"); }
    afx_msg void OnRouteAccel() { Log("view handles the accelerator"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTextView, CView)
BEGIN_MESSAGE_MAP(CTextView, CRoutedView)
    ON_COMMAND(ID_ROUTE_VIEW, &CTextView::OnRouteView)
    ON_COMMAND(ID_ROUTE_ACCEL, &CTextView::OnRouteAccel)
END_MESSAGE_MAP()

// The second type: a compound file, shown by a view of its own.
class CNoteDoc : public COleDocument
{
    DECLARE_DYNCREATE(CNoteDoc)
public:
    CNoteDoc() { EnableCompoundFile(); }
    std::string m_text;
    void DeleteContents() override { m_text.clear(); }
    void Serialize(CArchive& ar) override
    {
        CString s = m_text.c_str();
        if (ar.IsStoring())
            ar << s;
        else
        {
            ar >> s;
            m_text = (LPCTSTR)s;
        }
    }
};
IMPLEMENT_DYNCREATE(CNoteDoc, COleDocument)

class CNoteView : public CView
{
    DECLARE_DYNCREATE(CNoteView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CNoteView, CView)

class CChildFrame : public CRoutedChild
{
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame() { m_pszLevel = "child"; }
    void ActivateFrame(int nCmdShow) override
    {
        Log("child.ActivateFrame " + std::to_string(nCmdShow));
        CMDIChildWnd::ActivateFrame(nCmdShow);
    }
    afx_msg void OnRouteChild() { Log("child handles"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CChildFrame, CRoutedChild)
    ON_COMMAND(ID_ROUTE_CHILD, &CChildFrame::OnRouteChild)
END_MESSAGE_MAP()

class CMainFrame : public CRoutedMain
{
public:
    CMainFrame() { m_pszLevel = "main"; }
    afx_msg void OnRouteMain() { Log("main handles"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMainFrame, CRoutedMain)
    ON_COMMAND(ID_ROUTE_MAIN, &CMainFrame::OnRouteMain)
END_MESSAGE_MAP()

class CTestTemplate : public CRoutedTemplate
{
public:
    CTestTemplate(UINT nID, CRuntimeClass* pDoc, CRuntimeClass* pFrame, CRuntimeClass* pView)
        : CRoutedTemplate(nID, pDoc, pFrame, pView)
    {
        m_pszLevel = "template";
    }
    afx_msg void OnRouteTemplate() { Log("template handles"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestTemplate, CRoutedTemplate)
    ON_COMMAND(ID_ROUTE_TEMPLATE, &CTestTemplate::OnRouteTemplate)
END_MESSAGE_MAP()

// The file dialog's answers, in turn (an empty one cancels), for the whole application.
class CTestDocManager : public CDocManager
{
public:
    std::vector<std::string> m_answers;
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD, BOOL bOpen, CDocTemplate*) override
    {
        Log(std::string(bOpen ? "DoPromptFileName open " : "DoPromptFileName save ") + (LPCTSTR)fileName +
            (nIDSTitle == AFX_IDS_SAVEFILE ? " (Save As)" : ""));
        std::string answer = m_answers.empty() ? "" : m_answers.front();
        if (!m_answers.empty())
            m_answers.erase(m_answers.begin());
        if (answer.empty())
            return FALSE;
        fileName = answer.c_str();
        return TRUE;
    }
};

class CDocApp : public CRoutedApp
{
public:
    CDocApp() : CRoutedApp("Doc App") { m_pszLevel = "app"; }
    afx_msg void OnRouteApp() { Log("app handles"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDocApp, CRoutedApp)
    ON_COMMAND(ID_ROUTE_APP, &CDocApp::OnRouteApp)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
END_MESSAGE_MAP()

typedef std::vector<std::string> Calls;

class DocView : public ::testing::Test
{
protected:
    CDocApp m_app;
    CMainFrame* m_pFrame = NULL;
    CTestTemplate* m_pText = NULL;
    CTestDocManager* m_pManager = NULL;
    Calls m_log;

    void SetUp() override
    {
        g_log = &m_log;
        m_app.m_pDocManager = m_pManager = new CTestDocManager;
        m_pText = new CTestTemplate(IDR_DOCVIEW_TEXT, RUNTIME_CLASS(CTextDoc), RUNTIME_CLASS(CChildFrame),
            RUNTIME_CLASS(CTextView));
        m_app.AddDocTemplate(m_pText);
        m_pFrame = new CMainFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_DOCVIEW_MAIN));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        m_app.CloseAllDocuments(FALSE);
        m_app.m_pMainWnd = NULL; // no WM_QUIT for the next test
        if (m_pFrame->GetSafeHwnd() != NULL)
            m_pFrame->DestroyWindow();
        PumpMessages();
        g_log = NULL;
    }
    CTextDoc* NewText()
    {
        return (CTextDoc*)m_pText->OpenDocumentFile(NULL);
    }
    // The calls so far (without the route's steps unless asked), and a fresh log.
    Calls Take(bool bRoute = false)
    {
        Calls calls;
        for (auto& s : m_log)
            if (bRoute || s.compare(0, 7, "passed ") != 0)
                calls.push_back(s);
        m_log.clear();
        return calls;
    }
    void Command(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, nID, 0); }
    CMultiDocTemplate* AddNotes()
    {
        CMultiDocTemplate* pNotes = new CMultiDocTemplate(IDR_DOCVIEW_NOTE, RUNTIME_CLASS(CNoteDoc),
            RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CNoteView));
        m_app.AddDocTemplate(pNotes);
        return pNotes;
    }
    // What the message box shown while f runs says, answered with OK ("" when none shows).
    template <class F> static std::string Told(F f)
    {
        std::string strText;
        ModalDialogDriver box([&](HWND hBox) {
            char sz[512] = "";
            ::GetDlgItemTextA(hBox, 0xFFFF, sz, sizeof(sz)); // the box's text is static 0xFFFF
            strText = sz;
            ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        });
        f();
        return strText;
    }
    static CString Text(CWnd* pWnd)
    {
        CString s;
        pWnd->GetWindowText(s);
        return s;
    }
};

TEST_F(DocView, CommandsGoThroughViewDocumentTemplateChildMainFrameAndApplicationOnce)
{
    ASSERT_NE(nullptr, NewText());
    Take();
    struct
    {
        UINT nID;
        Calls route;
    } cases[] = {
        {ID_ROUTE_VIEW, {"view handles"}},
        {ID_ROUTE_DOC, {"passed view", "doc handles"}},
        {ID_ROUTE_TEMPLATE, {"passed view", "passed doc", "template handles"}},
        {ID_ROUTE_CHILD, {"passed view", "passed doc", "passed template", "child handles"}},
        {ID_ROUTE_MAIN, {"passed view", "passed doc", "passed template", "passed child", "main handles"}},
        {ID_ROUTE_APP, {"passed view", "passed doc", "passed template", "passed child", "passed main", "app handles"}},
        {ID_ROUTE_NOBODY, {"passed view", "passed doc", "passed template", "passed child", "passed main", "passed app"}},
    };
    for (auto& c : cases)
    {
        Command(c.nID);
        EXPECT_EQ(c.route, Take(true)) << c.nID;
    }
    // The template's accelerators reach the view through the main frame.
    MSG msg = {};
    msg.hwnd = m_pFrame->MDIGetActive()->GetActiveView()->m_hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = 'R';
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(m_pFrame->PreTranslateMessage(&msg));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(Calls({"view handles the accelerator"}), Take());
}

TEST_F(DocView, MenusShowWhatTheRouteHandles)
{
    // Without a child the frame's own menu; the Window commands have nobody to act on.
    HMENU hMain = ::GetMenu(m_pFrame->m_hWnd);
    HMENU hWindow = ::GetSubMenu(hMain, 1);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hWindow, 1);
    EXPECT_EQ(MF_GRAYED, ::GetMenuState(hWindow, ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED);

    ASSERT_NE(nullptr, NewText());
    // The child's shared menu is the frame's now.
    HMENU hShared = ::GetMenu(m_pFrame->m_hWnd);
    EXPECT_EQ(m_pText->m_hMenuShared, hShared);
    HMENU hRoute = ::GetSubMenu(hShared, 1);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hRoute, 1);
    for (UINT nID : {ID_ROUTE_VIEW, ID_ROUTE_DOC, ID_ROUTE_TEMPLATE, ID_ROUTE_CHILD, ID_ROUTE_MAIN, ID_ROUTE_APP})
        EXPECT_EQ(0u, ::GetMenuState(hRoute, nID, MF_BYCOMMAND) & MF_GRAYED) << nID;
    EXPECT_EQ(MF_GRAYED, ::GetMenuState(hRoute, ID_ROUTE_NOBODY, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(MF_CHECKED, ::GetMenuState(hRoute, ID_ROUTE_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
    HMENU hChildWindow = ::GetSubMenu(hShared, 2);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hChildWindow, 2);
    EXPECT_EQ(0u, ::GetMenuState(hChildWindow, ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED);

    // The last child gone, the frame's own menu comes back.
    m_app.CloseAllDocuments(FALSE);
    EXPECT_EQ(hMain, ::GetMenu(m_pFrame->m_hWnd));
}

TEST_F(DocView, NewSaveSaveAsAndCloseCallTheDocumentInOrder)
{
    TempPath first("docview_first.kwt"), second("docview_second.kwt");
    CTextDoc* pDoc = NewText();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ(Calls({"doc.OnNewDocument", "doc.DeleteContents", "view.OnInitialUpdate", "child.ActivateFrame -1",
                  "view.OnActivateView on", "view.OnActivateView on"}),
        Take());
    EXPECT_EQ(CString("Text1"), pDoc->GetTitle());

    // Save of a new document asks for a name, offering the title with the template's extension.
    pDoc->m_text = "first";
    pDoc->SetModifiedFlag();
    m_pManager->m_answers = {first.c_str()};
    Command(ID_FILE_SAVE);
    EXPECT_EQ(Calls({"DoPromptFileName save Text1.kwt (Save As)", "doc.OnSaveDocument", "doc.Serialize store"}),
        Take());
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(0, pDoc->GetPathName().CompareNoCase(first.c_str())) << (LPCTSTR)pDoc->GetPathName() << " " << first.c_str();

    // A failing save leaves the file as it was and the document modified.
    pDoc->m_text = "changed";
    pDoc->SetModifiedFlag();
    pDoc->m_bFailStore = TRUE;
    ModalDialogDriver failure([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0); });
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(failure.Answered()); // the failure is reported
    EXPECT_EQ(Calls({"doc.OnSaveDocument", "doc.Serialize store"}), Take());
    EXPECT_TRUE(pDoc->IsModified());
    pDoc->m_bFailStore = FALSE;

    // Save As offers the current path; a cancelled dialog saves nothing; the second name
    // becomes the document's.
    std::string strOffer = std::string("DoPromptFileName save ") + (LPCTSTR)pDoc->GetPathName() + " (Save As)";
    m_pManager->m_answers = {"", second.c_str()};
    Command(ID_FILE_SAVE_AS);
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(Calls({strOffer, strOffer, "doc.OnSaveDocument", "doc.Serialize store"}), Take());
    EXPECT_EQ(0, pDoc->GetPathName().CompareNoCase(second.c_str()));
    EXPECT_FALSE(pDoc->IsModified());

    // Both files hold what was saved in them: the first still the first text.
    CTextDoc check;
    check.m_bAutoDelete = FALSE;
    ASSERT_TRUE(check.OnOpenDocument(first.c_str()));
    EXPECT_EQ("first", check.m_text);
    ASSERT_TRUE(check.OnOpenDocument(second.c_str()));
    EXPECT_EQ("changed", check.m_text);
    Take();

    // Close: unmodified, no prompt; the frame and the document go.
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(Calls({"doc.SaveModified", "doc.OnCloseDocument", "doc.PreCloseFrame", "view.OnActivateView off", "view.OnActivateView off",
                  "doc.DeleteContents", "doc deleted"}),
        Take());
    EXPECT_EQ(nullptr, m_pFrame->MDIGetActive());
}

TEST_F(DocView, CloseAsksToSaveAndTheAnswerDecides)
{
    TempPath path("docview_prompt.kwt");
    struct
    {
        int nAnswer;
        Calls calls;
        bool bClosed;
    } cases[] = {
        {IDCANCEL, {"doc.SaveModified"}, false},
        {IDNO, {"doc.SaveModified", "doc.OnCloseDocument", "doc.PreCloseFrame", "view.OnActivateView off", "view.OnActivateView off",
                   "doc.DeleteContents", "doc deleted"},
            true},
        {IDYES, {"doc.SaveModified", "doc.OnSaveDocument", "doc.Serialize store", "doc.OnCloseDocument",
                    "doc.PreCloseFrame", "view.OnActivateView off", "view.OnActivateView off", "doc.DeleteContents", "doc deleted"},
            true},
    };
    for (auto& c : cases)
    {
        CTextDoc* pDoc = m_pFrame->MDIGetActive() != NULL ? (CTextDoc*)m_pFrame->MDIGetActive()->GetActiveDocument()
                                                          : NewText();
        ASSERT_NE(nullptr, pDoc);
        {
            std::ofstream(path.c_str()) << "";
        }
        pDoc->SetPathName(path.c_str(), FALSE);
        pDoc->SetModifiedFlag();
        Take();
        CString strPrompt;
        ModalDialogDriver answer([&](HWND hDlg) {
            CString s;
            CWnd::FromHandle(hDlg)->GetDlgItemText(0xFFFF, s);
            strPrompt = s;
            ::PostMessageA(hDlg, WM_COMMAND, c.nAnswer, 0);
        });
        Command(ID_FILE_CLOSE);
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(c.calls, Take()) << c.nAnswer;
        EXPECT_EQ(c.bClosed, m_pFrame->MDIGetActive() == NULL) << c.nAnswer;
    }
}

TEST_F(DocView, OpenFindsTheFileThroughTheDialogAndAnOpenDocumentIsNotOpenedTwice)
{
    TempPath path("docview_open.kwt");
    {
        CTextDoc writer;
        writer.m_bAutoDelete = FALSE;
        writer.m_text = "stored";
        ASSERT_TRUE(writer.OnSaveDocument(path.c_str()));
    }
    Take();
    m_pManager->m_answers = {path.c_str()};
    Command(ID_FILE_OPEN);
    Calls calls = Take();
    Calls expected = {"DoPromptFileName open ", "doc.OnOpenDocument", "doc.DeleteContents", "doc.Serialize load",
        "view.OnInitialUpdate", "child.ActivateFrame -1", "view.OnActivateView on", "view.OnActivateView on"};
    EXPECT_EQ(expected, calls);
    CMDIChildWnd* pChild = m_pFrame->MDIGetActive();
    ASSERT_NE(nullptr, pChild);
    CTextDoc* pDoc = (CTextDoc*)pChild->GetActiveDocument();
    EXPECT_EQ("stored", pDoc->m_text);

    // The same file again brings the document's frame forward instead.
    NewText();
    EXPECT_EQ(pDoc, m_app.OpenDocumentFile(path.c_str()));
    EXPECT_EQ(pChild, m_pFrame->MDIGetActive());
    EXPECT_EQ(2, m_app.GetOpenDocumentCount());
}

TEST_F(DocView, ANewChildTakesTheMaximizedStateOfTheActiveOne)
{
    NewText();
    CMDIChildWnd* pFirst = m_pFrame->MDIGetActive();
    ASSERT_NE(nullptr, pFirst);
    EXPECT_FALSE(pFirst->IsZoomed());
    m_pFrame->MDIMaximize(pFirst);
    ASSERT_TRUE(pFirst->IsZoomed());
    Take();
    NewText();
    CMDIChildWnd* pSecond = m_pFrame->MDIGetActive();
    ASSERT_NE(pFirst, pSecond);
    EXPECT_TRUE(pSecond->IsZoomed());
    BOOL bMaximized = FALSE;
    m_pFrame->MDIGetActive(&bMaximized);
    EXPECT_TRUE(bMaximized);
    // The maximized child's name is Windows' to show in the caption: the frame's title starts
    // with the application's name (the document's comes first otherwise).
    EXPECT_EQ(0, Text(m_pFrame).Find("Doc App")) << (LPCTSTR)Text(m_pFrame);
    m_pFrame->MDIRestore(pSecond);
    EXPECT_EQ(0, Text(m_pFrame).Find("Text2 - Doc App")) << (LPCTSTR)Text(m_pFrame);
    m_pFrame->MDIMaximize(pSecond);

    // MDINext activates the other child, and its view hears it.
    Take();
    m_pFrame->MDINext();
    EXPECT_EQ(pFirst, m_pFrame->MDIGetActive());
    EXPECT_EQ(Calls({"view.OnActivateView off", "view.OnActivateView on"}), Take());
    // A click into the other child's view activates that child.
    CView* pView = pSecond->GetActiveView();
    pView->SendMessage(WM_MOUSEACTIVATE, (WPARAM)m_pFrame->m_hWnd, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(pSecond, m_pFrame->MDIGetActive());
    EXPECT_EQ(pView, pSecond->GetActiveView());
    Calls calls = Take();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ("view.OnActivateView on", calls.back());
}

TEST_F(DocView, TitlesNameTheDocumentAndNumberItsWindows)
{
    CTextDoc* pDoc = NewText();
    CMDIChildWnd* pChild = m_pFrame->MDIGetActive();
    EXPECT_EQ(CString("Text1"), Text(pChild));
    EXPECT_EQ(CString("Text1 - Doc App"), Text(m_pFrame));
    // Without FWS_PREFIXTITLE the application's name comes first.
    m_pFrame->ModifyStyle(FWS_PREFIXTITLE, 0);
    m_pFrame->OnUpdateFrameTitle(TRUE);
    EXPECT_EQ(CString("Doc App - Text1"), Text(m_pFrame));
    m_pFrame->ModifyStyle(0, FWS_PREFIXTITLE);

    // A second window on the document: both numbered; the title change waits for idle time.
    Command(ID_WINDOW_NEW);
    CMDIChildWnd* pSecond = m_pFrame->MDIGetActive();
    ASSERT_NE(pChild, pSecond);
    EXPECT_EQ(CString("Text1:1"), Text(pChild));
    EXPECT_EQ(CString("Text1:2"), Text(pSecond));
    pDoc->m_strTitle = "Renamed";
    pSecond->DelayUpdateFrameTitle();
    EXPECT_EQ(CString("Text1:2"), Text(pSecond));
    m_app.OnIdle(0);
    EXPECT_EQ(CString("Renamed:2"), Text(pSecond));
    EXPECT_EQ(CString("Renamed - Doc App"), Text(m_pFrame)); // the main frame names the document only

    // One window closed, the other is the document's only one again.
    pSecond->SendMessage(WM_CLOSE);
    EXPECT_EQ(CString("Renamed"), Text(pChild));
    EXPECT_EQ(pDoc, pChild->GetActiveDocument());
}

TEST_F(DocView, OpenedFilesEnterTheRecentFileListAndTheProfile)
{
    const char* kCompany = "KwUi Tests (docview)";
    m_app.SetRegistryKey(kCompany);
    m_app.LoadStdProfileSettings(4);
    TempPath path("docview_recent.kwt");
    {
        CTextDoc writer;
        writer.m_bAutoDelete = FALSE;
        ASSERT_TRUE(writer.OnSaveDocument(path.c_str()));
    }
    ASSERT_NE(nullptr, m_app.OpenDocumentFile(path.c_str()));
    m_app.CloseAllDocuments(FALSE);
    // The File menu lists it.
    HMENU hFile = ::GetSubMenu(::GetMenu(m_pFrame->m_hWnd), 0);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hFile, 0);
    char szItem[MAX_PATH + 8] = "";
    ::GetMenuStringA(hFile, ID_FILE_MRU_FILE1, szItem, sizeof(szItem), MF_BYCOMMAND);
    EXPECT_EQ(0, strncmp(szItem, "&1 ", 3)) << szItem;
    // The recent-file command opens it again.
    Command(ID_FILE_MRU_FILE1);
    EXPECT_EQ(1, m_app.GetOpenDocumentCount());

    m_app.SaveStdProfileSettings();
    CString strKey;
    strKey.Format("Software\\%s\\Doc App\\Recent File List", kCompany);
    char szValue[MAX_PATH] = "";
    DWORD cb = sizeof(szValue);
    EXPECT_EQ(ERROR_SUCCESS, ::RegGetValueA(HKEY_CURRENT_USER, strKey, "File1", RRF_RT_REG_SZ, NULL, szValue, &cb));
    char szFull[MAX_PATH];
    ::GetFullPathNameA(path.c_str(), MAX_PATH, szFull, NULL);
    EXPECT_EQ(0, _stricmp(szFull, szValue));
    CString strCompany;
    strCompany.Format("Software\\%s", kCompany);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, strCompany);
}

TEST_F(DocView, ACompoundDocumentKeepsItsDataInTheContentsStream)
{
    AddNotes();
    // File New asks which type; the second row is the note.
    ModalDialogDriver choose([](HWND hDlg) {
        ::SendDlgItemMessageA(hDlg, AFX_IDC_LISTBOX, LB_SETCURSEL, 1, 0);
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    m_app.OnFileNew();
    EXPECT_TRUE(choose.Answered());
    CMDIChildWnd* pChild = m_pFrame->MDIGetActive();
    ASSERT_NE(nullptr, pChild);
    CNoteDoc* pDoc = DYNAMIC_DOWNCAST(CNoteDoc, pChild->GetActiveDocument());
    ASSERT_NE(nullptr, pDoc);
    EXPECT_TRUE(pChild->GetActiveView()->IsKindOf(RUNTIME_CLASS(CNoteView)));
    EXPECT_EQ(CString("Note1"), pDoc->GetTitle());

    TempPath path("docview_note.kwn");
    pDoc->m_text = "compound";
    ASSERT_TRUE(pDoc->OnSaveDocument(path.c_str()));
    EXPECT_EQ(nullptr, pDoc->m_lpRootStg);

    // The file is a compound file with one stream, "Contents", holding the archive.
    wchar_t wszPath[MAX_PATH];
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wszPath, MAX_PATH);
    IStorage* pStg = NULL;
    ASSERT_EQ(S_OK, ::StgOpenStorage(wszPath, NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, NULL, 0, &pStg));
    IEnumSTATSTG* pEnum = NULL;
    ASSERT_EQ(S_OK, pStg->EnumElements(0, NULL, 0, &pEnum));
    std::vector<std::wstring> names;
    STATSTG stat;
    while (pEnum->Next(1, &stat, NULL) == S_OK)
    {
        names.push_back(stat.pwcsName);
        EXPECT_EQ((DWORD)STGTY_STREAM, stat.type);
        ::CoTaskMemFree(stat.pwcsName);
    }
    pEnum->Release();
    EXPECT_EQ(std::vector<std::wstring>({L"Contents"}), names);
    IStream* pStream = NULL;
    ASSERT_EQ(S_OK, pStg->OpenStream(L"Contents", NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStream));
    char bytes[32] = {};
    ULONG nRead = 0;
    pStream->Read(bytes, sizeof(bytes), &nRead);
    pStream->Release();
    pStg->Release();
    EXPECT_EQ(std::string("\x08" "compound", 9), std::string(bytes, nRead));

    // Read back through the application; the file is not kept locked.
    pDoc->OnCloseDocument();
    CNoteDoc* pOpened = DYNAMIC_DOWNCAST(CNoteDoc, m_app.OpenDocumentFile(path.c_str()));
    ASSERT_NE(nullptr, pOpened);
    EXPECT_EQ("compound", pOpened->m_text);
    EXPECT_TRUE(pOpened->OnSaveDocument(path.c_str()));

    // A flat file under the note's extension is refused with a message, and leaves nothing.
    pOpened->OnCloseDocument();
    TempPath flat("docview_flat.kwn");
    std::ofstream(flat.c_str()) << "not a compound file";
    ModalDialogDriver refused([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(nullptr, m_app.OpenDocumentFile(flat.c_str()));
    EXPECT_TRUE(refused.Answered());
    EXPECT_EQ(0, m_app.GetOpenDocumentCount());
    EXPECT_EQ(nullptr, m_pFrame->MDIGetActive());
}

// A popup the frame owns, hearing the frame's state; it keeps the frame's caption active.
class CFloating : public CWnd
{
public:
    std::vector<WPARAM> m_states;
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM)
    {
        m_states.push_back(wParam);
        return (wParam & FS_SYNCACTIVE) != 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFloating, CWnd)
    ON_MESSAGE(WM_FLOATSTATUS, &CFloating::OnFloatStatus)
END_MESSAGE_MAP()

TEST_F(DocView, FloatingWindowsHearTheirFrameAndKeepItsCaptionActive)
{
    CFloating floating;
    ASSERT_TRUE(floating.CreateEx(0, AfxRegisterWndClass(0), "Floating", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
        m_pFrame->m_hWnd, NULL));
    floating.m_states.clear(); // what its showing up caused
    m_pFrame->NotifyFloatingWindows(FS_DISABLE);
    m_pFrame->NotifyFloatingWindows(FS_ENABLE);
    EXPECT_EQ(std::vector<WPARAM>({FS_DISABLE, FS_ENABLE}), floating.m_states);
    // Deactivated in favour of its floating window, the frame stays active and says so.
    floating.m_states.clear();
    floating.SetActiveWindow();
    floating.m_states.clear();
    m_pFrame->NotifyFloatingWindows(FS_DEACTIVATE);
    EXPECT_EQ(std::vector<WPARAM>({FS_SYNCACTIVE, FS_ACTIVATE}), floating.m_states);
    floating.DestroyWindow();
}

// Notes how many windows are still inside the MDI client as it goes.
class CClientSpy : public CWnd
{
public:
    afx_msg void OnDestroy()
    {
        int nInside = 0;
        for (HWND hWnd = ::GetWindow(m_hWnd, GW_CHILD); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
            nInside++;
        Log("client.OnDestroy, windows inside " + std::to_string(nInside));
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CClientSpy, CWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST_F(DocView, DestroyingTheMainWindowClosesItsChildrenWhileTheClientStillHoldsThem)
{
    // The children still open leave through the client before it goes (a client that is going
    // no longer keeps its list of children), the inactive one first, and their documents close.
    ASSERT_TRUE(NewText() != NULL && NewText() != NULL);
    CClientSpy client;
    ASSERT_TRUE(client.SubclassWindow(m_pFrame->m_hWndMDIClient));
    Take();
    m_app.m_pMainWnd = NULL;
    m_pFrame->DestroyWindow();
    m_pFrame = NULL;
    EXPECT_EQ(Calls({"view.OnActivateView off", "doc.OnCloseDocument", "doc.DeleteContents", "doc deleted",
                  "view.OnActivateView off", "view.OnActivateView off", "doc.OnCloseDocument", "doc.DeleteContents",
                  "doc deleted", "client.OnDestroy, windows inside 0"}),
        Take());
    EXPECT_EQ(0, m_app.GetOpenDocumentCount());
}

TEST_F(DocView, ClosingTheMainWindowAsksForEveryDocument)
{
    CTextDoc* pFirst = NewText();
    CTextDoc* pSecond = NewText();
    ASSERT_TRUE(pFirst != NULL && pSecond != NULL);
    pFirst->SetModifiedFlag();
    pSecond->SetModifiedFlag();
    Take();
    {
        // The first prompt cancelled: nothing closes.
        ModalDialogDriver cancel([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); });
        m_pFrame->SendMessage(WM_CLOSE);
        EXPECT_EQ(Calls({"doc.SaveModified"}), Take());
        EXPECT_EQ(2, m_app.GetOpenDocumentCount());
    }
    // No to the first (the second saved meanwhile, so not asked): every document closes, then
    // the main window.
    ModalDialogDriver answers([&](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDNO, 0); });
    pSecond->SetModifiedFlag(FALSE);
    HWND hFrame = m_pFrame->m_hWnd;
    m_pFrame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(answers.Answered());
    Calls calls = Take();
    // The first document's frame is not the active child: its view hears only that it goes.
    EXPECT_EQ(Calls({"doc.SaveModified", "doc.SaveModified", "doc.OnCloseDocument", "doc.PreCloseFrame",
                  "view.OnActivateView off", "doc.DeleteContents", "doc deleted",
                  "doc.OnCloseDocument", "doc.PreCloseFrame", "view.OnActivateView off", "view.OnActivateView off",
                  "doc.DeleteContents", "doc deleted"}),
        calls);
    EXPECT_EQ(0, m_app.GetOpenDocumentCount());
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(nullptr, m_app.m_pMainWnd);
    // The main window went, and with it the message loop's end was posted.
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    m_pFrame = NULL;
}

// The text of either kind of document.
std::string& TextOf(CDocument* pDoc)
{
    return pDoc->IsKindOf(RUNTIME_CLASS(CTextDoc)) ? ((CTextDoc*)pDoc)->m_text : ((CNoteDoc*)pDoc)->m_text;
}

TEST_F(DocView, AFailedSaveIsToldAndKeepsTheOldFileAndTheChanges)
{
    for (CDocument* pDoc : {(CDocument*)NewText(), AddNotes()->OpenDocumentFile(NULL)})
    {
        std::string file = pDoc->IsKindOf(RUNTIME_CLASS(CTextDoc)) ? "plain.kwt" : "compound.kwn";
        SCOPED_TRACE(file);
        SaveFolder folder("faults");
        std::string path = folder.Path(file.c_str());
        TextOf(pDoc) = "old";
        ASSERT_TRUE(pDoc->DoSave(path.c_str()));
        const std::string old = SaveFolder::Read(path);
        // More than a full disk takes.
        TextOf(pDoc).assign(std::max<size_t>(2 * SaveFolder::FileLimit(), 100000), 'x');
        pDoc->SetModifiedFlag();
        auto fails = [&](const std::string& target, const std::vector<std::string>& messages) {
            std::string told = Told([&] { EXPECT_FALSE(pDoc->DoSave(target.c_str())); });
            EXPECT_NE(messages.end(), std::find(messages.begin(), messages.end(), told)) << told;
            EXPECT_TRUE(pDoc->IsModified());
            EXPECT_EQ(path, (LPCTSTR)pDoc->GetPathName());
            EXPECT_TRUE(old == SaveFolder::Read(path)) << "the old file changed";
            EXPECT_EQ(std::vector<std::string>({file}), folder.Files());
        };
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        fails(path, {"Access to " + path + " was denied."});
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        // Under Wine a full disk may also be a failing device.
        if (SaveFolder::FileLimit() > 0)
            fails(path, {"Disk full while accessing " + path + ".",
                            "A hardware I/O error was reported while accessing " + path + "."});
        std::string locked = SaveFolder::LockedFolder() + "\\" + file;
        if (locked[0] != '\\')
            fails(locked, {"Access to " + locked + " was denied."});
        // The fault gone (the disk has room for less), the save goes through and leaves no
        // other file behind.
        TextOf(pDoc) = "new";
        EXPECT_TRUE(pDoc->DoSave(path.c_str()));
        EXPECT_FALSE(pDoc->IsModified());
        EXPECT_EQ(std::vector<std::string>({file}), folder.Files());
        EXPECT_NE(std::string::npos, SaveFolder::Read(path).find("\x03new"));
    }
}

TEST_F(DocView, ATruncatedFileOpensWithAMessageOrWhole)
{
    CMultiDocTemplate* pNotes = AddNotes();
    CTextDoc* pOther = NewText();
    pOther->m_text = "other";
    pOther->SetModifiedFlag();
    SaveFolder folder("truncated");
    std::string data;
    for (int i = 0; data.size() < 3000; i++)
        data += std::to_string(i) + " ";
    for (CDocTemplate* pTemplate : {(CDocTemplate*)m_pText, (CDocTemplate*)pNotes})
    {
        CDocument* pDoc = pTemplate->OpenDocumentFile(NULL);
        TextOf(pDoc) = data;
        std::string path = folder.Path(pTemplate == m_pText ? "whole.kwt" : "whole.kwn");
        std::string cut = folder.Path(pTemplate == m_pText ? "cut.kwt" : "cut.kwn");
        ASSERT_TRUE(pDoc->DoSave(path.c_str()));
        pDoc->OnCloseDocument();
        const std::string whole = SaveFolder::Read(path);
        for (size_t n = 0; n <= 16; n++)
        {
            SCOPED_TRACE(path + " cut at " + std::to_string(n) + "/16");
            ASSERT_TRUE(SaveFolder::Write(cut, whole.substr(0, whole.size() * n / 16)));
            CDocument* pOpened = NULL;
            std::string told = Told([&] { pOpened = m_app.OpenDocumentFile(cut.c_str()); });
            // Whole, with nothing said (an empty archive file is an empty document), or not at
            // all, with a message; the other document and its window as they were.
            EXPECT_EQ(pOpened != NULL, told.empty()) << told;
            EXPECT_TRUE(pOpened != NULL || n < 16);
            if (pOpened != NULL)
            {
                EXPECT_TRUE((n == 0 ? "" : data) == TextOf(pOpened)) << "opened half";
                pOpened->OnCloseDocument();
            }
            EXPECT_EQ(1, m_app.GetOpenDocumentCount());
            EXPECT_EQ(pOther, m_pFrame->MDIGetActive()->GetActiveDocument());
            EXPECT_EQ(nullptr, ::GetWindow(m_pFrame->MDIGetActive()->m_hWnd, GW_HWNDNEXT));
        }
    }
    EXPECT_EQ("other", pOther->m_text);
    EXPECT_TRUE(pOther->IsModified());
}

} // namespace
