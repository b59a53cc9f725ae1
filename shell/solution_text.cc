#include "shell/solution_text.h"

#include <algorithm>
#include <set>
#include <utility>

#include "cube/colour.h"
#include "cube/standard_notation.h"
#include "cube/translation.h"
#include "shell/fault_text.h"
#include "shell/quoted_text.h"

namespace rq51 {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kTurnsUnit = " 手";

// Why a text is refused, marked for translation under "Files".
constexpr char kEmpty[] = RQ51_TR_NOOP("Files", "ファイルが空です。");
constexpr char kTooLarge[] = RQ51_TR_NOOP("Files", "ファイルが大きすぎます（1 MBまで）。");
constexpr char kNotUtf8[] = RQ51_TR_NOOP("Files", "UTF-8の文字として読めないバイトがあります。");
constexpr char kNotText[] = RQ51_TR_NOOP("Files", "テキストではないデータ（制御文字）があります。");
constexpr char kTruncated[] =
    RQ51_TR_NOOP("Files", "ファイルが途中で切れています（「合計」の行がありません）。");
constexpr char kNoTurns[] = RQ51_TR_NOOP("Files", "手順も色もありません。");

Message FilesMessage(const char* text) { return Message("Files", text); }

TextReading Refused(int line, Message reason) {
  TextReading reading;
  reading.refusal = RefusalMessage(line, std::move(reason));
  return reading;
}

TextReading Refused(int line, const char* reason) { return Refused(line, FilesMessage(reason)); }

// The length of the UTF-8 character at `at`, or 0 when the bytes there are
// no character (a stray continuation, an overlong form, a surrogate, a code
// point past U+10FFFF, or a sequence cut short).
size_t Utf8Length(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  size_t length;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  }
  return length;
}

