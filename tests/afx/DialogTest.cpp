// Dialogs: creation from resource and in-memory templates, data exchange in both directions and
// its failures, the modal loop with typed keys, keyboard navigation through PreTranslateMessage,
// and controls subclassed to members.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CDialog.h"
#include "CEdit.h"
#include "afxdd_.h"
#include "support/MessageRecorder.h"
#include "DialogTest.rh"

#include <string>
#include <vector>

namespace {

CString ItemText(CWnd& wnd, int nID)
{
    CString str;
    wnd.GetDlgItemText(nID, str);
    return str;
}

// The edit below the dialog's notes, subclassed through DDX_Control: it sees its own characters
// and the change notifications its parent reflects back to it.
class CNotesEdit : public CEdit
{
public:
    std::string m_chars;
    int m_nChanges = 0;

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        m_chars += (char)nChar;
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    afx_msg void OnChange() { m_nChanges++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotesEdit, CEdit)
    ON_WM_CHAR()
    ON_CONTROL_REFLECT(EN_CHANGE, &CNotesEdit::OnChange)
END_MESSAGE_MAP()

class CDataDialog : public CDialog
{
public:
    explicit CDataDialog(CWnd* pParent = NULL) : CDialog(IDD_DLGTEST_DATA, pParent) {}

    CString m_strName = "Ada";
    int m_nCount = -42;
    UINT m_nSize = 4000000000u;
    long m_lDelta = -7;
    DWORD m_dwMask = 0xFFFFFFFFu;
    double m_dRatio = 0.125;
    int m_nEnabled = 1;
    CString m_strColor = "gr"; // selects "Green": the first item starting with it, any case
    CString m_strCity = "Paris";
    int m_nSizeChoice = 2;
    CString m_strList = "Beta";
    CString m_strNotes;
    CNotesEdit m_editNotes;
    int m_nCancels = 0;
    std::vector<MSG> m_pretranslated; // keyboard messages the dialog's chain saw

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
            m_pretranslated.push_back(*pMsg);
        return CDialog::PreTranslateMessage(pMsg);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_DLGTEST_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 20);
        DDX_Text(pDX, IDC_DLGTEST_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, -100, 100);
        DDX_Text(pDX, IDC_DLGTEST_SIZE, m_nSize);
        DDX_Text(pDX, IDC_DLGTEST_DELTA, m_lDelta);
        DDX_Text(pDX, IDC_DLGTEST_MASK, m_dwMask);
        DDX_Text(pDX, IDC_DLGTEST_RATIO, m_dRatio);
        DDX_Check(pDX, IDC_DLGTEST_ENABLED, m_nEnabled);
        DDX_CBString(pDX, IDC_DLGTEST_COLOR, m_strColor);
        DDX_CBString(pDX, IDC_DLGTEST_CITY, m_strCity);
        DDX_Radio(pDX, IDC_DLGTEST_RADIO1, m_nSizeChoice);
        DDX_LBString(pDX, IDC_DLGTEST_LIST, m_strList);
        DDX_Text(pDX, IDC_DLGTEST_NOTES, m_strNotes);
        DDX_Control(pDX, IDC_DLGTEST_NOTES, m_editNotes);
    }
    void OnCancel() override
    {
        m_nCancels++;
        CDialog::OnCancel();
    }
};

