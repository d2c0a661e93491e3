// ImageBytes.h: picture records built by hand, byte by byte, as documents of each layout hold
// them.
#pragma once

#include "support/ArchiveBytes.h"

// A bitmap of the oldest layout: row y from the bottom is filled with bytes 0x10 + y, and
// palettes hold grey levels 0x20 * index.
inline Bytes OldBitmap(int width, int height, int bitCount, int colors)
{
    uint32_t stride = ((uint32_t)width * bitCount + 31) / 32 * 4;
    uint32_t offset = 14 + 40 + 4 * colors;
    Bytes info = U32(40) + U32(width) + U32(height) + U16(1) + U16(bitCount) + U32(0)
        + U32(stride * height) + U32(0) + U32(0) + U32(colors) + U32(0);
    for (int i = 0; i < colors; ++i)
        info = info + Bytes{(uint8_t)(0x20 * i), (uint8_t)(0x20 * i), (uint8_t)(0x20 * i), 0};
    Bytes pixels;
    for (int y = 0; y < height; ++y)
        pixels = pixels + Bytes(stride, (uint8_t)(0x10 + y));
    return U16(0x4D42) + U32(offset + stride * height) + U16(0) + U16(0) + U32(offset) + info + pixels;
}

// A record of versions 0 or 1: the flag, then the bitmap.
inline Bytes OldRecord(uint32_t version, const Bytes& bitmap)
{
    return U32(version) + U32(bitmap.empty() ? 0 : 1) + bitmap;
}
