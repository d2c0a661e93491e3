// Message maps: handlers found in the class or its bases, default processing, reflection of
// control notifications to the control, and exceptions thrown by handlers.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CMemoryException.h"
#include "support/MessageRecorder.h"

namespace {

MessageRecorder* recorder = NULL;

void Note(const char* who, UINT message = 0, WPARAM wParam = 0, LPARAM lParam = 0)
{
    if (recorder != NULL)
        recorder->Note(who, message, wParam, lParam);
}

const UINT WM_TEST_PING = WM_APP + 1;
const UINT WM_TEST_THROW = WM_APP + 2;
const UINT WM_TEST_SETTEXT = WM_APP + 3;

class CBaseWnd : public CWnd
{
public:
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        Note("Base::OnSize", WM_SIZE, nType, MAKELPARAM(cx, cy));
        CWnd::OnSize(nType, cx, cy);
    }
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        Note("Base::OnPing", WM_TEST_PING, wParam, lParam);
        return 11;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_WM_SIZE()
    ON_MESSAGE(WM_TEST_PING, &CBaseWnd::OnPing)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
public:
    BOOL m_bFailCreate = FALSE;
    int m_nPostNcDestroy = 0;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        Note("Derived::OnCreate", WM_CREATE);
        if (m_bFailCreate)
            return -1;
        return CBaseWnd::OnCreate(lpCreateStruct);
    }
    // Handled here and no further: the base's handler does not see it.
    afx_msg LRESULT OnPingDerived(WPARAM wParam, LPARAM lParam)
    {
        Note("Derived::OnPing", WM_TEST_PING, wParam, lParam);
        return 22;
    }
    afx_msg void OnMove(int x, int y) { Note("Derived::OnMove", WM_MOVE, (WPARAM)x, (LPARAM)y); }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM)
    {
        AfxThrowMemoryException();
    }
    // The window's own text handling runs as default processing of another message.
    afx_msg LRESULT OnSetTextLater(WPARAM, LPARAM lParam)
    {
        return DefWindowProc(WM_SETTEXT, 0, lParam);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        Note("Derived::OnTimer", WM_TIMER, nIDEvent);
        KillTimer(nIDEvent);
    }
    void PostNcDestroy() override { m_nPostNcDestroy++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_WM_CREATE()
    ON_WM_MOVE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_TEST_THROW, &CDerivedWnd::OnThrow)
    ON_MESSAGE(WM_TEST_SETTEXT, &CDerivedWnd::OnSetTextLater)
END_MESSAGE_MAP()

// A derived class whose map answers the base's message itself.
class COverridingWnd : public CDerivedWnd
{
public:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COverridingWnd, CDerivedWnd)
    ON_MESSAGE(WM_TEST_PING, &COverridingWnd::OnPingDerived)
END_MESSAGE_MAP()

CRect TestRect()
{
    return CRect(10, 20, 210, 170);
}

class WndDispatch : public ::testing::Test
{
protected:
    MessageRecorder m_recorder;
    void SetUp() override { recorder = &m_recorder; }
    void TearDown() override { recorder = NULL; }
};

TEST_F(WndDispatch, HandlersComeFromTheClassOrItsBasesInOrder)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "dispatch", WS_POPUP, TestRect(), NULL, 0));
    m_recorder.Watch(wnd.m_hWnd, "wnd");
    m_recorder.Clear();

    EXPECT_EQ(11, wnd.SendMessage(WM_TEST_PING, 1, 2)); // only the base handles it
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 150));
    wnd.SendMessage(WM_MOVE, 0, MAKELPARAM(-5, 7)); // signed coordinates
    wnd.PostMessage(WM_TEST_PING, 3, 4);
    wnd.SetTimer(5, 1);
    PumpMessages(200);

    const std::vector<ExpectedMsg> expected = {
        {"wnd", WM_TEST_PING, msgSent},
        {"Base::OnPing", WM_TEST_PING, msgNote | msgWParam | msgLParam, 1, 2},
        {"wnd", WM_SIZE, msgSent},
        {"Base::OnSize", WM_SIZE, msgNote | msgWParam | msgLParam, SIZE_RESTORED, MAKELPARAM(200, 150)},
        {"wnd", WM_MOVE, msgSent},
        {"Derived::OnMove", WM_MOVE, msgNote | msgWParam | msgLParam, (WPARAM)-5, 7},
        {"wnd", WM_TEST_PING, msgPosted},
        {"Base::OnPing", WM_TEST_PING, msgNote | msgWParam | msgLParam, 3, 4},
        {"wnd", WM_TIMER, msgPosted | msgWParam, 5},
        {"Derived::OnTimer", WM_TIMER, msgNote | msgWParam, 5},
    };
    EXPECT_TRUE(m_recorder.Matches(expected));
    wnd.DestroyWindow();
}

