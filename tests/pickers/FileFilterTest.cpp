// What the file dialog reads from filter texts, "Open as:" lists and typed names.
#include "pickers/KwFileFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(FileFilter, FiltersAreFoundByNameAndGiveTheirFirstPlainExtension)
{
    const char* two = "Text|*.txt|All|*.*|";
    EXPECT_EQ(2, CKwFileFilter::Count(two));
    EXPECT_EQ(1, CKwFileFilter::Count("Text|*.txt")); // the last bar left off
    EXPECT_EQ(0, CKwFileFilter::Count("Text|"));

    struct { const char* filter; const char* ext; int index; } finds[] = {
        {two, ".txt", 1}, {two, ".doc", 0}, {two, "", 0},
        {"Text|*.csv|Comma|*.txt", ".txt", 2},
        {"Any|*.*|*.txt|x|", ".txt", 0}, // a description is no pattern
        {"Pictures|*.jpg;*.txt|", ".txt", 0},
    };
    for (const auto& c : finds)
        EXPECT_EQ(c.index, CKwFileFilter::IndexForExtension(c.filter, c.ext)) << c.filter << " " << c.ext;

    std::string longest = "." + std::string(254, 'x'); // an extension of 255 characters
    struct { std::string filter; int index; std::string ext; } exts[] = {
        {two, 1, ".txt"}, {two, 2, ""}, {two, 0, ""}, {two, 3, ""}, {two, -1, ""},
        {"Pictures| *.jpg ;*.png|", 1, ".jpg"},
        {"Readme|readme.txt|", 1, ""}, {"Old|*.t?t|", 1, ""}, {"None|*.|", 1, ""}, {"Text||", 1, ""},
        {"Text|*.txt", 1, ".txt"},
        {"Long|*" + longest + "|", 1, longest}, {"Long|*" + longest + "x|", 1, ""},
    };
    for (const auto& c : exts)
        EXPECT_STREQ(c.ext.c_str(), CKwFileFilter::Extension(c.filter.c_str(), c.index)) << c.filter << " " << c.index;
}

TEST(FileFilter, OpenAsListsAndTypedNames)
{
    struct { const char* list; std::vector<std::string> pieces; } lists[] = {
        {"Model|Text|", {"Model", "Text"}}, {"Model|Text", {"Model"}}, {"|Model|", {}}, {"A||B|", {"A"}}, {"", {}},
    };
    for (const auto& c : lists) {
        CStringArray pieces;
        pieces.Add("stale");
        CKwFileFilter::SplitList(c.list, pieces);
        std::vector<std::string> got;
        for (int i = 0; i < pieces.GetSize(); i++)
            got.push_back(pieces[i].GetString());
        EXPECT_EQ(c.pieces, got) << c.list;
    }

    struct { const char* path; const char* ext; const char* renamed; } names[] = {
        {"report", "", "report.csv"}, {"report.txt", ".txt", "report.csv"}, {"a.tar.gz", ".gz", "a.tar.csv"},
        {"C:\\a.b\\name", "", "C:\\a.b\\name.csv"}, {"x/y.TXT", ".TXT", "x/y.csv"}, {"C:.profile", ".profile", "C:.csv"},
        {"C:\\data\\", "", "C:\\data\\"}, {"", "", ""},
    };
    for (const auto& c : names) {
        EXPECT_STREQ(c.ext, CKwFileFilter::ExtensionOf(c.path)) << c.path;
        EXPECT_STREQ(c.renamed, CKwFileFilter::WithExtension(c.path, ".csv")) << c.path;
    }
}
