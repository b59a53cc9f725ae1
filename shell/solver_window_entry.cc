// The solver window's aids to colour entry: naming the rule a refused entry
// breaks.
#include "shell/fault_text.h"
#include "shell/solver_window.h"

namespace rq51 {

bool SolverWindow::IsOutlined(int grid, int column, int row) const {
  if (grid < 1 || grid > kFaceCount || column < 0 || column > 2 || row < 0 || row > 2) {
    return false;
  }
  return outlined_[GridCellFacelet(grid, column, row)];
}

void SolverWindow::NameFault() {
  ClearOutlines();
  if (last_fault_ == ArrangementFault::kReal) {
    named_fault_ = {};
    fault_text_.clear();
    return;
  }
  named_fault_ = DiagnoseArrangement(ColoursOf(table_), variant_->rule);
  // The colours alone always explain a refusal; should they ever not, the
  // home numbers that identification could not give are pieces it could
  // not tell apart.
  if (named_fault_.rule == FaultRule::kNone) named_fault_.rule = FaultRule::kPieces;
  fault_text_ = FaultText(named_fault_);
  for (int facelet : named_fault_.facelets) outlined_[facelet] = true;
}

}  // namespace rq51
