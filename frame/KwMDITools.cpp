// KwMDITools.cpp: the MDI child walk, views by context, closing all children, and the desktop
// records. A record is written as tag 2, its byte length and a self-contained archive of its
// body, so that a reader skips a record whose window fails and goes on with the next one. The
// body is what follows the tag in a record of tag 1, which is still read as it always was.
#include "frame/KwMDITools.h"

#include "core/CFileName.h"
#include "frame/IKwDesktopWindow.h"
#include "frame/KwMDIMonoChildWnd.h"
#include "frame/KwMultiDocTemplate.h"
#include "frame/KwPlacement.h"
#include "frame/KwWindowUpdateLock.h"

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

namespace {

const DWORD kTagPlain = 1; // the body follows in the document's archive
const DWORD kTagSized = 2; // the body's length, then the body as an archive of its own
const DWORD kTagOld = 0xFF;
const DWORD kTagOldNoFlag = 0x100;
const DWORD kKindSeparate = 0;
const DWORD kKindShared = 1;
// A sized record is read in pieces of this size, so a forged length costs no more memory than
// the bytes that actually came.
const UINT kChunk = 64 * 1024;

CMDIChildWnd* AsMDIChild(CWnd* pWnd)
{
    if (pWnd == NULL || !(pWnd->GetExStyle() & WS_EX_MDICHILD))
        return NULL;
    return DYNAMIC_DOWNCAST(CMDIChildWnd, pWnd);
}

// The handles of the children open now, to tell a window a restore made from one it found.
std::set<HWND> OpenChildren()
{
    std::set<HWND> children;
    for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p))
        children.insert(p->m_hWnd);
    return children;
}

// A window made by this restore is destroyed when its view cannot read its data; one that was
// open before stays as it is.
void ReadViewData(CFrameWnd* pFrame, CArchive& ar, const std::set<HWND>& before)
{
    try
    {
        if (CView* pView = pFrame->GetActiveView())
            pView->Serialize(ar);
    }
    catch (...)
    {
        if (before.count(pFrame->m_hWnd) == 0)
            pFrame->DestroyWindow();
        throw;
    }
}

// Objects read back from a window record are numbered as this stand-in: a window whose restore
// failed is deleted, and no later reference in the document may reach it.
class CStandIn : public CObject
{
};
CStandIn g_standIn;

// The window object of a shared record: only a class derived from CMDIChildWnd is made, and a
// reference back to an object read before is refused (a record always brings a new window).
CMDIChildWnd* ReadWindowObject(CArchive& ar)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CMDIChildWnd), &nSchema, &obTag);
    if (pClass == NULL)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    CObject* pOb = pClass->CreateObject();
    if (pOb == NULL)
        AfxThrowMemoryException();
    UINT nSchemaSave = ar.GetObjectSchema();
    try
    {
        ar.MapObject(&g_standIn);
        ar.SetObjectSchema(nSchema);
        pOb->Serialize(ar);
    }
    catch (...)
    {
        ar.SetObjectSchema(nSchemaSave);
        delete pOb;
        throw;
    }
    ar.SetObjectSchema(nSchemaSave);
    return (CMDIChildWnd*)pOb;
}

CMDIChildWnd* RestoreShared(CArchive& ar, CDocument* pDoc)
{
    CMDIChildWnd* pWnd = ReadWindowObject(ar);
    IKwDesktopWindow* pDesktopWnd = dynamic_cast<IKwDesktopWindow*>(pWnd);
    if (pDesktopWnd == NULL)
    {
        // It could not make its window: an object without one is no restored window.
        delete pWnd;
        return NULL;
    }
    // Gone on failure.
    return pDesktopWnd->IKwDesktopWindow_Restore(ar, pDoc) ? pWnd : NULL;
}

