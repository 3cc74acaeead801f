// The main window's layout, load and unload, its commands and the busy state that
// guards them. A disabled Analyse button is the busy state: it means a run is going on.
#include "ui/frm_qln.h"

#include <utility>

#include "runtime/run_error.h"
#include "ui/frm_about.h"
#include "ui/icon.h"
#include "ui/list_extent.h"

namespace quillon {
namespace {

constexpr char kDefaultLogFile[] = "C:\\TEMP\\LOG.TXT";
constexpr char kCrLf[] = "\r\n";

frmQln* g_default_instance = nullptr;

// Makes a window the default instance for as long as it is shown.
class DefaultInstanceScope {
 public:
  explicit DefaultInstanceScope(frmQln& form) { g_default_instance = &form; }
  ~DefaultInstanceScope() { g_default_instance = nullptr; }
  DefaultInstanceScope(const DefaultInstanceScope&) = delete;
  DefaultInstanceScope& operator=(const DefaultInstanceScope&) = delete;
};

std::string RefusalText(const std::string& keyword_file) {
  return "Can not perform Date Analysis because the date keywords have not been loaded from : " +
         keyword_file + kCrLf + "Make sure that this file exists and contains the date keywords." +
         kCrLf + "Remember keywords should be enclosed in double quotes, e.g. \" CVDate(\"";
}

std::string BusyText() {
  return std::string("The Quillon is currently processing this project.") + kCrLf +
         "Please wait for it to finish.";
}

}  // namespace

frmQln::frmQln(WindowSystem& windows, Clock& clock, std::string keyword_file)
    : windows_(windows),
      analysis_(AnalysisServices{windows, windows, clock, std::move(keyword_file)}),
      window_(windows.CreateWindow("Quillon", {6495, 3600})) {
  window_->SetIcon(QuillonIcon());
  BuildMenu();
  BuildControls();
  window_->SetLoadHandler([this] { Form_Load(); });
  window_->SetQueryUnloadHandler(
      [this](int16_t& cancel, UnloadMode mode) { Form_QueryUnload(cancel, mode); });
  window_->SetUnloadHandler([this](int16_t& cancel) { Form_Unload(cancel); });
}

void frmQln::BuildMenu() {
  Menu& mnuFile = window_->AddMenu("mnuFile", "&File");
  mnuAnalyse = &mnuFile.AddItem("mnuAnalyse", "&Analyse", [this] { mnuAnalyse_Click(); });
  mnuFile.AddItem("mnuAbout", "A&bout", [this] { mnuAbout_Click(); });
  mnuFile.AddItem("mnuExit", "&Exit", [this] { mnuExit_Click(); });
}

// Creation order is the tab order; Exit comes last, so it lies above the frame.
void frmQln::BuildControls() {
  Frame& Frame1 = window_->AddFrame("Frame1", {60, 0, 6375, 3555});
  lstBox = &Frame1.AddListBox("lstBox", {120, 240, 6135, 2595});
  txtLogFile = &Frame1.AddTextBox("txtLogFile", {120, 3060, 2055, 315}, kDefaultLogFile);
  cmdAnalyse = &Frame1.AddButton("cmdAnalyse", {2340, 3000, 1215, 435}, "&Analyse",
                                 [this] { cmdAnalyse_Click(); });
  cmdExit = &window_->AddButton("cmdExit", {5100, 3000, 1215, 435}, "&Exit",
                                [this] { cmdExit_Click(); });
}

void frmQln::Show() { window_->ShowModal(); }

// Centres the window (whole twips, halves rounded toward zero), sets the list's
// scrolling range and reads the keyword list, all before the window shows.
void frmQln::Form_Load() {
  const Size screen = windows_.ScreenSize();
  const Size outer = window_->OuterSize();
  const int32_t top = (screen.height - outer.height) / 2;
  const int32_t left = (screen.width - outer.width) / 2;
  window_->Move(left, top);
  lngSetHorizontalExtent(*lstBox);
  SetupKeywords(*lstBox);
}

void frmQln::AnalyseProject(const std::string& strLogFile, ProgressList& list) {
  analysis_.AnalyseProject(strLogFile, list);
}

void frmQln::SetupKeywords(ProgressList& list) { analysis_.SetupKeywords(list); }

void frmQln::Analyse(const std::string& strSourceFile, const std::string& strSourceFileTitle,
                     const std::string& strLogFile) {
  analysis_.Analyse(strSourceFile, strSourceFileTitle, strLogFile);
}

void frmQln::cmdAnalyse_Click() {
  if (!analysis_.blnKeywordsLoaded) {
    windows_.Show(RefusalText(analysis_.KeywordFile()), MsgBoxIcon::kInformation);
    return;
  }
  SetRunning(true);
  const std::string log_file = txtLogFile->Text();
  AnalyseProject(log_file, *lstBox);
  SetRunning(false);
}

void frmQln::cmdExit_Click() {
  if (Running()) {
    ShowBusyMessage();
    return;
  }
  window_->Unload();
}

// The close control is refused during a run exactly as Exit is, so a run always
// finishes on a live window.
void frmQln::Form_QueryUnload(int16_t& cancel, UnloadMode mode) {
  if (mode == UnloadMode::kCloseControl && Running()) {
    ShowBusyMessage();
    cancel = 1;
  }
}

void frmQln::Form_Unload(int16_t& /*cancel*/) {
  if (g_default_instance == this) g_default_instance = nullptr;
}

void frmQln::mnuAbout_Click() { frmAbout(windows_).Show(); }

void frmQln::mnuAnalyse_Click() { cmdAnalyse_Click(); }

void frmQln::mnuExit_Click() { cmdExit_Click(); }

bool frmQln::Running() const { return !cmdAnalyse->Enabled(); }

// The menu item follows the button, so no second run can start inside the first.
void frmQln::SetRunning(bool running) {
  cmdAnalyse->SetEnabled(!running);
  mnuAnalyse->SetEnabled(!running);
}

void frmQln::ShowBusyMessage() { windows_.Show(BusyText(), MsgBoxIcon::kInformation); }

frmQln* DefaultQln() { return g_default_instance; }

void ShowMainWindowModal(WindowSystem& windows, Clock& clock, const std::string& keyword_file) {
  if (g_default_instance != nullptr) {
    throw RuntimeError(kErrFormAlreadyShown);
  }
  frmQln form(windows, clock, keyword_file);
  DefaultInstanceScope scope(form);
  form.Show();
}

void ShowMainWindowModal(WindowSystem& windows) {
  SystemClock clock;
  ShowMainWindowModal(windows, clock, DefaultKeywordFile());
}

}  // namespace quillon
