// twist_search: finds the shortest move sequences with the same facelet map
// as a given macro text, by meeting in the middle.
//
//   twist_search [--outer] [--corners] [--forward N] [--backward M] [--limit K]
//                (--map "18<-45 25<-18 ..." | LINE...)
//
// The lines are read as log lines (brackets, repeat counts and trailing
// labels allowed); their moves, performed in order, give the target map.
// --map gives the target as the positions it changes, i<-m(i).
// --corners asks only for the same effect on the 24 corner facelets (edges
// and centres may move).
// Every sequence of up to N moves is stored by the hash of its map; then
// every sequence C of up to M moves is walked and target∘C looked up: a hit
// A = target∘C means A followed by the inverse of C performs the target.
// --outer restricts the turns to the six outer layers (no slice turns).
// Prints what the target changes, then every sequence found of the shortest
// length met, in log notation, one a line.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cube/moves.h"
#include "cube/notation.h"

namespace rq51 {
namespace {

using State = std::array<uint8_t, 64>;  // positions 1..54, the rest zero

struct Turn {
  Move move;
  int axis;   // 0 x, 1 y, 2 z
  int layer;  // 0 R, 1 L, 2 M
  State map;
};

State StateOf(const FaceletMap& m) {
  State s{};
  for (int i = 1; i <= kFaceletCount; ++i) s[i] = static_cast<uint8_t>(m(i));
  return s;
}

// s∘t: perform s, then t.
inline void Then(const State& s, const State& t, State& out) {
  for (int i = 1; i <= kFaceletCount; ++i) out[i] = s[t[i]];
}

// Positions that take part in the comparison (all, or the corners only).
State g_mask;

inline uint64_t HashOf(const State& s) {
  uint64_t words[8];
  uint64_t mask[8];
  std::memcpy(words, s.data(), sizeof(words));
  std::memcpy(mask, g_mask.data(), sizeof(mask));
  for (int w = 0; w < 8; ++w) words[w] &= mask[w];
  uint64_t h = 0x9e3779b97f4a7c15ULL;
  for (uint64_t w : words) {
    h ^= w + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    h *= 0xbf58476d1ce4e5b9ULL;
    h ^= h >> 31;
  }
  return h | 1;  // 0 marks an empty slot
}

// May `next` follow `previous`? Turns of one axis commute, so within a run
// of one axis the layers must rise; a layer is never turned twice in a row.
inline bool MayFollow(const Turn& previous, const Turn& next) {
  return previous.axis != next.axis || next.layer > previous.layer;
}

class Table {
 public:
  explicit Table(int bits)
      : mask_((uint64_t{1} << bits) - 1), keys_(mask_ + 1), codes_(mask_ + 1) {}
  void Insert(uint64_t key, uint32_t code) {
    uint64_t slot = key & mask_;
    while (keys_[slot] != 0) {
      if (keys_[slot] == key) return;  // keep the first (shortest) sequence
      slot = (slot + 1) & mask_;
    }
    keys_[slot] = key;
    codes_[slot] = code;
    ++size_;
  }
  bool Find(uint64_t key, uint32_t& code) const {
    uint64_t slot = key & mask_;
    while (keys_[slot] != 0) {
      if (keys_[slot] == key) {
        code = codes_[slot];
        return true;
      }
      slot = (slot + 1) & mask_;
    }
    return false;
  }
  size_t size() const { return size_; }

 private:
  uint64_t mask_;
  std::vector<uint64_t> keys_;
  std::vector<uint32_t> codes_;
  size_t size_ = 0;
};

struct Search {
  std::vector<Turn> turns;
  State target{};
  Table* table = nullptr;
  int forward = 0;
  int backward = 0;
  std::array<State, 16> stack{};
  std::array<int, 16> path{};
  std::map<size_t, std::set<std::string>> found;  // by length
  size_t limit = 50;

  // Stores every sequence of up to `forward` turns, coded base 28.
  void Fill(int depth, uint32_t code) {
    table->Insert(HashOf(stack[depth]), code);
    if (depth == forward) return;
    for (size_t t = 0; t < turns.size(); ++t) {
      if (depth > 0 && !MayFollow(turns[path[depth - 1]], turns[t])) continue;
      path[depth] = static_cast<int>(t);
      Then(stack[depth], turns[t].map, stack[depth + 1]);
      Fill(depth + 1, code * 28 + static_cast<uint32_t>(t) + 1);
    }
  }

  std::vector<Move> Decode(uint32_t code) const {
    std::vector<Move> moves;
    while (code != 0) {
      moves.push_back(turns[code % 28 - 1].move);
      code /= 28;
    }
    std::reverse(moves.begin(), moves.end());
    return moves;
  }

