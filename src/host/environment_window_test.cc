// The environment window on the headless backend: what it shows of the project, the
// add-in's item on its Add-Ins menu from connection to disconnection, the main window
// that the item opens, and the failures of the add-in that the environment reports.
#include "host/environment_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/qln_class.h"
#include "host/type_library.h"
#include "testing/temp_dir.h"
#include "ui/headless_window_system.h"

namespace quillon {
namespace {

using testing::TempDir;
using testing::WriteFile;

const std::string kTitle = "Ledger - Quillon environment";

// A project in a folder, a registry with the add-in class, and show hooks that a test
// replaces: by default the environment window closes at once and the main window exits.
struct Rig {
  Rig() {
    WriteFile(dir / "dates.bas", "Attribute VB_Name = \"Dates\"\r\nd = CVDate(x)\r\n");
    WriteFile(dir / "book.cls", "x = Now\r\n");
    WriteFile(dir / "ledger.vbp", "Module=Dates; dates.bas\r\nClass=Book; book.cls\r\nName=\"Ledger\"\r\n");
    RegisterQlnClass(registry, windows);
    windows.SetShowHook([this](HeadlessWindow& window) {
      if (window.title() == "Quillon") {
        on_main(window);
      } else {
        environment_window = &window;
        on_environment(window);
      }
    });
  }
  ~Rig() { objVBInst.reset(); }

  // Shows the environment over `project` (in the test's folder) until its hook closes it.
  // The window it returns holds what environment_window points to.
  [[nodiscard]] std::unique_ptr<EnvironmentWindow> ShowEnvironment(const std::string& project = "ledger.vbp") {
    app = std::make_shared<ProjectFileApplication>(dir / project);
    auto environment = std::make_unique<EnvironmentWindow>(windows, registry, app);
    environment->Show();
    return environment;
  }

  // The captions of the environment window's Add-Ins menu.
  std::vector<std::string> AddInsMenu() const {
    std::vector<std::string> captions;
    for (const HeadlessMenuItem& item : environment_window->menus().at(1).items) {
      captions.push_back(item.caption);
    }
    return captions;
  }

  // The loads, shows and unloads of windows, in order.
  std::vector<std::string> WindowEvents() const {
    std::vector<std::string> events;
    for (const std::string& entry : windows.journal()) {
      if (entry.rfind("list ", 0) != 0 && entry.rfind("message ", 0) != 0) events.push_back(entry);
    }
    return events;
  }

