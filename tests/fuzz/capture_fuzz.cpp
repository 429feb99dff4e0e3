// The capture tick over a screen definition the fuzzer writes: region geometry, the stretch
// onto the display picture, prompts and the BMP file of every picture sent. The register
// window is 64 x 48 pixels coloured by the input's bytes, its caret where the first two put it.
#include <algorithm>
#include <cstdlib>

#include "capture/screen_capture.h"
#include "fake_profile_reader.h"
#include "fakes/machine.h"
#include "screendef/timer_definition.h"

using namespace lumo;

// The file holds the picture: rows bottom-up, padded, a set bit white.
static void CheckBmp(const std::vector<std::uint8_t>& file, const DisplayPicture& picture) {
  if (file.size() != kBmpFileBytes || file[0] != 'B' || file[1] != 'M') {
    std::abort();
  }
  for (int y = 0; y < kDisplayHeight; ++y) {
    for (int x = 0; x < kDisplayWidth; ++x) {
      const std::uint8_t byte =
          file[kBmpHeaderBytes + (kDisplayHeight - 1 - y) * kBmpRowBytes + x / 8];
      if (((byte & (0x80 >> (x % 8))) != 0) != picture.IsWhite(x, y)) {
        std::abort();
      }
    }
  }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const test::FakeProfileReader file(text);
  ScreenDefinition model;
  test::RecordingTimer timer;
  LoadTimerDefinition(model, timer, file);
  test::FakeCaptureSystem system(64, 48);
  for (std::size_t i = 0; i < system.screen.pixels.size() && size > 0; ++i) {
    system.screen.pixels[i] = data[i % size] * 0x010101u;
  }
  system.copy_fails = size == 0;
  if (size >= 2) {
    system.layout.has_caret = true;
    system.layout.caret = {data[0] % 64, data[1] % 48, data[0] % 64 + 2, data[1] % 48 + 16};
  }
  system.ad_files = {"a.bmp", "b.bmp", "c.bmp"};
  system.counter = size * 0x9E3779B97F4A7C15u;
  ScreenCapture capture(model, "C:\\Pos\\", system, system);
  for (int tick = 0; tick < 3; ++tick) {
    system.files.clear();
    capture.OnCaptureTick(tick == 1 ? 0 : test::kRegister);
    if (std::count(system.calls.begin(), system.calls.end(), "copy outside the window") > 0) {
      std::abort();  // only what lies inside the window is ever asked for
    }
    if (!system.files.empty()) {
      CheckBmp(system.files.begin()->second, capture.DisplayImage());
    }
  }
  return 0;
}
