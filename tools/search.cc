// search: finds the shortest turn sequences whose facelet map does what the
// command line asks for, and prints them in log notation ("Rx-Rz Ry2").
//
//   search [--turns SET] REQUIREMENT... [--min N] [--max N]
//          [--first | --all | --limit K] [--show-map] [--threads T] [--table M]
//
// Requirements, all repeatable and combinable (a sequence must meet every one):
//   --keep LIST         each sticker on LIST stays where it is.
//   --carry FROM:TO     the sticker now at FROM ends at TO. With lists or slots
//                       on both sides (equally many facelets) the stickers at
//                       FROM end on the facelets of TO in any order:
//                       --carry A21:A27 takes the corner of A21 to slot A27,
//                       turned any way.
//   --twist SLOT:HOME   the sequence must solve the cube whose cubie in SLOT is
//                       turned in place so that the slot's first facelet (the
//                       slot's number) holds the sticker of home HOME; every
//                       other cubie is home unless another --twist says so.
//                       This pins the whole map.
//   --cycle LIST        the stickers at LIST move one place along it, the last
//                       to the first; pins the whole map.
//   --map "I<-J ..."    position I receives the sticker from J; every facelet
//                       not listed stays. Pins the whole map.
//   --macro TEXT        the map of a macro text as logs write it (brackets,
//                       repeat counts, a trailing label); several are performed
//                       one after the other. Finds the shortest equivalents.
//   --only LIST         compare a pinned map only on LIST (--only corners).
// LIST: facelet numbers (4), ranges (10-18), slot labels (A1, B4, C41) and
// groups (centres, corners, edges, upper-cross, bottom-layer, ...; --help has
// them all), separated by commas.
// SET (--turns): all (the 27 turns, default), outer (R and L layers: no centre
// moves), R, L, M, base turns (Rx: its three powers) or single moves (Rx2,
// Rx-), separated by commas.
//
// Sequences are listed once per order of commuting turns: turns of one axis
// come with rising layer (R, L, M) and a layer never follows itself.
//
// Method: meet in the middle. A sequence of length n is a head of a turns
// followed by a tail of b = n - a turns; the map is head∘tail. Every
// requirement says that the facelets T receive exactly the stickers S
// (a kept or carried facelet is a T and S of one), which holds when
// tail(T) = head⁻¹(S) as sets. All tails of length b are stored by a hash
// of their tail(T) sets; every head is walked and the hash of its head⁻¹(S)
// looked up, so each hit is a solution (checked again on the full map to rule
// out hash collisions). Both sides track only the facelets the key needs, and
// one sticker per cubie suffices for pinned facelets since a cubie moves as a
// whole. All cores share the work (--threads).
#include <sys/mman.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <numeric>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "cube/arrangement_check.h"
#include "cube/facelets.h"
#include "cube/moves.h"
#include "cube/notation.h"

