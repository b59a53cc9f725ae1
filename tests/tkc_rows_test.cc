// What every row of the TK-C tables promises, proved on its map.
#include "solvers/tkc/tkc_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "cube/facelets.h"
#include "cube/moves.h"
#include "cube/notation.h"
#include "shell/stage_frame.h"
#include "solvers/tkc/corner_steps.h"
#include "solvers/tkc/tkc_method.h"

namespace rq51 {
namespace {

using Facelets = std::vector<int>;
using Homes = std::array<int, kFaceletCount + 1>;

Facelets SlotFacelets(std::string_view label) {
  for (const CornerSlot& slot : CornerSlots()) {
    if (slot.label == label) return {slot.facelets.begin(), slot.facelets.end()};
  }
  for (const EdgeSlot& slot : EdgeSlots()) {
    if (slot.label == label) return {slot.facelets.begin(), slot.facelets.end()};
  }
  ADD_FAILURE() << "no slot " << label;
  return {};
}

Facelets SlotsFacelets(std::initializer_list<std::string_view> labels) {
  Facelets all;
  for (std::string_view label : labels) {
    const Facelets one = SlotFacelets(label);
    all.insert(all.end(), one.begin(), one.end());
  }
  return all;
}

const Facelets& UpperCorners() {
  static const Facelets facelets = SlotsFacelets({"A1", "A7", "A21", "A27"});
  return facelets;
}
const Facelets& BottomLayer() {
  static const Facelets facelets =
      SlotsFacelets({"A3", "A9", "A12", "A18", "B6", "B11", "B15", "B17"});
  return facelets;
}

bool InUpperLayer(int f) { return FaceOf(f) == 4 || MoveMap(Move{BaseTurn::kRz, 1})(f) != f; }

// Everything below the upper layer, with every centre.
Facelets FirstTwoLayersAndCentres() {
  Facelets facelets;
  for (int f = 1; f <= kFaceletCount; ++f) {
    if (!InUpperLayer(f) || IsCentre(f)) facelets.push_back(f);
  }
  return facelets;
}

Facelets Union(const Facelets& a, const Facelets& b) {
  Facelets all = a;
  all.insert(all.end(), b.begin(), b.end());
  return all;
}

void ExpectKept(const FaceletMap& map, const Facelets& facelets, const std::string& what) {
  for (int f : facelets) EXPECT_EQ(map(f), f) << what << ": facelet " << f << " moves";
}

std::string RowName(const TableRow& row) {
  std::string name = std::to_string(row.key) + " \"";
  for (std::string_view line : row.lines) name += std::string(line) + "|";
  return name + "\"";
}

// The other facelet of the edge slot that holds `f`.
int EdgePartner(int f) {
  for (const EdgeSlot& slot : EdgeSlots()) {
    if (slot.facelets[0] == f) return slot.facelets[1];
    if (slot.facelets[1] == f) return slot.facelets[0];
  }
  return 0;
}

// Every row brings the sticker at its key to the target (and, for an edge,
// the partner sticker home) and keeps the facelets of the pieces placed
// before.
void ExpectPlacementRows(const PlacementRows& step, const Facelets& kept) {
  const StageTable table(step.rows);
  std::set<int> keys;
  for (const TableRow& row : table.rows()) {
    const std::string name = "target " + std::to_string(step.target) + " row " + RowName(row);
    EXPECT_TRUE(keys.insert(row.key).second) << name << ": key repeated";
    EXPECT_NE(row.key, step.target) << name;
    EXPECT_EQ(row.map(step.target), row.key) << name;
    if (const int partner = EdgePartner(step.target); partner != 0) {
      EXPECT_EQ(row.map(partner), EdgePartner(row.key)) << name << ": partner";
    }
    ExpectKept(row.map, kept, name);
  }
}

TEST(TkcRowsTest, UpperFaceRowsPlaceTheirPieceAndKeepThoseBefore) {
  const std::vector<PlacementRows>& steps = UpperFaceRows();
  const std::vector<int> targets = {1, 7, 21, 27, 24, 35, 29, 4, 32, 5};
  const std::vector<size_t> sizes = {23, 20, 17, 14, 23, 21, 19, 17, 5, 3};
  ASSERT_EQ(steps.size(), targets.size());
  Facelets placed;
  for (size_t n = 0; n < steps.size(); ++n) {
    EXPECT_EQ(steps[n].target, targets[n]);
    EXPECT_EQ(steps[n].rows.size(), sizes[n]) << "target " << targets[n];
    ExpectPlacementRows(steps[n], placed);
    const Facelets slot =
        IsCentre(targets[n]) ? Facelets{targets[n]} : SlotFacelets(SlotLabelOfFacelet(targets[n]));
    placed.insert(placed.end(), slot.begin(), slot.end());
  }
}

TEST(TkcRowsTest, CornerRowsKeyEveryCornerFaceletNotYetPlaced) {
  const std::vector<PlacementRows>& steps = UpperFaceRows();
  std::set<int> placed;
  for (size_t n = 0; n < 4; ++n) {
    std::set<int> keys;
    for (const RowSpec& row : steps[n].rows) keys.insert(row.key);
    std::set<int> expected;
    for (const CornerSlot& slot : CornerSlots()) {
      for (int f : slot.facelets) {
        if (!placed.count(f) && f != steps[n].target) expected.insert(f);
      }
    }
    EXPECT_EQ(keys, expected) << "target " << steps[n].target;
    for (int f : SlotFacelets(SlotLabelOfFacelet(steps[n].target))) placed.insert(f);
  }
}

TEST(TkcRowsTest, SecondFaceEdgeRowsKeepBottomLayerUpperCornersAndEarlierEdges) {
  const std::vector<PlacementRows>& steps = SecondFaceEdgeRows();
  ASSERT_EQ(steps.size(), 4u);
  const std::vector<int> targets = {4, 24, 29, 35};
  const std::vector<size_t> sizes = {15, 13, 11, 9};
  Facelets kept = Union(BottomLayer(), UpperCorners());
  for (size_t n = 0; n < steps.size(); ++n) {
    EXPECT_EQ(steps[n].target, targets[n]);
    EXPECT_EQ(steps[n].rows.size(), sizes[n]) << "target " << targets[n];
    ExpectPlacementRows(steps[n], kept);
    kept = Union(kept, SlotFacelets(SlotLabelOfFacelet(targets[n])));
  }
}

TEST(TkcRowsTest, CentreRowsAlsoKeepTheBottomLayerOfTheSecondFace) {
  const std::vector<PlacementRows>& steps = UpperFaceRows();
  const Facelets pieces =
      Union(BottomLayer(), SlotsFacelets({"A1", "A7", "A21", "A27", "B4", "B24", "B29", "B35"}));
  ExpectPlacementRows(steps[8], pieces);
  ExpectPlacementRows(steps[9], Union(pieces, {32}));
}

// The cubie the arrangement code puts at each of the positions 1, 7, 27, 21.
std::vector<std::string_view> CornersOfCode(int code) {
  static constexpr std::string_view kByDigit[] = {"A1", "A7", "A21", "A27"};
  return {kByDigit[code / 1000 % 10], kByDigit[code / 100 % 10], kByDigit[code / 10 % 10],
          kByDigit[code % 10]};
}

// Keeps the first two layers and every centre, and leaves each upper edge's
// upper sticker on the upper face; upper edges may change places.
void ExpectUpperLayerOnly(const FaceletMap& map, const std::string& name) {
  ExpectKept(map, FirstTwoLayersAndCentres(), name);
  const std::set<int> upper_edge_tops = {29, 31, 33, 35};
  for (int f : upper_edge_tops) {
    EXPECT_TRUE(upper_edge_tops.count(map(f))) << name << ": edge at " << f << " flipped";
  }
}

TEST(TkcRowsTest, ArrangementRowsBringEveryUpperCornerToItsSlot) {
  const StageTable& table = CornerArrangementTable();
  ASSERT_EQ(table.rows().size(), 23u);
  const std::vector<std::string_view> slots = {"A1", "A7", "A27", "A21"};
  std::set<int> keys;
  for (const TableRow& row : table.rows()) {
    const std::string name = "arrangement row " + RowName(row);
    EXPECT_TRUE(keys.insert(row.key).second) << name;
    // The code is a permutation of the four corners, not the settled one.
    std::vector<std::string_view> held = CornersOfCode(row.key);
    std::vector<std::string_view> sorted = held;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string_view>{"A1", "A21", "A27", "A7"})) << name;
    EXPECT_NE(row.key, kCornersInPlace) << name;
    for (size_t n = 0; n < slots.size(); ++n) {
      // The cubie now in slots[n] must end in its own slot.
      const Facelets from = SlotFacelets(slots[n]);
      for (int f : SlotFacelets(held[n])) {
        EXPECT_NE(std::find(from.begin(), from.end(), row.map(f)), from.end())
            << name << ": " << held[n] << " not brought home";
      }
    }
    ExpectUpperLayerOnly(row.map, name);
    // A leading quarter turn of the upper face stands on a line of its own.
    const Move first = row.moves.front();
    if (first.base == BaseTurn::kRz && first.power != 2 && row.moves.size() > 1) {
      EXPECT_EQ(row.lines.front(), "  " + LogName(first)) << name;
    }
    for (std::string_view line : row.lines) EXPECT_EQ(line.substr(0, 2), "  ") << name;
  }
}

