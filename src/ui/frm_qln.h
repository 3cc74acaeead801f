// The add-in's main window: the log path, the Analyse and Exit commands, the progress
// list, and the date-keyword analysis that the window carries.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "analysis/date_analysis.h"
#include "runtime/clock.h"
#include "ui/window_system.h"

namespace quillon {

class frmQln {
 public:
  // A new, unloaded window whose analysis reads `keyword_file` and dates reports by `clock`.
  frmQln(WindowSystem& windows, Clock& clock, std::string keyword_file);

  // Loads the window, shows it modally and returns when it has unloaded.
  void Show();

  void Form_Load();
  void AnalyseProject(const std::string& strLogFile, ProgressList& lstBox);
  void SetupKeywords(ProgressList& lstBox);
  void Analyse(const std::string& strSourceFile, const std::string& strSourceFileTitle,
               const std::string& strLogFile);

  // The keyword table, its counts and the loaded flag.
  const DateAnalysis& analysis() const { return analysis_; }

 private:
  void BuildMenu();
  void BuildControls();
  void cmdAnalyse_Click();
  void cmdExit_Click();
  void Form_QueryUnload(int16_t& cancel, UnloadMode mode);
  void Form_Unload(int16_t& cancel);
  void mnuAbout_Click();
  void mnuAnalyse_Click();
  void mnuExit_Click();
  bool Running() const;
  void SetRunning(bool running);
  void ShowBusyMessage();

  WindowSystem& windows_;
  DateAnalysis analysis_;
  std::unique_ptr<Window> window_;
  ListBox* lstBox = nullptr;
  TextBox* txtLogFile = nullptr;
  Button* cmdAnalyse = nullptr;
  Button* cmdExit = nullptr;
  MenuItem* mnuAnalyse = nullptr;
};

// The program-wide default instance `frmQln` while a window is open, else null.
frmQln* DefaultQln();

// Shows the main window modally, as the add-in's menu item does: each call creates a
// fresh instance (the default instance), which loads, reads the keyword list, shows and
// is released when the window unloads; the call returns then. Raises 400 ("Form already
// displayed; can't show modally") while a window is open.
void ShowMainWindowModal(WindowSystem& windows);
// The same with a chosen clock and keyword list, for tests and the command line.
void ShowMainWindowModal(WindowSystem& windows, Clock& clock, const std::string& keyword_file);

}  // namespace quillon