namespace rq51 {
namespace {

constexpr std::string_view kUsage = R"(usage: search [--turns SET] REQUIREMENT... [OPTIONS]

Finds the shortest turn sequences whose facelet map meets every requirement
and prints them in log notation, shortest length only.

Requirements (repeatable, all of them must hold):
  --keep LIST        each sticker on LIST stays where it is
  --carry FROM:TO    the sticker now at FROM ends at TO; with lists or slots on
                     both sides (as many facelets each) the stickers at FROM
                     end on the facelets of TO in any order, e.g. A21:A27
  --twist SLOT:HOME  solve the cube whose cubie in SLOT is turned in place so
                     that the slot's first facelet holds the sticker of home
                     HOME (A18:25, B4:33); other cubies are home. Pins the map
  --cycle LIST       the stickers at LIST move one place along the list, the
                     last to the first (--cycle 2,17,35). Pins the map
  --map "I<-J ..."   facelet I receives the sticker from J, the rest stays.
                     Pins the map
  --macro TEXT       the map of a macro text ("(Rx-Ry)３乗(RxRy-)３乗"),
                     repeatable: the texts are performed one after the other
  --only LIST        compare the pinned map only on these facelets

Turns:
  --turns SET        all (default, 27 turns), outer (R and L layers, 18 turns,
                     centres never move), R, L, M, base turns (Rx: Rx, Rx2,
                     Rx-) or single moves (Rx2, Rx-, Rx3), comma-separated

Output:
  --min N            shortest length to try (default 0)
  --max N            longest length to try (default 12)
  --first            print one sequence and stop
  --all              print every sequence of the shortest length
  --limit K          print at most K of them (default 20); the count is always
                     printed
  --show-map         print under each sequence the facelets it changes (I<-J)

Resources:
  --threads T        worker threads (default: the number of cores)
  --table M          store at most M million tails (default 160: up to 3.5 GB
                     while the table is built, 1.5 GB while it is read)

LIST: comma-separated facelet numbers (4), ranges (10-18), slot labels (A1, B4,
C41) and groups:
  all, centres, corners, edges, front, bottom, back, top, left, right,
  upper-layer, middle-layer, bottom-layer, upper-cross, bottom-cross,
  upper-corners, bottom-corners, upper-edges, middle-edges, bottom-edges
(upper = top face 4, bottom = face 2; a cross is its face's four edges,
without the centre.)

Exit status: 0 found, 1 nothing within --max, 2 bad command line or a
requirement no sequence of the chosen turns can meet, 3 internal fault.

Progress and times go to standard error. With all 27 turns and the whole map
pinned, 12 turns take about half a minute and 13 turns three minutes on two
cores.
)";

using Mask = uint64_t;
constexpr Mask Bit(int facelet) { return Mask{1} << facelet; }

// ---------------------------------------------------------------------------
// Facelet lists.

bool IsNumber(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int NumberOf(std::string_view text) {
  int value = 0;
  for (char c : text) value = std::min(value * 10 + (c - '0'), 1000);
  return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view part = text.substr(start, end - start);
    while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
    while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
    if (!part.empty()) parts.push_back(part);
    start = end + 1;
  }
  return parts;
}

// The facelets of every corner (edge) slot that touches face `face`.
std::vector<int> CornersTouching(int face) {
  std::vector<int> facelets;
  for (const CornerSlot& slot : CornerSlots()) {
    if (std::any_of(slot.facelets.begin(), slot.facelets.end(),
                    [face](int f) { return FaceOf(f) == face; })) {
      facelets.insert(facelets.end(), slot.facelets.begin(), slot.facelets.end());
    }
  }
  return facelets;
}

std::vector<int> EdgesTouching(int face) {
  std::vector<int> facelets;
  for (const EdgeSlot& slot : EdgeSlots()) {
    if (std::any_of(slot.facelets.begin(), slot.facelets.end(),
                    [face](int f) { return FaceOf(f) == face; })) {
      facelets.insert(facelets.end(), slot.facelets.begin(), slot.facelets.end());
    }
  }
  return facelets;
}

// The edges between the top and bottom faces: those touching neither.
std::vector<int> MiddleEdges() {
  std::vector<int> facelets;
  for (const EdgeSlot& slot : EdgeSlots()) {
    if (std::none_of(slot.facelets.begin(), slot.facelets.end(),
                     [](int f) { return FaceOf(f) == 2 || FaceOf(f) == 4; })) {
      facelets.insert(facelets.end(), slot.facelets.begin(), slot.facelets.end());
    }
  }
  return facelets;
}

std::optional<std::vector<int>> GroupFacelets(std::string_view name) {
  constexpr int kTop = 4;
  constexpr int kBottom = 2;
  std::vector<int> facelets;
  auto add = [&facelets](const std::vector<int>& more) {
    facelets.insert(facelets.end(), more.begin(), more.end());
  };
  constexpr std::pair<std::string_view, int> kFaces[] = {{"front", 1}, {"bottom", 2}, {"back", 3},
                                                         {"top", 4},   {"left", 5},   {"right", 6}};
  for (const auto& [face_name, face] : kFaces) {
    if (name == face_name) {
      for (int f = 9 * face - 8; f <= 9 * face; ++f) facelets.push_back(f);
      return facelets;
    }
  }
  if (name == "all") {
    for (int f = 1; f <= kFaceletCount; ++f) facelets.push_back(f);
  } else if (name == "centres" || name == "centers") {
    add({kCentres.begin(), kCentres.end()});
  } else if (name == "corners") {
    for (const CornerSlot& slot : CornerSlots()) add({slot.facelets.begin(), slot.facelets.end()});
  } else if (name == "edges") {
    for (const EdgeSlot& slot : EdgeSlots()) add({slot.facelets.begin(), slot.facelets.end()});
  } else if (name == "upper-layer" || name == "top-layer") {
    add(CornersTouching(kTop));
    add(EdgesTouching(kTop));
    facelets.push_back(CentreOf(kTop));
  } else if (name == "bottom-layer") {
    add(CornersTouching(kBottom));
    add(EdgesTouching(kBottom));
    facelets.push_back(CentreOf(kBottom));
  } else if (name == "middle-layer") {
    add(MiddleEdges());
    for (int centre : kCentres) {
      if (FaceOf(centre) != kTop && FaceOf(centre) != kBottom) facelets.push_back(centre);
    }
  } else if (name == "upper-cross" || name == "top-cross" || name == "upper-edges" ||
             name == "top-edges") {
    add(EdgesTouching(kTop));
  } else if (name == "bottom-cross" || name == "bottom-edges") {
    add(EdgesTouching(kBottom));
  } else if (name == "upper-corners" || name == "top-corners") {
    add(CornersTouching(kTop));
  } else if (name == "bottom-corners") {
    add(CornersTouching(kBottom));
  } else if (name == "middle-edges") {
    add(MiddleEdges());
  } else {
    return std::nullopt;
  }
  return facelets;
}

// The facelets of a slot label: "A18" its three, "B4" its two, "C41" the
// centre.
std::optional<std::vector<int>> SlotFacelets(std::string_view label) {
  for (const CornerSlot& slot : CornerSlots()) {
    if (slot.label == label) return std::vector<int>(slot.facelets.begin(), slot.facelets.end());
  }
  for (const EdgeSlot& slot : EdgeSlots()) {
    if (slot.label == label) return std::vector<int>(slot.facelets.begin(), slot.facelets.end());
  }
  if (label.size() >= 2 && label[0] == 'C' && IsNumber(label.substr(1))) {
    const int f = NumberOf(label.substr(1));
    if (f >= 1 && f <= kFaceletCount && IsCentre(f)) return std::vector<int>{f};
  }
  return std::nullopt;
}

// Reads a comma-separated list in the order written; groups come in rising
// facelet order. Sets `error` and returns nullopt on an unknown item.
std::optional<std::vector<int>> ParseFacelets(std::string_view text, std::string& error) {
  std::vector<int> facelets;
  const std::vector<std::string_view> items = Split(text, ',');
  if (items.empty()) {
    error = "empty facelet list";
    return std::nullopt;
  }
  for (std::string_view item : items) {
    const size_t dash = item.find('-');
    if (IsNumber(item)) {
      const int f = NumberOf(item);
      if (f < 1 || f > kFaceletCount) {
        error = "no facelet " + std::string(item) + " (1..54)";
        return std::nullopt;
      }
      facelets.push_back(f);
    } else if (dash != std::string_view::npos && IsNumber(item.substr(0, dash)) &&
               IsNumber(item.substr(dash + 1))) {
      const int from = NumberOf(item.substr(0, dash));
      const int to = NumberOf(item.substr(dash + 1));
      if (from < 1 || to > kFaceletCount || from > to) {
        error = "bad facelet range " + std::string(item);
        return std::nullopt;
      }
      for (int f = from; f <= to; ++f) facelets.push_back(f);
    } else if (std::optional<std::vector<int>> slot = SlotFacelets(item)) {
      facelets.insert(facelets.end(), slot->begin(), slot->end());
    } else if (std::optional<std::vector<int>> group = GroupFacelets(item)) {
      std::sort(group->begin(), group->end());
      facelets.insert(facelets.end(), group->begin(), group->end());
    } else {
      error = "unknown facelet, slot or group '" + std::string(item) + "'";
      return std::nullopt;
    }
  }
  return facelets;
}

// ---------------------------------------------------------------------------
// Turns.

struct Turn {
  Move move;
  int axis = 0;   // 0 x, 1 y, 2 z
  int layer = 0;  // 0 R, 1 L, 2 M
  // The set lacks a power of this layer's turn, so the layer may be turned
  // twice in a row to make it.
  bool repeatable = false;
  std::array<uint8_t, kFaceletCount + 1> to{};    // the turn's map
  std::array<uint8_t, kFaceletCount + 1> back{};  // its inverse
};

// May `next` come right after `previous`? Turns of one axis commute, so a
// run of them is generated with rising layers only.
bool MayFollow(const Turn& previous, const Turn& next) {
  if (previous.axis != next.axis) return true;
  if (previous.layer == next.layer) return next.repeatable;
  return next.layer > previous.layer;
}

std::optional<std::vector<Turn>> ParseTurns(std::string_view text, std::string& error) {
  const std::array<Move, 27>& all = AllMoves();
  std::array<bool, 27> chosen{};
  auto choose_if = [&](auto predicate) {
    for (size_t i = 0; i < all.size(); ++i) chosen[i] = chosen[i] || predicate(all[i]);
  };
  const std::vector<std::string_view> items = Split(text, ',');
  if (items.empty()) {
    error = "empty turn set";
    return std::nullopt;
  }
  for (std::string_view item : items) {
    if (item == "all") {
      choose_if([](const Move&) { return true; });
    } else if (item == "outer") {
      choose_if([](const Move& m) { return LayerOf(m.base) != 2; });
    } else if (item == "R" || item == "L" || item == "M") {
      const int layer = item == "R" ? 0 : item == "L" ? 1 : 2;
      choose_if([layer](const Move& m) { return LayerOf(m.base) == layer; });
    } else if (item.size() == 2 && MoveFromName(item)) {
      const BaseTurn base = MoveFromName(item)->base;
      choose_if([base](const Move& m) { return m.base == base; });
    } else if (std::optional<Move> move = MoveFromName(item)) {
      choose_if([move](const Move& m) { return m == *move; });
    } else {
      error = "unknown turn '" + std::string(item) + "'";
      return std::nullopt;
    }
  }
  std::array<int, kBaseTurnCount> powers_chosen{};
  for (size_t i = 0; i < all.size(); ++i) {
    if (chosen[i]) ++powers_chosen[static_cast<int>(all[i].base)];
  }
  std::vector<Turn> turns;
  for (size_t i = 0; i < all.size(); ++i) {
    if (!chosen[i]) continue;
    Turn turn;
    turn.move = all[i];
    turn.axis = AxisOf(all[i].base);
    turn.layer = LayerOf(all[i].base);
    turn.repeatable = powers_chosen[static_cast<int>(all[i].base)] < 3;
    const FaceletMap& map = MoveMap(all[i]);
    for (int f = 1; f <= kFaceletCount; ++f) {
      turn.to[f] = static_cast<uint8_t>(map(f));
      turn.back[map(f)] = static_cast<uint8_t>(f);
    }
    turns.push_back(turn);
  }
  return turns;
}

// ---------------------------------------------------------------------------
// Requirements.

// The facelets `targets` receive exactly the stickers now at `sources`, in
// any order (one facelet each: that sticker, at that place).
struct Group {
  std::vector<int> targets;
  std::vector<int> sources;
};

Mask MaskOf(const std::vector<int>& facelets) {
  Mask mask = 0;
  for (int f : facelets) mask |= Bit(f);
  return mask;
}

bool GroupHolds(const Group& group, const FaceletMap& map) {
  Mask got = 0;
  for (int t : group.targets) got |= Bit(map(t));
  return got == MaskOf(group.sources);
}

bool AllHold(const std::vector<Group>& groups, const FaceletMap& map) {
  return std::all_of(groups.begin(), groups.end(),
                     [&map](const Group& group) { return GroupHolds(group, map); });
}

std::string ListText(const std::vector<int>& facelets) {
  std::string text;
  for (int f : facelets) text += (text.empty() ? "" : ",") + std::to_string(f);
  return text;
}

// Whether turns can make `map` at all: the cube a solved cube becomes under
// it must pass the arrangement check. Only decidable when the centres or the
// reference corner stay, which fix the frame the colours are read in.
std::optional<ArrangementFault> RealityOf(const FaceletMap& map) {
  // A solved cube's colours, opposite faces in opposite colours as the
  // arrangement check expects, turned by `map`.
  StickerColours colours{};
  for (int f = 1; f <= kFaceletCount; ++f) colours[f] = HomeFaceColour(FaceOf(map(f)));
  const bool centres_stay =
      std::all_of(kCentres.begin(), kCentres.end(), [&map](int c) { return map(c) == c; });
  if (centres_stay) return CheckRealArrangement(colours, FaceColourRule::kCentre);
  const bool reference_stays = std::all_of(kReferenceCorner.begin(), kReferenceCorner.end(),
                                           [&map](int f) { return map(f) == f; });
  if (reference_stays) return CheckRealArrangement(colours, FaceColourRule::kReferenceCorner);
  return std::nullopt;
}

struct Settings {
  std::vector<Turn> turns;
  std::string turns_text = "all";
  std::vector<Group> groups;
  int min_length = 0;
  int max_length = 12;
  bool first = false;
  bool all = false;
  size_t limit = 20;
  bool show_map = false;
  int threads = 2;
  double table_millions = 160;
};

// Collects the parts of a pinned map: which facelet receives which sticker.
class PinnedMap {
 public:
  // Sets map(position) = source; false when the position already has
  // another source.
  bool Set(int position, int source) {
    if (set_[position] && map_(position) != source) return false;
    set_[position] = true;
    map_.Set(position, source);
    return true;
  }
  bool empty() const {
    return std::none_of(set_.begin(), set_.end(), [](bool b) { return b; });
  }
  const FaceletMap& map() const { return map_; }

