#pragma once
#include <cstdint>
#include <string>

namespace lumo {

// A region of the register window in pixels, origin at the top-left corner of the whole
// window (frame and title bar included). Right and Bottom lie just outside the region.
struct CaptureRectangle {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  bool operator==(const CaptureRectangle&) const = default;
};

// One timed capture action: a region copied out of the register window and an optional
// prompt, placed on the 240 x 36 display picture.
struct CaptureAction {
  std::string Prompt;  // ANSI bytes, drawn with its top-left corner at (PromptX, PromptY)
  std::int32_t PromptX = 0;
  std::int32_t PromptY = 0;
  CaptureRectangle CaptureRect;
  std::int32_t ImageX = 0;  // where the copied region is drawn, 16 pixels high
  std::int32_t ImageY = 0;
};

}  // namespace lumo
