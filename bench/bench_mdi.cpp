// MDI children of a small document: opening 50 of them (document, child frame, view, activation
// and the menu switch) and closing them all, against creating and destroying 50 plain
// overlapped windows of the same size, timed in turns; per window.
#include "harness/BenchHarness.h"
#include "harness/BenchPump.h"

#ifdef _WIN32

#include <afxwin.h>

#include <cstdio>

namespace {

const int kWindows = 50;
const int kRounds = 9;
const int kWidth = 400, kHeight = 300;

class CBenchDoc : public CDocument
{
    DECLARE_DYNCREATE(CBenchDoc)
public:
    CString m_strText = "A small document";
};
IMPLEMENT_DYNCREATE(CBenchDoc, CDocument)

class CBenchView : public CView
{
    DECLARE_DYNCREATE(CBenchView)
public:
    void OnDraw(CDC* pDC) override { pDC->TextOut(4, 4, ((CBenchDoc*)GetDocument())->m_strText); }
};
IMPLEMENT_DYNCREATE(CBenchView, CView)

class CBenchChild : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CBenchChild)
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        cs.cx = kWidth;
        cs.cy = kHeight;
        return CMDIChildWnd::PreCreateWindow(cs);
    }
};
IMPLEMENT_DYNCREATE(CBenchChild, CMDIChildWnd)

} // namespace

int main()
{
    CWinApp app("KwUi MDI bench");
    CMultiDocTemplate* pTemplate =
        new CMultiDocTemplate(1, RUNTIME_CLASS(CBenchDoc), RUNTIME_CLASS(CBenchChild), RUNTIME_CLASS(CBenchView));
    app.AddDocTemplate(pTemplate);
    CMDIFrameWnd* pFrame = new CMDIFrameWnd;
    HMENU hMenu = ::CreateMenu();
    HMENU hWindow = ::CreatePopupMenu();
    ::AppendMenuA(hWindow, MF_STRING, ID_WINDOW_CASCADE, "&Cascade");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hWindow, "&Window");
    if (!pFrame->Create(NULL, "MDI bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE | FWS_ADDTOTITLE, CRect(0, 0, 1000, 800)))
    {
        printf("the MDI frame could not be made\n");
        return 1;
    }
    ::SetMenu(pFrame->m_hWnd, hMenu);
    pFrame->m_hMenuDefault = hMenu;
    app.m_pMainWnd = pFrame;
    pFrame->RecalcLayout();

    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    HWND hWnds[kWindows];
    auto children = [&] {
        for (int i = 0; i < kWindows; i++)
            if (pTemplate->OpenDocumentFile(NULL) == NULL)
                printf("a child could not be made\n");
        BenchPump();
        app.CloseAllDocuments(FALSE);
        BenchPump();
    };
    auto plain = [&] {
        for (int i = 0; i < kWindows; i++)
            hWnds[i] = ::CreateWindowExA(0, lpszClass, "Plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10 + i, 10 + i, kWidth,
                kHeight, NULL, NULL, AfxGetInstanceHandle(), NULL);
        BenchPump();
        for (int i = 0; i < kWindows; i++)
            ::DestroyWindow(hWnds[i]);
        BenchPump();
    };
    printf("%d windows of %dx%d, opened and closed\n", kWindows, kWidth, kHeight);
    std::vector<BenchTimes> t = BenchHarness::Compare(
        {{"  MDI children with document and view", children, kWindows}, {"  plain overlapped windows", plain, kWindows}},
        kRounds, 1e3, "ms per window");
    bool ok = BenchHarness::Ratio("  MDI child vs plain window", t[0], t[1], 3.0);
    app.m_pMainWnd = NULL;
    pFrame->DestroyWindow();
    return ok ? 0 : 1;
}

#else

// Windows and their frames: nothing to measure elsewhere.
int main()
{
    return 0;
}

#endif
