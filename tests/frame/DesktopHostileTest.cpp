// Hostile desktops, cut and mutated: no crash, no window left half-made, no lock or view context
// left behind; a record that fails inside its length does not take the next one with it.
#include "DesktopHost.h"

#include "support/MessageRecorder.h"
#include "support/TestRandom.h"

#include <set>

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

class DesktopHostileTest : public DesktopTest
{
protected:
    // Reads the bytes into an empty frame; the names of the windows that came back.
    Seq Restore(const Bytes& bytes)
    {
        std::vector<CMDIChildWnd*> restored = RestoreDesktop(bytes);
        EXPECT_EQ(std::set<CMDIChildWnd*>(restored.begin(), restored.end()).size(), (size_t)CountChildren());
        EXPECT_TRUE(CViewContext::GetViewContext() == NULL);
        EXPECT_TRUE(::LockWindowUpdate(m_pFrame->m_hWnd));
        ::LockWindowUpdate(NULL);
        Seq names;
        for (CMDIChildWnd* p : restored)
            names.push_back(NameOf(p));
        CKwMDITools::CloseAllMDIChildWindows();
        PumpMessages(0);
        return names;
    }
};

TEST_F(DesktopHostileTest, CutAndMutatedDesktopsLeaveNothingHalfMade)
{
    OpenMono("a");
    m_app.OpenDocumentFile("C:\\desk\\two.dsk");
    OpenMono("b", RUNTIME_CLASS(CDeskOtherView));
    Bytes sized = StoreDesktop(), plain = WithoutLengths(sized);
    CKwMDITools::CloseAllMDIChildWindows();
    EXPECT_EQ((Seq{"a", "", "b"}), Restore(sized));
    EXPECT_EQ((Seq{"a", "", "b"}), Restore(plain));
    // The first record names a view class nobody knows: the others still come.
    Bytes bytes = sized;
    const char name[] = "CDeskView";
    *std::search(bytes.begin(), bytes.end(), name, name + strlen(name)) = 'X';
    EXPECT_EQ((Seq{"", "b"}), Restore(bytes));

    TestRandom random(12);
    for (const Bytes& seed : {sized, plain})
    {
        // Every cut of the desktop with lengths; of the other, enough to end in every field.
        for (size_t n = 0; n < seed.size(); n += (seed == sized ? 1 : 5))
            Restore(Bytes(seed.begin(), seed.begin() + n));
        for (int i = 0; i < 100; i++)
        {
            bytes = seed;
            for (uint32_t k = 0, changes = 1 + random.Below(4); k < changes; k++)
                bytes[random.Below((uint32_t)bytes.size())] ^= (uint8_t)(1 + random.Below(255));
            Restore(bytes);
        }
    }
}

} // namespace
