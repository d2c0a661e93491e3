// Moments and lengths of time: local parts, arithmetic across a month's end, out-of-range parts,
// and formatting with strftime's codes (unknown codes, long results).
#include <afx.h>
#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TimeTest, PartsRoundTripAndArithmeticCrossesTheMonth)
{
    CTime leapDay(2024, 2, 29, 13, 45, 30);
    CString strParts;
    strParts.Format("%d %d %d %d %d %d, day %d", leapDay.GetYear(), leapDay.GetMonth(), leapDay.GetDay(),
        leapDay.GetHour(), leapDay.GetMinute(), leapDay.GetSecond(), leapDay.GetDayOfWeek());
    EXPECT_EQ("2024 2 29 13 45 30, day 5", std::string(strParts)); // a Thursday; Sunday is 1

    CTime later = leapDay + CTimeSpan(1, 2, 3, 4);
    EXPECT_EQ("2024-03-01 15:48:34", std::string(later.Format("%Y-%m-%d %H:%M:%S")));
    CTimeSpan span = later - leapDay;
    EXPECT_EQ(93784, span.GetTotalSeconds());
    EXPECT_EQ("1 day(s) 02:03:04 100%", std::string(span.Format("%D day(s) %H:%M:%S 100%%")));
    EXPECT_TRUE(leapDay < later && later > leapDay);
}

TEST(TimeTest, PartsOutOfRangeGiveAnInvalidTime)
{
    const int parts[][6] = {{2024, 13, 1, 0, 0, 0}, {2024, 0, 1, 0, 0, 0}, {2024, 1, 0, 0, 0, 0},
        {2024, 1, 32, 0, 0, 0}, {2024, 1, 1, 24, 0, 0}, {2024, 1, 1, 0, 60, 0}, {2024, 1, 1, 0, 0, 60},
        {1899, 12, 31, 0, 0, 0}};
    for (const auto& p : parts)
        EXPECT_EQ(-1, (long long)CTime(p[0], p[1], p[2], p[3], p[4], p[5]).GetTime()) << p[0] << "-" << p[1];
    CTime invalid(2024, 13, 1, 0, 0, 0);
    EXPECT_EQ(0, invalid.GetYear());
    EXPECT_EQ("", std::string(invalid.Format("%Y")));
}

TEST(TimeTest, FormatKeepsUnknownCodesAndLongResults)
{
    CTime leapDay(2024, 2, 29, 13, 45, 30);
    EXPECT_EQ("Thursday % %Q %", std::string(leapDay.Format("%A %% %Q %")));
    EXPECT_EQ("1970-01-01 00:00", std::string(CTime((time_t)0).FormatGmt("%Y-%m-%d %H:%M")));
    std::string strFormat, strExpected; // longer than any first guess of a buffer
    for (int i = 0; i < 200; i++)
    {
        strFormat += "%B ";
        strExpected += "February ";
    }
    EXPECT_EQ(strExpected, std::string(leapDay.Format(strFormat.c_str())));
}

} // namespace
