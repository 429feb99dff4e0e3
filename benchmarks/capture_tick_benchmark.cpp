// Cost of one capture tick with four actions, on an unchanged and on a changing register
// screen. The counters show what a tick does besides computing: heap allocations, file
// writes and driver calls per tick. Beside the tick as it is, the same run times the tick
// as it was before the background rule (black where darker than mid-grey, no colour
// count, regions copied whole), so the rule's cost is read off one run.
// The logged rows add what Lumo.exe does after each tick for its support log.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <new>

#include "bench_log.h"
#include "capture/compose.h"
#include "capture/screen_capture.h"
#include "supportlog/capture_summary.h"

namespace {

long g_allocations = 0;

}  // namespace

// Not inlined: GCC would otherwise see malloc meet delete and warn of a mismatch.
[[gnu::noinline]] void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size)) {
    return block;
  }
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* block) noexcept {
  std::free(block);
}
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}

namespace lumo {
namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// A register window of dark anti-aliased strokes on a grey dialog; the "amount" can be
// changed.
class BenchSystem : public CaptureSystem {
 public:
  BenchSystem() : screen_(kScreenWidth * kScreenHeight, 0x00F0F0F0) { SetAmount(0); }

  void SetAmount(int amount) {
    // Strokes four pixels wide, each edge a grey fringe, every seventh row left out.
    constexpr ColourPixel kStroke[6] = {0x00A0A0A0, 0x00101010, 0x00101010,
                                        0x00101010, 0x00101010, 0x00C8C8C8};
    for (int y = 100; y < 140; ++y) {
      for (int x = 0; x < kScreenWidth; ++x) {
        const bool ink = ((x / 6 + amount) % 3 == 0) && (y % 7 != 0);
        screen_[static_cast<std::size_t>(y * kScreenWidth + x)] = ink ? kStroke[x % 6] : 0x00F0F0F0;
      }
    }
  }

  bool GetWindowLayout(WindowHandle, WindowLayout& layout) override {
    layout = {kScreenWidth, kScreenHeight, false, {}};
    return true;
  }

  bool CopyWindowRect(WindowHandle, const CaptureRectangle& rect, ColourRegion& target) override {
    for (int y = 0; y < target.height; ++y) {
      const ColourPixel* from =
          &screen_[static_cast<std::size_t>((rect.Top + y) * kScreenWidth + rect.Left)];
      std::copy(from, from + target.width,
                target.pixels.begin() + static_cast<std::ptrdiff_t>(y * target.width));
    }
    return true;
  }
  void RenderPrompt(const std::string& text, PromptMask& mask) override {
    mask.Reset(static_cast<int>(text.size()) * 6, 12);
  }
  bool WriteFile(const std::string&, const std::uint8_t* bytes, std::size_t size) override {
    benchmark::DoNotOptimize(bytes[size - 1]);
    ++writes;
    return true;
  }
  void ListFolderFiles(const std::string&, std::vector<std::string>& names) override {
    names.clear();
  }
  std::uint64_t HighResolutionCounter() override { return 0; }

  long writes = 0;

 private:
  std::vector<ColourPixel> screen_;
};

class BenchAnnouncer : public Announcer {
 public:
  std::int32_t Cls(std::int32_t) override { return 1; }
  std::int32_t PrintText(std::int32_t, std::int32_t, const std::string&) override { return 1; }
  std::int32_t SoundOut(const std::string&) override { return 1; }
  std::int32_t DrawImage(std::int32_t, std::int32_t, const std::string&,
                         const AnnouncerRect*) override {
    ++draws;
    return 1;
  }
  long draws = 0;
};

ScreenDefinition FourActions() {
  ScreenDefinition definition;
  definition.ShowLastingTicks = 1000000;
  for (int i = 0; i < 4; ++i) {
    CaptureAction action;
    action.Prompt = "Total";
    action.PromptX = 60 * i;
    action.CaptureRect = {150 * i, 100, 150 * i + 120, 140};
    action.ImageX = 60 * i;
    action.ImageY = 18;
    definition.TimerActions.push_back(action);
  }
  return definition;
}

bool IsDarkerThanMidGrey(ColourPixel pixel) {
  return Brightness(pixel) < 128 * 1000;
}

// The stretch as it was: each source pixel black when darker than mid-grey, and the source
// pixels that a place pixel covers worked out anew for every place pixel.
void MidGreyStretch(const ColourRegion& region, DisplayPicture& picture, std::int64_t x,
                    std::int64_t y, std::int64_t place_width, std::int64_t place_height) {
  using compose_detail::Clip;
  using compose_detail::Covered;
  using compose_detail::Span;
  const Span rows = Clip(y, place_height, kDisplayHeight);
  const Span columns = Clip(x, place_width, kDisplayWidth);
  for (std::int64_t py = rows.begin; py < rows.end; ++py) {
    const Span source_rows = Covered(py - y, place_height, region.height, 0, region.height);
    for (std::int64_t px = columns.begin; px < columns.end; ++px) {
      const Span source_columns = Covered(px - x, place_width, region.width, 0, region.width);
      bool dark = false;
      for (std::int64_t sy = source_rows.begin; sy < source_rows.end && !dark; ++sy) {
        for (std::int64_t sx = source_columns.begin; sx < source_columns.end && !dark; ++sx) {
          dark = IsDarkerThanMidGrey(region.At(static_cast<int>(sx), static_cast<int>(sy)));
        }
      }
      picture.Set(static_cast<int>(px), static_cast<int>(py), !dark);
    }
  }
}

// The tick as it was before the background rule: each region copied whole and drawn by the
// stretch above; the rest of the tick as it is.
class MidGreyTick {
 public:
  MidGreyTick(const ScreenDefinition& definition, const std::string& program_dir,
              CaptureSystem& system, Announcer& announcer)
      : definition_(definition),
        system_(system),
        announcer_(announcer),
        path_(program_dir + "tmp.bmp") {}

