// The figures of a run of RunMethodStats as a table for a terminal, as CSV
// for spreadsheets or as JSON for scripts: one row per method for the whole
// solve (stage "all") and one per stage that logs turns.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "cube/translation.h"
#include "stats/method_stats.h"

namespace rq51::stats {

enum class ReportFormat { kText, kCsv, kJson };

// The window field and the caption of the two-phase baseline's row (marked
// for translation under "Stats": the report gives the captions in the
// language of the moment).
inline constexpr std::string_view kTwoPhaseName = "two-phase";
inline constexpr std::string_view kTwoPhaseCaption = RQ51_TR_NOOP("Stats", "参考：最短に近い解法");

// "cf0" ... "tkl" for a method, "two-phase" for the baseline.
std::string_view TallyName(const MethodTally& tally);

// 1234567 -> "1,234,567".
std::string Grouped(int64_t number);

// "text", "csv", "json".
std::optional<ReportFormat> ReportFormatFromName(std::string_view name);

// `asked` is the number of cubes asked for; the result may hold fewer when
// the run was stopped.
void WriteReport(const RunResult& result, int64_t asked, uint64_t seed, ReportFormat format,
                 std::ostream& out);

}  // namespace rq51::stats
