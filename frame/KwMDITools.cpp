// KwMDITools.cpp: the MDI child walk, views by context, closing all children, and the desktop
// records: written here as tag 2, the body's byte length and the body as an archive of its own,
// read through CKwDesktopRecord.
#include "frame/KwMDITools.h"

#include "core/CFileName.h"
#include "frame/IKwDesktopWindow.h"
#include "frame/KwDesktopRecord.h"
#include "frame/KwPlacement.h"
#include "frame/KwWindowUpdateLock.h"

#include <functional>
#include <vector>

namespace {

const DWORD kTagSized = 2; // the body's length, then the body as an archive of its own
const DWORD kKindSeparate = 0;
const DWORD kKindShared = 1;

CMDIChildWnd* AsMDIChild(CWnd* pWnd)
{
    if (pWnd == NULL || !(pWnd->GetExStyle() & WS_EX_MDICHILD))
        return NULL;
    return DYNAMIC_DOWNCAST(CMDIChildWnd, pWnd);
}

// Writes a sized record whose body `write` puts into an archive of its own; nothing when it
// declines (returns false).
void StoreSized(CArchive& ar, const std::function<bool(CArchive&, CMemFile&)>& write)
{
    CMemFile file;
    {
        CArchive inner(&file, CArchive::store);
        inner.m_pDocument = ar.m_pDocument;
        inner.m_strFileName = ar.m_strFileName;
        if (!write(inner, file))
        {
            inner.Abort();
            return;
        }
        inner.Close();
    }
    DWORD nLength = file.GetLength();
    std::vector<BYTE> body(nLength);
    file.SeekToBegin();
    if (nLength != 0)
        file.Read(body.data(), nLength);
    ar << kTagSized << nLength;
    ar.Write(body.data(), nLength);
}

// A record read by `read`, then its window made; NULL when the record is refused.
CMDIChildWnd* ReadAndBuild(CArchive& ar, CDocument* pDoc, const std::function<void(CKwDesktopRecord&)>& read)
{
    CKwDesktopRecord record;
    try
    {
        read(record);
    }
    catch (CException* e)
    {
        e->Delete();
        return NULL;
    }
    catch (...)
    {
        return NULL;
    }
    return record.Build(ar, pDoc);
}

CView* GetPaneView(CWnd* pWnd)
{
    return DYNAMIC_DOWNCAST(CView, pWnd->GetDlgItem(AFX_IDW_PANE_FIRST));
}

} // namespace

CMDIChildWnd* CKwMDITools::GetFirstMDIChildWnd()
{
    try
    {
        CMDIFrameWnd* pFrame = GetMDIFrameWnd();
        return pFrame != NULL ? pFrame->MDIGetActive() : NULL;
    }
    catch (CException* e)
    {
        e->Delete();
        return NULL;
    }
}

CMDIChildWnd* CKwMDITools::GetLastMDIChildWnd()
{
    CMDIChildWnd* pFirst = GetFirstMDIChildWnd();
    return pFirst != NULL ? AsMDIChild(pFirst->GetWindow(GW_HWNDLAST)) : NULL;
}

CMDIChildWnd* CKwMDITools::GetNextMDIChildWnd(CMDIChildWnd* p)
{
    return p != NULL ? AsMDIChild(p->GetWindow(GW_HWNDNEXT)) : NULL;
}

CMDIFrameWnd* CKwMDITools::GetMDIFrameWnd()
{
    CWinThread* pThread = AfxGetThread();
    return DYNAMIC_DOWNCAST(CMDIFrameWnd, pThread != NULL ? pThread->GetMainWnd() : NULL);
}

CWnd* CKwMDITools::GetMDIClientWnd()
{
    CMDIFrameWnd* pFrame = GetMDIFrameWnd();
    return pFrame != NULL ? CWnd::FromHandle(pFrame->m_hWndMDIClient) : NULL;
}

CView* CKwMDITools::CreateView(CString, CRuntimeClass* pViewClass, const CViewContext& ctx, CDocument* pDoc,
    CWnd* pParent, int bVisible, int bInitialUpdate, UINT nID)
{
    CViewContextPush push(ctx);
    // Nothing but a view is made.
    if (pViewClass == NULL || !pViewClass->IsDerivedFrom(RUNTIME_CLASS(CView)))
        return NULL;
    CView* pView = (CView*)pViewClass->CreateObject();
    if (pView == NULL)
        return NULL;
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    DWORD dwStyle = WS_CHILD | WS_BORDER | (bVisible ? WS_VISIBLE : 0);
    // A view whose window fails has deleted itself.
    if (!pView->Create(NULL, NULL, dwStyle, CRect(-1000, -1000, -1000, -1000), pParent, nID,
            pDoc != NULL ? &context : NULL))
        return NULL;
    pView->ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
    if (bInitialUpdate)
        pView->OnInitialUpdate();
    return pView;
}

