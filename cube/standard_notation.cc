#include "cube/standard_notation.h"

#include <algorithm>

#include "cube/sequence_grammar.h"
#include "cube/state_table.h"

namespace rq51 {

namespace {

// One standard quarter turn as the program's moves. The pictures of the
// trial buttons fix their sense: on the front face Lx, Mx and Rx carry the
// top to the front, on the top face Ry, My and Ly carry the top to the left,
// on the right face Rz, Mz and Lz carry the front to the right. So R, which
// carries the front to the top, is Rx turned back (Rx3), U (front to the
// left) is Rz3, F (top to the right) is Ry3; L, D and B, clockwise seen from
// their own side, turn the other way round their axis.
struct QuarterTurn {
  std::string_view name;
  std::vector<Move> moves;
};

const std::vector<QuarterTurn>& QuarterTurns() {
  using B = BaseTurn;
  static const std::vector<QuarterTurn> turns = {
      {"U", {{B::kRz, 3}}},
      {"D", {{B::kLz, 1}}},
      {"F", {{B::kRy, 3}}},
      {"B", {{B::kLy, 1}}},
      {"L", {{B::kLx, 1}}},
      {"R", {{B::kRx, 3}}},
      {"M", {{B::kMx, 1}}},
      {"E", {{B::kMz, 1}}},
      {"S", {{B::kMy, 3}}},
      {"u", {{B::kRz, 3}, {B::kMz, 3}}},
      {"d", {{B::kLz, 1}, {B::kMz, 1}}},
      {"f", {{B::kRy, 3}, {B::kMy, 3}}},
      {"b", {{B::kLy, 1}, {B::kMy, 1}}},
      {"l", {{B::kLx, 1}, {B::kMx, 1}}},
      {"r", {{B::kRx, 3}, {B::kMx, 3}}},
      {"x", {{B::kRx, 3}, {B::kMx, 3}, {B::kLx, 3}}},
      {"y", {{B::kRz, 3}, {B::kMz, 3}, {B::kLz, 3}}},
      {"z", {{B::kRy, 3}, {B::kMy, 3}, {B::kLy, 3}}},
  };
  return turns;
}

const QuarterTurn* FindQuarterTurn(std::string_view name) {
  for (const QuarterTurn& turn : QuarterTurns()) {
    if (turn.name == name) return &turn;
  }
  return nullptr;
}

// A prime: the ASCII apostrophe, or the typographic ones that pages and
// word processors put in its place.
size_t PrimeLength(std::string_view text, size_t at) {
  if (at >= text.size()) return 0;
  if (text[at] == '\'') return 1;
  for (std::string_view prime : {std::string_view("’"), std::string_view("′")}) {
    if (text.substr(at, prime.size()) == prime) return prime.size();
  }
  return 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class StandardReader {
 public:
  explicit StandardReader(std::string_view text) : text_(text) {}

  void SkipBlanks() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }
  bool AtEnd() const { return pos_ == text_.size(); }

  // One turn with its modifiers at the current place, or nothing (the place
  // is unchanged).
  std::optional<std::vector<Move>> ReadOneTurn() {
    if (pos_ >= text_.size()) return std::nullopt;
    const char letter = text_[pos_];
    size_t next = pos_ + 1;
    std::string name(1, letter);
    if (std::string_view("UDFBLR").find(letter) != std::string_view::npos) {
      if (next < text_.size() && text_[next] == 'w') {
        name = std::string(1, static_cast<char>(letter - 'A' + 'a'));
        ++next;
      }
    } else if (std::string_view("xyz").find(letter) != std::string_view::npos) {
      // "Rx" is the program's notation, not R followed by x.
      if (pos_ > 0 && text_[pos_ - 1] != ' ' && text_[pos_ - 1] != '(') return std::nullopt;
    }
    const QuarterTurn* turn = FindQuarterTurn(name);
    if (turn == nullptr) return std::nullopt;
    // "2" and a prime in either order; "U2'" is still a half turn.
    int quarters = 1;
    if (next < text_.size() && text_[next] == '2') {
      quarters = 2;
      ++next;
      next += PrimeLength(text_, next);
    } else if (const size_t prime = PrimeLength(text_, next); prime > 0) {
      quarters = 3;
      next += prime;
      if (next < text_.size() && text_[next] == '2') {
        quarters = 2;
        ++next;
      }
    }
    std::vector<Move> moves = turn->moves;
    for (Move& move : moves) move.power = move.power * quarters % 4;
    pos_ = next;
    return moves;
  }

  // A repeat count 1..99 right after a closing bracket; 1 when there is none.
  int ReadCount() {
    if (pos_ >= text_.size() || !IsDigit(text_[pos_]) || text_[pos_] == '0') return 1;
    int count = text_[pos_++] - '0';
    if (pos_ < text_.size() && IsDigit(text_[pos_])) count = count * 10 + (text_[pos_++] - '0');
    return count;
  }

  bool ReadTurn(std::vector<Move>& moves) {
    std::optional<std::vector<Move>> turn = ReadOneTurn();
    if (turn) moves.insert(moves.end(), turn->begin(), turn->end());
    return turn.has_value();
  }

  MacroReading Read() { return notation_grammar::ReadSequence(*this); }

  std::string_view text_;
  size_t pos_ = 0;
};

// Tabs, line breaks and the ideographic space are blanks like ' '.
std::string WithPlainBlanks(std::string_view text) {
  static constexpr std::string_view kIdeographicSpace = "\u3000";
  std::string plain;
  plain.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') {
      plain += ' ';
    } else if (text.substr(i, kIdeographicSpace.size()) == kIdeographicSpace) {
      plain += ' ';
      i += kIdeographicSpace.size() - 1;
    } else {
      plain += c;
    }
  }
  return plain;
}

