// Tests for reading .vbp and .mak project files.
#include "host/project_file.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/fixture_folder_test_util.h"
#include "runtime/run_error.h"

namespace quillon {

// In the entry's own namespace, where the test framework's lookup finds them.
bool operator==(const ProjectEntry& a, const ProjectEntry& b) { return a.name == b.name && a.path == b.path; }
void PrintTo(const ProjectEntry& entry, std::ostream* out) { *out << "{" << entry.name << " | " << entry.path << "}"; }

namespace {

std::string Lines(const std::vector<std::string>& lines, const std::string& end) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + end;
  return bytes;
}

const std::vector<std::string> kVbpLines = {
    "Type=Exe",
    "Form=frmMain.frm",
    "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#C:\\WINDOWS\\SYSTEM\\STDOLE2.TLB#OLE Automation",
    "Module=DateUtil; Modules\\DateUtil.bas",
    "Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0; COMDLG32.OCX",
    "Class=Employee; Employee.cls",
    "Startup=\"frmMain\"",
    "Name=\"Payroll\"",
    "ResFile32=\"Payroll.res\"",
    "ExeName32=\"Payroll.exe\"",
    "",
    "[MS Transaction Server]",
    "AutoRefresh=1",
    "Form=NotAComponent.frm",
};

const std::vector<ProjectEntry> kVbpComponents = {
    {"", "frmMain.frm"}, {"DateUtil", "Modules\\DateUtil.bas"}, {"Employee", "Employee.cls"}};

TEST(ProjectFileTest, VbpComponentLines) {
  struct Case {
    const char* line;
    bool component;
    ProjectEntry entry;
  };
  const std::vector<Case> cases = {
      {"Form=frmMain.frm", true, {"", "frmMain.frm"}},
      {"  form =  Forms\\frmMain.frm  ", true, {"", "Forms\\frmMain.frm"}},
      {"Module=DateUtil; DateUtil.bas", true, {"DateUtil", "DateUtil.bas"}},
      {"MODULE = DateUtil ;DateUtil.bas", true, {"DateUtil", "DateUtil.bas"}},
      {"Module=DateUtil.bas", true, {"", "DateUtil.bas"}},
      {"Class=Employee; ..\\Shared\\Employee.cls", true, {"Employee", "..\\Shared\\Employee.cls"}},
      {"UserControl=ctlDate.ctl", true, {"", "ctlDate.ctl"}},
      {"PropertyPage=ppgDate.pag", true, {"", "ppgDate.pag"}},
      {"UserDocument=docMain.dob", true, {"", "docMain.dob"}},
      {"Designer=dsrReport.Dsr", true, {"", "dsrReport.Dsr"}},
      {"Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#STDOLE2.TLB#OLE", false, {}},
      {"Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0; COMDLG32.OCX", false, {}},
      {"Name=\"Payroll\"", false, {}},
      {"ResFile32=\"Payroll.res\"", false, {}},
      {"Formula=x.frm", false, {}},
      {"frmMain.frm", false, {}},
      {"", false, {}},
  };
  for (const auto& c : cases) {
    const auto entry = VbpComponentLine(c.line);
    ASSERT_EQ(entry.has_value(), c.component) << c.line;
    if (entry) {
      EXPECT_EQ(*entry, c.entry) << c.line;
    }
  }
}

TEST(ProjectFileTest, MakComponentLines) {
  struct Case {
    const char* line;
    bool component;
    ProjectEntry entry;
  };
  const std::vector<Case> cases = {
      {"FORM1.FRM", true, {"", "FORM1.FRM"}},
      {"  C:\\VB\\PAYROLL\\DATES.BAS  ", true, {"", "C:\\VB\\PAYROLL\\DATES.BAS"}},
      {"employee.Cls", true, {"", "employee.Cls"}},
      {"Form=FORM1.FRM", true, {"", "FORM1.FRM"}},
      {"Module=DateUtil; DATEUTIL.BAS", true, {"DateUtil", "DATEUTIL.BAS"}},
      {"C:\\WINDOWS\\SYSTEM\\GRID.VBX", false, {}},
      {"CONSTANT.TXT", false, {}},
      {"ProjWinSize=152,402,248,215", false, {}},
      {"ProjWinShow=2", false, {}},
      {"IconForm=\"FORM1\"", false, {}},
      {"Title=\"PAYROLL\"", false, {}},
      {"ExeName=\"PAYROLL.EXE\"", false, {}},
      {"", false, {}},
  };
  for (const auto& c : cases) {
    const auto entry = MakComponentLine(c.line);
    ASSERT_EQ(entry.has_value(), c.component) << c.line;
    if (entry) {
      EXPECT_EQ(*entry, c.entry) << c.line;
    }
  }
}

TEST(ProjectFileTest, VbpReadsTheSameWithEveryLineEnd) {
  FixtureFolder folder;
  for (const char* end : {"\r\n", "\n", "\r"}) {
    const auto project = ReadProjectFile(folder.Write("Payroll.vbp", Lines(kVbpLines, end)));
    EXPECT_EQ(project.name, "Payroll");
    EXPECT_EQ(project.components, kVbpComponents);
  }
}

TEST(ProjectFileTest, ProjectNameDefaultsToTheFileBaseName) {
  FixtureFolder folder;
  const auto project = ReadProjectFile(folder.Write("Ledger.VBP", "Form=Form1.frm\r\n"));
  EXPECT_EQ(project.name, "Ledger");
  EXPECT_EQ(project.components, (std::vector<ProjectEntry>{{"", "Form1.frm"}}));
}

TEST(ProjectFileTest, FirstNameLineNamesTheProject) {
  FixtureFolder folder;
  const auto project = ReadProjectFile(folder.Write("p.vbp", "name = \"First\"\r\nName=\"Second\"\r\n"));
  EXPECT_EQ(project.name, "First");
}

TEST(ProjectFileTest, MakFileListsItsSourceFiles) {
  FixtureFolder folder;
  const auto path = folder.Write("PAYROLL.MAK",
                                 "FORM1.FRM\r\nC:\\VB\\GRID.VBX\r\nDATES.BAS\r\nEMPLOYEE.CLS\r\n"
                                 "ProjWinSize=152,402,248,215\r\nProjWinShow=2\r\nIconForm=\"FORM1\"\r\n"
                                 "Title=\"PAYROLL\"\r\nExeName=\"PAYROLL.EXE\"\r\n");
  const auto project = ReadProjectFile(path);
  EXPECT_EQ(project.name, "PAYROLL");
  EXPECT_EQ(project.components,
            (std::vector<ProjectEntry>{{"", "FORM1.FRM"}, {"", "DATES.BAS"}, {"", "EMPLOYEE.CLS"}}));
}

TEST(ProjectFileTest, OtherExtensionsFollowTheVbpRules) {
  FixtureFolder folder;
  const auto project = ReadProjectFile(folder.Write("old.txt", "Form=a.frm\r\nb.bas\r\n"));
  EXPECT_EQ(project.components, (std::vector<ProjectEntry>{{"", "a.frm"}}));
}

TEST(ProjectFileTest, MissingProjectFileRaisesFileNotFound) {
  FixtureFolder folder;
  try {
    ReadProjectFile(folder / "none.vbp");
    FAIL() << "read a missing file";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), kErrFileNotFound);
  }
}

TEST(ProjectFileTest, BaseName) {
  EXPECT_EQ(BaseName("C:\\VB\\FORM1.FRM"), "FORM1");
  EXPECT_EQ(BaseName("forms/frmMain.frm"), "frmMain");
  EXPECT_EQ(BaseName("Employee.v2.cls"), "Employee.v2");
  EXPECT_EQ(BaseName("README"), "README");
}

}  // namespace
}  // namespace quillon