CView* CKwMDITools::FindView(const CRuntimeClass* pViewClass, const CViewContext& ctx, CDocument* pDoc)
{
    if (pDoc == NULL || pViewClass == NULL)
        return NULL;
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != NULL;)
    {
        CView* pView = pDoc->GetNextView(pos);
        if (pView->IsKindOf(pViewClass) && pView->SendMessage(WM_KW_COMPAREVIEWCONTEXT, 0, (LPARAM)&ctx) != 0)
            return pView;
    }
    return NULL;
}

void CKwMDITools::GetDesktopPlacement(CMDIChildWnd* pWnd, WINDOWPLACEMENT& wp)
{
    wp.length = sizeof(WINDOWPLACEMENT);
    pWnd->GetWindowPlacement(&wp);
    CMDIChildWnd* pActive = GetFirstMDIChildWnd();
    if (pActive != NULL && pActive != pWnd)
    {
        WINDOWPLACEMENT wpActive = {};
        wpActive.length = sizeof(WINDOWPLACEMENT);
        pActive->GetWindowPlacement(&wpActive);
        if (wpActive.showCmd == SW_SHOWMAXIMIZED)
            wp.showCmd = SW_SHOWMAXIMIZED;
    }
}

void CKwMDITools::StoreWindowForSharedDoc(CMDIChildWnd* pWnd, CArchive& ar)
{
    IKwDesktopWindow* pDesktopWnd = dynamic_cast<IKwDesktopWindow*>(pWnd);
    if (pDesktopWnd == NULL)
        return;
    StoreSized(ar, [&](CArchive& inner, CMemFile& file) {
        inner << kKindShared;
        inner.WriteObject(pWnd);
        inner.Flush();
        DWORD nBefore = file.GetLength();
        pDesktopWnd->IKwDesktopWindow_Store(inner);
        inner.Flush();
        // A window without a payload could not be read back.
        return file.GetLength() != nBefore;
    });
}

void CKwMDITools::StoreWindowForSeparateDoc(CMDIChildWnd* pWnd, CArchive& ar, CString strBasePath)
{
    CView* pView = pWnd != NULL ? GetPaneView(pWnd) : NULL;
    CDocument* pDoc = pView != NULL ? pView->GetDocument() : NULL;
    if (pDoc == NULL)
        return;
    StoreSized(ar, [&](CArchive& inner, CMemFile&) {
        DWORD bRelative = strBasePath.IsEmpty() ? 0 : 1;
        CString strPath = pDoc->GetPathName();
        if (bRelative && !strPath.IsEmpty())
            strPath = CFileName::AbsoluteToRelative(strBasePath, strPath);
        inner << kKindSeparate << bRelative << strPath;
        CViewContext ctx;
        pView->SendMessage(WM_KW_GETVIEWCONTEXT, 0, (LPARAM)&ctx);
        ctx.Serialize(inner);
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof(WINDOWPLACEMENT);
        pWnd->GetWindowPlacement(&wp);
        CKwPlacement::Write(inner, wp);
        pView->Serialize(inner);
        return true;
    });
}

CMDIChildWnd* CKwMDITools::RestoreWindow(CArchive& ar, CDocument* pDoc, CString strBasePath)
{
    CKwWindowUpdateLock lock;
    return ReadAndBuild(ar, pDoc, [&](CKwDesktopRecord& record) { record.Read(ar, strBasePath); });
}

CMDIChildWnd* CKwMDITools::RestoreWindowOldFormat(CArchive& ar, CDocument* pDoc, CString, UINT nVersion)
{
    return ReadAndBuild(ar, pDoc, [&](CKwDesktopRecord& record) { record.ReadOld(ar, nVersion); });
}

void CKwMDITools::CloseAllMDIChildWindows()
{
    CKwWindowUpdateLock lock;
    while (CMDIChildWnd* pWnd = GetLastMDIChildWnd())
    {
        HWND hWnd = pWnd->m_hWnd;
        pWnd->SendMessage(WM_CLOSE);
        // It refused (its document's save was cancelled): asking again would never end.
        if (::IsWindow(hWnd))
            break;
    }
}
