#include <gtest/gtest.h>
#include <cstring>

extern "C" const char* AfxGetModuleVersion();

TEST(Module, ReportsItsVersion)
{
    EXPECT_EQ(0, strncmp(AfxGetModuleVersion(), "kwafx", 5));
}
