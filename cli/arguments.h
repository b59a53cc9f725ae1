// What every sub-command of rq51-cli does with its arguments alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rq51::cli {

// The argument as it can stand in a one-line message: control characters
// (a newline, say) are shown as '?'.
std::string Printable(std::string_view text);

// Stores the value that follows the option at args[i] and moves i past it;
// false, with `error` set, when the option was given before or has no value.
bool TakeOptionValue(const std::vector<std::string>& args, size_t& i,
                     std::optional<std::string>& option, std::string& error);

}  // namespace rq51::cli