TEST(Dialog, FillsControlsFromMembersAndReadsThemBack)
{
    CDataDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_DLGTEST_DATA));

    EXPECT_STREQ("Ada", ItemText(dlg, IDC_DLGTEST_NAME));
    EXPECT_STREQ("-42", ItemText(dlg, IDC_DLGTEST_COUNT));
    EXPECT_STREQ("4000000000", ItemText(dlg, IDC_DLGTEST_SIZE));
    EXPECT_STREQ("-7", ItemText(dlg, IDC_DLGTEST_DELTA));
    EXPECT_STREQ("4294967295", ItemText(dlg, IDC_DLGTEST_MASK));
    EXPECT_STREQ("0.125", ItemText(dlg, IDC_DLGTEST_RATIO));
    EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(IDC_DLGTEST_ENABLED));
    // The combo and list box strings come from the template's initialisation data.
    EXPECT_EQ(1, dlg.SendDlgItemMessage(IDC_DLGTEST_COLOR, CB_GETCURSEL));
    EXPECT_STREQ("Paris", ItemText(dlg, IDC_DLGTEST_CITY));
    EXPECT_EQ(IDC_DLGTEST_RADIO3, dlg.GetCheckedRadioButton(IDC_DLGTEST_RADIO1, IDC_DLGTEST_RADIO3));
    EXPECT_EQ(1, dlg.SendDlgItemMessage(IDC_DLGTEST_LIST, LB_GETCURSEL));
    EXPECT_EQ(20, dlg.SendDlgItemMessage(IDC_DLGTEST_NAME, EM_GETLIMITTEXT));

    // What a user would change.
    dlg.SetDlgItemText(IDC_DLGTEST_NAME, "Grace Hopper");
    dlg.SetDlgItemText(IDC_DLGTEST_COUNT, " 17 ");
    dlg.SetDlgItemText(IDC_DLGTEST_SIZE, "0");
    dlg.SetDlgItemText(IDC_DLGTEST_DELTA, "-2147483648");
    dlg.SetDlgItemText(IDC_DLGTEST_MASK, "65536");
    dlg.SetDlgItemText(IDC_DLGTEST_RATIO, "2.5e3");
    dlg.CheckDlgButton(IDC_DLGTEST_ENABLED, BST_UNCHECKED);
    dlg.SendDlgItemMessage(IDC_DLGTEST_COLOR, CB_SETCURSEL, 2);
    dlg.SetDlgItemText(IDC_DLGTEST_CITY, "Lyon");
    dlg.CheckRadioButton(IDC_DLGTEST_RADIO1, IDC_DLGTEST_RADIO3, IDC_DLGTEST_RADIO1);
    dlg.SendDlgItemMessage(IDC_DLGTEST_LIST, LB_SETCURSEL, 2);

    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ("Grace Hopper", dlg.m_strName);
    EXPECT_EQ(17, dlg.m_nCount);
    EXPECT_EQ(0u, dlg.m_nSize);
    EXPECT_EQ(-2147483647L - 1, dlg.m_lDelta);
    EXPECT_EQ(65536u, dlg.m_dwMask);
    EXPECT_DOUBLE_EQ(2500.0, dlg.m_dRatio);
    EXPECT_EQ(0, dlg.m_nEnabled);
    EXPECT_STREQ("Blue", dlg.m_strColor);
    EXPECT_STREQ("Lyon", dlg.m_strCity);
    EXPECT_EQ(0, dlg.m_nSizeChoice);
    EXPECT_STREQ("Gamma", dlg.m_strList);

    // And the way back: members into controls; -1 checks no radio button.
    dlg.m_strCity = "Rome";
    dlg.m_nSizeChoice = -1;
    dlg.m_dRatio = 1.0 / 3.0;
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_STREQ("Rome", ItemText(dlg, IDC_DLGTEST_CITY));
    EXPECT_EQ(0, dlg.GetCheckedRadioButton(IDC_DLGTEST_RADIO1, IDC_DLGTEST_RADIO3));
    EXPECT_STREQ("0.333333333333333", ItemText(dlg, IDC_DLGTEST_RATIO));
    // Read again: no radio checked reads -1, no list item selected reads empty.
    dlg.SendDlgItemMessage(IDC_DLGTEST_LIST, LB_SETCURSEL, (WPARAM)-1);
    dlg.m_nSizeChoice = 5;
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(-1, dlg.m_nSizeChoice);
    EXPECT_STREQ("", dlg.m_strList);
    dlg.DestroyWindow();
}

TEST(Dialog, ControlExchangeSubclassesTheControlToTheMember)
{
    CDataDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_DLGTEST_DATA));
    HWND hNotes = ::GetDlgItem(dlg.m_hWnd, IDC_DLGTEST_NOTES);
    ASSERT_EQ(hNotes, dlg.m_editNotes.m_hWnd);
    EXPECT_EQ(&dlg.m_editNotes, CWnd::FromHandlePermanent(hNotes));
    // A second exchange leaves the subclassing alone.
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(hNotes, dlg.m_editNotes.m_hWnd);

    ::SendMessageA(hNotes, WM_CHAR, 'x', 1);
    ::SendMessageA(hNotes, WM_CHAR, 'y', 1);
    EXPECT_EQ("xy", dlg.m_editNotes.m_chars);
    EXPECT_STREQ("xy", ItemText(dlg, IDC_DLGTEST_NOTES)); // the control's own handling still ran
    EXPECT_EQ(2, dlg.m_editNotes.m_nChanges); // EN_CHANGE came back from the dialog
    // Changes the program makes during an exchange are not reported as the user's.
    dlg.m_editNotes.m_nChanges = 0;
    dlg.m_strNotes = "Changed";
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_STREQ("Changed", ItemText(dlg, IDC_DLGTEST_NOTES));
    EXPECT_EQ(0, dlg.m_editNotes.m_nChanges);

    dlg.DestroyWindow();
    EXPECT_EQ(NULL, dlg.m_editNotes.m_hWnd);
}

