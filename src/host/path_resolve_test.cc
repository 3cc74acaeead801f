// Tests for finding a project's component files on this system.
#include "host/path_resolve.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "host/fixture_folder_test_util.h"

namespace quillon {
namespace {

// Sets or clears an environment variable for one test and restores it afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class PathResolveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("proj/frmMain.frm", "");
    folder_.Write("proj/Modules/DateUtil.bas", "");
    folder_.Write("shared/Employee.cls", "");
    folder_.Write("proj/\xC3\x89tat.bas", "");  // "État.bas" in UTF-8
  }
  std::string Resolve(const std::string& path) const { return ResolveComponentPath(folder_ / "proj", path); }

  FixtureFolder folder_;
};

TEST_F(PathResolveTest, FindsFilesWrittenAnyWay) {
  struct Case {
    const char* written;
    const char* found;  // below the temp folder
  };
  const Case cases[] = {
      {"frmMain.frm", "proj/frmMain.frm"},
      {"FRMMAIN.FRM", "proj/frmMain.frm"},
      {"Modules\\DateUtil.bas", "proj/Modules/DateUtil.bas"},
      {"MODULES\\DATEUTIL.BAS", "proj/Modules/DateUtil.bas"},
      {"modules/dateutil.bas", "proj/Modules/DateUtil.bas"},
      {".\\frmMain.frm", "proj/./frmMain.frm"},
      {"..\\shared\\Employee.cls", "proj/../shared/Employee.cls"},
      {"..\\SHARED\\EMPLOYEE.CLS", "proj/../shared/Employee.cls"},
      {"Modules\\..\\FRMMAIN.FRM", "proj/Modules/../frmMain.frm"},
      {"\xC9tat.bas", "proj/\xC3\x89tat.bas"},    // Windows-1252 "État.bas"
      {"\xE9TAT.BAS", "proj/\xC3\x89tat.bas"},    // "éTAT.BAS"
  };
  for (const auto& c : cases) {
    const std::string resolved = Resolve(c.written);
    EXPECT_EQ(resolved, folder_ / c.found) << c.written;
    EXPECT_TRUE(std::filesystem::exists(resolved)) << c.written;
  }
}

TEST_F(PathResolveTest, MissingPartKeepsTheRestAsWritten) {
  EXPECT_EQ(Resolve("FRMGONE.FRM"), folder_ / "proj/FRMGONE.FRM");
  EXPECT_EQ(Resolve("MODULES\\Gone\\X.BAS"), folder_ / "proj/Modules/Gone/X.BAS");
  EXPECT_EQ(Resolve("NoSuch\\DATEUTIL.BAS"), folder_ / "proj/NoSuch/DATEUTIL.BAS");
  EXPECT_EQ(Resolve("frmMain.frm\\x.bas"), folder_ / "proj/frmMain.frm/x.bas");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "proj/NoSuch")) << "resolving created a folder";
}

TEST_F(PathResolveTest, AbsolutePathsAreResolvedFromTheRoot) {
  const std::string upper = folder_.path().string() + "/PROJ/FRMMAIN.FRM";
  EXPECT_EQ(ResolveComponentPath("/elsewhere", upper), folder_ / "proj/frmMain.frm");
}

TEST_F(PathResolveTest, ProjectInTheCurrentFolder) {
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(folder_ / "proj");
  const std::string resolved = ResolveComponentPath("", "modules\\DATEUTIL.BAS");
  std::filesystem::current_path(old);
  EXPECT_EQ(resolved, "Modules/DateUtil.bas");
}

TEST_F(PathResolveTest, DriveLetterPathsUseTheMappedFolder) {
  ScopedEnv drive("QUILLON_DRIVE_C", folder_.path().string().c_str());
  EXPECT_EQ(Resolve("C:\\PROJ\\MODULES\\DATEUTIL.BAS"), folder_ / "proj/Modules/DateUtil.bas");
  EXPECT_EQ(Resolve("c:\\Proj\\Gone.bas"), folder_ / "proj/Gone.bas");
}

TEST_F(PathResolveTest, UnmappedDriveAndUncPathsStayAsWritten) {
  ScopedEnv drive("QUILLON_DRIVE_C", nullptr);
  EXPECT_EQ(Resolve("C:\\PROJ\\MODULES\\DATEUTIL.BAS"), "C:/PROJ/MODULES/DATEUTIL.BAS");
  EXPECT_EQ(Resolve("\\\\SERVER\\SHARE\\DATEUTIL.BAS"), "//SERVER/SHARE/DATEUTIL.BAS");
}

TEST_F(PathResolveTest, EmptyPathStaysEmpty) { EXPECT_EQ(Resolve(""), ""); }

TEST(FolderOfTest, FolderPart) {
  EXPECT_EQ(FolderOf("/work/proj/Payroll.vbp"), "/work/proj");
  EXPECT_EQ(FolderOf("proj/Payroll.vbp"), "proj");
  EXPECT_EQ(FolderOf("/Payroll.vbp"), "/");
  EXPECT_EQ(FolderOf("Payroll.vbp"), "");
}

}  // namespace
}  // namespace quillon
