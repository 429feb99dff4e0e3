#include "common/number_text.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(TextToInt32, DecimalAndTwosComplementHexWithinThe32BitRange) {
  const std::pair<const char*, std::int32_t> cases[] = {{"2147483647", INT32_MAX},
                                                        {"-2147483648", INT32_MIN},
                                                        {"+5", 5},
                                                        {"007", 7},
                                                        {"  12", 12},
                                                        {"$FFFFFFFF", -1},
                                                        {"x1A", 26},
                                                        {"X1a", 26},
                                                        {"0x7fffffff", INT32_MAX},
                                                        {"0X80000000", INT32_MIN},
                                                        {"-$10", -16},
                                                        {"$0000003E9", 1001},
                                                        {"0x00000000FFFFFFFF", -1}};
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(TextToInt32(text), value) << text;
  }
}

TEST(TextToInt32, OutOfRangeOrNotWhollyANumberIsNone) {
  for (const char* text :
       {"2147483648", "-2147483649", "99999999999999999999", "$123456789", "$0123456789", "0x", "$",
        "0xG", "", " ", "-", "12 ", "1 2", "- 5", "True", "1.5", "\t12"}) {
    EXPECT_EQ(TextToInt32(text), std::nullopt) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace lumo
