// Reading and writing INI entries through the private-profile functions.
#include "host/profile.h"

#include <gtest/gtest.h>

#include <ostream>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/windir_fixture.h"

namespace quillon {
namespace {

struct ReadCase {
  const char* name;
  const char* text;
  const char* section;
  const char* key;
  uint32_t size;
  std::string expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }


const ReadCase kReadCases[] = {
    {"Found", "[S]\r\nk=value\r\n", "S", "k", 64, "value"},
    {"MissingSection", "[T]\r\nk=value\r\n", "S", "k", 64, "Default"},
    {"MissingKey", "[S]\r\nj=value\r\n", "S", "k", 64, "Default"},
    {"EmptyValueIsNoDefault", "[S]\r\nk=\r\n", "S", "k", 64, ""},
    {"LineWithoutEqualsIsNoEntry", "[S]\r\nk\r\n", "S", "k", 64, "Default"},
    {"CommentIsNoEntry", "[S]\r\n;k=value\r\n", "S", "k", 64, "Default"},
    {"EntryBeforeAnySection", "k=value\r\n[S]\r\n", "S", "k", 64, "Default"},
    {"SectionEndsAtNextHeader", "[S]\r\n[T]\r\nk=value\r\n", "S", "k", 64, "Default"},
    {"LaterSection", "[T]\r\nk=1\r\n[S]\r\nk=2\r\n", "S", "k", 64, "2"},
    {"FirstSectionWins", "[S]\r\nk=1\r\n[s]\r\nk=2\r\n", "S", "k", 64, "1"},
    {"FirstKeyWins", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", 64, "1"},
    {"BlanksIgnored", "  [ S  ]  \r\n \t k \t=  v a l \t\r\n", "S", "k", 64, "v a l"},
    {"BlanksAroundNamesPassed", "[S]\r\nk=v\r\n", " S ", "\tk ", 64, "v"},
    {"CaseIgnored", "[Add-Ins32]\r\nQuillon.QlnClass=1\r\n", "ADD-INS32", "quillon.qlnCLASS", 64, "1"},
    {"Windows1252CaseIgnored", "[\xC9T\xC9]\r\n\xC0=1\r\n", "\xE9t\xE9", "\xE0", 64, "1"},
    {"EqualsInValue", "[S]\r\nk=a=b\r\n", "S", "k", 64, "a=b"},
    {"LfLines", "[S]\nj=0\nk=value\n", "S", "k", 64, "value"},
    {"CrLines", "[S]\rj=0\rk=value\r", "S", "k", 64, "value"},
    {"NoFinalNewline", "[S]\r\nk=value", "S", "k", 64, "value"},
    {"ValueCutToSizeLessOne", "[S]\r\nk=abcdefghij\r\n", "S", "k", 5, "abcd"},
    {"ValueThatFitsExactly", "[S]\r\nk=abcd\r\n", "S", "k", 5, "abcd"},
    {"DefaultCutToSizeLessOne", "[S]\r\n", "S", "k", 4, "Def"},
    {"SizeOneLeavesOnlyTheNul", "[S]\r\nk=value\r\n", "S", "k", 1, ""},
};

class ProfileReadTest : public WindirTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ProfileReadTest, PlacesTheValueAndReturnsItsLength) {
  const ReadCase& c = GetParam();
  Put(Path("TEST.INI"), c.text);
  std::vector<char> buffer(c.size + 1, '#');
  const uint32_t count = GetPrivateProfileStringA(c.section, c.key, "Default", buffer.data(), c.size, "TEST.INI");
  EXPECT_EQ(count, c.expected.size());
  EXPECT_EQ(std::string(buffer.data()), c.expected);
  EXPECT_EQ(buffer[c.size], '#') << "wrote past the size";
}

INSTANTIATE_TEST_SUITE_P(Texts, ProfileReadTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

using ProfileTest = WindirTest;

TEST_F(ProfileTest, MissingFileGivesTheDefault) {
  char buffer[16];
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "NotFound", buffer, sizeof buffer, "NONE.INI"), 8u);
  EXPECT_STREQ(buffer, "NotFound");
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", nullptr, buffer, sizeof buffer, "NONE.INI"), 0u);
  EXPECT_STREQ(buffer, "");
  EXPECT_FALSE(Take(Path("NONE.INI"))) << "reading must not create the file";
}

TEST_F(ProfileTest, SizeZeroTouchesNothing) {
  char buffer[4] = {'#', '#', '#', '#'};
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "NotFound", buffer, 0, "NONE.INI"), 0u);
  EXPECT_EQ(buffer[0], '#');
}

TEST_F(ProfileTest, BareNameLiesInTheWindowsDirectoryAndPathsAreUsedAsGiven) {
  ASSERT_NE(WritePrivateProfileStringA("S", "k", "bare", "VB.INI"), 0);
  EXPECT_EQ(Take(Path("VB.INI")), "[S]\r\nk=bare\r\n");

  std::filesystem::create_directory(Path("sub"));
  ASSERT_NE(WritePrivateProfileStringA("S", "k", "path", Path("sub/VB.INI").c_str()), 0);
  EXPECT_EQ(Take(Path("sub/VB.INI")), "[S]\r\nk=path\r\n");
  EXPECT_EQ(Take(Path("VB.INI")), "[S]\r\nk=bare\r\n");

  char buffer[16];
  EXPECT_EQ(GetPrivateProfileStringA("s", "K", "", buffer, sizeof buffer, Path("sub/VB.INI").c_str()), 4u);
  EXPECT_STREQ(buffer, "path");

  setenv("QUILLON_DRIVE_Q", folder_.c_str(), 1);
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, "Q:\\sub\\VB.INI"), 4u);
  unsetenv("QUILLON_DRIVE_Q");
  EXPECT_STREQ(buffer, "path");
}

