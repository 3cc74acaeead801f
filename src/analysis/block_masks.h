// The window filter's masks over one block of a file, handed out window by window to
// the scan, which asks for the next line end, non-space byte or possible keyword start.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "analysis/window_filter.h"

namespace quillon {

// The filter's masks over one block, a window at a time, computed a batch of windows
// at once. The last window is taken from a padded copy, so that the filter never reads
// past the block.
class BlockMasks {
 public:
  enum Pick { kCr, kCrOrStart, kNonSpace };

  BlockMasks(const WindowFilter& filter, const unsigned char* data, size_t size)
      : filter_(filter), data_(data), size_(size) {}

  // The first position from `pos` on whose bit is set in the picked mask, or the
  // block's size when there is none.
  __attribute__((always_inline)) size_t Find(size_t pos, Pick pick) {
    for (;;) {
      const size_t base = pos & ~(WindowFilter::kWidth - 1);
      if (base != base_) Load(base);
      const uint64_t bits = Picked(pick) & (~uint64_t{0} << (pos - base));
      if (bits != 0) return base + __builtin_ctzll(bits);
      pos = base + WindowFilter::kWidth;
      if (pos >= size_) return size_;
    }
  }

 private:
  uint64_t Picked(Pick pick) const {
    switch (pick) {
      case kCr: return masks_.cr;
      case kCrOrStart: return masks_.cr | masks_.start;
      default: return valid_ & ~masks_.space;
    }
  }

  // Takes the window at `base` from the batch, computing the next batch when needed.
  __attribute__((noinline)) void Load(size_t base) {
    base_ = base;
    valid_ = ~uint64_t{0};
    if (base >= batch_base_ && base < batch_base_ + batch_size_ * WindowFilter::kWidth) {
      masks_ = batch_[(base - batch_base_) / WindowFilter::kWidth];
      return;
    }
    const size_t have = size_ - base;
    const size_t whole = have >= WindowFilter::kLookahead ? (have - WindowFilter::kLookahead) / WindowFilter::kWidth : 0;
    if (whole > 0) {
      batch_base_ = base;
      batch_size_ = std::min(whole, kBatch);
      filter_.Masks(data_ + base, batch_size_, batch_);
      masks_ = batch_[0];
    } else {
      LoadLast(base, have);
    }
  }

  // The window at the block's end, from a padded copy. What follows the block is not
  // known yet: a keyword may start in its last bytes whenever its first byte fits.
  void LoadLast(size_t base, size_t have) {
    unsigned char copy[WindowFilter::kWidth + WindowFilter::kLookahead] = {};
    std::memcpy(copy, data_ + base, have);
    filter_.Masks(copy, 1, &masks_);
    if (have < WindowFilter::kWidth) valid_ = (uint64_t{1} << have) - 1;
    masks_.start &= valid_;
    const size_t last = std::min(have, WindowFilter::kWidth);
    for (size_t i = have > WindowFilter::kLookahead ? have - WindowFilter::kLookahead : 0; i < last; ++i) {
      if (filter_.MayStart(copy[i])) masks_.start |= uint64_t{1} << i;
    }
  }

  static constexpr size_t kBatch = 16;

  const WindowFilter& filter_;
  const unsigned char* data_;
  size_t size_;
  size_t base_ = ~size_t{0};
  WindowMasks masks_;
  uint64_t valid_ = 0;
  WindowMasks batch_[kBatch];
  size_t batch_base_ = 0;
  size_t batch_size_ = 0;
};


}  // namespace quillon