  void Walk(int depth) {
    uint32_t code = 0;
    if (table->Find(HashOf(stack[depth]), code)) Report(depth, code);
    if (depth == backward) return;
    for (size_t t = 0; t < turns.size(); ++t) {
      if (depth > 0 && !MayFollow(turns[path[depth - 1]], turns[t])) continue;
      path[depth] = static_cast<int>(t);
      Then(stack[depth], turns[t].map, stack[depth + 1]);
      Walk(depth + 1);
    }
  }

  void Report(int depth, uint32_t code) {
    std::vector<Move> moves = Decode(code);
    // The walked turns c1..cd are inverted and performed last to first.
    for (int d = depth - 1; d >= 0; --d) {
      Move m = turns[path[d]].move;
      m.power = 4 - m.power;
      moves.push_back(m);
    }
    const State got = StateOf(MapOfMoves(moves));
    for (int i = 1; i <= kFaceletCount; ++i) {
      if (g_mask[i] != 0 && got[i] != target[i]) return;  // a hash collision
    }
    std::set<std::string>& bucket = found[moves.size()];
    if (bucket.size() < limit) bucket.insert(LogText(moves));
  }
};

int Run(int argc, char** argv) {
  bool outer = false;
  int forward = 5;
  int backward = 5;
  size_t limit = 50;
  bool corners = false;
  std::string changes;
  std::vector<std::string_view> lines;
  for (int a = 1; a < argc; ++a) {
    std::string_view arg = argv[a];
    if (arg == "--outer") {
      outer = true;
    } else if (arg == "--corners") {
      corners = true;
    } else if (arg == "--map" && a + 1 < argc) {
      changes = argv[++a];
    } else if (arg == "--forward" && a + 1 < argc) {
      forward = std::atoi(argv[++a]);
    } else if (arg == "--backward" && a + 1 < argc) {
      backward = std::atoi(argv[++a]);
    } else if (arg == "--limit" && a + 1 < argc) {
      limit = static_cast<size_t>(std::atoi(argv[++a]));
    } else {
      lines.push_back(arg);
    }
  }
  if ((lines.empty() && changes.empty()) || forward < 0 || forward > 6 || backward < 0 ||
      backward > 14) {
    std::fprintf(stderr,
                 "usage: twist_search [--outer] [--forward N<=6] [--backward M] [--limit K] "
                 "LINE...\n");
    return 2;
  }
  MacroReading reading = ReadMacroLines(lines);
  if (!changes.empty()) {
    reading.moves.clear();
    const char* p = changes.c_str();
    int to = 0;
    int from = 0;
    int used = 0;
    while (std::sscanf(p, " %d<-%d%n", &to, &from, &used) == 2) {
      if (to >= 1 && to <= kFaceletCount && from >= 1 && from <= kFaceletCount) {
        reading.map.Set(to, from);
      }
      p += used;
    }
    if (!reading.map.IsPermutation()) {
      std::fprintf(stderr, "--map is not a permutation\n");
      return 2;
    }
  }
  g_mask.fill(0);
  for (int i = 1; i <= kFaceletCount; ++i) g_mask[i] = 0xff;
  if (corners) {
    g_mask.fill(0);
    for (const CornerSlot& slot : CornerSlots()) {
      for (int f : slot.facelets) g_mask[f] = 0xff;
    }
  }
  std::printf("target: %zu moves %s\nchanges:", reading.moves.size(),
              LogText(reading.moves).c_str());
  for (int i = 1; i <= kFaceletCount; ++i) {
    if (reading.map(i) != i) std::printf(" %d<-%d", i, reading.map(i));
  }
  std::printf("\n");

  Search search;
  search.limit = limit;
  for (const Move& move : AllMoves()) {
    if (outer && LayerOf(move.base) == 2) continue;
    search.turns.push_back({move, AxisOf(move.base), LayerOf(move.base), StateOf(MoveMap(move))});
  }
  search.target = StateOf(reading.map);
  search.forward = forward;
  search.backward = backward;

  int bits = 20;
  double expected = outer ? 18 : 27;
  for (int d = 1; d < forward; ++d) expected *= outer ? 13.4 : 20.8;
  while (static_cast<double>(uint64_t{1} << bits) < expected * 2.2) ++bits;
  Table table(bits);
  search.table = &table;
  search.stack[0] = StateOf(FaceletMap());
  search.Fill(0, 0);
  std::fprintf(stderr, "stored %zu maps of up to %d turns\n", table.size(), forward);

  search.stack[0] = search.target;
  search.Walk(0);
  if (search.found.empty()) {
    std::printf("none within %d turns\n", forward + backward);
    return 1;
  }
  for (const auto& [length, texts] : search.found) {
    std::printf("%zu turns:\n", length);
    for (const std::string& text : texts) std::printf("  %s\n", text.c_str());
  }
  return 0;
}

}  // namespace
}  // namespace rq51

int main(int argc, char** argv) { return rq51::Run(argc, argv); }
