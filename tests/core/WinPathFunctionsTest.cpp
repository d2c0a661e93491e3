// The path functions file names rest on. On Windows these cases check our reading of the
// system's functions; elsewhere they check the equivalents against the same results.
#include "core/WinPathFunctions.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

struct Split {
    const char* path;
    const char* drive;
    const char* dir;
    const char* fname;
    const char* ext;
};

struct Combine {
    const char* dir;
    const char* file;
    const char* result; // nullptr when the call fails
};

struct Relative {
    const char* fromFolder;
    const char* toFile;
    const char* result; // nullptr when the call fails
};

// Splits the path and compares each part.
void ExpectSplit(const Split& expected)
{
    char drive[_MAX_PATH] = "?", dir[_MAX_PATH] = "?", fname[_MAX_PATH] = "?", ext[_MAX_PATH] = "?";
    _splitpath(expected.path, drive, dir, fname, ext);
    EXPECT_STREQ(expected.drive, drive) << expected.path;
    EXPECT_STREQ(expected.dir, dir) << expected.path;
    EXPECT_STREQ(expected.fname, fname) << expected.path;
    EXPECT_STREQ(expected.ext, ext) << expected.path;
}

} // namespace

TEST(WinPathFunctions, SplitAtDriveSeparatorsAndLastDot)
{
    const Split cases[] = {
        {"C:\\a\\b\\c.txt", "C:", "\\a\\b\\", "c", ".txt"},
        {"c.txt", "", "", "c", ".txt"},
        {"\\a\\b", "", "\\a\\", "b", ""},
        {"a/b/c.d.e", "", "a/b/", "c.d", ".e"},
        {"C:", "C:", "", "", ""},
        {"C:x", "C:", "", "x", ""},
        {".profile", "", "", "", ".profile"},
        {"a.\\b", "", "a.\\", "b", ""},
        {"\\\\srv\\s\\f.x", "", "\\\\srv\\s\\", "f", ".x"},
        {"a\\b.", "", "a\\", "b", "."},
        {"", "", "", "", ""},
    };
    for (const Split& c : cases)
        ExpectSplit(c);
}

TEST(WinPathFunctions, SplitEmptiesEveryPartWhenOneDoesNotFit)
{
    const std::string longest(_MAX_FNAME - 1, 'x');
    const std::string tooLong(_MAX_FNAME, 'x');
    const std::string cases[] = {
        "C:\\" + tooLong.substr(1) + "\\f.e", "C:" + tooLong + ".e", "C:." + tooLong, "C:" + tooLong + "\\",
    };
    for (const std::string& path : cases)
        ExpectSplit({path.c_str(), "", "", "", ""});
    const std::string dir = "\\" + longest.substr(2) + "\\";
    const std::string ext = "." + longest.substr(1);
    const std::string path = "C:" + dir + longest + ext;
    ExpectSplit({path.c_str(), "C:", dir.c_str(), longest.c_str(), ext.c_str()});
}

TEST(WinPathFunctions, MakePathAddsColonBackslashAndDot)
{
    const Split cases[] = {
        {"C:\\a\\b.txt", "C:", "\\a\\", "b", ".txt"},
        {"C:a\\b.txt", "C", "a", "b", "txt"},
        {"a/b", "", "a/", "b", ""},
        {"C:.e", "CD:", "", "", ".e"},
        {"", "", "", "", ""},
        {"\\", "", "\\", "", ""},
    };
    for (const Split& c : cases) {
        char path[_MAX_PATH];
        _makepath(path, c.drive, c.dir, c.fname, c.ext);
        EXPECT_STREQ(c.path, path);
    }
}

TEST(WinPathFunctions, CombineResolvesDotSegmentsBelowTheRoot)
{
    const Combine cases[] = {
        {"C:\\a\\x", "..\\y.txt", "C:\\a\\y.txt"},
        {"C:\\a\\x", "y.txt", "C:\\a\\x\\y.txt"},
        {"C:\\a\\x\\", "y.txt", "C:\\a\\x\\y.txt"},
        {"C:\\a", "..\\..\\b", "C:\\b"},
        {"C:\\a\\..\\b", "", "C:\\b"},
        {"C:\\a\\.\\b\\.", "c", "C:\\a\\b\\c"},
        {"C:\\a", "b\\", "C:\\a\\b\\"},
        {"C:\\a", ".", "C:\\a\\."},
        {"C:\\a", "..", "C:\\"},
        {"C:\\a", "..\\", "C:\\"},
        {"C:\\a\\b", "..\\..\\..", "C:\\"},
        {"C:\\a\\b", "c\\..\\..\\d", "C:\\a\\d"},
        {"C:\\a\\b\\..", "c", "C:\\a\\c"},
        {"C:\\a", "\\b", "C:\\b"},
        {"C:\\a", "D:\\b", "D:\\b"},
        {"C:\\a", "\\\\srv\\x", "\\\\srv\\x"},
        {"C:", "b", "C:\\b"},
        {"C:\\", "..", "C:\\"},
        {"x:", "", "x:\\"},
        {"\\\\srv\\share", "..\\x", "\\\\srv\\x"},
        {"\\a", "..\\..\\b", "\\b"},
        {"C:\\a/b", "..\\c", "C:\\c"},
        {"C:\\a\\.b", "c", "C:\\a\\.b\\c"},
        {"C:\\a.\\b..", "", "C:\\a.\\b.."},
        {"", "b", "b"},
        {"a", "b", "a\\b"},
        {"..\\a", "b", "..\\a\\b"},
        {".", "", "."},
        {"..", "", ".."},
    };
    for (const Combine& c : cases) {
        char buffer[MAX_PATH] = {0};
        char* result = PathCombineA(buffer, c.dir, c.file);
        ASSERT_NE(nullptr, result) << c.dir << " + " << c.file;
        EXPECT_STREQ(c.result, buffer) << c.dir << " + " << c.file;
    }
}

