#pragma once
// The machine around the portable code as plain data: a register window's texts and
// pixels, an announcer and a capture timer that record what they are given.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "announcer/announcer.h"
#include "announcer/window_texts.h"
#include "capture/capture_system.h"
#include "common/clock.h"
#include "screendef/capture_timer.h"

namespace lumo::test {

constexpr WindowHandle kRegister = 0x100;
constexpr WindowHandle kFirstControl = 0x10000;  // control handles: this plus the dialog ID

// Controls by dialog ID and descendants (handles 1, 2, ...) of kRegister. Texts come back
// whole, so that cutting them to the buffer is the caller's business; while hung, a wait
// for an answer is in vain.
class FakeWindowTexts : public WindowTexts {
 public:
  std::map<std::int32_t, std::string> controls;
  std::vector<std::string> descendants;
  int dialog_item_calls = 0;
  std::vector<std::size_t> buffer_sizes;
  bool hung = false;
  int waits = 0;

  WindowHandle DialogItem(WindowHandle window, std::int32_t id) override {
    ++dialog_item_calls;
    return window == kRegister && controls.count(id) ? kFirstControl + id : 0;
  }
  std::string Text(WindowHandle window, std::size_t buffer_size) override {
    buffer_sizes.push_back(buffer_size);
    return window >= kFirstControl ? controls.at(static_cast<std::int32_t>(window - kFirstControl))
                                   : descendants.at(window - 1);
  }
  std::optional<std::string> AnsweredText(WindowHandle window, std::size_t size) override {
    ++waits;
    return hung ? std::nullopt : std::optional<std::string>(Text(window, size));
  }
  // The n-th descendant, the last one for an n out of range.
  WindowHandle NthDescendant(WindowHandle parent, std::int32_t n) override {
    const auto count = static_cast<std::int32_t>(descendants.size());
    return parent != kRegister ? 0 : n >= 1 && n <= count ? n : count;
  }
};

// The announcer and the wait after a clear, in one list of calls.
class RecordingAnnouncer : public Announcer, public Sleeper {
 public:
  std::vector<std::string> calls;
  std::int32_t result = 1;  // what every call returns

  std::int32_t Cls(std::int32_t mode) override {
    calls.push_back("Cls " + std::to_string(mode));
    return result;
  }
  std::int32_t PrintText(std::int32_t first, std::int32_t line, const std::string& text) override {
    calls.push_back("PrintText " + std::to_string(first) + " " + std::to_string(line) + " '" +
                    text + "'");
    return result;
  }
  std::int32_t SoundOut(const std::string& text) override {
    calls.push_back("SoundOut '" + text + "'");
    return result;
  }
  std::int32_t DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                         const AnnouncerRect* r) override {
    calls.push_back("DrawImage " + std::to_string(x) + "," + std::to_string(y) + " " + path + " " +
                    (r ? std::to_string(r->Left) + "," + std::to_string(r->Top) + "," +
                             std::to_string(r->Right) + "," + std::to_string(r->Bottom)
                       : "null"));
    return result;
  }
  void Sleep(std::uint32_t milliseconds) override {
    calls.push_back("Sleep " + std::to_string(milliseconds));
  }
};

struct RecordingTimer : CaptureTimer {
  std::string calls;
  void SetEnabled(bool value) override { calls += " enabled " + std::to_string(value); }
  void SetInterval(std::uint32_t ms) override { calls += " interval " + std::to_string(ms); }
};

// The register window kRegister as a picture the test paints, its files and its announcer,
// every call in one list. A prompt renders as a cell two pixels wide per byte and four high,
// inked in its first column.
class FakeCaptureSystem : public CaptureSystem, public RecordingAnnouncer {
 public:
  FakeCaptureSystem(int width, int height) : layout{width, height, false, {}} {
    screen.ResetWhite(width, height);
  }
  bool GetWindowLayout(WindowHandle, WindowLayout& out) override { return out = layout, true; }
  bool CopyWindowRect(WindowHandle window, const CaptureRectangle& r,
                      ColourRegion& target) override {
    // Only what lies inside the window is ever asked for, into a region of its size.
    const bool inside = window == kRegister && r.Left >= 0 && r.Top >= 0 &&
                        r.Right <= screen.width && r.Bottom <= screen.height &&
                        target.width == r.Right - r.Left && target.height == r.Bottom - r.Top;
    calls.push_back(inside ? "copy" : "copy outside the window");
    copied.push_back(r);
    for (int y = 0; y < target.height && inside && !copy_fails; ++y) {
      for (int x = 0; x < target.width; ++x) {
        target.pixels[static_cast<std::size_t>(y * target.width + x)] =
            screen.At(r.Left + x, r.Top + y);
      }
    }
    return inside && !copy_fails;
  }
  void RenderPrompt(const std::string& text, PromptMask& mask) override {
    calls.push_back("render " + text);
    mask.Reset(static_cast<int>(text.size()) * 2, 4);
    for (int y = 0; y < 4; ++y) {
      mask.ink[static_cast<std::size_t>(y * mask.width)] = 1;
    }
  }
  bool WriteFile(const std::string& path, const std::uint8_t* bytes, std::size_t size) override {
    calls.push_back("write");
    if (writable) {
      files[path].assign(bytes, bytes + size);
    }
    return writable;
  }
  void ListFolderFiles(const std::string& folder, std::vector<std::string>& names) override {
    calls.push_back("list " + folder);
    names = ad_files;
  }
  std::uint64_t HighResolutionCounter() override { return ++counter; }

  ColourRegion screen;
  WindowLayout layout;
  bool copy_fails = false;
  bool writable = true;
  std::vector<std::string> ad_files;
  std::uint64_t counter = 1000;
  std::vector<CaptureRectangle> copied;
  std::map<std::string, std::vector<std::uint8_t>> files;
};

}  // namespace lumo::test
