// Builds the keyword automaton: a trie over folded bytes completed into a transition
// table on byte classes, with the states where a pattern ends numbered last.
#include "analysis/keyword_matcher.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "runtime/codepage.h"
#include "runtime/run_error.h"

namespace quillon {

// The trie before completion: node u's child on column c is child[u * columns + c].
struct KeywordMatcher::Trie {
  static constexpr int32_t kNone = -1;
  size_t columns;
  std::vector<int32_t> child;
  std::vector<std::vector<uint32_t>> ends;  // the patterns that end at each node

  explicit Trie(size_t columns_in) : columns(columns_in), child(columns_in, kNone), ends(1) {}
  size_t Nodes() const { return ends.size(); }
  int32_t& Child(size_t node, size_t column) { return child[node * columns + column]; }
  int32_t AddNode() {
    child.resize(child.size() + columns, kNone);
    ends.emplace_back();
    return static_cast<int32_t>(ends.size() - 1);
  }
};

KeywordMatcher::KeywordMatcher(const std::vector<std::string>& keywords, WindowFilter::Kind filter)
    : filter_(Patterns(keywords), filter) {}

std::vector<std::string> KeywordMatcher::Patterns(const std::vector<std::string>& keywords) {
  std::vector<std::string> patterns;
  std::unordered_map<std::string, uint32_t> number_of;
  for (size_t k = 0; k < keywords.size(); ++k) {
    std::string folded = FoldCase(keywords[k]);
    if (folded.empty() || folded.find('\r') != std::string::npos) continue;
    const auto [it, added] = number_of.emplace(folded, static_cast<uint32_t>(patterns.size()));
    if (added) {
      patterns.push_back(std::move(folded));
      keywords_of_.emplace_back();
    }
    keywords_of_[it->second].push_back(static_cast<uint32_t>(k));
  }
  BuildAutomaton(patterns);
  return patterns;
}

const std::vector<uint32_t>& KeywordMatcher::PatternsAt(State state) const {
  return patterns_at_[(state - first_match_) / row_];
}

void KeywordMatcher::BuildAutomaton(const std::vector<std::string>& patterns) {
  // Column 0 stands for every byte that occurs in no pattern.
  std::array<uint32_t, 256> column_of_folded{};
  uint32_t columns = 1;
  for (const auto& pattern : patterns) {
    for (unsigned char c : pattern) {
      if (column_of_folded[c] == 0) column_of_folded[c] = columns++;
    }
  }
  for (int b = 0; b < 256; ++b) class_[b] = column_of_folded[FoldCase(static_cast<unsigned char>(b))];

  Trie trie(columns);
  for (uint32_t p = 0; p < patterns.size(); ++p) {
    int32_t node = 0;
    for (unsigned char c : patterns[p]) {
      int32_t next = trie.Child(node, column_of_folded[c]);
      if (next == Trie::kNone) {
        next = trie.AddNode();
        trie.Child(node, column_of_folded[c]) = next;
      }
      node = next;
    }
    trie.ends[node].push_back(p);
  }
  for (int32_t node = 0; column_of_folded[' '] != 0;) {
    node = trie.Child(node, column_of_folded[' ']);
    if (node == Trie::kNone) break;
    ++space_depth_;
  }
  StoreStates(trie, CompleteTrie(trie));
}

// Gives every node a transition on every column, and every node the patterns that end
// with its text, its failure state's among them. Returns the nodes breadth first.
std::vector<int32_t> KeywordMatcher::CompleteTrie(Trie& trie) {
  // Breadth first, so that a node's failure state is complete before the node.
  std::vector<int32_t> fail(trie.Nodes(), 0);
  std::vector<int32_t> order{0};
  for (size_t i = 0; i < order.size(); ++i) {
    const int32_t node = order[i];
    for (uint32_t c = 0; c < trie.columns; ++c) {
      int32_t& next = trie.Child(node, c);
      const int32_t fallback = node == 0 ? 0 : trie.Child(fail[node], c);
      if (next == Trie::kNone) {
        next = fallback;
        continue;
      }
      fail[next] = fallback;
      auto& found = trie.ends[next];
      found.insert(found.end(), trie.ends[fallback].begin(), trie.ends[fallback].end());
      order.push_back(next);
    }
  }
  return order;
}

// Numbers the states so that those where a pattern ends come last; a state is the
// offset of its row, so that a step is one load.
void KeywordMatcher::StoreStates(Trie& trie, std::vector<int32_t> order) {
  const size_t nodes = trie.Nodes();
  const size_t columns = trie.columns;
  if (nodes > std::numeric_limits<State>::max() / columns) throw RuntimeError(kErrOutOfMemory);
  std::stable_partition(order.begin(), order.end(), [&](int32_t n) { return trie.ends[n].empty(); });
  std::vector<State> state_of(nodes);
  for (size_t i = 0; i < nodes; ++i) state_of[order[i]] = static_cast<State>(i * columns);
  row_ = static_cast<uint32_t>(columns);
  first_match_ = static_cast<State>(nodes * columns);
  next_.resize(nodes * columns);
  for (size_t i = 0; i < nodes; ++i) {
    const int32_t node = order[i];
    if (!trie.ends[node].empty()) {
      if (patterns_at_.empty()) first_match_ = static_cast<State>(i * columns);
      patterns_at_.push_back(std::move(trie.ends[node]));
    }
    for (size_t c = 0; c < columns; ++c) next_[i * columns + c] = state_of[trie.Child(node, c)];
  }
}

}  // namespace quillon
