// afxoleglobals.h: the framework's OLE set-up (AfxOleInit, AfxOleTerm) and clipboard format
// helpers shared by the data transfer classes (Windows only).
#pragma once

#include "afxtypes.h"
#include "CString.h"

#include <ole2.h>

#include <string>

// The effect of a drag and drop: a combination of DROPEFFECT_ flags.
typedef DWORD DROPEFFECT;

// Initialises OLE on the calling thread (apartment threaded); TRUE when OLE is usable there.
// Calling it again is harmless. The application calls it from InitInstance.
KWAFX_API BOOL AFXAPI AfxOleInit();
// Ends what AfxOleInit began on this thread: data still offered on the clipboard by this
// process is rendered first, so that it outlives the process. bJustRevoke only flushes.
KWAFX_API void AFXAPI AfxOleTerm(BOOL bJustRevoke = FALSE);

// The clipboard format registered under lpszFormat (registered on first use); 0 for a NULL,
// empty or over-long name.
KWAFX_API CLIPFORMAT AFXAPI AfxRegisterClipboardFormat(LPCTSTR lpszFormat);
// The registered name of a format; empty for the predefined formats and unknown numbers.
KWAFX_API CString AFXAPI AfxGetClipboardFormatName(CLIPFORMAT cfFormat);

// A FORMATETC for cfFormat: the given one when lpFormatEtc is not NULL, otherwise the whole
// content (no target device, all pieces) in the given media.
KWAFX_API void AFXAPI AfxFillFormatEtc(LPFORMATETC lpFormatEtc, CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtcFill,
    DWORD tymed);

// A fresh movable block holding the whole of hSrc; NULL when it cannot be read or allocated.
KWAFX_API HGLOBAL AFXAPI AfxCopyGlobal(HGLOBAL hSrc);

// Every medium a caller may accept data in.
#define AFX_TYMED_ALL \
    (TYMED_HGLOBAL | TYMED_FILE | TYMED_ISTREAM | TYMED_ISTORAGE | TYMED_GDI | TYMED_MFPICT | TYMED_ENHMF)

// The file exception cause (CFileException::...) of an OLE status: storage and Win32 statuses
// of the system's own errors carry the system's error code in their low word.
int AFXAPI AfxFileCauseOfHResult(HRESULT hr);
// A name in the wide characters COM takes, converted with the system's ANSI code page.
std::wstring AFXAPI AfxWideName(LPCTSTR lpszName);
