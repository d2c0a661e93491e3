// The options store: loading on construction, saving on destruction, the machine-wide copy and
// the defaults, with values placed in and read from the registry directly.
#include "core/KwOptions.h"
#include "support/TestRegistryApp.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

namespace {

const unsigned char defaultBlock[5] = {10, 20, 30, 40, 50};

class CTestOptions : public CKwOptions
{
public:
    CTestOptions()
    {
        RegisterOption("Text", m_strText, "default text");
        RegisterOption("NoDefault", m_strNoDefault, NULL);
        RegisterOption("Number", m_nNumber, 7);
        RegisterOption("Block", m_block, sizeof(m_block), defaultBlock);
        FinishRegisterOptions();
    }
    using CKwOptions::SaveToCurrentUser;

    CString m_strText;
    CString m_strNoDefault;
    unsigned long m_nNumber = 0;
    unsigned char m_block[5] = {};
};

typedef CKwOptionsSaver<CTestOptions> CSavedOptions;

static_assert(std::is_abstract<CTestOptions>::value, "an options class is made only through its saver");
static_assert(!std::is_abstract<CSavedOptions>::value, "the saver completes it");

class Options : public ::testing::Test
{
protected:
    TestRegistryApp m_reg{"options"};

    void Put(HKEY root, const char* name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_TRUE(m_reg.Set(root, "Options", name, type, data, size)) << name;
    }
    std::string Stored(HKEY root, const char* name, DWORD expectedType)
    {
        DWORD type = REG_NONE;
        std::string data;
        EXPECT_TRUE(m_reg.Get(root, "Options", name, type, data)) << name;
        EXPECT_EQ(expectedType, type) << name;
        return data;
    }
    static void ExpectDefaults(const CTestOptions& options)
    {
        EXPECT_STREQ("default text", options.m_strText);
        EXPECT_STREQ("", options.m_strNoDefault);
        EXPECT_EQ(7ul, options.m_nNumber);
        EXPECT_EQ(0, memcmp(defaultBlock, options.m_block, 5));
    }
    static void Scribble(CTestOptions& options)
    {
        options.m_strText = "changed";
        options.m_strNoDefault = "set";
        options.m_nNumber = 99;
        memset(options.m_block, 0xEE, 5);
    }
};

// Deleted through the base class, as a host holding options by their base pointer does.
TEST_F(Options, NothingStoredGivesDefaultsAndDestructionSavesTheLiveValues)
{
    CTestOptions* options = new CSavedOptions;
    ExpectDefaults(*options);
    EXPECT_FALSE(m_reg.KeyExists(HKEY_CURRENT_USER, "Options")); // loading writes nothing
    options->m_strText = std::string(300, 'q').c_str();
    options->m_nNumber = 0xFFFFFFFFul;
    delete static_cast<CKwOptions*>(options);
    EXPECT_EQ(std::string(300, 'q') + '\0', Stored(HKEY_CURRENT_USER, "Text", REG_SZ));
    EXPECT_EQ(std::string(1, '\0'), Stored(HKEY_CURRENT_USER, "NoDefault", REG_SZ));
    EXPECT_EQ(std::string(4, '\xFF'), Stored(HKEY_CURRENT_USER, "Number", REG_DWORD));
    EXPECT_EQ(std::string((const char*)defaultBlock, 5), Stored(HKEY_CURRENT_USER, "Block", REG_BINARY));
    EXPECT_FALSE(m_reg.KeyExists(HKEY_LOCAL_MACHINE, "Options"));
}

TEST_F(Options, EachOptionLoadsTheUsersValueElseTheMachinesElseItsDefault)
{
    const DWORD userNumber = 1, machineNumber = 2;
    Put(HKEY_CURRENT_USER, "Number", REG_DWORD, &userNumber, 4);
    Put(HKEY_LOCAL_MACHINE, "Number", REG_DWORD, &machineNumber, 4);
    Put(HKEY_LOCAL_MACHINE, "Text", REG_SZ, "machine", 8);
    Put(HKEY_LOCAL_MACHINE, "Block", REG_BINARY, "12345", 5);
    Put(HKEY_CURRENT_USER, "Block", REG_BINARY, "123456", 6); // the user's block is refused

    CSavedOptions options;
    EXPECT_EQ(1ul, options.m_nNumber);
    EXPECT_STREQ("machine", options.m_strText);
    EXPECT_EQ(0, memcmp("12345", options.m_block, 5));
    EXPECT_STREQ("", options.m_strNoDefault);
}

// Without the machine's key every option takes its default; with a partial key the values
// there are read, the rest take their defaults, and the read still reports the failure.
TEST_F(Options, ReadFromLocalMachineReadsWhatItCanAndDefaultsTheRest)
{
    CSavedOptions options;
    Scribble(options);
    EXPECT_FALSE(options.ReadFromLocalMachine());
    ExpectDefaults(options);

    Put(HKEY_LOCAL_MACHINE, "NoDefault", REG_SZ, "machine", 8);
    Scribble(options);
    EXPECT_FALSE(options.ReadFromLocalMachine());
    EXPECT_STREQ("machine", options.m_strNoDefault);
    EXPECT_STREQ("default text", options.m_strText);
    EXPECT_EQ(7ul, options.m_nNumber);
    EXPECT_EQ(0, memcmp(defaultBlock, options.m_block, 5));
}

TEST_F(Options, TheMachineCopyRoundTripsAndDefaultsComeBack)
{
    CSavedOptions options;
    Scribble(options);
    EXPECT_TRUE(options.WriteToLocalMachine());
    EXPECT_EQ(std::string("changed", 8), Stored(HKEY_LOCAL_MACHINE, "Text", REG_SZ));
    EXPECT_EQ(std::string("c\0\0\0", 4), Stored(HKEY_LOCAL_MACHINE, "Number", REG_DWORD));
    EXPECT_EQ(std::string(5, '\xEE'), Stored(HKEY_LOCAL_MACHINE, "Block", REG_BINARY));
    EXPECT_FALSE(m_reg.KeyExists(HKEY_CURRENT_USER, "Options"));

    EXPECT_TRUE(options.RestoreDefault());
    ExpectDefaults(options);
    EXPECT_TRUE(options.ReadFromLocalMachine());
    EXPECT_STREQ("changed", options.m_strText);
    EXPECT_STREQ("set", options.m_strNoDefault);
    EXPECT_EQ(99ul, options.m_nNumber);
    EXPECT_EQ(std::string(5, '\xEE'), std::string((const char*)options.m_block, 5));
}

TEST_F(Options, WithoutAnApplicationKeyTheSaveFailsQuietly)
{
    CSavedOptions options;
    free((void*)m_reg.m_app.m_pszRegistryKey);
    m_reg.m_app.m_pszRegistryKey = NULL;
    EXPECT_FALSE(options.SaveToCurrentUser());
    EXPECT_FALSE(options.WriteToLocalMachine());
    Scribble(options);
    EXPECT_FALSE(options.ReadFromLocalMachine());
    ExpectDefaults(options);
}

} // namespace
