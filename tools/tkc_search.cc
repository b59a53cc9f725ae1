// Finds the shortest turn sequences for the TK-C table rows that have to be
// chosen by hand: placement rows for a few source positions and the two
// corner arrangement codes without a row of their own.
//
// The search deepens the total length one turn at a time. Each length is
// split into a head and a tail of at most four turns; the tails are indexed
// by where they send the positions that the wanted map pins down exactly, so
// that for every head only the tails that complete those positions are
// tried, and the full predicate is then checked on the composed map.
//
// Usage: tkc_search [max_length] [max_printed]
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "cube/facelets.h"
#include "cube/moves.h"

namespace rq51 {
namespace {

constexpr int kMaxPart = 4;

struct Sequence {
  std::vector<Move> moves;
  FaceletMap map;
};

// Turns on one axis commute, so only one order of them is generated; a turn
// never follows a turn of its own layer.
bool MayFollow(const Move& previous, const Move& next) {
  if (previous.base == next.base) return false;
  if (AxisOf(previous.base) == AxisOf(next.base)) {
    return LayerOf(next.base) > LayerOf(previous.base);
  }
  return true;
}

void Extend(std::vector<std::vector<Sequence>>& by_length, int length) {
  for (const Sequence& shorter : by_length[length - 1]) {
    for (const Move& move : AllMoves()) {
      if (!shorter.moves.empty() && !MayFollow(shorter.moves.back(), move)) continue;
      Sequence longer = shorter;
      longer.moves.push_back(move);
      longer.map = Compose(shorter.map, MoveMap(move));
      by_length[length].push_back(std::move(longer));
    }
  }
}

struct Problem {
  std::string name;
  // (position, source): the sequence's map must send position to source.
  std::vector<std::pair<int, int>> exact;
  std::function<bool(const FaceletMap&)> accept;
  std::function<std::vector<std::string>(const std::vector<Move>&)> lines;
};

std::string PaddedMoves(const std::vector<Move>& moves) {
  std::string text;
  for (const Move& move : moves) {
    std::string name = LogName(move);
    name.resize(3, ' ');
    text += name;
  }
  return text;
}

std::string PairText(int target, int source) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%2d<-%2d", target, source);
  return buffer;
}

// Moves padded to three characters, two blanks, then the position pair.
std::function<std::vector<std::string>(const std::vector<Move>&)> PlacementLines(int target,
                                                                                 int source) {
  return [=](const std::vector<Move>& moves) {
    return std::vector<std::string>{PaddedMoves(moves) + "  " + PairText(target, source)};
  };
}

// Two leading blanks; a leading quarter turn of the upper face stands alone.
std::vector<std::string> ArrangementLines(const std::vector<Move>& moves) {
  std::vector<std::string> lines;
  std::vector<Move> rest = moves;
  if (!rest.empty() && rest.front().base == BaseTurn::kRz && rest.front().power != 2) {
    lines.push_back("  " + LogName(rest.front()));
    rest.erase(rest.begin());
  }
  if (!rest.empty()) lines.push_back("  " + PaddedMoves(rest));
  return lines;
}

std::vector<int> FaceletsOf(std::initializer_list<std::string_view> labels) {
  std::vector<int> facelets;
  for (std::string_view label : labels) {
    for (const CornerSlot& slot : CornerSlots()) {
      if (slot.label == label)
        facelets.insert(facelets.end(), slot.facelets.begin(), slot.facelets.end());
    }
    for (const EdgeSlot& slot : EdgeSlots()) {
      if (slot.label == label)
        facelets.insert(facelets.end(), slot.facelets.begin(), slot.facelets.end());
    }
  }
  return facelets;
}

std::vector<std::pair<int, int>> Kept(const std::vector<int>& facelets) {
  std::vector<std::pair<int, int>> kept;
  for (int f : facelets) kept.emplace_back(f, f);
  return kept;
}

// Positions that a turn of the upper face (face 4) moves, and its centre.
bool InUpperLayer(int f) { return f == 32 || !(MoveMap(Move{BaseTurn::kRz, 1})(f) == f); }

// The first two layers stay, every upper corner comes from the slot the
// code says and every upper edge keeps its upper sticker on the upper face.
Problem Arrangement(std::string name,
                    const std::vector<std::pair<std::string_view, std::string_view>>& slot_from) {
  Problem problem;
  problem.name = std::move(name);
  for (int f = 1; f <= kFaceletCount; ++f) {
    if (!InUpperLayer(f) || f == 32) problem.exact.emplace_back(f, f);
  }
  std::vector<std::pair<std::vector<int>, std::vector<int>>> corners;
  for (const auto& [slot, from] : slot_from)
    corners.emplace_back(FaceletsOf({slot}), FaceletsOf({from}));
  problem.accept = [corners](const FaceletMap& m) {
    for (const auto& [slot, from] : corners) {
      for (int f : slot) {
        bool found = false;
        for (int g : from) found = found || m(f) == g;
        if (!found) return false;
      }
    }
    for (int f : {29, 31, 33, 35}) {
      const int g = m(f);
      if (g != 29 && g != 31 && g != 33 && g != 35) return false;
    }
    return true;
  };
  problem.lines = ArrangementLines;
  return problem;
}

std::vector<Problem> Problems() {
  std::vector<Problem> problems;
  const std::vector<int> upper_corners = FaceletsOf({"A1", "A7", "A21", "A27"});
  const auto accept_all = [](const FaceletMap&) { return true; };

  Problem step5{"upper face, target 24 from 4", Kept(upper_corners), accept_all,
                PlacementLines(24, 4)};
  step5.exact.insert(step5.exact.end(), {{24, 4}, {31, 33}});
  problems.push_back(step5);

  std::vector<int> with_b24 = upper_corners;
  for (int f : FaceletsOf({"B24"})) with_b24.push_back(f);
  Problem from33{"upper face, target 35 from 33", Kept(with_b24), accept_all,
                 PlacementLines(35, 33)};
  from33.exact.insert(from33.exact.end(), {{35, 33}, {40, 4}});
  problems.push_back(from33);
  Problem from26{"upper face, target 35 from 26", Kept(with_b24), accept_all,
                 PlacementLines(35, 26)};
  from26.exact.insert(from26.exact.end(), {{35, 26}, {40, 44}});
  problems.push_back(from26);

  std::vector<int> second = FaceletsOf(
      {"A3", "A9", "A12", "A18", "B6", "B11", "B15", "B17", "A1", "A7", "A21", "A27", "B4"});
  Problem second24{"second face, target 24 from 35", Kept(second), accept_all,
                   PlacementLines(24, 35)};
  second24.exact.insert(second24.exact.end(), {{24, 35}, {31, 40}});
  problems.push_back(second24);

  // Code 123: A21 sits in slot A27 and A27 in slot A21.
  problems.push_back(Arrangement("corner arrangement 123",
                                 {{"A1", "A1"}, {"A7", "A7"}, {"A21", "A27"}, {"A27", "A21"}}));
  // Code 1230: A7 in slot A1, A21 in slot A7, A1 in slot A21.
  problems.push_back(Arrangement("corner arrangement 1230",
                                 {{"A1", "A21"}, {"A7", "A1"}, {"A21", "A7"}, {"A27", "A27"}}));
  return problems;
}

std::string KeyOf(const std::vector<int>& values) {
  return std::string(values.begin(), values.end());
}

void Solve(const Problem& problem, const std::vector<std::vector<Sequence>>& by_length,
           int max_length, int max_printed) {
  std::printf("== %s\n", problem.name.c_str());
  std::vector<std::unordered_multimap<std::string, int>> tails(kMaxPart + 1);
  for (int b = 0; b <= kMaxPart; ++b) {
    for (int n = 0; n < static_cast<int>(by_length[b].size()); ++n) {
      std::vector<int> values;
      for (const auto& [position, source] : problem.exact)
        values.push_back(by_length[b][n].map(position));
      tails[b].emplace(KeyOf(values), n);
    }
  }
  for (int length = 1; length <= max_length; ++length) {
    const int b = length < kMaxPart ? length : kMaxPart;
    const int a = length - b;
    if (a > kMaxPart) break;
    int printed = 0;
    int count = 0;
    for (const Sequence& head : by_length[a]) {
      const FaceletMap undo = Inverse(head.map);
      std::vector<int> values;
      for (const auto& [position, source] : problem.exact) values.push_back(undo(source));
      const auto [first, last] = tails[b].equal_range(KeyOf(values));
      for (auto it = first; it != last; ++it) {
        const Sequence& tail = by_length[b][it->second];
        if (!head.moves.empty() && !MayFollow(head.moves.back(), tail.moves.front())) continue;
        const FaceletMap map = Compose(head.map, tail.map);
        if (!problem.accept(map)) continue;
        ++count;
        if (printed++ >= max_printed) continue;
        std::vector<Move> moves = head.moves;
        moves.insert(moves.end(), tail.moves.begin(), tail.moves.end());
        std::printf("  %d:", length);
        for (const std::string& line : problem.lines(moves)) std::printf(" \"%s\"", line.c_str());
        std::printf("\n");
      }
    }
    if (count > 0) {
      std::printf("  %d sequences of %d turns\n", count, length);
      return;
    }
  }
  std::printf("  none up to %d turns\n", max_length);
}

}  // namespace
}  // namespace rq51

int main(int argc, char** argv) {
  using namespace rq51;
  const int max_length = argc > 1 ? std::atoi(argv[1]) : 8;
  const int max_printed = argc > 2 ? std::atoi(argv[2]) : 20;
  std::vector<std::vector<Sequence>> by_length(kMaxPart + 1);
  by_length[0].push_back(Sequence{});
  for (int length = 1; length <= kMaxPart; ++length) Extend(by_length, length);
  for (const Problem& problem : Problems()) Solve(problem, by_length, max_length, max_printed);
  return 0;
}
