#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace redox {

// Every byte has a character: the five bytes Windows-1252 leaves undefined
// become the control characters U+0081, U+008D, U+008F, U+0090 and U+009D, so
// that any file reads and writes back byte for byte.
std::string windows1252ToUtf8(std::string_view bytes);

// The first character of a UTF-8 text that Windows-1252 cannot hold, as UTF-8
// (a byte that is no valid UTF-8 comes back as itself); none when all can.
std::optional<std::string> firstUnencodableCharacter(std::string_view utf8);

// Empty when the text holds a character Windows-1252 cannot hold.
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);

}  // namespace redox
