// The main window on the headless window system: its layout, its load, its commands,
// the busy state during a run, and a fresh window for every opening.
#include "ui/frm_qln.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "host/scripted_host.h"
#include "runtime/run_error.h"
#include "testing/fakes.h"
#include "testing/temp_dir.h"
#include "ui/headless_window_system.h"

namespace quillon {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

const char kMainTitle[] = "Quillon";
const char kBusy[] =
    "The Quillon is currently processing this project.\r\nPlease wait for it to finish.";

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : keywords(dir / "keywords.txt"), log(dir / "log.txt") {
    WriteFile(keywords, "\"Year(\"\r\n\"CVDate(\"\r\n");
    app = std::make_shared<ScriptedApplication>();
    objVBInst = app;
  }
  ~MainWindowTest() override { objVBInst.reset(); }

  // Opens the main window and runs `script` on it while it shows. A script that leaves
  // the window open ends with the Exit button.
  void Open(const std::function<void(HeadlessWindow&)>& script) {
    windows.SetShowHook([&](HeadlessWindow& window) {
      if (window.title() != kMainTitle) {
        on_about(window);
        return;
      }
      script(window);
      if (window.shown()) window.Press("cmdExit");
    });
    ShowMainWindowModal(windows, clock, keywords);
  }

  // Adds a component whose source file holds `text`.
  void AddComponent(const std::string& name, const std::string& text) {
    const std::string path = dir / (name + ".bas");
    WriteFile(path, text);
    app->AddComponent(name, path);
  }

  std::string KeywordLine() const { return "Reading date keywords from : " + keywords; }

  std::vector<std::string> Prompts() const {
    std::vector<std::string> prompts;
    for (const ShownMessage& m : windows.messages()) prompts.push_back(m.prompt);
    return prompts;
  }

  // Presses Analyse with the log path typed in.
  void Analyse(HeadlessWindow& window) {
    window.SetText("txtLogFile", log);
    window.Press("cmdAnalyse");
  }

  TempDir dir;
  std::string keywords;
  std::string log;
  HeadlessWindowSystem windows;
  testing::FixedClock clock;
  std::shared_ptr<ScriptedApplication> app;
  std::function<void(HeadlessWindow&)> on_about = [](HeadlessWindow& about) {
    about.Press("cmdOk");
  };
};

TEST_F(MainWindowTest, HasTheDesignedLayoutInTabOrder) {
  struct Expected {
    const char* name;
    const char* kind;
    const char* parent;
    Rect bounds;
    const char* text;
  };
  const std::vector<Expected> expected = {
      {"Frame1", "frame", "", {60, 0, 6375, 3555}, ""},
      {"lstBox", "list", "Frame1", {120, 240, 6135, 2595}, ""},
      {"txtLogFile", "text", "Frame1", {120, 3060, 2055, 315}, "C:\\TEMP\\LOG.TXT"},
      {"cmdAnalyse", "button", "Frame1", {2340, 3000, 1215, 435}, "&Analyse"},
      {"cmdExit", "button", "", {5100, 3000, 1215, 435}, "&Exit"},
  };
  Open([&](HeadlessWindow& w) {
    EXPECT_EQ(w.client_size().width, 6495);
    EXPECT_EQ(w.client_size().height, 3600);
    ASSERT_TRUE(w.icon().has_value());
    EXPECT_NE(w.icon()->xpm, nullptr);
    std::vector<std::string> order;
    for (const Expected& e : expected) order.push_back(e.name);
    EXPECT_EQ(w.control_names(), order);
    for (const Expected& e : expected) {
      SCOPED_TRACE(e.name);
      const HeadlessControl& c = w.control(e.name);
      EXPECT_EQ(c.kind, e.kind);
      EXPECT_EQ(c.parent, e.parent);
      EXPECT_EQ(c.bounds.left, e.bounds.left);
      EXPECT_EQ(c.bounds.top, e.bounds.top);
      EXPECT_EQ(c.bounds.width, e.bounds.width);
      EXPECT_EQ(c.bounds.height, e.bounds.height);
      EXPECT_EQ(c.text, e.text);
      EXPECT_TRUE(c.enabled);
    }
    ASSERT_EQ(w.menus().size(), 1u);
    const HeadlessMenu& file = w.menus()[0];
    EXPECT_EQ(file.name, "mnuFile");
    EXPECT_EQ(file.caption, "&File");
    std::vector<std::string> items;
    for (const HeadlessMenuItem& i : file.items) items.push_back(i.name + " " + i.caption);
    EXPECT_EQ(items, (std::vector<std::string>{"mnuAnalyse &Analyse", "mnuAbout A&bout",
                                               "mnuExit &Exit"}));
  });
}