// The homes of a solved cube with the upper corners twisted as the twist
// code says.
Homes TwistedHomes(int code) {
  Homes homes;
  for (int f = 0; f <= kFaceletCount; ++f) homes[f] = f;
  // Position, the home at it for digit 1, for digit 2.
  const int kCorners[4][3] = {{1, 30, 52}, {7, 36, 37}, {21, 28, 46}, {27, 34, 43}};
  const int digits[4] = {code / 1000 % 10, code / 100 % 10, code / 10 % 10, code % 10};
  for (int n = 0; n < 4; ++n) {
    const auto& [p, q, r] = kCorners[n];
    if (digits[n] == 1) {  // the stickers turn p <- q <- r <- p
      homes[p] = q, homes[q] = r, homes[r] = p;
    } else if (digits[n] == 2) {
      homes[p] = r, homes[q] = p, homes[r] = q;
    }
  }
  return homes;
}

TEST(TkcRowsTest, TwistRowsTwistTheUpperCornersInPlaceOnly) {
  const StageTable& table = CornerTwistTable();
  ASSERT_EQ(table.rows().size(), 26u);
  std::set<int> keys;
  for (const TableRow& row : table.rows()) {
    const std::string name = "twist row " + RowName(row);
    EXPECT_TRUE(keys.insert(row.key).second) << name;
    const Homes after = ApplyToState(row.map, TwistedHomes(row.key));
    for (int f : UpperCorners()) EXPECT_EQ(after[f], f) << name << ": corner facelet " << f;
    ExpectUpperLayerOnly(row.map, name);
  }
}

