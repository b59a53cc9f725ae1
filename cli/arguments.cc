#include "cli/arguments.h"

#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/standard_notation.h"

namespace rq51::cli {

namespace {

// Splits UTF-8 text into characters; a byte that does not start a valid
// sequence stands alone.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  size_t pos = 0;
  while (pos < text.size()) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
    }
    if (pos + length > text.size()) length = 1;
    for (size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) {
        length = 1;
        break;
      }
    }
    characters.push_back(text.substr(pos, length));
    pos += length;
  }
  return characters;
}

}  // namespace

std::string Printable(std::string_view text) {
  std::string shown(text);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  }
  return shown;
}

bool TakeOptionValue(const std::vector<std::string>& args, size_t& i,
                     std::optional<std::string>& option, std::string& error) {
  const std::string& name = args[i];
  if (option.has_value()) {
    error = "option " + name + " given twice";
    return false;
  }
  if (i + 1 >= args.size()) {
    error = "option " + name + " needs a value";
    return false;
  }
  option = args[++i];
  return true;
}

OptionRead TakeValueOption(const std::vector<std::string>& args, size_t& i,
                           std::initializer_list<ValueOption> options, std::string& error) {
  for (const ValueOption& option : options) {
    if (args[i] != option.name) continue;
    return TakeOptionValue(args, i, *option.value, error) ? OptionRead::kTaken
                                                          : OptionRead::kFailed;
  }
  return OptionRead::kNotNamed;
}

bool IsLongOption(std::string_view arg) {
  return arg.size() >= 2 && arg[0] == '-' && arg[1] == '-';
}

std::string UnknownOption(std::string_view arg) {
  return "unknown option '" + Printable(arg) + "'";
}

std::string UnexpectedArgument(std::string_view arg) {
  if (arg.size() >= 2 && arg[0] == '-') return UnknownOption(arg);
  return "unexpected argument '" + Printable(arg) + "'";
}

std::optional<StickerColours> CubeFromArguments(const std::optional<std::string>& cube,
                                                const std::optional<std::string>& scramble,
                                                std::string& error) {
  StickerColours colours{};
  if (cube.has_value() == scramble.has_value()) {
    error = cube ? "give either --cube or --scramble, not both"
                 : "missing --cube LETTERS or --scramble \"MOVES\"";
    return std::nullopt;
  }

  if (cube) {
    const std::vector<std::string_view> letters = Characters(*cube);
    if (letters.size() != kFaceletCount) {
      error = "--cube needs 54 colours, got " + std::to_string(letters.size());
      return std::nullopt;
    }
    for (int k = 1; k <= kFaceletCount; ++k) {
      const std::string_view letter = letters[k - 1];
      if (letter == ".") continue;
      const std::optional<Colour> colour = ColourOfLetter(letter);
      if (!colour) {
        error = "bad colour '" + Printable(letter) + "' at position " + std::to_string(k) +
                " (expected G, R, B, O, W, Y or .)";
        return std::nullopt;
      }
      colours[k] = *colour;
    }
  } else {
    // The program's notation first, then standard notation.
    const TurnSequence sequence = ReadTurnSequence(*scramble);
    if (!sequence.read) {
      error = sequence.open_bracket
                  ? "bracket without a closing ')' in --scramble at '" +
                        Printable(sequence.unread_word) + "'"
                  : "unknown move '" + Printable(sequence.unread_word) + "' in --scramble";
      return std::nullopt;
    }
    colours = ColoursAfterTurns(sequence.moves);
  }
  return colours;
}

}  // namespace rq51::cli
