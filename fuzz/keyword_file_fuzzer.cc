// Fuzzes the keyword list: any bytes as keywords.txt must load, one keyword per CR /
// CR LF line with its double quotes dropped, and the report that the table then gives
// for the same bytes as a source file must match the reference scan row for row.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/date_analysis.h"
#include "analysis/scan_reference.h"
#include "fuzz_support.h"
#include "runtime/run_error.h"
#include "runtime/text_input.h"
#include "testing/fakes.h"

namespace quillon::fuzz {
namespace {

std::string Zoned(const std::string& first, const std::string& second) {
  return first + std::string(14 - first.size() % 14, ' ') + second;
}

std::string Underlined(const std::string& line) {
  return line + "\r\n" + std::string(line.size(), '-') + "\r\n";
}

// Lines 1 to 3 of the block for the file `source`, reported as "Input".
std::string ExpectedHeader(const std::string& source, const std::string& stamp) {
  return Underlined("Analysis of Input, " + source + " started at : " + stamp) + "\r\n";
}

// The block the report must hold for `keywords` and the counts of the reference scan.
std::string ExpectedBlock(const std::string& header, const std::vector<std::string>& keywords,
                          const LineCounts& counts, const std::vector<int32_t>& hits,
                          const std::string& stamp) {
  std::string block = header;
  block += Zoned("Non comment lines:", std::to_string(counts.non_comment)) + "\r\n";
  block += Zoned("Comment lines:", std::to_string(counts.comment)) + "\r\n\r\n\r\n";
  block += Zoned("KEYWORD", "COUNT") + "\r\n" + Zoned("-------", "-----") + "\r\n";
  for (size_t k = 0; k < keywords.size(); ++k) {
    if (hits[k] != 0) block += Zoned(keywords[k] + ":", std::to_string(hits[k])) + "\r\n";
  }
  return block + "\r\n\r\n" + Underlined("Analysis completed at: " + stamp) + "\r\n\r\n";
}

std::vector<std::string> ExpectedKeywords(std::string_view text) {
  std::vector<std::string> keywords;
  for (const auto& line : CrLines(text)) keywords.push_back(strRemoveQuotes(line));
  return keywords;
}

void Run(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto& scratch = ScratchFolder::Get();
  const std::string keyword_file = scratch / "keywords.txt";
  const std::string log_file = scratch / "log.txt";
  PutFile(keyword_file, text);
  PutFile(log_file, "");

  testing::RecordingMessages messages;
  testing::HookedPump pump;
  testing::FixedClock clock;
  testing::RecordingList list;
  DateAnalysis analysis({messages, pump, clock, keyword_file});
  analysis.SetupKeywords(list);
  Check(messages.shown.empty(), "reading the keyword list showed a message");
  Check(analysis.blnKeywordsLoaded, "the keyword list did not load");
  Check(list.lines == std::vector<std::string>{"Reading date keywords from : " + keyword_file},
        "the progress line differs");
  Check(analysis.strKeywords == ExpectedKeywords(text), "the table differs from the file's lines");

  const std::string stamp = FormatTime(clock.moment) + " on " + FormatLongDate(clock.moment);
  const std::string header = ExpectedHeader(keyword_file, stamp);
  if (analysis.strKeywords.empty()) {
    try {
      analysis.Analyse(keyword_file, "Input", log_file);
      Check(false, "an empty table raised nothing");
    } catch (const RuntimeError& error) {
      Check(error.number() == kErrSubscriptOutOfRange, "an empty table raised the wrong error");
    }
    Check(TakeFile(log_file) == header, "an empty table left more than the header");
    return;
  }
  analysis.Analyse(keyword_file, "Input", log_file);
  Check(messages.shown.empty(), "the analysis showed a message");

  LineCounts counts;
  std::vector<int32_t> hits(analysis.strKeywords.size(), 0);
  TextInput source(keyword_file);
  ScanReference(analysis.strKeywords, source, counts, hits);
  Check(analysis.lngKeywordHits == hits, "the hits differ from the reference scan");
  Check(TakeFile(log_file) == ExpectedBlock(header, analysis.strKeywords, counts, hits, stamp),
        "the report block differs");
}

}  // namespace
}  // namespace quillon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quillon::fuzz::Run(data, size);
  return 0;
}