 private:
  FaceletMap map_;
  std::array<bool, kFaceletCount + 1> set_{};
};

// Reads "I<-J I<-J ..." (blanks or commas between pairs).
bool ReadMapPairs(std::string_view text, PinnedMap& pinned, std::string& error) {
  std::string spaced(text);
  std::replace(spaced.begin(), spaced.end(), ',', ' ');
  for (std::string_view pair : Split(spaced, ' ')) {
    const size_t arrow = pair.find("<-");
    if (arrow == std::string_view::npos || !IsNumber(pair.substr(0, arrow)) ||
        !IsNumber(pair.substr(arrow + 2))) {
      error = "--map wants pairs like 18<-45, not '" + std::string(pair) + "'";
      return false;
    }
    const int to = NumberOf(pair.substr(0, arrow));
    const int from = NumberOf(pair.substr(arrow + 2));
    if (to < 1 || to > kFaceletCount || from < 1 || from > kFaceletCount) {
      error = "--map pair " + std::string(pair) + " is outside 1..54";
      return false;
    }
    if (!pinned.Set(to, from)) {
      error = "facelet " + std::to_string(to) + " is given two sources";
      return false;
    }
  }
  return true;
}

// --twist SLOT:HOME. The cube to solve has home(f_j) = f_{j+k} around the
// slot (a turn of the cubie in place); the map that solves it is the
// inverse, map(f_{j+k}) = f_j.
bool ReadTwist(std::string_view text, PinnedMap& pinned, std::string& error) {
  const size_t colon = text.find(':');
  std::optional<std::vector<int>> slot;
  if (colon != std::string_view::npos) slot = SlotFacelets(text.substr(0, colon));
  if (!slot || slot->size() < 2 || !IsNumber(text.substr(colon + 1))) {
    error = "--twist wants SLOT:HOME with a corner or edge slot, e.g. A18:25";
    return false;
  }
  const std::vector<int>& f = *slot;
  const int home = NumberOf(text.substr(colon + 1));
  const auto found = std::find(f.begin() + 1, f.end(), home);
  if (found == f.end()) {
    error = "--twist " + std::string(text) + ": the home must be another facelet of the slot (" +
            ListText(f) + ")";
    return false;
  }
  const size_t k = static_cast<size_t>(found - f.begin());
  for (size_t j = 0; j < f.size(); ++j) {
    if (!pinned.Set(f[(j + k) % f.size()], f[j])) {
      error = "--twist " + std::string(text) + " contradicts another pinned facelet";
      return false;
    }
  }
  return true;
}

// --cycle a1,a2,...: the sticker at a_i goes to a_(i+1), the last to a1.
bool ReadCycle(std::string_view text, PinnedMap& pinned, std::string& error) {
  std::optional<std::vector<int>> list = ParseFacelets(text, error);
  if (!list) return false;
  const std::vector<int>& a = *list;
  if (std::set<int>(a.begin(), a.end()).size() != a.size()) {
    error = "--cycle " + std::string(text) + " names a facelet twice";
    return false;
  }
  for (size_t i = 0; i < a.size(); ++i) {
    if (!pinned.Set(a[(i + 1) % a.size()], a[i])) {
      error = "--cycle " + std::string(text) + " contradicts another pinned facelet";
      return false;
    }
  }
  return true;
}

bool ReadCarry(std::string_view text, std::vector<Group>& groups, std::string& error) {
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos) {
    error = "--carry wants FROM:TO, e.g. 33:4 or A21:A27";
    return false;
  }
  std::optional<std::vector<int>> from = ParseFacelets(text.substr(0, colon), error);
  if (!from) return false;
  std::optional<std::vector<int>> to = ParseFacelets(text.substr(colon + 1), error);
  if (!to) return false;
  std::sort(from->begin(), from->end());
  std::sort(to->begin(), to->end());
  const bool distinct = std::adjacent_find(from->begin(), from->end()) == from->end() &&
                        std::adjacent_find(to->begin(), to->end()) == to->end();
  if (!distinct || from->size() != to->size()) {
    error = "--carry " + std::string(text) + ": both sides must name as many distinct facelets";
    return false;
  }
  groups.push_back({*to, *from});
  return true;
}

