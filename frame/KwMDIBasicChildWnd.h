// KwMDIBasicChildWnd.h: declares CKwMDIBasicChildWnd, the base of the toolkit's MDI children: it
// announces its activation to listeners and keeps the menu bar's buttons on the maximized child
// that is active.
#pragma once

#include "core/KwEventSource.h"
#include "core/KwUiExport.h"

#include <CBCGPMDIChildWnd.h>

#include <functional>

class KWUI_API CKwMDIBasicChildWnd : public CBCGPMDIChildWnd, public CKwEventSource
{
    DECLARE_SERIAL(CKwMDIBasicChildWnd)
public:
    CKwMDIBasicChildWnd();

    // The window object's body in a desktop: the extension version (0), then SerializeExt.
    void Serialize(CArchive& ar) override;
    // Reads or writes what a later version adds after the version word; nothing yet.
    virtual void SerializeExt(CArchive& ar, UINT nVersion);

protected:
    // Opens a new T in the place of pActive, with its placement, through create(pWnd, placement);
    // pActive closes once the new window stands.
    template <class T, class F>
    static T* ReplaceActive(CMDIChildWnd* pActive, F create)
    {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof(WINDOWPLACEMENT);
        pActive->GetWindowPlacement(&wp);
        T* pWnd = new T;
        if (!create(pWnd, wp))
            return NULL;
        pActive->PostMessage(WM_CLOSE);
        return pWnd;
    }

    // One extension version word and its SerializeExt. A window body loaded with object schema
    // 10000 carries no version words: the version is then 0.
    void SerializeExtension(CArchive& ar);
    // Runs a window's restore from the desktop under the main window's update lock. `restore`
    // reads the record and builds the window, setting bBuilt once the window exists; it returns
    // FALSE when the window is gone already. Whatever it throws, the object goes: its window
    // destroyed when built, itself deleted when not. Nonzero when the window stands.
    BOOL RestoreOrDiscard(const std::function<BOOL(BOOL& bBuilt)>& restore);

    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    DECLARE_MESSAGE_MAP()
};
