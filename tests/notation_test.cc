#include "cube/notation.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cube/standard_notation.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

using test::Moves;

struct LogLine {
  const char* text;
  const char* moves;      // button names of the moves performed
  const char* stop_text;  // what the reader stops in front of; empty: the end
};

// Log lines of the solver tables: brackets with and without a count, "-" and
// "2" suffixes, aligning blanks, and labels after the moves.
const std::vector<LogLine> kLogLines = {
    {"Rx Ry   1<-30", "Rx Ry", "1<-30"},
    {"Rx-Rz-   1<-52", "Rx3 Rz3", "1<-52"},
    {"Ry    1<- 3", "Ry", "1<- 3"},
    {"Rx2Rz-   1<-54", "Rx2 Rz3", "1<-54"},
    {"Rz-   4<-49", "Rz3", "4<-49"},
    {"Ly2Lz  Ly2  21<-43", "Ly2 Lz Ly2", "21<-43"},
    {"Ly Lz2Ly-Lz Ly Lz-Ly-   27<- 9", "Ly Lz2 Ly3 Lz Ly Lz3 Ly3", "27<- 9"},
    {"Mx2My-Lz-My Lz Mx   29<- 4", "Mx2 My3 Lz3 My Lz Mx", "29<- 4"},
    {"Mz    5<-41", "Mz", "5<-41"},
    {"24<- 2", "", "24<- 2"},
    {"(RyRzRx )５乗  A1<->A3", "Ry Rz Rx Ry Rz Rx Ry Rz Rx Ry Rz Rx Ry Rz Rx", "A1<->A3"},
    {"(Rx-RyRz)５乗 A12<->A21", "Rx3 Ry Rz Rx3 Ry Rz Rx3 Ry Rz Rx3 Ry Rz Rx3 Ry Rz", "A12<->A21"},
    {"(Rx-MyRx- )４乗       B2<->B17", "Rx3 My Rx3 Rx3 My Rx3 Rx3 My Rx3 Rx3 My Rx3", "B2<->B17"},
    {"(Ry2MxRy2Mx-Ry2MxRy2) B2<->B15", "Ry2 Mx Ry2 Mx3 Ry2 Mx Ry2", "B2<->B15"},
    {"(Rz2MyRz2MyRz2MyRz2)   B29<->B35", "Rz2 My Rz2 My Rz2 My Rz2", "B29<->B35"},
    {"(Ry-Mx)４乗    B15@", "Ry3 Mx Ry3 Mx Ry3 Mx Ry3 Mx", "B15@"},
    {"(RxMy)４乗    B11@", "Rx My Rx My Rx My Rx My", "B11@"},
    {"(Rx-My-)４乗", "Rx3 My3 Rx3 My3 Rx3 My3 Rx3 My3", ""},
    {"    @     ", "", "@     "},
    {"MxMyMx-My-   C5→C41→C14", "Mx My Mx3 My3", "C5→C41→C14"},
    {"Mx2MyMx2My-   C14@ & C41@", "Mx2 My Mx2 My3", "C14@ & C41@"},
    {"  Ly Lx Ry-Lx-Ly-Lx Ry Lx-", "Ly Lx Ry3 Lx3 Ly3 Lx Ry Lx3", ""},
    {"  Rz2", "Rz2", ""},
    {"Rz-Rx-My-Rx2My Rx-Rz   4<-33", "Rz3 Rx3 My3 Rx2 My Rx3 Rz", "4<-33"},
    {"  Lx2 Mz Lx2Mz-", "Lx2 Mz Lx2 Mz3", ""},
    {"  Rx2Mz Rx2Mz2Rx2Mz Rx2", "Rx2 Mz Rx2 Mz2 Rx2 Mz Rx2", ""},
    {"ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動", "", "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動"},
    {"ｴｯｼﾞ･ｷｭｰﾌﾞ内の移動無し", "", "ｴｯｼﾞ･ｷｭｰﾌﾞ内の移動無し"},
    {"cross4･24･49･40", "", "cross4･24･49･40"},
    {"(Rx-Ry)３乗      A1@-", "Rx3 Ry Rx3 Ry Rx3 Ry", "A1@-"},
    {"(RyRxRy-Rx-)２乗   A3@-", "Ry Rx Ry3 Rx3 Ry Rx Ry3 Rx3", "A3@-"},
};

