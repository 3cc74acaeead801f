// Finds, 64 bytes at a time, the carriage returns, the spaces and the places where one
// of a set of folded patterns may start, so the scan touches most bytes only in bulk.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

// Bit i of each mask stands for byte i of the window.
struct WindowMasks {
  uint64_t cr = 0;     // a carriage return
  uint64_t space = 0;  // a space
  uint64_t start = 0;  // a pattern may start here (never missing one that does)
};

class WindowFilter {
 public:
  static constexpr size_t kWidth = 64;
  // Bytes read past the end of a window, to see how a pattern would go on.
  static constexpr size_t kLookahead = 3;

  // kVector uses AVX2 where the processor has it; kPortable never does.
  enum class Kind { kVector, kPortable };

  // `patterns` are folded and not empty.
  WindowFilter(const std::vector<std::string>& patterns, Kind kind);

  // The masks of `windows` windows of kWidth bytes from `p` on, into `out`; reads
  // windows * kWidth + kLookahead bytes.
  void Masks(const unsigned char* p, size_t windows, WindowMasks* out) const { masks_(*this, p, windows, out); }

  // True when a pattern may start with `byte`, whatever follows it.
  bool MayStart(unsigned char byte) const { return byte_starts_[byte]; }

 private:
  using MasksFunction = void (*)(const WindowFilter&, const unsigned char*, size_t, WindowMasks*);
  static void PortableMasks(const WindowFilter& filter, const unsigned char* p, size_t windows, WindowMasks* out);
  static void VectorMasks(const WindowFilter& filter, const unsigned char* p, size_t windows, WindowMasks* out);
  void BuildPairs(const std::vector<std::string>& patterns);
  void BuildNibbleTables(const std::vector<std::string>& patterns);

  // Nibble tables for the first kLookahead + 1 bytes of a pattern: bit g of
  // low_[j][x & 15] & high_[j][x >> 4] is set when a pattern of group g can have byte x
  // at position j. Each table is stored twice, once per half of a 32-byte register.
  alignas(32) uint8_t low_[kLookahead + 1][32] = {};
  alignas(32) uint8_t high_[kLookahead + 1][32] = {};
  // Bit (a | b << 8) is set when a pattern can start with the raw bytes a, b.
  std::vector<uint64_t> pair_starts_;
  std::array<bool, 256> byte_starts_{};
  MasksFunction masks_ = PortableMasks;
};

}  // namespace quillon
