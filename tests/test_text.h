// Saved texts spoilt line by line, as the tests of reading them back need.
#pragma once

#include <string>
#include <string_view>

namespace rq51::test {

// The text with line `line` (from 1) replaced.
inline std::string WithLine(std::string text, int line, std::string_view replacement) {
  size_t start = 0;
  for (int n = 1; n < line; ++n) start = text.find('\n', start) + 1;
  const size_t end = text.find('\n', start);
  return text.replace(start, end - start, replacement);
}

// The first `lines` lines of the text.
inline std::string FirstLines(const std::string& text, int lines) {
  size_t end = 0;
  for (int n = 0; n < lines; ++n) end = text.find('\n', end) + 1;
  return text.substr(0, end);
}

}  // namespace rq51::test
