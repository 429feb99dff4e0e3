#pragma once
// An announcer call written down as it reads in code: Cls(0), PrintText(1, 1, "text"),
// SoundOut("text"), DrawImage(0, 0, "path", null). Texts stay ANSI bytes.
#include <cstdint>
#include <string>

#include "announcer/announcer.h"

namespace lumo {

std::string ClsCallText(std::int32_t mode);
std::string PrintTextCallText(std::int32_t first, std::int32_t line, const std::string& text);
std::string SoundOutCallText(const std::string& text);
std::string DrawImageCallText(std::int32_t x, std::int32_t y, const std::string& path,
                              const AnnouncerRect* rect);

}  // namespace lumo