TEST_F(ProfileTest, WriteChangesOnlyTheValueAndKeepsThePermissions) {
  const std::string ini = Path("VB.INI");
  Put(ini, "; keep\n[A]\n  k = old value  \nstray\n[B]\nk=1");
  ASSERT_EQ(chmod(ini.c_str(), 0640), 0);

  ASSERT_NE(WritePrivateProfileStringA("a", "K", "new", "VB.INI"), 0);

  EXPECT_EQ(Take(ini), "; keep\n[A]\n  k = new  \nstray\n[B]\nk=1");
  struct stat st {};
  ASSERT_EQ(stat(ini.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(ProfileTest, AWriteClearsTemporaryFilesThatKilledWritersLeft) {
  Put(Path("VB.INI"), "[S]\nk=1\n");
  Put(Path("VB.INI.4242.0.tmp"), "[S]\nk=half");
  Put(Path("VB.INI.bak"), "kept");
  Put(Path("VB.INI.x.0.tmp"), "kept");
  ASSERT_NE(WritePrivateProfileStringA("S", "k", "2", "VB.INI"), 0);
  EXPECT_FALSE(std::filesystem::exists(Path("VB.INI.4242.0.tmp")));
  EXPECT_TRUE(std::filesystem::exists(Path("VB.INI.bak")));
  EXPECT_TRUE(std::filesystem::exists(Path("VB.INI.x.0.tmp")));
  EXPECT_EQ(Take(Path("VB.INI")), "[S]\nk=2\n");
}

TEST_F(ProfileTest, WriteThroughASymbolicLinkChangesItsTarget) {
  Put(Path("real.ini"), "[S]\nk=1\n");
  std::filesystem::create_symlink("real.ini", Path("VB.INI"));
  ASSERT_NE(WritePrivateProfileStringA("S", "k", "2", "VB.INI"), 0);
  EXPECT_TRUE(std::filesystem::is_symlink(Path("VB.INI")));
  EXPECT_EQ(Take(Path("real.ini")), "[S]\nk=2\n");
}

TEST_F(ProfileTest, WritesSeveralKeysAndReadsThemBack) {
  ASSERT_NE(WritePrivateProfileStringA("S", "one", "1", "VB.INI"), 0);
  ASSERT_NE(WritePrivateProfileStringA("T", "two", "2", "VB.INI"), 0);
  ASSERT_NE(WritePrivateProfileStringA("S", "three", "3", "VB.INI"), 0);
  ASSERT_NE(WritePrivateProfileStringA("S", "ONE", "uno", "VB.INI"), 0);
  EXPECT_EQ(Take(Path("VB.INI")), "[S]\r\none=uno\r\nthree=3\r\n[T]\r\ntwo=2\r\n");
}

TEST_F(ProfileTest, RefusedWritesLeaveTheFileAlone) {
  const std::string original = "[S]\r\nk=1\r\n";
  Put(Path("VB.INI"), original);
  EXPECT_EQ(WritePrivateProfileStringA("S", "k", "two\r\nlines", "VB.INI"), 0);
  EXPECT_EQ(WritePrivateProfileStringA("S", "k\n", "1", "VB.INI"), 0);
  EXPECT_EQ(WritePrivateProfileStringA("S", nullptr, "1", "VB.INI"), 0);
  EXPECT_EQ(WritePrivateProfileStringA("S", "k", nullptr, "VB.INI"), 0);
  EXPECT_EQ(WritePrivateProfileStringA("S", "k", "1", ""), 0);
  EXPECT_EQ(WritePrivateProfileStringA("S", "k", "1", Path("missing/VB.INI").c_str()), 0);
  EXPECT_EQ(Take(Path("VB.INI")), original);
}

// Files in the test folder other than the INI file and its lock file.
std::vector<std::string> StrayFiles(const std::string& folder) {
  std::vector<std::string> stray;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name != "VB.INI" && name != "VB.INI.lock") stray.push_back(name);
  }
  return stray;
}

TEST_F(ProfileTest, FailedWriteKeepsTheFileAndRemovesItsTemporaryFile) {
  const std::string original = "[S]\r\nk=" + std::string(100, 'v') + "\r\n";
  Put(Path("VB.INI"), original);
  // A file size limit below the new text makes writing the temporary file fail.
  rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 64;
  const auto old_handler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const int32_t result = WritePrivateProfileStringA("S", "k", std::string(200, 'w').c_str(), "VB.INI");
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, old_handler);

  EXPECT_EQ(result, 0);
  EXPECT_EQ(Take(Path("VB.INI")), original);
  EXPECT_TRUE(StrayFiles(folder_).empty());
}

TEST_F(ProfileTest, UnreadableFileIsNotOverwritten) {
  // A folder where the file should be cannot be read; the write must not replace it.
  std::filesystem::create_directory(Path("VB.INI"));
  EXPECT_EQ(WritePrivateProfileStringA("S", "k", "1", "VB.INI"), 0);
  EXPECT_TRUE(std::filesystem::is_directory(Path("VB.INI")));
  char buffer[16];
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "NotFound", buffer, sizeof buffer, "VB.INI"), 8u);
  EXPECT_TRUE(StrayFiles(folder_).empty());
}

}  // namespace
}  // namespace quillon
