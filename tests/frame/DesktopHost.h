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
#include <CBCGPMenuBar.h>
#include <gtest/gtest.h>
#include <support/ArchiveBytes.h>

#include <string>
#include <vector>

typedef std::vector<std::string> Seq;
extern Seq g_seq; // maximize calls and activation events, in the order they came
// The first text of the context of a child's view, "-" for none.
std::string NameOf(CWnd* pFrame);

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
    void Serialize(CArchive& ar) override;
    CViewContext m_ctx;
    CString m_strData;

protected:
    afx_msg LRESULT OnGetContext(WPARAM, LPARAM lParam);
    afx_msg LRESULT OnCompareContext(WPARAM, LPARAM lParam);
    afx_msg LRESULT OnGetTitle(WPARAM, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CDeskOtherView : public CDeskView
{
    DECLARE_SERIAL(CDeskOtherView)
};

class CDeskFrame : public CBCGPMDIFrameWnd
{
protected:
    CBCGPMenuBar* NewMenuBar() override;
};

class DesktopTest : public ::testing::Test
{
protected:
    CKwWinApp m_app{"KwDesktopTests"};
    CDeskDoc* m_pDoc = nullptr; // the shared document, kept when its windows close
    CDeskFrame* m_pFrame = nullptr;

    void SetUp() override;
    void TearDown() override;
    // A fresh main frame, with a menu bar or without.
    void NewFrame(BOOL bMenuBar = TRUE);
    void DestroyFrame();
    CKwMDIMonoChildWnd* OpenMono(const char* text, CRuntimeClass* pView = RUNTIME_CLASS(CDeskView),
        UINT nCmdShow = SW_SHOWNORMAL, int bReplace = FALSE);
    static CViewContext Context(const char* text, long value = 0);
    static int CountChildren();
    // Every child from the bottom of the Z order up, so that restoring them in that order
    // leaves the same child active: single-view ones on the shared document, others on their own.
    Bytes StoreDesktop();
    // Restores records until the bytes end; the windows that came back.
    std::vector<CMDIChildWnd*> RestoreDesktop(const Bytes& bytes);
};
