// Tests for the scripted environment: its project, its call log, and failures and
// callbacks injected into its members.
#include "host/scripted_host.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include "testing/error_number.h"

namespace quillon {
namespace {

using Log = std::vector<std::string>;

using testing::ErrorNumber;

class Handler : public AddInEventHandler {
 public:
  void AfterClick() override { ++clicks; }
  int clicks = 0;
};

TEST(ScriptedHostTest, ProjectListsItsComponentsAndLogsEachMember) {
  ScriptedApplication app;
  app.AddComponent("frmMain", "/p/frmMain.frm");
  app.AddComponent("DateUtil", "/p/DateUtil.bas");
  auto project = app.ActiveProject();
  EXPECT_EQ(project->Components()->Count(), 2);
  int32_t position = 1;
  auto component = project->Components(position);
  EXPECT_EQ(component->Name(), "DateUtil");
  EXPECT_EQ(component->FileNames(0), "/p/DateUtil.bas");
  EXPECT_EQ(ErrorNumber([&] { component->FileNames(1); }), kErrSubscriptOutOfRange);
  EXPECT_EQ(app.Log(), (Log{"ActiveProject", "Components", "Count", "Components(1)", "Name", "FileNames(0)",
                            "FileNames(1)"}));
  EXPECT_EQ(app.Calls(HostMember::kFileNames), 2);
  app.ClearLog();
  EXPECT_TRUE(app.Log().empty());
}

TEST(ScriptedHostTest, PositionsOutsideTheProjectAreOutOfRange) {
  ScriptedApplication app;
  app.AddComponent("A", "a.bas");
  auto project = app.ActiveProject();
  for (int32_t position : {-1, 1, 7}) {
    EXPECT_EQ(ErrorNumber([&] { project->Components(position); }), kErrSubscriptOutOfRange) << position;
  }
}

TEST(ScriptedHostTest, FailedMemberRaisesItsErrorUntilItSucceeds) {
  ScriptedApplication app;
  app.AddComponent("A", "a.bas");
  app.Fail(HostMember::kActiveProject, RuntimeError(kErrObjectNotSet));
  EXPECT_EQ(ErrorNumber([&] { app.ActiveProject(); }), kErrObjectNotSet);
  EXPECT_EQ(ErrorNumber([&] { app.ActiveProject(); }), kErrObjectNotSet);
  app.Succeed(HostMember::kActiveProject);
  EXPECT_EQ(app.ActiveProject()->Components()->Count(), 1);
  EXPECT_EQ(app.Log(), (Log{"ActiveProject", "ActiveProject", "ActiveProject", "Components", "Count"}));

  const HostMember members[] = {HostMember::kComponents, HostMember::kCount, HostMember::kComponentAt,
                                HostMember::kName, HostMember::kFileNames};
  for (HostMember member : members) {
    ScriptedApplication failing;
    failing.AddComponent("A", "a.bas");
    failing.Fail(member, RuntimeError(kErrAutomation, "Automation error"));
    const int number = ErrorNumber([&] {
      auto project = failing.ActiveProject();
      project->Components()->Count();
      int32_t position = 0;
      auto component = project->Components(position);
      component->Name();
      component->FileNames(0);
    });
    EXPECT_EQ(number, kErrAutomation) << MemberName(member);
    EXPECT_EQ(failing.Log().back().rfind(MemberName(member), 0), 0u) << "the run went on after the failure";
    EXPECT_EQ(failing.Calls(member), 1) << "the failing call is logged: " << MemberName(member);
  }
}

TEST(ScriptedHostTest, FailuresKeepTheirDescription) {
  ScriptedApplication app;
  app.Fail(HostMember::kActiveProject, RuntimeError(kErrObjectNotSet, "no project open"));
  try {
    app.ActiveProject();
    FAIL();
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), kErrObjectNotSet);
    EXPECT_EQ(error.description(), "no project open");
  }
}

TEST(ScriptedHostTest, CallbackOnTheNthCallCanChangeTheProjectOrFailThatCall) {
  ScriptedApplication app;
  app.AddComponent("A", "a.bas");
  app.AddComponent("B", "b.bas");
  // On the second fetch by position, the first component leaves the project.
  app.OnCall(HostMember::kComponentAt, 2, [&] { app.RemoveComponent(0); });
  app.OnCall(HostMember::kName, 3, [] { throw RuntimeError(kErrAutomation); });
  auto project = app.ActiveProject();
  int32_t position = 0;
  auto first = project->Components(position);
  position = 1;
  EXPECT_EQ(ErrorNumber([&] { project->Components(position); }), kErrSubscriptOutOfRange);
  EXPECT_EQ(app.ComponentCount(), 1u);
  EXPECT_EQ(first->Name(), "A") << "a component fetched before keeps its data";
  EXPECT_EQ(first->Name(), "A");
  EXPECT_EQ(ErrorNumber([&] { first->Name(); }), kErrAutomation);
  EXPECT_EQ(first->Name(), "A") << "only the third call fails";
}

TEST(ScriptedHostTest, EveryCallCallbackSeesComponentsAddedDuringARun) {
  ScriptedApplication app;
  app.AddComponent("A", "a.bas");
  app.OnCall(HostMember::kComponentAt, 0, [&] { app.AddComponent("New", "new.bas"); });
  auto project = app.ActiveProject();
  int32_t position = 0;
  project->Components(position);
  EXPECT_EQ(project->Components()->Count(), 2);
  position = 1;
  EXPECT_EQ(project->Components(position)->Name(), "New");
  EXPECT_EQ(app.ComponentCount(), 3u);
}

TEST(ScriptedHostTest, MenuMembersAreLoggedAndClickable) {
  ScriptedApplication app;
  auto items = app.AddInMenu()->MenuItems();
  auto item = items->Add("Quillon...");
  auto handler = std::make_shared<Handler>();
  int32_t connection = item->ConnectEvents(handler);
  EXPECT_GT(connection, 0);
  EXPECT_EQ(app.MenuCaptions(), (Log{"Quillon..."}));
  EXPECT_TRUE(app.ClickMenuItem(0));
  EXPECT_EQ(handler->clicks, 1);
  item->DisconnectEvents(connection);
  EXPECT_FALSE(app.ClickMenuItem(0));
  items->Remove(item);
  EXPECT_TRUE(app.MenuCaptions().empty());
  EXPECT_EQ(app.Log(), (Log{"AddInMenu", "MenuItems", "Add(Quillon...)", "ConnectEvents",
                            "DisconnectEvents(" + std::to_string(connection) + ")", "Remove"}));
}

TEST(ScriptedHostTest, FailedMenuMemberChangesNothing) {
  ScriptedApplication app;
  auto items = app.AddInMenu()->MenuItems();
  app.Fail(HostMember::kAdd, RuntimeError(kErrAutomation));
  EXPECT_EQ(ErrorNumber([&] { items->Add("Quillon..."); }), kErrAutomation);
  EXPECT_TRUE(app.MenuCaptions().empty());
  app.Succeed(HostMember::kAdd);
  auto item = items->Add("Quillon...");
  app.Fail(HostMember::kConnectEvents, RuntimeError(kErrAutomation));
  auto handler = std::make_shared<Handler>();
  EXPECT_EQ(ErrorNumber([&] { item->ConnectEvents(handler); }), kErrAutomation);
  EXPECT_FALSE(app.ClickMenuItem(0)) << "a failed ConnectEvents connected the handler";
}

}  // namespace
}  // namespace quillon
