// Calendar dates: the civil-calendar day count both ways (Howard Hinnant's
// days-from-civil), and the text form the save files use.
#include "base/calendar.h"

#include <cstdio>

namespace {

bool IsLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

}  // namespace

bool ParseIsoDate(const std::string& text, TLocalDate& date) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  int v[3] = {0, 0, 0};
  const int start[3] = {0, 5, 8}, width[3] = {4, 2, 2};
  for (int i = 0; i < 3; ++i)
    for (int k = 0; k < width[i]; ++k) {
      const char c = text[start[i] + k];
      if (c < '0' || c > '9') return false;
      v[i] = v[i] * 10 + (c - '0');
    }
  if (v[0] < 1000 || v[1] < 1 || v[1] > 12 || v[2] < 1 || v[2] > DaysInMonth(v[0], v[1]))
    return false;
  date = {v[0], v[1], v[2]};
  return true;
}

std::string FormatIsoDate(const TLocalDate& date) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
  return buf;
}

int64_t DayNumber(const TLocalDate& date) {
  const int64_t y = date.Month <= 2 ? date.Year - 1 : date.Year;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t mp = (date.Month + 9) % 12;
  const int64_t doy = (153 * mp + 2) / 5 + date.Day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

TLocalDate DateOfDayNumber(int64_t days) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t doe = days - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  return {static_cast<int>(year), month, day};
}
