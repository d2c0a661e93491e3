// KwMDIBasicChildWnd.cpp: the toolkit's basic MDI child.
#include "frame/KwMDIBasicChildWnd.h"

#include "frame/KwMDIBasicChildWndEventOnMDIActivate.h"
#include "frame/KwMDITools.h"
#include "frame/KwWindowUpdateLock.h"

#include <CBCGPMDIFrameWnd.h>
#include <CBCGPMenuBar.h>

#include <new>

// Readable again when a document names a later schema: the body then carries no version words.
IMPLEMENT_SERIAL(CKwMDIBasicChildWnd, CBCGPMDIChildWnd, VERSIONABLE_SCHEMA | 0)

BEGIN_MESSAGE_MAP(CKwMDIBasicChildWnd, CBCGPMDIChildWnd)
    ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

namespace {
// The object schema under which window bodies were stored without version words.
const UINT kSchemaWithoutVersion = 10000;
} // namespace

CKwMDIBasicChildWnd::CKwMDIBasicChildWnd() {}

void CKwMDIBasicChildWnd::Serialize(CArchive& ar)
{
    SerializeExtension(ar);
}

void CKwMDIBasicChildWnd::SerializeExt(CArchive&, UINT) {}

void CKwMDIBasicChildWnd::SerializeExtension(CArchive& ar)
{
    DWORD nVersion = 0;
    if (ar.IsStoring())
        ar << nVersion;
    else
    {
        // Looked at, not used up: a derived class asks again for its own word.
        UINT nSchema = ar.GetObjectSchema();
        ar.SetObjectSchema(nSchema);
        if (nSchema != kSchemaWithoutVersion)
            ar >> nVersion;
    }
    SerializeExt(ar, nVersion);
}

BOOL CKwMDIBasicChildWnd::RestoreOrDiscard(const std::function<BOOL(BOOL& bBuilt)>& restore)
{
    CKwWindowUpdateLock lock;
    BOOL bBuilt = FALSE;
    try
    {
        return restore(bBuilt);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    if (bBuilt)
        DestroyWindow();
    else
        delete this;
    return FALSE;
}

void CKwMDIBasicChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CBCGPMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    CBCGPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CBCGPMDIFrameWnd, CKwMDITools::GetMDIFrameWnd());
    CBCGPMenuBar* pBar = pFrame != NULL ? pFrame->GetMenuBar() : NULL;
    // Only the menu bar's fix-up needs a bar; the listeners hear of the activation all the same.
    if (bActivate && pBar != NULL && pBar->GetSafeHwnd() != NULL)
    {
        BOOL bMaximized = FALSE;
        CMDIChildWnd* pActive = pFrame->MDIGetActive(&bMaximized);
        if (pActive != NULL && bMaximized)
        {
            // Off and on again, so the bar takes the system buttons of the child now active.
            CKwWindowUpdateLock lock(pFrame);
            pBar->SetMaximizeMode(FALSE, pActive, TRUE);
            pBar->SetMaximizeMode(TRUE, pActive, TRUE);
        }
    }
    SendOutEvent(new (std::nothrow) CKwMDIBasicChildWndEventOnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd));
}
