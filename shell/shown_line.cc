#include "shell/shown_line.h"

#include "cube/translation.h"

namespace rq51 {

namespace {

constexpr std::string_view kTimes = "乗";

// "２乗" .. "９乗" (a full-width digit, EF BC 91 .. EF BC 99 in UTF-8, and
// "乗") as "×2" .. "×9".
std::string RepetitionsAsTimes(std::string_view line) {
  std::string shown;
  shown.reserve(line.size());
  for (size_t i = 0; i < line.size();) {
    const bool digit = i + 3 <= line.size() && static_cast<unsigned char>(line[i]) == 0xEF &&
                       static_cast<unsigned char>(line[i + 1]) == 0xBC &&
                       static_cast<unsigned char>(line[i + 2]) >= 0x91 &&
                       static_cast<unsigned char>(line[i + 2]) <= 0x99;
    if (digit && line.substr(i + 3, kTimes.size()) == kTimes) {
      shown += "×";
      shown += static_cast<char>('0' + static_cast<unsigned char>(line[i + 2]) - 0x90);
      i += 3 + kTimes.size();
      continue;
    }
    shown += line[i++];
  }
  return shown;
}

}  // namespace

std::string ShownLine(std::string_view line) {
  if (SpeakingJapanese()) return std::string(line);
  return RepetitionsAsTimes(line);
}

}  // namespace rq51
