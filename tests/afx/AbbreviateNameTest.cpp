// Paths shortened for menus: folders next to the root give way first, the file name last.
#include <gtest/gtest.h>

#include "afxabbrev.h"

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
        {"c:\\folder\\name10.txt", 10, FALSE, "name10.txt"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, AfxAbbreviateName(c.path, c.nMax, c.bAtLeastName)) << c.path << " to " << c.nMax;
}