TEST(WinPathFunctions, CombineRefusesResultsBeyondMaxPath)
{
    char buffer[MAX_PATH];
    std::string longName(300, 'a');
    EXPECT_EQ(nullptr, PathCombineA(buffer, "C:\\", longName.c_str()));
    EXPECT_STREQ("", buffer);
    std::string name(250, 'a');
    EXPECT_EQ(nullptr, PathCombineA(buffer, "C:\\xxxxxxxxxxxxxxx", name.c_str()));
    EXPECT_STREQ("", buffer);
}

TEST(WinPathFunctions, RelativePathFromFolderToFile)
{
    const Relative cases[] = {
        {"C:\\a\\x", "C:\\a\\y.txt", "..\\y.txt"},
        {"C:\\a", "C:\\a\\b\\c.txt", ".\\b\\c.txt"},
        {"C:\\a\\", "C:\\a\\b.txt", "\\b.txt"},
        {"C:\\", "C:\\b.txt", ".\\b.txt"},
        {"C:\\A\\X", "c:\\a\\y.txt", "..\\y.txt"},
        {"C:\\a\\b\\c", "C:\\x\\y.txt", "..\\..\\..\\x\\y.txt"},
        {"C:\\ab", "C:\\a\\y.txt", "..\\a\\y.txt"},
        {"C:\\a", "C:\\ab\\y.txt", "..\\ab\\y.txt"},
        {"C:\\a", "C:\\a.txt", "..\\a.txt"},
        {"C:\\a\\b", "C:\\a\\b", "..\\b"},
        {"C:\\a\\\\b", "C:\\a\\c.txt", "..\\..\\c.txt"},
        {"C:\\a", "C:\\a\\", ".\\"},
        {"a\\b", "a\\c.txt", "..\\c.txt"},
        {"\\a\\b", "\\a\\c.txt", "..\\c.txt"},
        {"\\\\s\\h\\a", "\\\\s\\h\\b.txt", "..\\b.txt"},
        {"C:\\a", "D:\\a\\b.txt", nullptr},
        {"C:\\a", "\\\\s\\b.txt", nullptr},
        {"", "", nullptr},
    };
    for (const Relative& c : cases) {
        char buffer[MAX_PATH] = {0};
        BOOL ok = PathRelativePathToA(buffer, c.fromFolder, FILE_ATTRIBUTE_DIRECTORY, c.toFile, FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(c.result != nullptr, ok != FALSE) << c.fromFolder << " -> " << c.toFile;
        EXPECT_STREQ(c.result ? c.result : "", buffer) << c.fromFolder << " -> " << c.toFile;
    }
}

TEST(WinPathFunctions, RelativeMeansNoRootAndNoDrive)
{
    EXPECT_TRUE(PathIsRelativeA(""));
    EXPECT_TRUE(PathIsRelativeA("a"));
    EXPECT_TRUE(PathIsRelativeA(".\\a"));
    EXPECT_TRUE(PathIsRelativeA("/a"));
    EXPECT_FALSE(PathIsRelativeA("\\a"));
    EXPECT_FALSE(PathIsRelativeA("\\\\s\\x"));
    EXPECT_FALSE(PathIsRelativeA("C:"));
    EXPECT_FALSE(PathIsRelativeA("C:a"));
    EXPECT_FALSE(PathIsRelativeA("C:\\a"));
}

TEST(WinPathFunctions, AddBackslashOnceAndOnlyBelowMaxPath)
{
    const char* cases[][2] = {{"", ""}, {"a", "a\\"}, {"a\\", "a\\"}, {"C:", "C:\\"}, {"a/", "a/\\"}, {"\\", "\\"}};
    for (auto& c : cases) {
        char buffer[MAX_PATH + 1];
        strcpy(buffer, c[0]);
        char* end = PathAddBackslashA(buffer);
        EXPECT_STREQ(c[1], buffer);
        EXPECT_EQ(buffer + strlen(buffer), end);
    }
    char buffer[MAX_PATH + 2];
    memset(buffer, 'a', MAX_PATH - 1);
    buffer[MAX_PATH - 1] = '\0';
    EXPECT_NE(nullptr, PathAddBackslashA(buffer)); // 259 characters grow to 260
    EXPECT_EQ(size_t(MAX_PATH), strlen(buffer));
    EXPECT_EQ(nullptr, PathAddBackslashA(buffer));
    EXPECT_EQ(size_t(MAX_PATH), strlen(buffer));
}
