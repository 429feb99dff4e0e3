// The capture tick over a screen definition the fuzzer writes: region geometry, the stretch
// onto the display picture, prompts and the BMP file of every picture sent. The register
// window is 64 x 48 pixels coloured by the input's bytes.
#include <algorithm>
#include <cstdlib>

#include "capture/screen_capture.h"
#include "fake_profile_reader.h"
#include "fakes/machine.h"
#include "screendef/timer_definition.h"

namespace {

constexpr std::int32_t kWindowWidth = 64;
constexpr std::int32_t kWindowHeight = 48;

class FuzzSystem : public lumo::CaptureSystem {
 public:
  explicit FuzzSystem(std::string_view colours) : colours_(colours) {}

  // A caret where the input's first bytes put it, when there are any.
  bool GetWindowLayout(lumo::WindowHandle, lumo::WindowLayout& layout) override {
    layout = {kWindowWidth, kWindowHeight, colours_.size() >= 2, {}};
    if (layout.has_caret) {
      const auto x = static_cast<std::uint8_t>(colours_[0]) % kWindowWidth;
      const auto y = static_cast<std::uint8_t>(colours_[1]) % kWindowHeight;
      layout.caret = {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                      static_cast<std::int32_t>(x + 2), static_cast<std::int32_t>(y + 16)};
    }
    return true;
  }

  bool CopyWindowRect(lumo::WindowHandle, const lumo::CaptureRectangle& rect,
                      lumo::ColourRegion& target) override {
    // Only what lies inside the window is ever asked for, into a region of its size.
    if (rect.Left < 0 || rect.Top < 0 || rect.Right > kWindowWidth || rect.Bottom > kWindowHeight ||
        target.width != rect.Right - rect.Left || target.height != rect.Bottom - rect.Top) {
      std::abort();
    }
    for (std::size_t i = 0; i < target.pixels.size() && !colours_.empty(); ++i) {
      target.pixels[i] = static_cast<std::uint8_t>(colours_[i % colours_.size()]) * 0x010101u;
    }
    return !colours_.empty();
  }
  void RenderPrompt(const std::string& text, lumo::PromptMask& mask) override {
    mask.Reset(static_cast<int>(std::min<std::size_t>(text.size(), 40)) * 6, 12);
    for (std::size_t i = 0; i < mask.ink.size(); i += 5) {
      mask.ink[i] = 1;
    }
  }
  bool WriteFile(const std::string&, const std::uint8_t* bytes, std::size_t size) override {
    written.assign(bytes, bytes + size);
    return true;
  }
  void ListFolderFiles(const std::string&, std::vector<std::string>& names) override {
    names = {"a.bmp", "b.bmp", "c.bmp"};
  }
  std::uint64_t HighResolutionCounter() override { return colours_.size() * 0x9E3779B97F4A7C15u; }

  std::vector<std::uint8_t> written;

 private:
  std::string_view colours_;
};

// The file holds the picture: rows bottom-up, padded, a set bit white.
void CheckBmp(const std::vector<std::uint8_t>& file, const lumo::DisplayPicture& picture) {
  if (file.size() != lumo::kBmpFileBytes || file[0] != 'B' || file[1] != 'M') {
    std::abort();
  }
  for (int y = 0; y < lumo::kDisplayHeight; ++y) {
    for (int x = 0; x < lumo::kDisplayWidth; ++x) {
      const std::uint8_t byte =
          file[lumo::kBmpHeaderBytes + (lumo::kDisplayHeight - 1 - y) * lumo::kBmpRowBytes + x / 8];
      if (((byte & (0x80 >> (x % 8))) != 0) != picture.IsWhite(x, y)) {
        std::abort();
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const lumo::test::FakeProfileReader file(text);
  lumo::ScreenDefinition model;
  lumo::test::RecordingTimer timer;
  lumo::LoadTimerDefinition(model, timer, file);
  FuzzSystem system(text);
  lumo::test::RecordingAnnouncer announcer;
  lumo::ScreenCapture capture(model, "C:\\Pos\\", system, announcer);
  for (int tick = 0; tick < 3; ++tick) {
    system.written.clear();
    capture.CopyTimerTimer(tick == 1 ? 0 : 0x100);
    if (!system.written.empty()) {
      CheckBmp(system.written, capture.DisplayImage());
    }
  }
  return 0;
}
