// The scan of a source file in one pass over its blocks: the window filter finds line
// ends, each line's first non-space byte and the places where a keyword may start;
// only there does the keyword automaton run, its state carried across blocks.
#include "analysis/source_scan.h"

#include <algorithm>

#include "analysis/block_masks.h"

namespace quillon {

// One file's scan: where the current line stands, the automaton's state, and per
// pattern the last line that counted it, so that a pattern counts once a line
// without clearing anything between lines.
class KeywordScanner::FileScan {
 public:
  FileScan(const KeywordScanner& scanner, LineCounts& counts, std::vector<int32_t>& hits)
      : scanner_(scanner), matcher_(scanner.matcher_), counts_(counts), hits_(hits),
        counted_on_(matcher_.PatternKeywords().size(), 0) {}

  // Takes the next block of the file.
  void Block(const unsigned char* data, size_t size);

  // Ends the last line, if the file did not end with its terminator.
  void Finish() {
    if (kind_ != kNoLine) EndLine();
  }

 private:
  // kLeading: only spaces so far, so the line is neither code nor comment yet.
  enum Kind { kNoLine, kLeading, kCode, kComment };

  size_t Leading(const unsigned char* data, size_t pos, BlockMasks& masks, size_t size);
  size_t Code(const unsigned char* data, size_t pos, BlockMasks& masks, size_t size);
  size_t AfterCr(const unsigned char* data, size_t cr, size_t size);
  void EndLine();

  // Feeds the line's first `count` bytes, all of them spaces.
  void Spaces(size_t count) {
    for (count = std::min(count, matcher_.SpaceDepth()); count > 0; --count) Feed(' ');
  }

  void Feed(unsigned char byte) {
    state_ = matcher_.Step(state_, byte);
    if (matcher_.Matches(state_)) Found(state_);
  }

  // Counts the patterns that end in `state`, each once a line.
  void Found(KeywordMatcher::State state) {
    for (uint32_t pattern : matcher_.PatternsAt(state)) {
      if (counted_on_[pattern] == line_) continue;
      counted_on_[pattern] = line_;
      for (uint32_t k : matcher_.PatternKeywords()[pattern]) AddOne(hits_[k]);
    }
  }

  const KeywordScanner& scanner_;
  const KeywordMatcher& matcher_;
  LineCounts& counts_;
  std::vector<int32_t>& hits_;
  std::vector<uint64_t> counted_on_;
  uint64_t line_ = 0;
  Kind kind_ = kNoLine;
  size_t spaces_ = 0;
  bool lf_may_follow_ = false;  // the last block ended with a CR
  KeywordMatcher::State state_ = KeywordMatcher::kStart;
};

void KeywordScanner::FileScan::Block(const unsigned char* data, size_t size) {
  BlockMasks masks(matcher_.Filter(), data, size);
  size_t pos = 0;
  if (lf_may_follow_ && data[0] == '\n') pos = 1;
  lf_may_follow_ = false;
  while (pos < size) {
    if (kind_ == kNoLine) {
      ++line_;
      kind_ = kLeading;
      spaces_ = 0;
      state_ = KeywordMatcher::kStart;
    }
    if (kind_ == kLeading) {
      pos = Leading(data, pos, masks, size);
    } else if (kind_ == kCode) {
      pos = Code(data, pos, masks, size);
    } else {
      const size_t cr = masks.Find(pos, BlockMasks::kCr);
      pos = cr == size ? size : AfterCr(data, cr, size);
    }
  }
}

// Counts the leading spaces up to the first other byte, which decides the line's kind.
size_t KeywordScanner::FileScan::Leading(const unsigned char* data, size_t pos, BlockMasks& masks,
                                         size_t size) {
  const size_t first = masks.Find(pos, BlockMasks::kNonSpace);
  spaces_ += first - pos;
  if (first == size) return size;
  if (data[first] == '\r') return AfterCr(data, first, size);
  kind_ = data[first] == '\'' ? kComment : kCode;
  if (kind_ == kCode) Spaces(spaces_);
  return first;
}

// Runs the automaton from where the filter says a keyword may start until it is back
// at its start state; stops at the line's end and at the block's end.
size_t KeywordScanner::FileScan::Code(const unsigned char* data, size_t pos, BlockMasks& masks,
                                      size_t size) {
  if (state_ == KeywordMatcher::kStart) {
    pos = masks.Find(pos, BlockMasks::kCrOrStart);
    if (pos == size) return size;
  }
  if (data[pos] == '\r') return AfterCr(data, pos, size);
  KeywordMatcher::State state = state_;
  do {
    state = matcher_.Step(state, data[pos++]);
    if (matcher_.Matches(state)) Found(state);
  } while (pos < size && state != KeywordMatcher::kStart && data[pos] != '\r');
  state_ = state;
  return pos;
}

// Ends the line at the carriage return at `cr`; a line feed right after it belongs to it.
size_t KeywordScanner::FileScan::AfterCr(const unsigned char* data, size_t cr, size_t size) {
  EndLine();
  size_t pos = cr + 1;
  if (pos == size) {
    lf_may_follow_ = true;
  } else if (data[pos] == '\n') {
    ++pos;
  }
  return pos;
}

void KeywordScanner::FileScan::EndLine() {
  const Kind kind = kind_;
  kind_ = kNoLine;
  if (kind == kComment) {
    AddOne(counts_.comment);
    return;
  }
  AddOne(counts_.non_comment);
  if (kind == kLeading) Spaces(spaces_);
  if (kind == kCode || spaces_ > 0) {
    for (uint32_t k : scanner_.empty_keywords_) AddOne(hits_[k]);
  }
}

KeywordScanner::KeywordScanner(const std::vector<std::string>& keywords, WindowFilter::Kind filter)
    : matcher_(keywords, filter) {
  for (size_t k = 0; k < keywords.size(); ++k) {
    if (keywords[k].empty()) empty_keywords_.push_back(static_cast<uint32_t>(k));
  }
}

void KeywordScanner::Scan(TextInput& source, LineCounts& counts, std::vector<int32_t>& hits) const {
  FileScan scan(*this, counts, hits);
  for (;;) {
    const std::string_view block = source.ReadBytes();
    if (block.empty()) break;
    scan.Block(reinterpret_cast<const unsigned char*>(block.data()), block.size());
  }
  scan.Finish();
}

}  // namespace quillon