TEST_F(WndDispatch, ADerivedMapHidesTheBaseHandlerAndDefaultReachesTheWindowProcedure)
{
    COverridingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "before", WS_POPUP, TestRect(), NULL, 0));
    m_recorder.Clear();
    EXPECT_EQ(22, wnd.SendMessage(WM_TEST_PING));
    ASSERT_EQ(1u, m_recorder.Log().size());
    EXPECT_EQ("Derived::OnPing", m_recorder.Log()[0].who);

    // No handler: the class's procedure (DefWindowProc) answers.
    CString strText;
    wnd.GetWindowText(strText);
    EXPECT_STREQ("before", strText);
    wnd.SendMessage(WM_TEST_SETTEXT, 0, (LPARAM) "after");
    wnd.GetWindowText(strText);
    EXPECT_STREQ("after", strText);
    wnd.DestroyWindow();
}

TEST_F(WndDispatch, FailuresInCreationOrInAHandlerLeaveTheObjectSound)
{
    // OnCreate refusing: no window, and the object is finished as after a destruction.
    CDerivedWnd failed;
    failed.m_bFailCreate = TRUE;
    EXPECT_FALSE(failed.CreateEx(0, AfxRegisterWndClass(0), "fail", WS_POPUP, TestRect(), NULL, 0));
    EXPECT_EQ(NULL, failed.m_hWnd);
    EXPECT_EQ(1, failed.m_nPostNcDestroy);
    ASSERT_FALSE(m_recorder.Log().empty());
    EXPECT_EQ("Derived::OnCreate", m_recorder.Log()[0].who);

    // A handler throwing fails only its message: the window still works afterwards.
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "throw", WS_POPUP, TestRect(), NULL, 0));
    EXPECT_EQ(0, wnd.SendMessage(WM_TEST_THROW));
    EXPECT_EQ(11, wnd.SendMessage(WM_TEST_PING));
    wnd.DestroyWindow();
    EXPECT_EQ(1, wnd.m_nPostNcDestroy);
}

// Reflection ------------------------------------------------------------------------------------

const UINT IDC_BUTTON = 101;
const UINT IDC_OTHER = 102;

class CReflectingButton : public CWnd
{
public:
    BOOL m_bEat = FALSE;
    HBRUSH m_hBrush = NULL;
    LRESULT m_lNotifyResult = 0;

    afx_msg BOOL OnClickedReflect()
    {
        Note("Button::OnClicked");
        return m_bEat;
    }
    afx_msg void OnNotifyReflect(NMHDR* pNMHDR, LRESULT* pResult)
    {
        Note("Button::OnNotify", WM_NOTIFY, pNMHDR->idFrom);
        *pResult = m_lNotifyResult;
    }
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        Note("Button::CtlColor", WM_CTLCOLOR, nCtlColor);
        return m_hBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CReflectingButton::OnClickedReflect)
    ON_NOTIFY_REFLECT(NM_CLICK, &CReflectingButton::OnNotifyReflect)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CParentWnd : public CWnd
{
public:
    afx_msg void OnButtonClicked() { Note("Parent::OnClicked"); }
    afx_msg void OnNotifyClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        Note("Parent::OnNotify", WM_NOTIFY, pNMHDR->idFrom);
        *pResult = 99;
    }
    afx_msg void OnOtherRange(UINT nID) { Note("Parent::OnRange", WM_COMMAND, nID); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_BN_CLICKED(IDC_BUTTON, &CParentWnd::OnButtonClicked)
    ON_NOTIFY(NM_CLICK, IDC_BUTTON, &CParentWnd::OnNotifyClick)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_OTHER, IDC_OTHER + 5, &CParentWnd::OnOtherRange)
END_MESSAGE_MAP()

