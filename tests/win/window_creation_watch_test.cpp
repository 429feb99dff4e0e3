// The no-box checks of the suite rely on this watch seeing a box; make sure it does.
#include "support/window_creation_watch.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

TEST(WindowCreationWatch, SeesAndRefusesAMessageBoxSoItCannotBlock) {
  const auto start = std::chrono::steady_clock::now();
  std::size_t refused = 0;
  {
    lumo::test::WindowCreationWatch watch;
    ASSERT_TRUE(watch.Active());
    MessageBoxA(nullptr, "should never show", "Lumo", MB_OK);
    refused = watch.Refused().size();
    EXPECT_EQ(watch.Refused().front(), "#32770");
  }
  EXPECT_GE(refused, 1u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

  // Once the watch is gone, windows are created again.
  const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(window, nullptr);
  DestroyWindow(window);
}

}  // namespace