TEST(NotationTest, ReadsTheMovePartOfLogLines) {
  for (const LogLine& line : kLogLines) {
    const std::string_view text = line.text;
    const MacroReading reading = ReadMacroText(text);
    EXPECT_EQ(reading.moves, Moves(line.moves)) << text;
    EXPECT_EQ(reading.map, MapOfMoves(Moves(line.moves))) << text;
    EXPECT_FALSE(reading.malformed) << text;
    const std::string_view stop_text = line.stop_text;
    const size_t expected_stop = stop_text.empty() ? text.size() : text.rfind(stop_text);
    EXPECT_EQ(reading.stop, expected_stop) << text;
  }
}

struct RowWithTurns {
  const char* moves;
  std::vector<std::string_view> lines;
};

// Rows whose turns are also given move by move: twist rows of two brackets
// and flip rows whose first line only names the flipped edges.
const std::vector<RowWithTurns> kTableRows = {
    {"Rx3 Ry Rx3 Ry Rx3 Ry Rx Ry3 Rx Ry3 Rx Ry3", {"(Rx-Ry)３乗      A1@-", "(RxRy-)３乗"}},
    {"Ry Rx3 Ry Rx3 Ry Rx3 Ry3 Rx Ry3 Rx Ry3 Rx", {"(RyRx-)３乗      A1@+", "(Ry-Rx)３乗"}},
    {"Ry Rx Ry3 Rx3 Ry Rx Ry3 Rx3 Ry3 Rz3 Ry Rz Ry3 Rz3 Ry Rz",
     {"(RyRxRy-Rx-)２乗   A3@-", "(Ry-Rz-RyRz)２乗"}},
    {"Rz3 Ry3 Rz Ry Rz3 Ry3 Rz Ry Rx Ry Rx3 Ry3 Rx Ry Rx3 Ry3",
     {"(Rz-Ry-RzRy)２乗   A3@+", "(RxRyRx-Ry-)２乗"}},
    {"Rx3 Rz Rx Rz3 Rx3 Rz Rx Rz3 Rx Ry Rx3 Ry3 Rx Ry Rx3 Ry3",
     {"(Rx-RzRxRz-)２乗    A7@-", "(RxRyRx-Ry-)２乗"}},
    {"Ry Rx Ry3 Rx3 Ry Rx Ry3 Rx3 Rz Rx3 Rz3 Rx Rz Rx3 Rz3 Rx",
     {"(RyRxRy-Rx-)２乗    A7@+", "(RzRx-Rz-Rx)２乗"}},
    {"Rz3 Ry Rz3 Ry Rz3 Ry Rz Rx3 Rz Rx3 Rz Rx3", {"(Rz-Ry)３乗      A9@-", "(RzRx-)３乗"}},
    {"Rx Rz3 Rx Rz3 Rx Rz3 Ry3 Rz Ry3 Rz Ry3 Rz", {"(RxRz-)３乗      A9@+", "(Ry-Rz)３乗"}},
    {"Ry3 Rx3 Ry Rx Ry3 Rx3 Ry Rx Ry Rz3 Ry3 Rz Ry Rz3 Ry3 Rz",
     {"(Ry-Rx-RyRx)２乗   A12@-", "(RyRz-Ry-Rz)２乗"}},
    {"Rz3 Ry Rz Ry3 Rz3 Ry Rz Ry3 Rx3 Ry3 Rx Ry Rx3 Ry3 Rx Ry",
     {"(Rz-RyRzRy-)２乗   A12@+", "(Rx-Ry-RxRy)２乗"}},
    {"Ry3 Rx Ry Rx3 Ry3 Rx Ry Rx3 Ry Rz Ry3 Rz3 Ry Rz Ry3 Rz3",
     {"(Ry-RxRyRx-)２乗   A21@-", "(RyRzRy-Rz-)２乗"}},
    {"Ry Rz Lx3 Rz3 Lx Ry3 Rx3 Ly Rz3 Ly3 Rz Rx",
     {"cross4･24･49･40", "  Ry Rz Lx-Rz-Lx Ry-", "  Rx-Ly Rz-Ly-Rz Rx "}},
    {"Rx3 Ly Rz3 Ly3 Rz Rx", {"cross--49･40", "  Rx-Ly Rz-Ly-Rz Rx "}},
    {"Ly Rz3 Lx Rz Lx3 Ly3", {"cross-24-40", "  Ly Rz-Lx Rz Lx-Ly-"}},
    {"Ry3 Rz3 Rx3 Rz Rx Ry", {"cross4-49-", "  Ry-Rz-Rx-Rz Rx Ry "}},
    {"Ly Lx Rz3 Lx3 Rz Ly3", {"cross4･24--", "  Ly Lx Rz-Lx-Rz Ly-"}},
    {"Ly3 Rz Rx Rz3 Rx3 Ly", {"cross-24･49-", "  Ly-Rz Rx Rz-Rx-Ly "}},
    {"Ry Rz Lx3 Rz3 Lx Ry3", {"cross4--40", "  Ry Rz Lx-Rz-Lx Ry-"}},
};

