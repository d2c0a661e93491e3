// Typed registry values below the application's key: the key path, the stored types and sizes,
// and the reads that must refuse what they did not write.
#include "core/KwRegistry.h"
#include "support/TestRegistryApp.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

class Registry : public ::testing::Test
{
protected:
    TestRegistryApp m_reg{"reg"};

    std::string Stored(HKEY root, const char* subkey, const char* name, DWORD expectedType)
    {
        DWORD type = REG_NONE;
        std::string data;
        EXPECT_TRUE(m_reg.Get(root, subkey, name, type, data)) << subkey << " " << name;
        EXPECT_EQ(expectedType, type) << name;
        return data;
    }
};

TEST_F(Registry, WritesGoBelowTheApplicationKeyWithTheirTypesAndSizes)
{
    EXPECT_TRUE(CKwRegistry::WriteString(HKEY_CURRENT_USER, "Sub", "Text", "hello"));
    EXPECT_TRUE(CKwRegistry::WriteString(HKEY_CURRENT_USER, "Sub", "Empty", ""));
    EXPECT_TRUE(CKwRegistry::WriteDword(HKEY_CURRENT_USER, "Sub", "Number", 0x89ABCDEFul));
    const unsigned char block[5] = {1, 0, 2, 0xFF, 3};
    EXPECT_TRUE(CKwRegistry::WriteBinary(HKEY_CURRENT_USER, "Sub", "Block", block, sizeof(block)));

    EXPECT_EQ(std::string("hello", 6), Stored(HKEY_CURRENT_USER, "Sub", "Text", REG_SZ));
    EXPECT_EQ(std::string(1, '\0'), Stored(HKEY_CURRENT_USER, "Sub", "Empty", REG_SZ));
    EXPECT_EQ(std::string("\xEF\xCD\xAB\x89", 4), Stored(HKEY_CURRENT_USER, "Sub", "Number", REG_DWORD));
    EXPECT_EQ(std::string((const char*)block, 5), Stored(HKEY_CURRENT_USER, "Sub", "Block", REG_BINARY));
    EXPECT_FALSE(m_reg.KeyExists(HKEY_LOCAL_MACHINE, "Sub"));

    // Read back, the string without its stored terminator.
    CString text = "old";
    EXPECT_TRUE(CKwRegistry::ReadString(HKEY_CURRENT_USER, "Sub", "Text", text));
    EXPECT_EQ(std::string("hello"), std::string(text, text.GetLength()));
}

TEST_F(Registry, TheRootIsTheCallersAndNestedSubkeysAreCreated)
{
    ASSERT_FALSE(m_reg.KeyExists(HKEY_CURRENT_USER, ""));
    EXPECT_TRUE(CKwRegistry::WriteDword(HKEY_LOCAL_MACHINE, "KwColorPicker\\KwColorPicker3", "Color0", 42));
    EXPECT_EQ(std::string("\x2A\0\0\0", 4),
        Stored(HKEY_LOCAL_MACHINE, "KwColorPicker\\KwColorPicker3", "Color0", REG_DWORD));
    EXPECT_FALSE(m_reg.KeyExists(HKEY_CURRENT_USER, "KwColorPicker"));

    unsigned long value = 7;
    EXPECT_FALSE(CKwRegistry::ReadDword(HKEY_CURRENT_USER, "KwColorPicker\\KwColorPicker3", "Color0", value));
    EXPECT_EQ(7ul, value);
    EXPECT_TRUE(CKwRegistry::ReadDword(HKEY_LOCAL_MACHINE, "KwColorPicker\\KwColorPicker3", "Color0", value));
    EXPECT_EQ(42ul, value);
}

