#pragma once
// The show and close commands and one capture tick against a live register window, with
// the calls written down instead of reaching the announcer.
#include <string>

#include "announcer/window_texts.h"
#include "capture/capture_system.h"
#include "capture/display_picture.h"
#include "common/window_handle.h"
#include "screendef/screen_definition.h"

namespace lumo {

struct DryRunOutcome {
  std::string Report;      // ANSI bytes, lines ending in '\n'
  DisplayPicture Picture;  // what the tick composed: the picture tmp.bmp would hold
};

// Runs through Lumo.exe's own command execution and capture tick. program_dir ends with
// its backslash; the tick writes no file there.
DryRunOutcome RunDry(const ScreenDefinition& model, WindowHandle window, WindowTexts& texts,
                     CaptureSystem& system, const std::string& program_dir);

}  // namespace lumo
