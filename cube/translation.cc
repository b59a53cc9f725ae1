#include "cube/translation.h"

#include <utility>

namespace rq51 {

namespace {

struct Speaking {
  std::string code{kJapanese};
  TranslationLookup lookup;
};

Speaking& Now() {
  static Speaking speaking;
  return speaking;
}

}  // namespace

void SetLanguage(std::string_view code, TranslationLookup lookup) {
  Now().code = code;
  Now().lookup = std::move(lookup);
}

const std::string& CurrentLanguage() { return Now().code; }

bool SpeakingJapanese() { return Now().code == kJapanese; }

std::string Tr(const char* context, const char* text) {
  const TranslationLookup& lookup = Now().lookup;
  if (!lookup) return text;
  return lookup(context, text);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string filled;
  filled.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
      if (n < args.size()) {
        filled += *(args.begin() + n);
        ++i;
        continue;
      }
    }
    filled += c;
  }
  return filled;
}

}  // namespace rq51
