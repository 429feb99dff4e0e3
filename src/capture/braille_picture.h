#pragma once
// A one-bit picture as terminal text at full resolution: each braille pattern character
// (U+2800-U+28FF) shows 2 x 4 pixels, a raised dot for a black pixel. The 240 x 36 display
// becomes 9 lines of 120 characters, so a person reads the price without opening a file.
#include <functional>
#include <string>

#include "capture/display_picture.h"

namespace lumo {

// UTF-8 text, one line per 4 pixel rows, each line ending with '\n'. Pixels beyond the
// picture's right or bottom edge count as white.
std::string BraillePicture(int width, int height, const std::function<bool(int x, int y)>& black);
std::string BraillePicture(const DisplayPicture& picture);

}  // namespace lumo
