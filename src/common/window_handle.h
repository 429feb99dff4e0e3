#pragma once
#include <cstdint>

namespace lumo {

// A window handle as portable code sees it: an opaque integer, 0 for none.
using WindowHandle = std::uintptr_t;

}  // namespace lumo
