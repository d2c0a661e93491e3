// COleDropTarget: the window's IDropTarget, turning the system's calls into the handlers.
#include "COleDropTarget.h"
#include "COleDataObject.h"
#include "CRect.h"
#include "CWnd.h"
#include "afxstate.h"

#include <map>
#include <mutex>

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

int COleDropTarget::nScrollInset = DD_DEFSCROLLINSET;
UINT COleDropTarget::nScrollDelay = DD_DEFSCROLLDELAY;
UINT COleDropTarget::nScrollInterval = DD_DEFSCROLLINTERVAL;

namespace
{
// The registered targets by window, for the framework to revoke as a window goes.
std::mutex s_registeredMutex;
std::map<HWND, COleDropTarget*> s_registered;

// No scroll direction (neither bar code).
const UINT kNoScroll = MAKEWORD(0xFF, 0xFF);

// The effect a handler chose, kept to what the source allows: a copy may become a move and a
// move a copy; a link is never substituted. The scroll flag is kept.
DROPEFFECT FilterDropEffect(DROPEFFECT dropEffect, DROPEFFECT dwAllowed)
{
    DROPEFFECT dwScroll = dropEffect & DROPEFFECT_SCROLL;
    DROPEFFECT dwEffect = dropEffect & ~DROPEFFECT_SCROLL;
    if (dwEffect == DROPEFFECT_NONE || (dwEffect & dwAllowed) == dwEffect)
        return dropEffect;
    if (dwEffect == DROPEFFECT_COPY && (dwAllowed & DROPEFFECT_MOVE))
        return DROPEFFECT_MOVE | dwScroll;
    if (dwEffect == DROPEFFECT_MOVE && (dwAllowed & DROPEFFECT_COPY))
        return DROPEFFECT_COPY | dwScroll;
    return DROPEFFECT_NONE;
}
} // namespace

// The IDropTarget the system calls; the drop target lives as long as its registration, so
// references are counted only for the interface's sake.
class COleDropTarget::XDropTarget final : public IDropTarget
{
public:
    explicit XDropTarget(COleDropTarget* pOwner) : m_pOwner(pOwner), m_nRef(1) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid != IID_IUnknown && riid != IID_IDropTarget) {
            *ppv = NULL;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)::InterlockedIncrement(&m_nRef); }
    STDMETHODIMP_(ULONG) Release() override { return (ULONG)::InterlockedDecrement(&m_nRef); }
    STDMETHODIMP DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        return m_pOwner->DragEnter(pDataObj, grfKeyState, pt, pdwEffect);
    }
    STDMETHODIMP DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        return m_pOwner->DragOver(grfKeyState, pt, pdwEffect);
    }
    STDMETHODIMP DragLeave() override { return m_pOwner->DragLeave(); }
    STDMETHODIMP Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        return m_pOwner->Drop(pDataObj, grfKeyState, pt, pdwEffect);
    }

private:
    COleDropTarget* m_pOwner;
    LONG m_nRef;
};

COleDropTarget::COleDropTarget()
    : m_hWnd(NULL), m_pDropTarget(new XDropTarget(this)), m_lpDataObject(NULL), m_nScrollCode(kNoScroll),
      m_dwLastTick(0), m_nScrollWait(0)
{
}

COleDropTarget::~COleDropTarget()
{
    Revoke();
    ReleaseDataObject();
    delete m_pDropTarget;
}

LPDROPTARGET COleDropTarget::GetDropTarget()
{
    return m_pDropTarget;
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL || m_hWnd != NULL)
        return FALSE;
    if (FAILED(::RegisterDragDrop(hWnd, m_pDropTarget)))
        return FALSE;
    m_hWnd = hWnd;
    std::lock_guard<std::mutex> lock(s_registeredMutex);
    s_registered[hWnd] = this;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == NULL)
        return;
    // The framework revokes as the window goes (AfxRevokeDropTarget); a window that went without
    // it took nothing along.
    if (::IsWindow(m_hWnd))
        ::RevokeDragDrop(m_hWnd);
    {
        std::lock_guard<std::mutex> lock(s_registeredMutex);
        s_registered.erase(m_hWnd);
    }
    m_hWnd = NULL;
}

void AFXAPI AfxRevokeDropTarget(HWND hWnd)
{
    COleDropTarget* pTarget = NULL;
    {
        std::lock_guard<std::mutex> lock(s_registeredMutex);
        std::map<HWND, COleDropTarget*>::const_iterator found = s_registered.find(hWnd);
        if (found != s_registered.end())
            pTarget = found->second;
    }
    if (pTarget != NULL)
        pTarget->Revoke();
}

void COleDropTarget::ReleaseDataObject()
{
    if (m_lpDataObject != NULL) {
        m_lpDataObject->Release();
        m_lpDataObject = NULL;
    }
}

CPoint COleDropTarget::ClientPoint(POINTL pt) const
{
    CPoint point(pt.x, pt.y);
    ::ScreenToClient(m_hWnd, &point);
    return point;
}

