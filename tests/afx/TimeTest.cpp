// Moments and lengths of time: local parts, arithmetic across month ends, out-of-range parts,
// and formatting with strftime's codes (unknown codes, long results).
#include <afx.h>
#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TimeTest, PartsRoundTripAndArithmeticCrossesTheMonth)
{
    CTime leapDay(2024, 2, 29, 13, 45, 30);
    EXPECT_EQ(2024, leapDay.GetYear());
    EXPECT_EQ(2, leapDay.GetMonth());
    EXPECT_EQ(29, leapDay.GetDay());
    EXPECT_EQ(13, leapDay.GetHour());
    EXPECT_EQ(45, leapDay.GetMinute());
    EXPECT_EQ(30, leapDay.GetSecond());
    EXPECT_EQ(5, leapDay.GetDayOfWeek()); // a Thursday; Sunday is 1

    CTime later = leapDay + CTimeSpan(1, 2, 3, 4);
    EXPECT_EQ(3, later.GetMonth());
    EXPECT_EQ(1, later.GetDay());
    EXPECT_EQ(15, later.GetHour());
    CTimeSpan span = later - leapDay;
    EXPECT_EQ(93784, span.GetTotalSeconds());
    EXPECT_EQ(1, span.GetDays());
    EXPECT_EQ(2, span.GetHours());
    EXPECT_EQ(3, span.GetMinutes());
    EXPECT_EQ(4, span.GetSeconds());
    EXPECT_EQ(26, span.GetTotalHours());
    EXPECT_TRUE(leapDay < later && later > leapDay && leapDay != later);
    later -= span;
    EXPECT_TRUE(later == leapDay);
    EXPECT_EQ("1 day(s) 02:03:04 100%", std::string(span.Format("%D day(s) %H:%M:%S 100%%")));
}

TEST(TimeTest, PartsOutOfRangeGiveAnInvalidTime)
{
    const int parts[][6] = {{2024, 13, 1, 0, 0, 0}, {2024, 0, 1, 0, 0, 0}, {2024, 1, 0, 0, 0, 0},
        {2024, 1, 32, 0, 0, 0}, {2024, 1, 1, 24, 0, 0}, {2024, 1, 1, 0, 60, 0}, {2024, 1, 1, 0, 0, 60},
        {1899, 12, 31, 0, 0, 0}};
    for (const auto& p : parts)
    {
        CTime time(p[0], p[1], p[2], p[3], p[4], p[5]);
        EXPECT_EQ(-1, (long long)time.GetTime()) << p[0] << "-" << p[1] << "-" << p[2];
    }
    CTime invalid(2024, 13, 1, 0, 0, 0);
    EXPECT_EQ(0, invalid.GetYear());
    EXPECT_EQ(0, invalid.GetDayOfWeek());
}

TEST(TimeTest, FormatKeepsUnknownCodesAndLongResults)
{
    CTime leapDay(2024, 2, 29, 13, 45, 30);
    EXPECT_EQ("2024-02-29 13:45:30 Thursday % %Q %", std::string(leapDay.Format("%Y-%m-%d %H:%M:%S %A %% %Q %")));
    EXPECT_EQ("1970-01-01 00:00", std::string(CTime((time_t)0).FormatGmt("%Y-%m-%d %H:%M")));

    // Longer than any first guess of a buffer.
    std::string strFormat, strExpected;
    for (int i = 0; i < 200; i++)
    {
        strFormat += "%B ";
        strExpected += "February ";
    }
    EXPECT_EQ(strExpected, std::string(leapDay.Format(strFormat.c_str())));
    EXPECT_EQ("", std::string(CTime(2024, 13, 1, 0, 0, 0).Format("%Y")));
}

} // namespace
