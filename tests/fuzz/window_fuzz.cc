// Fuzzes the solver windows: the input is a sequence of actions (see
// window_actions.h), performed on each of the five windows in turn, with
// every rule checked after every action.
#include <string>

#include "shell/window_variant.h"
#include "tests/fuzz/harness.h"
#include "tests/fuzz/window_actions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Enough for deep states; more only makes one input slow.
  constexpr int kMaxActions = 200;
  for (const rq51::WindowKind kind : rq51::AllWindowKinds()) {
    rq51::fuzz::WindowDriver driver(kind);
    rq51::fuzz::ActionBytes bytes(data, size);
    for (int n = 0; n < kMaxActions && !bytes.exhausted(); ++n) {
      const std::string broken = driver.Step(bytes);
      if (!broken.empty()) {
        rq51::fuzz::Broken(std::string(rq51::VariantOf(kind).short_name) + ", action " +
                           std::to_string(n + 1) + " (" + std::string(driver.last_action()) +
                           "): " + broken);
      }
    }
  }
  return 0;
}
