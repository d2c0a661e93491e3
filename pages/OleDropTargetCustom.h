// OleDropTargetCustom.h: COleDropTargetCustom<T>, a drop target that hands each drag event to the
// same-named operation of the window it is registered for, a T.
#pragma once

#include <afxole.h>

template <class T>
class COleDropTargetCustom : public COleDropTarget
{
public:
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        return static_cast<T*>(pWnd)->OnDragEnter(pDataObject, dwKeyState, point);
    }
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        return static_cast<T*>(pWnd)->OnDragOver(pDataObject, dwKeyState, point);
    }
    void OnDragLeave(CWnd* pWnd) override { static_cast<T*>(pWnd)->OnDragLeave(); }
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override
    {
        return static_cast<T*>(pWnd)->OnDrop(pDataObject, dropEffect, point);
    }
};
