// Fuzzes the readers of move texts.
//
// For every reader and every text t read as r (moves, stop, malformed):
//  - the reader stays inside t (the input sits in a buffer of exactly its
//    size, so AddressSanitizer sees any byte read past it), stop <= |t|,
//    every move has power 1..3, r.map is the map of r.moves, and a malformed
//    text stops at the '(' of the bracket that does not close;
//  - the move part p = t[0, stop) reads to its end as the same moves;
//  - applying it twice equals applying the text twice: p + p reads as
//    r.moves twice, with the map r.map composed with itself. Nothing in p
//    can join with the copy after it: p starts with a move, a bracket, a
//    blank, a line break or a comment and ends just after one, and a suffix
//    or a repeat count cannot start a move part. A comment on p's last line
//    would run on into the copy, so there a line break goes between them;
//  - a text that stops early is read the same when repeated: t + t stops at
//    the same place with the same moves, since what follows the move part
//    is a label, never performed (unless t ends and starts with '/', which
//    join into a comment);
//  - read as log lines, t split at its newlines gives each line's moves one
//    after the other, and the lines given twice give the map composed with
//    itself, whatever each line holds.
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cube/notation.h"
#include "tests/fuzz/harness.h"

namespace rq51::fuzz {
namespace {

// A text in a heap block of exactly its size.
class ExactText {
 public:
  explicit ExactText(std::string_view text) : bytes_(new char[text.size()]), size_(text.size()) {
    if (!text.empty()) std::memcpy(bytes_.get(), text.data(), text.size());
  }
  std::string_view view() const { return {bytes_.get(), size_}; }

 private:
  std::unique_ptr<char[]> bytes_;
  size_t size_;
};

// Every reader of move texts, one row each; the reader of the standard
// face-turn notation will be one more row.
struct Reader {
  const char* name;
  MacroReading (*read)(std::string_view text);
};
const Reader kReaders[] = {
    {"ReadMacroText", [](std::string_view text) { return ReadMacroText(text); }},
    {"ReadMacroText, Rx3 accepted",
     [](std::string_view text) { return ReadMacroText(text, {.accept_power3 = true}); }},
};

std::vector<Move> Twice(const std::vector<Move>& moves) {
  std::vector<Move> twice = moves;
  twice.insert(twice.end(), moves.begin(), moves.end());
  return twice;
}

MacroReading ReadExactly(const Reader& reader, std::string_view text) {
  const ExactText exact(text);
  return reader.read(exact.view());
}

void CheckReader(const Reader& reader, std::string_view text) {
  const std::string name = reader.name;
  const MacroReading r = ReadExactly(reader, text);
  Require(r.stop <= text.size(), name + ": stop past the end");
  for (const Move& move : r.moves) {
    Require(move.power >= 1 && move.power <= 3, name + ": a power outside 1..3");
  }
  Require(r.map == MapOfMoves(r.moves), name + ": the map is not that of the moves");
  if (r.malformed) {
    Require(r.stop < text.size() && text[r.stop] == '(',
            name + ": a malformed text that does not stop at its bracket");
  }

  const std::string_view part = text.substr(0, r.stop);
  const MacroReading p = ReadExactly(reader, part);
  Require(p.stop == part.size() && !p.malformed && p.moves == r.moves,
          name + ": the move part does not read as the same moves");

  const std::string_view last_line = part.substr(part.rfind('\n') + 1);
  const std::string between = last_line.find("//") == std::string_view::npos ? "" : "\n";
  const std::string doubled = std::string(part) + between + std::string(part);
  const MacroReading pp = ReadExactly(reader, doubled);
  Require(pp.stop == doubled.size() && !pp.malformed && pp.moves == Twice(r.moves),
          name + ": the move part twice is not its moves twice");
  Require(pp.map == Compose(r.map, r.map), name + ": the map of twice the text is not map twice");

  if (r.stop < text.size() && !(text.front() == '/' && text.back() == '/')) {
    const MacroReading tt = ReadExactly(reader, std::string(text) + std::string(text));
    Require(tt.stop == r.stop && tt.malformed == r.malformed && tt.moves == r.moves,
            name + ": a text that stops early reads differently when repeated");
  }
}

void CheckLines(std::string_view text) {
  std::vector<std::string> owned;
  size_t start = 0;
  while (true) {
    const size_t end = text.find('\n', start);
    owned.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  std::vector<ExactText> exact;
  std::vector<std::string_view> lines;
  for (const std::string& line : owned) exact.emplace_back(line);
  for (const ExactText& line : exact) lines.push_back(line.view());

  const MacroReading all = ReadMacroLines(lines);
  std::vector<Move> moves;
  bool malformed = false;
  for (std::string_view line : lines) {
    const MacroReading one = ReadMacroText(line);
    moves.insert(moves.end(), one.moves.begin(), one.moves.end());
    malformed = malformed || one.malformed;
  }
  Require(all.moves == moves && all.malformed == malformed,
          "ReadMacroLines: not the lines' moves one after the other");
  Require(all.stop == ReadMacroText(lines.back()).stop, "ReadMacroLines: stop not the last line's");

  std::vector<std::string_view> twice = lines;
  twice.insert(twice.end(), lines.begin(), lines.end());
  Require(ReadMacroLines(twice).map == Compose(all.map, all.map),
          "ReadMacroLines: the lines twice are not the map twice");
}

}  // namespace
}  // namespace rq51::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const rq51::fuzz::Reader& reader : rq51::fuzz::kReaders) {
    rq51::fuzz::CheckReader(reader, text);
  }
  rq51::fuzz::CheckLines(text);
  return 0;
}
