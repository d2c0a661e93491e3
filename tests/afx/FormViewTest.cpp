// Form views: a view made from a popup dialog's template as the child of its frame, its
// controls filled from the document and read back, Tab navigation after the frame's accelerators,
// and the focus returning to its control when the frame is activated again.
#include <afxwin.h>
#include <afxext.h>
#include <gtest/gtest.h>

#include "FormViewTest.rh"
#include "support/MessageRecorder.h"

namespace {

class CFormDoc : public CDocument
{
public:
    CString m_strName = "Ada";
    int m_nCount = 7;
};

class CFormTestView : public CFormView
{
    DECLARE_DYNCREATE(CFormTestView)
public:
    CFormTestView() : CFormView(IDD_FORMVIEW) {}
    CFormDoc* GetDocument() const { return (CFormDoc*)m_pDocument; }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_FORMVIEW_NAME, GetDocument()->m_strName);
        DDX_Text(pDX, IDC_FORMVIEW_COUNT, GetDocument()->m_nCount);
    }
};
IMPLEMENT_DYNCREATE(CFormTestView, CFormView)

class CMissingFormView : public CFormView
{
    DECLARE_DYNCREATE(CMissingFormView)
public:
    CMissingFormView() : CFormView(IDD_FORMVIEW_MISSING) {}
};
IMPLEMENT_DYNCREATE(CMissingFormView, CFormView)

class CFormFrame : public CFrameWnd
{
public:
    int m_nEnters = 0;
    afx_msg void OnEnter() { m_nEnters++; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFormFrame, CFrameWnd)
    ON_COMMAND(ID_FORMVIEW_ENTER, &CFormFrame::OnEnter)
END_MESSAGE_MAP()

void PostKey(UINT nKey)
{
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, nKey, 1);
    ::PostMessageA(::GetFocus(), WM_KEYUP, nKey, 0xC0000001);
    PumpWithPreTranslate();
}

TEST(FormView, AFormFromAPopupTemplateIsTheFramesChildAndExchangesWithItsDocument)
{
    CFormDoc* pDoc = new CFormDoc;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CFormTestView);
    context.m_pCurrentDoc = pDoc;
    CFormFrame* pFrame = new CFormFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_FORMVIEW_FRAME, WS_OVERLAPPEDWINDOW, NULL, &context));
    pFrame->InitialUpdateFrame(pDoc, TRUE);
    ::SetForegroundWindow(pFrame->m_hWnd);
    PumpMessages();

    CFormTestView* pView = (CFormTestView*)pFrame->GetActiveView();
    ASSERT_TRUE(pView != NULL && pView->IsKindOf(RUNTIME_CLASS(CFormView)));
    EXPECT_EQ(pDoc, pView->GetDocument());
    EXPECT_EQ(AFX_IDW_PANE_FIRST, pView->GetDlgCtrlID());
    EXPECT_EQ(pFrame->m_hWnd, ::GetParent(pView->m_hWnd));
    EXPECT_EQ(WS_CHILD | WS_VISIBLE, pView->GetStyle() & (WS_CHILD | WS_VISIBLE | WS_POPUP | WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ((DWORD)WS_EX_CLIENTEDGE, pView->GetExStyle() & (WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME));
    // The view fills the client area.
    CRect rectClient, rectView;
    pFrame->GetClientRect(&rectClient);
    pView->GetWindowRect(&rectView);
    EXPECT_EQ(rectClient.Size(), rectView.Size());

    HWND hName = ::GetDlgItem(pView->m_hWnd, IDC_FORMVIEW_NAME);
    HWND hCount = ::GetDlgItem(pView->m_hWnd, IDC_FORMVIEW_COUNT);
    CString str;
    pView->GetDlgItemText(IDC_FORMVIEW_NAME, str);
    EXPECT_STREQ("Ada", str);
    pView->GetDlgItemText(IDC_FORMVIEW_COUNT, str);
    EXPECT_STREQ("7", str);
    EXPECT_EQ(hName, ::GetFocus());

    // Tab moves on as in a dialog; Enter is the frame's accelerator before it is the dialog's.
    PostKey(VK_TAB);
    EXPECT_EQ(hCount, ::GetFocus());
    PostKey(VK_RETURN);
    EXPECT_EQ(1, pFrame->m_nEnters);

    pView->SetDlgItemText(IDC_FORMVIEW_NAME, "Grace");
    pView->SetDlgItemText(IDC_FORMVIEW_COUNT, "12");
    ASSERT_TRUE(pView->UpdateData(TRUE));
    EXPECT_STREQ("Grace", pDoc->m_strName);
    EXPECT_EQ(12, pDoc->m_nCount);

    // Another window takes the activation; the frame gets it back with the focus where it was.
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
        NULL, NULL));
    other.SetActiveWindow();
    EXPECT_EQ(other.m_hWnd, ::GetFocus());
    pFrame->SetActiveWindow();
    EXPECT_EQ(hCount, ::GetFocus());
    other.DestroyWindow();

    pFrame->DestroyWindow(); // the view goes with it, and the document with its last view
    PumpMessages();
}

TEST(FormView, AMissingTemplateFailsTheFrameAndLeavesNoView)
{
    CFormDoc doc;
    doc.m_bAutoDelete = FALSE;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CMissingFormView);
    context.m_pCurrentDoc = &doc;
    CFormFrame* pFrame = new CFormFrame;
    EXPECT_FALSE(pFrame->LoadFrame(IDR_FORMVIEW_FRAME, WS_OVERLAPPEDWINDOW, NULL, &context));
    EXPECT_EQ(NULL, doc.GetFirstViewPosition());
}

} // namespace
