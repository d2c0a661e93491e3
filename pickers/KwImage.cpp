// KwImage.cpp: the picture over GDI+'s flat interface. An object holds GDI+ (CKwGdiplus) for as
// long as it holds a picture; the archive layouts themselves are CKwImageRecord's.
#include "pickers/KwImage.h"

#include "core/KwGdiplus.h"
#include "pickers/KwImageRecord.h"

#include <gdiplus.h>
#include <shlwapi.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

IMPLEMENT_SERIAL(CKwImage, CObject, 0)

namespace {

std::wstring Wide(const CString& text)
{
    int nLen = MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
    std::wstring wide(nLen > 0 ? nLen : 1, L'\0');
    if (nLen > 0)
        MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], nLen);
    return wide;
}

bool IsKnownType(GpImage* pImage)
{
    ImageType type = ImageTypeUnknown;
    return GdipGetImageType(pImage, &type) == Ok && type != ImageTypeUnknown;
}

// The picture as a PNG file in memory: exactly the bytes the encoder wrote.
bool EncodePng(GpImage* pImage, std::vector<BYTE>& bytes)
{
    CLSID clsid;
    if (CKwImage::GetEncoderClsid(L"image/png", &clsid) < 0)
        return false;
    IStream* pStream = NULL;
    if (CreateStreamOnHGlobal(NULL, TRUE, &pStream) != S_OK)
        return false;
    STATSTG stat = {};
    LARGE_INTEGER start = {};
    ULONG nRead = 0;
    bool bDone = GdipSaveImageToStream(pImage, pStream, &clsid, NULL) == Ok
        && pStream->Stat(&stat, STATFLAG_NONAME) == S_OK && stat.cbSize.QuadPart <= 0xFFFFFFFFu
        && pStream->Seek(start, STREAM_SEEK_SET, NULL) == S_OK;
    if (bDone) {
        bytes.resize((size_t)stat.cbSize.QuadPart);
        bDone = bytes.empty()
            || (pStream->Read(bytes.data(), (ULONG)bytes.size(), &nRead) == S_OK && nRead == bytes.size());
    }
    pStream->Release();
    return bDone;
}

// A picture decoded from a file's bytes, or NULL. GDI+ keeps its own reference to the stream.
GpImage* DecodeBytes(const std::vector<BYTE>& bytes)
{
    IStream* pStream = SHCreateMemStream(bytes.data(), (UINT)bytes.size());
    if (pStream == NULL)
        return NULL;
    GpImage* pImage = NULL;
    if (GdipLoadImageFromStream(pStream, &pImage) != Ok)
        pImage = NULL;
    pStream->Release();
    return pImage;
}

// A bitmap made from raw bitmap rows. GDI+ may draw straight from the rows it is given, so the
// picture kept is a copy in memory of its own.
GpImage* DecodeDib(const std::vector<BYTE>& info, std::vector<BYTE>& pixels)
{
    GpBitmap* pRows = NULL;
    if (GdipCreateBitmapFromGdiDib((const BITMAPINFO*)info.data(), pixels.data(), &pRows) != Ok)
        return NULL;
    UINT nWidth = 0, nHeight = 0;
    GpBitmap* pOwn = NULL;
    if (GdipGetImageWidth(pRows, &nWidth) != Ok || GdipGetImageHeight(pRows, &nHeight) != Ok
        || GdipCloneBitmapAreaI(0, 0, (INT)nWidth, (INT)nHeight, PixelFormat32bppARGB, pRows, &pOwn) != Ok)
        pOwn = NULL;
    GdipDisposeImage(pRows);
    return pOwn;
}

GpImage* Decode(CKwImageRecord& record)
{
    switch (record.m_picture) {
    case CKwImageRecord::pictureEncoded:
        return DecodeBytes(record.m_data);
    case CKwImageRecord::pictureDib:
        return DecodeDib(record.m_info, record.m_data);
    default:
        return NULL;
    }
}

} // namespace

CKwImage::CKwImage()
    : m_pImage(NULL), m_bEmbeded(false)
{
}

CKwImage::CKwImage(const CKwImage& other)
    : CObject(), m_pImage(NULL), m_strFileName(other.m_strFileName),
      m_strAbsoluteFileName(other.m_strAbsoluteFileName), m_bEmbeded(other.m_bEmbeded)
{
    SetImage(other.m_pImage, true);
}

CKwImage& CKwImage::operator=(const CKwImage& other)
{
    if (this != &other) {
        SetImage(other.m_pImage, true);
        m_strFileName = other.m_strFileName;
        m_strAbsoluteFileName = other.m_strAbsoluteFileName;
        m_bEmbeded = other.m_bEmbeded;
    }
    return *this;
}

CKwImage::~CKwImage()
{
    ReleaseImage();
}

GpImage* CKwImage::GetImage()
{
    return m_pImage;
}

void CKwImage::ReleaseImage()
{
    if (m_pImage == NULL)
        return;
    GdipDisposeImage(m_pImage);
    m_pImage = NULL;
    CKwGdiplus::Release();
}

void CKwImage::SetImage(GpImage* pImage, bool bCopy)
{
    CKwGdiplus gdiplus;
    GpImage* pKept = NULL;
    if (pImage != NULL && gdiplus.IsStarted()) {
        if (!IsKnownType(pImage)) {
            if (!bCopy && pImage != m_pImage)
                GdipDisposeImage(pImage);
        } else if (!bCopy) {
            pKept = pImage;
        } else if (GdipCloneImage(pImage, &pKept) != Ok) {
            pKept = NULL;
        }
    }
    if (pKept == m_pImage && pKept != NULL)
        return;
    ReleaseImage();
    if (pKept != NULL && CKwGdiplus::AddRef())
        m_pImage = pKept;
}

