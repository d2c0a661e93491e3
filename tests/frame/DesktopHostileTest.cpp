// Hostile desktops, cut and mutated: no crash, no window left half-made, no lock or view context
// left behind; a record that fails inside its length does not take the next one with it.
#include "DesktopHost.h"

#include "support/TestRandom.h"

namespace {

// The same records written after tag 1, without their lengths, as older documents hold them.
Bytes WithoutLengths(const Bytes& sized)
{
    Bytes plain;
    for (size_t at = 0; at + 8 <= sized.size();)
    {
        DWORD n = sized[at + 4] | sized[at + 5] << 8 | sized[at + 6] << 16 | (DWORD)sized[at + 7] << 24;
        plain = plain + Bytes{1, 0, 0, 0} + Bytes(sized.begin() + at + 8, sized.begin() + at + 8 + n);
        at += 8 + n;
    }
    return plain;
}

typedef DesktopTest DesktopHostileTest;

TEST_F(DesktopHostileTest, CutAndMutatedDesktopsLeaveNothingHalfMade)
{
    OpenMono("a");
    m_app.OpenDocumentFile("C:\\desk\\two.dsk");
    OpenMono("b", RUNTIME_CLASS(CDeskOtherView));
    Bytes sized = StoreDesktop(), plain = WithoutLengths(sized);
    CKwMDITools::CloseAllMDIChildWindows();
    EXPECT_EQ((Seq{"a", "", "b"}), RestoreAndClose(sized));
    EXPECT_EQ((Seq{"a", "", "b"}), RestoreAndClose(plain));
    // The first record names a view class nobody knows: the others still come.
    Bytes bytes = sized;
    const char name[] = "CDeskView";
    *std::search(bytes.begin(), bytes.end(), name, name + strlen(name)) = 'X';
    EXPECT_EQ((Seq{"", "b"}), RestoreAndClose(bytes));

    TestRandom random(12);
    for (const Bytes& seed : {sized, plain})
    {
        // Every cut of the desktop with lengths; of the other, enough to end in every field.
        for (size_t n = 0; n < seed.size(); n += (seed == sized ? 1 : 5))
            RestoreAndClose(Bytes(seed.begin(), seed.begin() + n));
        for (int i = 0; i < 100; i++)
        {
            bytes = seed;
            for (uint32_t k = 0, changes = 1 + random.Below(4); k < changes; k++)
                bytes[random.Below((uint32_t)bytes.size())] ^= (uint8_t)(1 + random.Below(255));
            RestoreAndClose(bytes);
        }
    }
}

} // namespace
