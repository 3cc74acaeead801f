// Whether this build runs under AddressSanitizer, whose shadow memory and quarantine
// make peak memory figures meaningless.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define QUILLON_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLON_UNDER_ASAN 1
#endif
#endif
#ifndef QUILLON_UNDER_ASAN
#define QUILLON_UNDER_ASAN 0
#endif

namespace quillon::faults {

inline constexpr bool kUnderAsan = QUILLON_UNDER_ASAN != 0;

}  // namespace quillon::faults
