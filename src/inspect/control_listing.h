#pragma once
// What `lumo-inspect <caption>` prints about the register window: its descendants as the
// command texts reach them, and a screen-definition stub for one of them.
#include <cstdint>
#include <string>
#include <vector>

#include "common/window_handle.h"
#include "screendef/capture_action.h"

namespace lumo {

struct WindowRow {
  WindowHandle Handle = 0;
  std::string Title;  // ANSI bytes, read as Lumo reads a title
  std::string Class;
  CaptureRectangle Screen;  // the whole window on the screen
  // The client area's top-left corner in whole-window coordinates.
  std::int32_t ClientLeft = 0;
  std::int32_t ClientTop = 0;
};

enum class TextRead { Answered, NoAnswer, Skipped };

struct ControlRow {
  int Number = 0;  // the n of "%n": position in the descendant enumeration, from 1
  int Parent = 0;  // Number of the parent; 0 for the register window itself
  std::int32_t Id = 0;
  std::string Class;
  bool Visible = false;
  std::string Text;  // ANSI bytes, read as "<%id%>" reads a control
  TextRead Read = TextRead::Answered;
  // Whole-window coordinates, frame and title bar included, as [RECT] gives regions:
  CaptureRectangle Rect;    // the control
  CaptureRectangle Inside;  // its client area, without its border
};

// The window and a table of its descendants. ANSI bytes.
std::string FormatListing(const WindowRow& window, const std::vector<ControlRow>& controls);

// A [TIMER.ACTIONn] section and its [RECT] entry n that copy the client area of control, with
// comments on how the commands reach it. Plain ASCII, so it can be appended to Lumo.sdf.
// The profile reader reads only the first [RECT] section: the entry comes under a [RECT]
// header only for the first stub, otherwise as a comment to move into that section.
std::string SdfStub(const ControlRow& control, int action, bool first);

}  // namespace lumo