DROPEFFECT COleDropTarget::AskEffect(BOOL bEnter, DWORD dwKeyState, POINTL pt, DWORD dwAllowed)
{
    CWnd* pWnd = CWnd::FromHandle(m_hWnd);
    CPoint point = ClientPoint(pt);
    DROPEFFECT dropEffect = OnDragScroll(pWnd, dwKeyState, point);
    if ((dropEffect & DROPEFFECT_SCROLL) == 0) {
        COleDataObject dataObject;
        dataObject.Attach(m_lpDataObject, FALSE);
        dropEffect = bEnter ? OnDragEnter(pWnd, &dataObject, dwKeyState, point)
                            : OnDragOver(pWnd, &dataObject, dwKeyState, point);
    }
    return FilterDropEffect(dropEffect, dwAllowed);
}

HRESULT COleDropTarget::DragEnter(LPDATAOBJECT lpDataObject, DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect)
{
    if (pdwEffect == NULL || lpDataObject == NULL)
        return E_INVALIDARG;
    if (m_hWnd == NULL) {
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    ReleaseDataObject();
    m_lpDataObject = lpDataObject;
    m_lpDataObject->AddRef();
    m_nScrollCode = kNoScroll;
    *pdwEffect = AskEffect(TRUE, dwKeyState, pt, *pdwEffect);
    return S_OK;
}

HRESULT COleDropTarget::DragOver(DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect)
{
    if (pdwEffect == NULL)
        return E_INVALIDARG;
    if (m_hWnd == NULL || m_lpDataObject == NULL) {
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    *pdwEffect = AskEffect(FALSE, dwKeyState, pt, *pdwEffect);
    return S_OK;
}

HRESULT COleDropTarget::DragLeave()
{
    if (m_hWnd != NULL && m_lpDataObject != NULL)
        OnDragLeave(CWnd::FromHandle(m_hWnd));
    m_nScrollCode = kNoScroll;
    ReleaseDataObject();
    return S_OK;
}

HRESULT COleDropTarget::Drop(LPDATAOBJECT lpDataObject, DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect)
{
    if (pdwEffect == NULL || lpDataObject == NULL)
        return E_INVALIDARG;
    if (m_hWnd == NULL) {
        *pdwEffect = DROPEFFECT_NONE;
        ReleaseDataObject();
        return S_OK;
    }
    m_nScrollCode = kNoScroll;
    CWnd* pWnd = CWnd::FromHandle(m_hWnd);
    CPoint point = ClientPoint(pt);
    COleDataObject dataObject;
    dataObject.Attach(lpDataObject, FALSE);

    // The drop must still be acceptable where it happens.
    DROPEFFECT dwAllowed = *pdwEffect;
    DROPEFFECT dropEffect = FilterDropEffect(OnDragOver(pWnd, &dataObject, dwKeyState, point), dwAllowed);
    DROPEFFECT dropEx = OnDropEx(pWnd, &dataObject, dropEffect, dwAllowed, point);
    if (dropEx != (DROPEFFECT)-1) {
        dropEffect = dropEx;
    } else if (dropEffect != DROPEFFECT_NONE) {
        if (!OnDrop(pWnd, &dataObject, dropEffect, point))
            dropEffect = DROPEFFECT_NONE;
    } else {
        // Refused: the window cleans up as if the drag had left.
        OnDragLeave(pWnd);
    }
    *pdwEffect = dropEffect & ~DROPEFFECT_SCROLL;
    ReleaseDataObject();
    return S_OK;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd*)
{
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return (DROPEFFECT)-1;
}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point)
{
    DWORD dwStyle = pWnd->GetStyle();
    if ((dwStyle & (WS_HSCROLL | WS_VSCROLL)) == 0)
        return DROPEFFECT_NONE;

    CRect rectClient;
    pWnd->GetClientRect(&rectClient);
    CRect rectInner = rectClient;
    rectInner.InflateRect(-nScrollInset, -nScrollInset);
    UINT nHCode = 0xFF, nVCode = 0xFF;
    if (rectClient.PtInRect(point) && !rectInner.PtInRect(point)) {
        if ((dwStyle & WS_HSCROLL) && point.x < rectInner.left)
            nHCode = SB_LINEUP;
        else if ((dwStyle & WS_HSCROLL) && point.x >= rectInner.right)
            nHCode = SB_LINEDOWN;
        if ((dwStyle & WS_VSCROLL) && point.y < rectInner.top)
            nVCode = SB_LINEUP;
        else if ((dwStyle & WS_VSCROLL) && point.y >= rectInner.bottom)
            nVCode = SB_LINEDOWN;
    }
    UINT nScrollCode = MAKEWORD(nHCode, nVCode);
    if (nScrollCode == kNoScroll) {
        m_nScrollCode = kNoScroll;
        return DROPEFFECT_NONE;
    }

    // Scrolling begins after a delay in the same edge, then repeats at the interval.
    DWORD dwTick = ::GetTickCount();
    if (nScrollCode != m_nScrollCode) {
        m_nScrollCode = nScrollCode;
        m_dwLastTick = dwTick;
        m_nScrollWait = nScrollDelay;
    }
    if (dwTick - m_dwLastTick >= m_nScrollWait) {
        if (nHCode != 0xFF)
            pWnd->SendMessage(WM_HSCROLL, MAKEWPARAM(nHCode, 0), 0);
        if (nVCode != 0xFF)
            pWnd->SendMessage(WM_VSCROLL, MAKEWPARAM(nVCode, 0), 0);
        m_dwLastTick = dwTick;
        m_nScrollWait = nScrollInterval;
    }
    return DROPEFFECT_SCROLL | ((dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE);
}
