// CDocfileExtent.cpp: the sectors a compound file's header and allocation table name, against
// its length.
#include "CDocfileExtent.h"

#include <cstring>
#include <vector>

namespace {

const BYTE kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
const UINT kHeaderSize = 512;
const DWORD kMaxRegularSector = 0xFFFFFFFA;
const DWORD kFreeSector = 0xFFFFFFFF;
const UINT kHeaderFatSlots = 109;

DWORD Dword(const BYTE* p)
{
    return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
}

} // namespace

CDocfileExtent::Result CDocfileExtent::Check(CFile& file)
{
    const ULONGLONG nLength = file.GetLength();
    BYTE header[kHeaderSize] = {};
    file.SeekToBegin();
    UINT nHeader = file.Read(header, kHeaderSize);
    if (nHeader < sizeof(kSignature) || memcmp(header, kSignature, sizeof(kSignature)) != 0)
        return notDocfile;
    if (nHeader < kHeaderSize)
        return cutShort;
    // Sector n starts at (n + 1) sectors: the header fills the first.
    const UINT nShift = header[0x1E] | (header[0x1F] << 8);
    if (nShift != 9 && nShift != 12)
        return notDocfile;
    const ULONGLONG nSector = 1ull << nShift;
    auto inside = [&](DWORD n) { return n <= kMaxRegularSector && (n + 2ull) * nSector <= nLength; };
    auto read = [&](DWORD n, std::vector<BYTE>& sector) {
        sector.assign((size_t)nSector, 0);
        file.Seek((LONG)((n + 1ull) * nSector), CFile::begin);
        return file.Read(sector.data(), (UINT)nSector) == nSector;
    };

    // The allocation table's own sectors: 109 named in the header, the rest in a chain of
    // sectors whose last slot names the next. A table longer than the file could hold is cut.
    const DWORD nFatSectors = Dword(header + 0x2C);
    if (nFatSectors > nLength / nSector)
        return cutShort;
    std::vector<DWORD> fat;
    for (UINT i = 0; i < kHeaderFatSlots && fat.size() < nFatSectors; i++)
        fat.push_back(Dword(header + 0x4C + 4 * i));
    std::vector<BYTE> sector;
    DWORD nNext = Dword(header + 0x44);
    const UINT nSlots = (UINT)(nSector / 4);
    while (fat.size() < nFatSectors)
    {
        if (!inside(nNext) || !read(nNext, sector))
            return cutShort;
        for (UINT i = 0; i + 1 < nSlots && fat.size() < nFatSectors; i++)
            fat.push_back(Dword(&sector[4 * i]));
        nNext = Dword(&sector[4 * (nSlots - 1)]);
    }

    // Every sector the table does not mark free must be in the file.
    DWORD nIndex = 0;
    for (DWORD nFat : fat)
    {
        if (!inside(nFat) || !read(nFat, sector))
            return cutShort;
        for (UINT i = 0; i < nSlots; i++, nIndex++)
        {
            if (Dword(&sector[4 * i]) != kFreeSector && !inside(nIndex))
                return cutShort;
        }
    }
    return whole;
}
