// Fuzzes the project-file reader: any bytes as a .vbp or .mak file must give trimmed,
// one-line component entries in file order, the project name of its Name line, and
// component paths that resolve inside the project's folder without a fault.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "host/project_file.h"
#include "host/project_file_host.h"
#include "host/line_text.h"
#include "runtime/codepage.h"

namespace quillon::fuzz {
namespace {

// Lines ended by CR LF, CR or a lone LF.
std::vector<std::string_view> AnyLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

bool Trimmed(std::string_view text) { return TrimBlanks(text).size() == text.size(); }

bool OneLine(std::string_view text) { return text.find_first_of("\r\n") == std::string_view::npos; }

bool SameEntry(const ProjectEntry& a, const ProjectEntry& b) { return a.name == b.name && a.path == b.path; }

// Entries and name as the lines before the first [section] give them one by one.
ProjectFile ExpectedProject(std::string_view text, bool mak, const std::string& path) {
  ProjectFile expected;
  std::optional<std::string> name;
  for (const auto line : AnyLines(text)) {
    if (!TrimBlanks(line).empty() && TrimBlanks(line).front() == '[') break;
    if (auto entry = mak ? MakComponentLine(line) : VbpComponentLine(line)) {
      expected.components.push_back(*entry);
      continue;
    }
    if (mak || name) continue;
    const size_t equals = line.find('=');
    if (equals != std::string_view::npos && EqualsIgnoreCase(TrimBlanks(line.substr(0, equals)), "Name")) {
      name = std::string(Unquote(TrimBlanks(line.substr(equals + 1))));
    }
  }
  expected.name = name ? *name : BaseName(path);
  return expected;
}

// A path that stays inside the project's folder: relative, no drive, no "..".
bool StaysInside(const std::string& path) {
  if (path.empty() || path[0] == '/' || path[0] == '\\') return false;
  if (path.size() >= 2 && path[1] == ':') return false;
  return path.find("..") == std::string::npos;
}

// A project folder with a few component files in mixed letter case.
std::string ProjectFolder() {
  static const std::string folder = [] {
    const std::string made = ScratchFolder::Get() / "Project";
    std::filesystem::create_directories(made + "/Forms");
    PutFile(made + "/Forms/Main.FRM", "VERSION 4.00\r\nBegin VB.Form frmMain\r\nEnd\r\nAttribute VB_Name = \"frmMain\"\r\n");
    PutFile(made + "/DateUtil.bas", "Attribute VB_Name = \"modDates\"\r\nSub X()\r\n");
    PutFile(made + "/Empty.cls", "");
    return made;
  }();
  return folder;
}

void CheckResolution(const std::string& project_path, const ProjectFile& project) {
  for (const auto& entry : project.components) {
    if (!StaysInside(entry.path)) return;
  }
  ProjectFileApplication application(project_path);
  Check(!application.LoadError(), "a readable project did not open");
  auto opened = application.ActiveProject();
  const int32_t count = opened->Components()->Count();
  Check(count == static_cast<int32_t>(project.components.size()), "the component count differs");
  for (int32_t position = 0; position < count; ++position) {
    auto component = opened->Components(position);
    const std::string path = component->FileNames(0);
    Check(path.find('\\') == std::string::npos, "a resolved path keeps a backslash");
    Check(path.rfind(ProjectFolder() + "/", 0) == 0, "a relative path resolved outside the project folder");
    const std::string name = component->Name();
    Check(OneLine(name), "a component name holds a line end");
  }
}

void Run(const uint8_t* data, size_t size) {
  if (size < 1) return;
  const bool mak = data[0] & 1;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string path = ProjectFolder() + (mak ? "/Project.MAK" : "/Project.vbp");
  PutFile(path, text);

  const ProjectFile project = ReadProjectFile(path);
  for (const auto& entry : project.components) {
    Check(OneLine(entry.name) && OneLine(entry.path), "an entry holds a line end");
    Check(Trimmed(entry.name) && Trimmed(entry.path), "an entry keeps blanks around it");
  }
  Check(OneLine(project.name), "the project name holds a line end");
  const ProjectFile expected = ExpectedProject(text, mak, path);
  Check(project.name == expected.name, "the project name differs from its Name line");
  Check(std::equal(project.components.begin(), project.components.end(), expected.components.begin(),
                   expected.components.end(), SameEntry),
        "the entries differ from the lines before the first section");
  CheckResolution(path, project);
}

}  // namespace
}  // namespace quillon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quillon::fuzz::Run(data, size);
  return 0;
}
