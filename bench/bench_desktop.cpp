// The desktop in the document: 100 single-view children stored into a document and restored from
// it, against opening the same 100 children directly; per window.
#include "harness/BenchHarness.h"
#include "harness/BenchPump.h"

#ifdef _WIN32

#include "frame/KwMDIMonoChildWnd.h"
#include "frame/KwMDITools.h"
#include "frame/KwWindowUpdateLock.h"

#include <afxwin.h>

#include <cstdio>

namespace {

const int kWindows = 100;
const int kRounds = 3;

class CBenchDoc : public CDocument
{
    DECLARE_DYNCREATE(CBenchDoc)
};
IMPLEMENT_DYNCREATE(CBenchDoc, CDocument)

// A view that knows its context and stores a line of its own.
class CBenchView : public CView
{
    DECLARE_SERIAL(CBenchView)
public:
    CBenchView()
    {
        if (const CViewContext* p = CViewContext::GetViewContext())
            m_ctx = *p;
    }
    void OnDraw(CDC* pDC) override { pDC->TextOut(4, 4, m_ctx.m_strText1); }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_ctx.m_strText1;
        else
            ar >> m_ctx.m_strText1;
    }
    afx_msg LRESULT OnGetContext(WPARAM, LPARAM lParam)
    {
        *(CViewContext*)lParam = m_ctx;
        return 1;
    }
    afx_msg LRESULT OnCompareContext(WPARAM, LPARAM lParam) { return *(const CViewContext*)lParam == m_ctx; }
    CViewContext m_ctx;
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_SERIAL(CBenchView, CView, 1)
BEGIN_MESSAGE_MAP(CBenchView, CView)
    ON_MESSAGE(WM_KW_GETVIEWCONTEXT, &CBenchView::OnGetContext)
    ON_MESSAGE(WM_KW_COMPAREVIEWCONTEXT, &CBenchView::OnCompareContext)
END_MESSAGE_MAP()

void OpenAll(CDocument* pDoc)
{
    for (int i = 0; i < kWindows; i++)
    {
        CViewContext ctx;
        ctx.m_strText1.Format("window %d", i);
        ctx.m_nValue1 = i;
        if (CKwMDIMonoChildWnd::Open(1, RUNTIME_CLASS(CBenchView), ctx, pDoc, SW_SHOWNORMAL, FALSE) == NULL)
            printf("a window could not be opened\n");
    }
    BenchPump();
}

// Every child from the bottom of the Z order up, into memory.
void StoreAll(CMemFile& file)
{
    std::vector<CMDIChildWnd*> children;
    for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p))
        children.insert(children.begin(), p);
    file.SetLength(0);
    CArchive ar(&file, CArchive::store);
    for (CMDIChildWnd* p : children)
        CKwMDITools::StoreWindowForSharedDoc(p, ar);
    ar.Close();
}

void RestoreAll(CMemFile& file, CDocument* pDoc)
{
    // One lock for the whole desktop: the lock of each record then takes nothing, and the frame
    // is drawn once at the end instead of after every window.
    CKwWindowUpdateLock lock;
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    for (int i = 0; i < kWindows; i++)
        if (CKwMDITools::RestoreWindow(ar, pDoc, "") == NULL)
            printf("a window could not be restored\n");
    BenchPump();
}

} // namespace

int main()
{
    CWinApp app("KwUi desktop bench");
    CMDIFrameWnd* pFrame = new CMDIFrameWnd;
    if (!pFrame->Create(NULL, "Desktop bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1000, 800)))
    {
        printf("the MDI frame could not be made\n");
        return 1;
    }
    app.m_pMainWnd = pFrame;
    pFrame->RecalcLayout();
    CBenchDoc doc;
    doc.m_bAutoDelete = FALSE;

    CMemFile desktop;
    OpenAll(&doc);
    StoreAll(desktop);
    CKwMDITools::CloseAllMDIChildWindows();
    auto open = [&] {
        OpenAll(&doc);
        CKwMDITools::CloseAllMDIChildWindows();
        BenchPump();
    };
    CMemFile again;
    auto storeRestore = [&] {
        RestoreAll(desktop, &doc);
        StoreAll(again);
        CKwMDITools::CloseAllMDIChildWindows();
        BenchPump();
    };
    printf("%d single-view children, %u bytes of desktop\n", kWindows, (unsigned)desktop.GetLength());
    std::vector<BenchTimes> t = BenchHarness::Compare(
        {{"  restored from the desktop and stored again", storeRestore, kWindows}, {"  opened directly", open, kWindows}},
        kRounds, 1e3, "ms per window");
    // A restored window is shown maximized before its placement is applied, and the record is
    // read and written besides: it costs more than opening, but not by an order.
    bool ok = BenchHarness::Ratio("  restore and store vs open", t[0], t[1], 3.0);
    if (again.GetLength() != desktop.GetLength())
    {
        printf("the desktop stored again differs in length\n");
        ok = false;
    }
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
