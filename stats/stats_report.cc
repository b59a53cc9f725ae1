#include "stats/stats_report.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "shell/shown_line.h"
#include "shell/window_variant.h"

namespace rq51::stats {

namespace {

// One field of a row: its name in CSV and JSON, its text, and whether it is
// a string (else a number; empty text is a missing number).
struct Field {
  std::string_view name;
  std::string text;
  bool is_string = false;
};

std::string Fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// Whole numbers without decimals, halves with one: a median is either.
std::string Half(double value) {
  return Fixed(value, value == static_cast<int64_t>(value) ? 0 : 1);
}

std::vector<Field> FiguresOf(const TurnTally* tally, std::string_view prefix_name) {
  const bool turns = prefix_name == "turns";
  const auto name = [&](std::string_view turns_name, std::string_view quarter_name) {
    return turns ? turns_name : quarter_name;
  };
  const Tally& t = turns ? tally->turns : tally->quarter_turns;
  const bool any = t.count() > 0;
  return {
      {name("turns_mean", "quarter_turns_mean"), any ? Fixed(t.Mean(), 2) : ""},
      {name("turns_median", "quarter_turns_median"), any ? Half(t.Median()) : ""},
      {name("turns_p95", "quarter_turns_p95"), any ? std::to_string(t.Percentile(95)) : ""},
      {name("turns_max", "quarter_turns_max"), any ? std::to_string(t.Max()) : ""},
  };
}

// Every row of the report, as fields in column order.
std::vector<std::vector<Field>> Rows(const RunResult& result) {
  std::vector<std::vector<Field>> rows;
  for (const MethodTally& tally : result.methods) {
    const std::string_view window = TallyName(tally);
    const std::vector<const Stage*> stages =
        tally.method == nullptr ? std::vector<const Stage*>{} : CountedStages(*tally.method);
    const std::string caption = tally.method == nullptr ? Tr("Stats", kTwoPhaseCaption.data())
                                                        : ShownLine(tally.method->one_shot_caption);
    for (size_t s = 0; s <= stages.size(); ++s) {
      const bool all = s == 0;
      const TurnTally* figures = all ? &tally.total : &tally.stages[s - 1];
      std::vector<Field> row = {
          {"window", std::string(window), true},
          {"stage", all ? "all" : std::string(stages[s - 1]->button), true},
          {"caption", all ? caption : ShownLine(stages[s - 1]->caption), true},
          {"cubes", std::to_string(tally.cubes)},
          {"solved", std::to_string(tally.solved)},
      };
      for (std::string_view kind : {"turns", "quarter_turns"}) {
        for (Field& field : FiguresOf(figures, kind)) row.push_back(std::move(field));
      }
      if (all) {
        row.push_back({"solves_per_second",
                       tally.solve_seconds > 0 ? Fixed(tally.cubes / tally.solve_seconds, 0) : ""});
      }
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

std::string CsvQuoted(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

void WriteCsv(const std::vector<std::vector<Field>>& rows, std::ostream& out) {
  // Stage rows have no solves_per_second: the header is the longest row's.
  const std::vector<Field>* widest = nullptr;
  for (const auto& row : rows) {
    if (widest == nullptr || row.size() > widest->size()) widest = &row;
  }
  if (widest == nullptr) return;
  for (size_t c = 0; c < widest->size(); ++c) out << (c ? "," : "") << (*widest)[c].name;
  out << '\n';
  for (const auto& row : rows) {
    for (size_t c = 0; c < widest->size(); ++c) {
      out << (c ? "," : "") << (c < row.size() ? CsvQuoted(row[c].text) : "");
    }
    out << '\n';
  }
}

std::string JsonString(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

void WriteJson(const std::vector<std::vector<Field>>& rows, std::ostream& out) {
  out << "[\n";
  for (size_t r = 0; r < rows.size(); ++r) {
    out << "  {";
    for (size_t c = 0; c < rows[r].size(); ++c) {
      const Field& field = rows[r][c];
      out << (c ? ", " : "") << JsonString(field.name) << ": ";
      if (field.is_string) {
        out << JsonString(field.text);
      } else {
        out << (field.text.empty() ? "null" : field.text);
      }
    }
    out << (r + 1 < rows.size() ? "},\n" : "}\n");
  }
  out << "]\n";
}

void WriteText(const RunResult& result, int64_t asked, uint64_t seed,
               const std::vector<std::vector<Field>>& rows, std::ostream& out) {
  out << Grouped(result.cubes) << " cubes drawn uniformly at random among all real cubes (seed "
      << seed << "), the same cubes for every method";
  if (result.cubes < asked) out << "; interrupted: " << Grouped(asked) << " were asked for";
  out << '\n';
  out << result.threads << (result.threads == 1 ? " thread, " : " threads, ")
      << Fixed(result.wall_seconds, 1) << " s";
  if (result.wall_seconds > 0) {
    out << ", " << Grouped(static_cast<int64_t>(result.cubes / result.wall_seconds))
        << " cubes/s through every method";
  }
  out << '\n'
      << "turns: each logged turn of the 27 counts 1 (Rx2 is one turn); quarter turns: a half "
         "turn counts 2\n"
      << "median: middle value; p95: 95th percentile, nearest rank; solves/s: entry, check and "
         "one-shot run, per second on one core\n"
      << "stages: the turns logged in each stage's own list; turning the cube over logs none and "
         "has no row\n\n";

  // window stage cubes solved | 4 turns | 4 quarter turns | solves/s caption
  const std::vector<std::string> header = {"window", "stage", "cubes",    "solved", "mean",
                                           "median", "p95",   "max",      "mean",   "median",
                                           "p95",    "max",   "solves/s", "caption"};
  std::vector<std::vector<std::string>> table = {header};
  for (const auto& row : rows) {
    std::vector<std::string> cells;
    for (const Field& field : row) {
      if (field.name != "caption") cells.push_back(field.text.empty() ? "-" : field.text);
    }
    if (cells.size() < header.size() - 1) cells.push_back("");  // no solves/s for a stage
    cells.push_back(row[2].text);
    table.push_back(std::move(cells));
  }
  // The columns are as wide as the methods' cells need; the baseline's
  // longer name only pushes its own row's next cell along.
  std::vector<size_t> width(header.size(), 0);
  for (size_t r = 0; r < table.size(); ++r) {
    if (r > 0 && rows[r - 1][0].text == kTwoPhaseName) continue;
    const auto& cells = table[r];
    for (size_t c = 0; c < cells.size(); ++c) width[c] = std::max(width[c], cells[c].size());
  }
  constexpr size_t kGap = 2;
  // The column where each cell starts.
  std::vector<size_t> at(header.size(), 0);
  for (size_t c = 1; c < header.size(); ++c) at[c] = at[c - 1] + width[c - 1] + kGap;
  std::string groups(at[8], ' ');
  groups.replace(at[4], 5, "turns");
  out << groups << "quarter turns\n";
  for (const auto& cells : table) {
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c) {
      const bool left = c < 2 || c + 1 == cells.size();
      size_t start = left ? at[c] : at[c] + width[c] - std::min(width[c], cells[c].size());
      if (c > 0) start = std::max(start, line.size() + 1);
      line.append(start - line.size(), ' ');
      line += cells[c];
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << '\n';
  }
}

}  // namespace

std::string_view TallyName(const MethodTally& tally) {
  return tally.method == nullptr ? kTwoPhaseName : VariantOf(tally.method->window).short_name;
}

std::string Grouped(int64_t number) {
  std::string digits = std::to_string(number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
  return digits;
}

std::optional<ReportFormat> ReportFormatFromName(std::string_view name) {
  if (name == "text") return ReportFormat::kText;
  if (name == "csv") return ReportFormat::kCsv;
  if (name == "json") return ReportFormat::kJson;
  return std::nullopt;
}

void WriteReport(const RunResult& result, int64_t asked, uint64_t seed, ReportFormat format,
                 std::ostream& out) {
  const std::vector<std::vector<Field>> rows = Rows(result);
  switch (format) {
    case ReportFormat::kText:
      WriteText(result, asked, seed, rows, out);
      break;
    case ReportFormat::kCsv:
      WriteCsv(rows, out);
      break;
    case ReportFormat::kJson:
      WriteJson(rows, out);
      break;
  }
}

}  // namespace rq51::stats
