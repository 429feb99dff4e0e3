#pragma once
// Which window is the register window, decided as Lumo's start attempt decides it: the
// caption must occur in the title as Lumo reads it. Lumo looks only at the window in front;
// an integrator's tool looks at every visible one, so it can also say what else is there.
#include <string>
#include <string_view>
#include <vector>

#include "common/window_handle.h"

namespace lumo {

struct TitledWindow {
  WindowHandle Handle = 0;
  std::string Title;  // ANSI bytes, read into Lumo's 64-byte buffer
  bool Answered = true;
};

struct WindowChoice {
  WindowHandle Chosen = 0;  // 0 when no window or more than one matches
  const TitledWindow* Window = nullptr;
  std::string Message;  // why nothing was chosen, ANSI bytes
};

WindowChoice ChooseRegisterWindow(const std::vector<TitledWindow>& windows,
                                  std::string_view caption);

}  // namespace lumo
