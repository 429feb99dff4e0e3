#pragma once
// Pictures as text, one string per row from the top: a one-bit bitmap file, or what the
// screen shows over a window.
#include <windows.h>

#include <string>
#include <vector>

namespace lumo::test {

// The one-bit bitmap file at path: '.' white, '#' any other colour. No rows when Windows
// cannot load it as a one-bit bitmap.
std::vector<std::string> BitmapRows(const std::string& path);

// The screen over the window's client area, saved for reviewers as
// build/win64/screenshots/<name>.bmp: '#' where a pixel is darker than half brightness.
std::vector<std::string> Screenshot(HWND window, const std::string& name);

}  // namespace lumo::test
