// afxresource.cpp: finds the module that holds a resource or a string: the application's
// resource module first, then every DLL of the resource chain in order, then the framework's own
// module, so that a host or an extension may replace any of the framework's resources.
#include "afxresource.h"
#include "CDynLinkLibrary.h"
#include "CWinApp.h"

// The start of this module's image, which is its handle (the linker provides the symbol).
extern "C" IMAGE_DOS_HEADER __ImageBase;

static HINSTANCE AfxFrameworkHandle()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

// Strings come in blocks of sixteen: block nID / 16 + 1 of type RT_STRING holds string nID as
// the (nID % 16)-th of sixteen counted UTF-16 strings. A module holds the string when the block
// exists and the string is not empty; a block whose counts run past its end holds nothing.
static BOOL AfxModuleHasString(HINSTANCE hInst, UINT nID)
{
    if (hInst == NULL)
        return FALSE;
    HRSRC hRsrc = ::FindResourceA(hInst, MAKEINTRESOURCEA((nID >> 4) + 1), RT_STRING);
    if (hRsrc == NULL)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const WORD* pBlock = hGlobal != NULL ? static_cast<const WORD*>(::LockResource(hGlobal)) : NULL;
    if (pBlock == NULL)
        return FALSE;
    DWORD nWords = ::SizeofResource(hInst, hRsrc) / sizeof(WORD);
    DWORD nPos = 0;
    for (UINT i = 0; i < (nID & 15); i++)
    {
        if (nPos >= nWords)
            return FALSE;
        nPos += 1 + pBlock[nPos];
    }
    return nPos < nWords && pBlock[nPos] != 0 && nPos + 1 + pBlock[nPos] <= nWords;
}

static BOOL AfxLibraryHasString(CDynLinkLibrary* pDLL, void* pParam)
{
    return AfxModuleHasString(pDLL->m_hResource, *static_cast<const UINT*>(pParam));
}

HINSTANCE AfxFindStringResourceHandle(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (AfxModuleHasString(hInst, nID))
        return hInst;
    CDynLinkLibrary* pDLL = CDynLinkLibrary::FindInChain(&AfxLibraryHasString, &nID);
    if (pDLL != NULL)
        return pDLL->m_hResource;
    return AfxModuleHasString(AfxFrameworkHandle(), nID) ? AfxFrameworkHandle() : NULL;
}

struct AFX_RESOURCE_QUERY
{
    LPCTSTR lpszName;
    LPCTSTR lpszType;
};

static BOOL AfxLibraryHasResource(CDynLinkLibrary* pDLL, void* pParam)
{
    const AFX_RESOURCE_QUERY* pQuery = static_cast<const AFX_RESOURCE_QUERY*>(pParam);
    return pDLL->m_hResource != NULL && ::FindResourceA(pDLL->m_hResource, pQuery->lpszName, pQuery->lpszType) != NULL;
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (::FindResourceA(hInst, lpszName, lpszType) != NULL)
        return hInst;
    AFX_RESOURCE_QUERY query = {lpszName, lpszType};
    CDynLinkLibrary* pDLL = CDynLinkLibrary::FindInChain(&AfxLibraryHasResource, &query);
    if (pDLL != NULL)
        return pDLL->m_hResource;
    return ::FindResourceA(AfxFrameworkHandle(), lpszName, lpszType) != NULL ? AfxFrameworkHandle() : hInst;
}

LPCDLGTEMPLATE AfxLoadDialogTemplate(LPCTSTR lpszName, HINSTANCE* phInst, DWORD* pdwSize)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszName, RT_DIALOG);
    if (hResource == NULL)
        return NULL;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    if (hTemplate == NULL)
        return NULL;
    *phInst = hInst;
    if (pdwSize != NULL)
        *pdwSize = ::SizeofResource(hInst, hResource);
    return (LPCDLGTEMPLATE)::LockResource(hTemplate);
}
