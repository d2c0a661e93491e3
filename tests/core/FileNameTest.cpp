// File names: splitting and joining, relative and absolute paths, over-long input.
#include "core/CFileName.h"

#include <gtest/gtest.h>
#include <string>

TEST(FileName, SplitsAndJoinsItsParts)
{
    CFileName name("C:\\data\\sub\\report.final.txt");
    EXPECT_EQ("C:", name.GetDrive());
    EXPECT_EQ("\\data\\sub\\", name.GetDir());
    EXPECT_EQ("report.final", name.GetFName());
    EXPECT_EQ(".txt", name.GetExt());
    EXPECT_EQ("C:\\data\\sub\\report.final.txt", name.Get());
    EXPECT_EQ("C:\\data\\sub\\report.final.txt", (CString)name);

    CFileName empty;
    EXPECT_EQ("", empty.Get());
    CFileName fromNull(nullptr);
    EXPECT_EQ("", fromNull.Get());

    name.SetExt("bak");
    name.SetDir("d");
    EXPECT_EQ("C:d\\report.final.bak", name.Get());
}

TEST(FileName, SettersCutOverLongParts)
{
    CFileName name;
    name.SetDrive("ABC");
    EXPECT_EQ("AB", name.GetDrive());
    std::string longPart(1000, 'x');
    name.SetDir(longPart.c_str());
    name.SetFName(longPart.c_str());
    name.SetExt(longPart.c_str());
    EXPECT_EQ(255, name.GetDir().GetLength());
    EXPECT_EQ(255, name.GetFName().GetLength());
    EXPECT_EQ(255, name.GetExt().GetLength());
    // All parts at their longest join to more than a path may hold: nothing is lost.
    EXPECT_EQ(2 + 255 + 1 + 255 + 1 + 255, name.Get().GetLength());
    name.SetDir(nullptr);
    EXPECT_EQ("", name.GetDir());
}

TEST(FileName, APathTooLongToSplitLeavesTheNameEmpty)
{
    std::string dir = "C:\\" + std::string(400, 'd') + "\\";
    std::string path = dir + std::string(300, 'f') + "." + std::string(300, 'e');
    CFileName name("D:\\old.txt");
    name.Set(path.c_str());
    EXPECT_EQ("", name.Get());
}

// The shell functions beneath are checked case by case elsewhere; these are the file name's own
// rules: a leading ".\" or "\" dropped, and the input given back when the shell fails or
// the path is too long for it.
TEST(FileName, RelativeAndAbsolutePathsFromAFolder)
{
    EXPECT_EQ("b\\c.txt", CFileName::AbsoluteToRelative("C:\\a", "C:\\a\\b\\c.txt"));
    EXPECT_EQ("b.txt", CFileName::AbsoluteToRelative("C:\\a\\", "C:\\a\\b.txt"));
    EXPECT_EQ("..\\..\\x\\y.txt", CFileName::AbsoluteToRelative("C:\\A\\B\\c", "c:\\a\\x\\y.txt"));
    EXPECT_EQ("D:\\a\\b.txt", CFileName::AbsoluteToRelative("C:\\a", "D:\\a\\b.txt"));
    std::string longFolder = "C:\\" + std::string(300, 'a');
    EXPECT_EQ("C:\\a\\b.txt", CFileName::AbsoluteToRelative(longFolder.c_str(), "C:\\a\\b.txt"));

    EXPECT_EQ("C:\\a\\y.txt", CFileName::RelativeToAbsolute("C:\\a\\x", "..\\y.txt"));
    std::string longName(300, 'n');
    EXPECT_EQ(longName.c_str(), CFileName::RelativeToAbsolute("C:\\a", longName.c_str()));
    std::string nearlyLong(250, 'n');
    EXPECT_EQ(nearlyLong.c_str(), CFileName::RelativeToAbsolute("C:\\folder\\sub", nearlyLong.c_str()));

    // A document resolves relative names against its own folder and leaves the others alone.
    CFileName doc("C:\\docs\\project\\desk.kw");
    EXPECT_EQ("D:\\other\\f.txt", doc.GetAbsoluteFor("D:\\other\\f.txt"));
    EXPECT_EQ("\\root.txt", doc.GetAbsoluteFor("\\root.txt"));
    EXPECT_EQ("C:\\docs\\g.txt", doc.GetAbsoluteFor("..\\g.txt"));
}

TEST(FileName, AddBackslash)
{
    EXPECT_EQ("C:\\a\\", CFileName::AddBackslash("C:\\a"));
    // An over-long path is cut to make room for the backslash.
    std::string longPath(400, 'p');
    CString cut = CFileName::AddBackslash(longPath.c_str());
    EXPECT_EQ(MAX_PATH, cut.GetLength());
    EXPECT_EQ('\\', cut[MAX_PATH - 1]);
}
