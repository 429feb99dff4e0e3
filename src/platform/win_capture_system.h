#pragma once
// The capture tick's view of Windows: screen copies and prompt texts through GDI, tmp.bmp
// and the advertisement folder through the file API.
#include <string>

#include "capture/capture_system.h"
#include "platform/win_dib_surface.h"

namespace lumo {

class WinCaptureSystem : public CaptureSystem {
 public:
  bool GetWindowLayout(WindowHandle window, WindowLayout& layout) override;
  bool CopyWindowRect(WindowHandle window, const CaptureRectangle& rect,
                      ColourRegion& target) override;
  void RenderPrompt(const std::string& text, PromptMask& mask) override;
  bool WriteFile(const std::string& path, const std::uint8_t* bytes, std::size_t size) override;
  void ListFolderFiles(const std::string& folder, std::vector<std::string>& names) override;
  std::uint64_t HighResolutionCounter() override;

 private:
  // Kept across ticks; grows to the largest region copied so far.
  DibSurface copy_surface_;
};

}  // namespace lumo