TEST_F(MainWindowTest, ExitLiesOverTheFramesLowerRightCornerLevelWithTheList) {
  Open([&](HeadlessWindow& w) {
    const Rect frame = w.control("Frame1").bounds;
    const Rect list = w.control("lstBox").bounds;
    const Rect exit = w.control("cmdExit").bounds;
    EXPECT_EQ(frame.left + list.left + list.width, exit.left + exit.width);
    EXPECT_EQ(frame.left + frame.width + 60, w.client_size().width);
    EXPECT_EQ(frame.top + frame.height + 45, w.client_size().height);
    EXPECT_EQ(exit.top, w.control("cmdAnalyse").bounds.top);
  });
}

TEST_F(MainWindowTest, LoadCentresTheOuterWindowDroppingHalfTwips) {
  struct Case {
    int32_t extra_width;  // screen width minus the window's outer width
    int32_t extra_height;
    int32_t left;
    int32_t top;
  };
  Size outer;
  Open([&](HeadlessWindow& w) { outer = w.OuterSize(); });
  EXPECT_GT(outer.width, 6495);
  EXPECT_GT(outer.height, 3600);
  for (const Case& c : std::vector<Case>{{8745, 1001, 4372, 500},
                                         {0, 0, 0, 0},
                                         {-101, -3, -50, -1}}) {
    SCOPED_TRACE(c.extra_width);
    windows.SetScreenSize({outer.width + c.extra_width, outer.height + c.extra_height});
    Open([&](HeadlessWindow& w) {
      EXPECT_EQ(w.left(), c.left);
      EXPECT_EQ(w.top(), c.top);
    });
  }
}

TEST_F(MainWindowTest, LoadSetsTheListExtentAndReadsTheKeywordsBeforeShowing) {
  Open([&](HeadlessWindow& w) {
    EXPECT_EQ(w.control("lstBox").horizontal_extent, 6235);
    EXPECT_EQ(w.control("lstBox").lines, std::vector<std::string>{KeywordLine()});
    ASSERT_NE(DefaultQln(), nullptr);
    EXPECT_TRUE(DefaultQln()->analysis().blnKeywordsLoaded);
    EXPECT_EQ(DefaultQln()->analysis().strKeywords, (std::vector<std::string>{"Year(", "CVDate("}));
  });
  EXPECT_EQ(windows.journal(),
            (std::vector<std::string>{"load Quillon", "list " + KeywordLine(), "show Quillon",
                                      "unload Quillon"}));
  EXPECT_TRUE(windows.messages().empty());
}

TEST_F(MainWindowTest, MissingKeywordsReportBeforeShowingAndAnalyseIsRefused) {
  keywords = dir / "missing/keywords.txt";
  const std::string refusal =
      "Can not perform Date Analysis because the date keywords have not been loaded from : " +
      keywords + "\r\nMake sure that this file exists and contains the date keywords.\r\n" +
      "Remember keywords should be enclosed in double quotes, e.g. \" CVDate(\"";
  AddComponent("modA", "x\r\n");
  Open([&](HeadlessWindow& w) {
    ASSERT_EQ(windows.messages().size(), 1u);
    Analyse(w);
    w.PressMenu("mnuAnalyse");
    EXPECT_TRUE(w.control("cmdAnalyse").enabled);
    EXPECT_EQ(w.control("lstBox").lines, std::vector<std::string>{KeywordLine()});
  });
  const std::vector<std::string>& journal = windows.journal();
  ASSERT_GE(journal.size(), 4u);
  EXPECT_EQ(journal[0], "load Quillon");
  EXPECT_EQ(journal[1], "list " + KeywordLine());
  EXPECT_EQ(journal[2].rfind("message (SetupKeywords), Error : ", 0), 0u) << journal[2];
  EXPECT_EQ(journal[3], "show Quillon");
  ASSERT_EQ(windows.messages().size(), 3u);
  for (size_t i = 1; i < 3; ++i) {
    EXPECT_EQ(windows.messages()[i].prompt, refusal);
    EXPECT_EQ(windows.messages()[i].icon, MsgBoxIcon::kInformation);
    EXPECT_EQ(windows.messages()[i].title, "Quillon");
  }
  EXPECT_TRUE(app->Log().empty());
}