void CKwImage::Reset()
{
    ReleaseImage();
}

CSize CKwImage::GetSize() const
{
    UINT nWidth = 0, nHeight = 0;
    if (m_pImage == NULL || GdipGetImageWidth(m_pImage, &nWidth) != Ok
        || GdipGetImageHeight(m_pImage, &nHeight) != Ok)
        return CSize(0, 0);
    return CSize((int)nWidth, (int)nHeight);
}

void CKwImage::Draw(CDC* pDC, const CRect& rect) const
{
    if (m_pImage == NULL)
        return;
    HDC hDC = pDC->GetSafeHdc();
    int nSaved = SaveDC(hDC);
    SetBkMode(hDC, TRANSPARENT);
    GpGraphics* pGraphics = NULL;
    if (GdipCreateFromHDC(hDC, &pGraphics) == Ok) {
        GdipDrawImageRectI(pGraphics, m_pImage, rect.left, rect.top, rect.Width(), rect.Height());
        GdipDeleteGraphics(pGraphics);
    }
    RestoreDC(hDC, nSaved);
}

void CKwImage::LoadFromFile(CString strPath, bool bKeepFileImage, bool bSetAbsolute)
{
    CKwGdiplus gdiplus;
    GpImage* pImage = NULL;
    if (gdiplus.IsStarted() && GdipLoadImageFromFile(Wide(strPath).c_str(), &pImage) != Ok)
        pImage = NULL;
    if (pImage != NULL && !bKeepFileImage && IsKnownType(pImage)) {
        // Through PNG in memory, so that the picture no longer reads from the file.
        std::vector<BYTE> bytes;
        GpImage* pDetached = EncodePng(pImage, bytes) ? DecodeBytes(bytes) : NULL;
        GdipDisposeImage(pImage);
        pImage = pDetached;
    }
    SetImage(pImage, false);
    if (bSetAbsolute) {
        m_strAbsoluteFileName = strPath;
        m_bEmbeded = true;
    }
}

bool CKwImage::SaveToFile(CString strPath, bool bLink)
{
    CLSID clsid;
    if (m_pImage == NULL || GetEncoderClsid(L"image/png", &clsid) < 0
        || GdipSaveImageToFile(m_pImage, Wide(strPath).c_str(), &clsid, NULL) != Ok)
        return false;
    if (bLink) {
        ReleaseImage();
        m_strAbsoluteFileName = strPath;
        m_bEmbeded = false;
    }
    return true;
}

CKwImageRecord CKwImage::MakeRecord() const
{
    CKwImageRecord record;
    record.m_strFileName = m_strFileName;
    record.m_bEmbedded = m_bEmbeded;
    if (m_bEmbeded && m_pImage != NULL) {
        if (!EncodePng(m_pImage, record.m_data))
            AfxThrowArchiveException(CArchiveException::genericException);
        record.m_picture = CKwImageRecord::pictureEncoded;
    }
    return record;
}

// Everything is read and decoded before the object changes.
void CKwImage::TakeRecord(CKwImageRecord& record)
{
    CKwGdiplus gdiplus;
    GpImage* pImage = gdiplus.IsStarted() ? Decode(record) : NULL;
    m_strFileName = record.m_strFileName;
    m_bEmbeded = record.m_bEmbedded;
    SetImage(pImage, false);
}

void CKwImage::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        MakeRecord().Store(ar);
    } else if (IsObsolete(ar)) {
        SerializeExt(ar, CKwImageRecord::nCurrentVersion);
    } else {
        DWORD nVersion = 0;
        ar >> nVersion;
        SerializeExt(ar, nVersion);
    }
}

void CKwImage::SerializeExt(CArchive& ar, UINT nVersion)
{
    if (ar.IsStoring()) {
        MakeRecord().StoreFields(ar);
    } else {
        CKwImageRecord record;
        record.Load(ar, nVersion);
        TakeRecord(record);
    }
}

void CKwImage::SerializeSchema(CArchive& ar, UINT& nSchema)
{
    if (ar.IsStoring()) {
        ar << (DWORD)nSchema;
    } else {
        DWORD nRead = 0;
        ar >> nRead;
        nSchema = nRead;
    }
}

bool CKwImage::IsObsolete(CArchive& ar)
{
    if (!ar.IsLoading())
        return false;
    UINT nSchema = ar.GetObjectSchema();
    ar.SetObjectSchema(nSchema);
    return nSchema == 10000;
}

void CKwImage::_ReadSECDib(CArchive& ar)
{
    CKwImageRecord record;
    record.LoadDib(ar);
    CKwGdiplus gdiplus;
    SetImage(gdiplus.IsStarted() ? Decode(record) : NULL, false);
}

int CKwImage::GetEncoderClsid(const WCHAR* pszMimeType, CLSID* pClsid)
{
    CKwGdiplus gdiplus;
    UINT nCount = 0, nSize = 0;
    if (!gdiplus.IsStarted() || GdipGetImageEncodersSize(&nCount, &nSize) != Ok || nCount == 0)
        return -1;
    ImageCodecInfo* pCodecs = (ImageCodecInfo*)malloc(nSize);
    if (pCodecs == NULL)
        return -1;
    int nFound = -1;
    if (GdipGetImageEncoders(nCount, nSize, pCodecs) == Ok) {
        for (UINT i = 0; i < nCount && nFound < 0; ++i) {
            if (wcscmp(pCodecs[i].MimeType, pszMimeType) == 0) {
                *pClsid = pCodecs[i].Clsid;
                nFound = (int)i;
            }
        }
    }
    free(pCodecs);
    return nFound;
}
