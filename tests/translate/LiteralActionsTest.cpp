// The digit-string conversions, the constant and string actions (productions 1 to
// 12) and the progress value.
#include <gtest/gtest.h>

#include <string>

#include "tests/translate/TestRhs.h"

namespace morvane {
namespace {

TEST(DigitStrings, OctalToInt) {
  struct Case {
    const char* digits;
    std::int32_t value;
  };
  const Case cases[] = {
      {"017", 15},
      {"0", 0},
      {"0L", 0},
      {"0uL", 0},
      {"", 0},
      {"0777", 511},
      {"037777777777", -1},         // 2^32 - 1
      {"020000000000", INT32_MIN},  // 2^31
      {"040000000001", 1},          // 2^32 + 1 wraps
      // Digits whose weight is a multiple of 2^32 add nothing, however many.
      {"0777777777777777777777777777777", static_cast<std::int32_t>(0xFFFFFFFFu)},
      {"01000000000000000000000000000000005", 5},
  };
  for (const Case& c : cases) EXPECT_EQ(OctalToInt(c.digits), c.value) << c.digits;
}

TEST(DigitStrings, HexToInt) {
  struct Case {
    const char* digits;
    std::int32_t value;
  };
  const Case cases[] = {
      {"0x1F", 31},
      {"0X1fUL", 31},
      {"0xabLu", 171},
      {"0xFFFFFFFF", -1},
      {"0x80000000", INT32_MIN},
      {"0x100000005", 5},
      {"0x", 0},
      {"0x123456789ABCDEF0", static_cast<std::int32_t>(0x9ABCDEF0u)},
  };
  for (const Case& c : cases) EXPECT_EQ(HexToInt(c.digits), c.value) << c.digits;
}

TEST(DigitStrings, StripSuffixTakesAnyNumberInAnyOrder) {
  EXPECT_EQ(stripSuffix("123UL", "lLuU"), "123");
  EXPECT_EQ(stripSuffix("123lu", "lLuU"), "123");
  EXPECT_EQ(stripSuffix("1uLlU", "lLuU"), "1");
  EXPECT_EQ(stripSuffix("uuu", "lLuU"), "");
  EXPECT_EQ(stripSuffix("2.5L", "lLfF"), "2.5");
}

struct ConstantCase {
  std::uint32_t production;
  std::string token;
  std::string text;
};

TEST(LiteralActions, Constants) {
  const ConstantCase cases[] = {
      {1, "0x1FUL", "$1F"},
      {1, "0XabLu", "$ab"},
      {2, "017", "15"},
      {2, "0", "0"},
      {2, "0L", "0"},
      {2, "037777777777", "-1"},
      {3, "123UL", "123"},
      {3, "123lu", "123"},
      {4, "1.", "1."},
      {4, "1.F", "1."},
      {5, "1.5f", "1.5"},
      {5, ".5", ".5"},
      {6, "1e5F", "1e5"},
      {6, "2e3L", "2e3"},
      {7, "'a'", "'a'"},
      {7, "L'a'", "'a'"},
      {7, "'\\n'", "'\\n'"},
      {7, "'\\''", "'\\''"},
      {8, "'\\101'", "#65"},
      {8, "'\\0'", "#0"},
      {8, "'\\777'", "#511"},
      {8, "L'\\12'", "#10"},
      {9, "'\\x41'", "'A'"},
      {9, "'\\x4a'", "'J'"},
      {9, "'\\X4A'", "'J'"},
      {9, "'\\x141'", "'A'"},  // low byte only
      {9, "'\\x0'", std::string("'\0'", 3)},
      {9, "'\\xff'", "'\xff'"},
      {9, "'\\xd'", "'\r'"},
  };
  const TranslationContext context;
  for (const ConstantCase& c : cases) {
    std::string misuse;
    EXPECT_EQ(testing::reduceWith(c.production, {c.token}, context, &misuse), c.text)
        << c.production << " " << c.token;
    EXPECT_EQ(misuse, "");
  }
}

TEST(LiteralActions, StringsAreCopiedAndCutAt255) {
  const TranslationContext context;
  EXPECT_EQ(testing::reduceWith(12, {"\"", "Hello\\n", "\""}, context), "'Hello\\n'");
  EXPECT_EQ(testing::reduceWith(12, {"L\"", "it's", "\""}, context), "'it's'");
  const std::string body255(255, 'x');
  EXPECT_EQ(testing::reduceWith(12, {"\"", body255, "\""}, context), "'" + body255 + "'");
  EXPECT_EQ(testing::reduceWith(12, {"\"", body255 + "y", "\""}, context), "'" + body255 + "'");
  std::string body300;
  for (int i = 0; i < 300; ++i) body300 += static_cast<char>('a' + i % 26);
  EXPECT_EQ(testing::reduceWith(12, {"\"", body300, "\""}, context), "'" + body300.substr(0, 255) + "'");
  EXPECT_EQ(testing::reduceWith(11, {"'a' + 'b'", "'c'"}, context), "'a' + 'b' + 'c'");
  EXPECT_EQ(testing::reduceWith(13, {"begin"}, context), "begin");
  EXPECT_EQ(testing::reduceWith(16, {"(", "x", ")"}, context), "(x)");
}

TEST(ProgressPercent, LinePerCountTruncatedAndNotClamped) {
  EXPECT_EQ(progressPercent(30, 60), 50);
  EXPECT_EQ(progressPercent(61, 60), 101);
  EXPECT_EQ(progressPercent(1, 3), 33);
  EXPECT_EQ(progressPercent(2, 3), 66);
  EXPECT_EQ(progressPercent(0, 10), 0);
  EXPECT_EQ(progressPercent(5, 0), 0);
  EXPECT_EQ(progressPercent(5, -4), 0);
  // line x 100 wraps in 32 bits: 21474837 x 100 = 2147483700 = -2147483596 (mod 2^32).
  EXPECT_EQ(progressPercent(21474837, 1), -2147483596);
  EXPECT_EQ(progressPercent(21474837, 1000), -2147483);  // truncated toward zero
  EXPECT_EQ(progressPercent(INT32_MAX, 1), -100);
}

}  // namespace
}  // namespace morvane
