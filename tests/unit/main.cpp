#include <gtest/gtest.h>

#include "support/iconv_code_page.h"

int main(int argc, char** argv) {
  // The suite runs as the program does on a till: with the lead bytes of code page 936.
  lumo::SetLeadByteRanges(lumo::test::kCodePage936LeadBytes);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
