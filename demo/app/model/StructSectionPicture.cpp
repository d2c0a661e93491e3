// StructSectionPicture.cpp: the outline drawn pixel by pixel into a 1-bit bitmap file.
#include "model/StructSectionPicture.h"

#include <cstring>

namespace {

enum Shape { kNone, kI, kH, kChannel, kBox, kTube };

Shape ShapeOf(const CString& strSection)
{
    struct Prefix
    {
        const char* psz;
        Shape shape;
    };
    static const Prefix prefixes[] = {{"IPE", kI}, {"HE", kH}, {"UPN", kChannel}, {"UPE", kChannel},
                                      {"SHS", kBox}, {"RHS", kBox}, {"CHS", kTube}};
    CString strUpper(strSection);
    strUpper.MakeUpper();
    for (const Prefix& prefix : prefixes) {
        if (strUpper.Find(prefix.psz) == 0)
            return prefix.shape;
    }
    return kNone;
}

// Whether pixel (x, y), y down from the top, is steel.
bool IsSteel(Shape shape, int x, int y)
{
    bool bFlange = (y >= 4 && y < 8) || (y >= 24 && y < 28);
    switch (shape) {
    case kI:
        return (bFlange && x >= 8 && x < 24) || (y >= 4 && y < 28 && x >= 14 && x < 18);
    case kH:
        return (bFlange && x >= 4 && x < 28) || (y >= 4 && y < 28 && x >= 14 && x < 18);
    case kChannel:
        return (bFlange && x >= 10 && x < 24) || (y >= 4 && y < 28 && x >= 10 && x < 14);
    case kBox:
        return x >= 5 && x < 27 && y >= 5 && y < 27 && !(x >= 9 && x < 23 && y >= 9 && y < 23);
    case kTube: {
        int dx = 2 * x - 31, dy = 2 * y - 31; // twice the offset from the centre
        int r2 = dx * dx + dy * dy;
        return r2 <= 26 * 26 && r2 >= 18 * 18;
    }
    case kNone:
        break;
    }
    return false;
}

void PutWord(BYTE* p, unsigned v)
{
    p[0] = (BYTE)v;
    p[1] = (BYTE)(v >> 8);
}

void PutDword(BYTE* p, unsigned v)
{
    PutWord(p, v & 0xFFFF);
    PutWord(p + 2, v >> 16);
}

} // namespace

BOOL CStructSectionPicture::Make(const CString& strSection, CByteArray& bmp)
{
    Shape shape = ShapeOf(strSection);
    if (shape == kNone)
        return FALSE;
    // File header (14), info header (40), two palette entries (8), then 32 rows of 4 bytes,
    // bottom row first.
    const unsigned nBits = 14 + 40 + 8, nRow = kSize / 8, nSize = nBits + nRow * kSize;
    BYTE file[nSize];
    memset(file, 0, sizeof(file));
    file[0] = 'B';
    file[1] = 'M';
    PutDword(file + 2, nSize);
    PutDword(file + 10, nBits);
    BYTE* info = file + 14;
    PutDword(info, 40);
    PutDword(info + 4, kSize);
    PutDword(info + 8, kSize);
    PutWord(info + 12, 1);  // planes
    PutWord(info + 14, 1);  // bits per pixel
    PutDword(info + 32, 2); // colours used
    BYTE* palette = info + 40;
    memset(palette, 0xFF, 3);                   // 0: white paper (blue, green, red, reserved)
    palette[4] = 0x50, palette[5] = 0x40, palette[6] = 0x30; // 1: dark steel
    for (int y = 0; y < kSize; y++) {
        BYTE* row = file + nBits + nRow * (kSize - 1 - y);
        for (int x = 0; x < kSize; x++) {
            if (IsSteel(shape, x, y))
                row[x / 8] |= (BYTE)(0x80 >> (x % 8));
        }
    }
    bmp.SetSize(nSize);
    memcpy(bmp.GetData(), file, nSize);
    return TRUE;
}
