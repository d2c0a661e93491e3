// KwImage.h: CKwImage, the toolkit's picture value: one GDI+ picture with the file it came from,
// and whether its pixels travel inside documents (embedded) or stay in that file (linked).
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

namespace Gdiplus {
class GpImage;
}
class CKwImageRecord;

class KWUI_API CKwImage : public CObject
{
    DECLARE_SERIAL(CKwImage)

public:
    CKwImage();
    CKwImage(const CKwImage& other);
    CKwImage& operator=(const CKwImage& other);
    virtual ~CKwImage();

    // The held picture, still owned by this object; NULL when empty.
    Gdiplus::GpImage* GetImage();
    // Holds a clone of the picture (bCopy) or the picture itself, which this object then owns
    // and disposes even when it does not keep it (a picture GDI+ knows no type for).
    void SetImage(Gdiplus::GpImage* pImage, bool bCopy);
    // Lets go of the picture; the names and the embedded flag stay.
    void Reset();
    bool IsValid() const { return m_pImage != NULL; }
    CSize GetSize() const;
    // Stretches the picture into the rectangle.
    void Draw(CDC* pDC, const CRect& rect) const;

    // bKeepFileImage false decodes the file into memory of its own, so the file is free again;
    // bSetAbsolute records the path as the absolute name and marks the picture embedded.
    void LoadFromFile(CString strPath, bool bKeepFileImage, bool bSetAbsolute);
    // Writes PNG whatever the extension; bLink then lets go of the picture and refers to the file.
    bool SaveToFile(CString strPath, bool bLink);

    bool IsEmbeded() const { return m_bEmbeded; }
    void SetEmbeded(bool bEmbeded) { m_bEmbeded = bEmbeded; }
    CString GetFileName() const { return m_strFileName; }
    void SetFileName(CString strFileName) { m_strFileName = strFileName; }
    CString GetAbsoluteFileName() const { return m_strAbsoluteFileName; }
    void SetAbsoluteFileName(CString strPath) { m_strAbsoluteFileName = strPath; }

    // Reading throws CArchiveException for a damaged or newer record and leaves the object as it
    // was; storing throws one when the picture cannot be encoded, before anything is written.
    virtual void Serialize(CArchive& ar) override;
    void SerializeExt(CArchive& ar, UINT nVersion);
    void SerializeSchema(CArchive& ar, UINT& nSchema);
    // Loading an object stored with schema 10000, whose record carries no version.
    bool IsObsolete(CArchive& ar);
    // Reads one bitmap of the oldest layout (file header, info, pixels) into the object.
    void _ReadSECDib(CArchive& ar);

    // The index of GDI+'s encoder for the MIME type (matched exactly) and its class id, or -1.
    static int GetEncoderClsid(const WCHAR* pszMimeType, CLSID* pClsid);

private:
    void ReleaseImage();
    CKwImageRecord MakeRecord() const;
    void TakeRecord(CKwImageRecord& record);

    Gdiplus::GpImage* m_pImage;
    CString m_strFileName;
    CString m_strAbsoluteFileName;
    bool m_bEmbeded;
};