CMDIChildWnd* RestoreSeparate(CArchive& ar, CString strBasePath)
{
    DWORD bRelative;
    CString strPath;
    ar >> bRelative >> strPath;
    if (bRelative != 0 && !strPath.IsEmpty())
        strPath = CFileName::RelativeToAbsolute(strBasePath, strPath);
    // The views the document opens with find it on top of the stack.
    CViewContextPush ctx;
    ctx->Serialize(ar);
    WINDOWPLACEMENT wp;
    CKwPlacement::Read(ar, wp);
    CWinApp* pApp = AfxGetApp();
    if (strPath.IsEmpty() || pApp == NULL)
        return NULL;
    std::set<HWND> before = OpenChildren();
    CDocument* pOpened = pApp->OpenDocumentFile(strPath);
    if (pOpened == NULL)
        return NULL;
    POSITION pos = pOpened->GetFirstViewPosition();
    CView* pFirstView = pos != NULL ? pOpened->GetNextView(pos) : NULL;
    CMDIChildWnd* pFrame = pFirstView != NULL ? DYNAMIC_DOWNCAST(CMDIChildWnd, pFirstView->GetParentFrame()) : NULL;
    if (pFrame == NULL)
        return NULL;
    CKwPlacement::Repair(wp, CKwMDITools::GetMDIClientWnd());
    pFrame->SetWindowPlacement(&wp);
    ReadViewData(pFrame, ar, before);
    return pFrame;
}

// The kind, then the shared or separate body.
CMDIChildWnd* RestoreBody(CArchive& ar, CDocument* pDoc, const CString& strBasePath)
{
    DWORD nKind;
    ar >> nKind;
    return nKind != kKindSeparate ? RestoreShared(ar, pDoc) : RestoreSeparate(ar, strBasePath);
}

// A sized record: its bytes are taken whole from the document first, then read through an
// archive of their own, so the document's archive ends up after the record whatever happens.
CMDIChildWnd* RestoreSized(CArchive& ar, CDocument* pDoc, const CString& strBasePath)
{
    DWORD nLength;
    ar >> nLength;
    std::vector<BYTE> body;
    while (body.size() < nLength)
    {
        UINT nPiece = (UINT)std::min<size_t>(kChunk, nLength - body.size());
        size_t nHave = body.size();
        body.resize(nHave + nPiece);
        if (ar.Read(body.data() + nHave, nPiece) != nPiece)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
    if (body.empty())
        return NULL;
    CMemFile file(body.data(), (UINT)body.size());
    CArchive inner(&file, CArchive::load | CArchive::bNoFlushOnDelete);
    inner.m_pDocument = ar.m_pDocument;
    inner.m_strFileName = ar.m_strFileName;
    return RestoreBody(inner, pDoc, strBasePath);
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
    try
    {
        DWORD nTag;
        ar >> nTag;
        if (nTag == kTagOld || nTag == kTagOldNoFlag)
            return RestoreWindowOldFormat(ar, pDoc, strBasePath, nTag);
        if (nTag == kTagSized)
            return RestoreSized(ar, pDoc, strBasePath);
        return RestoreBody(ar, pDoc, strBasePath);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    return NULL;
}

CMDIChildWnd* CKwMDITools::RestoreWindowOldFormat(CArchive& ar, CDocument* pDoc, CString, UINT nVersion)
{
    try
    {
        DWORD bShared;
        ar >> bShared;
        if (!bShared)
        {
            // The former document path, no longer used.
            if (nVersion < kTagOldNoFlag)
            {
                DWORD nUnused;
                ar >> nUnused;
            }
            CString strUnused;
            ar >> strUnused;
        }
        CViewContext ctx;
        ctx.Serialize(ar);
        DWORD nViewID;
        ar >> nViewID;
        WINDOWPLACEMENT wp;
        CKwPlacement::Read(ar, wp);
        if (!bShared)
            return NULL;
        std::set<HWND> before = OpenChildren();
        CKwMDIMonoChildWnd* pWnd = CKwMDIMonoChildWnd::Open(
            nViewID, CKwMultiDocTemplate::FindViewClass(nViewID), ctx, pDoc, SW_SHOWMAXIMIZED, FALSE);
        if (pWnd == NULL)
            return NULL;
        if (wp.showCmd != SW_SHOWMAXIMIZED)
        {
            CKwPlacement::Repair(wp, GetMDIClientWnd());
            pWnd->SetWindowPlacement(&wp);
        }
        ReadViewData(pWnd, ar, before);
        return pWnd;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    return NULL;
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
