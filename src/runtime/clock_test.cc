// The time and long-date texts of the report.
#include "runtime/clock.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

std::tm Moment(int year, int month, int day, int hour, int minute, int second) {
  std::tm when{};
  when.tm_year = year - 1900;
  when.tm_mon = month - 1;
  when.tm_mday = day;
  when.tm_hour = hour;
  when.tm_min = minute;
  when.tm_sec = second;
  when.tm_isdst = -1;
  std::mktime(&when);  // fills in the weekday
  return when;
}

TEST(ClockTest, TimeIsTwoDigitsEachOnTheTwentyFourHourClock) {
  EXPECT_EQ(FormatTime(Moment(2026, 12, 11, 0, 5, 9)), "00:05:09");
  EXPECT_EQ(FormatTime(Moment(2026, 12, 11, 23, 59, 59)), "23:59:59");
}

TEST(ClockTest, LongDateNamesWeekdayAndMonthWithATwoDigitDay) {
  EXPECT_EQ(FormatLongDate(Moment(2026, 12, 11, 12, 0, 0)), "Friday, December 11, 2026");
  EXPECT_EQ(FormatLongDate(Moment(2000, 2, 29, 12, 0, 0)), "Tuesday, February 29, 2000");
  EXPECT_EQ(FormatLongDate(Moment(1999, 12, 1, 12, 0, 0)), "Wednesday, December 01, 1999");
}

TEST(ClockTest, SystemClockReadsTheCurrentTime) {
  SystemClock clock;
  const std::tm now = clock.Now();
  EXPECT_GE(now.tm_year + 1900, 2024);
}

}  // namespace
}  // namespace quillon