// A parent with its own colour handler decides alone, as the framework documents.
class CColourParentWnd : public CParentWnd
{
public:
    HBRUSH m_hBrush = NULL;
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        Note("Parent::OnCtlColor", WM_CTLCOLOR, nCtlColor);
        return m_hBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourParentWnd, CParentWnd)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class Reflection : public WndDispatch
{
protected:
    void Create(CParentWnd& parent)
    {
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, TestRect(), NULL, 0));
        HWND hButton = ::CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 5, 5, 80, 24,
            parent.m_hWnd, (HMENU)(UINT_PTR)IDC_BUTTON, NULL, NULL);
        ASSERT_NE((HWND)NULL, hButton);
        ASSERT_TRUE(m_button.SubclassDlgItem(IDC_BUTTON, &parent));
        m_recorder.Watch(parent.m_hWnd, "parent");
        m_recorder.Clear();
    }
    LRESULT SendClickNotify(CWnd& parent)
    {
        NMHDR hdr = {::GetDlgItem(parent.m_hWnd, IDC_BUTTON), IDC_BUTTON, (UINT)NM_CLICK};
        return parent.SendMessage(WM_NOTIFY, IDC_BUTTON, (LPARAM)&hdr);
    }
    CReflectingButton m_button;
};

TEST_F(Reflection, TheControlSeesItsCommandFirstAndMayKeepItFromTheParent)
{
    CParentWnd parent;
    Create(parent);
    // What a button sends its parent when clicked.
    const WPARAM wClicked = MAKEWPARAM(IDC_BUTTON, BN_CLICKED);
    parent.SendMessage(WM_COMMAND, wClicked, (LPARAM)m_button.m_hWnd);
    m_button.m_bEat = TRUE;
    parent.SendMessage(WM_COMMAND, wClicked, (LPARAM)m_button.m_hWnd);
    const std::vector<ExpectedMsg> expected = {
        {"parent", WM_COMMAND, msgSent | msgWParam, MAKEWPARAM(IDC_BUTTON, BN_CLICKED)},
        {"Button::OnClicked", 0, msgNote},
        {"Parent::OnClicked", 0, msgNote},
        {"parent", WM_COMMAND, msgSent | msgWParam, MAKEWPARAM(IDC_BUTTON, BN_CLICKED)},
        {"Button::OnClicked", 0, msgNote},
    };
    EXPECT_TRUE(m_recorder.Matches(expected));
    parent.DestroyWindow();
}

TEST_F(Reflection, NotificationsReachTheControlAndItsResultReturns)
{
    CParentWnd parent;
    Create(parent);
    m_button.m_lNotifyResult = 5;
    EXPECT_EQ(5, SendClickNotify(parent));
    const std::vector<ExpectedMsg> expected = {
        {"parent", WM_NOTIFY, msgSent},
        {"Button::OnNotify", WM_NOTIFY, msgNote | msgWParam, IDC_BUTTON},
    };
    EXPECT_TRUE(m_recorder.Matches(expected));

    // Without a permanent object for the control, the parent's own entry answers.
    m_button.UnsubclassWindow();
    m_recorder.Clear();
    EXPECT_EQ(99, SendClickNotify(parent));
    const std::vector<ExpectedMsg> expectedParent = {
        {"parent", WM_NOTIFY, msgSent},
        {"Parent::OnNotify", WM_NOTIFY, msgNote | msgWParam, IDC_BUTTON},
    };
    EXPECT_TRUE(m_recorder.Matches(expectedParent));
    parent.DestroyWindow();
}

