// COleDataSource: the cache of offered formats and its IDataObject, the clipboard and the drag.
#include "COleDataSource.h"
#include "COleDropSource.h"
#include "CSharedFile.h"
#include "CException.h"
#include "CWnd.h"

#include <shlobj.h>
#include <climits>

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

namespace
{
// The source this process last put on the clipboard (checked against the clipboard on use).
COleDataSource* g_pClipboardSource = NULL;

// A copy of a cached medium that the receiver owns and releases on its own.
BOOL CopyStgMedium(CLIPFORMAT cfFormat, const STGMEDIUM& src, LPSTGMEDIUM lpDest)
{
    lpDest->tymed = src.tymed;
    lpDest->pUnkForRelease = NULL;
    switch (src.tymed) {
    case TYMED_HGLOBAL:
        lpDest->hGlobal = AfxCopyGlobal(src.hGlobal);
        return lpDest->hGlobal != NULL;
    case TYMED_ISTREAM:
    case TYMED_ISTORAGE:
        // Interfaces are shared: the receiver's release drops the reference added here.
        lpDest->pstm = src.pstm;
        lpDest->pstm->AddRef();
        return TRUE;
    case TYMED_FILE: {
        int nLen = ::lstrlenW(src.lpszFileName) + 1;
        lpDest->lpszFileName = (LPOLESTR)::CoTaskMemAlloc(nLen * sizeof(WCHAR));
        if (lpDest->lpszFileName == NULL)
            return FALSE;
        memcpy(lpDest->lpszFileName, src.lpszFileName, nLen * sizeof(WCHAR));
        return TRUE;
    }
    case TYMED_GDI:
    case TYMED_MFPICT:
    case TYMED_ENHMF:
        lpDest->hGlobal = (HGLOBAL)::OleDuplicateData(src.hGlobal, cfFormat, 0);
        return lpDest->hGlobal != NULL;
    default:
        return FALSE;
    }
}
} // namespace

// The IDataObject every receiver talks to: each call goes to the source that owns it.
class COleDataSource::XDataObject final : public IDataObject
{
public:
    explicit XDataObject(COleDataSource* pOwner) : m_pOwner(pOwner) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = m_pOwner->GetInterface(&riid);
        if (*ppv == NULL)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return m_pOwner->InternalAddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_pOwner->InternalRelease(); }

    STDMETHODIMP GetData(FORMATETC* pformatetc, STGMEDIUM* pmedium) override
    {
        return m_pOwner->GetData(pformatetc, pmedium);
    }
    STDMETHODIMP GetDataHere(FORMATETC* pformatetc, STGMEDIUM* pmedium) override
    {
        return m_pOwner->GetDataHere(pformatetc, pmedium);
    }
    STDMETHODIMP QueryGetData(FORMATETC* pformatetc) override
    {
        return m_pOwner->Lookup(pformatetc) != NULL ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* pformatectIn, FORMATETC* pformatetcOut) override
    {
        *pformatetcOut = *pformatectIn;
        pformatetcOut->ptd = NULL;
        return DATA_S_SAMEFORMATETC;
    }
    STDMETHODIMP SetData(FORMATETC* pformatetc, STGMEDIUM* pmedium, BOOL fRelease) override
    {
        if (pformatetc == NULL || pmedium == NULL)
            return E_INVALIDARG;
        return m_pOwner->OnSetData(pformatetc, pmedium, fRelease) ? S_OK : DATA_E_FORMATETC;
    }
    STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppenumFormatEtc) override
    {
        return m_pOwner->EnumFormatEtc(dwDirection, ppenumFormatEtc);
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    COleDataSource* m_pOwner;
};

COleDataSource::COleDataSource() : m_pDataObject(new XDataObject(this)), m_dwRef(1)
{
}

COleDataSource::~COleDataSource()
{
    // A source deleted while the clipboard still holds a reference takes itself off first; the
    // release that follows must not delete it again. (After its last release the clipboard
    // is letting it go already, perhaps from inside the next OleSetClipboard.)
    if (g_pClipboardSource == this) {
        if (m_dwRef > 0 && ::OleIsCurrentClipboard(m_pDataObject) == S_OK) {
            m_dwRef = LONG_MAX / 2;
            ::OleSetClipboard(NULL);
        }
        g_pClipboardSource = NULL;
    }
    Empty();
    delete m_pDataObject;
}

LPUNKNOWN COleDataSource::GetInterface(const void* piid)
{
    const IID& iid = *static_cast<const IID*>(piid);
    if (iid == IID_IUnknown || iid == IID_IDataObject)
        return m_pDataObject;
    return NULL;
}

DWORD COleDataSource::InternalAddRef()
{
    return (DWORD)::InterlockedIncrement(&m_dwRef);
}

DWORD COleDataSource::InternalRelease()
{
    LONG nRef = ::InterlockedDecrement(&m_dwRef);
    if (nRef == 0)
        OnFinalRelease();
    return (DWORD)nRef;
}

void COleDataSource::OnFinalRelease()
{
    delete this;
}

