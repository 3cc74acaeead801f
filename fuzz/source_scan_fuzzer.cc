// Fuzzes the one-pass keyword scan against the straightforward reference scan: for
// any keyword table, any source bytes, any block size and either window filter, the
// comment and non-comment counts and every keyword's count must be the same.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/scan_reference.h"
#include "analysis/source_scan.h"
#include "fuzz_support.h"
#include "runtime/text_input.h"

namespace quillon::fuzz {
namespace {

struct Result {
  LineCounts counts;
  std::vector<int32_t> hits;
};

bool operator==(const Result& a, const Result& b) {
  return a.counts.comment == b.counts.comment && a.counts.non_comment == b.counts.non_comment &&
         a.hits == b.hits;
}

void Run(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  // Small blocks put block ends inside lines and inside the scan's 64-byte windows.
  const size_t block = input.ConsumeBool() ? input.ConsumeIntegralInRange<size_t>(1, 300)
                                           : TextInput::kBlockSize;
  const auto filter = input.ConsumeBool() ? WindowFilter::Kind::kVector : WindowFilter::Kind::kPortable;
  std::vector<std::string> keywords(input.ConsumeIntegralInRange<size_t>(0, 12));
  for (auto& keyword : keywords) keyword = input.ConsumeRandomLengthString(24);
  const std::string source = input.ConsumeRemainingBytesAsString();
  const std::string path = ScratchFolder::Get() / "source.bas";
  PutFile(path, source);

  Result fast{{}, std::vector<int32_t>(keywords.size(), 0)};
  TextInput fast_input(path, block);
  KeywordScanner(keywords, filter).Scan(fast_input, fast.counts, fast.hits);

  Result reference{{}, std::vector<int32_t>(keywords.size(), 0)};
  TextInput reference_input(path);
  ScanReference(keywords, reference_input, reference.counts, reference.hits);
  Check(fast == reference, "the scan differs from the reference scan");
}

}  // namespace
}  // namespace quillon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quillon::fuzz::Run(data, size);
  return 0;
}