// Answers the message box the data exchange shows, remembering its text.
std::string g_boxText;
int g_nBoxes = 0;

BOOL CALLBACK CollectText(HWND hWnd, LPARAM)
{
    char sz[256];
    if (::GetWindowTextA(hWnd, sz, sizeof(sz)) > 0 && strstr(sz, "Please") != NULL)
        g_boxText = sz;
    return TRUE;
}

BOOL CALLBACK AnswerBox(HWND hWnd, LPARAM)
{
    char szClass[16];
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpA(szClass, "#32770") == 0 && ::IsWindowVisible(hWnd) && CWnd::FromHandlePermanent(hWnd) == NULL)
    {
        ::EnumChildWindows(hWnd, CollectText, 0);
        g_nBoxes++;
        ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

void CALLBACK AnswerBoxTimer(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), AnswerBox, 0);
}

TEST(Dialog, TypedValuesThatDoNotParseOrFitAreReportedAndFocused)
{
    struct Case
    {
        int nID;
        const char* pszText;
        const char* pszMessage;
    } cases[] = {
        {IDC_DLGTEST_COUNT, "12abc", "Please enter an integer."},
        {IDC_DLGTEST_COUNT, "", "Please enter an integer."},
        {IDC_DLGTEST_COUNT, "99999999999", "Please enter an integer."},
        {IDC_DLGTEST_COUNT, "500", "Please enter an integer between -100 and 100."},
        {IDC_DLGTEST_SIZE, "-1", "Please enter a positive integer."},
        {IDC_DLGTEST_SIZE, "4294967296", "Please enter a positive integer."},
        {IDC_DLGTEST_MASK, "0x10", "Please enter a positive integer."},
        {IDC_DLGTEST_RATIO, "1,5", "Please enter a number."},
        {IDC_DLGTEST_RATIO, "1e999", "Please enter a number."},
        {IDC_DLGTEST_NAME, "abcdefghijklmnopqrstuvwxyz", "Please enter no more than 20 characters."},
    };
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 20, AnswerBoxTimer);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszText);
        CDataDialog dlg;
        ASSERT_TRUE(dlg.Create(IDD_DLGTEST_DATA));
        dlg.ShowWindow(SW_SHOW);
        dlg.SetDlgItemText(c.nID, c.pszText);
        g_boxText.clear();
        g_nBoxes = 0;
        EXPECT_FALSE(dlg.UpdateData(TRUE));
        EXPECT_EQ(1, g_nBoxes);
        EXPECT_EQ(c.pszMessage, g_boxText);
        // The offending control has the focus with its text selected; the members from the
        // failing one on keep their values.
        EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, c.nID), ::GetFocus());
        DWORD dwStart = 1, dwEnd = 0;
        ::SendDlgItemMessageA(dlg.m_hWnd, c.nID, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
        EXPECT_EQ(0u, dwStart);
        EXPECT_EQ(strlen(c.pszText), dwEnd);
        EXPECT_EQ(4000000000u, dlg.m_nSize);
        EXPECT_DOUBLE_EQ(0.125, dlg.m_dRatio);
        EXPECT_STREQ("gr", dlg.m_strColor);
        dlg.DestroyWindow();
    }
    ::KillTimer(NULL, nTimer);
}

// Types into the name field once the modal loop runs, then presses Enter.
class CTypingDialog : public CDataDialog
{
public:
    using CDataDialog::CDataDialog;
    HWND m_hOwner = NULL;
    BOOL m_bOwnerEnabledWhileRunning = TRUE;

