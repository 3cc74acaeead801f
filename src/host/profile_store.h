// Whole-file access to a settings file shared with other programs. Every access holds
// an advisory lock on a lock file beside it ("<file>.lock"): shared for reading,
// exclusive across a change's read, edit and replacement, so that writers starting at
// the same time lose no change. A change replaces the file atomically, so that a
// crash leaves either the old or the new file, never a torn one.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// The text of the file at `path`, or nothing when it does not exist. Raises a
// RuntimeError when it exists but cannot be read.
std::optional<std::string> ReadSharedFile(const std::string& path);

// Replaces the file at `path` by `edit` applied to its text ("" when it does not
// exist yet), keeping its permission bits. Raises a RuntimeError when the change
// fails; the file is then as it was and no temporary file of this change remains.
void EditSharedFile(const std::string& path, const std::function<std::string(std::string_view)>& edit);

}  // namespace quillon
