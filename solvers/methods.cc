#include "solvers/methods.h"

namespace rq51 {

std::vector<StageButton> MethodButtons(WindowKind kind) {
  switch (kind) {
    default:
      return {};
  }
}

}  // namespace rq51
