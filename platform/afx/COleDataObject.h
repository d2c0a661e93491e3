// COleDataObject.h: COleDataObject, the receiving side of OLE data transfer: a data object from
// the clipboard or a drop, asked for formats and read as global memory, a medium or a file
// (Windows only).
#pragma once

#include "afxoleglobals.h"

class CFile;

class KWAFX_API COleDataObject
{
public:
    COleDataObject();
    ~COleDataObject(); // releases the data object when it was attached with bAutoRelease
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // Takes a data object (releasing the one held before); with bAutoRelease the reference
    // passes to this object.
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    // Gives the data object back without releasing it.
    LPDATAOBJECT Detach();
    void Release();
    // Attaches what is on the clipboard now; FALSE when the clipboard cannot be had.
    BOOL AttachClipboard();
    LPDATAOBJECT GetIDataObject(BOOL bAddRef);

    // The formats offered, in the source's order.
    void BeginEnumFormats();
    BOOL GetNextFormat(LPFORMATETC lpFormatEtc);

    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // The data in any medium; the caller releases it with ReleaseStgMedium.
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = NULL);
    // A block the caller owns and frees, or NULL.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // A file to read the data from (a CSharedFile over global memory, or the named file), which
    // the caller deletes; NULL when the data cannot be had.
    CFile* GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);

protected:
    LPDATAOBJECT m_lpDataObject;
    LPENUMFORMATETC m_lpEnumerator;
    BOOL m_bAutoRelease;
    BOOL m_bClipboard; // attached from the clipboard
};
