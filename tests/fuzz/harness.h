// What every harness shares: the entry point libFuzzer calls, also called by
// the replay program, and the way a broken rule is reported: a message and
// an abort, which libFuzzer records as a crash with its input and which
// fails the replay test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace rq51::fuzz {

[[noreturn]] inline void Broken(const std::string& what) {
  std::fprintf(stderr, "broken: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

inline void Require(bool holds, const std::string& what) {
  if (!holds) Broken(what);
}

}  // namespace rq51::fuzz
