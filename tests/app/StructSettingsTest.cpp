// The editor's settings in the registry: what is saved comes back, and values of another type,
// fonts without a name or of absurd sizes and colours beyond a COLORREF keep what was held.
#include "StructSettings.h"

#include "support/TestRegistryApp.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
const char* const kKey = "Drawing";
} // namespace

TEST(StructSettings, WhatIsSavedComesBackInTheNextRun)
{
    TestRegistryApp registry{"app"};
    CStructSettings saved;
    strcpy(saved.m_lfLabel.lfFaceName, "Courier New");
    saved.m_lfLabel.lfHeight = -20;
    saved.m_crBackground = RGB(1, 2, 3);
    saved.m_crHighlight = RGB(4, 5, 6);
    ASSERT_TRUE(saved.Save());
    CStructSettings loaded;
    loaded.Load();
    EXPECT_EQ(0, memcmp(&saved.m_lfLabel, &loaded.m_lfLabel, sizeof(LOGFONT)));
    EXPECT_EQ(RGB(1, 2, 3), loaded.m_crBackground);
    EXPECT_EQ(RGB(4, 5, 6), loaded.m_crHighlight);
}

TEST(StructSettings, ValuesItCannotUseKeepWhatWasHeld)
{
    TestRegistryApp registry{"app"};
    const CStructSettings first;
    LOGFONT nameless = first.m_lfLabel, unended = first.m_lfLabel, huge = first.m_lfLabel;
    nameless.lfFaceName[0] = '\0';
    memset(unended.lfFaceName, 'A', sizeof(unended.lfFaceName));
    huge.lfHeight = -100000;
    const DWORD dwColour = 0x01000000, dwText = 7;
    for (const LOGFONT& font : {nameless, unended, huge})
    {
        ASSERT_TRUE(registry.Set(HKEY_CURRENT_USER, kKey, "LabelFont", REG_BINARY, &font, sizeof(font)));
        ASSERT_TRUE(registry.Set(HKEY_CURRENT_USER, kKey, "LabelColour", REG_BINARY, &dwText, sizeof(dwText)));
        ASSERT_TRUE(registry.Set(HKEY_CURRENT_USER, kKey, "BackgroundColour", REG_DWORD, &dwColour, sizeof(dwColour)));
        ASSERT_TRUE(registry.Set(HKEY_CURRENT_USER, kKey, "HighlightColour", REG_SZ, "red", 4));
        CStructSettings loaded;
        loaded.Load();
        EXPECT_EQ(0, memcmp(&first.m_lfLabel, &loaded.m_lfLabel, sizeof(LOGFONT)));
        EXPECT_EQ(first.m_crLabel, loaded.m_crLabel);
        EXPECT_EQ(first.m_crBackground, loaded.m_crBackground);
        EXPECT_EQ(first.m_crHighlight, loaded.m_crHighlight);
    }
}
