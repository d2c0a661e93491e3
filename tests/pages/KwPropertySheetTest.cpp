// The sheet that remembers its page, in the registry after each scenario: the page closed on is
// written and opened on next time, an explicit page wins, a stored page the sheet does not have
// or a value of the wrong type shows the first page, and identifier -1 never touches the registry.
#include <afxdlgs.h>
#include <gtest/gtest.h>

#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "pages/KwPropertySheet.h"
#include "support/ModalDialogDriver.h"
#include "support/TestRegistryApp.h"
#include "PagesTest.rh"

#include <cstring>
#include <string>

namespace {

class KwPropertySheetTest : public ::testing::Test
{
protected:
    TestRegistryApp m_registry{"pages"};
    COLORREF m_erased = 0; // the corner of the page a run ended on, erased
    CPropertyPage m_pages[3] = {CPropertyPage(IDD_PGTEST_SIMPLE), CPropertyPage(IDD_PGTEST_SIMPLE), CPropertyPage(IDD_PGTEST_SIMPLE)};

    // Runs a sheet, notes the page it opened on, moves to nGoTo (unless -1) and closes with OK.
    int Run(int iSelectPage, int nSheetID, int nGoTo)
    {
        CKwPropertySheet sheet(IDS_PGTEST_SHEET, NULL, iSelectPage, nSheetID);
        for (CPropertyPage& page : m_pages)
            sheet.AddPage(&page);
        int nOpenedOn = -1;
        ModalDialogDriver driver([&](HWND hSheet) {
            nOpenedOn = sheet.GetActiveIndex();
            if (nGoTo != -1)
                sheet.SetActivePage(nGoTo);
            CClientDC dc(sheet.GetActivePage());
            sheet.GetActivePage()->SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC);
            m_erased = ::GetPixel(dc.m_hDC, 0, 0);
            ::SendMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        });
        EXPECT_EQ(IDOK, sheet.DoModal());
        return nOpenedOn;
    }
    bool Stored(const char* name, DWORD& value)
    {
        DWORD type = 0;
        std::string data;
        if (!m_registry.Get(HKEY_CURRENT_USER, "KwPropertySheet", name, type, data) || type != REG_DWORD || data.size() != 4)
            return false;
        memcpy(&value, data.data(), 4);
        return true;
    }
};

TEST_F(KwPropertySheetTest, RemembersThePageClosedOnAndOpensThereUnlessAPageIsGiven)
{
    DWORD value = 99;
    EXPECT_EQ(0, Run(-1, 3, 2));
    ASSERT_TRUE(Stored("LastActivePage3", value));
    EXPECT_EQ(2u, value);
    EXPECT_EQ(2, Run(-1, 3, 1));
    ASSERT_TRUE(Stored("LastActivePage3", value));
    EXPECT_EQ(1u, value);
    EXPECT_EQ(0, Run(0, 3, -1)); // the explicit page wins, and is remembered on closing
    ASSERT_TRUE(Stored("LastActivePage3", value));
    EXPECT_EQ(0u, value);
    EXPECT_FALSE(Stored("LastActivePage4", value));
}

TEST_F(KwPropertySheetTest, StoredPageOutsideTheSheetOrOfTheWrongTypeShowsTheFirst)
{
    DWORD dwBeyond = 7;
    ASSERT_TRUE(m_registry.Set(HKEY_CURRENT_USER, "KwPropertySheet", "LastActivePage5", REG_DWORD, &dwBeyond, 4));
    EXPECT_EQ(0, Run(-1, 5, -1));
    DWORD dwNegative = 0xFFFFFFFFu;
    ASSERT_TRUE(m_registry.Set(HKEY_CURRENT_USER, "KwPropertySheet", "LastActivePage5", REG_DWORD, &dwNegative, 4));
    EXPECT_EQ(0, Run(-1, 5, -1));
    ASSERT_TRUE(m_registry.Set(HKEY_CURRENT_USER, "KwPropertySheet", "LastActivePage6", REG_SZ, "2", 2));
    EXPECT_EQ(0, Run(-1, 6, 1));
    DWORD value = 0;
    ASSERT_TRUE(Stored("LastActivePage6", value));
    EXPECT_EQ(1u, value);
}

TEST_F(KwPropertySheetTest, IdentifierMinusOneNeverTouchesTheRegistry)
{
    DWORD dwStored = 2;
    ASSERT_TRUE(m_registry.Set(HKEY_CURRENT_USER, "KwPropertySheet", "LastActivePage-1", REG_DWORD, &dwStored, 4));
    EXPECT_EQ(0, Run(-1, -1, 1));
    DWORD value = 0;
    ASSERT_TRUE(Stored("LastActivePage-1", value));
    EXPECT_EQ(2u, value);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, m_registry.FullKey("KwPropertySheet"));
    EXPECT_EQ(0, Run(-1, -1, 2));
    EXPECT_FALSE(m_registry.KeyExists(HKEY_CURRENT_USER, "KwPropertySheet"));
}

// In the dark look a page the sheet makes later erases in the look's face.
TEST_F(KwPropertySheetTest, ALaterPageFollowsTheLook)
{
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    const COLORREF face = CKwPalette::Get(CKwPalette::eFace);
    Run(0, -1, 1);
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    EXPECT_EQ(face, m_erased);
}

} // namespace