TEST_F(Reflection, ColourMessagesGoToTheControlUnlessTheParentAnswersThem)
{
    HBRUSH hRed = ::CreateSolidBrush(RGB(255, 0, 0));
    HBRUSH hBlue = ::CreateSolidBrush(RGB(0, 0, 255));
    HDC hDC = ::CreateCompatibleDC(NULL);
    {
        CParentWnd parent;
        Create(parent);
        m_button.m_hBrush = hRed;
        EXPECT_EQ((LRESULT)hRed, parent.SendMessage(WM_CTLCOLORBTN, (WPARAM)hDC, (LPARAM)m_button.m_hWnd));
        // A control answering NULL leaves the colours to the default processing.
        m_button.m_hBrush = NULL;
        EXPECT_NE((LRESULT)hRed, parent.SendMessage(WM_CTLCOLORBTN, (WPARAM)hDC, (LPARAM)m_button.m_hWnd));
        const std::vector<ExpectedMsg> expected = {
            {"parent", WM_CTLCOLORBTN, msgSent},
            {"Button::CtlColor", WM_CTLCOLOR, msgNote | msgWParam, CTLCOLOR_BTN},
            {"parent", WM_CTLCOLORBTN, msgSent},
            {"Button::CtlColor", WM_CTLCOLOR, msgNote | msgWParam, CTLCOLOR_BTN},
        };
        EXPECT_TRUE(m_recorder.Matches(expected));
        parent.DestroyWindow();
        m_button.Detach();
    }
    {
        CColourParentWnd parent;
        Create(parent);
        m_button.m_hBrush = hRed;
        parent.m_hBrush = hBlue;
        EXPECT_EQ((LRESULT)hBlue, parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)m_button.m_hWnd));
        const std::vector<ExpectedMsg> expected = {
            {"parent", WM_CTLCOLORSTATIC, msgSent},
            {"Parent::OnCtlColor", WM_CTLCOLOR, msgNote | msgWParam, CTLCOLOR_STATIC},
        };
        EXPECT_TRUE(m_recorder.Matches(expected));
        parent.DestroyWindow();
    }
    ::DeleteDC(hDC);
    ::DeleteObject(hRed);
    ::DeleteObject(hBlue);
}

TEST_F(Reflection, RangesAndUnhandledCommandsOfOtherControls)
{
    CParentWnd parent;
    Create(parent);
    // Control notifications of ids in the range go to one handler with the id.
    HWND hOther = ::CreateWindowExA(0, "BUTTON", "Other", WS_CHILD | BS_PUSHBUTTON, 5, 35, 80, 24, parent.m_hWnd,
        (HMENU)(UINT_PTR)(IDC_OTHER + 3), NULL, NULL);
    m_recorder.Clear();
    EXPECT_EQ(1, parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OTHER + 3, BN_CLICKED), (LPARAM)hOther));
    // Outside every entry: not handled (the default procedure answers 0).
    EXPECT_EQ(0, parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OTHER + 3, BN_SETFOCUS), (LPARAM)hOther));
    const std::vector<ExpectedMsg> expected = {
        {"parent", WM_COMMAND, msgSent},
        {"Parent::OnRange", WM_COMMAND, msgNote | msgWParam, IDC_OTHER + 3},
        {"parent", WM_COMMAND, msgSent},
    };
    EXPECT_TRUE(m_recorder.Matches(expected));
    parent.DestroyWindow();
}


// Every standard entry, each reaching CWnd's handler, which hands the message to the default
// processing with its parameters intact: the window answers as one without a map would.
class CEveryEntryWnd : public CWnd
{
public:
    afx_msg void OnCommandAny() {}
    afx_msg BOOL OnCommandEx(UINT) { return FALSE; }
    afx_msg void OnCommandRange(UINT) {}
    afx_msg void OnUpdate(CCmdUI*) {}
    afx_msg void OnNotifyAny(NMHDR*, LRESULT*) {}
    afx_msg void OnNotifyRange(UINT, NMHDR*, LRESULT*) {}
    afx_msg BOOL OnNotifyEx(UINT, NMHDR*, LRESULT*) { return FALSE; }
    afx_msg BOOL OnNotifyReflectEx(NMHDR*, LRESULT*) { return FALSE; }
    afx_msg BOOL OnControlReflectEx() { return FALSE; }
    afx_msg void OnThreadMsg(WPARAM, LPARAM) {}
    afx_msg LRESULT OnPingDefault(WPARAM wParam, LPARAM lParam) { return Default(); }
    void DrawItem(LPDRAWITEMSTRUCT) {}
    void MeasureItem(LPMEASUREITEMSTRUCT) {}
    void HScroll(UINT, UINT) {}
    void VScroll(UINT, UINT) {}
    HBRUSH CtlColor(CDC*, UINT) { return NULL; }
    DECLARE_MESSAGE_MAP()
};

static UINT everyEntryRegistered = ::RegisterWindowMessageA("KwEveryEntry");