  TempDir dir;
  ClassRegistry registry;
  HeadlessWindowSystem windows;
  std::shared_ptr<ProjectFileApplication> app;
  HeadlessWindow* environment_window = nullptr;  // the last one shown; it outlives its show
  std::function<void(HeadlessWindow&)> on_environment = [](HeadlessWindow& w) { w.Close(); };
  std::function<void(HeadlessWindow&)> on_main = [](HeadlessWindow& w) { w.Press("cmdExit"); };
};

class EnvironmentWindowTest : public ::testing::Test, public Rig {};

TEST_F(EnvironmentWindowTest, ShowsTheProjectWithTheAddInsOneItemUntilItCloses) {
  std::vector<std::string> menu_while_open;
  on_environment = [&](HeadlessWindow& window) {
    menu_while_open = AddInsMenu();
    EXPECT_EQ(app->MenuCaptions(), std::vector<std::string>{"Quillon..."});
    EXPECT_EQ(objVBInst, app);
    window.Close();
  };
  auto environment = ShowEnvironment();
  EXPECT_EQ(environment_window->title(), kTitle);
  EXPECT_EQ(environment_window->control("lstComponents").lines,
            (std::vector<std::string>{"Dates: " + dir / "dates.bas", "Book: " + dir / "book.cls"}));
  EXPECT_EQ(environment_window->menus().at(0).caption, "&File");
  EXPECT_EQ(environment_window->menus().at(1).caption, "Add-&Ins");
  EXPECT_EQ(menu_while_open, std::vector<std::string>{"Quillon..."});
  EXPECT_TRUE(AddInsMenu().empty());
  EXPECT_TRUE(app->MenuCaptions().empty());
  EXPECT_EQ(windows.message_count(), 0);
  EXPECT_FALSE(environment->failed());
}

TEST_F(EnvironmentWindowTest, FileExitClosesAndDisconnectsAsTheCloseControlDoes) {
  on_environment = [](HeadlessWindow& window) { window.PressMenu("mnuExit"); };
  auto environment = ShowEnvironment();
  EXPECT_TRUE(app->MenuCaptions().empty());
  EXPECT_TRUE(AddInsMenu().empty());
  EXPECT_EQ(WindowEvents(), (std::vector<std::string>{"load " + kTitle, "show " + kTitle,
                                                      "unload " + kTitle}));
}

TEST_F(EnvironmentWindowTest, EachChoiceOfTheItemOpensAFreshMainWindowModallyInsideIt) {
  std::vector<std::string> log_paths_seen;
  on_main = [&](HeadlessWindow& window) {
    log_paths_seen.push_back(window.control("txtLogFile").text);
    window.SetText("txtLogFile", "edited");
    window.Press("cmdExit");
  };
  on_environment = [](HeadlessWindow& window) {
    window.PressMenu("mnuAddIn0");
    window.PressMenu("mnuAddIn0");
    window.Close();
  };
  auto environment = ShowEnvironment();
  EXPECT_EQ(WindowEvents(),
            (std::vector<std::string>{"load " + kTitle, "show " + kTitle, "load Quillon",
                                      "show Quillon", "unload Quillon", "load Quillon",
                                      "show Quillon", "unload Quillon", "unload " + kTitle}));
  EXPECT_EQ(log_paths_seen, (std::vector<std::string>{"C:\\TEMP\\LOG.TXT", "C:\\TEMP\\LOG.TXT"}));
  EXPECT_EQ(windows.message_count(), 0);
}

TEST_F(EnvironmentWindowTest, TheMainWindowAnalysesTheEnvironmentsProject) {
  std::vector<std::string> progress;
  on_main = [&](HeadlessWindow& window) {
    window.SetText("txtLogFile", dir / "log.txt");
    window.Press("cmdAnalyse");
    progress = window.control("lstBox").lines;
    window.Press("cmdExit");
  };
  on_environment = [](HeadlessWindow& window) {
    window.PressMenu("mnuAddIn0");
    window.Close();
  };
  auto environment = ShowEnvironment();
  ASSERT_EQ(progress.size(), 5u);
  EXPECT_EQ(progress[1], "2 Components found in project");
  EXPECT_EQ(progress[3], "Date Analysing : Book, " + dir / "book.cls");
  EXPECT_EQ(windows.message_count(), 0);
}

TEST_F(EnvironmentWindowTest, WithoutAProjectTheTitleAndListSaySoAndTheAddInStillConnects) {
  on_environment = [&](HeadlessWindow& window) {
    EXPECT_EQ(AddInsMenu(), std::vector<std::string>{"Quillon..."});
    window.Close();
  };
  auto environment = ShowEnvironment("missing.vbp");
  EXPECT_EQ(environment_window->title(), "No project - Quillon environment");
  EXPECT_EQ(environment_window->control("lstComponents").lines,
            std::vector<std::string>{"The project could not be opened: Error 53, File not found"});
  EXPECT_TRUE(app->MenuCaptions().empty());
}

TEST_F(EnvironmentWindowTest, TheEnvironmentReportsTheAddInsFailures) {
  struct Case {
    const char* what;
    std::function<void(Rig&)> arrange;
    std::string message;
    std::vector<std::string> menu_after;  // the Add-Ins menu once the window has closed
  };
  const std::vector<Case> cases = {
      {"a disconnect whose menu item is not set",
       [](Rig& t) {
         t.registry.Register(kQlnClassIdentity.prog_id, [&t] {
           auto addin = std::make_shared<QlnClass>(t.windows);
           t.on_environment = [addin](HeadlessWindow& window) {
             addin->mnuAddIn.reset();
             window.Close();
           };
           return addin;
         });
       },
       "Quillon.QlnClass: Error 91, Object variable or With block variable not set",
       {"Quillon..."}},
      {"a click while the main window is open",
       [](Rig& t) {
         t.on_environment = [](HeadlessWindow& window) {
           window.PressMenu("mnuAddIn0");
           window.Close();
         };
         t.on_main = [&t](HeadlessWindow& window) {
           t.environment_window->PressMenu("mnuAddIn0");
           window.Press("cmdExit");
         };
       },
       "Quillon.QlnClass: Error 400, Form already displayed; can't show modally",
       {}},
      {"no class registered under the name",
       [](Rig& t) { t.registry = ClassRegistry(); },
       "Quillon.QlnClass: Error 429, ActiveX component can't create object",
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Rig t;
    c.arrange(t);
    auto environment = t.ShowEnvironment();
    ASSERT_EQ(t.windows.message_count(), 1);
    EXPECT_EQ(t.windows.messages()[0].prompt, c.message);
    EXPECT_EQ(t.windows.messages()[0].title, "Quillon environment");
    EXPECT_TRUE(environment->failed());
    EXPECT_EQ(t.WindowEvents().back(), "unload " + kTitle);
    EXPECT_EQ(t.AddInsMenu(), c.menu_after);
    EXPECT_EQ(t.app->MenuCaptions(), c.menu_after);
  }
}

}  // namespace
}  // namespace quillon
