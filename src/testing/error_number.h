// The run-time error number a call raises, for tests that expect a failure.
#pragma once

#include <functional>

#include "runtime/run_error.h"

namespace quillon::testing {

// The number of the RuntimeError that `call` raises, or 0 when it returns normally.
inline int ErrorNumber(const std::function<void()>& call) {
  try {
    call();
  } catch (const RuntimeError& error) {
    return error.number();
  }
  return 0;
}

}  // namespace quillon::testing
