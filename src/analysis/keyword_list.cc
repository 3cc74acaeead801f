// Reading keywords.txt into the keyword table, one keyword per line, quotes dropped.
#include "analysis/date_analysis.h"

#include <new>

#include "runtime/app_path.h"
#include "runtime/run_error.h"
#include "runtime/text_input.h"

namespace quillon {

std::string DefaultKeywordFile() { return AppPath() + "/keywords.txt"; }

std::string strRemoveQuotes(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (c != '"') result += c;
  }
  return result;
}

DateAnalysis::DateAnalysis(AnalysisServices services) : services_(std::move(services)) {}

void DateAnalysis::SetupKeywords(ProgressList& lstBox) {
  try {
    blnKeywordsLoaded = false;
    lstBox.AddItem("Reading date keywords from : " + services_.keyword_file);
    lstBox.Refresh();
    TextInput file(services_.keyword_file);
    while (!file.AtEnd()) strKeywords.push_back(strRemoveQuotes(file.ReadLine()));
    file.Close();
    blnKeywordsLoaded = true;
  } catch (const RuntimeError& error) {
    services_.messages.Show(ErrorPrompt("SetupKeywords", error));
  } catch (const std::bad_alloc&) {
    services_.messages.Show(ErrorPrompt("SetupKeywords", RuntimeError(kErrOutOfMemory)));
  }
}

}  // namespace quillon
