#pragma once
// What a capture tick needs of the machine. Production wires the Win32 adapter; tests wire
// fakes. None of these calls may show a message box: a tick runs every second or so.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "capture/colour_region.h"
#include "capture/prompt_mask.h"
#include "common/window_handle.h"
#include "screendef/capture_action.h"

namespace lumo {

// The register window as one tick sees it, in coordinates of the whole window (frame and
// title bar included).
struct WindowLayout {
  std::int32_t width = 0;
  std::int32_t height = 0;
  // The text caret of the window's thread, when it shows in this window.
  bool has_caret = false;
  CaptureRectangle caret{};
};

class CaptureSystem {
 public:
  virtual ~CaptureSystem() = default;

  // The window's size and caret; false when the window is gone.
  virtual bool GetWindowLayout(WindowHandle window, WindowLayout& layout) = 0;

  // Copies the pixels of window whose top-left corner is (rect.Left, rect.Top) of the whole
  // window into target, which arrives sized to the rectangle and white. The rectangle lies
  // inside the window. False when nothing could be copied; target is then left as it came.
  virtual bool CopyWindowRect(WindowHandle window, const CaptureRectangle& rect,
                              ColourRegion& target) = 0;

  // The text cell of an ANSI text in a fresh drawing surface's default font, with its ink.
  virtual void RenderPrompt(const std::string& text, PromptMask& mask) = 0;

  // Creates or overwrites the file; false when it could not be written completely.
  virtual bool WriteFile(const std::string& path, const std::uint8_t* bytes, std::size_t size) = 0;

  // ListFolderFiles: the names of the entries of folder (with its trailing backslash) that
  // are neither folders nor hidden nor system, in the file system's order; empty when the
  // folder is missing. Replaces the contents of names.
  virtual void ListFolderFiles(const std::string& folder, std::vector<std::string>& names) = 0;

  // The high-resolution performance counter, to seed the advertisement pick.
  virtual std::uint64_t HighResolutionCounter() = 0;
};

}  // namespace lumo
