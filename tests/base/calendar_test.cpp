// Dates as the saves keep them: only real dates parse, and day numbers count
// days across months, leap days and centuries.
#include "base/calendar.h"

#include <gtest/gtest.h>

TEST(Calendar, OnlyRealDatesParse) {
  TLocalDate d;
  EXPECT_TRUE(ParseIsoDate("2024-02-29", d));
  EXPECT_EQ(d, (TLocalDate{2024, 2, 29}));
  EXPECT_TRUE(ParseIsoDate("2000-02-29", d));
  for (const char* bad :
       {"2023-02-29", "1900-02-29", "2026-13-01", "2026-00-10", "2026-04-31", "2026-4-01",
        "26-04-01", "2026/04/01", "2026-04-01 ", "0999-01-01", "２０２６-04-01", ""})
    EXPECT_FALSE(ParseIsoDate(bad, d)) << bad;
  EXPECT_EQ(FormatIsoDate({2026, 1, 5}), "2026-01-05");
}

TEST(Calendar, DayNumbersCountEveryDay) {
  EXPECT_EQ(DayNumber({1970, 1, 1}), 0);
  EXPECT_EQ(DayNumber({2000, 3, 1}) - DayNumber({2000, 2, 28}), 2);  // 2000 is a leap year
  EXPECT_EQ(DayNumber({1900, 3, 1}) - DayNumber({1900, 2, 28}), 1);  // 1900 is not
  EXPECT_EQ(DayNumber({2027, 1, 1}) - DayNumber({2026, 1, 1}), 365);
  for (int64_t n = DayNumber({1999, 12, 1}); n < DayNumber({2001, 3, 31}); ++n)
    EXPECT_EQ(DayNumber(DateOfDayNumber(n)), n);
  EXPECT_EQ(DateOfDayNumber(DayNumber({2024, 2, 29}) + 1), (TLocalDate{2024, 3, 1}));
}
