#include "screendef/rectangle_value.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

using Rect = CaptureRectangle;

TEST(ParseRectangle, FourIntegersInOrderLeftTopRightBottom) {
  // Items after the fourth are ignored, numbers or not.
  const struct {
    const char* text;
    Rect expected;
  } cases[] = {{"10,20,110,40", 10, 20, 110, 40},
               {" 10, 20 ,110 , 40 ", 10, 20, 110, 40},
               {"10 20\t110 40", 10, 20, 110, 40},
               {"$A,0x14,-5,+7", 10, 20, -5, 7},
               {"\"1\",2,\"3\",4", 1, 2, 3, 4},
               {"1,2,3,4,5", 1, 2, 3, 4},
               {"1,2,3,4,x,", 1, 2, 3, 4},
               {"-2147483648,2147483647,$FFFFFFFF,0", INT32_MIN, INT32_MAX, -1, 0}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseRectangle(text), expected) << text;
  }
}

TEST(ParseRectangle, FewerThanFourNumbersIsNoRectangle) {
  // A comma at the end and a doubled comma add empty items, which are no numbers.
  for (const char* text : {"", "   ", "1,2,3", "1;2;3;4", "1,2,3,", "1,,3,4", "1,2,x,4",
                           "1,2,3,2147483648", "1,2,3,4.0", "\"1,2\",3,4"}) {
    EXPECT_EQ(ParseRectangle(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace lumo
