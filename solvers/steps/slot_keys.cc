#include "solvers/steps/slot_keys.h"

namespace rq51::steps {

int SlotKey(const StateTable& table, int k) { return SlotLabelNumber(table.SlotLabelOfHome(k)); }

int CentreArrangementKey(const StateTable& table) {
  const int front = table.Home(5);
  const int second = (front == 5 || front == 14 || front == 23) ? 14 : front;
  const bool readable = front >= 1 && front <= kFaceletCount;
  return readable ? front * 100 + table.Home(second) : 0;
}

Phase SlotPhase(const KeyedRows& step) {
  const int k = step.facelet;
  return Phase{[k](const StateTable& table) { return SlotKey(table, k); },
               StageTable(step.rows),
               {},
               std::nullopt};
}

Phase HomePhase(const KeyedRows& step) {
  const int position = step.facelet;
  return Phase{[position](const StateTable& table) { return table.Home(position); },
               StageTable(step.rows),
               {},
               std::nullopt};
}

}  // namespace rq51::steps
