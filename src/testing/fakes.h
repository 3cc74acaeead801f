// Recording stand-ins for the services the analysis talks to: a progress list, message
// boxes, an event pump with a hook, and a clock that always reads the same moment.
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "analysis/ui_services.h"
#include "runtime/clock.h"

namespace quillon::testing {

class RecordingList : public ProgressList {
 public:
  void AddItem(const std::string& line) override { lines.push_back(line); }
  void Refresh() override { ++refreshes; }

  std::vector<std::string> lines;
  int refreshes = 0;
};

class RecordingMessages : public MessageBox {
 public:
  struct Shown {
    std::string prompt;
    MsgBoxIcon icon;
    std::string title;
  };
  void Show(const std::string& prompt, MsgBoxIcon icon, const std::string& title) override {
    shown.push_back({prompt, icon, title});
  }
  std::vector<std::string> Prompts() const {
    std::vector<std::string> prompts;
    for (const auto& box : shown) prompts.push_back(box.prompt);
    return prompts;
  }

  std::vector<Shown> shown;
};

class HookedPump : public EventPump {
 public:
  void DoEvents() override {
    ++calls;
    if (hook) hook();
  }

  int calls = 0;
  std::function<void()> hook;
};

// Always 09:05:03 on Friday, December 11, 2026, unless a test sets another moment.
class FixedClock : public Clock {
 public:
  FixedClock() {
    moment.tm_year = 2026 - 1900;
    moment.tm_mon = 11;
    moment.tm_mday = 11;
    moment.tm_hour = 9;
    moment.tm_min = 5;
    moment.tm_sec = 3;
    moment.tm_wday = 5;
  }
  std::tm Now() override {
    ++readings;
    return moment;
  }

  std::tm moment{};
  int readings = 0;
};

}  // namespace quillon::testing
