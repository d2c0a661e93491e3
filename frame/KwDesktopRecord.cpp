// KwDesktopRecord.cpp: a record is written as tag 2, its byte length and a self-contained archive
// of its body, so that a reader skips a record whose window fails and goes on with the next one.
// The body is what follows the tag in a record of tag 1, which is still read as it always was.
// Everything up to the views' data is read before a window is made: a damaged record is refused
// with nothing made, and only a view's own data can still fail a window, which then goes.
#include "frame/KwDesktopRecord.h"

#include "core/CFileName.h"
#include "frame/IKwDesktopWindow.h"
#include "frame/KwMDIMonoChildWnd.h"
#include "frame/KwMDITools.h"
#include "frame/KwMultiDocTemplate.h"
#include "frame/KwPlacement.h"

#include <algorithm>
#include <set>

namespace {

const DWORD kTagSized = 2; // the body's length, then the body as an archive of its own
const DWORD kTagOld = 0xFF;
const DWORD kTagOldNoFlag = 0x100;
const DWORD kKindSeparate = 0;
// A sized record is read in pieces of this size, so a forged length costs no more memory than
// the bytes that actually came.
const UINT kChunk = 64 * 1024;

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

} // namespace

CKwDesktopRecord::CKwDesktopRecord() : m_kind(None), m_pWnd(NULL), m_pDesktopWnd(NULL), m_wp(), m_nViewID(0) {}

CKwDesktopRecord::~CKwDesktopRecord()
{
    delete m_pWnd;
}

void CKwDesktopRecord::Read(CArchive& ar, const CString& strBasePath)
{
    DWORD nTag;
    ar >> nTag;
    if (nTag == kTagOld || nTag == kTagOldNoFlag)
        return ReadOld(ar, nTag);
    if (nTag != kTagSized)
        return ReadBody(ar, strBasePath);
    DWORD nLength;
    ar >> nLength;
    while (m_body.size() < nLength)
    {
        UINT nPiece = (UINT)std::min<size_t>(kChunk, nLength - m_body.size());
        size_t nHave = m_body.size();
        m_body.resize(nHave + nPiece);
        if (ar.Read(m_body.data() + nHave, nPiece) != nPiece)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
    if (m_body.empty())
        return;
    m_pFile.reset(new CMemFile(m_body.data(), (UINT)m_body.size()));
    m_pBody.reset(new CArchive(m_pFile.get(), CArchive::load | CArchive::bNoFlushOnDelete));
    m_pBody->m_pDocument = ar.m_pDocument;
    m_pBody->m_strFileName = ar.m_strFileName;
    ReadBody(*m_pBody, strBasePath);
}

void CKwDesktopRecord::ReadBody(CArchive& ar, const CString& strBasePath)
{
    DWORD nKind;
    ar >> nKind;
    if (nKind != kKindSeparate)
    {
        m_pWnd = ReadWindowObject(ar);
        m_pDesktopWnd = dynamic_cast<IKwDesktopWindow*>(m_pWnd);
        // An object that cannot make its window is no window of a desktop.
        if (m_pDesktopWnd == NULL)
            AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
        m_pDesktopWnd->IKwDesktopWindow_Read(ar);
        m_kind = Shared;
        return;
    }
    DWORD bRelative;
    ar >> bRelative >> m_strPath;
    if (bRelative != 0 && !m_strPath.IsEmpty())
        m_strPath = CFileName::RelativeToAbsolute(strBasePath, m_strPath);
    m_ctx.Serialize(ar);
    CKwPlacement::Read(ar, m_wp);
    m_kind = m_strPath.IsEmpty() ? None : Separate;
}

void CKwDesktopRecord::ReadOld(CArchive& ar, UINT nVersion)
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
    m_ctx.Serialize(ar);
    DWORD nViewID;
    ar >> nViewID;
    CKwPlacement::Read(ar, m_wp);
    m_nViewID = nViewID;
    // Old records on documents of their own open nothing.
    m_kind = bShared ? Old : None;
}

CMDIChildWnd* CKwDesktopRecord::Build(CArchive& ar, CDocument* pDoc)
{
    CArchive& data = m_pBody ? *m_pBody : ar;
    try
    {
        if (m_kind == Shared)
        {
            CMDIChildWnd* pWnd = m_pWnd;
            m_pWnd = NULL; // built or gone
            m_kind = None;
            return m_pDesktopWnd->IKwDesktopWindow_Build(data, pDoc) ? pWnd : NULL;
        }
        if (m_kind == Separate)
            return BuildSeparate(data);
        if (m_kind == Old)
            return BuildOld(data, pDoc);
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

CMDIChildWnd* CKwDesktopRecord::BuildSeparate(CArchive& ar)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return NULL;
    std::set<HWND> before = OpenChildren();
    CDocument* pOpened;
    {
        // The views the document opens with find the context on top of the stack.
        CViewContextPush push(m_ctx);
        pOpened = pApp->OpenDocumentFile(m_strPath);
    }
    if (pOpened == NULL)
        return NULL;
    POSITION pos = pOpened->GetFirstViewPosition();
    CView* pFirstView = pos != NULL ? pOpened->GetNextView(pos) : NULL;
    CMDIChildWnd* pFrame = pFirstView != NULL ? DYNAMIC_DOWNCAST(CMDIChildWnd, pFirstView->GetParentFrame()) : NULL;
    if (pFrame == NULL)
        return NULL;
    WINDOWPLACEMENT wp = m_wp;
    CKwPlacement::Repair(wp, CKwMDITools::GetMDIClientWnd());
    pFrame->SetWindowPlacement(&wp);
    ReadViewData(pFrame, ar, before);
    return pFrame;
}

CMDIChildWnd* CKwDesktopRecord::BuildOld(CArchive& ar, CDocument* pDoc)
{
    std::set<HWND> before = OpenChildren();
    CKwMDIMonoChildWnd* pWnd = CKwMDIMonoChildWnd::Open(
        m_nViewID, CKwMultiDocTemplate::FindViewClass(m_nViewID), m_ctx, pDoc, SW_SHOWMAXIMIZED, FALSE);
    if (pWnd == NULL)
        return NULL;
    if (m_wp.showCmd != SW_SHOWMAXIMIZED)
    {
        WINDOWPLACEMENT wp = m_wp;
        CKwPlacement::Repair(wp, CKwMDITools::GetMDIClientWnd());
        pWnd->SetWindowPlacement(&wp);
    }
    ReadViewData(pWnd, ar, before);
    return pWnd;
}
