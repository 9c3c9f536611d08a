// Calendar dates as the saves keep them ("YYYY-MM-DD"): parsing that refuses
// dates that do not exist, and day numbers for counting days between dates.
#pragma once
#include <cstdint>
#include <string>

struct TLocalDate {
  int Year = 1970, Month = 1, Day = 1;
  bool operator==(const TLocalDate&) const = default;
};

// A moment of the local clock, as far as the saves need it.
struct TLocalTime {
  TLocalDate Date;
  int Hour = 12, Minute = 0;
};

// "YYYY-MM-DD" with a real month and day (leap years counted), years
// 1000..9999; false for anything else.
bool ParseIsoDate(const std::string& text, TLocalDate& date);
std::string FormatIsoDate(const TLocalDate& date);
// Days since 1970-01-01 (negative before it).
int64_t DayNumber(const TLocalDate& date);
TLocalDate DateOfDayNumber(int64_t days);
