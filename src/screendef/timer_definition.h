#pragma once
#include <string>

#include "screendef/capture_timer.h"
#include "screendef/profile_reader.h"
#include "screendef/screen_definition.h"

namespace lumo {

// Switches the capture timer by the "TIMER" section and fills ShowLastingTicks and
// TimerActions from "TIMER", "TIMER.ACTION1".."TIMER.ACTIONn" and "RECT". False, at once,
// when "Interval" is 0, when a rectangle is not four numbers, or when a resource runs out
// (the timer refused included). What was applied or stored before a failure stays; the
// action being read is dropped. Never throws. On a failure, *failure (when given) names
// the section and key that failed and why, in the words the program shows.
bool LoadTimerDefinition(ScreenDefinition& model, CaptureTimer& timer, const ProfileReader& file,
                         std::string* failure = nullptr);

}  // namespace lumo
