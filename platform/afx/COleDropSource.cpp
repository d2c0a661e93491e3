// COleDropSource: the start-of-drag wait and the system drag loop's questions.
#include "COleDropSource.h"
#include "CWnd.h"

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

int COleDropSource::nDragMinDist = ::GetSystemMetrics(SM_CXDRAG);
int COleDropSource::nDragDelay = DD_DEFDRAGDELAY;

// The IDropSource of the system's drag loop. The drop source lives as long as the drag, so
// references are counted only for the interface's sake.
class COleDropSource::XDropSource final : public IDropSource
{
public:
    explicit XDropSource(COleDropSource* pOwner) : m_pOwner(pOwner), m_nRef(1) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid != IID_IUnknown && riid != IID_IDropSource) {
            *ppv = NULL;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)::InterlockedIncrement(&m_nRef); }
    STDMETHODIMP_(ULONG) Release() override { return (ULONG)::InterlockedDecrement(&m_nRef); }
    STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override
    {
        return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState);
    }
    STDMETHODIMP GiveFeedback(DWORD dwEffect) override { return m_pOwner->GiveFeedback(dwEffect); }

private:
    COleDropSource* m_pOwner;
    LONG m_nRef;
};

COleDropSource::COleDropSource()
    : m_bDragStarted(FALSE), m_dwButtonCancel(0), m_dwButtonDrop(0), m_rectStartDrag(0, 0, 0, 0),
      m_pDropSource(new XDropSource(this))
{
}

COleDropSource::~COleDropSource()
{
    delete m_pDropSource;
}

LPDROPSOURCE COleDropSource::GetDropSource()
{
    return m_pDropSource;
}

BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    // The button held now drops; the other one cancels.
    if (::GetKeyState(VK_RBUTTON) < 0 && ::GetKeyState(VK_LBUTTON) >= 0) {
        m_dwButtonDrop = MK_RBUTTON;
        m_dwButtonCancel = MK_LBUTTON;
    } else {
        m_dwButtonDrop = MK_LBUTTON;
        m_dwButtonCancel = MK_RBUTTON;
    }
    if (m_bDragStarted)
        return TRUE;

    HWND hWndCapture = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWndCapture != NULL)
        ::SetCapture(hWndCapture);
    int nDropButton = m_dwButtonDrop == MK_LBUTTON ? VK_LBUTTON : VK_RBUTTON;
    DWORD dwStart = ::GetTickCount();
    while (!m_bDragStarted) {
        if (::GetAsyncKeyState(nDropButton) >= 0 || ::GetAsyncKeyState(VK_ESCAPE) < 0)
            break;
        CPoint pt;
        ::GetCursorPos(&pt);
        if (!m_rectStartDrag.PtInRect(pt) || ::GetTickCount() - dwStart >= (DWORD)nDragDelay) {
            m_bDragStarted = TRUE;
            break;
        }
        // Let the wait sleep until something happens or a little time has passed.
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_INPUT);
        MSG msg;
        while (::PeekMessage(&msg, NULL, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE) ||
               ::PeekMessage(&msg, NULL, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
        }
    }
    if (hWndCapture != NULL && ::GetCapture() == hWndCapture)
        ::ReleaseCapture();
    return m_bDragStarted;
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel) != 0)
        return DRAGDROP_S_CANCEL;
    if ((dwKeyState & m_dwButtonDrop) == 0)
        return m_bDragStarted ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}
