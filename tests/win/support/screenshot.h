#pragma once
// Pictures as text: a one-bit bitmap file, or what the screen shows over a window.
#include <windows.h>

#include <string>
#include <vector>

namespace lumo::test {

// The one-bit bitmap file at path, one text line per row from the top: '.' white, '#'
// any other colour. "not a one-bit bitmap" when Windows cannot load it as one.
std::string BitmapRows(const std::string& path);

// The screen over the window's client area, saved for reviewers as
// build/win64/screenshots/<name>.bmp, one string per row: '#' where a pixel is darker than
// half brightness, '.' elsewhere.
std::vector<std::string> Screenshot(HWND window, const std::string& name);

}  // namespace lumo::test
