// afxoleglobals: OLE set-up for the application's thread and the clipboard format helpers.
#include "afxoleglobals.h"
#include "COleDataSource.h"
#include "CFileException.h"

#include <cstring>

namespace
{
// The thread AfxOleInit initialised OLE on, so that AfxOleTerm undoes only its own work.
DWORD g_dwOleThread = 0;
int g_nOleInitCount = 0;
} // namespace

BOOL AFXAPI AfxOleInit()
{
    DWORD dwThread = ::GetCurrentThreadId();
    if (g_nOleInitCount != 0 && g_dwOleThread == dwThread)
        return TRUE;
    HRESULT hr = ::OleInitialize(NULL);
    if (FAILED(hr))
        return FALSE;
    if (g_nOleInitCount == 0) {
        g_dwOleThread = dwThread;
        g_nOleInitCount = 1;
    } else {
        // Another thread already owns the framework's initialisation; balance this one now.
        ::OleUninitialize();
    }
    return TRUE;
}

void AFXAPI AfxOleTerm(BOOL bJustRevoke)
{
    if (g_nOleInitCount == 0 || g_dwOleThread != ::GetCurrentThreadId())
        return;
    COleDataSource::FlushClipboard();
    if (bJustRevoke)
        return;
    g_nOleInitCount = 0;
    g_dwOleThread = 0;
    ::OleUninitialize();
}

CLIPFORMAT AFXAPI AfxRegisterClipboardFormat(LPCTSTR lpszFormat)
{
    // The system keeps names in its atom table, which refuses names over 255 characters.
    if (lpszFormat == NULL || *lpszFormat == '\0' || ::lstrlenA(lpszFormat) > 255)
        return 0;
    return (CLIPFORMAT)::RegisterClipboardFormatA(lpszFormat);
}

CString AFXAPI AfxGetClipboardFormatName(CLIPFORMAT cfFormat)
{
    char szName[256];
    // Predefined formats have numbers below 0xC000 and no name.
    int nLen = cfFormat >= 0xC000 ? ::GetClipboardFormatNameA(cfFormat, szName, sizeof(szName)) : 0;
    return nLen > 0 ? CString(szName, nLen) : CString();
}

void AFXAPI AfxFillFormatEtc(LPFORMATETC lpFormatEtc, CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtcFill, DWORD tymed)
{
    if (lpFormatEtc != NULL) {
        *lpFormatEtcFill = *lpFormatEtc;
        if (lpFormatEtcFill->cfFormat == 0)
            lpFormatEtcFill->cfFormat = cfFormat;
        return;
    }
    lpFormatEtcFill->cfFormat = cfFormat;
    lpFormatEtcFill->ptd = NULL;
    lpFormatEtcFill->dwAspect = DVASPECT_CONTENT;
    lpFormatEtcFill->lindex = -1;
    lpFormatEtcFill->tymed = tymed;
}

HGLOBAL AFXAPI AfxCopyGlobal(HGLOBAL hSrc)
{
    SIZE_T nSize = ::GlobalSize(hSrc);
    const void* pSrc = nSize != 0 ? ::GlobalLock(hSrc) : NULL;
    if (pSrc == NULL)
        return NULL;
    HGLOBAL hDest = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, nSize);
    void* pDest = hDest != NULL ? ::GlobalLock(hDest) : NULL;
    if (pDest != NULL) {
        memcpy(pDest, pSrc, nSize);
        ::GlobalUnlock(hDest);
    } else if (hDest != NULL) {
        ::GlobalFree(hDest);
        hDest = NULL;
    }
    ::GlobalUnlock(hSrc);
    return hDest;
}

int AFXAPI AfxFileCauseOfHResult(HRESULT hr)
{
    switch (hr)
    {
    case STG_E_INVALIDNAME:
        return CFileException::badPath;
    case STG_E_INVALIDHEADER:
    case STG_E_DOCFILECORRUPT:
    case STG_E_OLDFORMAT:
    case STG_E_REVERTED:
        return CFileException::invalidFile;
    default:
        break;
    }
    if ((HRESULT_FACILITY(hr) == FACILITY_STORAGE || HRESULT_FACILITY(hr) == FACILITY_WIN32) && HRESULT_CODE(hr) < 0xFA)
        return CFileException::OsErrorToException(HRESULT_CODE(hr));
    return CFileException::genericException;
}

std::wstring AFXAPI AfxWideName(LPCTSTR lpszName)
{
    int nLen = ::MultiByteToWideChar(CP_ACP, 0, lpszName, -1, NULL, 0);
    std::wstring strName(nLen > 0 ? nLen : 1, L'\0');
    if (nLen > 0)
        ::MultiByteToWideChar(CP_ACP, 0, lpszName, -1, &strName[0], nLen);
    return strName;
}
