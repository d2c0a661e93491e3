// CDynLinkLibrary.cpp: the process-wide chain of DLLs whose resources the framework searches.
#include "CDynLinkLibrary.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

// DLLs load and unload on any thread; the loader lock does not cover readers.
static SRWLOCK afxChainLock = SRWLOCK_INIT;
static CDynLinkLibrary* afxFirstDLL = NULL;

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(NULL)
{
    AddToChain();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pNextDLL(NULL)
{
    AddToChain();
}

void CDynLinkLibrary::AddToChain()
{
    ::AcquireSRWLockExclusive(&afxChainLock);
    CDynLinkLibrary** ppLink = &afxFirstDLL;
    while (*ppLink != NULL)
        ppLink = &(*ppLink)->m_pNextDLL;
    *ppLink = this;
    ::ReleaseSRWLockExclusive(&afxChainLock);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    ::AcquireSRWLockExclusive(&afxChainLock);
    for (CDynLinkLibrary** ppLink = &afxFirstDLL; *ppLink != NULL; ppLink = &(*ppLink)->m_pNextDLL)
    {
        if (*ppLink == this)
        {
            *ppLink = m_pNextDLL;
            break;
        }
    }
    ::ReleaseSRWLockExclusive(&afxChainLock);
}

CDynLinkLibrary* PASCAL CDynLinkLibrary::FindInChain(BOOL (*pfn)(CDynLinkLibrary*, void*), void* pParam)
{
    CDynLinkLibrary* pFound = NULL;
    ::AcquireSRWLockShared(&afxChainLock);
    for (int nPass = 0; nPass < 2 && pFound == NULL; nPass++)
    {
        for (CDynLinkLibrary* pDLL = afxFirstDLL; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
        {
            if (pDLL->m_bSystem == (nPass == 1) && pfn(pDLL, pParam))
            {
                pFound = pDLL;
                break;
            }
        }
    }
    ::ReleaseSRWLockShared(&afxChainLock);
    return pFound;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    for (;;)
    {
        // Deleting takes the lock itself, so each library is found and deleted in turn.
        struct Match
        {
            static BOOL Of(CDynLinkLibrary* pDLL, void* pParam)
            {
                const AFX_EXTENSION_MODULE* pState = static_cast<const AFX_EXTENSION_MODULE*>(pParam);
                return pState == NULL || pDLL->m_hModule == pState->hModule;
            }
        };
        CDynLinkLibrary* pDLL = CDynLinkLibrary::FindInChain(&Match::Of, bAll ? NULL : &state);
        if (pDLL == NULL)
            break;
        delete pDLL;
    }
    state.bInitialized = FALSE;
}
