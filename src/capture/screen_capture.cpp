#include "capture/screen_capture.h"

#include "capture/compose.h"
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
  for (std::size_t i = 0; i < actions.size(); ++i) {
    RunBmpAction(i, actions[i], monitored_window);
  }
  if (!SameImage(FDisplayImage, FSentImage)) {
    SendDisplayImage();
  } else if (FIdleTicks < FDefinition.ShowLastingTicks) {
    ++FIdleTicks;
  } else {
    ShowAdvertisement();
  }
}

void ScreenCapture::RunBmpAction(std::size_t index, const TBmpAction& action, WindowHandle window) {
  if (window == 0) {
    return;
  }
  const CaptureRectangle& rect = action.CaptureRect;
  const std::int64_t width = std::int64_t{rect.Right} - rect.Left;
  const std::int64_t height = std::int64_t{rect.Bottom} - rect.Top;
  // Without a positive width and height there is nothing to copy and no place to scale to.
  if (width <= 0 || height <= 0) {
    return;
  }
  const bool copyable = width * height <= kMaxRegionPixels;
  if (copyable) {
    FRegion.ResetWhite(static_cast<int>(width), static_cast<int>(height));
    if (!FSystem.CopyWindowRect(window, rect, FRegion)) {
      FRegion.ResetWhite(static_cast<int>(width), static_cast<int>(height));
    }
  } else {
    FRegion.ResetWhite(1, 1);
  }
  DrawPrompt(index, action);
  StretchRegion(FRegion, FDisplayImage, action.ImageX, action.ImageY, PlaceWidth(width, height),
                kPlaceHeight);
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
}

void ScreenCapture::ShowAdvertisement() {
  FSystem.ListFolderFiles(FAdFolder, FAdNames);
  if (!FAdNames.empty()) {
    const std::size_t pick = PickIndex(FSystem.HighResolutionCounter(), FAdNames.size());
    FAdPath.assign(FAdFolder);
    FAdPath += FAdNames[pick];
    FAnnouncer.DrawImage(0, 0, FAdPath, &kWholeDisplay);
  }
  FIdleTicks = 0;
}

}  // namespace lumo