COleDataSource::CacheEntry* COleDataSource::Lookup(const FORMATETC* lpFormatEtc)
{
    if (lpFormatEtc == NULL)
        return NULL;
    for (CacheEntry& entry : m_cache) {
        const FORMATETC& f = entry.formatEtc;
        if (f.cfFormat == lpFormatEtc->cfFormat && (f.tymed & lpFormatEtc->tymed) != 0 &&
            f.dwAspect == lpFormatEtc->dwAspect && (f.lindex == lpFormatEtc->lindex || lpFormatEtc->lindex == -1))
            return &entry;
    }
    return NULL;
}

COleDataSource::CacheEntry& COleDataSource::NewEntry(const FORMATETC& formatEtc)
{
    // One entry per format and aspect: a new offer replaces the old one and its data.
    for (CacheEntry& entry : m_cache) {
        if (entry.formatEtc.cfFormat == formatEtc.cfFormat && entry.formatEtc.dwAspect == formatEtc.dwAspect &&
            entry.formatEtc.lindex == formatEtc.lindex) {
            if (entry.stgMedium.tymed != TYMED_NULL)
                ::ReleaseStgMedium(&entry.stgMedium);
            entry.formatEtc = formatEtc;
            entry.stgMedium.tymed = TYMED_NULL;
            return entry;
        }
    }
    CacheEntry entry = {};
    entry.formatEtc = formatEtc;
    entry.formatEtc.ptd = NULL; // target devices are not kept
    entry.stgMedium.tymed = TYMED_NULL;
    m_cache.push_back(entry);
    return m_cache.back();
}

void COleDataSource::CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc, lpStgMedium->tymed);
    CacheEntry& entry = NewEntry(formatEtc);
    entry.formatEtc.ptd = NULL;
    entry.formatEtc.tymed = lpStgMedium->tymed;
    entry.stgMedium = *lpStgMedium;
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    STGMEDIUM stgMedium = {};
    stgMedium.tymed = TYMED_HGLOBAL;
    stgMedium.hGlobal = hGlobal;
    CacheData(cfFormat, &stgMedium, lpFormatEtc);
}

void COleDataSource::DelayRenderData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc, TYMED_HGLOBAL);
    NewEntry(formatEtc).formatEtc.ptd = NULL;
}

void COleDataSource::DelayRenderFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc, TYMED_ISTREAM | TYMED_HGLOBAL);
    NewEntry(formatEtc).formatEtc.ptd = NULL;
}

void COleDataSource::Empty()
{
    for (CacheEntry& entry : m_cache) {
        if (entry.stgMedium.tymed != TYMED_NULL)
            ::ReleaseStgMedium(&entry.stgMedium);
    }
    m_cache.clear();
}

HRESULT COleDataSource::GetData(const FORMATETC* lpFormatEtc, LPSTGMEDIUM lpStgMedium)
{
    if (lpStgMedium == NULL)
        return E_INVALIDARG;
    CacheEntry* pEntry = Lookup(lpFormatEtc);
    if (pEntry == NULL)
        return DV_E_FORMATETC;
    memset(lpStgMedium, 0, sizeof(STGMEDIUM));
    if (pEntry->stgMedium.tymed != TYMED_NULL)
        return CopyStgMedium(lpFormatEtc->cfFormat, pEntry->stgMedium, lpStgMedium) ? S_OK : E_OUTOFMEMORY;

    // Delayed: render in a medium both sides accept.
    FORMATETC formatEtc = *lpFormatEtc;
    formatEtc.tymed &= pEntry->formatEtc.tymed;
    BOOL bRendered = FALSE;
    try {
        bRendered = OnRenderData(&formatEtc, lpStgMedium);
    } catch (CException* e) {
        // Exceptions must not cross into OLE.
        e->Delete();
    }
    if (!bRendered) {
        memset(lpStgMedium, 0, sizeof(STGMEDIUM));
        return DV_E_FORMATETC;
    }
    return S_OK;
}

HRESULT COleDataSource::GetDataHere(const FORMATETC* lpFormatEtc, LPSTGMEDIUM lpStgMedium)
{
    // The caller's medium is filled from a rendered copy: a block that is large enough, or a stream.
    if (lpStgMedium == NULL || lpFormatEtc == NULL)
        return E_INVALIDARG;
    if (lpStgMedium->tymed != TYMED_HGLOBAL && lpStgMedium->tymed != TYMED_ISTREAM)
        return DV_E_TYMED;
    FORMATETC formatEtc = *lpFormatEtc;
    formatEtc.tymed = TYMED_HGLOBAL;
    STGMEDIUM copy;
    HRESULT hr = GetData(&formatEtc, &copy);
    if (FAILED(hr))
        return hr;
    SIZE_T nSize = ::GlobalSize(copy.hGlobal);
    const void* pSrc = ::GlobalLock(copy.hGlobal);
    hr = pSrc != NULL ? S_OK : E_OUTOFMEMORY;
    if (SUCCEEDED(hr) && lpStgMedium->tymed == TYMED_ISTREAM) {
        hr = lpStgMedium->pstm->Write(pSrc, (ULONG)nSize, NULL);
    } else if (SUCCEEDED(hr)) {
        void* pDest = ::GlobalSize(lpStgMedium->hGlobal) >= nSize ? ::GlobalLock(lpStgMedium->hGlobal) : NULL;
        hr = pDest != NULL ? S_OK : STG_E_MEDIUMFULL;
        if (pDest != NULL) {
            memcpy(pDest, pSrc, nSize);
            ::GlobalUnlock(lpStgMedium->hGlobal);
        }
    }
    if (pSrc != NULL)
        ::GlobalUnlock(copy.hGlobal);
    ::ReleaseStgMedium(&copy);
    return hr;
}

