// COleDataObject: reading a data object's formats and data.
#include "COleDataObject.h"
#include "CSharedFile.h"
#include "CException.h"
#include "CFileException.h"

COleDataObject::COleDataObject() : m_lpDataObject(NULL), m_lpEnumerator(NULL), m_bAutoRelease(TRUE), m_bClipboard(FALSE)
{
}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
    m_bClipboard = FALSE;
}

LPDATAOBJECT COleDataObject::Detach()
{
    if (m_lpEnumerator != NULL) {
        m_lpEnumerator->Release();
        m_lpEnumerator = NULL;
    }
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = NULL;
    m_bClipboard = FALSE;
    return lpDataObject;
}

void COleDataObject::Release()
{
    LPDATAOBJECT lpDataObject = Detach();
    if (lpDataObject != NULL && m_bAutoRelease)
        lpDataObject->Release();
}

BOOL COleDataObject::AttachClipboard()
{
    LPDATAOBJECT lpDataObject = NULL;
    if (FAILED(::OleGetClipboard(&lpDataObject)) || lpDataObject == NULL)
        return FALSE;
    Attach(lpDataObject, TRUE);
    m_bClipboard = TRUE;
    return TRUE;
}

LPDATAOBJECT COleDataObject::GetIDataObject(BOOL bAddRef)
{
    if (bAddRef && m_lpDataObject != NULL)
        m_lpDataObject->AddRef();
    return m_lpDataObject;
}

void COleDataObject::BeginEnumFormats()
{
    if (m_lpEnumerator != NULL) {
        m_lpEnumerator->Release();
        m_lpEnumerator = NULL;
    }
    if (m_lpDataObject != NULL && FAILED(m_lpDataObject->EnumFormatEtc(DATADIR_GET, &m_lpEnumerator)))
        m_lpEnumerator = NULL;
}

BOOL COleDataObject::GetNextFormat(LPFORMATETC lpFormatEtc)
{
    if (m_lpEnumerator == NULL)
        return FALSE;
    FORMATETC formatEtc;
    ULONG nFetched = 0;
    if (m_lpEnumerator->Next(1, &formatEtc, &nFetched) != S_OK || nFetched != 1)
        return FALSE;
    // Target devices are not handed on: the caller could not know to free them.
    if (formatEtc.ptd != NULL) {
        ::CoTaskMemFree(formatEtc.ptd);
        formatEtc.ptd = NULL;
    }
    *lpFormatEtc = formatEtc;
    return TRUE;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return FALSE;
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc, AFX_TYMED_ALL);
    return m_lpDataObject->QueryGetData(&formatEtc) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return FALSE;
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc, AFX_TYMED_ALL);
    memset(lpStgMedium, 0, sizeof(STGMEDIUM));
    if (m_lpDataObject->GetData(&formatEtc, lpStgMedium) != S_OK) {
        memset(lpStgMedium, 0, sizeof(STGMEDIUM));
        return FALSE;
    }
    return TRUE;
}

namespace
{
// A block the caller owns holding the medium's global data; the medium is released.
HGLOBAL TakeGlobal(STGMEDIUM& stgMedium)
{
    if (stgMedium.tymed == TYMED_HGLOBAL && stgMedium.pUnkForRelease == NULL)
        return stgMedium.hGlobal;
    // Data the source still owns is copied.
    HGLOBAL hCopy = stgMedium.tymed == TYMED_HGLOBAL ? AfxCopyGlobal(stgMedium.hGlobal) : NULL;
    ::ReleaseStgMedium(&stgMedium);
    return hCopy;
}

// The whole stream's contents from its current position, in a shared memory file; NULL when
// it cannot be read or held.
CFile* FileFromStream(IStream* pStream)
{
    CSharedFile* pFile = new CSharedFile(GMEM_MOVEABLE | GMEM_SHARE);
    try {
        BYTE buffer[4096];
        ULONG nRead = 0;
        HRESULT hr;
        while (SUCCEEDED(hr = pStream->Read(buffer, sizeof(buffer), &nRead)) && nRead != 0)
            pFile->Write(buffer, nRead);
        if (FAILED(hr)) {
            delete pFile;
            return NULL;
        }
    } catch (CException* e) {
        e->Delete();
        delete pFile;
        return NULL;
    }
    pFile->SeekToBegin();
    return pFile;
}
} // namespace

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc, TYMED_HGLOBAL);
    STGMEDIUM stgMedium;
    if (!GetData(cfFormat, &stgMedium, &formatEtc))
        return NULL;
    return TakeGlobal(stgMedium);
}

CFile* COleDataObject::GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc, TYMED_FILE | TYMED_HGLOBAL | TYMED_ISTREAM);
    STGMEDIUM stgMedium;
    if (!GetData(cfFormat, &stgMedium, &formatEtc))
        return NULL;

    CFile* pFile = NULL;
    switch (stgMedium.tymed) {
    case TYMED_HGLOBAL: {
        HGLOBAL hGlobal = TakeGlobal(stgMedium);
        if (hGlobal == NULL)
            return NULL;
        CSharedFile* pSharedFile = new CSharedFile(GMEM_MOVEABLE | GMEM_SHARE);
        // The file takes the block over and frees it when deleted.
        pSharedFile->SetHandle(hGlobal, FALSE);
        pFile = pSharedFile;
        return pFile;
    }
    case TYMED_ISTREAM:
        pFile = FileFromStream(stgMedium.pstm);
        break;
    case TYMED_FILE: {
        CFile* pDiskFile = new CFile;
        CString strPath(stgMedium.lpszFileName);
        if (pDiskFile->Open(strPath, CFile::modeRead | CFile::shareDenyWrite))
            pFile = pDiskFile;
        else
            delete pDiskFile;
        // The name alone is freed: releasing the medium would delete the file itself.
        ::CoTaskMemFree(stgMedium.lpszFileName);
        if (stgMedium.pUnkForRelease != NULL)
            stgMedium.pUnkForRelease->Release();
        return pFile;
    }
    default:
        break;
    }
    ::ReleaseStgMedium(&stgMedium);
    return pFile;
}
