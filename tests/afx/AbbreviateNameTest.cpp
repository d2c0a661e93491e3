// Paths shortened for menus: folders next to the root give way first, the file name last.
#include <gtest/gtest.h>

#include "afxabbrev.h"
#include "support/TestRandom.h"

#include <string>

TEST(AbbreviateName, DropsTheFoldersNextToTheRootUntilThePathFits)
{
    const struct
    {
        const char* path;
        int nMax;
        BOOL bAtLeastName;
        const char* expected;
    } cases[] = {
        {"c:\\docs\\a.txt", 30, TRUE, "c:\\docs\\a.txt"},
        {"c:\\projects\\kwui\\platform\\afx\\CRecentFileList.cpp", 30, TRUE, "c:\\...\\afx\\CRecentFileList.cpp"},
        {"c:\\projects\\kwui\\platform\\afx\\CRecentFileList.cpp", 39, TRUE, "c:\\...\\platform\\afx\\CRecentFileList.cpp"},
        {"c:\\projects\\kwui\\platform\\afx\\CRecentFileList.cpp", 49, TRUE, "c:\\projects\\kwui\\platform\\afx\\CRecentFileList.cpp"},
        {"c:\\projects\\kwui\\platform\\afx\\CRecentFileList.cpp", -1, TRUE, "c:\\projects\\kwui\\platform\\afx\\CRecentFileList.cpp"},
        {"\\\\server\\share\\one\\two\\three\\file.txt", 30, TRUE, "\\\\server\\share\\...\\file.txt"},
        {"\\\\server\\share\\one\\two\\three\\file.txt", 33, TRUE, "\\\\server\\share\\...\\three\\file.txt"},
        {"\\top\\middle\\bottom\\file.txt", 20, TRUE, "\\...\\bottom\\file.txt"},
        {"dir1\\dir2\\file.txt", 12, TRUE, "...\\file.txt"},
        // Where not even the root and one name fit, the name stands alone.
        {"c:\\averyveryverylongfolder\\name.txt", 10, TRUE, "name.txt"},
        {"c:\\verylongfilenameindeed.txt", 20, TRUE, "verylongfilenameindeed.txt"},
        {"c:\\verylongfilenameindeed.txt", 20, FALSE, ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, AfxAbbreviateName(c.path, c.nMax, c.bAtLeastName)) << c.path << " to " << c.nMax;
}

TEST(AbbreviateName, RandomPathsComeOutWithinTheLengthAndEndInTheirName)
{
    TestRandom random(20261207);
    const char* const roots[] = {"", "c:\\", "\\", "\\\\srv\\sh\\"};
    for (int n = 0; n < 2000; n++)
    {
        std::string path = roots[random.Below(4)];
        std::string name;
        int nParts = (int)random.Below(6);
        for (int i = 0; i <= nParts; i++)
        {
            name = std::string(1 + random.Below(12), (char)('a' + random.Below(26)));
            path += name;
            if (i < nParts)
                path += '\\';
        }
        int nMax = (int)random.Below(50);
        BOOL bAtLeastName = random.Below(2);
        std::string shown = AfxAbbreviateName(path.c_str(), nMax, bAtLeastName).GetString();
        if ((int)name.size() > nMax)
        {
            EXPECT_EQ(bAtLeastName ? name : "", shown) << path << " to " << nMax;
            continue;
        }
        EXPECT_LE((int)shown.size(), nMax) << path;
        ASSERT_GE(shown.size(), name.size()) << path;
        EXPECT_EQ(name, shown.substr(shown.size() - name.size())) << path << " to " << nMax;
        // Only whole folders go, and only when the path is too long.
        if ((int)path.size() <= nMax) {
            EXPECT_EQ(path, shown);
        } else if (shown != name) {
            EXPECT_NE(std::string::npos, shown.find("...\\")) << path << " to " << nMax;
        }
    }
}
