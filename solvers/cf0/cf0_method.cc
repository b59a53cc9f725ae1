#include "solvers/cf0/cf0_method.h"

#include <memory>

#include "cube/facelets.h"
#include "solvers/cf0/cf0_rows.h"
#include "solvers/cf0/cf0_texts.h"

namespace rq51 {

int Cf0SlotKey(const StateTable& table, int k) { return SlotLabelNumber(table.SlotLabelOfHome(k)); }

int Cf0CentreKey(const StateTable& table) {
  const int front = table.Home(5);
  const int second = (front == 5 || front == 14 || front == 23) ? 14 : front;
  const bool readable = front >= 1 && front <= kFaceletCount;
  return readable ? front * 100 + table.Home(second) : 0;
}

namespace {

// Everything the stages point at, built once and never moved.
class Cf0Method {
 public:
  Cf0Method() {
    std::vector<Step> corners;
    for (const Cf0StepRows& step : Cf0CornerPlacementSteps()) corners.push_back(SlotPhase(step));
    bool first = true;
    for (const Cf0StepRows& step : Cf0CornerTwistSteps()) {
      corners.push_back(HomePhase(step, first));
      first = false;
    }
    corners.push_back(HomePhase(Cf0ReferenceCornerStep(), false));

    std::vector<Step> edges;
    for (const Cf0StepRows& step : Cf0EdgePlacementSteps()) edges.push_back(SlotPhase(step));
    first = true;
    for (const Cf0StepRows& step : Cf0EdgeFlipSteps()) {
      edges.push_back(HomePhase(step, first));
      first = false;
    }

    Phase centre;
    centre.key = Cf0CentreKey;
    centre.table = Keep(Cf0CentreRows());

    stages_.push_back(Stage{"CC", kCf0CornerCaption, 1, std::move(corners)});
    stages_.push_back(Stage{"EC", kCf0EdgeCaption, 2, std::move(edges)});
    stages_.push_back(Stage{"SC", kCf0CentreCaption, 3, {centre}});
  }

  const std::vector<Stage>& stages() const { return stages_; }

 private:
  const StageTable* Keep(const std::vector<RowSpec>& rows) {
    tables_.push_back(std::make_unique<StageTable>(rows));
    return tables_.back().get();
  }

  // A placement step: where does the target's first sticker lie?
  Phase SlotPhase(const Cf0StepRows& step) {
    Phase phase;
    const int k = step.facelet;
    phase.key = [k](const StateTable& table) { return Cf0SlotKey(table, k); };
    phase.table = Keep(step.rows);
    return phase;
  }

  // A twist or flip step: which sticker lies at the target's first facelet?
  // The first of them logs the separator, whatever it finds.
  Phase HomePhase(const Cf0StepRows& step, bool separator) {
    Phase phase;
    const int position = step.facelet;
    phase.key = [position](const StateTable& table) { return table.Home(position); };
    phase.table = Keep(step.rows);
    if (separator) phase.headings.push_back(kCf0Separator);
    return phase;
  }

  std::vector<std::unique_ptr<StageTable>> tables_;
  std::vector<Stage> stages_;
};

}  // namespace

const std::vector<Stage>& Cf0Stages() {
  static const Cf0Method method;
  return method.stages();
}

std::vector<StageButton> Cf0Buttons() { return ButtonsForStages(Cf0Stages(), kCf0OneShotCaption); }

}  // namespace rq51
