// The named fault of a refused entry in the words FaultLabel shows.
#pragma once

#include <string>

#include "cube/arrangement_check.h"

namespace rq51 {

// One or two short Japanese sentences; empty for no fault.
std::string FaultText(const ArrangementDiagnosis& diagnosis);

}  // namespace rq51
