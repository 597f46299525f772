#pragma once

#include <string_view>

namespace redox {

// Reads a typed answer as a number: blanks, tabs and line feeds are dropped,
// then the longest leading decimal number counts ("+"/"-", digits, one ".",
// an exponent with E or D). The point is the decimal separator whatever the
// locale; an answer that starts with no number reads as 0.
double readLeadingNumber(std::string_view answer);

}  // namespace redox
