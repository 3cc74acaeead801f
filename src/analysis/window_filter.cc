// The window filter: a portable byte loop over a pair table, and an AVX2 version that
// matches the first four bytes of eight pattern groups at once through nibble tables.
#include "analysis/window_filter.h"

#include <algorithm>
#include <set>

#include "runtime/codepage.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUILLON_HAVE_AVX2 1
#endif

namespace quillon {
namespace {

// The vector filter looks at each byte with this bit set, which makes most upper- and
// lower-case letters one, so that a group's nibble tables cover fewer other bytes.
constexpr int kCaseBit = 0x20;

// Every raw byte, grouped by the folded byte it stands for.
std::array<std::vector<unsigned char>, 256> RawBytesByFold() {
  std::array<std::vector<unsigned char>, 256> raws;
  for (int b = 0; b < 256; ++b) raws[FoldCase(static_cast<unsigned char>(b))].push_back(b);
  return raws;
}

}  // namespace

WindowFilter::WindowFilter(const std::vector<std::string>& patterns, Kind kind) {
  BuildPairs(patterns);
  BuildNibbleTables(patterns);
#ifdef QUILLON_HAVE_AVX2
  if (kind == Kind::kVector && __builtin_cpu_supports("avx2")) masks_ = VectorMasks;
#else
  static_cast<void>(kind);
#endif
}

void WindowFilter::BuildPairs(const std::vector<std::string>& patterns) {
  pair_starts_.assign(65536 / 64, 0);
  const auto raws = RawBytesByFold();
  for (const auto& pattern : patterns) {
    for (unsigned char a : raws[static_cast<unsigned char>(pattern[0])]) {
      byte_starts_[a] = true;
      for (int b = 0; b < 256; ++b) {
        const bool fits = pattern.size() == 1 ||
                          FoldCase(static_cast<unsigned char>(b)) == static_cast<unsigned char>(pattern[1]);
        if (fits) pair_starts_[(a | b << 8) >> 6] |= uint64_t{1} << (a & 63);
      }
    }
  }
}

namespace {

constexpr size_t kPrefix = WindowFilter::kLookahead + 1;
constexpr size_t kGroups = 8;

// The bytes that a group of prefixes lets through at each position, as a set of low
// nibbles and a set of high nibbles: every byte that pairs one with the other.
struct NibbleSets {
  std::array<uint16_t, kPrefix> low{};
  std::array<uint16_t, kPrefix> high{};

