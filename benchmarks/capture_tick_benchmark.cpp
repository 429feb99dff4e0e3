// Cost of one capture tick with four actions, on an unchanged and on a changing register
// screen. The counters show what a tick does besides computing: heap allocations, file
// writes and driver calls per tick.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <new>

#include "capture/screen_capture.h"

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

// A register window of dark digits on a grey dialog; the "amount" can be changed.
class BenchSystem : public CaptureSystem {
 public:
  BenchSystem() : screen_(kScreenWidth * kScreenHeight, 0x00F0F0F0) { SetAmount(0); }

  void SetAmount(int amount) {
    for (int y = 100; y < 140; ++y) {
      for (int x = 0; x < kScreenWidth; ++x) {
        const bool ink = ((x / 6 + amount) % 3 == 0) && (y % 7 != 0);
        screen_[static_cast<std::size_t>(y * kScreenWidth + x)] = ink ? 0x00101010 : 0x00F0F0F0;
      }
    }
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
  void Cls(std::int32_t) override {}
  void PrintText(std::int32_t, std::int32_t, const std::string&) override {}
  void SoundOut(const std::string&) override {}
  void DrawImage(std::int32_t, std::int32_t, const std::string&, const AnnouncerRect*) override {
    ++draws;
  }
  long draws = 0;
};

ScreenDefinition FourActions() {
  ScreenDefinition definition;
  definition.ShowLastingTicks = 1000000;
  for (int i = 0; i < 4; ++i) {
    TBmpAction action;
    action.Prompt = "Total";
    action.PromptX = 60 * i;
    action.CaptureRect = {150 * i, 100, 150 * i + 120, 140};
    action.ImageX = 60 * i;
    action.ImageY = 18;
    definition.TimerActions.push_back(action);
  }
  return definition;
}

void RunTicks(benchmark::State& state, bool changing) {
  const ScreenDefinition definition = FourActions();
  BenchSystem system;
  BenchAnnouncer announcer;
  ScreenCapture capture(definition, "C:\\Pos\\", system, announcer);
  capture.CopyTimerTimer(1);  // first tick: buffers and prompts
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
    capture.CopyTimerTimer(1);
  }
  const double ticks = static_cast<double>(state.iterations());
  state.counters["allocs/tick"] = static_cast<double>(g_allocations - allocations_before) / ticks;
  state.counters["writes/tick"] = static_cast<double>(system.writes - writes_before) / ticks;
  state.counters["draws/tick"] = static_cast<double>(announcer.draws - draws_before) / ticks;
}

void BM_TickFourActionsUnchangedScreen(benchmark::State& state) {
  RunTicks(state, false);
}
void BM_TickFourActionsChangingScreen(benchmark::State& state) {
  RunTicks(state, true);
}

BENCHMARK(BM_TickFourActionsUnchangedScreen);
BENCHMARK(BM_TickFourActionsChangingScreen);

}  // namespace
}  // namespace lumo

BENCHMARK_MAIN();
