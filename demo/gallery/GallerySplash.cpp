// GallerySplash.cpp: a splash window as an application shows it while it starts.
#include "GallerySplash.h"

#include "Gallery.h"
#include "GallerySplash.rh"

#include "frame/KwSplashWnd.h"

bool GallerySplash(const char* pszFolder)
{
    CKwSplashWnd* pSplash = new CKwSplashWnd(IDB_GALLERY_SPLASH);
    pSplash->SetDuration(60000); // the gallery closes it
    pSplash->SetText("KwUi Structural Designer 4.2\nLoading the libraries of sections...", CPoint(24, 96));
    if (!pSplash->Create())
    {
        delete pSplash;
        return false;
    }
    GalleryPump(200);
    bool bSaved = GallerySaveWindow(pSplash->m_hWnd, pszFolder, "splash");
    pSplash->DestroyWindow(); // and the object with it
    return bSaved;
}
