// What every sub-command of rq51-cli does with its arguments alike.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cube/arrangement_check.h"

namespace rq51::cli {

// The argument as it can stand in a one-line message: control characters
// (a newline, say) are shown as '?'.
std::string Printable(std::string_view text);

// Stores the value that follows the option at args[i] and moves i past it;
// false, with `error` set, when the option was given before or has no value.
bool TakeOptionValue(const std::vector<std::string>& args, size_t& i,
                     std::optional<std::string>& option, std::string& error);

// An option that takes a value, and where the value is kept.
struct ValueOption {
  std::string_view name;
  std::optional<std::string>* value;
};

enum class OptionRead { kNotNamed, kTaken, kFailed };

// When args[i] names one of `options`: stores its value and moves i past it
// (kTaken), or sets `error` (kFailed) as TakeOptionValue does. kNotNamed,
// and nothing changes, for any other argument.
OptionRead TakeValueOption(const std::vector<std::string>& args, size_t& i,
                           std::initializer_list<ValueOption> options, std::string& error);

// Whether `arg` has the form of a long option ("--name").
bool IsLongOption(std::string_view arg);
// The message for an argument no option of the command takes: an unknown
// option for one that starts with '-', an unexpected argument otherwise.
std::string UnknownOption(std::string_view arg);
std::string UnexpectedArgument(std::string_view arg);

// The colours that --cube LETTERS or --scramble "MOVES" give, exactly one
// of them present: 54 letters G R B O W Y ('.' leaves a cell kNone), or
// turns in the program's notation or else in standard notation performed on
// a solved cube. Nothing, with `error` set, for anything else.
std::optional<StickerColours> CubeFromArguments(const std::optional<std::string>& cube,
                                                const std::optional<std::string>& scramble,
                                                std::string& error);

}  // namespace rq51::cli
