// Tests for the names of components listed by a project file.
#include "host/component_name.h"

#include <string>

#include <gtest/gtest.h>

#include "host/fixture_folder_test_util.h"

namespace quillon {
namespace {

TEST(VbNameAttributeTest, Lines) {
  EXPECT_EQ(VbNameAttribute("Attribute VB_Name = \"frmMain\""), "frmMain");
  EXPECT_EQ(VbNameAttribute("attribute vb_name=\"DateUtil\""), "DateUtil");
  EXPECT_EQ(VbNameAttribute("  ATTRIBUTE  VB_NAME  =  \"Employee\"  "), "Employee");
  EXPECT_EQ(VbNameAttribute("Attribute VB_Name = Bare"), "Bare");
  EXPECT_FALSE(VbNameAttribute("Attribute VB_Creatable = False"));
  EXPECT_FALSE(VbNameAttribute("Attribute VB_NameSpace = \"x\""));
  EXPECT_FALSE(VbNameAttribute("AttributeVB_Name = \"x\""));
  EXPECT_FALSE(VbNameAttribute("' Attribute VB_Name = \"x\""));
}

const char kForm[] =
    "VERSION 4.00\r\n"
    "Begin VB.Form frmWrong \r\n"
    "   Caption         =   \"Payroll\"\r\n"
    "   Begin VB.CommandButton cmdRun \r\n"
    "      Caption         =   \"&Run\"\r\n"
    "   End\r\n"
    "   Attribute VB_Name = \"NotThis\"\r\n"
    "End\r\n"
    "Attribute VB_Name = \"frmMain\"\r\n"
    "Attribute VB_Creatable = False\r\n"
    "Option Explicit\r\n";

const char kClass[] =
    "VERSION 1.0 CLASS\n"
    "BEGIN\n"
    "  MultiUse = -1  'True\n"
    "END\n"
    "Attribute VB_Name = \"Employee\"\n";

const char kNameAfterCode[] =
    "Option Explicit\r\n"
    "Attribute VB_Name = \"TooLate\"\r\n";

TEST(ComponentNameTest, NameComesFromTheLineTheHeaderOrThePath) {
  FixtureFolder folder;
  struct Case {
    const char* label;
    ProjectEntry entry;
    const char* file;      // the resolved path, inside the folder
    const char* contents;  // nullptr: the file is missing
    const char* name;
  };
  const Case cases[] = {
      {"project line", {"DateUtil", "DATEUTIL.BAS"}, "DateUtil.bas", "Attribute VB_Name = \"Other\"\r\n", "DateUtil"},
      {"form header", {"", "FRMMAIN.FRM"}, "frmMain.frm", kForm, "frmMain"},
      {"class header, LF lines", {"", "EMPLOYEE.CLS"}, "Employee.cls", kClass, "Employee"},
      {"module without header", {"", "Dates.bas"}, "Dates.bas", "Attribute VB_Name = \"Dates2\"\r\n", "Dates2"},
      {"attribute after code", {"", "LATE.BAS"}, "Late.bas", kNameAfterCode, "Late"},
      {"empty file", {"", "EMPTY.BAS"}, "Empty.bas", "", "Empty"},
      {"missing file", {"", "MODULES\\GONE.BAS"}, "Modules/GONE.BAS", nullptr, "GONE"},
  };
  for (const auto& c : cases) {
    const std::string path = c.contents ? folder.Write(c.file, c.contents) : folder / c.file;
    EXPECT_EQ(ComponentName(c.entry, path), c.name) << c.label;
  }
}

}  // namespace
}  // namespace quillon