TEST(NotationTest, RowsSpanningLinesPerformEveryLineInTurn) {
  for (const RowWithTurns& row : kTableRows) {
    const MacroReading reading = ReadMacroLines(row.lines);
    EXPECT_EQ(reading.moves, Moves(row.moves)) << row.lines.front();
    EXPECT_EQ(reading.map, MapOfMoves(Moves(row.moves))) << row.lines.front();
    EXPECT_FALSE(reading.malformed);
  }
}

TEST(NotationTest, BracketCountsAndSuffixes) {
  EXPECT_EQ(ReadMacroText("(Rx)２乗").moves, Moves("Rx Rx"));
  EXPECT_EQ(ReadMacroText("(Rx)９乗").moves.size(), 9u);
  EXPECT_EQ(ReadMacroText("(Rx Ry2)").moves, Moves("Rx Ry2"));
  EXPECT_EQ(ReadMacroText("Rx (Ry)３乗 Rz-").moves, Moves("Rx Ry Ry Ry Rz3"));
  EXPECT_EQ(ReadMacroText("(Rx)(Ry)").moves, Moves("Rx Ry"));
  // Without the option the button name's "3" is not a suffix.
  const MacroReading button = ReadMacroText("Rx3");
  EXPECT_EQ(button.moves, Moves("Rx"));
  EXPECT_EQ(button.stop, 2u);
  EXPECT_EQ(ReadMacroText("Rx3 Ly2", {.accept_power3 = true}).moves, Moves("Rx3 Ly2"));
  // Nothing but blanks, or nothing at all.
  EXPECT_TRUE(ReadMacroText("").moves.empty());
  EXPECT_EQ(ReadMacroText("").stop, 0u);
  EXPECT_EQ(ReadMacroText("   ").stop, 3u);
  EXPECT_TRUE(ReadMacroText("   ").map.IsIdentity());
}

// "×" and a digit, as the lists show a count in other languages, counts as
// the full-width digit and "乗" do, for the log reader and for the reader of
// typed and opened turn sequences; anything else after "×" is no count.
TEST(NotationTest, TimesSignAndDigitCountAsTheFullWidthCount) {
  const std::string bracket = "(Rx-Ry)";
  const std::string times_sign = "×";
  const std::string times = std::string("５乗").substr(3);
  for (int d = 1; d <= 9; ++d) {
    const std::string full_width = "\xEF\xBC" + std::string(1, static_cast<char>(0x90 + d));
    const std::string ascii(1, static_cast<char>('0' + d));
    for (const std::string tail : {"", "  A1<->A3", "Lz2", "7"}) {
      const std::string japanese = bracket + full_width + times + tail;
      const std::string english = bracket + times_sign + ascii + tail;
      const MacroReading j = ReadMacroText(japanese);
      const MacroReading e = ReadMacroText(english);
      EXPECT_EQ(e.moves, j.moves) << english;
      EXPECT_EQ(english.substr(e.stop), japanese.substr(j.stop)) << english;
      EXPECT_EQ(j.moves.size(), 2u * d + (tail == "Lz2" ? 1 : 0)) << japanese;
      const TurnSequence typed = ReadTurnSequence(english);
      EXPECT_EQ(typed.read, ReadTurnSequence(japanese).read) << english;
      EXPECT_EQ(typed.moves, ReadTurnSequence(japanese).moves) << english;
    }
  }
  // The bracket is performed once and the reader stops at the sign.
  for (const std::string& not_a_count :
       {times_sign, times_sign + "0", times_sign + "a", times_sign + " 2",
        times_sign + "\xEF\xBC\x95", times_sign.substr(0, 1), std::string("x2")}) {
    const MacroReading reading = ReadMacroText(bracket + not_a_count);
    EXPECT_EQ(reading.moves, Moves("Rx3 Ry")) << not_a_count;
    EXPECT_EQ(reading.stop, bracket.size()) << not_a_count;
    EXPECT_FALSE(reading.malformed) << not_a_count;
  }
}