// The blank-separated word that holds byte `at`.
std::string_view WordAt(std::string_view text, size_t at) {
  const size_t blank_before = text.rfind(' ', at);
  const size_t start = blank_before == std::string_view::npos ? 0 : blank_before + 1;
  const size_t end = std::min(text.find(' ', at), text.size());
  return text.substr(start, end - start);
}

}  // namespace

std::optional<std::vector<Move>> StandardTurnMoves(std::string_view turn) {
  StandardReader reader(turn);
  std::optional<std::vector<Move>> moves = reader.ReadOneTurn();
  if (!moves || !reader.AtEnd()) return std::nullopt;
  return moves;
}

MacroReading ReadStandardText(std::string_view text) { return StandardReader(text).Read(); }

TurnSequence ReadTurnSequence(std::string_view text) {
  const std::string plain = WithPlainBlanks(text);
  TurnSequence sequence;
  const MacroReading own = ReadMacroText(plain, NotationOptions{.accept_power3 = true});
  if (!own.malformed && own.stop == plain.size()) {
    sequence.read = true;
    sequence.moves = own.moves;
    return sequence;
  }
  const MacroReading standard = ReadStandardText(plain);
  if (!standard.malformed && standard.stop == plain.size()) {
    sequence.read = true;
    sequence.notation = TurnNotation::kStandard;
    sequence.moves = standard.moves;
    return sequence;
  }
  // Name the word where the notation that read further stopped.
  const MacroReading& further = standard.stop > own.stop ? standard : own;
  sequence.notation = standard.stop > own.stop ? TurnNotation::kStandard : TurnNotation::kProgram;
  sequence.unread_word = std::string(WordAt(plain, further.stop));
  sequence.open_bracket = further.malformed;
  return sequence;
}

std::array<Colour, kFaceletCount + 1> ColoursAfterTurns(const std::vector<Move>& moves) {
  std::array<Colour, kFaceletCount + 1> solved{};
  for (int k = 1; k <= kFaceletCount; ++k) solved[k] = HomeFaceColour(FaceOf(k));
  return ApplyToState(MapOfMoves(moves), solved);
}

}  // namespace rq51
