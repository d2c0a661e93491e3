// KwMDIBasicChildWnd.h: declares CKwMDIBasicChildWnd, the base of the toolkit's MDI children: it
// announces its activation to listeners and keeps the menu bar's buttons on the maximized child
// that is active.
#pragma once

#include "core/KwEventSource.h"
#include "core/KwUiExport.h"

#include <CBCGPMDIChildWnd.h>

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
    // One extension version word and its SerializeExt. A window body loaded with object schema
    // 10000 carries no version words: the version is then 0.
    void SerializeExtension(CArchive& ar);

    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    DECLARE_MESSAGE_MAP()
};
