#pragma once
// The show and close commands, the hotkeys and one capture tick against a live register
// window, with the calls written down instead of reaching the announcer.
#include <string>
#include <vector>

#include "announcer/window_texts.h"
#include "capture/capture_system.h"
#include "capture/display_picture.h"
#include "common/window_handle.h"
#include "hotkeys/hotkey_definitions.h"
#include "inspect/control_listing.h"
#include "screendef/screen_definition.h"

namespace lumo {

struct DryRunOutcome {
  std::string Report;      // ANSI bytes, lines ending in '\n'
  DisplayPicture Picture;  // what the tick composed: the picture tmp.bmp would hold
};

// What the dry run looks at: the register window and its descendants as listed.
struct DryRunWindow {
  WindowHandle Handle = 0;
  const std::vector<ControlRow>& Controls;
  WindowTexts& Texts;
};

// Runs through Lumo.exe's own command execution and capture tick. The close commands run
// as Lumo runs them, after the window has gone. Each reference that reads empty and each
// region that spans two backgrounds gets a line starting with "  ! ". program_dir ends
// with its backslash; the tick writes no file there.
DryRunOutcome RunDry(const ScreenDefinition& model, const DryRunWindow& window,
                     CaptureSystem& system, const std::string& program_dir);

// Each hotkey's keys and description, and the calls its command makes, as when pressed
// with the window attached.
std::string RunHotkeysDry(const HotkeyList& hotkeys, const DryRunWindow& window);

}  // namespace lumo