TEST(TkcRowsTest, TwistCodesOfTheTwistedCubesAreTheRowKeys) {
  for (const TableRow& row : CornerTwistTable().rows()) {
    StateTable cube;
    const Homes homes = TwistedHomes(row.key);
    for (int f = 1; f <= kFaceletCount; ++f) cube.row(f).home = homes[f];
    EXPECT_EQ(CornerTwistCode(cube), row.key);
  }
}

TEST(TkcRowsTest, MiddleArrangementRowsBringEveryMiddleEdgeToItsSlot) {
  const StageTable table(MiddleArrangementRows());
  ASSERT_EQ(table.rows().size(), 11u);
  static constexpr std::string_view kByDigit[] = {"B2", "B8", "B26", "B20"};
  const std::vector<std::string_view> slots = {"B2", "B8", "B26", "B20"};
  Facelets outer;
  for (int f = 1; f <= kFaceletCount; ++f) {
    if (InUpperLayer(f) || IsCentre(f) || MoveMap(Move{BaseTurn::kLz, 1})(f) != f ||
        FaceOf(f) == 2) {
      outer.push_back(f);
    }
  }
  for (const TableRow& row : table.rows()) {
    const std::string name = "middle row " + RowName(row);
    const int digits[4] = {row.key / 1000 % 10, row.key / 100 % 10, row.key / 10 % 10,
                           row.key % 10};
    for (size_t n = 0; n < slots.size(); ++n) {
      const Facelets from = SlotFacelets(slots[n]);
      for (int f : SlotFacelets(kByDigit[digits[n]])) {
        EXPECT_NE(std::find(from.begin(), from.end(), row.map(f)), from.end()) << name;
      }
    }
    ExpectKept(row.map, outer, name);
  }
}