TEST_F(Registry, TheApplicationKeyIsReadAtEveryCall)
{
    EXPECT_TRUE(CKwRegistry::WriteDword(HKEY_CURRENT_USER, "Sub", "N", 1));
    free((void*)m_reg.m_app.m_pszProfileName);
    m_reg.m_app.m_pszProfileName = _strdup("Other");
    EXPECT_TRUE(CKwRegistry::WriteDword(HKEY_CURRENT_USER, "Sub", "N", 2));
    unsigned long value = 0;
    EXPECT_TRUE(CKwRegistry::ReadDword(HKEY_CURRENT_USER, "Sub", "N", value));
    EXPECT_EQ(2ul, value);
    free((void*)m_reg.m_app.m_pszProfileName);
    m_reg.m_app.m_pszProfileName = _strdup(m_reg.m_app.m_pszAppName);
    EXPECT_TRUE(CKwRegistry::ReadDword(HKEY_CURRENT_USER, "Sub", "N", value));
    EXPECT_EQ(1ul, value);

    // Without an application key nothing is read or written.
    free((void*)m_reg.m_app.m_pszRegistryKey);
    m_reg.m_app.m_pszRegistryKey = NULL;
    EXPECT_FALSE(CKwRegistry::WriteDword(HKEY_CURRENT_USER, "Sub", "N", 3));
    EXPECT_FALSE(CKwRegistry::ReadDword(HKEY_CURRENT_USER, "Sub", "N", value));
    EXPECT_EQ(1ul, value);
}

// Every read that must fail, each leaving the caller's variable as it was.
TEST_F(Registry, ReadsRefuseMissingValuesOtherTypesAndOtherSizes)
{
    const DWORD dword = 5;
    const char text[] = "abc";
    const unsigned char bytes[6] = {9, 9, 9, 9, 9, 9};
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "Dword", REG_DWORD, &dword, 4));
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "Text", REG_SZ, text, 4));
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "Expand", REG_EXPAND_SZ, text, 4));
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "Multi", REG_MULTI_SZ, "abc\0", 5));
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "Four", REG_BINARY, bytes, 4));
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "Six", REG_BINARY, bytes, 6));
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "ShortDword", REG_DWORD, bytes, 2));
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "LongDword", REG_DWORD, bytes, 6));

    CString str = "kept";
    for (const char* name : {"Dword", "Expand", "Multi", "Four", "Missing"})
    {
        EXPECT_FALSE(CKwRegistry::ReadString(HKEY_CURRENT_USER, "Sub", name, str)) << name;
        EXPECT_STREQ("kept", str) << name;
    }
    EXPECT_FALSE(CKwRegistry::ReadString(HKEY_CURRENT_USER, "NoSuchKey", "Text", str));
    EXPECT_STREQ("kept", str);

    unsigned long number = 77;
    for (const char* name : {"Text", "Four", "ShortDword", "LongDword", "Missing"})
    {
        EXPECT_FALSE(CKwRegistry::ReadDword(HKEY_CURRENT_USER, "Sub", name, number)) << name;
        EXPECT_EQ(77ul, number) << name;
    }

    unsigned char block[7] = {1, 2, 3, 4, 5, 6, 7};
    const unsigned char original[7] = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_FALSE(CKwRegistry::ReadBinary(HKEY_CURRENT_USER, "Sub", "Four", block, 5)); // one byte short
    EXPECT_FALSE(CKwRegistry::ReadBinary(HKEY_CURRENT_USER, "Sub", "Six", block, 5));  // one byte over
    EXPECT_FALSE(CKwRegistry::ReadBinary(HKEY_CURRENT_USER, "Sub", "Dword", block, 4)); // REG_DWORD
    EXPECT_FALSE(CKwRegistry::ReadBinary(HKEY_CURRENT_USER, "Sub", "Missing", block, 4));
    EXPECT_EQ(0, memcmp(original, block, sizeof(block)));
    EXPECT_TRUE(CKwRegistry::ReadBinary(HKEY_CURRENT_USER, "Sub", "Six", block, 6));
    EXPECT_EQ(0, memcmp(bytes, block, 6));
    EXPECT_EQ(7, block[6]);
}

