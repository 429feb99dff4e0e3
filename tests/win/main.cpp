#include <gtest/gtest.h>

#include "platform/win_code_page.h"

int main(int argc, char** argv) {
  // The code under test steps over texts by the system's lead bytes, as Lumo.exe does.
  lumo::UseSystemLeadBytes();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
