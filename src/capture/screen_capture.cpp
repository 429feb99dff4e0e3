#include "capture/screen_capture.h"

#include <algorithm>

#include "capture/random_pick.h"

namespace lumo {

namespace {

const AnnouncerRect kWholeDisplay{0, 0, kDisplayWidth - 1, kDisplayHeight - 1};

}  // namespace

ScreenCapture::ScreenCapture(const ScreenDefinition& definition, const std::string& program_dir,
                             CaptureSystem& system, Announcer& announcer)
    : definition_(definition),
      system_(system),
      announcer_(announcer),
      tmp_path_(program_dir + "tmp.bmp"),
      ad_folder_(program_dir + "ad\\") {}

void ScreenCapture::OnCaptureTick(WindowHandle monitored_window) {
  const std::vector<CaptureAction>& actions = definition_.TimerActions;
  if (prompts_.size() < actions.size()) {
    prompts_.resize(actions.size());
  }
  window_ = monitored_window;
  have_layout_ = window_ != 0 && !actions.empty() && system_.GetWindowLayout(window_, layout_);
  for (std::size_t i = 0; i < actions.size(); ++i) {
    RunCaptureAction(i, actions[i]);
  }
  if (!SameImage(display_image_, sent_image_)) {
    SendDisplayImage();
    return;
  }
  ++counts_.Unchanged;
  if (idle_ticks_ < definition_.ShowLastingTicks) {
    ++idle_ticks_;
  } else {
    ShowAdvertisement();
  }
}

void ScreenCapture::RunCaptureAction(std::size_t index, const CaptureAction& action) {
  if (window_ == 0) {
    return;
  }
  const CaptureRectangle& rect = action.CaptureRect;
  const std::int64_t width = std::int64_t{rect.Right} - rect.Left;
  const std::int64_t height = std::int64_t{rect.Bottom} - rect.Top;
  // Without a positive width and height there is nothing to copy and no place to scale to.
  if (width <= 0 || height <= 0) {
    return;
  }
  const RegionFrame frame = CopyRegion(rect, width, height);
  DrawPrompt(index, action);
  StretchRegion(region_, frame, ink_, display_image_,
                {action.ImageX, action.ImageY, PlaceWidth(width, height), kPlaceHeight});
}

// Copies the part of the region that lies inside the window into region_, so that a tick
// costs no more than copying the window, and finds its ink. What lies outside the window, a
// region too large to copy and a failed copy are white.
RegionFrame ScreenCapture::CopyRegion(const CaptureRectangle& rect, std::int64_t width,
                                      std::int64_t height) {
  const std::int64_t left = std::max<std::int64_t>(rect.Left, 0);
  const std::int64_t top = std::max<std::int64_t>(rect.Top, 0);
  const RegionFrame frame{width, height, left - rect.Left, top - rect.Top};
  region_.ResetWhite(0, 0);
  if (!have_layout_ || !CopyableRegion(width, height)) {
    return frame;
  }
  const std::int64_t right = std::min<std::int64_t>(rect.Right, layout_.width);
  const std::int64_t bottom = std::min<std::int64_t>(rect.Bottom, layout_.height);
  if (right <= left || bottom <= top) {
    return frame;
  }
  region_.ResetWhite(static_cast<int>(right - left), static_cast<int>(bottom - top));
  const CaptureRectangle inside{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                                static_cast<std::int32_t>(right),
                                static_cast<std::int32_t>(bottom)};
  if (!system_.CopyWindowRect(window_, inside, region_)) {
    region_.ResetWhite(0, 0);
    return frame;
  }
  // The caret blinks: were it copied, an unchanged screen would be sent on every blink.
  // Its pixels take no part in finding the background and then show it.
  const auto cover_caret = [&](ColourPixel colour) {
    const CaptureRectangle& caret = layout_.caret;
    if (layout_.has_caret) {
      region_.Fill(std::int64_t{caret.Left} - left, std::int64_t{caret.Top} - top,
                   std::int64_t{caret.Right} - left, std::int64_t{caret.Bottom} - top, colour);
    }
  };
  cover_caret(kNoColour);
  ink_.background = counter_.MostFrequent(region_);
  cover_caret(ink_.background);
  return frame;
}

void ScreenCapture::DrawPrompt(std::size_t index, const CaptureAction& action) {
  if (action.Prompt.empty()) {
    return;
  }
  PromptCache& cache = prompts_[index];
  if (!cache.rendered || cache.text != action.Prompt) {
    cache.text = action.Prompt;
    system_.RenderPrompt(cache.text, cache.mask);
    cache.rendered = true;
  }
  PlacePrompt(cache.mask, display_image_, action.PromptX, action.PromptY);
}

void ScreenCapture::SendDisplayImage() {
  EncodeBmp(display_image_, bmp_);
  // Without a fresh file the driver would get a stale picture: leave SentImage as it was so
  // that the next tick tries again.
  if (!system_.WriteFile(tmp_path_, bmp_.data(), bmp_.size())) {
    return;
  }
  announcer_.DrawImage(0, 0, tmp_path_, nullptr);
  sent_image_ = display_image_;
  idle_ticks_ = 0;
  ++counts_.Pictures;
}

void ScreenCapture::ShowAdvertisement() {
  system_.ListFolderFiles(ad_folder_, ad_names_);
  if (!ad_names_.empty()) {
    const std::size_t pick = PickIndex(system_.HighResolutionCounter(), ad_names_.size());
    ad_path_.assign(ad_folder_);
    ad_path_ += ad_names_[pick];
    announcer_.DrawImage(0, 0, ad_path_, &kWholeDisplay);
    ++counts_.Advertisements;
  }
  idle_ticks_ = 0;
}

}  // namespace lumo
