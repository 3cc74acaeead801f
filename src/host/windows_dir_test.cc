// Which folder stands for the Windows directory, and its creation.
#include "host/windows_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "host/windir_fixture.h"
#include "runtime/run_error.h"

namespace quillon {
namespace {

// Sets environment variables for one test and puts the old values back afterwards.
class WindowsDirectoryTest : public WindirTest {
 protected:
  void SetUp() override {
    WindirTest::SetUp();
    for (const char* name : {"XDG_CONFIG_HOME", "HOME"}) {
      const char* old = std::getenv(name);
      saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name, value->c_str(), 1);
      } else {
        unsetenv(name);
      }
    }
    WindirTest::TearDown();
  }

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(WindowsDirectoryTest, WindirWins) {
  setenv("XDG_CONFIG_HOME", Path("xdg").c_str(), 1);
  setenv("HOME", Path("home").c_str(), 1);
  EXPECT_EQ(WindowsDirectory(), folder_);
  setenv("WINDIR", (folder_ + "/").c_str(), 1);
  EXPECT_EQ(WindowsDirectory(), folder_);
}

TEST_F(WindowsDirectoryTest, FallsBackToXdgConfigHomeThenHome) {
  setenv("WINDIR", "", 1);
  setenv("XDG_CONFIG_HOME", Path("xdg").c_str(), 1);
  setenv("HOME", Path("home").c_str(), 1);
  EXPECT_EQ(WindowsDirectory(), Path("xdg/quillon"));

  setenv("XDG_CONFIG_HOME", "relative/config", 1);
  EXPECT_EQ(WindowsDirectory(), Path("home/.config/quillon"));
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("WINDIR");
  EXPECT_EQ(WindowsDirectory(), Path("home/.config/quillon"));
}

TEST_F(WindowsDirectoryTest, CreatesTheMissingFolderWithItsParents) {
  const std::string wanted = Path("a/b/c");
  setenv("WINDIR", wanted.c_str(), 1);
  const mode_t old_mask = umask(022);
  const std::string got = WindowsDirectory();
  umask(old_mask);
  EXPECT_EQ(got, wanted);
  struct stat st {};
  ASSERT_EQ(stat(wanted.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_mode & 07777, 0755u);
}

TEST_F(WindowsDirectoryTest, RaisesWhenNoFolderCanBeHad) {
  Put(Path("file"), "x");
  setenv("WINDIR", Path("file").c_str(), 1);
  EXPECT_THROW(WindowsDirectory(), RuntimeError);
  setenv("WINDIR", Path("file/below").c_str(), 1);
  EXPECT_THROW(WindowsDirectory(), RuntimeError);

  unsetenv("WINDIR");
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("HOME");
  EXPECT_THROW(WindowsDirectory(), RuntimeError);
}

}  // namespace
}  // namespace quillon
