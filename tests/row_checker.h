// The promise every table row makes, checked the same way for every method:
// the row is keyed by the state it solves, its keys are distinct within its
// step, a placement line names the target and source the row really
// connects, and the facelets its step keeps do not move.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cube/facelets.h"
#include "cube/moves.h"
#include "shell/stage_frame.h"
#include "solvers/steps/placement.h"
#include "tests/test_cubes.h"

namespace rq51::test {

using Facelets = std::vector<int>;

inline Facelets SlotFacelets(std::string_view label) {
  for (const CornerSlot& slot : CornerSlots()) {
    if (slot.label == label) return {slot.facelets.begin(), slot.facelets.end()};
  }
  for (const EdgeSlot& slot : EdgeSlots()) {
    if (slot.label == label) return {slot.facelets.begin(), slot.facelets.end()};
  }
  ADD_FAILURE() << "no slot " << label;
  return {};
}

inline Facelets Slots(std::initializer_list<std::string_view> labels) {
  Facelets all;
  for (std::string_view label : labels) {
    const Facelets one = SlotFacelets(label);
    all.insert(all.end(), one.begin(), one.end());
  }
  return all;
}

inline Facelets Union(Facelets a, const Facelets& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline Facelets Centres() { return {kCentres.begin(), kCentres.end()}; }

// The facelets a turn moves: its layer.
inline Facelets LayerOf(const Move& move) {
  Facelets layer;
  for (int f = 1; f <= kFaceletCount; ++f) {
    if (MoveMap(move)(f) != f) layer.push_back(f);
  }
  return layer;
}

// Face 2 with the edges and corners around it.
inline Facelets BottomLayer() { return LayerOf({BaseTurn::kLz, 1}); }
// Face 4 with the edges and corners around it.
inline Facelets UpperLayer() { return LayerOf({BaseTurn::kRz, 1}); }
// Every facelet outside the upper layer, centres included.
inline Facelets BelowUpperLayer() {
  const Facelets upper = UpperLayer();
  Facelets below;
  for (int f = 1; f <= kFaceletCount; ++f) {
    if (std::find(upper.begin(), upper.end(), f) == upper.end()) below.push_back(f);
  }
  return below;
}

// The phases of a stage in the order they first run; the phases of a
// repeated pass once each.
inline std::vector<const Phase*> PhasesOf(const Stage& stage) {
  std::vector<const Phase*> phases;
  for (const Step& step : stage.steps) {
    if (const Phase* phase = std::get_if<Phase>(&step)) phases.push_back(phase);
    if (const RepeatedPass* pass = std::get_if<RepeatedPass>(&step)) {
      for (const Phase& phase : pass->phases) phases.push_back(&phase);
    }
  }
  return phases;
}

inline std::string RowName(const TableRow& row) {
  std::string name = std::to_string(row.key) + " \"";
  for (std::string_view line : row.lines) name += std::string(line) + "|";
  return name + "\"";
}

// The solved, identified cube that `row` turns into the solved cube, with
// its net drawn so that colour-reading keys see it.
inline StateTable StateSolvedBy(const TableRow& row) {
  StateTable table = SolvedTable();
  table.ApplyMap(Inverse(row.map));
  table.MarkDrawn(NetPalette::kStickerColour);
  return table;
}

// Reads "  4<-33" at the end of a line: the target and the source.
inline bool ReadPlacementNote(std::string_view line, int& target, int& source) {
  const size_t arrow = line.rfind("<-");
  if (arrow == std::string_view::npos || arrow < 2 || arrow + 4 != line.size()) return false;
  const auto number = [](std::string_view two, int& out) {
    if (two[1] < '0' || two[1] > '9' || (two[0] != ' ' && (two[0] < '0' || two[0] > '9'))) {
      return false;
    }
    out = (two[0] == ' ' ? 0 : two[0] - '0') * 10 + (two[1] - '0');
    return true;
  };
  return number(line.substr(arrow - 2, 2), target) && number(line.substr(arrow + 2, 2), source);
}

// The layout of a placement line: the turns in three-character fields, two
// blanks, the target and source in "%2d<-%2d".
inline std::string PlacementLine(const std::vector<Move>& moves, int target, int source) {
  std::string text;
  for (const Move& move : moves) {
    std::string name = LogName(move);
    name.resize(3, ' ');
    text += name;
  }
  char pair[16];
  std::snprintf(pair, sizeof pair, "%2d<-%2d", target, source);
  return text + "  " + pair;
}

inline void ExpectRowsKeepTheirPromise(const Phase& phase, const Facelets& kept,
                                       const std::string& step_name) {
  std::set<int> keys;
  for (const TableRow& row : phase.table.rows()) {
    const std::string name = step_name + ", row " + RowName(row);
    EXPECT_TRUE(keys.insert(row.key).second) << name << ": key repeated";
    EXPECT_FALSE(row.moves.empty()) << name << ": no turns";
    EXPECT_EQ(phase.key(StateSolvedBy(row)), row.key) << name << ": keyed by another state";
    for (int f : kept) EXPECT_EQ(row.map(f), f) << name << ": facelet " << f << " moves";
    for (std::string_view line : row.lines) {
      int target = 0;
      int source = 0;
      if (!ReadPlacementNote(line, target, source)) continue;
      EXPECT_EQ(source, row.key) << name << ": the line names another source";
      EXPECT_EQ(row.map(target), source) << name << ": the sticker does not reach " << target;
    }
  }
}

}  // namespace rq51::test

namespace rq51::test {

// The facelets of the piece a placement step brings home: its slot, or the
// centre itself.
inline Facelets SlotOfTarget(int target) {
  return IsCentre(target) ? Facelets{target} : SlotFacelets(SlotLabelOfFacelet(target));
}

// Placement steps with the targets and row counts given, each keeping
// `kept` and the pieces the steps before it placed.
inline void ExpectPlacementSteps(const std::vector<steps::PlacementRows>& steps, Facelets kept,
                                 const std::vector<int>& targets,
                                 const std::vector<size_t>& sizes) {
  ASSERT_EQ(steps.size(), targets.size());
  for (size_t n = 0; n < steps.size(); ++n) {
    EXPECT_EQ(steps[n].target, targets[n]);
    EXPECT_EQ(steps[n].rows.size(), sizes[n]) << "target " << targets[n];
    ExpectRowsKeepTheirPromise(PlacementPhase(steps[n].target, StageTable(steps[n].rows)), kept,
                               "target " + std::to_string(targets[n]));
    kept = Union(kept, SlotOfTarget(targets[n]));
  }
}

}  // namespace rq51::test