struct Malformed {
  std::string text;
  const char* moves;  // read before the reader stopped
  size_t stop;
  bool malformed;
};

TEST(NotationTest, MalformedTextStopsWhereItGoesWrong) {
  const std::string five_times = "５乗";
  const std::vector<Malformed> cases = {
      {"(RxRy", "", 0, true},
      {"Rx (RyRz  A1", "Rx", 3, true},
      {"()５乗", "", 0, true},
      {"(", "", 0, true},
      {")", "", 0, false},
      {"((Rx))", "", 0, true},
      {"(Rx A1)", "", 0, true},
      // A count without "乗", a half-width count and "乗" without a count:
      // the bracket is performed once and the reader stops at the rest.
      {"(RxRy)５", "Rx Ry", 6, false},
      {"(RxRy)5乗", "Rx Ry", 6, false},
      {"(RxRy)乗", "Rx Ry", 6, false},
      {"(RxRy)０乗", "Rx Ry", 6, false},
      {"Rx-Ry--", "Rx3 Ry3", 6, false},
      {"Rx22", "Rx2", 3, false},
      {"RxR", "Rx", 2, false},
      {"R", "", 0, false},
  };
  for (const Malformed& c : cases) {
    const MacroReading reading = ReadMacroText(c.text);
    EXPECT_EQ(reading.moves, Moves(c.moves)) << c.text;
    EXPECT_EQ(reading.stop, c.stop) << c.text;
    EXPECT_EQ(reading.malformed, c.malformed) << c.text;
  }
  // "５乗" cut after every byte: never taken as a count.
  for (size_t cut = 1; cut < five_times.size(); ++cut) {
    const std::string text = "(RxRy)" + five_times.substr(0, cut);
    const MacroReading reading = ReadMacroText(text);
    EXPECT_EQ(reading.moves, Moves("Rx Ry")) << cut;
    EXPECT_EQ(reading.stop, 6u) << cut;
  }
}

// The reader sees only its view: what lies behind the end in memory must
// never complete a suffix, a count or a name.
TEST(NotationTest, NeverReadsPastTheEndOfItsText) {
  const std::string buffer = "(Rx-Ry)５乗  Lz2";
  for (size_t length = 0; length <= buffer.size(); ++length) {
    const std::string_view view(buffer.data(), length);
    const std::string copy(view);
    const MacroReading in_place = ReadMacroText(view);
    const MacroReading copied = ReadMacroText(copy);
    EXPECT_EQ(in_place.moves, copied.moves) << length;
    EXPECT_EQ(in_place.stop, copied.stop) << length;
    EXPECT_LE(in_place.stop, length);
  }
  EXPECT_EQ(ReadMacroText(std::string_view(buffer.data(), 3)).malformed, true);
  EXPECT_EQ(ReadMacroText(std::string_view(buffer.data() + 1, 2)).moves, Moves("Rx"));
  EXPECT_EQ(ReadMacroText(std::string_view(buffer.data(), 10)).moves, Moves("Rx3 Ry"));
}

TEST(NotationTest, VeryLongTextIsReadCompletely) {
  std::string text;
  for (int n = 0; n < 20000; ++n) text += "Rx Ry-";
  text += "(Lz)５乗";
  const MacroReading reading = ReadMacroText(text);
  EXPECT_EQ(reading.moves.size(), 40005u);
  EXPECT_EQ(reading.stop, text.size());
  // Rx Ry- performed 20000 times is (Rx Ry-) to the power 20000.
  EXPECT_EQ(reading.map, Compose(Power(MapOfMoves(Moves("Rx Ry3")), 20000),
                                 Power(MoveMap({BaseTurn::kLz, 1}), 5)));
  const std::string unclosed = "(" + std::string(100000, ' ');
  EXPECT_TRUE(ReadMacroText(unclosed).malformed);
}