// Strings written by other programs: without a terminator, of odd size, or absurdly long.
TEST_F(Registry, StringsEndAtTheStoredDataAndHugeOnesAreRefused)
{
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "Bare", REG_SZ, "abcdefgh", 3));
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "None", REG_SZ, "", 0));
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "Inner", REG_SZ, "ab\0cd", 6));
    CString str;
    EXPECT_TRUE(CKwRegistry::ReadString(HKEY_CURRENT_USER, "Sub", "Bare", str));
    EXPECT_STREQ("abc", str);
    EXPECT_EQ(3, str.GetLength());
    EXPECT_TRUE(CKwRegistry::ReadString(HKEY_CURRENT_USER, "Sub", "None", str));
    EXPECT_STREQ("", str);
    EXPECT_TRUE(CKwRegistry::ReadString(HKEY_CURRENT_USER, "Sub", "Inner", str));
    EXPECT_STREQ("ab", str);

    std::string atCap(CKwRegistry::MaxStringBytes, 'x');
    atCap.back() = '\0';
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "AtCap", REG_SZ, atCap.data(), (DWORD)atCap.size()));
    EXPECT_TRUE(CKwRegistry::ReadString(HKEY_CURRENT_USER, "Sub", "AtCap", str));
    EXPECT_EQ((int)CKwRegistry::MaxStringBytes - 1, str.GetLength());

    std::string huge(CKwRegistry::MaxStringBytes + 1, 'y');
    ASSERT_TRUE(m_reg.Set(HKEY_CURRENT_USER, "Sub", "Huge", REG_SZ, huge.data(), (DWORD)huge.size()));
    str = "kept";
    EXPECT_FALSE(CKwRegistry::ReadString(HKEY_CURRENT_USER, "Sub", "Huge", str));
    EXPECT_STREQ("kept", str);
}

// A key nobody may write: every write says it failed and changes nothing; reads still work.
TEST_F(Registry, AKeyThatCannotBeWrittenRefusesWritesAndStillReads)
{
    ASSERT_TRUE(CKwRegistry::WriteString(HKEY_CURRENT_USER, "Sub", "Text", "stored"));
    ASSERT_TRUE(CKwRegistry::WriteDword(HKEY_CURRENT_USER, "Sub", "Number", 1));
    ASSERT_TRUE(m_reg.DenyWrites(HKEY_CURRENT_USER, "Sub"));
    const unsigned char block[2] = {1, 2};
    EXPECT_FALSE(CKwRegistry::WriteString(HKEY_CURRENT_USER, "Sub", "Text", "new"));
    EXPECT_FALSE(CKwRegistry::WriteDword(HKEY_CURRENT_USER, "Sub", "Number", 2));
    EXPECT_FALSE(CKwRegistry::WriteBinary(HKEY_CURRENT_USER, "Sub", "Block", block, 2));

    CString text;
    unsigned long number = 0;
    EXPECT_TRUE(CKwRegistry::ReadString(HKEY_CURRENT_USER, "Sub", "Text", text));
    EXPECT_STREQ("stored", text);
    EXPECT_TRUE(CKwRegistry::ReadDword(HKEY_CURRENT_USER, "Sub", "Number", number));
    EXPECT_EQ(1ul, number);
    EXPECT_TRUE(m_reg.DenyWrites(HKEY_CURRENT_USER, "Sub", false));
}

// Another program grows, shrinks and deletes a value while it is read: each read gives the whole
// value as stored at one moment, or fails and leaves the variable as it was.
TEST_F(Registry, AValueChangingOrVanishingWhileReadGivesAWholeValueOrNothing)
{
    const std::string longText(1000, 'l');
    HKEY hKey;
    ASSERT_TRUE(CKwRegistry::WriteString(HKEY_CURRENT_USER, "Sub", "Text", "s"));
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, m_reg.FullKey("Sub"), 0, KEY_WRITE, &hKey));
    std::atomic<bool> bStop{false};
    std::thread writer([&] {
        for (int i = 0; !bStop; i++)
            if (i % 3 == 2)
                ::RegDeleteValueA(hKey, "Text");
            else
                ::RegSetValueExA(hKey, "Text", 0, REG_SZ, (const BYTE*)(i % 3 ? longText.c_str() : "s"),
                    i % 3 ? (DWORD)longText.size() + 1 : 2);
    });
    for (int i = 0; i < 300; i++)
    {
        CString text = "kept";
        if (CKwRegistry::ReadString(HKEY_CURRENT_USER, "Sub", "Text", text))
            EXPECT_TRUE(text == "s" || text == longText.c_str()) << text.GetLength();
        else
            EXPECT_STREQ("kept", text);
    }
    bStop = true;
    writer.join();
    ::RegCloseKey(hKey);
}

} // namespace
