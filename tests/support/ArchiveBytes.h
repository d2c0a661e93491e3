// ArchiveBytes.h: runs archive code over memory and hands back the stored bytes, or reads a
// given byte sequence back through an archive.
#pragma once

#include <afx.h>

#include <cstdint>
#include <cstring>
#include <vector>

typedef std::vector<uint8_t> Bytes;

// The characters of a text, without its terminator.
inline Bytes Text(const char* text)
{
    return Bytes(text, text + strlen(text));
}

// Joins byte runs: Bytes{0x03, 0x00} + Text("abc").
inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Numbers little-endian, and a short string as the archive writes it: its length byte, then its
// characters.
inline Bytes U16(unsigned v)
{
    return Bytes{(uint8_t)v, (uint8_t)(v >> 8)};
}
inline Bytes U32(uint32_t v)
{
    return U16(v & 0xFFFF) + U16(v >> 16);
}
inline Bytes Str(const char* text)
{
    return Bytes{(uint8_t)strlen(text)} + Text(text);
}

// The bytes that `store` writes through an archive of the given buffer size.
template <class F>
Bytes StoreBytes(F&& store, int nBufSize = 4096)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, nBufSize);
        store(ar);
        ar.Close();
    }
    Bytes bytes(file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Runs `load` over an archive reading `bytes` (left untouched).
template <class F>
void LoadBytes(const Bytes& bytes, F&& load, int nBufSize = 4096)
{
    Bytes copy(bytes);
    CMemFile file(copy.data(), (UINT)copy.size());
    CArchive ar(&file, CArchive::load, nBufSize);
    load(ar);
}

// What an object's Serialize stores, and bytes read back through it.
inline Bytes StoreObject(CObject& object)
{
    return StoreBytes([&](CArchive& ar) { object.Serialize(ar); });
}

inline void LoadObject(CObject& object, const Bytes& bytes)
{
    LoadBytes(bytes, [&](CArchive& ar) { object.Serialize(ar); });
}
