// The analysis of one source file and the report block it appends to the log.
#include "analysis/date_analysis.h"

#include <optional>

#include "runtime/run_error.h"
#include "runtime/text_append.h"
#include "runtime/text_input.h"

namespace quillon {
namespace {

// The first item, blanks up to the start of the next 14-column print zone, the second.
std::string Zoned(const std::string& first, const std::string& second) {
  return first + std::string(14 - first.size() % 14, ' ') + second;
}

// `prefix`, the time and the date, both taken from one reading of the clock.
std::string Stamped(const std::string& prefix, Clock& clock) {
  const std::tm now = clock.Now();
  return prefix + FormatTime(now) + " on " + FormatLongDate(now);
}

void WriteUnderlined(AppendFile& log, const std::string& line) {
  log.WriteLine(line);
  log.WriteLine(std::string(line.size(), '-'));
}

}  // namespace

const KeywordScanner& DateAnalysis::Scanner() {
  if (!scanner_ || scanner_keywords_ != strKeywords) {
    scanner_ = std::make_unique<KeywordScanner>(strKeywords);
    scanner_keywords_ = strKeywords;
  }
  return *scanner_;
}

void DateAnalysis::Analyse(const std::string& strSourceFile, const std::string& strSourceFileTitle,
                           const std::string& strLogFile) {
  std::optional<TextInput> source;
  std::optional<AppendFile> log;
  try {
    source.emplace(strSourceFile);
    log.emplace(strLogFile);
  } catch (const RuntimeError& error) {
    services_.messages.Show(ErrorPrompt("Analyse", error));
    return;
  }

  WriteUnderlined(*log, Stamped("Analysis of " + strSourceFileTitle + ", " + strSourceFile +
                                    " started at : ",
                                services_.clock));
  log->WriteLine("");

  LineCounts counts;
  if (strKeywords.empty()) throw RuntimeError(kErrSubscriptOutOfRange);
  lngKeywordHits.assign(strKeywords.size(), 0);
  Scanner().Scan(*source, counts, lngKeywordHits);

  log->WriteLine(Zoned("Non comment lines:", std::to_string(counts.non_comment)));
  log->WriteLine(Zoned("Comment lines:", std::to_string(counts.comment)));
  log->WriteLine("");
  log->WriteLine("");
  log->WriteLine(Zoned("KEYWORD", "COUNT"));
  log->WriteLine(Zoned("-------", "-----"));
  for (size_t k = 0; k < strKeywords.size(); ++k) {
    if (lngKeywordHits[k] != 0) log->WriteLine(Zoned(strKeywords[k] + ":", std::to_string(lngKeywordHits[k])));
  }
  log->WriteLine("");
  log->WriteLine("");
  WriteUnderlined(*log, Stamped("Analysis completed at: ", services_.clock));
  log->WriteLine("");
  log->WriteLine("");
  source->Close();
  log->Close();
}

}  // namespace quillon
