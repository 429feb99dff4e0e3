#include "capture/screen_capture.h"

#include <algorithm>

#include "capture/random_pick.h"

namespace lumo {

namespace {

const AnnouncerRect kWholeDisplay{0, 0, kDisplayWidth - 1, kDisplayHeight - 1};

}  // namespace

ScreenCapture::ScreenCapture(const ScreenDefinition& definition, const std::string& program_dir,
                             CaptureSystem& system, Announcer& announcer)
    : FDefinition(definition),
      FSystem(system),
      FAnnouncer(announcer),
      FTmpPath(program_dir + "tmp.bmp"),
      FAdFolder(program_dir + "ad\\") {}

void ScreenCapture::CopyTimerTimer(WindowHandle monitored_window) {
  const std::vector<TBmpAction>& actions = FDefinition.TimerActions;
  if (FPrompts.size() < actions.size()) {
    FPrompts.resize(actions.size());
  }
  FWindow = monitored_window;
  FHaveLayout = FWindow != 0 && !actions.empty() && FSystem.GetWindowLayout(FWindow, FLayout);
  for (std::size_t i = 0; i < actions.size(); ++i) {
    RunBmpAction(i, actions[i]);
  }
  if (!SameImage(FDisplayImage, FSentImage)) {
    SendDisplayImage();
    return;
  }
  ++FCounts.Unchanged;
  if (FIdleTicks < FDefinition.ShowLastingTicks) {
    ++FIdleTicks;
  } else {
    ShowAdvertisement();
  }
}

void ScreenCapture::RunBmpAction(std::size_t index, const TBmpAction& action) {
  if (FWindow == 0) {
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
  StretchRegion(FRegion, frame, FInk, FDisplayImage,
                {action.ImageX, action.ImageY, PlaceWidth(width, height), kPlaceHeight});
}

// Copies the part of the region that lies inside the window into FRegion, so that a tick
// costs no more than copying the window, and finds its ink. What lies outside the window, a
// region too large to copy and a failed copy are white.
RegionFrame ScreenCapture::CopyRegion(const CaptureRectangle& rect, std::int64_t width,
                                      std::int64_t height) {
  const std::int64_t left = std::max<std::int64_t>(rect.Left, 0);
  const std::int64_t top = std::max<std::int64_t>(rect.Top, 0);
  const RegionFrame frame{width, height, left - rect.Left, top - rect.Top};
  FRegion.ResetWhite(0, 0);
  if (!FHaveLayout || !CopyableRegion(width, height)) {
    return frame;
  }
  const std::int64_t right = std::min<std::int64_t>(rect.Right, FLayout.width);
  const std::int64_t bottom = std::min<std::int64_t>(rect.Bottom, FLayout.height);
  if (right <= left || bottom <= top) {
    return frame;
  }
  FRegion.ResetWhite(static_cast<int>(right - left), static_cast<int>(bottom - top));
  const CaptureRectangle inside{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                                static_cast<std::int32_t>(right),
                                static_cast<std::int32_t>(bottom)};
  if (!FSystem.CopyWindowRect(FWindow, inside, FRegion)) {
    FRegion.ResetWhite(0, 0);
    return frame;
  }
  // The caret blinks: were it copied, an unchanged screen would be sent on every blink.
  // Its pixels take no part in finding the background and then show it.
  const auto cover_caret = [&](ColourPixel colour) {
    const CaptureRectangle& caret = FLayout.caret;
    if (FLayout.has_caret) {
      FRegion.Fill(std::int64_t{caret.Left} - left, std::int64_t{caret.Top} - top,
                   std::int64_t{caret.Right} - left, std::int64_t{caret.Bottom} - top, colour);
    }
  };
  cover_caret(kNoColour);
  FInk.background = FCounter.MostFrequent(FRegion);
  cover_caret(FInk.background);
  return frame;
}

void ScreenCapture::DrawPrompt(std::size_t index, const TBmpAction& action) {
  if (action.Prompt.empty()) {
    return;
  }
  PromptCache& cache = FPrompts[index];
  if (!cache.rendered || cache.text != action.Prompt) {
    cache.text = action.Prompt;
    FSystem.RenderPrompt(cache.text, cache.mask);
    cache.rendered = true;
  }
  PlacePrompt(cache.mask, FDisplayImage, action.PromptX, action.PromptY);
}

void ScreenCapture::SendDisplayImage() {
  EncodeBmp(FDisplayImage, FBmp);
  // Without a fresh file the driver would get a stale picture: leave SentImage as it was so
  // that the next tick tries again.
  if (!FSystem.WriteFile(FTmpPath, FBmp.data(), FBmp.size())) {
    return;
  }
  FAnnouncer.DrawImage(0, 0, FTmpPath, nullptr);
  FSentImage = FDisplayImage;
  FIdleTicks = 0;
  ++FCounts.Pictures;
}

void ScreenCapture::ShowAdvertisement() {
  FSystem.ListFolderFiles(FAdFolder, FAdNames);
  if (!FAdNames.empty()) {
    const std::size_t pick = PickIndex(FSystem.HighResolutionCounter(), FAdNames.size());
    FAdPath.assign(FAdFolder);
    FAdPath += FAdNames[pick];
    FAnnouncer.DrawImage(0, 0, FAdPath, &kWholeDisplay);
    ++FCounts.Advertisements;
  }
  FIdleTicks = 0;
}

}  // namespace lumo