TEST(TkcRowsTest, FlipRowsFlipExactlyTheirEdges) {
  const StageTable table(MiddleFlipRows());
  ASSERT_EQ(table.rows().size(), 7u);
  const int kEdges[4][2] = {{2, 53}, {8, 38}, {26, 44}, {20, 47}};
  for (const TableRow& row : table.rows()) {
    Homes homes;
    for (int f = 0; f <= kFaceletCount; ++f) homes[f] = f;
    const int digits[4] = {row.key / 1000 % 10, row.key / 100 % 10, row.key / 10 % 10,
                           row.key % 10};
    int flipped = 0;
    for (int n = 0; n < 4; ++n) {
      if (digits[n] == 1) {
        std::swap(homes[kEdges[n][0]], homes[kEdges[n][1]]);
        ++flipped;
      }
    }
    EXPECT_EQ(flipped % 2, 0) << row.key;
    const Homes after = ApplyToState(row.map, homes);
    for (int f = 1; f <= kFaceletCount; ++f) {
      EXPECT_EQ(after[f], f) << "flip row " << RowName(row) << ": facelet " << f;
    }
  }
}

TEST(TkcRowsTest, FlipTurnsTheCubeOverAboutTheXAxis) {
  const ReHold& flip = TkcFlip();
  EXPECT_EQ(flip.turn,
            MapOfMoves({Move{BaseTurn::kRx, 2}, Move{BaseTurn::kMx, 2}, Move{BaseTurn::kLx, 2}}));
  // Each face is anchored on the centre that the turn brings to it.
  for (int face = 1; face <= kFaceCount; ++face) {
    EXPECT_EQ(flip.turn(CentreOf(face)), flip.centre_for_face[face - 1]) << face;
  }
}

// Placement lines: the moves padded to three characters, two blanks, the
// pair "%2d<-%2d".
TEST(TkcRowsTest, ChosenPlacementRowsFollowTheirStepsLayout) {
  const auto line_of = [](const std::vector<PlacementRows>& steps, int target, int key) {
    for (const PlacementRows& step : steps) {
      if (step.target != target) continue;
      for (const RowSpec& row : step.rows) {
        if (row.key == key) return std::string(row.lines.front());
      }
    }
    return std::string();
  };
  const auto layout = [](const RowSpec& row, int target) {
    std::string text;
    for (const Move& move : MovesOfRow(row)) {
      std::string name = LogName(move);
      name.resize(3, ' ');
      text += name;
    }
    char pair[16];
    std::snprintf(pair, sizeof pair, "%2d<-%2d", target, row.key);
    return text + "  " + pair;
  };
  EXPECT_EQ(line_of(UpperFaceRows(), 24, 4), "Mx Lz2Mx   24<- 4");
  EXPECT_EQ(line_of(UpperFaceRows(), 35, 33), "Mx Lz-My-Mx-  35<-33");
  EXPECT_EQ(line_of(UpperFaceRows(), 35, 26), "Lx My-Lx-My   35<-26");
  EXPECT_EQ(line_of(SecondFaceEdgeRows(), 24, 35), "Lx Ry-Mx Ry2Mx-Ry-Lx-  24<-35");
  // The neighbouring single-line rows of those steps share the layout.
  for (const auto& [steps, target] :
       {std::pair{&UpperFaceRows(), 24}, std::pair{&UpperFaceRows(), 35}}) {
    for (const PlacementRows& step : *steps) {
      if (step.target != target) continue;
      for (const RowSpec& row : step.rows) {
        EXPECT_EQ(row.lines.front(), layout(row, target)) << row.lines.front();
      }
    }
  }
}

}  // namespace
}  // namespace rq51
