// COleDropTarget.h: COleDropTarget, a window's part in OLE drag and drop: registered for the
// window, it is told when a drag enters, moves over, leaves or drops on it (Windows only).
#pragma once

#include "CCmdTarget.h"
#include "CPoint.h"

#include "afxoleglobals.h"

class CWnd;
class COleDataObject;

class KWAFX_API COleDropTarget : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropTarget)
public:
    COleDropTarget();
    ~COleDropTarget() override; // revokes a registration still in place

    // Makes pWnd a drop target served by this object; FALSE when it cannot be registered
    // (OLE not initialised, the window already registered elsewhere, or this object in use).
    BOOL Register(CWnd* pWnd);
    void Revoke();
    // The IDropTarget registered for the window.
    LPDROPTARGET GetDropTarget();

    // The drag's questions. Points are in the window's client coordinates; the results are
    // DROPEFFECT_ values the source allows (others are mapped or refused). The defaults accept
    // nothing.
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // Called only when the drop was accepted; FALSE makes it fail.
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // Called first at a drop: returns the effect of the drop, or (DROPEFFECT)-1 (the default)
    // to have OnDrop do it.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
        DROPEFFECT dropList, CPoint point);
    // Called before OnDragEnter and OnDragOver: a window with scroll bars scrolls while the
    // cursor stays within nScrollInset pixels of its client edge (first after nScrollDelay,
    // then every nScrollInterval milliseconds) and the result holds DROPEFFECT_SCROLL; elsewhere
    // DROPEFFECT_NONE, and the drag goes on to OnDragEnter / OnDragOver.
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

    static int nScrollInset;
    static UINT nScrollDelay;
    static UINT nScrollInterval;

protected:
    HWND m_hWnd; // the registered window

private:
    class XDropTarget;
    friend class XDropTarget;

    HRESULT DragEnter(LPDATAOBJECT lpDataObject, DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect);
    HRESULT DragOver(DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect);
    HRESULT DragLeave();
    HRESULT Drop(LPDATAOBJECT lpDataObject, DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect);
    // What enter and over share: scrolling first, then the handler.
    DROPEFFECT AskEffect(BOOL bEnter, DWORD dwKeyState, POINTL pt, DWORD dwAllowed);
    CPoint ClientPoint(POINTL pt) const;
    void ReleaseDataObject();

    XDropTarget* m_pDropTarget;
    LPDATAOBJECT m_lpDataObject; // the object being dragged over the window
    UINT m_nScrollCode; // the scroll direction timed now (MAKEWORD of horizontal, vertical)
    DWORD m_dwLastTick;
    UINT m_nScrollWait;
};