    BOOL OnInitDialog() override
    {
        CDataDialog::OnInitDialog();
        SetTimer(1, 10, NULL);
        SetTimer(2, 5000, NULL); // a safety net: the test fails instead of hanging
        return TRUE;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == 2)
        {
            EndDialog(-2);
            return;
        }
        // The loop shows the dialog once its queue first runs empty, which may come after the
        // timer under load.
        if (!IsWindowVisible())
            return;
        KillTimer(nIDEvent);
        m_bOwnerEnabledWhileRunning = ::IsWindowEnabled(m_hOwner);
        ::SetForegroundWindow(m_hWnd);
        GotoDlgCtrl(GetDlgItem(IDC_DLGTEST_NAME));
        for (BYTE vk : {(BYTE)'H', (BYTE)'I', (BYTE)VK_RETURN})
        {
            ::keybd_event(vk, 0, 0, 0);
            ::keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTypingDialog, CDataDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

// Types "hi" and Enter into a modal dialog owned by a window of the test.
void RunTypingDialog()
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
        NULL, NULL));
    CTypingDialog dlg(&owner);
    dlg.m_hOwner = owner.m_hWnd;
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("hi", dlg.m_strName);
    EXPECT_FALSE(dlg.m_bOwnerEnabledWhileRunning);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(NULL, dlg.m_hWnd);
    // Every key went through the dialog's PreTranslateMessage, addressed to the focused edit.
    std::vector<UINT> keys;
    for (const MSG& msg : dlg.m_pretranslated)
    {
        if (msg.message == WM_KEYDOWN || msg.message == WM_CHAR)
            keys.push_back(msg.message == WM_KEYDOWN ? msg.wParam : 0x10000 | msg.wParam);
    }
    std::vector<UINT> expected = {'H', 0x10000 | 'h', 'I', 0x10000 | 'i', VK_RETURN};
    EXPECT_EQ(expected, keys);
    owner.DestroyWindow();
}

TEST(Dialog, ModalLoopPassesTypedKeysThroughTheDialogAndEnterEndsWithOk)
{
    ASSERT_EQ(nullptr, AfxGetThread());
    RunTypingDialog();
    // The same through the thread object's pump, when there is one.
    CWinThread thread; // the calling thread's object while it lives
    ASSERT_EQ(&thread, AfxGetThread());
    RunTypingDialog();
}

// The life of a modal dialog, as its owner and its own handlers see it.
std::vector<std::string> g_life;

void Life(const std::string& what)
{
    // The loop tells the owner at each idle phase; one entry stands for a run of them.
    if (g_life.empty() || g_life.back() != what || what != "owner idle")
        g_life.push_back(what);
}

class CLifeOwner : public CWnd
{
public:
    afx_msg void OnEnable(BOOL bEnable) { Life(bEnable ? "owner enabled" : "owner disabled"); }
    afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM)
    {
        Life(wParam == MSGF_DIALOGBOX ? "owner idle" : "owner idle (other)");
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLifeOwner, CWnd)
    ON_WM_ENABLE()
    ON_MESSAGE(WM_ENTERIDLE, &CLifeOwner::OnEnterIdle)
END_MESSAGE_MAP()

class CLifeDialog : public CDialog
{
public:
    explicit CLifeDialog(CWnd* pParent) : CDialog("DLGTEST_NAMED", pParent) {}
    BOOL OnInitDialog() override
    {
        Life("OnInitDialog");
        BOOL bFocus = CDialog::OnInitDialog();
        SetTimer(1, 10, NULL);
        return bFocus;
    }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus)
    {
        if (bShow)
            Life("dialog shown");
        CDialog::OnShowWindow(bShow, nStatus);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        // Under load the timer may come before the queue first runs empty: wait for that.
        if (!IsWindowVisible())
            return;
        KillTimer(nIDEvent);
        PostMessage(WM_COMMAND, IDOK, 0);
    }
    afx_msg void OnDestroy()
    {
        Life("dialog destroyed");
        CDialog::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        Life(pDX->m_bSaveAndValidate ? "exchange from controls" : "exchange to controls");
    }
    void OnOK() override
    {
        Life(m_nFlags & WF_MODALLOOP ? "OnOK in the loop" : "OnOK");
        CDialog::OnOK();
    }
};

BEGIN_MESSAGE_MAP(CLifeDialog, CDialog)
    ON_WM_SHOWWINDOW()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(Dialog, ModalRunDisablesTheOwnerInitialisesShowsWhenIdleAndEndsInOrder)
{
    CLifeOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
        NULL, NULL));
    g_life.clear();
    CLifeDialog dlg(&owner);
    EXPECT_EQ(IDOK, dlg.DoModal());
    std::vector<std::string> expected = {"owner disabled", "OnInitDialog", "exchange to controls", "dialog shown",
        "owner idle", "OnOK in the loop", "exchange from controls", "owner enabled", "dialog destroyed"};
    EXPECT_EQ(expected, g_life);
    EXPECT_EQ(0u, dlg.m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL));
    owner.DestroyWindow();
}

