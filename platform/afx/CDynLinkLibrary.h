// CDynLinkLibrary.h: CDynLinkLibrary, a DLL's place in the process-wide resource chain, the
// extension-module record a DLL initialises when it loads (the search through the chain is in
// afxresource.h).
#pragma once

#include "CCmdTarget.h"

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

class KWAFX_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    // Joins the chain at its end: resources are searched in the order the DLLs registered.
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    virtual ~CDynLinkLibrary(); // leaves the chain

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem; // searched after every other DLL
    CDynLinkLibrary* m_pNextDLL;

    // Calls pfn for each registered library in search order (system ones last) until it
    // returns TRUE; returns that library or NULL. The chain is locked meanwhile.
    static CDynLinkLibrary* PASCAL FindInChain(BOOL (*pfn)(CDynLinkLibrary* pDLL, void* pParam), void* pParam);

private:
    void AddToChain();
};

// Called from a DLL's DllMain on DLL_PROCESS_ATTACH, before it makes its CDynLinkLibrary.
KWAFX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Called on DLL_PROCESS_DETACH: deletes the module's libraries (every library when bAll).
KWAFX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
