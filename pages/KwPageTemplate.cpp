// CKwPageTemplate: the style fields read and written in place, little-endian as templates are.
#include "pages/KwPageTemplate.h"

#include <cstdint>
#include <cstring>

namespace {

const uint32_t kChildStyleMask = 0x2FFFFF7Fu; // without WS_POPUP, WS_VISIBLE, DS_MODALFRAME
const uint32_t kWsChild = 0x40000000u;
const uint32_t kWsExDlgModalFrame = 0x00000001u;
const size_t kClassicHeader = 18; // style, extended style, count, x, y, cx, cy
const size_t kExtendedHeader = 26; // version, signature, help id, extended style, style, count, x, y, cx, cy

uint32_t Get32(const unsigned char* p)
{
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

void Put32(unsigned char* p, uint32_t v)
{
    for (int i = 0; i < 4; i++)
        p[i] = (unsigned char)(v >> (8 * i));
}

} // namespace

bool CKwPageTemplate::MakeChildStyle(unsigned char* pData, size_t nSize)
{
    if (pData == NULL || nSize < kClassicHeader)
        return false;
    bool bExtended = pData[2] == 0xFF && pData[3] == 0xFF;
    if (bExtended && nSize < kExtendedHeader)
        return false;
    unsigned char* pStyle = bExtended ? pData + 12 : pData;
    unsigned char* pExStyle = bExtended ? pData + 8 : pData + 4;
    Put32(pStyle, (Get32(pStyle) & kChildStyleMask) | kWsChild);
    Put32(pExStyle, Get32(pExStyle) & ~kWsExDlgModalFrame);
    return true;
}
