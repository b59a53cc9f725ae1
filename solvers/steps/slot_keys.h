// Keys of the corners-first windows, which ask where a sticker lies by the
// label of its slot, and of their centre step.
#pragma once

#include <string_view>
#include <vector>

#include "cube/state_table.h"
#include "shell/stage_frame.h"

namespace rq51::steps {

// Logged between the placement lines and the twist or flip lines of a
// corners-first stage, whatever the twist or flip steps find.
inline constexpr std::string_view kTurnSeparator = "    @     ";

// One step of a corners-first table.
struct KeyedRows {
  // Placement steps: the target's first facelet k; the key is the number of
  // the slot that holds home k. Twist and flip steps: the position whose
  // home number is the key.
  int facelet;
  std::vector<RowSpec> rows;
};

// A placement step: where does the target's first sticker lie?
Phase SlotPhase(const KeyedRows& step);
// A twist or flip step: which sticker lies at the target's first facelet?
Phase HomePhase(const KeyedRows& step);

// The number of the slot that now holds the sticker whose home is `k`
// ("A3" -> 3, "B24" -> 24); 0 when it lies on a centre or nowhere.
int SlotKey(const StateTable& table, int k);

// Key of the centre step: home(5) * 100 + home(x), where x is 14 when home(5)
// is 5, 14 or 23 and x is home(5) itself otherwise (32, 41 or 50). Each of
// the eleven arrangements the step solves has its own key, and every other
// value of home(5) gives a key no row has.
int CentreArrangementKey(const StateTable& table);

}  // namespace rq51::steps