TEST(NotationTest, RandomBytesNeverBreakTheReader) {
  std::mt19937 rng(2024);
  const std::vector<std::string> pieces = {"(",
                                           ")",
                                           "R",
                                           "L",
                                           "M",
                                           "x",
                                           "y",
                                           "z",
                                           "-",
                                           "2",
                                           "3",
                                           " ",
                                           "５",
                                           "乗",
                                           "\xEF",
                                           "\xBC",
                                           "\x95",
                                           "\xE4",
                                           "A1",
                                           "<->",
                                           "→",
                                           "･",
                                           std::string(1, '\0'),
                                           "Rx",
                                           "Mz-",
                                           "(Ry2)",
                                           "２乗",
                                           "@"};
  std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 24);
  for (int n = 0; n < 5000; ++n) {
    std::string text;
    const int parts = length(rng);
    for (int p = 0; p < parts; ++p) {
      if (n % 2 == 0) {
        text += pieces[pick(rng)];
      } else {
        text += static_cast<char>(byte(rng));
      }
    }
    // An exact-size heap copy, so that a read past the end is a read past
    // the allocation.
    const std::vector<char> bytes(text.begin(), text.end());
    const std::string_view view(bytes.data(), bytes.size());
    for (bool power3 : {false, true}) {
      const MacroReading reading = ReadMacroText(view, {.accept_power3 = power3});
      ASSERT_LE(reading.stop, view.size());
      ASSERT_EQ(reading.map, MapOfMoves(reading.moves));
      ASSERT_TRUE(reading.map.IsPermutation());
      // Reading the part before the stop gives the same moves, and the
      // reader never stops on a blank that it could skip.
      if (!reading.malformed) {
        EXPECT_EQ(ReadMacroText(view.substr(0, reading.stop), {.accept_power3 = power3}).moves,
                  reading.moves);
        if (reading.stop < view.size()) {
          EXPECT_NE(view[reading.stop], ' ');
        }
      }
    }
  }
}

TEST(NotationTest, ReadingSeveralLinesReportsTheLastStop) {
  const MacroReading reading = ReadMacroLines({"Rx Ry  A1", "(Rz)２乗  B2"});
  EXPECT_EQ(reading.moves, Moves("Rx Ry Rz Rz"));
  EXPECT_EQ(reading.stop, std::string_view("(Rz)２乗  ").size());
  EXPECT_FALSE(reading.malformed);
  EXPECT_TRUE(ReadMacroLines({"Rx", "(Ry"}).malformed);
  EXPECT_TRUE(ReadMacroLines({}).map.IsIdentity());
}

TEST(NotationTest, CommentsAndLineBreaksStandBetweenTurns) {
  // A comment runs from "//" to the end of its line; a line break is a blank.
  const std::string text = "Rx // first\r\nRy2\n(Lz // inside\n Mx)２乗 // last";
  const MacroReading reading = ReadMacroText(text);
  EXPECT_EQ(reading.moves, Moves("Rx Ry2 Lz Mx Lz Mx"));
  EXPECT_EQ(reading.stop, text.size());
  EXPECT_FALSE(reading.malformed);
  // A label on the next line is still where reading stops; one slash is no
  // comment.
  EXPECT_EQ(ReadMacroText("Rx\nA1<->A3").stop, 3u);
  EXPECT_EQ(ReadMacroText("Rx / Ry").stop, 3u);
  EXPECT_EQ(ReadMacroText("// Rx").moves, Moves(""));
}

TEST(NotationTest, GroupsKeepTheBracketsAsWritten) {
  const std::vector<WrittenGroup> groups = ReadMacroGroups("Rx Ry-(Lz Mx2)５乗(Rz)Ly  A1");
  ASSERT_EQ(groups.size(), 4u);
  EXPECT_EQ(groups[0].moves, Moves("Rx Ry3"));
  EXPECT_EQ(groups[0].count, 0);
  EXPECT_EQ(groups[1].moves, Moves("Lz Mx2"));
  EXPECT_EQ(groups[1].count, 5);
  EXPECT_EQ(groups[2].moves, Moves("Rz"));
  EXPECT_EQ(groups[2].count, 1);
  EXPECT_EQ(groups[3].moves, Moves("Ly"));
}

}  // namespace
}  // namespace rq51
