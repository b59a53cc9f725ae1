// The CF-0 macro table: every macro does to a solved cube what the table
// says, and the step tables are made of these macros only.
#include "solvers/cf0/cf0_macros.h"

#include <gtest/gtest.h>

#include <string>

#include "cf0_cube_entry.h"
#include "cf0_table_facts.h"
#include "solvers/cf0/cf0_rows.h"

namespace rq51 {
namespace {

using namespace cf0_test;
using namespace cf0;

// "Rx3 Ry Lz" (button names) performed `times` times.
std::vector<Move> Repeated(std::string_view names, int times) {
  const std::vector<Move> pass = Moves(names);
  std::vector<Move> all;
  for (int n = 0; n < times; ++n) all.insert(all.end(), pass.begin(), pass.end());
  return all;
}

// "(Rx3 Ry) ×3, then (Rx Ry3) ×3" or "Mx2 My Mx2 My3".
std::vector<Move> MovesOfDescription(std::string_view text) {
  std::vector<Move> all;
  std::string rest(text);
  for (size_t open = rest.find('('); open != std::string::npos; open = rest.find('(', open + 1)) {
    const size_t close = rest.find(')', open);
    const size_t times = rest.find("×", close) + std::string_view("×").size();
    std::vector<Move> part =
        Repeated(rest.substr(open + 1, close - open - 1), std::stoi(rest.substr(times)));
    all.insert(all.end(), part.begin(), part.end());
  }
  return rest.find('(') == std::string::npos ? Repeated(text, 1) : all;
}

// The move part of a log line, without the blanks that pad it.
std::string_view MovePart(std::string_view line) {
  std::string_view part = line.substr(0, ReadMacroText(line).stop);
  while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
  return part;
}

TEST(Cf0MacrosTest, CornerExchangesSwapTheirPairAndTwistExactlyTheNamedCorners) {
  ASSERT_EQ(CornerExchangeMacros().size(), 18u);
  for (const CornerExchangeMacro& macro : CornerExchangeMacros()) {
    SCOPED_TRACE(std::string(macro.text));
    const MacroReading reading = ReadMacroText(macro.text);
    EXPECT_EQ(reading.stop, macro.text.size());
    EXPECT_EQ(reading.moves, Repeated(macro.bracket, 5));
    const Homes homes = HomesAfter(reading.map);
    const auto [a, b] = macro.exchanged;
    EXPECT_TRUE(CornerHolds(homes, a, b));
    EXPECT_TRUE(CornerHolds(homes, b, a));
    for (const CornerSlot& slot : CornerSlots()) {
      const int number = SlotLabelNumber(slot.label);
      if (number == a || number == b) continue;
      EXPECT_TRUE(CornerHolds(homes, number, number)) << slot.label;
      const bool twisted = std::count(macro.twisted.begin(), macro.twisted.end(), number) != 0;
      EXPECT_EQ(!Oriented(homes, slot.facelets), twisted) << slot.label;
    }
  }
}

TEST(Cf0MacrosTest, ThreeEdgeCyclesMoveTheirThreeEdgesAndNothingElse) {
  ASSERT_EQ(ThreeEdgeCycles().size(), 12u);
  for (const ThreeEdgeCycle& macro : ThreeEdgeCycles()) {
    SCOPED_TRACE(std::string(macro.text));
    const MacroReading reading = ReadMacroText(macro.text);
    EXPECT_EQ(reading.stop, macro.text.size());
    EXPECT_EQ(reading.moves, Repeated(macro.bracket, 4));
    const Homes homes = HomesAfter(reading.map);
    const auto& c = macro.cycle;
    EXPECT_TRUE(EdgeHolds(homes, c[0], c[1]));
    EXPECT_TRUE(EdgeHolds(homes, c[1], c[2]));
    EXPECT_TRUE(EdgeHolds(homes, c[2], c[0]));
    for (int i = 1; i <= kFaceletCount; ++i) {
      const int slot = SlotLabelNumber(SlotLabelOfFacelet(i));
      if (slot != c[0] && slot != c[1] && slot != c[2]) {
        EXPECT_EQ(homes[i], i) << i;
      }
    }
  }
}

TEST(Cf0MacrosTest, TwoEdgeExchangesSwapFlipAndCycleCentresAsTheirTableSays) {
  ASSERT_EQ(TwoEdgeExchanges().size(), 12u);
  for (const TwoEdgeExchange& macro : TwoEdgeExchanges()) {
    SCOPED_TRACE(std::string(macro.text));
    const MacroReading reading = ReadMacroText(macro.text);
    EXPECT_EQ(reading.stop, macro.text.size());
    EXPECT_EQ(reading.moves, Repeated(macro.moves, 1));
    const Homes homes = HomesAfter(reading.map);
    const auto [a, b] = macro.exchanged;
    EXPECT_TRUE(EdgeHolds(homes, a, b));
    EXPECT_TRUE(EdgeHolds(homes, b, a));
    for (int over : macro.turned_over) {
      const auto [f, g] = Edge(over).facelets;
      EXPECT_EQ(homes[f], g) << over;
      EXPECT_EQ(homes[g], f) << over;
    }
    const auto& c = macro.centres;
    for (int n = 0; n < 4; ++n) EXPECT_EQ(homes[c[n]], c[(n + 1) % 4]);
    for (int i = 1; i <= kFaceletCount; ++i) {
      const int slot = SlotLabelNumber(SlotLabelOfFacelet(i));
      const bool named = slot == a || slot == b || slot == macro.turned_over[0] ||
                         slot == macro.turned_over[1] || std::count(c.begin(), c.end(), i) != 0;
      if (!named) {
        EXPECT_EQ(homes[i], i) << i;
      }
    }
  }
}

// The bracketed texts of the placement rows, line by line.
template <typename Macros>
void ExpectRowsMadeOf(const std::vector<StepRows>& steps, const Macros& macros) {
  for (const StepRows& step : steps) {
    for (const RowSpec& row : step.rows) {
      for (std::string_view line : row.lines) {
        const std::string_view part = MovePart(line);
        const bool defined = std::any_of(macros.begin(), macros.end(),
                                         [&](const auto& macro) { return macro.text == part; });
        EXPECT_TRUE(defined) << line;
      }
    }
  }
}

struct AnyEdgeMacro {
  std::string_view text;
};

TEST(Cf0MacrosTest, PlacementRowsAreMadeOfDefinedMacrosOnly) {
  ExpectRowsMadeOf(CornerPlacementSteps(), CornerExchangeMacros());
  std::vector<AnyEdgeMacro> edge_macros;
  for (const auto& macro : ThreeEdgeCycles()) edge_macros.push_back({macro.text});
  for (const auto& macro : TwoEdgeExchanges()) edge_macros.push_back({macro.text});
  ExpectRowsMadeOf(EdgePlacementSteps(), edge_macros);
}

TEST(Cf0MacrosTest, TwistFlipAndCentreRowsPerformTheTurnsTheirTablesList) {
  size_t twist_rows = 0;
  for (const StepRows& step : CornerTwistSteps()) {
    for (const RowSpec& row : step.rows) {
      const auto fact = std::find_if(
          cf0_data::kTwistTurns.begin(), cf0_data::kTwistTurns.end(),
          [&](const auto& f) { return f.position == step.facelet && f.home == row.key; });
      if (fact == cf0_data::kTwistTurns.end()) continue;  // the row this program chose
      ++twist_rows;
      EXPECT_EQ(MovesOfRow(row), MovesOfDescription(fact->turns)) << row.lines[0];
    }
  }
  EXPECT_EQ(twist_rows, cf0_data::kTwistTurns.size());

  ASSERT_EQ(EdgeFlipSteps().size(), cf0_data::kFlipFacts.size());
  for (size_t n = 0; n < cf0_data::kFlipFacts.size(); ++n) {
    const auto& fact = cf0_data::kFlipFacts[n];
    const StepRows& step = EdgeFlipSteps()[n];
    ASSERT_EQ(step.rows.size(), 1u);
    EXPECT_EQ(step.facelet, fact.position);
    EXPECT_EQ(step.rows[0].key, fact.home);
    EXPECT_EQ(MovesOfRow(step.rows[0]), MovesOfDescription(fact.turns)) << step.rows[0].lines[0];
  }

  ASSERT_EQ(CentreRows().size(), cf0_data::kCentreFacts.size());
  for (size_t n = 0; n < cf0_data::kCentreFacts.size(); ++n) {
    EXPECT_EQ(CentreRows()[n].key, cf0_data::kCentreFacts[n].key);
    EXPECT_EQ(MovesOfRow(CentreRows()[n]), MovesOfDescription(cf0_data::kCentreFacts[n].turns));
  }
}

TEST(Cf0MacrosTest, EveryRowLineReadsCleanly) {
  auto check = [](const RowSpec& row) {
    EXPECT_FALSE(ReadMacroLines(row.lines).malformed) << row.lines[0];
    EXPECT_FALSE(MovesOfRow(row).empty()) << row.lines[0];
    // Only the first line carries a label; the others are moves alone.
    for (size_t n = 1; n < row.lines.size(); ++n) {
      EXPECT_EQ(ReadMacroText(row.lines[n]).stop, row.lines[n].size()) << row.lines[n];
    }
  };
  for (const auto* steps :
       {&CornerPlacementSteps(), &CornerTwistSteps(), &EdgePlacementSteps(), &EdgeFlipSteps()}) {
    for (const StepRows& step : *steps) {
      for (const RowSpec& row : step.rows) check(row);
    }
  }
  for (const RowSpec& row : ReferenceCornerStep().rows) check(row);
  for (const RowSpec& row : CentreRows()) check(row);
}

}  // namespace
}  // namespace rq51