TEST_F(MainWindowTest, AnalyseIsDisabledDuringTheRunAndEnabledAfterIt) {
  AddComponent("frmA", "d = Year(Now)\r\n");
  AddComponent("modB", "' none\r\n");
  std::vector<bool> button_enabled;
  std::vector<bool> item_enabled;
  Open([&](HeadlessWindow& w) {
    windows.SetDoEventsHook([&] {
      button_enabled.push_back(w.control("cmdAnalyse").enabled);
      item_enabled.push_back(w.menus()[0].items[0].enabled);
      w.Press("cmdAnalyse");
      w.PressMenu("mnuAnalyse");
    });
    Analyse(w);
    EXPECT_TRUE(w.control("cmdAnalyse").enabled);
    EXPECT_TRUE(w.menus()[0].items[0].enabled);
    EXPECT_EQ(w.control("lstBox").lines,
              (std::vector<std::string>{KeywordLine(), "2 Components found in project",
                                        "Date Analysing : frmA, " + dir / "frmA.bas",
                                        "Date Analysing : modB, " + dir / "modB.bas",
                                        "Finished"}));
  });
  EXPECT_EQ(button_enabled, (std::vector<bool>{false, false}));
  EXPECT_EQ(item_enabled, (std::vector<bool>{false, false}));
  EXPECT_EQ(windows.do_events_count(), 2);  // no second run started inside the first
  EXPECT_TRUE(windows.messages().empty());
  EXPECT_NE(ReadFile(log).find("Year(:"), std::string::npos);
}

TEST_F(MainWindowTest, AnalyseIsEnabledAgainAfterARunThatEndedWithAnError) {
  AddComponent("frmA", "x\r\n");
  app->Fail(HostMember::kComponentAt, RuntimeError(kErrAutomation));
  Open([&](HeadlessWindow& w) {
    Analyse(w);
    EXPECT_TRUE(w.control("cmdAnalyse").enabled);
    EXPECT_TRUE(w.menus()[0].items[0].enabled);
  });
  ASSERT_EQ(windows.messages().size(), 1u);
  EXPECT_EQ(windows.messages()[0].prompt.rfind("(AnalyseProject), Error : 440, ", 0), 0u);
}

TEST_F(MainWindowTest, ExitMenuExitAndCloseAreRefusedDuringARun) {
  AddComponent("frmA", "x\r\n");
  AddComponent("modB", "y\r\n");
  std::vector<bool> closed;
  Open([&](HeadlessWindow& w) {
    windows.SetDoEventsHook([&] {
      w.Press("cmdExit");
      w.PressMenu("mnuExit");
      closed.push_back(w.Close());
      EXPECT_TRUE(w.shown());
    });
    Analyse(w);
    EXPECT_EQ(w.control("lstBox").lines.back(), "Finished");
    windows.SetDoEventsHook(nullptr);
    w.Press("cmdExit");
    EXPECT_FALSE(w.shown());
  });
  EXPECT_EQ(closed, (std::vector<bool>{false, false}));
  EXPECT_EQ(Prompts(), std::vector<std::string>(6, kBusy));
  for (const ShownMessage& m : windows.messages()) EXPECT_EQ(m.icon, MsgBoxIcon::kInformation);
  EXPECT_EQ(DefaultQln(), nullptr);
}

