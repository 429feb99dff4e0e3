#pragma once
// Stand-ins for the machine and the announcer in capture tests. The "register window" is a
// full-colour picture the test paints; copies read from it.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "announcer/announcer.h"
#include "capture/capture_system.h"

namespace lumo::test {

struct DrawImageCall {
  std::string path;
  bool has_rect;
  AnnouncerRect rect;
};

class FakeAnnouncer : public Announcer {
 public:
  void Cls(std::int32_t) override { ++other_calls; }
  void PrintText(std::int32_t, std::int32_t, const std::string&) override { ++other_calls; }
  void SoundOut(const std::string&) override { ++other_calls; }
  void DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                 const AnnouncerRect* rect) override {
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    draws.push_back({path, rect != nullptr, rect ? *rect : AnnouncerRect{}});
  }

  std::vector<DrawImageCall> draws;
  int other_calls = 0;
};

class FakeCaptureSystem : public CaptureSystem {
 public:
  static constexpr WindowHandle kRegister = 0x1234;

  FakeCaptureSystem() { screen.ResetWhite(400, 300); }

  void PaintScreen(int x, int y, int width, int height, ColourPixel colour) {
    for (int row = y; row < y + height; ++row) {
      for (int column = x; column < x + width; ++column) {
        screen.pixels[static_cast<std::size_t>(row * screen.width + column)] = colour;
      }
    }
  }

  bool CopyWindowRect(WindowHandle window, const CaptureRectangle& rect,
                      ColourRegion& target) override {
    ++copies;
    EXPECT_EQ(target.width, rect.Right - rect.Left);
    EXPECT_EQ(target.height, rect.Bottom - rect.Top);
    if (window != kRegister || copy_fails) {
      return false;
    }
    for (int y = 0; y < target.height; ++y) {
      for (int x = 0; x < target.width; ++x) {
        const int sx = rect.Left + x;
        const int sy = rect.Top + y;
        if (sx >= 0 && sy >= 0 && sx < screen.width && sy < screen.height) {
          target.pixels[static_cast<std::size_t>(y * target.width + x)] = screen.At(sx, sy);
        }
      }
    }
    return true;
  }

  // Every prompt renders as a cell of 2 pixels per byte by 4 rows, ink in its first column.
  void RenderPrompt(const std::string& text, PromptMask& mask) override {
    rendered.push_back(text);
    mask.Reset(static_cast<int>(text.size()) * 2, 4);
    for (int y = 0; y < 4; ++y) {
      mask.ink[static_cast<std::size_t>(y * mask.width)] = 1;
    }
  }

  bool WriteFile(const std::string& path, const std::uint8_t* bytes, std::size_t size) override {
    ++write_attempts;
    if (!writable) {
      return false;
    }
    files[path].assign(bytes, bytes + size);
    return true;
  }

  void ListFolderFiles(const std::string& folder, std::vector<std::string>& names) override {
    listed.push_back(folder);
    names = ad_files;
  }

  std::uint64_t HighResolutionCounter() override { return counter++; }

  ColourRegion screen;
  bool copy_fails = false;
  bool writable = true;
  std::vector<std::string> ad_files;
  std::uint64_t counter = 1000;

  int copies = 0;
  int write_attempts = 0;
  std::vector<std::string> rendered;
  std::map<std::string, std::vector<std::uint8_t>> files;
  std::vector<std::string> listed;
};

}  // namespace lumo::test