TEST(Dialog, KeysInAModelessDialogActOnlyThroughPreTranslateMessage)
{
    CDataDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_DLGTEST_DATA));
    dlg.ShowWindow(SW_SHOW);
    HWND hName = ::GetDlgItem(dlg.m_hWnd, IDC_DLGTEST_NAME);
    HWND hCount = ::GetDlgItem(dlg.m_hWnd, IDC_DLGTEST_COUNT);

    // Plain dispatch: the edit gets the Tab and the focus stays.
    dlg.GotoDlgCtrl(CWnd::FromHandle(hName));
    ASSERT_EQ(hName, ::GetFocus());
    ::PostMessageA(hName, WM_KEYDOWN, VK_TAB, 1);
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_EQ(hName, ::GetFocus());

    // Through the dialog's chain: the next control in the tab order.
    ::PostMessageA(hName, WM_KEYDOWN, VK_TAB, 1);
    PumpWithPreTranslate(50);
    EXPECT_EQ(hCount, ::GetFocus());
    // Moving into an edit by keyboard selects its text.
    DWORD dwStart = 1, dwEnd = 0;
    ::SendMessageA(hCount, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    EXPECT_EQ(0u, dwStart);
    EXPECT_EQ(3u, dwEnd); // "-42"

    dlg.NextDlgCtrl();
    EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, IDC_DLGTEST_SIZE), ::GetFocus());
    dlg.PrevDlgCtrl();
    dlg.PrevDlgCtrl();
    EXPECT_EQ(hName, ::GetFocus());

    // Escape, even in a multi-line edit that wants every key, cancels the dialog.
    HWND hNotes = ::GetDlgItem(dlg.m_hWnd, IDC_DLGTEST_NOTES);
    dlg.GotoDlgCtrl(CWnd::FromHandle(hNotes));
    ::PostMessageA(hNotes, WM_KEYDOWN, VK_ESCAPE, 1);
    PumpWithPreTranslate(50);
    EXPECT_EQ(1, dlg.m_nCancels);
    EXPECT_FALSE(dlg.IsWindowVisible()); // a modeless dialog is hidden by EndDialog
    dlg.DestroyWindow();
}

// Ends before the loop starts: from OnInitDialog, or by a quit message the loop meets first.
class CEndsEarlyDialog : public CDialog
{
public:
    explicit CEndsEarlyDialog(bool bQuit = false) : CDialog(IDD_DLGTEST_DATA), m_bQuit(bQuit) {}
    BOOL OnInitDialog() override
    {
        if (m_bQuit)
        {
            ::PostQuitMessage(3);
            return TRUE;
        }
        EndDialog(7);
        return FALSE;
    }
    bool m_bQuit;
};

TEST(Dialog, RunsEndedEarlyOrFailedReturnAtOnceWithNoWindowLeft)
{
    CEndsEarlyDialog modal;
    EXPECT_EQ(7, modal.DoModal());
    EXPECT_EQ(NULL, modal.m_hWnd);
    CEndsEarlyDialog modeless;
    EXPECT_FALSE(modeless.Create(IDD_DLGTEST_DATA));
    EXPECT_EQ(NULL, modeless.m_hWnd);

    // A quit message ends the loop and is passed on.
    CEndsEarlyDialog quit(true);
    EXPECT_EQ(-1, quit.DoModal());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);

    CDialog absent(IDD_DLGTEST_ABSENT);
    EXPECT_EQ(-1, absent.DoModal());
    CDialog absentModeless;
    EXPECT_FALSE(absentModeless.Create(IDD_DLGTEST_ABSENT));
    // The initialisation data claims more bytes than it has: nothing is read past its end.
    CDialog broken(IDD_DLGTEST_BADINIT);
    EXPECT_EQ(-1, broken.DoModal());
    EXPECT_EQ(NULL, broken.m_hWnd);
}

// A dialog built in memory: a caption, an edit and a Cancel button.
struct MemoryTemplate
{
    std::vector<WORD> words;

