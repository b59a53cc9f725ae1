#include "solvers/methods.h"

#include "solvers/cf/cf_method.h"
#include "solvers/cf0/cf0_method.h"
#include "solvers/lb/lb_method.h"
#include "solvers/tkc/tkc_method.h"
#include "solvers/tkl/tkl_method.h"

namespace rq51 {

const std::vector<const Method*>& Methods() {
  static const std::vector<const Method*> kMethods = {
      &cf0::TheMethod(),
      &cf::TheMethod(),
      &lb::TheMethod(),
      &tkc::TheMethod(),
      &tkl::TheMethod(),
  };
  return kMethods;
}

const Method* MethodFor(WindowKind kind) {
  for (const Method* method : Methods()) {
    if (method->window == kind) return method;
  }
  return nullptr;
}

}  // namespace rq51
