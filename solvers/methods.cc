#include "solvers/methods.h"

#include "solvers/cf0/cf0_method.h"
#include "solvers/tkc/tkc_method.h"

namespace rq51 {

std::vector<StageButton> MethodButtons(WindowKind kind) {
  switch (kind) {
    case WindowKind::kCf0: return Cf0Buttons();
    case WindowKind::kTkc: return TkcButtons();
    default: return {};
  }
}

}  // namespace rq51