// Reads the command line; returns 0 to go on, otherwise the exit status.
int ReadCommandLine(int argc, char** argv, Settings& settings) {
  std::string error;
  PinnedMap pinned;
  std::vector<std::string> macro_lines;
  std::optional<std::vector<int>> only;
  std::string turns_text = "all";
  bool pinned_by_hand = false;
  auto fail = [](const std::string& message) {
    std::fprintf(stderr, "search: %s\n(search --help lists the options)\n", message.c_str());
    return 2;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage.data(), stdout);
      return -1;
    }
    if (arg == "--first") {
      settings.first = true;
      continue;
    }
    if (arg == "--all") {
      settings.all = true;
      continue;
    }
    if (arg == "--show-map") {
      settings.show_map = true;
      continue;
    }
    if (i + 1 >= argc) return fail("unknown option or missing value: " + std::string(arg));
    const std::string_view value = argv[++i];
    bool ok = true;
    if (arg == "--turns") {
      turns_text = value;
    } else if (arg == "--keep") {
      std::optional<std::vector<int>> list = ParseFacelets(value, error);
      ok = list.has_value();
      if (ok) {
        for (int f : *list) settings.groups.push_back({{f}, {f}});
      }
    } else if (arg == "--carry") {
      ok = ReadCarry(value, settings.groups, error);
    } else if (arg == "--twist") {
      ok = ReadTwist(value, pinned, error);
      pinned_by_hand = true;
    } else if (arg == "--cycle") {
      ok = ReadCycle(value, pinned, error);
      pinned_by_hand = true;
    } else if (arg == "--map") {
      ok = ReadMapPairs(value, pinned, error);
      pinned_by_hand = true;
    } else if (arg == "--macro") {
      macro_lines.emplace_back(value);
    } else if (arg == "--only") {
      only = ParseFacelets(value, error);
      ok = only.has_value();
    } else if (arg == "--min" || arg == "--max" || arg == "--limit" || arg == "--threads") {
      if (!IsNumber(value)) return fail(std::string(arg) + " wants a number");
      const int number = NumberOf(value);
      if (arg == "--min") settings.min_length = number;
      if (arg == "--max") settings.max_length = number;
      if (arg == "--limit") settings.limit = static_cast<size_t>(number);
      if (arg == "--threads") settings.threads = std::max(1, number);
    } else if (arg == "--table") {
      settings.table_millions = std::atof(std::string(value).c_str());
      ok = settings.table_millions > 0;
      error = "--table wants a positive number of millions";
    } else {
      return fail("unknown option " + std::string(arg));
    }
    if (!ok) return fail(error);
  }

  std::optional<std::vector<Turn>> turns = ParseTurns(turns_text, error);
  if (!turns) return fail(error);
  settings.turns = std::move(*turns);
  settings.turns_text = turns_text;

  if (!macro_lines.empty()) {
    if (pinned_by_hand) return fail("--macro cannot be combined with --twist, --cycle or --map");
    const std::vector<std::string_view> lines(macro_lines.begin(), macro_lines.end());
    const MacroReading reading = ReadMacroLines(lines);
    if (reading.malformed || reading.moves.empty()) {
      return fail("--macro: no turns could be read from the text");
    }
    for (int f = 1; f <= kFaceletCount; ++f) pinned.Set(f, reading.map(f));
  }
  if (pinned.empty() && only)
    return fail("--only needs a pinned map (--twist, --cycle, --map, --macro)");
  if (!pinned.empty()) {
    const FaceletMap& map = pinned.map();
    if (!map.IsPermutation()) {
      return fail("the pinned map takes one sticker to two places (does every --map chain close?)");
    }
    // A macro's map is real by construction; with --only the facelets left
    // out may do whatever makes the rest real.
    const std::optional<ArrangementFault> reality =
        pinned_by_hand && !only ? RealityOf(map) : std::nullopt;
    if (reality && *reality != ArrangementFault::kReal) {
      return fail("no real cube can do the pinned map (" + std::string(FaultName(*reality)) +
                  "); a twist or flip needs a partner turned the other way");
    }
    std::vector<int> compared = only.value_or(*GroupFacelets("all"));
    std::sort(compared.begin(), compared.end());
    compared.erase(std::unique(compared.begin(), compared.end()), compared.end());
    for (int f : compared) settings.groups.push_back({{f}, {map(f)}});
  }
  if (settings.groups.empty()) return fail("no requirement given (--keep, --carry, --twist, ...)");
  if (settings.min_length > settings.max_length) return fail("--min is above --max");
  return 0;
}

