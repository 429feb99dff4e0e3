#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "screendef/capture_action.h"
#include "screendef/command_action.h"

namespace lumo {

// What Lumo.sdf says, loaded once at start-up and only read afterwards.
struct ScreenDefinition {
  // Found byte for byte inside the register window's title; empty matches no window.
  std::string WindowCaption;
  ActionList OnShowActions;   // run once the service has attached to the register window
  ActionList OnCloseActions;  // run when the register window has closed
  // Capture ticks the display picture may stay unchanged before an advertisement shows.
  std::int32_t ShowLastingTicks = 0;
  std::vector<CaptureAction> TimerActions;  // in the order of their section numbers
};

}  // namespace lumo
