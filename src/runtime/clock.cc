// Local time from the system, and its formatting as the report writes it.
#include "runtime/clock.h"

namespace quillon {

std::tm SystemClock::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

namespace {

std::string Format(const char* pattern, const std::tm& when) {
  char text[256];
  const size_t length = std::strftime(text, sizeof text, pattern, &when);
  return std::string(text, length);
}

}  // namespace

std::string FormatTime(const std::tm& when) { return Format("%H:%M:%S", when); }

std::string FormatLongDate(const std::tm& when) { return Format("%A, %B %d, %Y", when); }

}  // namespace quillon
