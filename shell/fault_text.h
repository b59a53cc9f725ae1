// The named fault of a refused entry in the words FaultLabel shows.
#pragma once

#include <string>

#include "cube/arrangement_check.h"

namespace rq51 {

// One or two short sentences in the language of the moment; empty for no
// fault.
std::string FaultText(const ArrangementDiagnosis& diagnosis);

}  // namespace rq51