    void Add(const wchar_t* psz)
    {
        do
            words.push_back((WORD)*psz);
        while (*psz++ != 0);
    }
    void Align()
    {
        if (words.size() % 2 != 0)
            words.push_back(0);
    }
    void Item(DWORD dwStyle, short x, short y, short cx, short cy, WORD id, WORD wClass, const wchar_t* pszText)
    {
        Align();
        DLGITEMTEMPLATE item = {dwStyle | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
        const WORD* p = (const WORD*)&item;
        words.insert(words.end(), p, p + sizeof(item) / sizeof(WORD));
        words.push_back(0xFFFF);
        words.push_back(wClass);
        Add(pszText);
        words.push_back(0); // no creation data
    }
    explicit MemoryTemplate(DWORD dwStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION)
    {
        DLGTEMPLATE dlg = {DS_SETFONT | dwStyle, 0, 2, 0, 0, 120, 60};
        const WORD* p = (const WORD*)&dlg;
        words.insert(words.end(), p, p + sizeof(dlg) / sizeof(WORD));
        words.push_back(0); // no menu
        words.push_back(0); // the dialog class
        Add(L"In memory");
        words.push_back(8);
        Add(L"MS Shell Dlg");
        Item(ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 7, 7, 100, 12, 100, 0x0081, L"typed");
        Item(BS_PUSHBUTTON | WS_TABSTOP, 7, 30, 50, 14, IDCANCEL, 0x0080, L"Cancel");
    }
    LPCDLGTEMPLATE Get() const { return (LPCDLGTEMPLATE)words.data(); }
};

class CPressCancelDialog : public CDialog
{
public:
    CString m_strEdit;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)::GetDlgItem(m_hWnd, IDCANCEL));
        return TRUE;
    }
    void OnCancel() override
    {
        GetDlgItemText(100, m_strEdit);
        CDialog::OnCancel();
    }
};

// Modal by name: the life test above.
TEST(Dialog, TemplatesByNameAndInMemoryRunModalAndModeless)
{
    CDialog named;
    ASSERT_TRUE(named.Create("DLGTEST_NAMED"));
    CString strCaption;
    named.GetWindowText(strCaption);
    EXPECT_STREQ("Named", strCaption);
    named.DestroyWindow();

    MemoryTemplate tmpl;
    CPressCancelDialog modal;
    ASSERT_TRUE(modal.InitModalIndirect(tmpl.Get()));
    EXPECT_EQ(IDCANCEL, modal.DoModal());
    EXPECT_STREQ("typed", modal.m_strEdit);

    CDialog modeless;
    ASSERT_TRUE(modeless.CreateIndirect(tmpl.Get()));
    modeless.GetWindowText(strCaption);
    EXPECT_STREQ("In memory", strCaption);
    EXPECT_STREQ("typed", ItemText(modeless, 100));
    modeless.DestroyWindow();
}

// A window that is no dialog, made from a template as a child of another (as form views and
// property pages are): its keys go to dialog navigation through its own PreTranslateMessage.
class CFormWnd : public CWnd
{
public:
    CString m_strEdit = "from member";
    BOOL Create(LPCDLGTEMPLATE lpTemplate, CWnd* pParent) { return CreateDlgIndirect(lpTemplate, pParent, NULL); }
    BOOL PreTranslateMessage(MSG* pMsg) override { return CWnd::PreTranslateMessage(pMsg) || PreTranslateInput(pMsg); }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 100, m_strEdit); }
};

TEST(Dialog, AChildWindowFromATemplateExchangesDataAndNavigatesLikeADialog)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
        NULL, NULL));
    ::SetForegroundWindow(parent.m_hWnd);
    MemoryTemplate tmpl(WS_CHILD | WS_VISIBLE);
    CFormWnd form;
    ASSERT_TRUE(form.Create(tmpl.Get(), &parent));
    EXPECT_EQ(parent.m_hWnd, ::GetParent(form.m_hWnd));
    ASSERT_TRUE(form.UpdateData(FALSE));
    EXPECT_STREQ("from member", ItemText(form, 100));

    // Without an OnInitDialog of its own, the dialog manager focuses the first control.
    HWND hEdit = ::GetDlgItem(form.m_hWnd, 100);
    EXPECT_EQ(hEdit, ::GetFocus());
    ::PostMessageA(hEdit, WM_KEYDOWN, VK_TAB, 1);
    PumpWithPreTranslate(50);
    EXPECT_EQ(::GetDlgItem(form.m_hWnd, IDCANCEL), ::GetFocus());

    form.SetDlgItemText(100, "typed");
    ASSERT_TRUE(form.UpdateData(TRUE));
    EXPECT_STREQ("typed", form.m_strEdit);
    parent.DestroyWindow();
    EXPECT_EQ(NULL, form.m_hWnd);
}

} // namespace
