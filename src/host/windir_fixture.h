// Test fixture: a fresh temporary folder per test that stands for the Windows
// directory (WINDIR points at it), with helpers to put and take whole files.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

namespace quillon {

class WindirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "/quillon-ini-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    if (const char* old = std::getenv("WINDIR")) saved_windir_ = old;
    setenv("WINDIR", folder_.c_str(), 1);
  }

  void TearDown() override {
    if (saved_windir_) {
      setenv("WINDIR", saved_windir_->c_str(), 1);
    } else {
      unsetenv("WINDIR");
    }
    std::filesystem::remove_all(folder_);
  }

  std::string Path(const std::string& name) const { return folder_ + "/" + name; }

  static void Put(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
  }

  // The bytes of the file, or nothing when it does not exist.
  static std::optional<std::string> Take(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  std::string folder_;

 private:
  std::optional<std::string> saved_windir_;
};

}  // namespace quillon
