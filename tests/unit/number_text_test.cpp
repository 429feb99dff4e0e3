#include "common/number_text.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(TextToInt32, DecimalWithinTheSigned32BitRange) {
  EXPECT_EQ(TextToInt32("2147483647"), 2147483647);
  EXPECT_EQ(TextToInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(TextToInt32("2147483648"), std::nullopt);
  EXPECT_EQ(TextToInt32("-2147483649"), std::nullopt);
  EXPECT_EQ(TextToInt32("99999999999999999999"), std::nullopt);
  EXPECT_EQ(TextToInt32("+5"), 5);
  EXPECT_EQ(TextToInt32("007"), 7);
  EXPECT_EQ(TextToInt32("  12"), 12);
}

TEST(TextToInt32, HexIsATwosComplementPattern) {
  EXPECT_EQ(TextToInt32("$FFFFFFFF"), -1);
  EXPECT_EQ(TextToInt32("0x7fffffff"), 2147483647);
  EXPECT_EQ(TextToInt32("0X80000000"), INT32_MIN);
  EXPECT_EQ(TextToInt32("x1A"), 26);
  EXPECT_EQ(TextToInt32("X1a"), 26);
  EXPECT_EQ(TextToInt32("-$10"), -16);
  EXPECT_EQ(TextToInt32("$123456789"), std::nullopt);
  EXPECT_EQ(TextToInt32("0x"), std::nullopt);
  EXPECT_EQ(TextToInt32("$"), std::nullopt);
  EXPECT_EQ(TextToInt32("0xG"), std::nullopt);
}

TEST(TextToInt32, TheWholeTextMustBeTheNumber) {
  EXPECT_EQ(TextToInt32(""), std::nullopt);
  EXPECT_EQ(TextToInt32(" "), std::nullopt);
  EXPECT_EQ(TextToInt32("-"), std::nullopt);
  EXPECT_EQ(TextToInt32("12 "), std::nullopt);
  EXPECT_EQ(TextToInt32("1 2"), std::nullopt);
  EXPECT_EQ(TextToInt32("- 5"), std::nullopt);
  EXPECT_EQ(TextToInt32("True"), std::nullopt);
  EXPECT_EQ(TextToInt32("1.5"), std::nullopt);
  EXPECT_EQ(TextToInt32("\t12"), std::nullopt);
}

}  // namespace
}  // namespace lumo
