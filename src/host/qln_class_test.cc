// Connecting the add-in to an environment, its menu item's clicks, and disconnecting,
// with the failures of each step.
#include "host/qln_class.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "host/scripted_host.h"
#include "host/type_library.h"
#include "runtime/run_error.h"
#include "ui/headless_window_system.h"

namespace quillon {
namespace {

class QlnClassTest : public ::testing::Test {
 protected:
  QlnClassTest() {
    RegisterQlnClass(registry, windows);
    // Every window that opens is closed again at once with its Exit button.
    windows.SetShowHook([](HeadlessWindow& window) { window.Press("cmdExit"); });
  }
  ~QlnClassTest() override { objVBInst.reset(); }

  std::shared_ptr<QlnClass> Connect() {
    auto addin = std::dynamic_pointer_cast<QlnClass>(registry.CreateObject(kQlnClassIdentity.prog_id));
    std::shared_ptr<VBApplication> vb = app;
    addin->ConnectAddIn(vb);
    return addin;
  }
  int Loads() const {
    const auto& journal = windows.journal();
    return static_cast<int>(std::count(journal.begin(), journal.end(), "load Quillon"));
  }

  ClassRegistry registry;
  HeadlessWindowSystem windows;
  std::shared_ptr<ScriptedApplication> app = std::make_shared<ScriptedApplication>();
};

TEST_F(QlnClassTest, ConnectAddsOneItemAndDisconnectTakesItAway) {
  for (int16_t mode : {0, 1, -7}) {
    auto addin = Connect();
    EXPECT_EQ(objVBInst, app);
    EXPECT_EQ(app->MenuCaptions(), std::vector<std::string>{"Quillon..."});
    EXPECT_NE(addin->lngConnectID, 0);
    addin->DisconnectAddIn(mode);
    EXPECT_TRUE(app->MenuCaptions().empty());
  }
  EXPECT_EQ(windows.message_count(), 0);
  const auto& log = app->Log();
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 6),
            (std::vector<std::string>{"AddInMenu", "MenuItems", "Add(Quillon...)", "ConnectEvents",
                                      "DisconnectEvents(1)", "Remove"}));
}

TEST_F(QlnClassTest, EachClickOpensAFreshMainWindowModally) {
  auto addin = Connect();
  EXPECT_TRUE(app->ClickMenuItem(0));
  EXPECT_EQ(Loads(), 1);
  EXPECT_EQ(windows.FindWindow("Quillon"), nullptr);  // closed before the click returned
  EXPECT_TRUE(app->ClickMenuItem(0));
  EXPECT_EQ(Loads(), 2);
}

TEST_F(QlnClassTest, CreationIsByProgrammaticNameOnly) {
  EXPECT_NE(std::dynamic_pointer_cast<QlnClass>(registry.CreateObject("quillon.qlnclass")), nullptr);
  try {
    registry.CreateObject("Quillon.Other");
    FAIL() << "created";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrCannotCreateObject);
  }
}

TEST_F(QlnClassTest, AFailedAddLeavesNoItemAndALaterDisconnectFails) {
  app->Fail(HostMember::kAdd, RuntimeError(kErrAutomation));
  auto addin = Connect();
  ASSERT_EQ(windows.message_count(), 1);
  EXPECT_EQ(windows.messages()[0].prompt, "(ConnectAddIn), Error : 440, Automation error");
  EXPECT_EQ(windows.messages()[0].title, "Quillon");
  EXPECT_EQ(objVBInst, app);
  EXPECT_NE(addin->objMenuItems, nullptr);
  EXPECT_EQ(addin->mnuAddIn, nullptr);
  EXPECT_TRUE(app->MenuCaptions().empty());
  try {
    addin->DisconnectAddIn(0);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrObjectNotSet);
  }
  EXPECT_EQ(app->Calls(HostMember::kDisconnectEvents), 0);
}

TEST_F(QlnClassTest, AFailedConnectEventsLeavesADeadItem) {
  app->Fail(HostMember::kConnectEvents, RuntimeError(kErrAutomation));
  auto addin = Connect();
  EXPECT_EQ(windows.message_count(), 1);
  EXPECT_EQ(app->MenuCaptions(), std::vector<std::string>{"Quillon..."});
  EXPECT_EQ(addin->lngConnectID, 0);
  EXPECT_FALSE(app->ClickMenuItem(0));
  EXPECT_EQ(Loads(), 0);
}

TEST_F(QlnClassTest, DisconnectFailuresReachTheEnvironmentAndStopBeforeRemove) {
  auto addin = Connect();
  app->Fail(HostMember::kDisconnectEvents, RuntimeError(kErrInvalidCall));
  try {
    addin->DisconnectAddIn(0);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrInvalidCall);
  }
  EXPECT_EQ(app->Calls(HostMember::kRemove), 0);
  EXPECT_EQ(app->MenuCaptions(), std::vector<std::string>{"Quillon..."});
}

TEST_F(QlnClassTest, AClickFailureReachesTheEnvironment) {
  auto addin = Connect();
  // A click while the window is already open cannot show it modally a second time.
  int error = 0;
  windows.SetShowHook([&](HeadlessWindow& window) {
    try {
      addin->AfterClick();
    } catch (const RuntimeError& e) {
      error = e.number();
    }
    window.Press("cmdExit");
  });
  addin->AfterClick();
  EXPECT_EQ(error, kErrFormAlreadyShown);
}

}  // namespace
}  // namespace quillon