BEGIN_MESSAGE_MAP(CEveryEntryWnd, CWnd)
    ON_WM_CREATE() ON_WM_DESTROY() ON_WM_CLOSE() ON_WM_SIZE() ON_WM_MOVE() ON_WM_PAINT()
    ON_WM_NCPAINT() ON_WM_ERASEBKGND() ON_WM_TIMER() ON_WM_SETFOCUS() ON_WM_KILLFOCUS() ON_WM_KEYDOWN()
    ON_WM_KEYUP() ON_WM_CHAR() ON_WM_SYSKEYDOWN() ON_WM_SYSKEYUP() ON_WM_SYSCHAR() ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN() ON_WM_LBUTTONUP() ON_WM_LBUTTONDBLCLK() ON_WM_RBUTTONDOWN() ON_WM_RBUTTONUP()
    ON_WM_RBUTTONDBLCLK() ON_WM_MBUTTONDOWN() ON_WM_MBUTTONUP() ON_WM_MBUTTONDBLCLK() ON_WM_NCMOUSEMOVE()
    ON_WM_NCLBUTTONDOWN() ON_WM_NCLBUTTONUP() ON_WM_NCLBUTTONDBLCLK() ON_WM_NCRBUTTONDOWN()
    ON_WM_NCRBUTTONDBLCLK() ON_WM_NCMBUTTONDOWN() ON_WM_NCMBUTTONDBLCLK() ON_WM_MOUSEWHEEL()
    ON_WM_MOUSEACTIVATE() ON_WM_SETCURSOR() ON_WM_CAPTURECHANGED() ON_WM_CANCELMODE() ON_WM_HSCROLL()
    ON_WM_VSCROLL() ON_WM_GETDLGCODE() ON_WM_CTLCOLOR() ON_WM_DRAWITEM() ON_WM_MEASUREITEM()
    ON_WM_COMPAREITEM() ON_WM_DELETEITEM() ON_WM_PARENTNOTIFY() ON_WM_CONTEXTMENU() ON_WM_SHOWWINDOW()
    ON_WM_ACTIVATE() ON_WM_ACTIVATEAPP() ON_WM_NCACTIVATE() ON_WM_GETMINMAXINFO() ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED() ON_WM_SETTINGCHANGE() ON_WM_SYSCOLORCHANGE() ON_WM_SYSCOMMAND()
    ON_WM_INITMENUPOPUP() ON_WM_MDIACTIVATE() ON_WM_NCHITTEST() ON_WM_NCCALCSIZE() ON_WM_ENABLE()
    ON_WM_DROPFILES() ON_WM_HELPINFO() ON_WM_QUERYENDSESSION()
    ON_WM_CTLCOLOR_REFLECT() ON_WM_DRAWITEM_REFLECT() ON_WM_MEASUREITEM_REFLECT() ON_WM_HSCROLL_REFLECT()
    ON_WM_VSCROLL_REFLECT()
    ON_REGISTERED_MESSAGE(everyEntryRegistered, &CEveryEntryWnd::OnPingDefault)
    ON_THREAD_MESSAGE(WM_APP + 50, &CEveryEntryWnd::OnThreadMsg)
    ON_COMMAND(1, &CEveryEntryWnd::OnCommandAny)
    ON_COMMAND_EX(2, &CEveryEntryWnd::OnCommandEx)
    ON_COMMAND_RANGE(3, 4, &CEveryEntryWnd::OnCommandRange)
    ON_COMMAND_EX_RANGE(5, 6, &CEveryEntryWnd::OnCommandEx)
    ON_UPDATE_COMMAND_UI(1, &CEveryEntryWnd::OnUpdate)
    ON_UPDATE_COMMAND_UI_RANGE(3, 4, &CEveryEntryWnd::OnUpdate)
    ON_UPDATE_COMMAND_UI_REFLECT(&CEveryEntryWnd::OnUpdate)
    ON_NOTIFY(NM_CLICK, 1, &CEveryEntryWnd::OnNotifyAny)
    ON_NOTIFY_RANGE(NM_CLICK, 2, 3, &CEveryEntryWnd::OnNotifyRange)
    ON_NOTIFY_EX(NM_DBLCLK, 1, &CEveryEntryWnd::OnNotifyEx)
    ON_NOTIFY_EX_RANGE(NM_DBLCLK, 2, 3, &CEveryEntryWnd::OnNotifyEx)
    ON_NOTIFY_REFLECT(NM_CLICK, &CEveryEntryWnd::OnNotifyAny)
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, &CEveryEntryWnd::OnNotifyReflectEx)
    ON_CONTROL(EN_CHANGE, 7, &CEveryEntryWnd::OnCommandAny)
    ON_CONTROL_RANGE(EN_UPDATE, 7, 8, &CEveryEntryWnd::OnCommandRange)
    ON_CONTROL_REFLECT(BN_CLICKED, &CEveryEntryWnd::OnCommandAny)
    ON_CONTROL_REFLECT_EX(BN_DOUBLECLICKED, &CEveryEntryWnd::OnControlReflectEx)
    ON_BN_CLICKED(9, &CEveryEntryWnd::OnCommandAny) ON_BN_DOUBLECLICKED(9, &CEveryEntryWnd::OnCommandAny)
    ON_EN_CHANGE(9, &CEveryEntryWnd::OnCommandAny) ON_EN_KILLFOCUS(9, &CEveryEntryWnd::OnCommandAny)
    ON_EN_SETFOCUS(9, &CEveryEntryWnd::OnCommandAny) ON_EN_UPDATE(9, &CEveryEntryWnd::OnCommandAny)
    ON_CBN_SELCHANGE(9, &CEveryEntryWnd::OnCommandAny) ON_CBN_EDITCHANGE(9, &CEveryEntryWnd::OnCommandAny)
    ON_CBN_DROPDOWN(9, &CEveryEntryWnd::OnCommandAny) ON_CBN_CLOSEUP(9, &CEveryEntryWnd::OnCommandAny)
    ON_CBN_SELENDOK(9, &CEveryEntryWnd::OnCommandAny) ON_CBN_SELENDCANCEL(9, &CEveryEntryWnd::OnCommandAny)
    ON_CBN_KILLFOCUS(9, &CEveryEntryWnd::OnCommandAny) ON_CBN_SETFOCUS(9, &CEveryEntryWnd::OnCommandAny)
    ON_CBN_DBLCLK(9, &CEveryEntryWnd::OnCommandAny) ON_CBN_EDITUPDATE(9, &CEveryEntryWnd::OnCommandAny)
    ON_LBN_SELCHANGE(9, &CEveryEntryWnd::OnCommandAny) ON_LBN_DBLCLK(9, &CEveryEntryWnd::OnCommandAny)