  void OnCaptureTick(WindowHandle window) {
    prompts_.resize(definition_.TimerActions.size());
    for (std::size_t i = 0; i < definition_.TimerActions.size(); ++i) {
      const CaptureAction& action = definition_.TimerActions[i];
      const CaptureRectangle& rect = action.CaptureRect;
      const int width = rect.Right - rect.Left;
      const int height = rect.Bottom - rect.Top;
      region_.ResetWhite(width, height);
      system_.CopyWindowRect(window, rect, region_);
      if (prompts_[i].width == 0) {
        system_.RenderPrompt(action.Prompt, prompts_[i]);
      }
      PlacePrompt(prompts_[i], display_, action.PromptX, action.PromptY);
      MidGreyStretch(region_, display_, action.ImageX, action.ImageY, PlaceWidth(width, height),
                     kPlaceHeight);
    }
    if (!SameImage(display_, sent_)) {
      EncodeBmp(display_, bmp_);
      system_.WriteFile(path_, bmp_.data(), bmp_.size());
      announcer_.DrawImage(0, 0, path_, nullptr);
      sent_ = display_;
    }
  }

 private:
  const ScreenDefinition& definition_;
  CaptureSystem& system_;
  Announcer& announcer_;
  const std::string path_;
  ColourRegion region_;
  std::vector<PromptMask> prompts_;
  DisplayPicture display_;
  DisplayPicture sent_;
  BmpFileBytes bmp_{};
};

// The tick as Lumo.exe runs it: followed by the support log's look at the counts, with a
// clock read as GetTickCount64 would give it.
class SummarisedTick {
 public:
  SummarisedTick(const ScreenDefinition& definition, const std::string& program_dir,
                 CaptureSystem& system, Announcer& announcer)
      : capture_(definition, program_dir, system, announcer), summary_(BenchLog()) {}

  void OnCaptureTick(WindowHandle window) {
    capture_.OnCaptureTick(window);
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    summary_.AfterTick(static_cast<std::uint64_t>(
                           std::chrono::duration_cast<std::chrono::milliseconds>(now).count()),
                       window, capture_.Counts());
  }

 private:
  ScreenCapture capture_;
  CaptureSummary summary_;
};

template <typename Tick>
void RunTicks(benchmark::State& state, bool changing) {
  const ScreenDefinition definition = FourActions();
  BenchSystem system;
  BenchAnnouncer announcer;
  auto tick = std::make_unique<Tick>(definition, "C:\\Pos\\", system, announcer);
  tick->OnCaptureTick(1);  // first tick: buffers and prompts
  const long allocations_before = g_allocations;
  const long writes_before = system.writes;
  const long draws_before = announcer.draws;
  int amount = 0;
  for (auto _ : state) {
    if (changing) {
      state.PauseTiming();
      system.SetAmount(++amount);
      state.ResumeTiming();
    }
    tick->OnCaptureTick(1);
  }
  const double ticks = static_cast<double>(state.iterations());
  state.counters["allocs/tick"] = static_cast<double>(g_allocations - allocations_before) / ticks;
  state.counters["writes/tick"] = static_cast<double>(system.writes - writes_before) / ticks;
  state.counters["draws/tick"] = static_cast<double>(announcer.draws - draws_before) / ticks;
}

void BM_TickFourActionsUnchangedScreen(benchmark::State& state) {
  RunTicks<ScreenCapture>(state, false);
}
void BM_TickFourActionsChangingScreen(benchmark::State& state) {
  RunTicks<ScreenCapture>(state, true);
}
void BM_LoggedTickFourActionsUnchangedScreen(benchmark::State& state) {
  RunTicks<SummarisedTick>(state, false);
}
void BM_LoggedTickFourActionsChangingScreen(benchmark::State& state) {
  RunTicks<SummarisedTick>(state, true);
}
void BM_MidGreyTickFourActionsUnchangedScreen(benchmark::State& state) {
  RunTicks<MidGreyTick>(state, false);
}
void BM_MidGreyTickFourActionsChangingScreen(benchmark::State& state) {
  RunTicks<MidGreyTick>(state, true);
}

BENCHMARK(BM_MidGreyTickFourActionsUnchangedScreen);
BENCHMARK(BM_MidGreyTickFourActionsChangingScreen);
BENCHMARK(BM_TickFourActionsUnchangedScreen);
BENCHMARK(BM_TickFourActionsChangingScreen);
BENCHMARK(BM_LoggedTickFourActionsUnchangedScreen);
BENCHMARK(BM_LoggedTickFourActionsChangingScreen);

}  // namespace
}  // namespace lumo

BENCHMARK_MAIN();
