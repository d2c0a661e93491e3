// ArchiveBytes.h: runs archive code over memory and hands back the stored bytes, or reads a
// given byte sequence back through an archive.
#pragma once

#include <afx.h>

#include <cstdint>
#include <vector>

typedef std::vector<uint8_t> Bytes;

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
