#include "screendef/profile_values.h"

#include <gtest/gtest.h>

#include "fake_profile_reader.h"

namespace lumo {
namespace {

TEST(ProfileValues, IntegerIsTheDefaultUnlessTheWholeValueIsANumber) {
  test::FakeProfileReader file;
  file.Set("S", "hex", "0x1F4").Set("S", "empty", "").Set("S", "word", "True");
  EXPECT_EQ(ReadInteger(file, "S", "hex", 7), 500);
  // Present but empty is no number either.
  EXPECT_EQ(ReadInteger(file, "S", "empty", 7), 7);
  EXPECT_EQ(ReadInteger(file, "S", "word", 7), 7);
  EXPECT_EQ(ReadInteger(file, "S", "missing", -7), -7);
}

TEST(ProfileValues, BooleanIsAnyNonZeroNumber) {
  test::FakeProfileReader file;
  file.Set("S", "one", "1")
      .Set("S", "zero", "0")
      .Set("S", "minus", "-1")
      .Set("S", "hexzero", "$0")
      .Set("S", "word", "True")
      .Set("S", "empty", "");
  for (bool fallback : {false, true}) {
    SCOPED_TRACE(fallback);
    EXPECT_TRUE(ReadBool(file, "S", "one", fallback));
    EXPECT_FALSE(ReadBool(file, "S", "zero", fallback));
    EXPECT_TRUE(ReadBool(file, "S", "minus", fallback));
    EXPECT_FALSE(ReadBool(file, "S", "hexzero", fallback));
    EXPECT_EQ(ReadBool(file, "S", "word", fallback), fallback);
    EXPECT_EQ(ReadBool(file, "S", "empty", fallback), fallback);
    EXPECT_EQ(ReadBool(file, "S", "missing", fallback), fallback);
  }
}

TEST(ProfileValues, StringPresentButEmptyIsNotTheDefault) {
  test::FakeProfileReader file;
  file.Set("WINDOW", "Caption", "");
  EXPECT_EQ(ReadString(file, "WINDOW", "Caption", "x"), "");
  EXPECT_EQ(ReadString(file, "WINDOW", "Class", "x"), "x");
}

}  // namespace
}  // namespace lumo
