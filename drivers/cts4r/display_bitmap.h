#pragma once
// A bitmap file as the announcer's 240 x 36 one-bit display would show it.
#include <cstdint>
#include <string>

#include "capture/display_picture.h"

namespace lumo::cts4r {

// Loads any bitmap file Windows reads, places its top-left corner at (x, y) of the display
// and clips it to the display and, when given, to rect (left, top, right, bottom, all
// inclusive). Uncovered pixels are white; a pixel is black when its brightness is below
// half. False when the file is no bitmap.
bool LoadDisplayPicture(const std::string& path, std::int32_t x, std::int32_t y,
                        const std::int32_t* rect, DisplayPicture& picture);

}  // namespace lumo::cts4r
