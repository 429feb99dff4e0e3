#include "platform/win_sleeper.h"

#include <windows.h>

namespace lumo {

void WinSleeper::Sleep(std::uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

}  // namespace lumo
