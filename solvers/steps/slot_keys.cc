#include "solvers/steps/slot_keys.h"

namespace rq51::steps {

int SlotKey(const StateTable& table, int k) { return SlotLabelNumber(table.SlotLabelOfHome(k)); }

int CentreArrangementKey(const StateTable& table) {
  const int front = table.Home(5);
  const int second = (front == 5 || front == 14 || front == 23) ? 14 : front;
  const bool readable = front >= 1 && front <= kFaceletCount;
  return readable ? front * 100 + table.Home(second) : 0;
}

}  // namespace rq51::steps
