// KwImageRecord.h: CKwImageRecord, one picture as a document archive holds it (its names, its
// embedded flag and its bytes), read from every layout the image has had and written in the
// current one. Portable: decoding the bytes into a picture is the caller's work.
#pragma once

#include "core/KwUiExport.h"

#include <afx.h>

#include <vector>

class KWUI_API CKwImageRecord
{
public:
    enum { nCurrentVersion = 3 };

    enum EPicture
    {
        pictureNone, // no picture stored
        pictureEncoded, // m_data holds a picture file (PNG from the current layout)
        pictureDib // m_info holds a bitmap header and colour table, m_data its pixel rows
    };

    CKwImageRecord();

    // Reads the version, then the layout of that version. Throws CArchiveException: badSchema
    // for a version above the current one, endOfFile for a size running past the data, badIndex
    // for a bitmap header that does not describe its pixels. Nothing is kept from a failed read.
    void Load(CArchive& ar);
    void Load(CArchive& ar, UINT nVersion);
    // Writes the current layout; StoreFields leaves the version out.
    void Store(CArchive& ar) const;
    void StoreFields(CArchive& ar) const;

    // Reads one bitmap of the oldest layout: file header, info header and colours, pixel rows.
    // A file header without the bitmap signature holds no picture.
    void LoadDib(CArchive& ar);

    CString m_strFileName;
    bool m_bEmbedded;
    EPicture m_picture;
    std::vector<BYTE> m_info;
    std::vector<BYTE> m_data;
};
