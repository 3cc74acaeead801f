// The clock behind an interface, and the time and long-date texts of the report.
#pragma once

#include <ctime>
#include <string>

namespace quillon {

class Clock {
 public:
  virtual ~Clock() = default;
  // One reading of the local time; a report line takes its time and date from one reading.
  virtual std::tm Now() = 0;
};

class SystemClock : public Clock {
 public:
  std::tm Now() override;
};

// "hh:mm:ss" on the 24-hour clock.
std::string FormatTime(const std::tm& when);

// The long date with the C library's names for the current locale,
// in the form "Friday, December 11, 2026".
std::string FormatLongDate(const std::tm& when);

}  // namespace quillon
