// The path functions file names rest on. On Windows these cases check our reading of the
// system's functions; elsewhere they check the equivalents against the same results.
#include "core/WinPathFunctions.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

struct Parts {
    const char* path;
    const char* drive;
    const char* dir;
    const char* fname;
    const char* ext;
};

// Two paths and what the function makes of them; nullptr when the call fails.
struct Pair {
    const char* first;
    const char* second;
    const char* result;
};

void ExpectSplit(const Parts& expected)
{
    char drive[_MAX_PATH] = "?", dir[_MAX_PATH] = "?", fname[_MAX_PATH] = "?", ext[_MAX_PATH] = "?";
    _splitpath(expected.path, drive, dir, fname, ext);
    EXPECT_EQ(std::string(expected.drive) + "|" + expected.dir + "|" + expected.fname + "|" + expected.ext,
        std::string(drive) + "|" + dir + "|" + fname + "|" + ext) << expected.path;
}

} // namespace

TEST(WinPathFunctions, SplitAtDriveSeparatorsAndLastDotUnlessAPartDoesNotFit)
{
    const Parts cases[] = {
        {"C:\\a\\b\\c.txt", "C:", "\\a\\b\\", "c", ".txt"}, {"a/b/c.d.e", "", "a/b/", "c.d", ".e"},
        {"C:", "C:", "", "", ""}, {".profile", "", "", "", ".profile"}, {"a.\\b", "", "a.\\", "b", ""},
        {"\\\\srv\\s\\f.x", "", "\\\\srv\\s\\", "f", ".x"}, {"a\\b.", "", "a\\", "b", "."},
    };
    for (const Parts& c : cases)
        ExpectSplit(c);

    const std::string longest(_MAX_FNAME - 1, 'x');
    const std::string tooLong(_MAX_FNAME, 'x');
    for (const std::string& path : {"C:\\" + tooLong.substr(1) + "\\f.e", "C:" + tooLong + ".e", "C:." + tooLong})
        ExpectSplit({path.c_str(), "", "", "", ""});
    const std::string dir = "\\" + longest.substr(2) + "\\";
    const std::string ext = "." + longest.substr(1);
    const std::string path = "C:" + dir + longest + ext;
    ExpectSplit({path.c_str(), "C:", dir.c_str(), longest.c_str(), ext.c_str()});
}

TEST(WinPathFunctions, MakePathAddsColonBackslashAndDot)
{
    const Parts cases[] = {
        {"C:\\a\\b.txt", "C:", "\\a\\", "b", ".txt"}, {"C:a\\b.txt", "C", "a", "b", "txt"},
        {"a/b", "", "a/", "b", ""}, {"C:.e", "CD:", "", "", ".e"}, {"", "", "", "", ""},
    };
    for (const Parts& c : cases) {
        char path[_MAX_PATH];
        _makepath(path, c.drive, c.dir, c.fname, c.ext);
        EXPECT_STREQ(c.path, path);
    }
}

TEST(WinPathFunctions, CombineResolvesDotSegmentsBelowTheRootAndRefusesOverlongResults)
{
    const std::string name250(250, 'a'), name300(300, 'a');
    const Pair cases[] = {
        {"C:\\a\\x", "..\\y.txt", "C:\\a\\y.txt"},
        {"C:\\a\\x\\", "y.txt", "C:\\a\\x\\y.txt"},
        {"C:\\a\\.\\b\\.", "c", "C:\\a\\b\\c"},
        {"C:\\a", "b\\", "C:\\a\\b\\"},
        {"C:\\a", ".", "C:\\a\\."},
        {"C:\\a\\b", "..\\..\\..", "C:\\"},
        {"C:\\a\\b", "c\\..\\..\\d", "C:\\a\\d"},
        {"C:\\a", "\\b", "C:\\b"},
        {"C:\\a", "D:\\b", "D:\\b"},
        {"C:\\a", "\\\\srv\\x", "\\\\srv\\x"},
        {"x:", "", "x:\\"},
        {"\\\\srv\\share", "..\\x", "\\\\srv\\x"},
        {"\\a", "..\\..\\b", "\\b"},
        {"..\\a", "b", "..\\a\\b"},
        {"C:\\", name300.c_str(), nullptr},
        {"C:\\xxxxxxxxxxxxxxx", name250.c_str(), nullptr},
    };
    for (const Pair& c : cases) {
        char buffer[MAX_PATH] = "?";
        EXPECT_EQ(c.result != nullptr, PathCombineA(buffer, c.first, c.second) != nullptr) << c.first;
        EXPECT_STREQ(c.result ? c.result : "", buffer) << c.first << " + " << c.second;
    }
}

TEST(WinPathFunctions, RelativePathFromFolderToFile)
{
    const Pair cases[] = {
        {"C:\\a\\x", "C:\\a\\y.txt", "..\\y.txt"},
        {"C:\\a", "C:\\a\\b\\c.txt", ".\\b\\c.txt"},
        {"C:\\a\\", "C:\\a\\b.txt", "\\b.txt"},
        {"C:\\", "C:\\b.txt", ".\\b.txt"},
        {"C:\\A\\X", "c:\\a\\y.txt", "..\\y.txt"},
        {"C:\\a\\b\\c", "C:\\x\\y.txt", "..\\..\\..\\x\\y.txt"},
        {"C:\\ab", "C:\\a\\y.txt", "..\\a\\y.txt"},
        {"C:\\a\\\\b", "C:\\a\\c.txt", "..\\..\\c.txt"},
        {"\\\\s\\h\\a", "\\\\s\\h\\b.txt", "..\\b.txt"},
        {"C:\\a", "D:\\a\\b.txt", nullptr},
        {"C:\\a", "\\\\s\\b.txt", nullptr},
    };
    for (const Pair& c : cases) {
        char buffer[MAX_PATH] = {0};
        BOOL ok = PathRelativePathToA(buffer, c.first, FILE_ATTRIBUTE_DIRECTORY, c.second, FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(c.result != nullptr, ok != FALSE) << c.first << " -> " << c.second;
        EXPECT_STREQ(c.result ? c.result : "", buffer) << c.first << " -> " << c.second;
    }
}

TEST(WinPathFunctions, RelativeMeansNoRootAndNoDriveAndTheBackslashIsAddedOnce)
{
    for (const char* path : {"", "a", ".\\a", "/a"})
        EXPECT_TRUE(PathIsRelativeA(path)) << path;
    for (const char* path : {"\\a", "\\\\s\\x", "C:", "C:a"})
        EXPECT_FALSE(PathIsRelativeA(path)) << path;

    const char* cases[][2] = {{"", ""}, {"a", "a\\"}, {"a\\", "a\\"}, {"a/", "a/\\"}};
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
    EXPECT_EQ(nullptr, PathAddBackslashA(buffer));
    EXPECT_EQ(size_t(MAX_PATH), strlen(buffer));
}