// A refusal for the first byte that is no text: not UTF-8, or a control
// character other than a tab or a line break (a carriage return only before
// a line feed).
std::optional<TextReading> NotText(std::string_view text) {
  int line = 1;
  for (size_t at = 0; at < text.size();) {
    const char c = text[at];
    const size_t length = Utf8Length(text, at);
    if (length == 0) return Refused(line, kNotUtf8);
    const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    const bool line_end = c == '\n' || (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n');
    if (control && c != '\t' && !line_end) return Refused(line, kNotText);
    if (c == '\n') ++line;
    at += length;
  }
  return std::nullopt;
}

// The lines of a text without their line breaks; a final line break ends the
// last line rather than starting an empty one.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == line.npos; }

// A whole number of 1 to 9 digits.
std::optional<int> Number(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

// "12 手": the turns of a heading or of the total.
std::optional<int> Turns(std::string_view text) {
  if (!text.ends_with(kTurnsUnit)) return std::nullopt;
  return Number(text.substr(0, text.size() - kTurnsUnit.size()));
}

struct Heading {
  int list_box;
  int turns;
};

// "ListBox2<TAB>③．F2C<TAB>17 手".
std::optional<Heading> ReadHeading(std::string_view line) {
  constexpr std::string_view kListBox = "ListBox";
  if (!line.starts_with(kListBox)) return std::nullopt;
  const size_t first_tab = line.find('\t');
  const size_t second_tab = line.find('\t', first_tab == line.npos ? line.size() : first_tab + 1);
  if (second_tab == line.npos) return std::nullopt;
  const std::optional<int> list_box =
      Number(line.substr(kListBox.size(), first_tab - kListBox.size()));
  const std::optional<int> turns = Turns(line.substr(second_tab + 1));
  if (!list_box || !turns) return std::nullopt;
  return Heading{*list_box, *turns};
}

// "合計<TAB>75 手".
std::optional<int> ReadTotal(std::string_view line) {
  const std::string start = std::string(kTotalLabel) + "\t";
  if (!line.starts_with(start)) return std::nullopt;
  return Turns(line.substr(start.size()));
}

// The value after "<label><TAB>", or nullopt for a line of another label.
std::optional<std::string_view> Labelled(std::string_view line, std::string_view label) {
  if (!line.starts_with(label) || line.substr(label.size(), 1) != "\t") return std::nullopt;
  return line.substr(label.size() + 1);
}

// 54 letters G R B O W Y or '.', as rq51-cli's --cube takes them.
std::optional<StickerColours> ColourLetters(std::string_view text) {
  if (text.size() != kFaceletCount) return std::nullopt;
  StickerColours colours{};
  for (int k = 1; k <= kFaceletCount; ++k) {
    const std::string_view letter = text.substr(k - 1, 1);
    if (letter == ".") continue;
    const std::optional<Colour> colour = ColourOfLetter(letter);
    if (!colour) return std::nullopt;
    colours[k] = *colour;
  }
  return colours;
}

std::optional<WindowKind> WindowOfTitle(std::string_view title) {
  for (WindowKind kind : AllWindowKinds()) {
    if (VariantOf(kind).title == title) return kind;
  }
  return std::nullopt;
}

// The window's title in the first line: "RQ51 Form5 ..." gives "Form5".
std::string_view TitleOf(std::string_view first_line) {
  const std::string_view rest = first_line.substr(kSolutionStart.size());
  return rest.substr(0, rest.find(' '));
}

// The lists of a window in number order, the trial list among them.
std::vector<int> ListsOf(const WindowVariant& variant) {
  std::set<int> lists(variant.stage_lists.begin(), variant.stage_lists.end());
  lists.insert(4);
  return {lists.begin(), lists.end()};
}

TextReading ReadSolution(const std::vector<std::string_view>& lines) {
  TextReading reading;
  reading.kind = OpenedKind::kSolution;
  SavedSolution& saved = reading.solution;
  const std::optional<WindowKind> window = WindowOfTitle(TitleOf(lines[0]));
  if (!window) {
    return Refused(1, Message("Files", RQ51_TR_NOOP("Files", "%1というウィンドウはありません。"),
                              {QuotedMessage(TitleOf(lines[0]))}));
  }
  saved.window = *window;
  const WindowVariant& variant = VariantOf(*window);

  if (lines.size() < 2) return Refused(2, kTruncated);
  const std::optional<std::string_view> letters = Labelled(lines[1], kEnteredLabel);
  const std::optional<StickerColours> entered =
      letters ? ColourLetters(*letters) : std::optional<StickerColours>();
  if (!entered) return Refused(2, UnreadableMessage(lines[1]));
  if (CheckRealArrangement(*entered, variant.rule) != ArrangementFault::kReal) {
    return Refused(2, ImpossibleCubeReason(DiagnoseArrangement(*entered, variant.rule)));
  }
  saved.entered = *entered;

  size_t at = 2;  // 0-based: the line after the entered cube
  if (at < lines.size()) {
    if (const std::optional<std::string_view> presses = Labelled(lines[at], kPressesLabel)) {
      saved.has_presses = true;
      saved.presses_line = static_cast<int>(at) + 1;
      size_t start = 0;
      while (start <= presses->size()) {
        const size_t end = std::min(presses->find(' ', start), presses->size());
        if (end > start) saved.presses.emplace_back(presses->substr(start, end - start));
        start = end + 1;
      }
      ++at;
    }
  }

  int sum = 0;
  for (int list_box : ListsOf(variant)) {
    if (at >= lines.size()) return Refused(static_cast<int>(at) + 1, kTruncated);
    const std::optional<Heading> heading = ReadHeading(lines[at]);
    if (!heading || heading->list_box != list_box) {
      return Refused(static_cast<int>(at) + 1, UnreadableMessage(lines[at]));
    }
    sum += heading->turns;
    SavedList list{list_box, {}};
    for (++at; at < lines.size() && !ReadHeading(lines[at]) && !ReadTotal(lines[at]); ++at) {
      list.lines.emplace_back(lines[at]);
    }
    saved.lists.push_back(std::move(list));
  }
  if (at >= lines.size()) return Refused(static_cast<int>(at) + 1, kTruncated);
  const std::optional<int> total = ReadTotal(lines[at]);
  if (!total) return Refused(static_cast<int>(at) + 1, UnreadableMessage(lines[at]));
  if (*total != sum) {
    return Refused(
        static_cast<int>(at) + 1,
        Message("Files", RQ51_TR_NOOP("Files", "%1（各ListBoxの手数の合計と合いません）"),
                {UnreadableMessage(lines[at])}));
  }
  for (++at; at < lines.size(); ++at) {
    if (!IsBlank(lines[at])) {
      return Refused(static_cast<int>(at) + 1, UnreadableMessage(lines[at]));
    }
  }
  return reading;
}

}  // namespace

Message RefusalMessage(int line, Message reason) {
  return Message(
      "Files",
      RQ51_TR_NOOP("Files",
                   "ファイルの%1行目で読み込みを中止しました。%2ウィンドウはそのままです。"),
      {Message::Verbatim(std::to_string(line)), std::move(reason)});
}

Message ImpossibleCubeReason(const ArrangementDiagnosis& diagnosis) {
  return Message("Files", RQ51_TR_NOOP("Files", "入力された色が誤った配置です。%1"),
                 {Message::Composed([diagnosis] { return FaultText(diagnosis); })});
}

Message NoSuchButtonReason(std::string_view name) {
  return Message("Files", RQ51_TR_NOOP("Files", "%1というボタンはありません。"),
                 {QuotedMessage(name)});
}

Message OtherWindowMessage(WindowKind window) {
  const WindowVariant& variant = VariantOf(window);
  return Message("Files", RQ51_TR_NOOP("Files", "このファイルは%1（%2）の解法です。"),
                 {Message::Verbatim(std::string(variant.name)),
                  Message::Verbatim(std::string(variant.title))});
}

Message DifferentLinesMessage(int list_box, size_t line) {
  return Message(
      "Files",
      RQ51_TR_NOOP("Files",
                   "ファイルの手順と、いま計算した手順が違います（ListBox%1の%2行目か"
                   "ら）。計算した手順を表示しています。"),
      {Message::Verbatim(std::to_string(list_box)), Message::Verbatim(std::to_string(line))});
}

TextReading ReadOpenedText(std::string_view bytes) {
  if (bytes.size() > kMaxOpenedBytes) return Refused(1, kTooLarge);
  std::string_view text = bytes;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  if (std::optional<TextReading> refused = NotText(text)) return *refused;
  const std::vector<std::string_view> lines = Lines(text);
  if (std::all_of(lines.begin(), lines.end(), IsBlank)) return Refused(1, kEmpty);
  if (lines[0].starts_with(kSolutionStart)) return ReadSolution(lines);

  TextReading reading;
  const size_t first = text.find_first_not_of(" \t\r\n");
  const size_t last = text.find_last_not_of(" \t\r\n");
  if (std::optional<StickerColours> colours = ColourLetters(text.substr(first, last - first + 1))) {
    reading.kind = OpenedKind::kColours;
    reading.colours = *colours;
    return reading;
  }
  const TurnSequence sequence = ReadTurnSequence(text);
  if (!sequence.read) {
    return Refused(sequence.unread_line,
                   UnreadWordMessage(sequence.unread_word, sequence.open_bracket));
  }
  if (sequence.moves.empty()) return Refused(static_cast<int>(lines.size()), kNoTurns);
  reading.kind = OpenedKind::kTurnSequence;
  reading.colours = ColoursAfterTurns(sequence.moves);
  return reading;
}

std::optional<WindowKind> SolutionWindowOf(std::string_view bytes) {
  std::string_view text = bytes.substr(0, std::min(bytes.size(), kMaxOpenedBytes + 1));
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  const std::string_view first_line = text.substr(0, text.find('\n'));
  if (!first_line.starts_with(kSolutionStart)) return std::nullopt;
  std::string_view title = TitleOf(first_line);
  if (title.ends_with('\r')) title.remove_suffix(1);
  return WindowOfTitle(title);
}

}  // namespace rq51
