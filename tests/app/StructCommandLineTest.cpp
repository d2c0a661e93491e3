// The editor's command line: the modes, the values of their switches and the model in any
// order, and the command lines it refuses with a reason.
#include "StructCommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

BOOL Parse(CStructCommandLine& line, std::vector<const char*> args)
{
    args.insert(args.begin(), "kwdemo.exe");
    return line.Parse((int)args.size(), args.data());
}

} // namespace

TEST(StructCommandLine, ModesTheirValuesAndTheModelInAnyOrder)
{
    struct Case
    {
        std::vector<const char*> args;
        CStructCommandLine::EMode eMode;
        const char* pszFolder;
        const char* pszModel;
        const char* pszCopy;
    };
    const Case cases[] = {
        {{}, CStructCommandLine::eInteractive, "", "", ""},
        {{"C:\\m.kwm"}, CStructCommandLine::eInteractive, "", "C:\\m.kwm", ""},
        {{"C:\\m.kwm", "-TOUR", "/tmp/pictures"}, CStructCommandLine::eTour, "/tmp/pictures", "C:\\m.kwm", ""},
        {{"/save", "/copy.kwm", "/Timing", "big.kwm"}, CStructCommandLine::eTiming, "", "big.kwm", "/copy.kwm"},
    };
    for (const Case& c : cases)
    {
        CStructCommandLine line;
        ASSERT_TRUE(Parse(line, c.args)) << line.m_strError;
        EXPECT_EQ(c.eMode, line.m_eMode);
        EXPECT_STREQ(c.pszFolder, line.m_strTourFolder);
        EXPECT_STREQ(c.pszModel, line.m_strModel);
        EXPECT_STREQ(c.pszCopy, line.m_strSaveCopy);
    }
    CStructCommandLine sample;
    ASSERT_TRUE(Parse(sample, {"/make-sample", "s.kwm", "1000", "10"}));
    EXPECT_EQ(CStructCommandLine::eSample, sample.m_eMode);
    EXPECT_STREQ("s.kwm", sample.m_strModel);
    EXPECT_EQ(1000, sample.m_nSampleMembers);
    EXPECT_EQ(10, sample.m_nSampleWindows);
    CStructCommandLine soak;
    ASSERT_TRUE(Parse(soak, {"/soak", "30", "/tour", "p"}));
    EXPECT_EQ(30, soak.m_nSoakMinutes);
}

TEST(StructCommandLine, RefusesWhatItCannotFollowAndSaysWhy)
{
    const std::vector<const char*> refused[] = {{"/tour"}, {"/tour", ""}, {"/tours", "x"}, {"/tour", "x", "/timing"},
        {"a.kwm", "b.kwm"}, {"/timing", "/save", "c.kwm"}, {"/make-sample", "s.kwm", "0", "1"},
        {"/make-sample", "s.kwm", "10", "16"}, {"/make-sample", "s.kwm", "1e3", "1"}, {"/make-sample", "s.kwm", "5"},
        {"/soak", "5"}, {"/tour", "x", "/soak", "0"}, {"/tour", "x", "/soak"}, {"/timing", "/soak", "5"}};
    for (const std::vector<const char*>& args : refused)
    {
        CStructCommandLine line;
        EXPECT_FALSE(Parse(line, args)) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(line.m_strError.IsEmpty());
    }
}
