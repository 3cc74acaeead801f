// A test's temporary folder, with a helper that writes fixture files into sub-folders.
#pragma once

#include <filesystem>
#include <string>

#include "testing/temp_dir.h"

namespace quillon {

class FixtureFolder : public testing::TempDir {
 public:
  // Writes `bytes` to `relative`, making the folders on the way; returns the full path.
  std::string Write(const std::string& relative, const std::string& bytes) const {
    const std::string full = *this / relative;
    std::filesystem::create_directories(std::filesystem::path(full).parent_path());
    testing::WriteFile(full, bytes);
    return full;
  }
};

}  // namespace quillon
