// DesktopHost.h: a host for the desktop tests: a docking MDI main frame whose menu bar notes its
// maximize calls, documents that open any path, a serial view with a context, data and a title,
// and the fixture that runs them.
#pragma once

#include "DesktopHost.rh"

#include "frame/KwMDIMonoChildWnd.h"
#include "frame/KwMDITools.h"
#include "frame/KwMultiDocTemplate.h"
#include "frame/KwWinApp.h"

#include <CBCGPMDIFrameWnd.h>
#include <gtest/gtest.h>
#include <support/ArchiveBytes.h>

typedef std::vector<std::string> Seq;
extern Seq g_seq; // maximize calls and activation events, in the order they came
// The first text of the context of a child's view, "-" for none.
std::string NameOf(CWnd* pFrame);

// A class written for the first time: new-class tag, schema, name.
inline Bytes NewClass(WORD schema, const char* name)
{
    return Bytes{0xFF, 0xFF, (uint8_t)schema, (uint8_t)(schema >> 8), (uint8_t)strlen(name), 0} + Text(name);
}
// The context record of DesktopTest::Context(text1).
inline Bytes ContextBytes(const char* text1)
{
    return U32(3) + Str(text1) + Str("") + Str("") + Str("") + Bytes(7 * 4, 0);
}
class CDeskDoc : public CDocument
{
    DECLARE_DYNCREATE(CDeskDoc)
public:
    static BOOL s_bRefuseClose;
    BOOL OnOpenDocument(LPCTSTR) override { return TRUE; }
    BOOL SaveModified() override { return !s_bRefuseClose; }
};

// Shows m_ctx (taken from the context stack as it is made), stores m_strData, titles itself
// with m_ctx.m_strText2.
class CDeskView : public CView
{
    DECLARE_SERIAL(CDeskView)
public:
    CDeskView();
    void OnDraw(CDC*) override {}
    void Serialize(CArchive& ar) override { ar.IsStoring() ? ar << m_strData : ar >> m_strData; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    CViewContext m_ctx;
    CString m_strData;
};

class CDeskOtherView : public CDeskView
{
    DECLARE_SERIAL(CDeskOtherView)
};

class DesktopTest : public ::testing::Test
{
protected:
    CKwWinApp m_app{"KwDesktopTests"};
    CDeskDoc* m_pDoc = nullptr; // the shared document, kept when its windows close
    CBCGPMDIFrameWnd* m_pFrame = nullptr;

    void SetUp() override;
    void TearDown() override { DestroyFrame(), delete m_pDoc; }
    void NewFrame(BOOL bMenuBar = TRUE);
    void DestroyFrame();
    CKwMDIMonoChildWnd* OpenMono(const char* text, CRuntimeClass* pView = RUNTIME_CLASS(CDeskView),
        UINT nCmdShow = SW_SHOWNORMAL, int bReplace = FALSE)
    {
        return CKwMDIMonoChildWnd::Open(IDR_DESK_VIEW, pView, Context(text), m_pDoc, nCmdShow, bReplace);
    }
    static CViewContext Context(const char* text)
    {
        CViewContext ctx;
        ctx.m_strText1 = text;
        return ctx;
    }
    // The children, the active one first, then in Z order.
    static std::vector<CMDIChildWnd*> Children();
    static int CountChildren() { return (int)Children().size(); }
    // Every child, bottom of the Z order first (restored so, the same child ends active).
    Bytes StoreDesktop();
    // Restores records until the bytes end; the windows that came back.
    std::vector<CMDIChildWnd*> RestoreDesktop(const Bytes& bytes);
    // Restores the bytes record by record and checks each call: a record refused leaves the
    // children as they were, the active one still active; one accepted adds its window and no
    // other. Then no view context or update lock is left, and once the windows it made are closed
    // the thread has the windows and the application the documents it had before. The names of the windows that came back.
    Seq RestoreAndClose(const Bytes& bytes);
    // nInputs copies of the seeds damaged by TestMutator, the seeds in turn, each read as a
    // record: one refused leaves the windows as they were, and nBuildPercent of those accepted
    // are restored in full and closed as above. Stops at the first failure; nothing may leak.
    void ReadMutations(const std::vector<Bytes>& seeds, int nInputs, uint64_t nRandomSeed, uint32_t nBuildPercent);
};
