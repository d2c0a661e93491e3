// The template rewrite on raw bytes: the style and extended style of classic and extended
// templates, found at their own offsets, and headers too short to hold them.
#include <gtest/gtest.h>

#include "pages/KwPageTemplate.h"

#include <cstdint>
#include <vector>

namespace {

uint32_t At(const std::vector<unsigned char>& b, size_t offset)
{
    return b[offset] | (b[offset + 1] << 8) | (b[offset + 2] << 16) | ((uint32_t)b[offset + 3] << 24);
}

void Put(std::vector<unsigned char>& b, size_t offset, uint32_t v)
{
    for (int i = 0; i < 4; i++)
        b[offset + i] = (unsigned char)(v >> (8 * i));
}

const uint32_t kPopupVisibleModal = 0x80000000u | 0x10000000u | 0x80u | 0x00C00000u | 0x40u; // + caption, setfont

TEST(PageTemplateTest, ChildStyleForClassicAndExtendedTemplatesAndShortHeadersRefused)
{
    std::vector<unsigned char> classic(40, 0xAB);
    Put(classic, 0, kPopupVisibleModal);
    Put(classic, 4, 0x00000101u); // dialog modal frame, window edge
    ASSERT_TRUE(CKwPageTemplate::MakeChildStyle(classic.data(), classic.size()));
    EXPECT_EQ(0x40000000u | 0x00C00000u | 0x40u, At(classic, 0));
    EXPECT_EQ(0x00000100u, At(classic, 4));
    EXPECT_EQ(0xABu, classic[8]);

    std::vector<unsigned char> extended(40, 0xCD);
    extended[0] = 1, extended[1] = 0, extended[2] = 0xFF, extended[3] = 0xFF;
    Put(extended, 4, 0x12345678u); // help id: not a style
    Put(extended, 8, 0x00000101u);
    Put(extended, 12, kPopupVisibleModal);
    ASSERT_TRUE(CKwPageTemplate::MakeChildStyle(extended.data(), extended.size()));
    EXPECT_EQ(0x12345678u, At(extended, 4));
    EXPECT_EQ(0x00000100u, At(extended, 8));
    EXPECT_EQ(0x40000000u | 0x00C00000u | 0x40u, At(extended, 12));

    std::vector<unsigned char> shortClassic(17, 0xFF);
    shortClassic[2] = 0;
    std::vector<unsigned char> shortExtended(25, 0xFF);
    std::vector<unsigned char> before = shortExtended;
    EXPECT_FALSE(CKwPageTemplate::MakeChildStyle(shortClassic.data(), shortClassic.size()));
    EXPECT_FALSE(CKwPageTemplate::MakeChildStyle(shortExtended.data(), shortExtended.size()));
    EXPECT_EQ(before, shortExtended);
    EXPECT_FALSE(CKwPageTemplate::MakeChildStyle(NULL, 100));
}

} // namespace
