// COleDropSource.h: COleDropSource, the drag side's say in a drag: when it starts, when it
// ends in a drop or is cancelled, and its cursor feedback (Windows only).
#pragma once

#include "CCmdTarget.h"
#include "CRect.h"

#include "afxoleglobals.h"

class CWnd;

class KWAFX_API COleDropSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropSource)
public:
    COleDropSource();
    ~COleDropSource() override;

    // Waits, with the mouse captured, until the mouse leaves m_rectStartDrag or nDragDelay
    // milliseconds pass with the button still down (TRUE: drag), or until the button comes up
    // or Escape is pressed (FALSE). TRUE at once when the drag already counts as started.
    virtual BOOL OnBeginDrag(CWnd* pWnd);
    // Escape or the other mouse button cancels; releasing the button that started the drag drops.
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    // DRAGDROP_S_USEDEFAULTCURSORS: the system's cursors show the effect.
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);

    // The IDropSource handed to the system's drag loop.
    LPDROPSOURCE GetDropSource();

    // The distance the mouse moves before a drag starts, and the delay after which a held
    // button starts it anyway (the system's drag settings).
    static int nDragMinDist;
    static int nDragDelay;

    BOOL m_bDragStarted;
    DWORD m_dwButtonCancel; // MK_ flag of the button that cancels the drag
    DWORD m_dwButtonDrop; // MK_ flag of the button whose release drops
    CRect m_rectStartDrag; // screen coordinates

private:
    class XDropSource;
    XDropSource* m_pDropSource;
};
