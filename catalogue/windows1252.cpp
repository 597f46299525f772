#include "catalogue/windows1252.h"

#include <array>

namespace redox {
namespace {

// Code points of the bytes 0x80 to 0x9F; the rest map to themselves.
constexpr std::array<char32_t, 32> kHighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOfByte(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControlRange[byte - 0x80] : byte;
}

std::optional<unsigned char> byteOfCodePoint(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<unsigned char>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
    if (kHighControlRange[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

void appendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  }
}

struct DecodedCharacter {
  std::optional<char32_t> codePoint;  // none for an invalid sequence
  std::size_t length = 1;
};

// Decodes the UTF-8 sequence at `at`; an invalid one is one byte long.
DecodedCharacter decodeAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t codePoint = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, codePoint = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, codePoint = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, codePoint = lead & 0x07, minimum = 0x10000;
  } else {
    return {};
  }
  if (at + length > text.size()) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return {};
    codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) return {};
  return {codePoint, length};
}

}  // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size());
  for (char c : bytes) appendUtf8(utf8, codePointOfByte(static_cast<unsigned char>(c)));
  return utf8;
}

std::optional<std::string> firstUnencodableCharacter(std::string_view utf8) {
  for (std::size_t at = 0; at < utf8.size();) {
    const DecodedCharacter decoded = decodeAt(utf8, at);
    if (!decoded.codePoint || !byteOfCodePoint(*decoded.codePoint)) {
      return std::string(utf8.substr(at, decoded.length));
    }
    at += decoded.length;
  }
  return std::nullopt;
}

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const DecodedCharacter decoded = decodeAt(utf8, at);
    const std::optional<unsigned char> byte =
        decoded.codePoint ? byteOfCodePoint(*decoded.codePoint) : std::nullopt;
    if (!byte) return std::nullopt;
    bytes.push_back(static_cast<char>(*byte));
    at += decoded.length;
  }
  return bytes;
}

}  // namespace redox
