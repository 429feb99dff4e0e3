#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

namespace lumo {

// WM_GETTEXT into a buffer of buffer_size bytes, with a bounded wait: a register program
// that hangs must not hang the service with it. Empty on timeout.
std::string ReadWindowTitle(HWND window, std::size_t buffer_size);

}  // namespace lumo
