#pragma once
// The details of the support log's lines about what was loaded and pressed, in the words
// the integrator's documents use. Texts are ANSI bytes, as everything they quote.
#include <cstdint>
#include <string>

#include "hotkeys/hotkey_definitions.h"
#include "screendef/screen_definition.h"

namespace lumo {

// "\"C:\Pos\Lumo.sdf\": caption \"银台\", 1 show, 2 close, 4 timer actions, timer on 500 ms"
std::string ScreenDefinitionLoaded(const std::string& path, const ScreenDefinition& definition,
                                   bool timer_on, std::uint32_t interval);

// "#0 Ctrl+Alt+F7 \"Price\"": the identifier, the combination and the description.
std::string HotkeyNamed(std::int32_t index, const HotkeyList& list);

}  // namespace lumo
