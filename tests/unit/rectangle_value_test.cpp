#include "screendef/rectangle_value.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

using Rect = CaptureRectangle;

TEST(ParseRectangle, FourIntegersInOrderLeftTopRightBottom) {
  EXPECT_EQ(ParseRectangle("10,20,110,40"), (Rect{10, 20, 110, 40}));
  EXPECT_EQ(ParseRectangle(" 10, 20 ,110 , 40 "), (Rect{10, 20, 110, 40}));
  EXPECT_EQ(ParseRectangle("10 20\t110 40"), (Rect{10, 20, 110, 40}));
  EXPECT_EQ(ParseRectangle("$A,0x14,-5,+7"), (Rect{10, 20, -5, 7}));
  EXPECT_EQ(ParseRectangle("\"1\",2,\"3\",4"), (Rect{1, 2, 3, 4}));
  EXPECT_EQ(ParseRectangle("-2147483648,2147483647,$FFFFFFFF,0"),
            (Rect{INT32_MIN, INT32_MAX, -1, 0}));
  // Items after the fourth are ignored, numbers or not.
  EXPECT_EQ(ParseRectangle("1,2,3,4,5"), (Rect{1, 2, 3, 4}));
  EXPECT_EQ(ParseRectangle("1,2,3,4,x,"), (Rect{1, 2, 3, 4}));
}

TEST(ParseRectangle, FewerThanFourNumbersIsNoRectangle) {
  EXPECT_EQ(ParseRectangle(""), std::nullopt);
  EXPECT_EQ(ParseRectangle("   "), std::nullopt);
  EXPECT_EQ(ParseRectangle("1,2,3"), std::nullopt);
  EXPECT_EQ(ParseRectangle("1;2;3;4"), std::nullopt);
  // A comma at the end and a doubled comma add empty items, which are no numbers.
  EXPECT_EQ(ParseRectangle("1,2,3,"), std::nullopt);
  EXPECT_EQ(ParseRectangle("1,,3,4"), std::nullopt);
  EXPECT_EQ(ParseRectangle("1,2,x,4"), std::nullopt);
  EXPECT_EQ(ParseRectangle("1,2,3,2147483648"), std::nullopt);
  EXPECT_EQ(ParseRectangle("1,2,3,4.0"), std::nullopt);
  EXPECT_EQ(ParseRectangle("\"1,2\",3,4"), std::nullopt);
}

}  // namespace
}  // namespace lumo
