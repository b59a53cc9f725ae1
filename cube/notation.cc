#include "cube/notation.h"

#include <optional>

namespace rq51 {

namespace {

constexpr std::string_view kTimes = "乗";

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

  // A full-width digit １..９ followed by "乗"; 0 when there is none.
  int ReadRepeatCount() {
    // Full-width digits are EF BC 91 .. EF BC 99 in UTF-8.
    if (pos_ + 3 + kTimes.size() > text_.size()) return 0;
    const auto b0 = static_cast<unsigned char>(text_[pos_]);
    const auto b1 = static_cast<unsigned char>(text_[pos_ + 1]);
    const auto b2 = static_cast<unsigned char>(text_[pos_ + 2]);
    if (b0 != 0xEF || b1 != 0xBC || b2 < 0x91 || b2 > 0x99) return 0;
    if (text_.substr(pos_ + 3, kTimes.size()) != kTimes) return 0;
    pos_ += 3 + kTimes.size();
    return b2 - 0x90;
  }

  MacroReading Read() {
    MacroReading reading;
    while (true) {
      SkipBlanks();
      if (pos_ >= text_.size()) break;
      if (text_[pos_] == '(') {
        const size_t open = pos_;
        ++pos_;
        std::vector<Move> inner;
        bool closed = false;
        while (true) {
          SkipBlanks();
          if (pos_ >= text_.size()) break;
          if (text_[pos_] == ')') {
            ++pos_;
            closed = true;
            break;
          }
          std::optional<Move> move = ReadMove();
          if (!move) break;
          inner.push_back(*move);
        }
        if (!closed || inner.empty()) {
          pos_ = open;
          reading.malformed = true;
          break;
        }
        int count = ReadRepeatCount();
        if (count == 0) count = 1;
        for (int n = 0; n < count; ++n) {
          reading.moves.insert(reading.moves.end(), inner.begin(), inner.end());
        }
        continue;
      }
      std::optional<Move> move = ReadMove();
      if (!move) break;
      reading.moves.push_back(*move);
    }
    reading.stop = pos_;
    reading.map = MapOfMoves(reading.moves);
    return reading;
  }

 private:
  std::string_view text_;
  NotationOptions options_;
  size_t pos_ = 0;
};

}  // namespace

MacroReading ReadMacroText(std::string_view text, NotationOptions options) {
  return Reader(text, options).Read();
}

MacroReading ReadMacroLines(const std::vector<std::string_view>& lines) {
  MacroReading all;
  for (std::string_view line : lines) {
    MacroReading part = ReadMacroText(line);
    all.moves.insert(all.moves.end(), part.moves.begin(), part.moves.end());
    all.malformed = all.malformed || part.malformed;
    all.stop = part.stop;
  }
  all.map = MapOfMoves(all.moves);
  return all;
}

}  // namespace rq51