// ---------------------------------------------------------------------------
// The key: what a tail does to the required facelets, and what a head must
// leave for it.

// Facelets that the chosen turns can exchange, as orbit numbers.
std::array<int, kFaceletCount + 1> Orbits(const std::vector<Turn>& turns) {
  std::array<int, kFaceletCount + 1> orbit{};
  std::iota(orbit.begin(), orbit.end(), 0);
  auto root = [&orbit](int f) {
    while (orbit[f] != f) f = orbit[f] = orbit[orbit[f]];
    return f;
  };
  for (const Turn& turn : turns) {
    for (int f = 1; f <= kFaceletCount; ++f) orbit[root(f)] = root(turn.to[f]);
  }
  for (int f = 1; f <= kFaceletCount; ++f) orbit[f] = root(f);
  return orbit;
}

// Checks that the turns can reach every required place, and picks the
// groups the key is made of: every group of several facelets, and one
// pinned facelet per cubie (the others follow, a cubie moving as a whole).
// Pins on facelets no turn moves are dropped once seen to hold.
bool KeyGroups(const std::vector<Group>& groups, const std::vector<Turn>& turns,
               std::vector<Group>& singles, std::vector<Group>& sets, std::string& error) {
  const std::array<int, kFaceletCount + 1> orbit = Orbits(turns);
  std::array<int, kFaceletCount + 1> source_of{};
  std::array<int, kFaceletCount + 1> target_of{};
  std::set<std::string_view> pinned_cubies;
  for (const Group& group : groups) {
    std::vector<int> target_orbits;
    std::vector<int> source_orbits;
    for (int t : group.targets) target_orbits.push_back(orbit[t]);
    for (int s : group.sources) source_orbits.push_back(orbit[s]);
    std::sort(target_orbits.begin(), target_orbits.end());
    std::sort(source_orbits.begin(), source_orbits.end());
    if (target_orbits != source_orbits) {
      error = "the chosen turns cannot take the stickers at " + ListText(group.sources) + " to " +
              ListText(group.targets);
      return false;
    }
    if (group.targets.size() > 1) {
      sets.push_back(group);
      continue;
    }
    const int t = group.targets[0];
    const int s = group.sources[0];
    if ((source_of[t] != 0 && source_of[t] != s) || (target_of[s] != 0 && target_of[s] != t)) {
      error = "facelet " + std::to_string(t) + " is asked to receive two different stickers";
      return false;
    }
    if (source_of[t] != 0) continue;
    source_of[t] = s;
    target_of[s] = t;
    const bool never_moves =
        std::all_of(turns.begin(), turns.end(), [t](const Turn& turn) { return turn.to[t] == t; });
    if (never_moves) continue;  // and t == s, or the orbits would differ
    const std::string_view cubie = SlotLabelOfFacelet(t);
    if (!cubie.empty() && !pinned_cubies.insert(cubie).second) continue;
    singles.push_back(group);
  }
  return true;
}

