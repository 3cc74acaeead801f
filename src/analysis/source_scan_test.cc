// The one-pass scan: the line rules on small files, and the same counts as the
// straightforward scan on generated input, whatever the block size and filter.
#include "analysis/source_scan.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "analysis/scan_reference.h"
#include "runtime/run_error.h"
#include "testing/temp_dir.h"

namespace quillon {
namespace {

using testing::TempDir;
using testing::WriteFile;

struct Result {
  LineCounts counts;
  std::vector<int32_t> hits;
};

bool operator==(const Result& a, const Result& b) {
  return a.counts.non_comment == b.counts.non_comment && a.counts.comment == b.counts.comment &&
         a.hits == b.hits;
}

std::ostream& operator<<(std::ostream& out, const Result& r) {
  out << "non-comment " << r.counts.non_comment << ", comment " << r.counts.comment << ", hits";
  for (int32_t h : r.hits) out << ' ' << h;
  return out;
}

Result Scan(const std::vector<std::string>& keywords, const std::string& path, size_t block,
            WindowFilter::Kind filter) {
  Result result{{}, std::vector<int32_t>(keywords.size(), 0)};
  TextInput in(path, block);
  KeywordScanner(keywords, filter).Scan(in, result.counts, result.hits);
  return result;
}

Result Reference(const std::vector<std::string>& keywords, const std::string& path) {
  Result result{{}, std::vector<int32_t>(keywords.size(), 0)};
  TextInput in(path);
  ScanReference(keywords, in, result.counts, result.hits);
  return result;
}

const WindowFilter::Kind kFilters[] = {WindowFilter::Kind::kVector, WindowFilter::Kind::kPortable};

struct RuleCase {
  const char* what;
  std::string bytes;
  std::vector<std::string> keywords;
  int32_t non_comment;
  int32_t comment;
  std::vector<int32_t> hits;
};

TEST(SourceScanTest, LineRules) {
  const std::string long_line = std::string(200000, 'x') + "CVDate(" + std::string(100000, 'y');
  const std::vector<RuleCase> cases = {
      {"empty file", "", {"a", ""}, 0, 0, {0, 0}},
      {"terminator at the end starts no line", "a\r\n", {"a"}, 1, 0, {1}},
      {"last line without terminator", "a\r\nb", {"b"}, 2, 0, {1}},
      {"lone CR ends a line", "a\rb\r", {"a", "b"}, 2, 0, {1, 1}},
      {"lone LF is inside the line", "da\nte\r\n", {"a\nt", "te"}, 1, 0, {1, 1}},
      {"empty line matches not even the empty keyword", "\r\n\r\nx", {""}, 3, 0, {1}},
      {"line of spaces holds the empty keyword", "   \r\n", {"", " ", "  ", "    "}, 1, 0, {1, 1, 1, 0}},
      {"empty and duplicate keywords", "Date x\r\nno\r\n", {"", "date", "DATE", ""}, 2, 0, {2, 1, 1, 2}},
      {"at most once a line", "now now NOW\r\nnow", {"now"}, 2, 0, {2}},
      {"keyword inside another", "CVDate(x)\r\n", {"Date(", "CVDate(", "Date", "VD"}, 1, 0, {1, 1, 1, 1}},
      {"overlapping occurrences", "aaab\r\n", {"aab", "aa", "ab", "aaaa"}, 1, 0, {1, 1, 1, 0}},
      {"comment after spaces", "   ' Date\r\n'Date\r\n", {"date"}, 0, 2, {0}},
      {"tab or Rem before the apostrophe is code", "\t' Date\r\nRem Date\r\n", {"date"}, 2, 0, {2}},
      {"trailing comment is searched", "x = 1 ' Date\r\n", {"date"}, 1, 0, {1}},
      {"leading spaces are part of the line", "  CVDate(\r\nCVDate(\r\n", {" cvdate(", "  cv"}, 2, 0, {1, 1}},
      {"accented capitals fold", "\xC9T\xC9 \x8A\x9F\r\n", {"\xE9t\xE9", "\x9A\xFF", "\xC9t\xE9 \x8A"}, 1, 0, {1, 1, 1}},
      {"CR inside a keyword never matches", "a\r\nb", {"a\rb", "a"}, 2, 0, {0, 1}},
      {"line far longer than a block", long_line + "\r\n'x\r\n", {"cvdate(", "xc", "yy", "z"}, 1, 1, {1, 1, 1, 0}},
  };
  TempDir dir;
  for (const auto& c : cases) {
    WriteFile(dir / "f.txt", c.bytes);
    const Result expected{{c.non_comment, c.comment}, c.hits};
    for (const auto filter : kFilters) {
      for (const size_t block : {size_t{1}, size_t{2}, size_t{3}, size_t{67}, TextInput::kBlockSize}) {
        EXPECT_EQ(Scan(c.keywords, dir / "f.txt", block, filter), expected)
            << c.what << ", block " << block << ", filter " << static_cast<int>(filter);
      }
    }
    EXPECT_EQ(Reference(c.keywords, dir / "f.txt"), expected) << c.what << " (reference)";
  }
}

// Text from a small alphabet, so that keywords share prefixes, contain each other and
// occur often: letters in both cases, accented capitals and small letters, spaces,
// apostrophes, CR, LF and CR LF.
const std::vector<std::string> kPieces = {"a", "A", "b", "B", "d", "D", "\xE9", "\xC9", "\x8A", "\x9A",
                                          "\xFF", "\x9F", " ", " ", "  ", "'", "\r", "\n", "\r\n", "(", "ab"};

std::string RandomText(std::mt19937& rnd, size_t pieces) {
  std::string text;
  for (size_t i = 0; i < pieces; ++i) text += kPieces[rnd() % kPieces.size()];
  return text;
}

std::vector<std::string> RandomKeywords(std::mt19937& rnd) {
  std::vector<std::string> keywords;
  const size_t count = 1 + rnd() % 12;
  while (keywords.size() < count) {
    std::string keyword = RandomText(rnd, rnd() % 5);
    keyword.erase(std::remove(keyword.begin(), keyword.end(), '\r'), keyword.end());
    if (!keywords.empty() && rnd() % 4 == 0) keyword = keywords[rnd() % keywords.size()] + keyword;
    keywords.push_back(keyword);
  }
  return keywords;
}

// Blocks of 1 to 80 bytes put boundaries everywhere in the short generated files; a
// whole block puts many windows into one.
const std::vector<size_t> kBlockSizes = [] {
  std::vector<size_t> sizes;
  for (size_t block = 1; block <= 80; block += 1 + block / 8) sizes.push_back(block);
  sizes.push_back(TextInput::kBlockSize);
  return sizes;
}();

TEST(SourceScanTest, CountsAsTheStraightforwardScanOnGeneratedInput) {
  std::mt19937 rnd(20261211);
  TempDir dir;
  for (int round = 0; round < 300; ++round) {
    const auto keywords = RandomKeywords(rnd);
    WriteFile(dir / "f.txt", RandomText(rnd, rnd() % 400));
    const Result expected = Reference(keywords, dir / "f.txt");
    for (const auto filter : kFilters) {
      for (const size_t block : kBlockSizes) {
        ASSERT_EQ(Scan(keywords, dir / "f.txt", block, filter), expected)
            << "round " << round << ", block " << block << ", filter " << static_cast<int>(filter);
      }
    }
  }
}

TEST(SourceScanTest, BlockBoundariesInsideKeywordsAndCrLf) {
  const std::vector<std::string> keywords = {"CVDate(", "Date", "te(", "", "  ' x"};
  const std::string snippet = "x CVDate(1)\r\n  ' x\r\n' Date\r\n  ' x CVDATE(";
  TempDir dir;
  for (size_t shift = 0; shift < snippet.size() + 2; ++shift) {
    std::string bytes(TextInput::kBlockSize - shift, 'q');
    bytes.replace(bytes.size() - 1 - shift % 7, 1, "\r\n");
    WriteFile(dir / "f.txt", bytes + snippet + "\r\n" + bytes + snippet);
    const Result expected = Reference(keywords, dir / "f.txt");
    for (const auto filter : kFilters) {
      EXPECT_EQ(Scan(keywords, dir / "f.txt", TextInput::kBlockSize, filter), expected) << "shift " << shift;
    }
  }
}

TEST(SourceScanTest, CountPastTheLimitRaisesOverflow) {
  TempDir dir;
  WriteFile(dir / "f.txt", "Date\r\n");
  const auto number = [&](LineCounts counts, int32_t hit) {
    std::vector<int32_t> hits = {hit};
    TextInput in(dir / "f.txt");
    try {
      KeywordScanner({"date"}).Scan(in, counts, hits);
    } catch (const RuntimeError& e) {
      return e.number();
    }
    return 0;
  };
  const int32_t max = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(number({max, 0}, 0), kErrOverflow);
  EXPECT_EQ(number({0, 0}, max), kErrOverflow);
  EXPECT_EQ(number({max - 1, 0}, max - 1), 0);
}

}  // namespace
}  // namespace quillon
