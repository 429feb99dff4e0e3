#pragma once
#include <cstdint>
#include <string>

#include "screendef/capture_timer.h"
#include "screendef/profile_reader.h"
#include "screendef/screen_definition.h"

namespace lumo {

// The most "Actions" a file may ask for. Each action draws into a place 16 pixels high and
// at least one wide (a narrower place draws nothing): the 36-pixel-high display holds two
// rows of them, 240 each, before one place must cover another. A larger count can only be
// a mistake, and reading it costs start-up (every key is a profile read, about a
// millisecond each under Wine) and every capture tick its share.
inline constexpr std::int32_t kMaxTimerActions = 2 * 240;

// Switches the capture timer by the "TIMER" section and fills ShowLastingTicks and
// TimerActions from "TIMER", "TIMER.ACTION1".."TIMER.ACTIONn" and "RECT". False, at once,
// when "Interval" is 0, when "Actions" is above kMaxTimerActions (before any action is
// read), when a rectangle is not four numbers, or when a resource runs out
// (the timer refused included). What was applied or stored before a failure stays; the
// action being read is dropped. Never throws. On a failure, *failure (when given) names
// the section and key that failed and why, in the words the program shows.
bool LoadTimerDefinition(ScreenDefinition& model, CaptureTimer& timer, const ProfileReader& file,
                         std::string* failure = nullptr);

}  // namespace lumo
