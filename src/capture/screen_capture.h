#pragma once
// The capture tick: composes DisplayImage out of the register window on every tick of
// CopyTimer, sends it to the announcer when it changed, and shows advertisements while it
// stays unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "announcer/announcer.h"
#include "capture/bmp_file.h"
#include "capture/capture_system.h"
#include "capture/colour_region.h"
#include "capture/compose.h"
#include "capture/display_picture.h"
#include "capture/ink_rule.h"
#include "capture/prompt_mask.h"
#include "common/window_handle.h"
#include "screendef/screen_definition.h"

namespace lumo {

// What the ticks did since the capture began, for the support log's summary.
struct CaptureCounts {
  std::uint64_t Pictures = 0;        // pictures sent to the display
  std::uint64_t Unchanged = 0;       // ticks that found the picture as it was sent
  std::uint64_t Advertisements = 0;  // advertisements shown

  bool operator==(const CaptureCounts&) const = default;
};

class ScreenCapture {
 public:
  // program_dir ends with its backslash. The definition, system and announcer must outlive
  // this object; the definition is read on every tick.
  ScreenCapture(const ScreenDefinition& definition, const std::string& program_dir,
                CaptureSystem& system, Announcer& announcer);

  // One tick of CopyTimer. monitored_window is the attached register window, 0 for none.
  void OnCaptureTick(WindowHandle monitored_window);

  const DisplayPicture& DisplayImage() const { return display_image_; }
  const DisplayPicture& SentImage() const { return sent_image_; }
  std::int32_t IdleTicks() const { return idle_ticks_; }
  const CaptureCounts& Counts() const { return counts_; }

 private:
  // A prompt is rendered once and kept: the text and the default font do not change.
  struct PromptCache {
    std::string text;
    PromptMask mask;
    bool rendered = false;
  };

  void RunCaptureAction(std::size_t index, const CaptureAction& action);
  RegionFrame CopyRegion(const CaptureRectangle& rect, std::int64_t width, std::int64_t height);
  void DrawPrompt(std::size_t index, const CaptureAction& action);
  void SendDisplayImage();
  void ShowAdvertisement();

  const ScreenDefinition& definition_;
  CaptureSystem& system_;
  Announcer& announcer_;
  const std::string tmp_path_;
  const std::string ad_folder_;

  DisplayPicture display_image_;
  DisplayPicture sent_image_;
  std::int32_t idle_ticks_ = 0;
  CaptureCounts counts_;

  // The window of this tick, and what it showed.
  WindowHandle window_ = 0;
  bool have_layout_ = false;
  WindowLayout layout_;

  // Kept between ticks so that an ordinary tick allocates nothing.
  ColourRegion region_;
  BackgroundCounter counter_;
  InkRule ink_;
  std::vector<PromptCache> prompts_;
  BmpFileBytes bmp_{};
  std::vector<std::string> ad_names_;
  std::string ad_path_;
};

}  // namespace lumo