  // A prefix: its folded bytes as the vector filter sees them; past its end, any byte.
  explicit NibbleSets(const std::string& prefix = std::string()) {
    for (size_t j = 0; j < prefix.size(); ++j) {
      for (int x = 0; x < 256; ++x) {
        if (FoldCase(static_cast<unsigned char>(x)) == static_cast<unsigned char>(prefix[j])) Add(j, x | kCaseBit);
      }
    }
    for (size_t j = prefix.size(); j < kPrefix && !prefix.empty(); ++j) low[j] = high[j] = 0xFFFF;
  }
  void Add(size_t j, int seen) {
    low[j] |= 1u << (seen & 15);
    high[j] |= 1u << (seen >> 4);
  }
  NibbleSets Joined(const NibbleSets& other) const {
    NibbleSets joined = *this;
    for (size_t j = 0; j < kPrefix; ++j) {
      joined.low[j] |= other.low[j];
      joined.high[j] |= other.high[j];
    }
    return joined;
  }
  // How many byte strings the sets let through.
  double Through() const {
    double through = 1;
    for (size_t j = 0; j < kPrefix; ++j) through *= __builtin_popcount(low[j]) * __builtin_popcount(high[j]);
    return through;
  }
};

}  // namespace

// Each distinct prefix joins the group that then lets the fewest extra strings through,
// so that the eight groups stay as narrow as the patterns allow.
void WindowFilter::BuildNibbleTables(const std::vector<std::string>& patterns) {
  std::set<std::string> distinct;
  for (const auto& pattern : patterns) distinct.insert(pattern.substr(0, kPrefix));
  // The widest first (short patterns let any byte through at their end), so that they
  // take groups of their own before narrow prefixes are placed.
  std::vector<NibbleSets> prefixes(distinct.begin(), distinct.end());
  std::stable_sort(prefixes.begin(), prefixes.end(),
                   [](const NibbleSets& a, const NibbleSets& b) { return a.Through() > b.Through(); });
  std::array<NibbleSets, kGroups> groups;
  for (const auto& own : prefixes) {
    size_t best = 0;
    double best_growth = 0;
    for (size_t g = 0; g < kGroups; ++g) {
      const double growth = groups[g].Joined(own).Through() - groups[g].Through();
      if (g == 0 || growth < best_growth) {
        best = g;
        best_growth = growth;
      }
    }
    groups[best] = groups[best].Joined(own);
  }
  for (size_t g = 0; g < kGroups; ++g) {
    for (size_t j = 0; j < kPrefix; ++j) {
      for (int n = 0; n < 16; ++n) {
        for (size_t half = 0; half < 32; half += 16) {
          if (groups[g].low[j] >> n & 1) low_[j][half + n] |= 1u << g;
          if (groups[g].high[j] >> n & 1) high_[j][half + n] |= 1u << g;
        }
      }
    }
  }
}

void WindowFilter::PortableMasks(const WindowFilter& filter, const unsigned char* p, size_t windows,
                                 WindowMasks* out) {
  const uint64_t* pairs = filter.pair_starts_.data();
  for (size_t w = 0; w < windows; ++w, p += kWidth) {
    WindowMasks masks;
    for (size_t i = 0; i < kWidth; ++i) {
      const uint64_t bit = uint64_t{1} << i;
      const uint32_t pair = p[i] | p[i + 1] << 8;
      if (p[i] == '\r') masks.cr |= bit;
      if (p[i] == ' ') masks.space |= bit;
      if ((pairs[pair >> 6] >> (pair & 63)) & 1) masks.start |= bit;
    }
    out[w] = masks;
  }
}

#ifdef QUILLON_HAVE_AVX2
__attribute__((target("avx2"))) void WindowFilter::VectorMasks(const WindowFilter& filter, const unsigned char* p,
                                                               size_t windows, WindowMasks* out) {
  const __m256i nibble = _mm256_set1_epi8(0x0F);
  const __m256i case_bit = _mm256_set1_epi8(kCaseBit);
  const __m256i cr = _mm256_set1_epi8('\r');
  const __m256i space = _mm256_set1_epi8(' ');
  __m256i low[kPrefix];
  __m256i high[kPrefix];
  for (size_t j = 0; j < kPrefix; ++j) {
    low[j] = _mm256_load_si256(reinterpret_cast<const __m256i*>(filter.low_[j]));
    high[j] = _mm256_load_si256(reinterpret_cast<const __m256i*>(filter.high_[j]));
  }
  for (size_t w = 0; w < windows; ++w, p += kWidth) {
    WindowMasks masks;
    for (size_t half = 0; half < kWidth; half += 32) {
      __m256i groups = _mm256_set1_epi8(-1);
      for (size_t j = 0; j < kPrefix; ++j) {
        const __m256i v =
            _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + half + j)), case_bit);
        const __m256i lo_groups = _mm256_shuffle_epi8(low[j], _mm256_and_si256(v, nibble));
        const __m256i hi_groups = _mm256_shuffle_epi8(high[j], _mm256_and_si256(_mm256_srli_epi16(v, 4), nibble));
        groups = _mm256_and_si256(groups, _mm256_and_si256(lo_groups, hi_groups));
      }
      const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + half));
      const uint32_t crs = _mm256_movemask_epi8(_mm256_cmpeq_epi8(v, cr));
      const uint32_t spaces = _mm256_movemask_epi8(_mm256_cmpeq_epi8(v, space));
      const uint32_t none = _mm256_movemask_epi8(_mm256_cmpeq_epi8(groups, _mm256_setzero_si256()));
      masks.cr |= uint64_t{crs} << half;
      masks.space |= uint64_t{spaces} << half;
      masks.start |= uint64_t{~none} << half;
    }
    out[w] = masks;
  }
}
#endif

}  // namespace quillon
