// The start-up registration against VB.INI files of every shape, byte for byte.
#include "host/startup.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sys/stat.h>

#include <optional>
#include <string>

#include "host/windir_fixture.h"

namespace quillon {
namespace {

struct StartupCase {
  const char* name;
  std::optional<std::string> before;  // nothing: no VB.INI
  std::string after;                  // the same as `before` when nothing may be written
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const StartupCase& c, std::ostream* out) { *out << c.name; }


const StartupCase kCases[] = {
    {"NoFile", std::nullopt, "[Add-Ins32]\r\nQuillon.QlnClass=0\r\n"},
    {"EmptyFile", "", "[Add-Ins32]\r\nQuillon.QlnClass=0\r\n"},
    {"NoSection", "[Visual Basic]\r\nvbpath=C:\\VB\r\n",
     "[Visual Basic]\r\nvbpath=C:\\VB\r\n[Add-Ins32]\r\nQuillon.QlnClass=0\r\n"},
    {"NoSectionLfNoFinalNewline", "[Visual Basic]\nvbpath=C:\\VB",
     "[Visual Basic]\nvbpath=C:\\VB\n[Add-Ins32]\nQuillon.QlnClass=0\n"},
    {"ValueZero", "[Add-Ins32]\r\nQuillon.QlnClass=0\r\n", "[Add-Ins32]\r\nQuillon.QlnClass=0\r\n"},
    {"ValueOne", "[Add-Ins32]\r\nQuillon.QlnClass=1\r\n", "[Add-Ins32]\r\nQuillon.QlnClass=1\r\n"},
    {"EmptyValue", "[Add-Ins32]\r\nQuillon.QlnClass=\r\n", "[Add-Ins32]\r\nQuillon.QlnClass=\r\n"},
    {"LongValue", "[Add-Ins32]\r\nQuillon.QlnClass=C:\\VB\\ADDINS\\QLN.EXE\r\n",
     "[Add-Ins32]\r\nQuillon.QlnClass=C:\\VB\\ADDINS\\QLN.EXE\r\n"},
    // Cut to 12 characters the value is "NotFoundPlus", not "NotFound".
    {"DefaultFollowedByMore", "[Add-Ins32]\r\nQuillon.QlnClass=NotFoundPlusMore\r\n",
     "[Add-Ins32]\r\nQuillon.QlnClass=NotFoundPlusMore\r\n"},
    {"ValueNotFound", "[Add-Ins32]\r\nQuillon.QlnClass=NotFound\r\n",
     "[Add-Ins32]\r\nQuillon.QlnClass=0\r\n"},
    {"ValueNotFoundWithBlanks", "[Add-Ins32]\r\nQuillon.QlnClass =  NotFound \r\n",
     "[Add-Ins32]\r\nQuillon.QlnClass =  0 \r\n"},
    {"ValueNotFoundInOtherCase", "[Add-Ins32]\r\nQuillon.QlnClass=notfound\r\n",
     "[Add-Ins32]\r\nQuillon.QlnClass=notfound\r\n"},
    {"NamesInOtherCaseWithBlanks", "  [ add-ins32 ]  \r\n  QUILLON.qlnclass = 1 \r\n",
     "  [ add-ins32 ]  \r\n  QUILLON.qlnclass = 1 \r\n"},
    {"OtherAddInsOnly", "[Add-Ins32]\r\nAppWizard.Wizard=1\r\nDataForm.Wizard=0\r\n[Other]\r\nX=1\r\n",
     "[Add-Ins32]\r\nAppWizard.Wizard=1\r\nDataForm.Wizard=0\r\nQuillon.QlnClass=0\r\n[Other]\r\nX=1\r\n"},
    {"SectionWithoutEntries", "[Add-Ins32]\r\n\r\n[Other]\r\nX=1\r\n",
     "[Add-Ins32]\r\nQuillon.QlnClass=0\r\n\r\n[Other]\r\nX=1\r\n"},
    {"CommentsJunkAndBlankLinesLf",
     "; VB settings\n[Visual Basic]\nvbpath=C:\\VB\nnot an entry\n\n[Add-Ins32]\n; add-ins below\n"
     "AppWizard.Wizard=1\nstray words\n\n[Other]\nX=1",
     "; VB settings\n[Visual Basic]\nvbpath=C:\\VB\nnot an entry\n\n[Add-Ins32]\n; add-ins below\n"
     "AppWizard.Wizard=1\nQuillon.QlnClass=0\nstray words\n\n[Other]\nX=1"},
    {"CommentsJunkAndBlankLinesCrLf",
     "; VB settings\r\n[Visual Basic]\r\n  vbpath = C:\\VB  \r\n\r\n[Add-Ins32]\r\nAppWizard.Wizard=1\r\n"
     "; Quillon.QlnClass=1\r\n\r\n",
     "; VB settings\r\n[Visual Basic]\r\n  vbpath = C:\\VB  \r\n\r\n[Add-Ins32]\r\nAppWizard.Wizard=1\r\n"
     "Quillon.QlnClass=0\r\n; Quillon.QlnClass=1\r\n\r\n"},
    {"SectionLastWithoutFinalNewline", "[Other]\r\nX=1\r\n[Add-Ins32]\r\nAppWizard.Wizard=1",
     "[Other]\r\nX=1\r\n[Add-Ins32]\r\nAppWizard.Wizard=1\r\nQuillon.QlnClass=0"},
    {"HeaderLastWithoutFinalNewline", "[Add-Ins32]", "[Add-Ins32]\r\nQuillon.QlnClass=0"},
    {"CrOnlyLines", "[Add-Ins32]\rAppWizard.Wizard=1\r", "[Add-Ins32]\rAppWizard.Wizard=1\rQuillon.QlnClass=0\r"},
    {"KeyOnlyInAnotherSection", "Quillon.QlnClass=1\r\n[Other]\r\nQuillon.QlnClass=1\r\n[Add-Ins32]\r\n",
     "Quillon.QlnClass=1\r\n[Other]\r\nQuillon.QlnClass=1\r\n[Add-Ins32]\r\nQuillon.QlnClass=0\r\n"},
};

class StartupTest : public WindirTest, public ::testing::WithParamInterface<StartupCase> {};

TEST_P(StartupTest, LeavesTheExpectedBytes) {
  const StartupCase& c = GetParam();
  const std::string ini = Path("VB.INI");
  if (c.before) Put(ini, *c.before);
  struct stat before {};
  const bool existed = stat(ini.c_str(), &before) == 0;

  AddInStartup();

  EXPECT_EQ(Take(ini), c.after);
  if (existed && c.before == c.after) {
    // Nothing was written: the file was not replaced.
    struct stat after {};
    ASSERT_EQ(stat(ini.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, StartupTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

using StartupTwiceTest = WindirTest;

TEST_F(StartupTwiceTest, SecondStartWritesNothing) {
  const std::string ini = Path("VB.INI");
  AddInStartup();
  const auto first = Take(ini);
  ASSERT_EQ(first, "[Add-Ins32]\r\nQuillon.QlnClass=0\r\n");
  struct stat before {};
  ASSERT_EQ(stat(ini.c_str(), &before), 0);

  AddInStartup();

  EXPECT_EQ(Take(ini), first);
  struct stat after {};
  ASSERT_EQ(stat(ini.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST_F(StartupTwiceTest, UnwritableFolderIsIgnored) {
  // WINDIR names a file, so VB.INI can be neither read nor written; the start goes on.
  const std::string blocker = Path("not-a-folder");
  Put(blocker, "x");
  setenv("WINDIR", blocker.c_str(), 1);
  AddInStartup();
  EXPECT_EQ(Take(blocker), "x");
}

}  // namespace
}  // namespace quillon
