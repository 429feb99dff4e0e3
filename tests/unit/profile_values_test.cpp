#include "screendef/profile_values.h"

#include <gtest/gtest.h>

#include "fake_profile_reader.h"

namespace lumo {
namespace {

TEST(ProfileValues, TheDefaultUnlessTheWholeValueIsANumberAndBooleansAreAnyNonZero) {
  const test::FakeProfileReader file("[S]\nhex=0x1F4\nminus=-1\nhexzero=$0\nword=True\nempty=");
  EXPECT_EQ(ReadInteger(file, "S", "hex", 7), 500);
  EXPECT_TRUE(ReadBool(file, "S", "minus", false));
  EXPECT_FALSE(ReadBool(file, "S", "hexzero", true));
  for (const char* key : {"word", "empty", "missing"}) {
    EXPECT_EQ(ReadInteger(file, "S", key, -7), -7) << key;
    EXPECT_TRUE(ReadBool(file, "S", key, true)) << key;
    EXPECT_FALSE(ReadBool(file, "S", key, false)) << key;
  }
}

}  // namespace
}  // namespace lumo
