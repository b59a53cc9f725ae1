// Standard face-turn notation, proved by what the turns do to the cube
// rather than by the moves they are written as, and the reader that takes a
// text in either notation.
#include "cube/standard_notation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/test_cubes.h"

namespace rq51 {
namespace {

FaceletMap Map(std::string_view text) {
  const TurnSequence sequence = ReadTurnSequence(text);
  EXPECT_TRUE(sequence.read) << text;
  EXPECT_EQ(sequence.notation, TurnNotation::kStandard) << text;
  return MapOfMoves(sequence.moves);
}

// Where the stickers now at `facelets` are after `map` is performed.
std::set<int> Carried(const FaceletMap& map, const std::vector<int>& facelets) {
  const FaceletMap to = Inverse(map);
  std::set<int> places;
  for (int f : facelets) places.insert(to(f));
  return places;
}

// The facelets of `face` that lie in row or column `line` of the net.
std::vector<int> NetLine(int face, bool row, int line) {
  std::vector<int> facelets;
  for (int f = 9 * face - 8; f <= 9 * face; ++f) {
    const NetPosition place = NetPositionOf(f);
    if ((row ? place.row : place.column) == line) facelets.push_back(f);
  }
  return facelets;
}

std::set<int> Set(const std::vector<int>& facelets) { return {facelets.begin(), facelets.end()}; }

// The 21 stickers of the layer under a face: its nine and those of the
// corners and edges that touch it.
std::set<int> Layer(int face) {
  std::set<int> layer;
  for (int f = 9 * face - 8; f <= 9 * face; ++f) layer.insert(f);
  auto add_slot = [&](const auto& facelets) {
    for (int f : facelets) {
      if (FaceOf(f) == face) layer.insert(facelets.begin(), facelets.end());
    }
  };
  for (const CornerSlot& slot : CornerSlots()) add_slot(slot.facelets);
  for (const EdgeSlot& slot : EdgeSlots()) add_slot(slot.facelets);
  return layer;
}

TEST(StandardNotationTest, FaceTurnsAreQuarterTurnsOfTheirOwnLayer) {
  const std::pair<const char*, int> kFaces[] = {{"F", 1}, {"D", 2}, {"B", 3},
                                                {"U", 4}, {"L", 5}, {"R", 6}};
  for (const auto& [name, face] : kFaces) {
    const FaceletMap turn = Map(name);
    EXPECT_FALSE(Power(turn, 2).IsIdentity()) << name;
    EXPECT_TRUE(Power(turn, 4).IsIdentity()) << name;
    const std::set<int> layer = Layer(face);
    ASSERT_EQ(layer.size(), 21u);
    // The centre stays; the other 20 stickers of the layer move, no other.
    EXPECT_EQ(turn(CentreOf(face)), CentreOf(face)) << name;
    for (int f = 1; f <= kFaceletCount; ++f) {
      EXPECT_EQ(turn(f) != f, layer.count(f) == 1 && f != CentreOf(face)) << name << " " << f;
    }
    // The face's own stickers stay on it.
    for (int f = 9 * face - 8; f <= 9 * face; ++f) EXPECT_EQ(FaceOf(turn(f)), face) << name;
  }
}

TEST(StandardNotationTest, TurnsGoTheWayTheyAreSeen) {
  // U carries the front's top row to the left face's top row; R the front's
  // right column to the top face's right column; F the top's front row to
  // the right face's column next to the front.
  EXPECT_EQ(Carried(Map("U"), NetLine(1, true, 4)), Set(NetLine(5, true, 4)));
  EXPECT_EQ(Carried(Map("R"), NetLine(1, false, 6)), Set(NetLine(4, false, 6)));
  EXPECT_EQ(Carried(Map("F"), NetLine(4, true, 3)), Set(NetLine(6, false, 7)));
  // The whole cube: x as R carries the front to the top, y as U the front to
  // the left, z as F the top to the right; each carries every face whole.
  const std::tuple<const char*, int, int> kRotations[] = {{"x", 1, 4}, {"y", 1, 5}, {"z", 4, 6}};
  for (const auto& [name, from, to] : kRotations) {
    const FaceletMap rotation = Map(name);
    for (int face = 1; face <= kFaceCount; ++face) {
      std::vector<int> facelets;
      for (int f = 9 * face - 8; f <= 9 * face; ++f) facelets.push_back(f);
      std::set<int> faces;
      for (int f : Carried(rotation, facelets)) faces.insert(FaceOf(f));
      EXPECT_EQ(faces.size(), 1u) << name << " face " << face;
      if (face == from) {
        EXPECT_EQ(*faces.begin(), to) << name;
      }
    }
  }
}

TEST(StandardNotationTest, SlicesWideTurnsAndModifiersAgreeWithTheFaces) {
  const std::pair<const char*, const char*> kSame[] = {
      {"x", "R M' L'"},
      {"y", "U E' D'"},
      {"z", "F S B'"},
      {"r", "x L"},
      {"l", "x' R"},
      {"u", "y D"},
      {"d", "y' U"},
      {"f", "z B"},
      {"b", "z' F"},
      {"Rw", "r"},
      {"Uw2'", "u u"},
      {"U2", "U U"},
      {"U'", "U U U"},
      {"U2'", "U2"},
      {"U'2", "U2"},
      {"R’ F′", "R' F'"},
      {"RUR'U'", "R U R' U'"},
      {"(R U)2 x", "R U R U x"},
      {"(RU)12", "(R U)6 (R U)6"},
  };
  for (const auto& [text, same] : kSame) EXPECT_EQ(Map(text), Map(same)) << text;
  // Performed six times, R U R' U' is no turn at all, and not before.
  EXPECT_TRUE(Map("(R U R' U')6").IsIdentity());
  EXPECT_FALSE(Power(Map("R U R' U'"), 2).IsIdentity());
  EXPECT_FALSE(Power(Map("R U R' U'"), 3).IsIdentity());
}

TEST(StandardNotationTest, SuperflipFlipsEveryEdgeInItsSlot) {
  const FaceletMap superflip = Map("U R2 F B R B2 R U2 L B2 R U' D' R2 F R' L B2 U2 F2");
  for (const CornerSlot& slot : CornerSlots()) {
    for (int f : slot.facelets) EXPECT_EQ(superflip(f), f) << slot.label;
  }
  for (int centre : kCentres) EXPECT_EQ(superflip(centre), centre);
  for (const EdgeSlot& slot : EdgeSlots()) {
    EXPECT_EQ(superflip(slot.facelets[0]), slot.facelets[1]) << slot.label;
    EXPECT_EQ(superflip(slot.facelets[1]), slot.facelets[0]) << slot.label;
  }
}

TEST(StandardNotationTest, TheProgramsNotationComesFirst) {
  std::mt19937 random(5);
  for (int n = 0; n < 300; ++n) {
    const std::vector<Move> moves = test::RandomMoves(random, n % 25);
    std::string buttons;
    for (const Move& move : moves) buttons += ButtonName(move) + " ";
    for (const std::string& text : {LogText(moves), buttons}) {
      const TurnSequence sequence = ReadTurnSequence(text);
      ASSERT_TRUE(sequence.read) << text;
      EXPECT_EQ(sequence.notation, TurnNotation::kProgram);
      EXPECT_EQ(sequence.moves, moves) << text;
    }
  }
  EXPECT_EQ(ReadTurnSequence("(RxRy)２乗").moves, test::Moves("Rx Ry Rx Ry"));
  // Tabs and ideographic spaces are blanks in either notation.
  EXPECT_EQ(ReadTurnSequence("Rx\tLy2　Mz-").moves, test::Moves("Rx Ly2 Mz3"));
  EXPECT_EQ(MapOfMoves(ReadTurnSequence("R\tU　R'").moves), Map("R U R'"));
  // The two are never mixed: "Rx" is no R followed by x.
  const TurnSequence mixed = ReadTurnSequence("Rx U");
  EXPECT_FALSE(mixed.read);
  EXPECT_EQ(mixed.unread_word, "U");
  EXPECT_EQ(ReadTurnSequence("R U Rx").unread_word, "Rx");
}

TEST(StandardNotationTest, AnUnreadableLineNamesItsFirstUnreadableWord) {
  const std::vector<std::string> kWords = {
      "Rx", "Ly2", "Mz-", "Rz3", "(RxRy)２乗", "R",   "U'",  "F2",    "Uw",  "x2",  "RUR'U'",
      "M'", "r",   "E2",  "S'",  "(RU)2",      "Q",   "Rx4", "R3",    "wR",  "Rw3", "U)",
      "(R", "()",  "２",  "乗",  "y'x",        "R2-", "Rx'", "(RxRy", "u'2", "B’",  "xR"};
  std::mt19937 random(17);
  std::uniform_int_distribution<size_t> pick(0, kWords.size() - 1);
  auto join = [](const std::vector<std::string>& words, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += (i > 0 ? " " : "") + words[i];
    return text;
  };
  int refused = 0;
  for (int n = 0; n < 3000; ++n) {
    std::vector<std::string> words(1 + n % 7);
    for (std::string& word : words) word = kWords[pick(random)];
    const std::string line = join(words, words.size());
    const TurnSequence sequence = ReadTurnSequence(line);
    if (sequence.read) continue;
    ++refused;
    // Every word before the named one is read, the named one is not.
    size_t k = 0;
    while (k < words.size() && words[k] != sequence.unread_word) ++k;
    ASSERT_LT(k, words.size()) << line << " named '" << sequence.unread_word << "'";
    EXPECT_TRUE(ReadTurnSequence(join(words, k)).read) << line;
    EXPECT_FALSE(ReadTurnSequence(join(words, k + 1)).read) << line;
    EXPECT_EQ(sequence.open_bracket, sequence.unread_word.front() == '(') << line;
  }
  EXPECT_GT(refused, 1000);
}

TEST(StandardNotationTest, ReadsCommentsAndLinesOfACopiedSolution) {
  const std::string copied = "R U' // 4<-53\n// no turns\r\n(R U)2 // again\nx2 // turned over\n";
  const TurnSequence sequence = ReadTurnSequence(copied);
  ASSERT_TRUE(sequence.read);
  EXPECT_EQ(MapOfMoves(sequence.moves), Map("R U' R U R U x2"));
  // x begins a word after a line break too, and a line names where reading
  // stopped.
  EXPECT_EQ(MapOfMoves(ReadTurnSequence("R\nx").moves), Map("R x"));
  const TurnSequence unread = ReadTurnSequence("R U\n// Q\nF Q");
  EXPECT_FALSE(unread.read);
  EXPECT_EQ(unread.unread_word, "Q");
  EXPECT_EQ(unread.unread_line, 3);
}

TEST(StandardNotationTest, EveryMoveIsWrittenAsTheStandardTurnItIs) {
  for (const Move& move : AllMoves()) {
    const std::string name = StandardMoveName(move);
    EXPECT_EQ(Map(name), MoveMap(move)) << ButtonName(move) << " written " << name;
  }
  EXPECT_EQ(StandardMoveName({BaseTurn::kRx, 1}), "R'");
  EXPECT_EQ(StandardMoveName({BaseTurn::kRz, 3}), "U");
  EXPECT_EQ(StandardMoveName({BaseTurn::kMy, 2}), "S2");
}

TEST(StandardNotationTest, LoggedLinesKeepTheirBracketsAndTheirNotes) {
  const std::pair<std::string_view, std::string_view> kLines[] = {
      {"(RzRx-Ry)５乗  A1<->A12", "(U' R F')5 // A1<->A12"},
      {"(Rx-MyRx- )４乗       B2<->B17", "(R S' R)4 // B2<->B17"},
      {"(Ry2MxRy2Mx-Ry2MxRy2) B2<->B15", "(F2 M F2 M' F2 M F2) // B2<->B15"},
      {"Rz-   4<-49", "U // 4<-49"},
      {"  Lx2 Mz Lx2Mz-", "L2 E L2 E'"},
      {"ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動", "// ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動"},
      {"    @     ", "// @"},
      {"", "//"},
  };
  for (const auto& [line, standard] : kLines) {
    EXPECT_EQ(StandardLine(line), standard) << line;
    // Read back, the standard line performs what the logged line performs.
    const TurnSequence back = ReadTurnSequence(standard);
    ASSERT_TRUE(back.read) << standard;
    EXPECT_EQ(MapOfMoves(back.moves), ReadMacroText(line).map) << line;
  }
  // A row that gives its turns: the whole text is the note.
  EXPECT_EQ(StandardLine("see the picture", "Rx3 Ly2"), "R B2 // see the picture");
}

TEST(StandardNotationTest, WholeCubeTurnsAreNamedAsRotations) {
  EXPECT_EQ(StandardRotation(FaceletMap()), "");
  // The turning over of the layer methods.
  EXPECT_EQ(StandardRotation(MapOfMoves(test::Moves("Rx2 Mx2 Lx2"))), "x2");
  // Each of the 24 ways to hold the cube, in one or two rotations.
  std::set<std::vector<int>> holds;
  for (std::string_view first : {"", "x", "x2", "x'", "z", "z'"}) {
    for (std::string_view second : {"", "y", "y2", "y'"}) {
      const FaceletMap hold = Compose(MapOfMoves(ReadTurnSequence(first).moves),
                                      MapOfMoves(ReadTurnSequence(second).moves));
      const std::optional<std::string> named = StandardRotation(hold);
      ASSERT_TRUE(named.has_value()) << first << " " << second;
      EXPECT_LE(std::count(named->begin(), named->end(), ' '), 1) << *named;
      EXPECT_EQ(MapOfMoves(ReadTurnSequence(*named).moves), hold) << *named;
      std::vector<int> image;
      for (int k = 1; k <= kFaceletCount; ++k) image.push_back(hold(k));
      holds.insert(image);
    }
  }
  EXPECT_EQ(holds.size(), 24u);
  EXPECT_EQ(StandardRotation(Map("R")), std::nullopt);
}

}  // namespace
}  // namespace rq51
