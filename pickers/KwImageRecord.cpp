// KwImageRecord.cpp: the picture's archive layouts. Version 3 stores the file name, the embedded
// flag and, when embedded, a size and a PNG file; version 2 stored only the size and picture;
// versions 0 and 1 a flag and a raw device-independent bitmap behind a bitmap file header.
#include "pickers/KwImageRecord.h"

#include <algorithm>
#include <cstring>

namespace {

// Name given to pictures from layouts that stored none (spelt as those documents know it).
const char szEmbeddedName[] = "<embeded>";

const UINT nFileHeaderSize = 14;
const UINT nInfoHeaderSize = 40;
const WORD wBitmapSignature = 0x4D42; // "BM"
// Room for a full colour table behind the header, so that whoever reads the table as the
// bit count allows stays inside the block even when the file stored fewer colours.
const UINT nMaxColors = 256;

[[noreturn]] void Refuse(CArchive& ar, int cause)
{
    AfxThrowArchiveException(cause, ar.m_strFileName);
}

// Reads nBytes into bytes. A file that cannot tell its length is read in steps, so that a
// forged size costs no more memory than the data that is really there.
void ReadBytes(CArchive& ar, ULONGLONG nBytes, std::vector<BYTE>& bytes)
{
    ar.EnsureRemaining(nBytes);
    const size_t nStep = 1 << 16;
    bytes.clear();
    while (bytes.size() < nBytes) {
        size_t nDone = bytes.size();
        size_t nNow = (size_t)std::min<ULONGLONG>(nStep, nBytes - nDone);
        bytes.resize(nDone + nNow);
        if (ar.Read(bytes.data() + nDone, (UINT)nNow) != nNow)
            Refuse(ar, CArchiveException::endOfFile);
    }
}

template <class T>
T Field(const std::vector<BYTE>& bytes, size_t nOffset)
{
    T value;
    memcpy(&value, bytes.data() + nOffset, sizeof(T));
    return value;
}

} // namespace

CKwImageRecord::CKwImageRecord()
    : m_bEmbedded(false), m_picture(pictureNone)
{
}

void CKwImageRecord::Load(CArchive& ar)
{
    DWORD nVersion = 0;
    ar >> nVersion;
    Load(ar, nVersion);
}

void CKwImageRecord::Load(CArchive& ar, UINT nVersion)
{
    if (nVersion > nCurrentVersion)
        Refuse(ar, CArchiveException::badSchema);
    CKwImageRecord record;
    if (nVersion >= 3) {
        DWORD nEmbedded = 0;
        ar >> record.m_strFileName >> nEmbedded;
        record.m_bEmbedded = nEmbedded != 0;
    } else {
        record.m_strFileName = szEmbeddedName;
        record.m_bEmbedded = true;
    }
    if (nVersion < 2) {
        DWORD nFlag = 0;
        ar >> nFlag;
        if (nFlag >= 1)
            record.LoadDib(ar);
    } else if (record.m_bEmbedded) {
        DWORD nSize = 0;
        ar >> nSize;
        if (nSize != 0) {
            ReadBytes(ar, nSize, record.m_data);
            record.m_picture = pictureEncoded;
        }
    }
    *this = std::move(record);
}

// The bitmap's header is checked against what follows before anything is allocated for it:
// the header block must hold the info header, and the rows its width, height and bit count
// describe must be there.
void CKwImageRecord::LoadDib(CArchive& ar)
{
    std::vector<BYTE> fileHeader;
    ReadBytes(ar, nFileHeaderSize, fileHeader);
    if (Field<WORD>(fileHeader, 0) != wBitmapSignature)
        return;
    DWORD nOffset = Field<DWORD>(fileHeader, 10);
    if (nOffset < nFileHeaderSize + nInfoHeaderSize)
        Refuse(ar, CArchiveException::badIndex);
    std::vector<BYTE> info;
    ReadBytes(ar, nOffset - nFileHeaderSize, info);
    DWORD nHeaderSize = Field<DWORD>(info, 0);
    LONG nWidth = Field<LONG>(info, 4);
    LONG nHeight = Field<LONG>(info, 8);
    WORD nBitCount = Field<WORD>(info, 14);
    DWORD nCompression = Field<DWORD>(info, 16);
    DWORD nColorsUsed = Field<DWORD>(info, 32);
    bool bKnownDepth = nBitCount == 1 || nBitCount == 4 || nBitCount == 8 || nBitCount == 24 || nBitCount == 32;
    if (nHeaderSize < nInfoHeaderSize || nHeaderSize > info.size() || nWidth <= 0 || nHeight <= 0
        || !bKnownDepth || nCompression != 0 /* BI_RGB */ || nColorsUsed > nMaxColors
        || (nBitCount <= 8 && nColorsUsed > (1u << nBitCount)))
        Refuse(ar, CArchiveException::badIndex);
    // Rows are padded to whole 32-bit words.
    ULONGLONG nStride = ((ULONGLONG)nWidth * nBitCount + 31) / 32 * 4;
    std::vector<BYTE> pixels;
    ReadBytes(ar, nStride * (ULONGLONG)nHeight, pixels);
    info.resize(nHeaderSize + nMaxColors * 4);
    m_info = std::move(info);
    m_data = std::move(pixels);
    m_picture = pictureDib;
}

void CKwImageRecord::Store(CArchive& ar) const
{
    ar << (DWORD)nCurrentVersion;
    StoreFields(ar);
}

void CKwImageRecord::StoreFields(CArchive& ar) const
{
    ar << m_strFileName << (DWORD)(m_bEmbedded ? 1 : 0);
    if (!m_bEmbedded)
        return;
    // The size is that of the picture's data only, so equal pictures store equal bytes.
    ar << (DWORD)(m_picture == pictureEncoded ? m_data.size() : 0);
    if (m_picture == pictureEncoded && !m_data.empty())
        ar.Write(m_data.data(), (UINT)m_data.size());
}
