// Numbers as the windows show them.
#pragma once

#include <cstdio>
#include <string>

namespace rq51 {

// "%2d": blank-padded to two characters (" 7", "54").
inline std::string Format2d(int n) {
  if (n >= 0 && n < 10) return std::string{' ', static_cast<char>('0' + n)};
  if (n >= 10 && n < 100)
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
  char text[16];
  std::snprintf(text, sizeof text, "%2d", n);
  return text;
}

}  // namespace rq51