END_MESSAGE_MAP()

TEST(WndDefaults, EveryStandardEntryHandsItsMessageOnToTheDefaultProcessing)
{
    CEveryEntryWnd wnd;
    HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0, NULL, hBrush), "every", WS_POPUP | WS_CAPTION,
        CRect(100, 100, 300, 250), NULL, 0));
    CRect rcClient;
    wnd.GetClientRect(&rcClient);
    wnd.ClientToScreen(&rcClient);
    LPARAM lInside = MAKELPARAM(rcClient.left + 5, rcClient.top + 5);
    EXPECT_EQ(HTCLIENT, wnd.SendMessage(WM_NCHITTEST, 0, lInside));
    EXPECT_EQ(HTCAPTION, wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcClient.left + 5, rcClient.top - 3)));
    EXPECT_EQ(0, wnd.SendMessage(WM_GETDLGCODE));
    EXPECT_EQ(MA_ACTIVATE, wnd.SendMessage(WM_MOUSEACTIVATE, (WPARAM)wnd.m_hWnd, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)));
    EXPECT_EQ(TRUE, wnd.SendMessage(WM_QUERYENDSESSION));

    // The class brush is painted by the default erase, into the DC given.
    HDC hScreen = ::GetDC(NULL);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 20, 20);
    ::ReleaseDC(NULL, hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    EXPECT_NE(0, wnd.SendMessage(WM_ERASEBKGND, (WPARAM)hDC));
    EXPECT_EQ(RGB(1, 2, 3), ::GetPixel(hDC, 3, 3));
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);

    // Positions pass through the WM_WINDOWPOS... and WM_MOVE entries unharmed.
    wnd.MoveWindow(10, 20, 150, 120);
    CRect rcWindow;
    wnd.GetWindowRect(&rcWindow);
    EXPECT_EQ(CRect(10, 20, 160, 140), rcWindow);
    EXPECT_EQ(0, wnd.SendMessage(everyEntryRegistered, 3, 4));
    wnd.DestroyWindow();
    ::DeleteObject(hBrush);
}

} // namespace
