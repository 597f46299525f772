#include "engine/leading_number.h"

#include <charconv>
#include <limits>
#include <string>

namespace redox {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSign(char c) { return c == '+' || c == '-'; }

std::string withoutBlanks(std::string_view answer) {
  std::string kept;
  kept.reserve(answer.size());
  for (char c : answer) {
    if (c != ' ' && c != '\t' && c != '\n') kept.push_back(c);
  }
  return kept;
}

std::size_t skipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && isDigit(text[at])) ++at;
  return at;
}

// The pieces of the longest leading decimal number in a text.
struct NumberSpan {
  std::size_t signEnd = 0;      // end of the optional sign
  std::size_t mantissaEnd = 0;  // end of digits and point
  std::size_t end = 0;          // end of the exponent, or mantissaEnd
  bool hasDigits = false;
};

NumberSpan findNumber(std::string_view text) {
  NumberSpan span;
  std::size_t at = !text.empty() && isSign(text[0]) ? 1 : 0;
  span.signEnd = at;
  const std::size_t integerEnd = skipDigits(text, at);
  span.hasDigits = integerEnd > at;
  at = integerEnd;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fractionEnd = skipDigits(text, at + 1);
    span.hasDigits = span.hasDigits || fractionEnd > at + 1;
    at = fractionEnd;
  }
  span.mantissaEnd = at;
  span.end = at;
  if (span.hasDigits && at < text.size() &&
      (text[at] == 'e' || text[at] == 'E' || text[at] == 'd' || text[at] == 'D')) {
    std::size_t exponentDigits = at + 1;
    if (exponentDigits < text.size() && isSign(text[exponentDigits])) ++exponentDigits;
    const std::size_t exponentEnd = skipDigits(text, exponentDigits);
    if (exponentEnd > exponentDigits) span.end = exponentEnd;
  }
  return span;
}

// Where the first significant digit of the mantissa stands, as a power of ten
// plus one: "123" gives 3, "0.05" gives -1. Tells overflow from underflow.
long long leadingMagnitude(std::string_view mantissa) {
  long long magnitude = 0;
  bool beforePoint = true;
  bool significant = false;
  for (char c : mantissa) {
    if (c == '.') {
      beforePoint = false;
    } else if (isDigit(c)) {
      significant = significant || c != '0';
      if (beforePoint && significant) ++magnitude;
      if (!beforePoint && !significant) --magnitude;
    }
  }
  return magnitude;
}

long long exponentValue(std::string_view exponent) {
  long long value = 0;
  for (char c : exponent) {
    if (isDigit(c) && value < 1'000'000'000) value = value * 10 + (c - '0');
  }
  return !exponent.empty() && exponent.find('-') != std::string_view::npos ? -value : value;
}

}  // namespace

double readLeadingNumber(std::string_view answer) {
  std::string text = withoutBlanks(answer);
  const NumberSpan span = findNumber(text);
  if (!span.hasDigits) return 0.0;

  const bool negative = span.signEnd == 1 && text[0] == '-';
  std::string_view mantissa(text.data() + span.signEnd, span.mantissaEnd - span.signEnd);
  std::string_view exponent;
  if (span.end > span.mantissaEnd) {
    text[span.mantissaEnd] = 'e';  // from_chars knows no "D" exponent
    exponent =
        std::string_view(text.data() + span.mantissaEnd + 1, span.end - span.mantissaEnd - 1);
  }
  double value = 0.0;
  const char* first = text.data() + span.signEnd;
  const char* last = text.data() + span.end;
  const auto result = std::from_chars(first, last, value);
  if (result.ec == std::errc::result_out_of_range) {
    const bool overflow = leadingMagnitude(mantissa) + exponentValue(exponent) > 0;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace redox
