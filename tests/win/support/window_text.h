#pragma once
#include <windows.h>

#include <string>

namespace lumo::test {

// WM_GETTEXT through the wide API, from any process; empty when the window does not answer.
std::wstring TextOf(HWND window);

}  // namespace lumo::test
