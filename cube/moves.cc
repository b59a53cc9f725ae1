#include "cube/moves.h"

#include <utility>

namespace rq51 {

bool FaceletMap::IsPermutation() const {
  std::array<bool, kFaceletCount + 1> seen{};
  for (int i = 1; i <= kFaceletCount; ++i) {
    const int from = to_[i];
    if (from < 1 || from > kFaceletCount || seen[from]) return false;
    seen[from] = true;
  }
  return true;
}

FaceletMap Compose(const FaceletMap& a, const FaceletMap& b) {
  FaceletMap result;
  for (int i = 1; i <= kFaceletCount; ++i) result.Set(i, a(b(i)));
  return result;
}

FaceletMap Power(const FaceletMap& p, int k) {
  FaceletMap result;
  for (int n = 0; n < k; ++n) result = Compose(result, p);
  return result;
}

FaceletMap Inverse(const FaceletMap& p) {
  FaceletMap result;
  for (int i = 1; i <= kFaceletCount; ++i) result.Set(p(i), i);
  return result;
}

namespace {

using Pair = std::pair<int, int>;

// Position i receives the sticker from position m(i); positions not listed
// stay where they are.
constexpr Pair kRx[] = {{1, 28},  {2, 29},  {3, 30},  {10, 1},  {11, 2},  {12, 3},  {19, 10},
                        {20, 11}, {21, 12}, {28, 19}, {29, 20}, {30, 21}, {46, 48}, {47, 51},
                        {48, 54}, {49, 47}, {51, 53}, {52, 46}, {53, 49}, {54, 52}};
constexpr Pair kRy[] = {{1, 3},   {2, 6},   {3, 9},   {4, 2},   {6, 8},   {7, 1},   {8, 4},
                        {9, 7},   {10, 39}, {13, 38}, {16, 37}, {30, 54}, {33, 53}, {36, 52},
                        {37, 30}, {38, 33}, {39, 36}, {52, 10}, {53, 13}, {54, 16}};
constexpr Pair kRz[] = {{1, 37},  {4, 40},  {7, 43},  {21, 52}, {24, 49}, {27, 46}, {28, 30},
                        {29, 33}, {30, 36}, {31, 29}, {33, 35}, {34, 28}, {35, 31}, {36, 34},
                        {37, 27}, {40, 24}, {43, 21}, {46, 1},  {49, 4},  {52, 7}};
constexpr Pair kLx[] = {{7, 34},  {8, 35},  {9, 36},  {16, 7},  {17, 8},  {18, 9},  {25, 16},
                        {26, 17}, {27, 18}, {34, 25}, {35, 26}, {36, 27}, {37, 43}, {38, 40},
                        {39, 37}, {40, 44}, {42, 38}, {43, 45}, {44, 42}, {45, 39}};
constexpr Pair kLy[] = {{12, 45}, {15, 44}, {18, 43}, {19, 25}, {20, 22}, {21, 19}, {22, 26},
                        {24, 20}, {25, 27}, {26, 24}, {27, 21}, {28, 48}, {31, 47}, {34, 46},
                        {43, 28}, {44, 31}, {45, 34}, {46, 12}, {47, 15}, {48, 18}};
constexpr Pair kLz[] = {{3, 39},  {6, 42},  {9, 45},  {10, 16}, {11, 13}, {12, 10}, {13, 17},
                        {15, 11}, {16, 18}, {17, 15}, {18, 12}, {19, 54}, {22, 51}, {25, 48},
                        {39, 25}, {42, 22}, {45, 19}, {48, 3},  {51, 6},  {54, 9}};
constexpr Pair kMx[] = {{4, 31},  {5, 32},  {6, 33},  {13, 4},  {14, 5},  {15, 6},
                        {22, 13}, {23, 14}, {24, 15}, {31, 22}, {32, 23}, {33, 24}};
constexpr Pair kMy[] = {{11, 42}, {14, 41}, {17, 40}, {29, 51}, {32, 50}, {35, 49},
                        {40, 29}, {41, 32}, {42, 35}, {49, 11}, {50, 14}, {51, 17}};
constexpr Pair kMz[] = {{2, 38},  {5, 41},  {8, 44},  {20, 53}, {23, 50}, {26, 47},
                        {38, 26}, {41, 23}, {44, 20}, {47, 2},  {50, 5},  {53, 8}};

template <size_t N>
FaceletMap FromPairs(const Pair (&pairs)[N]) {
  FaceletMap map;
  for (const Pair& p : pairs) map.Set(p.first, p.second);
  return map;
}

struct MoveTables {
  std::array<FaceletMap, kBaseTurnCount> base;
  std::array<std::array<FaceletMap, 3>, kBaseTurnCount> powers;
  std::array<Move, 27> all;
};

const MoveTables& Tables() {
  static const MoveTables tables = [] {
    MoveTables t;
    t.base = {FromPairs(kRx), FromPairs(kRy), FromPairs(kRz), FromPairs(kLx), FromPairs(kLy),
              FromPairs(kLz), FromPairs(kMx), FromPairs(kMy), FromPairs(kMz)};
    int n = 0;
    for (int b = 0; b < kBaseTurnCount; ++b) {
      for (int power = 1; power <= 3; ++power) {
        t.powers[b][power - 1] = Power(t.base[b], power);
        t.all[n++] = Move{static_cast<BaseTurn>(b), power};
      }
    }
    return t;
  }();
  return tables;
}

constexpr std::string_view kBaseNames[] = {"Rx", "Ry", "Rz", "Lx", "Ly", "Lz", "Mx", "My", "Mz"};

}  // namespace

std::string_view BaseName(BaseTurn base) { return kBaseNames[static_cast<int>(base)]; }

const FaceletMap& BaseMap(BaseTurn base) { return Tables().base[static_cast<int>(base)]; }

const FaceletMap& MoveMap(Move move) {
  return Tables().powers[static_cast<int>(move.base)][move.power - 1];
}

const std::array<Move, 27>& AllMoves() { return Tables().all; }

std::string ButtonName(Move move) {
  std::string name(BaseName(move.base));
  if (move.power > 1) name += static_cast<char>('0' + move.power);
  return name;
}

std::string LogName(Move move) {
  std::string name(BaseName(move.base));
  if (move.power == 2) name += '2';
  if (move.power == 3) name += '-';
  return name;
}

std::optional<Move> MoveFromName(std::string_view name) {
  if (name.size() < 2 || name.size() > 3) return std::nullopt;
  for (int b = 0; b < kBaseTurnCount; ++b) {
    if (name.substr(0, 2) != kBaseNames[b]) continue;
    const BaseTurn base = static_cast<BaseTurn>(b);
    if (name.size() == 2) return Move{base, 1};
    switch (name[2]) {
      case '2': return Move{base, 2};
      case '3':
      case '-': return Move{base, 3};
      default: return std::nullopt;
    }
  }
  return std::nullopt;
}

FaceletMap MapOfMoves(const std::vector<Move>& moves) {
  FaceletMap map;
  for (const Move& move : moves) map = Compose(map, MoveMap(move));
  return map;
}

std::string LogText(const std::vector<Move>& moves) {
  std::string text;
  for (const Move& move : moves) text += LogName(move);
  return text;
}

}  // namespace rq51
