// A multi-keyword matcher built once per keyword table: an Aho-Corasick automaton over
// case-folded bytes, with a window filter that tells where a keyword may start.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/window_filter.h"

namespace quillon {

class KeywordMatcher {
 public:
  // A state of the automaton; kStart is the state before any byte of a line.
  using State = uint32_t;
  static constexpr State kStart = 0;

  // Builds the automaton for `keywords`, compared without regard to case. Keywords
  // that are equal after folding share one pattern. The empty keyword and keywords
  // holding a carriage return are no patterns: the caller handles the first, and the
  // second can never occur inside a line.
  explicit KeywordMatcher(const std::vector<std::string>& keywords,
                          WindowFilter::Kind filter = WindowFilter::Kind::kVector);

  // The state after reading `byte` in `state`.
  State Step(State state, unsigned char byte) const { return next_[state + class_[byte]]; }

  // True when the text read so far ends with at least one pattern.
  bool Matches(State state) const { return state >= first_match_; }

  // The patterns that end the text read so far, as pattern numbers; only for a
  // state that Matches().
  const std::vector<uint32_t>& PatternsAt(State state) const;

  // For each pattern number, the positions in the keyword table that it stands for.
  const std::vector<std::vector<uint32_t>>& PatternKeywords() const { return keywords_of_; }

  // Where a pattern may start; from kStart, bytes where none may start leave it there.
  const WindowFilter& Filter() const { return filter_; }

  // How many leading spaces matter: the state after n spaces equals the state after
  // min(n, SpaceDepth()) spaces, with the same patterns found on the way.
  size_t SpaceDepth() const { return space_depth_; }

 private:
  struct Trie;
  // The folded patterns, also filling keywords_of_.
  std::vector<std::string> Patterns(const std::vector<std::string>& keywords);
  void BuildAutomaton(const std::vector<std::string>& patterns);
  static std::vector<int32_t> CompleteTrie(Trie& trie);
  void StoreStates(Trie& trie, std::vector<int32_t> order);

  // Byte to column of the transition table; states are row offsets into next_.
  std::array<uint32_t, 256> class_{};
  std::vector<State> next_;
  State first_match_ = 0;
  std::vector<std::vector<uint32_t>> patterns_at_;  // indexed by (state - first_match_) / row
  uint32_t row_ = 1;
  std::vector<std::vector<uint32_t>> keywords_of_;
  size_t space_depth_ = 0;
  // Last, because it is built from Patterns(), which fills the members above.
  WindowFilter filter_;
};

}  // namespace quillon