TEST_F(MainWindowTest, EveryExitCommandClosesTheIdleWindow) {
  const std::vector<std::function<void(HeadlessWindow&)>> exits = {
      [](HeadlessWindow& w) { w.Press("cmdExit"); },
      [](HeadlessWindow& w) { w.PressMenu("mnuExit"); },
      [](HeadlessWindow& w) { EXPECT_TRUE(w.Close()); },
  };
  for (size_t i = 0; i < exits.size(); ++i) {
    SCOPED_TRACE(i);
    bool closed = false;
    Open([&](HeadlessWindow& w) {
      exits[i](w);
      closed = !w.shown();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(DefaultQln(), nullptr);
  }
  EXPECT_TRUE(windows.messages().empty());
}

TEST_F(MainWindowTest, AboutDuringARunHoldsTheRunUntilItCloses) {
  AddComponent("frmA", "x\r\n");
  AddComponent("modB", "y\r\n");
  size_t lines_while_about = 0;
  bool main_shown_while_about = false;
  Open([&](HeadlessWindow& w) {
    windows.SetDoEventsHook([&] {
      windows.SetDoEventsHook(nullptr);
      w.PressMenu("mnuAbout");
    });
    on_about = [&](HeadlessWindow& about) {
      lines_while_about = w.control("lstBox").lines.size();
      main_shown_while_about = w.shown();
      EXPECT_EQ(windows.do_events_count(), 1);
      about.Press("cmdOk");
    };
    Analyse(w);
    EXPECT_EQ(w.control("lstBox").lines.back(), "Finished");
  });
  EXPECT_EQ(lines_while_about, 2u);  // the keyword line and the count line
  EXPECT_TRUE(main_shown_while_about);
  EXPECT_EQ(windows.do_events_count(), 2);
  const auto& journal = windows.journal();
  EXPECT_NE(std::find(journal.begin(), journal.end(), "unload About Quillon"), journal.end());
}

TEST_F(MainWindowTest, FileAboutShowsTheAboutBox) {
  int abouts = 0;
  on_about = [&](HeadlessWindow& about) {
    ++abouts;
    about.Press("cmdOk");
  };
  Open([&](HeadlessWindow& w) {
    w.PressMenu("mnuAbout");
    w.PressMenu("mnuAbout");
  });
  EXPECT_EQ(abouts, 2);
}

TEST_F(MainWindowTest, TwoRunsInOneOpeningFollowEachOtherInTheList) {
  AddComponent("frmA", "x\r\n");
  Open([&](HeadlessWindow& w) {
    Analyse(w);
    w.PressMenu("mnuAnalyse");
    const std::vector<std::string> run = {"1 Components found in project",
                                          "Date Analysing : frmA, " + dir / "frmA.bas",
                                          "Finished"};
    std::vector<std::string> expected = {KeywordLine()};
    expected.insert(expected.end(), run.begin(), run.end());
    expected.insert(expected.end(), run.begin(), run.end());
    EXPECT_EQ(w.control("lstBox").lines, expected);
  });
  const std::string report = ReadFile(log);
  EXPECT_NE(report.find("Analysis of frmA"), report.rfind("Analysis of frmA"));
}

TEST_F(MainWindowTest, EveryOpeningIsAFreshWindowThatReadsTheKeywordsAgain) {
  AddComponent("frmA", "x\r\n");
  Open([&](HeadlessWindow& w) {
    Analyse(w);
    EXPECT_EQ(w.control("lstBox").lines.size(), 4u);
  });
  WriteFile(keywords, "\"Month(\"");
  Open([&](HeadlessWindow& w) {
    EXPECT_EQ(w.control("lstBox").lines, std::vector<std::string>{KeywordLine()});
    EXPECT_EQ(w.control("txtLogFile").text, "C:\\TEMP\\LOG.TXT");
    EXPECT_TRUE(w.control("cmdAnalyse").enabled);
    EXPECT_EQ(DefaultQln()->analysis().strKeywords, std::vector<std::string>{"Month("});
  });
}

TEST_F(MainWindowTest, AnEmptyLogPathGoesToTheRunUnchanged) {
  AddComponent("frmA", "x\r\n");
  Open([&](HeadlessWindow& w) {
    w.SetText("txtLogFile", "");
    w.Press("cmdAnalyse");
    EXPECT_EQ(w.control("lstBox").lines.back(), "Finished");
  });
  ASSERT_EQ(windows.messages().size(), 1u);
  EXPECT_EQ(windows.messages()[0].prompt.rfind("(Analyse), Error : ", 0), 0u)
      << windows.messages()[0].prompt;
}

TEST_F(MainWindowTest, ShowingWhileAWindowIsOpenIsRefused) {
  Open([&](HeadlessWindow&) {
    try {
      ShowMainWindowModal(windows, clock, keywords);
      ADD_FAILURE() << "a second main window opened";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), 400);
    }
  });
  EXPECT_EQ(DefaultQln(), nullptr);
}

}  // namespace
}  // namespace quillon