HRESULT COleDataSource::EnumFormatEtc(DWORD dwDirection, LPENUMFORMATETC* ppEnum)
{
    if (ppEnum == NULL)
        return E_INVALIDARG;
    *ppEnum = NULL;
    if (dwDirection != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (const CacheEntry& entry : m_cache)
        formats.push_back(entry.formatEtc);
    return ::SHCreateStdEnumFmtEtc((UINT)formats.size(), formats.empty() ? NULL : formats.data(), ppEnum);
}

BOOL COleDataSource::OnRenderData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium)
{
    if ((lpFormatEtc->tymed & (TYMED_HGLOBAL | TYMED_ISTREAM)) == 0)
        return FALSE;
    HGLOBAL hGlobal = NULL;
    if (!OnRenderGlobalData(lpFormatEtc, &hGlobal) || hGlobal == NULL) {
        hGlobal = NULL;
        CSharedFile file(GMEM_MOVEABLE | GMEM_SHARE);
        if (!OnRenderFileData(lpFormatEtc, &file))
            return FALSE;
        hGlobal = file.Detach();
        if (hGlobal == NULL)
            return FALSE;
    }
    if (lpFormatEtc->tymed & TYMED_HGLOBAL) {
        lpStgMedium->tymed = TYMED_HGLOBAL;
        lpStgMedium->hGlobal = hGlobal;
        lpStgMedium->pUnkForRelease = NULL;
        return TRUE;
    }
    // A stream over the rendered block; it frees the block when released.
    IStream* pStream = NULL;
    if (FAILED(::CreateStreamOnHGlobal(hGlobal, TRUE, &pStream))) {
        ::GlobalFree(hGlobal);
        return FALSE;
    }
    lpStgMedium->tymed = TYMED_ISTREAM;
    lpStgMedium->pstm = pStream;
    lpStgMedium->pUnkForRelease = NULL;
    return TRUE;
}

BOOL COleDataSource::OnRenderGlobalData(LPFORMATETC, HGLOBAL*)
{
    return FALSE;
}

BOOL COleDataSource::OnRenderFileData(LPFORMATETC, CFile*)
{
    return FALSE;
}

BOOL COleDataSource::OnSetData(LPFORMATETC, LPSTGMEDIUM, BOOL)
{
    return FALSE;
}

void COleDataSource::SetClipboard()
{
    if (SUCCEEDED(::OleSetClipboard(m_pDataObject)))
        g_pClipboardSource = this;
    // The clipboard holds its own reference now; the creator's goes.
    InternalRelease();
}

COleDataSource* PASCAL COleDataSource::GetClipboardOwner()
{
    if (g_pClipboardSource != NULL && ::OleIsCurrentClipboard(g_pClipboardSource->m_pDataObject) != S_OK)
        g_pClipboardSource = NULL;
    return g_pClipboardSource;
}

void PASCAL COleDataSource::FlushClipboard()
{
    if (GetClipboardOwner() != NULL)
        ::OleFlushClipboard();
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource* pDropSource)
{
    COleDropSource dropSourceDefault;
    if (pDropSource == NULL)
        pDropSource = &dropSourceDefault;

    pDropSource->m_bDragStarted = FALSE;
    if (lpRectStartDrag != NULL) {
        pDropSource->m_rectStartDrag = *lpRectStartDrag;
    } else {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        pDropSource->m_rectStartDrag.SetRect(ptCursor.x, ptCursor.y, ptCursor.x, ptCursor.y);
    }
    if (pDropSource->m_rectStartDrag.IsRectNull())
        pDropSource->m_bDragStarted = TRUE;
    else if (pDropSource->m_rectStartDrag.IsRectEmpty())
        pDropSource->m_rectStartDrag.InflateRect(COleDropSource::nDragMinDist, COleDropSource::nDragMinDist);

    if (!pDropSource->OnBeginDrag(CWnd::GetFocus()))
        return DROPEFFECT_NONE;

    // The source lives through the drag even if a handler releases the creator's reference.
    InternalAddRef();
    DWORD dwResult = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(m_pDataObject, pDropSource->GetDropSource(), dwEffects, &dwResult);
    if (hr != DRAGDROP_S_DROP)
        dwResult = DROPEFFECT_NONE;
    InternalRelease();
    return dwResult;
}
