#include "engine/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace redox {
namespace {

struct AnswerCase {
  std::string answer;
  double value;
};

TEST(LeadingNumber, ReadsTheLongestLeadingDecimalNumber) {
  const AnswerCase cases[] = {
      {"-3", -3},     {" - 3 ", -3}, {"-3.0", -3}, {"-3abc", -3},  {"+6", 6},       {"6", 6},
      {"\t6\n", 6},   {" 6 ", 6},    {"2,5", 2},   {"2.5", 2.5},   {".5", 0.5},     {"5.", 5},
      {"1.2.3", 1.2}, {"1e2", 100},  {"1D2", 100}, {"1d-2", 0.01}, {"2.5E+1x", 25}, {"1e", 1},
      {"1e+", 1},     {"3-", 3},     {"", 0},      {" ", 0},       {"abc", 0},      {"-", 0},
      {".", 0},       {"+.", 0},     {"e5", 0},    {"--3", 0},     {"2.67", 2.67},  {"1 2", 12},
      {"\r5", 0},
  };
  for (const AnswerCase& c : cases) {
    EXPECT_EQ(readLeadingNumber(c.answer), c.value) << '"' << c.answer << '"';
  }
}

TEST(LeadingNumber, MatchesAFractionOnlyInFullPrecision) {
  EXPECT_NE(readLeadingNumber("2.67"), 8.0 / 3.0);
  EXPECT_EQ(readLeadingNumber("2.6666666666666665"), 8.0 / 3.0);
}

TEST(LeadingNumber, SaturatesOutOfRangeExponents) {
  EXPECT_EQ(readLeadingNumber("1e999"), INFINITY);
  EXPECT_EQ(readLeadingNumber("-1e999"), -INFINITY);
  EXPECT_EQ(readLeadingNumber("0.001e310"), 1e307);
  EXPECT_EQ(readLeadingNumber("1e-999"), 0.0);
  EXPECT_EQ(readLeadingNumber("123e99999999999999999999"), INFINITY);
}

}  // namespace
}  // namespace redox
