// The date-keyword analysis that the main window carries: the keyword table read from
// keywords.txt, the analysis of one source file into the log, and the run over every
// component of the open project.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "analysis/source_scan.h"
#include "analysis/ui_services.h"
#include "runtime/clock.h"

namespace quillon {

// What the analysis talks to outside itself.
struct AnalysisServices {
  MessageBox& messages;
  EventPump& events;
  Clock& clock;
  // Full path of the keyword list, as the progress line and the refusal show it.
  std::string keyword_file;
};

// The keyword list's path: the executable's folder followed by "/keywords.txt".
std::string DefaultKeywordFile();

// `text` without its double-quote characters.
std::string strRemoveQuotes(const std::string& text);

class DateAnalysis {
 public:
  explicit DateAnalysis(AnalysisServices services);

  // Reads the keyword list into strKeywords; reports its own failures and always returns.
  void SetupKeywords(ProgressList& lstBox);

  // Appends one report block for a source file to the log. Reports a failure to open
  // either file itself; any later failure is raised to the caller.
  void Analyse(const std::string& strSourceFile, const std::string& strSourceFileTitle,
               const std::string& strLogFile);

  // Analyses every component of the project open in objVBInst; reports its own
  // failures and always returns.
  void AnalyseProject(const std::string& strLogFile, ProgressList& lstBox);

  const std::string& KeywordFile() const { return services_.keyword_file; }

  // Keyword k (positions 1 to n) is strKeywords[k - 1]; lngKeywordHits runs parallel.
  std::vector<std::string> strKeywords;
  std::vector<int32_t> lngKeywordHits;
  bool blnKeywordsLoaded = false;

 private:
  // The scanner for the current table, built again only when the table changed.
  const KeywordScanner& Scanner();

  AnalysisServices services_;
  std::unique_ptr<KeywordScanner> scanner_;
  std::vector<std::string> scanner_keywords_;
};

}  // namespace quillon
