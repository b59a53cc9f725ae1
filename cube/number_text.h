// Numbers as the windows show them.
#pragma once

#include <cstdio>
#include <string>

namespace rq51 {

// "%2d": blank-padded to two characters (" 7", "54").
inline std::string Format2d(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%2d", n);
  return text;
}

}  // namespace rq51
