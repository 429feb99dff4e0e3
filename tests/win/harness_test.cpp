// The harness must give the program the environment of the tills it serves: code page 936
// and a display. Everything else in this suite relies on it.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/paths.h"

namespace {

TEST(Harness, RunsWithChineseAnsiCodePage) {
  EXPECT_EQ(GetACP(), 936u);
  EXPECT_TRUE(IsDBCSLeadByte(0xB0));
  EXPECT_FALSE(IsDBCSLeadByte('A'));
}

TEST(Harness, HasADisplayAndFindsTheBuiltProgram) {
  EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
  const std::string lumo = lumo::test::BinDir() + "Lumo.exe";
  EXPECT_NE(GetFileAttributesA(lumo.c_str()), INVALID_FILE_ATTRIBUTES) << lumo;
}

}  // namespace
