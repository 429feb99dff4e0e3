#pragma once
// Screenshots for reviewers: what a window looks like on screen, saved as a BMP under the
// build tree (build/win64/screenshots/).
#include <windows.h>

#include <string>

namespace lumo::test {

// Copies the window, frame included, from the screen into the screenshot directory as
// name + ".bmp".
// Returns the file's path, empty on failure.
std::string SaveScreenshot(HWND window, const std::string& name);

// The colour of one pixel of a window's client area, read from the screen.
COLORREF ClientPixel(HWND window, int x, int y);

}  // namespace lumo::test
