#pragma once
#include "announcer/announcer.h"
#include "announcer/window_texts.h"
#include "common/clock.h"
#include "common/window_handle.h"

namespace lumo {

// What a command run needs from the main window: the attached register window (0 when
// none), a way to read its controls, the announcer and the blocking wait after a clear.
struct CommandContext {
  WindowHandle MonitoredWindow;
  WindowTexts& Texts;
  Announcer& Driver;
  Sleeper& Clock;
};

}  // namespace lumo