inline uint64_t Mix(uint64_t z) {
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

// Tracks, for a head, where its inverse sends each required source, and for
// a tail, where it sends each required target; the hash of either tells
// which tails complete which heads.
class KeyLayout {
 public:
  KeyLayout(const std::vector<Group>& singles, const std::vector<Group>& sets) {
    for (const Group& g : singles) {
      sources_.push_back(static_cast<uint8_t>(g.sources[0]));
      targets_.push_back(static_cast<uint8_t>(g.targets[0]));
    }
    // Whole words of single values; the padding holds facelet 0, which every
    // turn leaves at 0.
    while (sources_.size() % 8 != 0) {
      sources_.push_back(0);
      targets_.push_back(0);
    }
    single_words_ = sources_.size() / 8;
    for (const Group& g : sets) {
      const size_t begin = sources_.size();
      for (size_t i = 0; i < g.sources.size(); ++i) {
        sources_.push_back(static_cast<uint8_t>(g.sources[i]));
        targets_.push_back(static_cast<uint8_t>(g.targets[i]));
      }
      ranges_.emplace_back(begin, sources_.size());
    }
  }

  size_t size() const { return sources_.size(); }
  // Where the tracked values start: the sources for heads, the targets for
  // tails (the identity sends each to itself).
  const std::vector<uint8_t>& sources() const { return sources_; }
  const std::vector<uint8_t>& targets() const { return targets_; }

  // Single values are compared one by one, sets as sets.
  uint64_t Hash(const uint8_t* values) const {
    uint64_t h = 0x243f6a8885a308d3ULL;
    auto add = [&h](uint64_t word) {
      h = (h ^ word) * 0x9e3779b97f4a7c15ULL;
      h ^= h >> 29;
    };
    for (size_t w = 0; w < single_words_; ++w) {
      uint64_t word;
      std::memcpy(&word, values + 8 * w, 8);
      add(word);
    }
    for (const auto& [begin, end] : ranges_) {
      Mask mask = 0;
      for (size_t j = begin; j < end; ++j) mask |= Bit(values[j]);
      add(mask);
    }
    return Mix(h);
  }

 private:
  size_t single_words_ = 0;
  std::vector<uint8_t> sources_;
  std::vector<uint8_t> targets_;
  std::vector<std::pair<size_t, size_t>> ranges_;
};

// ---------------------------------------------------------------------------
// The search.

// Number of generated sequences of `length` turns, by their last turn.
std::vector<double> CountsByLastTurn(const std::vector<Turn>& turns, int length) {
  std::vector<double> ending(turns.size(), 1);
  for (int l = 2; l <= length; ++l) {
    std::vector<double> next(turns.size(), 0);
    for (size_t t = 0; t < turns.size(); ++t) {
      for (size_t p = 0; p < turns.size(); ++p) {
        if (MayFollow(turns[p], turns[t])) next[t] += ending[p];
      }
    }
    ending = std::move(next);
  }
  return ending;
}

// Number of generated sequences of each length up to `max_length`.
std::vector<double> SequenceCounts(const std::vector<Turn>& turns, int max_length) {
  std::vector<double> counts(static_cast<size_t>(max_length) + 1, 1);
  for (int length = 1; length <= max_length; ++length) {
    const std::vector<double> ending = CountsByLastTurn(turns, length);
    counts[static_cast<size_t>(length)] = std::accumulate(ending.begin(), ending.end(), 0.0);
  }
  return counts;
}

// Runs `work(task)` for tasks 0..count-1 on `threads` threads.
template <typename Work>
void Parallel(int threads, size_t count, const Work& work) {
  std::atomic<size_t> next{0};
  auto run = [&]() {
    for (size_t task = next++; task < count; task = next++) work(task);
  };
  std::vector<std::thread> pool;
  for (int i = 1; i < threads; ++i) pool.emplace_back(run);
  run();
  for (std::thread& thread : pool) thread.join();
}

// A fixed-size array for the big tables, on 2 MiB pages where the system
// offers them: the table reads are random, and with small pages nearly each
// one would also miss the address translation cache.
template <typename T>
class LargeArray {
 public:
  LargeArray() = default;
  explicit LargeArray(size_t size) : size_(size) {
    constexpr size_t kPage = size_t{2} << 20;
    const size_t bytes = std::max(kPage, (size * sizeof(T) + kPage - 1) / kPage * kPage);
    data_.reset(static_cast<T*>(std::aligned_alloc(kPage, bytes)));
    if (!data_) {
      std::fprintf(stderr, "search: out of memory for %zu table entries (try a smaller --table)\n",
                   size);
      std::exit(2);
    }
#ifdef MADV_HUGEPAGE
    madvise(data_.get(), bytes, MADV_HUGEPAGE);
#endif
  }
  T& operator[](size_t i) { return data_[i]; }
  const T& operator[](size_t i) const { return data_[i]; }
  size_t size() const { return size_; }

 private:
  struct Free {
    void operator()(T* p) const { std::free(p); }
  };
  std::unique_ptr<T[], Free> data_;
  size_t size_ = 0;
};

// Every tail of one length, stored by its key hash: bucket by the top bits,
// then one 64-bit word per tail holding more hash bits and the tail's turns
// as a number in base turns.size().
class TailTable {
 public:
  TailTable(const std::vector<Turn>& turns, const KeyLayout& layout, int length, int threads)
      : turns_(turns), layout_(layout), length_(length) {
    double codes = 1;
    for (int i = 0; i < length; ++i) codes *= static_cast<double>(turns.size());
    while (std::ldexp(1.0, code_bits_) < codes) ++code_bits_;
    // Every task (a tail's last turn) writes its tails to a slice of its own.
    std::vector<size_t> offset = {0, 1};
    if (length > 0) {
      offset.assign(1, 0);
      for (double count : CountsByLastTurn(turns, length)) {
        offset.push_back(offset.back() + static_cast<size_t>(count));
      }
    }
    const size_t total = offset.back();
    // About four tails a bucket: one or two cache lines to read.
    while (bucket_bits_ < 30 && std::ldexp(4.0, bucket_bits_) < static_cast<double>(total)) {
      ++bucket_bits_;
    }
    LargeArray<uint64_t> words(total);
    LargeArray<uint32_t> bucket_of(total);
    std::vector<size_t> written(offset.size() - 1, 0);
    ForEachTail(threads, [&](size_t task, uint64_t hash, uint64_t code) {
      const size_t at = offset[task] + written[task]++;
      if (at >= offset[task + 1]) {
        std::fprintf(stderr, "search: internal error: more tails than counted\n");
        std::abort();
      }
      words[at] = (Check(hash) << code_bits_) | code;
      bucket_of[at] = static_cast<uint32_t>(Bucket(hash));
    });
    for (size_t task = 0; task + 1 < offset.size(); ++task) {
      if (offset[task] + written[task] != offset[task + 1]) {
        std::fprintf(stderr, "search: internal error: fewer tails than counted\n");
        std::abort();
      }
    }
    const size_t buckets = size_t{1} << bucket_bits_;
    starts_ = LargeArray<uint32_t>(buckets + 1);
    std::fill(&starts_[0], &starts_[0] + buckets + 1, 0u);
    for (size_t i = 0; i < total; ++i) ++starts_[bucket_of[i] + 1];
    for (size_t b = 0; b < buckets; ++b) starts_[b + 1] += starts_[b];
    std::vector<uint32_t> cursor(&starts_[0], &starts_[0] + buckets);
    entries_ = LargeArray<uint64_t>(total);
    for (size_t i = 0; i < total; ++i) entries_[cursor[bucket_of[i]]++] = words[i];
  }

  size_t Bucket(uint64_t hash) const { return static_cast<size_t>(hash >> (64 - bucket_bits_)); }
  uint64_t Check(uint64_t hash) const {
    return code_bits_ == 0 ? hash : hash & ((uint64_t{1} << (64 - code_bits_)) - 1);
  }
  void Prefetch(uint64_t hash) const { __builtin_prefetch(&starts_[Bucket(hash)]); }
  // The range of entries in the hash's bucket.
  std::pair<uint32_t, uint32_t> Range(uint64_t hash) const {
    const size_t b = Bucket(hash);
    return {starts_[b], starts_[b + 1]};
  }
  void PrefetchEntry(uint32_t index) const { __builtin_prefetch(&entries_[index]); }
  // The code of entry `index` when it has this hash, else nullopt.
  std::optional<uint64_t> Match(uint32_t index, uint64_t hash) const {
    const uint64_t entry = entries_[index];
    if ((entry >> code_bits_) != Check(hash)) return std::nullopt;
    return code_bits_ == 0 ? 0 : entry & ((uint64_t{1} << code_bits_) - 1);
  }
  // The tail's turns (indices into the turn list), first to last.
  std::vector<int> Decode(uint64_t code) const {
    std::vector<int> tail(static_cast<size_t>(length_));
    for (int i = 0; i < length_; ++i) {
      tail[static_cast<size_t>(i)] = static_cast<int>(code % turns_.size());
      code /= turns_.size();
    }
    return tail;
  }
  size_t size() const { return entries_.size(); }

 private:
  // Calls visit(task, hash, code) for every tail, built from its last turn
  // backwards (the tail t∘B sends a target p to t(B(p))); the task is the
  // last turn's index, and one thread handles all tails of a task.
  template <typename Visit>
  void ForEachTail(int threads, const Visit& visit) const {
    const size_t k = layout_.size();
    if (length_ == 0) {
      visit(0, layout_.Hash(layout_.targets().data()), 0);
      return;
    }
    std::vector<uint64_t> place(static_cast<size_t>(length_));
    place[0] = 1;
    for (size_t i = 1; i < place.size(); ++i) place[i] = place[i - 1] * turns_.size();
    Parallel(threads, turns_.size(), [&](size_t last) {
      std::vector<uint8_t> rows((static_cast<size_t>(length_) + 1) * k);
      std::copy(layout_.targets().begin(), layout_.targets().end(), rows.begin());
      auto step = [&](auto& self, int depth, int turn, uint64_t code) -> void {
        const Turn& t = turns_[static_cast<size_t>(turn)];
        const uint8_t* from = &rows[static_cast<size_t>(depth - 1) * k];
        uint8_t* to = &rows[static_cast<size_t>(depth) * k];
        for (size_t j = 0; j < k; ++j) to[j] = t.to[from[j]];
        code += place[static_cast<size_t>(length_ - depth)] * static_cast<uint64_t>(turn);
        if (depth == length_) {
          visit(last, layout_.Hash(to), code);
          return;
        }
        for (size_t n = 0; n < turns_.size(); ++n) {
          if (MayFollow(turns_[n], t)) self(self, depth + 1, static_cast<int>(n), code);
        }
      };
      step(step, 1, static_cast<int>(last), 0);
    });
  }

  const std::vector<Turn>& turns_;
  const KeyLayout& layout_;
  int length_;
  int code_bits_ = 0;
  int bucket_bits_ = 1;  // at least one: a shift by 64 bits is undefined
  LargeArray<uint32_t> starts_;
  LargeArray<uint64_t> entries_;
};

std::string PaddedText(const std::vector<Move>& moves) {
  std::string text;
  for (const Move& move : moves) {
    std::string name = LogName(move);
    name.resize(3, ' ');
    text += name;
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// What the workers found at one length.
class Findings {
 public:
  explicit Findings(size_t keep) : keep_(keep) {}
  void Add(std::string text) {
    ++count_;
    std::lock_guard<std::mutex> lock(mutex_);
    if (texts_.size() < keep_) texts_.insert(std::move(text));
  }
  uint64_t count() const { return count_; }
  const std::set<std::string>& texts() const { return texts_; }

 private:
  size_t keep_;
  std::atomic<uint64_t> count_{0};
  std::mutex mutex_;
  std::set<std::string> texts_;
};

class Search {
 public:
  Search(const Settings& settings, const KeyLayout& layout)
      : settings_(settings), turns_(settings.turns), layout_(layout) {}

  // Finds every sequence of exactly `length` turns made of a head of
  // `head_length` and a tail from `table`.
  void Run(int head_length, const TailTable& table, Findings& findings) {
    const size_t k = layout_.size();
    const int a = head_length;
    if (a == 0) {
      const uint64_t hash = layout_.Hash(layout_.sources().data());
      Report(std::vector<int>{}, table, hash, findings);
      return;
    }
    // Tasks: the heads' first one or two turns; the last turn of a head is
    // handled in batches so that the table reads overlap.
    std::vector<std::vector<int>> prefixes = {{}};
    for (int depth = 0; depth < std::min(2, a - 1); ++depth) {
      std::vector<std::vector<int>> longer;
      for (const std::vector<int>& prefix : prefixes) {
        for (size_t t = 0; t < turns_.size(); ++t) {
          if (!prefix.empty() &&
              !MayFollow(turns_[static_cast<size_t>(prefix.back())], turns_[t])) {
            continue;
          }
          longer.push_back(prefix);
          longer.back().push_back(static_cast<int>(t));
        }
      }
      prefixes = std::move(longer);
    }
    Parallel(settings_.threads, prefixes.size(), [&](size_t task) {
      if (stop_) return;
      std::vector<uint8_t> rows((static_cast<size_t>(a) + 1) * k);
      std::copy(layout_.sources().begin(), layout_.sources().end(), rows.begin());
      std::vector<int> head(static_cast<size_t>(a));
      const std::vector<int>& prefix = prefixes[task];
      for (size_t d = 0; d < prefix.size(); ++d) {
        head[d] = prefix[d];
        Advance(&rows[d * k], &rows[(d + 1) * k], prefix[d]);
      }
      Walk(static_cast<int>(prefix.size()), a, rows, head, table, findings);
    });
  }

  bool stopped() const { return stop_; }

 private:
  // The head A∘t sends source s to t⁻¹(A⁻¹(s)).
  void Advance(const uint8_t* from, uint8_t* to, int turn) const {
    const Turn& t = turns_[static_cast<size_t>(turn)];
    for (size_t j = 0; j < layout_.size(); ++j) to[j] = t.back[from[j]];
  }

  void Walk(int depth, int a, std::vector<uint8_t>& rows, std::vector<int>& head,
            const TailTable& table, Findings& findings) {
    const size_t k = layout_.size();
    const Turn* last = depth > 0 ? &turns_[static_cast<size_t>(head[depth - 1])] : nullptr;
    if (depth < a - 1) {
      for (size_t t = 0; t < turns_.size(); ++t) {
        if (last != nullptr && !MayFollow(*last, turns_[t])) continue;
        head[static_cast<size_t>(depth)] = static_cast<int>(t);
        Advance(&rows[static_cast<size_t>(depth) * k], &rows[static_cast<size_t>(depth + 1) * k],
                static_cast<int>(t));
        Walk(depth + 1, a, rows, head, table, findings);
        if (stop_) return;
      }
      return;
    }
    // The last turn of the head: hash every choice, then read the table.
    struct Probe {
      int turn;
      uint64_t hash;
      uint32_t begin;
      uint32_t end;
    };
    std::array<Probe, 27> probes;
    size_t count = 0;
    uint8_t* leaf = &rows[static_cast<size_t>(a) * k];
    for (size_t t = 0; t < turns_.size(); ++t) {
      if (last != nullptr && !MayFollow(*last, turns_[t])) continue;
      Advance(&rows[static_cast<size_t>(depth) * k], leaf, static_cast<int>(t));
      const uint64_t hash = layout_.Hash(leaf);
      table.Prefetch(hash);
      probes[count++] = {static_cast<int>(t), hash, 0, 0};
    }
    for (size_t p = 0; p < count; ++p) {
      std::tie(probes[p].begin, probes[p].end) = table.Range(probes[p].hash);
      if (probes[p].begin < probes[p].end) table.PrefetchEntry(probes[p].begin);
    }
    for (size_t p = 0; p < count; ++p) {
      for (uint32_t e = probes[p].begin; e < probes[p].end; ++e) {
        if (std::optional<uint64_t> code = table.Match(e, probes[p].hash)) {
          head[static_cast<size_t>(a - 1)] = probes[p].turn;
          Complete(head, table.Decode(*code), findings);
        }
      }
    }
  }

  void Report(const std::vector<int>& head, const TailTable& table, uint64_t hash,
              Findings& findings) {
    const auto [begin, end] = table.Range(hash);
    for (uint32_t e = begin; e < end; ++e) {
      if (std::optional<uint64_t> code = table.Match(e, hash)) {
        Complete(head, table.Decode(*code), findings);
      }
    }
  }

  // A head and a tail whose keys agree: keeps the sequence when it is
  // generated in this order and its whole map meets the requirement.
  void Complete(const std::vector<int>& head, const std::vector<int>& tail, Findings& findings) {
    if (stop_) return;
    if (!head.empty() && !tail.empty() &&
        !MayFollow(turns_[static_cast<size_t>(head.back())],
                   turns_[static_cast<size_t>(tail.front())])) {
      return;
    }
    std::vector<Move> moves;
    for (int t : head) moves.push_back(turns_[static_cast<size_t>(t)].move);
    for (int t : tail) moves.push_back(turns_[static_cast<size_t>(t)].move);
    if (!AllHold(settings_.groups, MapOfMoves(moves))) return;  // a hash collision
    findings.Add(PaddedText(moves));
    if (settings_.first) stop_ = true;
  }

  const Settings& settings_;
  const std::vector<Turn>& turns_;
  const KeyLayout& layout_;
  std::atomic<bool> stop_{false};
};

std::string Changes(const FaceletMap& map) {
  std::string text;
  for (int f = 1; f <= kFaceletCount; ++f) {
    if (map(f) != f)
      text += (text.empty() ? "" : " ") + std::to_string(f) + "<-" + std::to_string(map(f));
  }
  return text.empty() ? "nothing" : text;
}

void PrintRequirement(const Settings& settings) {
  std::printf("turns: %s (%zu)\n", settings.turns_text.c_str(), settings.turns.size());
  std::vector<int> kept;
  std::string moved;
  std::set<std::pair<int, int>> seen;
  for (const Group& g : settings.groups) {
    if (g.targets.size() == 1 && !seen.insert({g.targets[0], g.sources[0]}).second) continue;
    if (g.targets.size() == 1 && g.targets[0] == g.sources[0]) {
      kept.push_back(g.targets[0]);
    } else if (g.targets.size() == 1) {
      moved += " " + std::to_string(g.targets[0]) + "<-" + std::to_string(g.sources[0]);
    } else {
      moved += " {" + ListText(g.targets) + "}<-{" + ListText(g.sources) + "}";
    }
  }
  std::sort(kept.begin(), kept.end());
  if (!moved.empty()) std::printf("wanted:%s\n", moved.c_str());
  if (!kept.empty()) std::printf("kept: %s\n", ListText(kept).c_str());
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// At most this many sequences of one length are kept for listing.
constexpr size_t kKeptTexts = size_t{1} << 20;

int Run(int argc, char** argv) {
  Settings settings;
  settings.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  if (const int status = ReadCommandLine(argc, argv, settings); status != 0) {
    return status < 0 ? 0 : status;
  }
  std::vector<Group> singles;
  std::vector<Group> sets;
  std::string error;
  if (!KeyGroups(settings.groups, settings.turns, singles, sets, error)) {
    std::fprintf(stderr, "search: %s\n", error.c_str());
    return 2;
  }
  PrintRequirement(settings);
  std::fflush(stdout);
  const KeyLayout layout(singles, sets);
  const std::vector<double> counts = SequenceCounts(settings.turns, settings.max_length);
  const double table_limit = settings.table_millions * 1e6;
  const auto start = std::chrono::steady_clock::now();

  // Lengths 0.. one by one; the tail is half the length or the longest
  // that fits the table.
  std::optional<TailTable> table;
  int table_length = -1;
  for (int length = settings.min_length; length <= settings.max_length; ++length) {
    const auto length_start = std::chrono::steady_clock::now();
    Findings findings(kKeptTexts);
    if (length == 0) {
      if (AllHold(settings.groups, FaceletMap())) findings.Add("");
    } else {
      int b = (length + 1) / 2;
      while (b > 1 && counts[static_cast<size_t>(b)] > table_limit) --b;
      const int a = length - b;
      std::fprintf(stderr, "length %d: %.3g heads of %d turns against %.3g tails of %d ...", length,
                   counts[static_cast<size_t>(a)], a, counts[static_cast<size_t>(b)], b);
      std::fflush(stderr);
      if (b != table_length) {
        table.reset();
        table.emplace(settings.turns, layout, b, settings.threads);
        table_length = b;
        std::fprintf(stderr, " tails stored in %.1f s,", Seconds(length_start));
      }
      const auto heads_start = std::chrono::steady_clock::now();
      Search search(settings, layout);
      search.Run(a, *table, findings);
      std::fprintf(stderr, " heads walked in %.1f s\n", Seconds(heads_start));
    }
    if (findings.count() == 0) continue;

    const std::set<std::string>& texts = findings.texts();
    const size_t shown = std::min(texts.size(), settings.first ? 1
                                                : settings.all ? texts.size()
                                                               : settings.limit);
    if (settings.first) {
      std::printf("%d turns:\n", length);
    } else {
      std::string heading = std::to_string(length) + " turns: " + std::to_string(findings.count()) +
                            " sequence" + (findings.count() == 1 ? "" : "s");
      if (shown < findings.count()) heading += ", " + std::to_string(shown) + " of them listed";
      std::printf("%s\n", heading.c_str());
    }
    size_t printed = 0;
    for (const std::string& text : texts) {
      if (printed++ >= shown) break;
      // Read back what is printed, so that the text is the sequence found.
      const MacroReading reading = ReadMacroText(text);
      if (reading.stop != text.size() || !AllHold(settings.groups, reading.map)) {
        std::fprintf(stderr, "search: internal error: '%s' does not read back\n", text.c_str());
        return 3;
      }
      std::printf("  %s\n", text.empty() ? "(no turns)" : text.c_str());
      if (settings.show_map) std::printf("      %s\n", Changes(reading.map).c_str());
    }
    std::fprintf(stderr, "%.1f s in all\n", Seconds(start));
    return 0;
  }
  std::printf("none within %d turns\n", settings.max_length);
  std::fprintf(stderr, "%.1f s in all\n", Seconds(start));
  return 1;
}

}  // namespace
}  // namespace rq51

int main(int argc, char** argv) { return rq51::Run(argc, argv); }
