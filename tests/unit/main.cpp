#include <gtest/gtest.h>

#include "support/code_page_936.h"

int main(int argc, char** argv) {
  // The suite runs as the program does on a till: with the lead bytes of code page 936.
  lumo::SetLeadByteRanges(lumo::test::kCodePage936LeadBytes);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
