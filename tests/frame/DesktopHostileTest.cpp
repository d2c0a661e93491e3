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

    // Every cut of the desktop with lengths; of the other, enough to end in every field.
    for (const Bytes& seed : {sized, plain})
        for (size_t n = 0; n < seed.size(); n += (seed == sized ? 1 : 5))
            RestoreAndClose(Bytes(seed.begin(), seed.begin() + n));
    // Damaged records one at a time, each format: with lengths, without, and the old ones.
    std::vector<Bytes> seeds;
    for (size_t at = 0, end; at < sized.size(); at = end)
    {
        end = at + 8 + (sized[at + 4] | sized[at + 5] << 8);
        seeds.push_back(Bytes(sized.begin() + at, sized.begin() + end));
        seeds.push_back(WithoutLengths(seeds.back()));
    }
    Bytes place = U32(44) + U32(0) + U32(SW_SHOWNORMAL) + Bytes(16, 0) + U32(10) + U32(20) + U32(310) + U32(220);
    Bytes old = U32(1) + ContextBytes("a") + U32(IDR_DESK_VIEW) + place + Str("x");
    seeds.push_back(U32(0xFF) + old);
    seeds.push_back(U32(0x100) + U32(0) + Str("old.dsk") + ContextBytes("a") + U32(IDR_DESK_VIEW) + place);
    OpenMono("m"); // stays open and active throughout
    ReadMutations(seeds, 100000, 12, 3);
}

} // namespace
