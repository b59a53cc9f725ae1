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

// "", "2" or "'" after a turn's name for one, two or three quarter turns.
std::string_view QuarterSuffix(int quarters) {
  return quarters == 2 ? "2" : quarters == 3 ? "'" : "";
}

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

// What may stand before a word: a blank, a line break or an opening bracket.
bool StartsWord(char before) { return before == ' ' || before == '(' || IsLineBreak(before); }

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
      if (pos_ > 0 && !StartsWord(text_[pos_ - 1])) return std::nullopt;
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

// Tabs and the ideographic space are blanks like ' '; line breaks stay,
// since a comment ends at one.
std::string WithPlainBlanks(std::string_view text) {
  static constexpr std::string_view kIdeographicSpace = "\u3000";
  std::string plain;
  plain.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\t' || c == '\v' || c == '\f') {
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

// The word, between blanks and line breaks, that holds byte `at`.
std::string_view WordAt(std::string_view text, size_t at) {
  constexpr std::string_view kBetweenWords = " \n\r";
  const size_t blank_before =
      at == 0 ? std::string_view::npos : text.find_last_of(kBetweenWords, at - 1);
  const size_t start = blank_before == std::string_view::npos ? 0 : blank_before + 1;
  const size_t end = std::min(text.find_first_of(kBetweenWords, at), text.size());
  return text.substr(start, end - start);
}

// The line, from 1, that holds byte `at`.
int LineAt(std::string_view text, size_t at) {
  const std::string_view before = text.substr(0, std::min(at, text.size()));
  return 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
}

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string GroupsText(const std::vector<WrittenGroup>& groups) {
  std::string text;
  const auto add = [&text](const std::string& word) {
    if (!text.empty() && text.back() != '(') text += ' ';
    text += word;
  };
  for (const WrittenGroup& group : groups) {
    if (group.count > 0) add("(");
    for (const Move& move : group.moves) add(StandardMoveName(move));
    if (group.count > 0) text += ")" + (group.count > 1 ? std::to_string(group.count) : "");
  }
  return text;
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
  sequence.unread_line = LineAt(plain, further.stop);
  return sequence;
}

std::string StandardMoveName(Move move) {
  // The face, slice or rotation whose quarter turn is this base turn one
  // way or the other; the power then counts its quarter turns.
  for (const QuarterTurn& turn : QuarterTurns()) {
    if (turn.moves.size() != 1 || turn.moves.front().base != move.base) continue;
    // A quarter turn is the base turn to the power 1 or 3, each its own
    // inverse modulo 4.
    const int quarters = move.power * turn.moves.front().power % 4;
    return std::string(turn.name) + std::string(QuarterSuffix(quarters));
  }
  return {};
}

StandardParts StandardLineParts(std::string_view line, std::string_view turns) {
  std::string written;
  std::string_view note;
  if (turns.empty()) {
    written = GroupsText(ReadMacroGroups(line));
    note = line.substr(ReadMacroText(line).stop);
  } else {
    written = GroupsText(ReadMacroGroups(turns, {.accept_power3 = true}));
    note = line;
  }
  return {written, std::string(TrimBlanks(note))};
}

std::string JoinStandardLine(std::string_view turns, std::string_view note) {
  if (turns.empty()) return note.empty() ? "//" : "// " + std::string(note);
  return note.empty() ? std::string(turns) : std::string(turns) + " // " + std::string(note);
}

std::string StandardLine(std::string_view line, std::string_view turns) {
  const StandardParts parts = StandardLineParts(line, turns);
  return JoinStandardLine(parts.turns, parts.note);
}

std::optional<std::string> StandardRotation(const FaceletMap& map) {
  if (map.IsIdentity()) return std::string();
  struct Rotation {
    std::string name;
    FaceletMap map;
  };
  std::vector<Rotation> rotations;
  for (std::string_view axis : {"x", "y", "z"}) {
    const FaceletMap quarter = MapOfMoves(FindQuarterTurn(axis)->moves);
    for (int quarters = 1; quarters <= 3; ++quarters) {
      rotations.push_back(
          {std::string(axis) + std::string(QuarterSuffix(quarters)), Power(quarter, quarters)});
    }
  }
  for (const Rotation& one : rotations) {
    if (one.map == map) return one.name;
  }
  for (const Rotation& first : rotations) {
    for (const Rotation& second : rotations) {
      if (Compose(first.map, second.map) == map) return first.name + " " + second.name;
    }
  }
  return std::nullopt;
}

std::array<Colour, kFaceletCount + 1> ColoursAfterTurns(const std::vector<Move>& moves) {
  std::array<Colour, kFaceletCount + 1> solved{};
  for (int k = 1; k <= kFaceletCount; ++k) solved[k] = HomeFaceColour(FaceOf(k));
  return ApplyToState(MapOfMoves(moves), solved);
}

}  // namespace rq51
