#pragma once
#include <cstdint>
#include <string>

namespace lumo {

// The system's description of an error code (ANSI), without the trailing newline and period.
std::string SystemErrorText(std::uint32_t code);

}  // namespace lumo
