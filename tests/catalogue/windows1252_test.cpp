#include "catalogue/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace redox {
namespace {

TEST(Windows1252, EveryByteRoundTrips) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  const std::string utf8 = windows1252ToUtf8(all);
  EXPECT_EQ(utf8ToWindows1252(utf8), all);
  EXPECT_EQ(firstUnencodableCharacter(utf8), std::nullopt);
}

TEST(Windows1252, MapsTheCharactersTeachersType) {
  EXPECT_EQ(windows1252ToUtf8("Schwefels\xE4ure"), "Schwefels\xC3\xA4ure");
  EXPECT_EQ(windows1252ToUtf8("\x80 \x96 \xDF"), "\xE2\x82\xAC \xE2\x80\x93 \xC3\x9F");
  EXPECT_EQ(utf8ToWindows1252("Stra\xC3\x9F"
                              "e \xE2\x82\xAC"),
            "Stra\xDF"
            "e \x80");
}

TEST(Windows1252, NamesTheFirstCharacterItCannotHold) {
  // U+2192 (an arrow), then U+03B1 (alpha).
  const std::string text = "Fe \xE2\x86\x92 Fe\xCE\xB1";
  EXPECT_EQ(firstUnencodableCharacter(text), "\xE2\x86\x92");
  EXPECT_EQ(utf8ToWindows1252(text), std::nullopt);
  // A byte that is no UTF-8 at all is named as itself.
  EXPECT_EQ(firstUnencodableCharacter("ab\xFF"), "\xFF");
  EXPECT_EQ(firstUnencodableCharacter("\xC3"), "\xC3");
  EXPECT_EQ(firstUnencodableCharacter("\xED\xA0\x80"), "\xED");
}

}  // namespace
}  // namespace redox
