// Hostile desktops: every truncation and seeded mutations of a stored desktop read record by
// record. Nothing may crash, every window that came back is whole and no other was left, no
// update lock or view context stays behind; a record that fails inside its length does not take
// the next one with it.
#include "DesktopHost.h"

#include "support/MessageRecorder.h"
#include "support/TestRandom.h"

#include <set>

namespace {

class DesktopHostileTest : public DesktopTest
{
protected:
    Bytes m_seed;
    void SetUp() override
    {
        DesktopTest::SetUp();
        OpenMono("a");
        m_app.OpenDocumentFile("C:\\desk\\two.dsk");
        OpenMono("b", RUNTIME_CLASS(CDeskOtherView));
        m_seed = StoreDesktop();
        CKwMDITools::CloseAllMDIChildWindows();
    }
    // Reads the bytes from an empty frame; the names of the windows that came back.
    Seq Restore(const Bytes& bytes)
    {
        std::vector<CMDIChildWnd*> restored = RestoreDesktop(bytes);
        std::set<CMDIChildWnd*> distinct(restored.begin(), restored.end());
        EXPECT_EQ((int)distinct.size(), CountChildren());
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

TEST_F(DesktopHostileTest, AFailedRecordIsPassedByItsLength)
{
    EXPECT_EQ((Seq{"a", "", "b"}), Restore(m_seed));
    // The first record names a view class nobody knows.
    Bytes bytes = m_seed;
    const char name[] = "CDeskView";
    auto at = std::search(bytes.begin(), bytes.end(), name, name + strlen(name));
    ASSERT_TRUE(at != bytes.end());
    *at = 'X';
    EXPECT_EQ((Seq{"", "b"}), Restore(bytes));
}

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

TEST_F(DesktopHostileTest, TruncationsAndMutationsLeaveNothingHalfMade)
{
    Bytes plain = WithoutLengths(m_seed);
    EXPECT_EQ((Seq{"a", "", "b"}), Restore(plain));
    TestRandom random(12);
    for (const Bytes& seed : {m_seed, plain})
    {
        // Every cut of the desktop with lengths; of the other, enough to end in every field.
        for (size_t n = 0; n < seed.size(); n += (&seed == &m_seed ? 1 : 5))
        {
            SCOPED_TRACE(n);
            Restore(Bytes(seed.begin(), seed.begin() + n));
        }
        for (int i = 0; i < 100; i++)
        {
            SCOPED_TRACE(i);
            Bytes bytes = seed;
            for (uint32_t k = 0, changes = 1 + random.Below(4); k < changes; k++)
            {
                uint8_t& b = bytes[random.Below((uint32_t)bytes.size())];
                b = random.Below(2) ? (uint8_t)random.Below(256) : (uint8_t)(b ^ (1u << random.Below(8)));
            }
            Restore(bytes);
        }
    }
}

} // namespace
