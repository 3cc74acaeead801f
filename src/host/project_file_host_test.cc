// Tests for the environment that a project file on disk stands in for.
#include "host/project_file_host.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "host/fixture_folder_test_util.h"
#include "testing/error_number.h"

namespace quillon {
namespace {

using Components = std::vector<std::pair<std::string, std::string>>;  // name, path

using testing::ErrorNumber;

// Every component as the object model hands it out, in position order.
Components Walk(VBApplication& app) {
  Components seen;
  const int32_t count = app.ActiveProject()->Components()->Count();
  for (int32_t position = 0; position < count; ++position) {
    auto component = app.ActiveProject()->Components(position);
    seen.emplace_back(component->Name(), component->FileNames(0));
  }
  return seen;
}

class ProjectFileHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("Payroll/frmMain.frm",
                  "VERSION 4.00\r\nBegin VB.Form frmMain \r\n   Caption = \"Payroll\"\r\nEnd\r\n"
                  "Attribute VB_Name = \"frmMain\"\r\nOption Explicit\r\n");
    folder_.Write("Payroll/Modules/DateUtil.bas", "Attribute VB_Name = \"DateUtil\"\r\n");
    folder_.Write("Payroll/Modules/Totals.bas", "Option Explicit\r\n");
    folder_.Write("Shared/Employee.cls",
                  "VERSION 1.0 CLASS\nBEGIN\n  MultiUse = -1\nEND\nAttribute VB_Name = \"Employee\"\n");
  }

  std::string WriteProject(const std::string& end) const {
    const std::vector<std::string> lines = {
        "Type=Exe", "Form=FRMMAIN.FRM", "Module=Dates; MODULES\\DATEUTIL.BAS", "Module=modules\\totals.bas",
        "Class=Employee; ..\\shared\\EMPLOYEE.CLS", "Module=Gone; Modules\\Gone.bas", "Name=\"Payroll\"",
        "Startup=\"frmMain\""};
    std::string bytes;
    for (const auto& line : lines) bytes += line + end;
    return folder_.Write("Payroll/Payroll.vbp", bytes);
  }

  Components Expected() const {
    return {{"frmMain", folder_ / "Payroll/frmMain.frm"},
            {"Dates", folder_ / "Payroll/Modules/DateUtil.bas"},
            {"Totals", folder_ / "Payroll/Modules/Totals.bas"},
            {"Employee", folder_ / "Payroll/../Shared/Employee.cls"},
            {"Gone", folder_ / "Payroll/Modules/Gone.bas"}};
  }

  FixtureFolder folder_;
};

TEST_F(ProjectFileHostTest, ObjectModelListsTheProjectFileComponents) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    ProjectFileApplication app(WriteProject(end));
    EXPECT_EQ(Walk(app), Expected());
    EXPECT_EQ(app.ProjectName(), "Payroll");
    EXPECT_EQ(app.ComponentList(), Expected());
    EXPECT_FALSE(app.LoadError());
  }
}

TEST_F(ProjectFileHostTest, OutOfRangePositionsAndIndexesRaiseSubscriptOutOfRange) {
  ProjectFileApplication app(WriteProject("\r\n"));
  auto project = app.ActiveProject();
  for (int32_t position : {-1, 5, 100}) {
    EXPECT_EQ(ErrorNumber([&] { project->Components(position); }), kErrSubscriptOutOfRange) << position;
  }
  int32_t first = 0;
  auto component = project->Components(first);
  for (int16_t index : {1, -1}) {
    EXPECT_EQ(ErrorNumber([&] { component->FileNames(index); }), kErrSubscriptOutOfRange) << index;
  }
}

TEST_F(ProjectFileHostTest, MissingProjectFileMeansNoProjectOpen) {
  ProjectFileApplication app(folder_ / "Payroll/Nothing.vbp");
  EXPECT_EQ(ErrorNumber([&] { app.ActiveProject(); }), kErrFileNotFound);
  ASSERT_TRUE(app.LoadError());
  EXPECT_EQ(app.LoadError()->number(), kErrFileNotFound);
  EXPECT_EQ(app.ProjectName(), "");
  EXPECT_TRUE(app.ComponentList().empty());
  EXPECT_EQ(ErrorNumber([&] { ProjectFileApplication(folder_ / "NoFolder/P.vbp").ActiveProject(); }),
            kErrPathNotFound);
}

TEST_F(ProjectFileHostTest, ReloadPicksUpTheFileAsItIsNow) {
  const std::string path = folder_ / "Payroll/Payroll.vbp";
  ProjectFileApplication app(path);
  EXPECT_EQ(ErrorNumber([&] { app.ActiveProject(); }), kErrFileNotFound);
  folder_.Write("Payroll/Payroll.vbp", "Form=frmMain.frm\r\n");
  app.Reload();
  EXPECT_EQ(Walk(app), (Components{{"frmMain", folder_ / "Payroll/frmMain.frm"}}));
  EXPECT_EQ(app.ProjectName(), "Payroll") << "named after the file without a Name line";

  auto project = app.ActiveProject();
  std::filesystem::remove(path);
  app.Reload();
  EXPECT_EQ(project->Components()->Count(), 1) << "a project fetched before keeps its components";
  EXPECT_EQ(ErrorNumber([&] { app.ActiveProject(); }), kErrFileNotFound);
}

TEST_F(ProjectFileHostTest, MakProject) {
  const std::string path =
      folder_.Write("Payroll/PAYROLL.MAK", "FRMMAIN.FRM\r\nC:\\VB\\GRID.VBX\r\nMODULES\\TOTALS.BAS\r\nProjWinShow=2\r\n");
  ProjectFileApplication app(path);
  EXPECT_EQ(Walk(app), (Components{{"frmMain", folder_ / "Payroll/frmMain.frm"},
                                    {"Totals", folder_ / "Payroll/Modules/Totals.bas"}}));
  EXPECT_EQ(app.ProjectName(), "PAYROLL");
}

class Handler : public AddInEventHandler {
 public:
  void AfterClick() override { ++clicks; }
  int clicks = 0;
};

TEST_F(ProjectFileHostTest, AddInsMenuTakesItemsAndClicks) {
  ProjectFileApplication app(folder_ / "Payroll/Nothing.vbp");  // the menu works without a project
  auto items = app.AddInMenu()->MenuItems();
  auto item = items->Add("Quillon...");
  EXPECT_EQ(app.MenuCaptions(), (std::vector<std::string>{"Quillon..."}));
  auto handler = std::make_shared<Handler>();
  int32_t connection = item->ConnectEvents(handler);
  EXPECT_NE(connection, 0);
  EXPECT_TRUE(app.ClickMenuItem(0));
  EXPECT_EQ(handler->clicks, 1);
  item->DisconnectEvents(connection);
  EXPECT_FALSE(app.ClickMenuItem(0));
  EXPECT_EQ(handler->clicks, 1);
  app.AddInMenu()->MenuItems()->Remove(item);
  EXPECT_TRUE(app.MenuCaptions().empty());
}

#ifdef QUILLON_EXAMPLES_DIR
TEST(ExampleProjectTest, EveryComponentResolvesToAnExistingFile) {
  ProjectFileApplication app(std::string(QUILLON_EXAMPLES_DIR) + "/Payroll/Payroll.vbp");
  const Components components = Walk(app);
  ASSERT_EQ(components.size(), 4u);
  for (const auto& [name, path] : components) {
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << name << ": " << path;
  }
  EXPECT_EQ(app.ProjectName(), "Payroll");
}
#endif

}  // namespace
}  // namespace quillon
