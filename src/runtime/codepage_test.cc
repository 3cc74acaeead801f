// Windows-1252 case folding and its conversion to and from UTF-8.
#include "runtime/codepage.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(CodepageTest, FoldsAsciiAndTheAccentedCapitalsOnly) {
  const std::pair<unsigned char, unsigned char> folds[] = {
      {'A', 'a'},   {'Z', 'z'},   {'a', 'a'},   {'@', '@'},   {'[', '['},
      {0xC0, 0xE0}, {0xC9, 0xE9}, {0xDE, 0xFE}, {0xD7, 0xD7}, {0xDF, 0xDF},
      {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}, {0xE9, 0xE9},
      {0x80, 0x80}, {0xFF, 0xFF},
  };
  for (const auto& [from, to] : folds) EXPECT_EQ(FoldCase(from), to) << int(from);
}

TEST(CodepageTest, ComparesWithoutRegardToCase) {
  EXPECT_TRUE(EqualsIgnoreCase("CVDate(", "cvdATE("));
  EXPECT_TRUE(EqualsIgnoreCase("\xC9TAT", "\xE9tat"));
  EXPECT_FALSE(EqualsIgnoreCase("\xD7", "\xF7"));
  EXPECT_FALSE(EqualsIgnoreCase("ab", "abc"));
}

TEST(CodepageTest, ConvertsToUtf8AndBack) {
  EXPECT_EQ(Cp1252ToUtf8("D\xE9j\xE0 \x80"), "D\xC3\xA9j\xC3\xA0 \xE2\x82\xAC");
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");
  std::string every;
  for (int c = 1; c < 256; ++c) every += static_cast<char>(c);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(every)), every);
}

TEST(CodepageTest, RejectsUtf8ThatTheCodePageCannotHold) {
  EXPECT_FALSE(Utf8ToCp1252("\xE4\xB8\xAD"));  // a CJK character
  EXPECT_FALSE(Utf8ToCp1252("\xC3"));          // cut short
  EXPECT_FALSE(Utf8ToCp1252("\xC0\xAF"));      // overlong
  EXPECT_FALSE(Utf8ToCp1252("\xE9t\xE9"));     // Windows-1252 bytes, not UTF-8
}

}  // namespace
}  // namespace quillon
