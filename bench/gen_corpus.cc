// Writes a deterministic VB-like source corpus for the scan benchmark: CR LF lines of
// code, comments, blank lines and string literals, about 5 % of them with date keywords,
// or one long run of code with no line end at all.
//
//   gen_corpus lines BYTES OUTPUT     lines of 0 to 200 characters, BYTES in all
//   gen_corpus no-line-end BYTES OUTPUT
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// splitmix64: small, fast and the same on every platform.
class Random {
 public:
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }
  bool Percent(size_t p) { return Below(100) < p; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) { return items[Below(items.size())]; }

 private:
  uint64_t state_ = 20261211;
};

// Identifiers and texts that contain none of the benchmark's keywords.
const std::vector<std::string> kNames = {
    "strName", "lngCount", "intIndex", "rsOrders", "objItem", "txtInput", "blnFound",
    "curTotal", "sngRate", "varValue", "frmMain", "lstItems", "cboKind", "i", "j", "n",
    "strPath", "lngRow", "colCustomers", "dblAmount", "intFile", "strBuffer"};
const std::vector<std::string> kCalls = {
    "LoadCustomers", "SaveOrder", "RefreshList", "ShowError", "ClearFields", "OpenLog",
    "CloseLog", "ParseLine", "Trim$", "UCase$", "Left$", "Mid$", "Len", "InStr", "Val", "Str$"};
const std::vector<std::string> kTexts = {
    "Customer not found", "Order saved", "Invalid value", "C:\\TEMP\\ORDERS.DAT",
    "Please enter a number", "Ready", "Total: ", "Error in input", "OK"};
const std::vector<std::string> kRemarks = {
    "' Load the list of customers", "' TODO: check the limits", "' Keep the old value",
    "'-----------------------------------------------", "' Returns True when found",
    "' Called from the main form"};
// Remarks that mention dates, which comment lines may do without counting.
const std::vector<std::string> kDateRemarks = {"' The date is kept as text here", "' Set the time out"};
// Statements that use date keywords, in the case mixes that real code shows.
const std::vector<std::string> kDateStatements = {
    "dtmDue = DateAdd(\"d\", 30, Now)", "If IsDate(txtInput.Text) Then", "lngYear = Year(dtmStart)",
    "strOut = Format$(Date, \"mm/dd/yy\")", "Debug.Print Time$", "Dim dtmStart As Date",
    "lngDays = DateDiff(\"d\", dtmStart, dtmEnd)", "dtmEnd = CVDate(strBuffer)",
    "intMonth = Month(Now)", "dtmStart = DateSerial(1999, 12, 31)", "sngStart = Timer",
    "lblClock.Caption = FORMAT(now, \"hh:nn\")", "If Weekday(dtmDue) = 1 Then",
    "strOut = Format(dtmDue, vbShortDate)", "dtmDue = cdate(txtInput.Text)"};

std::string Statement(Random& rnd) {
  switch (rnd.Below(8)) {
    case 0: return "Dim " + rnd.Pick(kNames) + " As String";
    case 1: return rnd.Pick(kNames) + " = " + rnd.Pick(kNames) + " + " + std::to_string(rnd.Below(1000));
    case 2: return "If " + rnd.Pick(kNames) + " > " + std::to_string(rnd.Below(100)) + " Then";
    case 3: return "Call " + rnd.Pick(kCalls) + "(" + rnd.Pick(kNames) + ", " + rnd.Pick(kNames) + ")";
    case 4: return rnd.Pick(kNames) + " = \"" + rnd.Pick(kTexts) + "\"";
    case 5: return "MsgBox \"" + rnd.Pick(kTexts) + "\", vbOKOnly";
    case 6: return "For " + rnd.Pick(kNames) + " = 1 To " + std::to_string(rnd.Below(500));
    default: return rnd.Pick(kCalls) + " " + rnd.Pick(kNames);
  }
}

// One line of 0 to 200 characters, without its terminator.
std::string Line(Random& rnd) {
  const size_t kind = rnd.Below(100);
  if (kind < 10) return std::string(rnd.Percent(20) ? rnd.Below(9) : 0, ' ');
  std::string line(4 * rnd.Below(4), ' ');
  const size_t limit = line.size() + rnd.Below(201 - line.size());
  if (kind < 25) {
    line += rnd.Percent(30) ? rnd.Pick(kDateRemarks) : rnd.Pick(kRemarks);
  } else {
    line += kind < 30 ? rnd.Pick(kDateStatements) : Statement(rnd);
    while (line.size() < limit) {
      const bool remark = rnd.Percent(10);
      const std::string more = remark ? " " + rnd.Pick(kRemarks) : ": " + Statement(rnd);
      if (line.size() + more.size() > limit) break;
      line += more;
      if (remark) break;
    }
  }
  return line.substr(0, std::max<size_t>(limit, 1));
}

// A run of statements with no line end in it.
std::string Run(Random& rnd) {
  std::string run = rnd.Percent(5) ? rnd.Pick(kDateStatements) : Statement(rnd);
  return run + ": ";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || (std::strcmp(argv[1], "lines") != 0 && std::strcmp(argv[1], "no-line-end") != 0)) {
    std::fprintf(stderr, "usage: gen_corpus lines|no-line-end BYTES OUTPUT\n");
    return 2;
  }
  const bool lines = std::strcmp(argv[1], "lines") == 0;
  const uint64_t total = std::strtoull(argv[2], nullptr, 10);
  FILE* out = std::fopen(argv[3], "wb");
  if (out == nullptr) {
    std::perror(argv[3]);
    return 1;
  }
  Random rnd;
  std::string chunk;
  uint64_t written = 0;
  while (written < total) {
    chunk += lines ? Line(rnd) + "\r\n" : Run(rnd);
    if (chunk.size() < (1 << 20) && written + chunk.size() < total) continue;
    const size_t take = static_cast<size_t>(std::min<uint64_t>(chunk.size(), total - written));
    if (std::fwrite(chunk.data(), 1, take, out) != take) {
      std::perror(argv[3]);
      return 1;
    }
    written += take;
    chunk.clear();
  }
  if (std::fclose(out) != 0) {
    std::perror(argv[3]);
    return 1;
  }
  return 0;
}
