#include "cube/notation.h"

#include <optional>

#include "cube/sequence_grammar.h"

namespace rq51 {

namespace {

constexpr std::string_view kTimes = "乗";
constexpr std::string_view kTimesSign = "\u00D7";  // ×

class Reader {
 public:
  Reader(std::string_view text, NotationOptions options) : text_(text), options_(options) {}

  void SkipBlanks() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }

  // One move name at the current place, or nothing (the place is unchanged).
  std::optional<Move> ReadMove() {
    if (pos_ + 2 > text_.size()) return std::nullopt;
    std::optional<Move> move = MoveFromName(text_.substr(pos_, 2));
    if (!move) return std::nullopt;
    size_t next = pos_ + 2;
    if (next < text_.size()) {
      const char suffix = text_[next];
      if (suffix == '-') {
        move->power = 3;
        ++next;
      } else if (suffix == '2') {
        move->power = 2;
        ++next;
      } else if (suffix == '3' && options_.accept_power3) {
        move->power = 3;
        ++next;
      }
    }
    pos_ = next;
    return move;
  }

  // A repeat count: a full-width digit １..９ followed by "乗", or "×"
  // followed by a digit 1..9, as the lists show the count in languages other
  // than Japanese; 0 when there is none.
  // A repetition mark at the current place, taken; 0 when there is none.
  int ReadRepeatCount() {
    const RepeatMark mark = RepeatMarkAt(text_, pos_);
    pos_ += mark.length;
    return mark.count;
  }

  // Appends the move at the current place; false when there is none.
  bool ReadTurn(std::vector<Move>& moves) {
    const std::optional<Move> move = ReadMove();
    if (move) moves.push_back(*move);
    return move.has_value();
  }

  int ReadCount() {
    const int count = ReadRepeatCount();
    return count == 0 ? 1 : count;
  }

  MacroReading Read(std::vector<WrittenGroup>* groups = nullptr) {
    return notation_grammar::ReadSequence(*this, groups);
  }

  std::string_view text_;
  size_t pos_ = 0;

 private:
  NotationOptions options_;
};

}  // namespace

RepeatMark RepeatMarkAt(std::string_view text, size_t pos) {
  // Full-width digits are EF BC 91 .. EF BC 99 in UTF-8.
  if (pos + 3 + kTimes.size() <= text.size()) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    const auto b1 = static_cast<unsigned char>(text[pos + 1]);
    const auto b2 = static_cast<unsigned char>(text[pos + 2]);
    if (b0 == 0xEF && b1 == 0xBC && b2 >= 0x91 && b2 <= 0x99 &&
        text.substr(pos + 3, kTimes.size()) == kTimes) {
      return {b2 - 0x90, 3 + kTimes.size()};
    }
  }
  if (pos + kTimesSign.size() + 1 <= text.size() &&
      text.substr(pos, kTimesSign.size()) == kTimesSign) {
    const char digit = text[pos + kTimesSign.size()];
    if (digit >= '1' && digit <= '9') return {digit - '0', kTimesSign.size() + 1};
  }
  return {};
}

MacroReading ReadMacroText(std::string_view text, NotationOptions options) {
  return Reader(text, options).Read();
}

std::vector<WrittenGroup> ReadMacroGroups(std::string_view text, NotationOptions options) {
  std::vector<WrittenGroup> groups;
  Reader(text, options).Read(&groups);
  return groups;
}

MacroReading ReadMacroLines(const std::vector<std::string_view>& lines) {
  MacroReading all;
  for (std::string_view line : lines) {
    MacroReading part = ReadMacroText(line);
    all.moves.insert(all.moves.end(), part.moves.begin(), part.moves.end());
    all.spans.insert(all.spans.end(), part.spans.begin(), part.spans.end());
    all.malformed = all.malformed || part.malformed;
    all.stop = part.stop;
  }
  all.map = MapOfMoves(all.moves);
  return all;
}

}  // namespace rq51
